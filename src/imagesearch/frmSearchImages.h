#pragma once
// A small browser window for finding a picture on the web and copying its
// address by hand into the composer.
#include <QDialog>
#include <array>
#include <memory>

class BrowserPane;
class Platform;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
struct NRV_SLV3;

class frmSearchImages : public QDialog {
  Q_OBJECT
public:
  frmSearchImages(Platform& platform, NRV_SLV3& app, QWidget* parent = nullptr);
  ~frmSearchImages() override;

  void Form_Load();
  void cmdNavy_Click(int Index);
  void cmdVai_Click();
  void tmrBusy_Timer();

  QLabel *Label1, *Label2, *Label3;
  std::array<QPushButton*, 9> cmdNavy{};
  QLineEdit* txtAddress;
  QPushButton* cmdVai;
  std::unique_ptr<BrowserPane> WB;
  QTimer* tmrBusy;

protected:
  void paintEvent(QPaintEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
};
