#pragma once
// Panel 4: the post composer. Five modes turn a few fields into the forum's
// markup and hand it over through the clipboard.
#include <QFrame>
#include <QPointer>
#include <array>
#include <functional>

class frmDone;
class PanelHost;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTimer;
struct ComposerVars;

class ComposerPanel : public QFrame {
  Q_OBJECT
public:
  // `vars` are the window's shared composer variables, kept up to date here.
  ComposerPanel(PanelHost& host, ComposerVars& vars, QWidget* parent);

  // --- the panel
  void optAdd_Click(int Index);
  // Empties the clipboard, puts the markup on it, resets the mode through
  // `resetMode`, beeps and shows the confirmation. When the clipboard does not
  // take the text, says so and leaves the mode's fields alone; returns whether
  // the markup was delivered.
  bool DeliverMarkup(const QString& markup, const std::function<void()>& resetMode);
  void tmrDone_Timer();

  // --- formatted text
  void optSize_Click(int Index);
  void optColor_Click(int Index);
  void chkBold_Click();
  void chkItalics_Click();
  void chkUnderlined_Click();
  void txtTesto_Change();
  void cmdFormattato_Click();

  // --- list builder
  void optList_Click(int Index);
  void txtElenco_KeyPress(int KeyAscii);
  void lstElenco_Click();
  // The items of the list's pop-up menu, which belongs to the window.
  void mnuDelete_Click();
  void mnuUp_Click();
  void mnuDown_Click();
  void cmdClearElenco_Click();
  void cmdElenco_Click();

  // --- quotation
  void txtCitazione_Change();
  void cmdCitazione_Click();

  // --- link
  void txtURL_Change();
  void txtURLText_Change();
  void cmdURL_Click();

  // --- image, and adding it to the personal emoticons
  void txtImmagine_Change();
  void cmdImmagine_Click();
  void cmdVerifyURL_Click();
  void cmdSearchImages_Click();
  void txtNome_Change();
  void cmdOkEP_Click();

  // The text of a multi-line box with its line breaks as CR LF, the way the
  // forum's editor receives a pasted text.
  static QString boxText(const QPlainTextEdit* box);

  // --- controls
  QLabel *Label26, *Label25, *Label1;
  std::array<QPushButton*, 5> optAdd{};
  std::array<QFrame*, 5> fraFunction{};
  QTimer* tmrDone = nullptr;
  // The confirmation window while it is shown.
  QPointer<frmDone> doneWindow;

  // formatted text (fraFunction 4)
  std::array<QPushButton*, 15> optColor{};
  QPushButton *chkBold, *chkItalics, *chkUnderlined;
  QGroupBox* Frame1;
  std::array<QPushButton*, 5> optSize{};
  QPlainTextEdit* txtMonitor;
  QPlainTextEdit* txtTesto;
  QPushButton* cmdFormattato;

  // list builder (fraFunction 0)
  std::array<QPushButton*, 3> optList{};
  QPushButton* cmdClearElenco;
  QListWidget* lstElenco;
  QLineEdit* txtElenco;
  QPushButton* cmdElenco;
  QListWidget* lstMoveElenco;

  // quotation (fraFunction 3)
  QPlainTextEdit* txtCitazione;
  QLineEdit* txtAutore;
  QPushButton* cmdCitazione;

  // link (fraFunction 2)
  QPlainTextEdit* txtURL;
  QPlainTextEdit* txtURLText;
  QPushButton* cmdURL;

  // image (fraFunction 1) with the sub-frame fraEP
  QPlainTextEdit* txtImmagine;
  QPushButton* cmdVerifyURL;
  QPushButton* cmdSearchImages;
  QFrame* fraEP;
  QLineEdit* txtNome;
  QPushButton* cmdOkEP;
  QPushButton* cmdImmagine;

signals:
  // An item of the list was clicked: the window pops up its list menu with
  // "Sposta Su" and "Sposta Giù" enabled as told.
  void listMenuRequested(bool canMoveUp, bool canMoveDown);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void buildFormatted(QFrame* f);
  void buildList(QFrame* f);
  void buildQuote(QFrame* f);
  void buildLink(QFrame* f);
  void buildImage(QFrame* f);
  void moveItem(int heldBack);
  void updateLinkButton();

  PanelHost& host_;
  ComposerVars& vars_;
  QButtonGroup *addGroup_, *colorGroup_, *sizeGroup_, *listGroup_;
};
