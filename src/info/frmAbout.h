#pragma once
// The about window: slides in from the left edge to the middle of the screen
// and, on "OK", on to the right until it has left the screen.
#include <QDialog>

class Platform;
class QLabel;
class QPushButton;
class QTimer;

class frmAbout : public QDialog {
  Q_OBJECT
public:
  explicit frmAbout(Platform& platform, QWidget* parent = nullptr);

  void Form_Load();
  void tmrEntrata_Timer();
  void tmrUscita_Timer();
  void cmdOk_Click();

  // The left edge in twips, as the slide keeps it (pixels would drift).
  int leftTwips() const { return left_; }

  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
  QLabel* Image1;
  QPushButton* cmdOk;
  QTimer* tmrEntrata;
  QTimer* tmrUscita;

protected:
  void paintEvent(QPaintEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

private:
  int widthTwips() const;
  void moveTo(int leftTwips);
  Platform& platform_;
  int left_ = 0;
  int top_ = 0;
};
