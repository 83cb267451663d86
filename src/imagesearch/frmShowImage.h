#pragma once
// A borderless window that shows what the composer's image address leads to.
#include <QDialog>
#include <memory>

class BrowserPane;
class Platform;
class QLabel;
class QPushButton;
struct NRV_SLV3;

class frmShowImage : public QDialog {
  Q_OBJECT
public:
  frmShowImage(Platform& platform, NRV_SLV3& app, QWidget* parent = nullptr);
  ~frmShowImage() override;

  void Form_Load();
  void cmdClose_Click();

  QLabel* Label1;
  std::unique_ptr<BrowserPane> WBImage;
  QPushButton* cmdClose;

protected:
  void keyPressEvent(QKeyEvent* e) override;

private:
  NRV_SLV3& app_;
};
