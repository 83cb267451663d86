#pragma once
// The online help: the maker's help page in an embedded browser.
#include <QDialog>
#include <memory>

class BrowserPane;
class Platform;

class frmHelp : public QDialog {
  Q_OBJECT
public:
  explicit frmHelp(Platform& platform, QWidget* parent = nullptr);
  ~frmHelp() override;

  // The page the window shows.
  static QString helpPageAddress();

  void Form_Load();

  std::unique_ptr<BrowserPane> WBHelp;

protected:
  void keyPressEvent(QKeyEvent* e) override;
};
