#pragma once
// The composer's confirmation window: a small borderless picture that shows
// for a moment after the markup has reached the clipboard.
#include <QPixmap>
#include <QWidget>

class QTimer;

class frmDone : public QWidget {
  Q_OBJECT
public:
  // `owner` is the main window: the picture is placed relative to it and
  // stays out of the task bar.
  explicit frmDone(QWidget* owner);

  void Form_Load();
  void Timer1_Timer();

  QTimer* Timer1 = nullptr;

  // The 120 x 120 picture: a smiley with a thumbs-up under a balloon "FATTO !".
  static QPixmap picture();

protected:
  void paintEvent(QPaintEvent* e) override;

private:
  QWidget* owner_;
};
