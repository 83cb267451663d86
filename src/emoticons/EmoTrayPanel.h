#pragma once
// Panel 3: the emoticon picker. The user picks a set, then a name; the picture
// shows in a small browser, and the OK picture puts its forum tag on the
// clipboard.
#include "panes/BrowserPane.h"

#include <QFrame>
#include <array>
#include <memory>

struct EmoVars;
class PanelHost;
class PictureBox;
class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

class EmoTrayPanel : public QFrame {
  Q_OBJECT
public:
  EmoTrayPanel(PanelHost& host, EmoVars& vars, QWidget* parent);
  ~EmoTrayPanel() override;

  // --- handlers
  void optSet_Click(int Index);
  void lstEmo_Click();
  void pboOk_Click();
  void pboOk_MouseDown();
  void pboOk_MouseUp();
  void tmrDoneEP_Timer();

  // --- set loaders: each clears lstEmo and fills it with one set
  void LoadSetEmoTray();
  void LoadSetPtoInform();
  void LoadSetTweedo();
  void LoadSetYahoo();
  void LoadSetPersonali();  // also fills lstURL, from Personali.et2

  // --- controls
  QLabel* Label22 = nullptr;
  QLabel* Label21 = nullptr;
  std::array<QPushButton*, 5> optSet{};
  QListWidget* lstEmo = nullptr;
  std::unique_ptr<BrowserPane> WBEP;
  QListWidget* lstURL = nullptr;  // addresses of the personal set, never shown
  PictureBox* pboOk = nullptr;
  QLabel* imgDone = nullptr;
  QTimer* tmrDoneEP = nullptr;

private:
  void loadBuiltIn(int set);

  PanelHost& host_;
  EmoVars& vars_;
  QButtonGroup* setGroup_ = nullptr;
};
