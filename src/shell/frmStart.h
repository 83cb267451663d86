#pragma once
#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

// The splash window: shows for three seconds, then its unload opens the main window.
class frmStart : public QWidget {
  Q_OBJECT
public:
  // showMain runs inside the splash's unload, while the splash is still on screen.
  explicit frmStart(std::function<void()> showMain);

  void Timer1_Timer();
  void Form_Unload();

  QLabel* Image1;
  QLabel* Label8;
  QTimer* Timer1;

private:
  std::function<void()> showMain_;
};
