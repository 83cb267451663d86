#pragma once
// The main window: toolbar, address line, busy indicator, the three browser
// panes, the six panels on the left, the menus and the window's timers.
#include "composer/ComposerVars.h"
#include "emoticons/EmoVars.h"
#include "media/MusicVars.h"
#include "ui/AlarmHost.h"
#include "ui/NRV_SLV3.h"
#include "ui/PanelHost.h"

#include <QMainWindow>
#include <array>
#include <memory>

class BossAlarm;
class BrowserPane;
class DesktopKey;
class ComposerPanel;
class EmoTrayPanel;
class FavouritesPanel;
class FindBar;
class ForumPanel;
class KeptChoices;
class MediaPlayer;
class MessageWatch;
class MprisPlayer;
class MultimediaPanel;
class OtherPagesPanel;
class PanePermissions;
class PictureBox;
class Platform;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class TrayIcon;

class frmNRV_SLV3 : public QMainWindow, public PanelHost, public AlarmHost {
  Q_OBJECT
public:
  frmNRV_SLV3(Platform& platform, NRV_SLV3& app, QWidget* parent = nullptr);
  ~frmNRV_SLV3() override;

  // --- the panels' host
  Platform& platform() override { return platform_; }
  NRV_SLV3& app() override { return app_; }
  BrowserPane& forumPane() override { return *WBMain; }
  MediaPlayer& player() override { return *WMP; }
  bool isPanelOpen(int n) const override;
  QWidget* hostWindow() override { return this; }
  // The normal caption, which the boss alarm puts back.
  static QString normalCaption();

  // --- the boss alarm's host
  PictureBox* alarmButton() override { return pboAllarme; }
  QAction* passwordItem() override { return mnuPassword; }
  QString ownCaption() const override { return normalCaption(); }
  QPixmap ownIcon() const override;
  QPixmap disguiseIcon() const override;
  void quietDown() override;

  // --- start-up
  void Form_Load();
  // Lays the window out at the screen's size and starts the three panes on
  // their home pages; once only (Form_Load does it when nobody did before).
  // A hidden window's panes load their pages all the same.
  void startPanes();

  // --- panel protocol
  void HidePanels();
  void MarkPanelMenu(int n);
  void OpenPanel(int n) override;  // the opening sequence, for menu items and the mini bar's note
  void ClosePanel();
  void cmdClose_Click(int Index);
  void Form_KeyDown(int KeyCode, int Shift);
  void Form_Paint();
  void Form_Resize();
  // A later start of the program asked for this window. A disguised window
  // comes back only through the restore procedure, as from the task bar.
  void bringToFront();
  QFrame* panelFrame(int n) const;

  // --- panes and navigation
  void pboWins_Click(int Index);
  void mnuForum_Click() { pboWins_Click(0); }
  void mnuMessage_Click() { pboWins_Click(1); }
  void mnuEmail_Click() { pboWins_Click(2); }
  void pboNavy_Click(int Index);
  void mnuNavy_Click(int Index) { pboNavy_Click(Index); }
  void pboNavy_MouseDown(int Index);
  void pboNavy_MouseUp(int Index);
  void mnuAiuto_Click();
  void mnuInfo_Click();
  // The page in front: find, print, zoom (direction as slv::zoomStep takes it).
  void FindInPage();
  void PrintPage();
  void ZoomPage(int direction);
  // "Lettura scura": the three panes' pages dark, or as they are.
  void mnuLetturaScura_Click();
  // The notification-area icon as the choice, the disguise and the unread
  // count have it now.
  void updateTray();

  // --- activity monitor
  void tmrBusy_Timer();
  void tmrPeek_Timer();

  // --- shutdown
  void mnuEsci_Click();
  // Returns true (Cancel) when the close must not go ahead.
  bool Form_QueryUnload();
  void tmrProtection_Timer();
  // The session is ending: runs the close decision and closes; true when the
  // user keeps the program, so the session manager is told to cancel.
  bool sessionEnding();

  // Every timer of the window, for tests that drive handlers by hand.
  void stopTimers();

  // --- shared variables of the window
  int PanelOpen = 0;
  BrowserPane* CurrentBrowser = nullptr;
  int PeekStep = 0;
  // The subsystems' shared variables, handed to their panels.
  ComposerVars composerVars;
  EmoVars emoVars;
  MusicVars musicVars;

  // --- controls
  std::unique_ptr<BrowserPane> WBMain, WBMess, WBMail;
  std::unique_ptr<MediaPlayer> WMP;
  std::array<PictureBox*, 4> pboNavy{};
  std::array<PictureBox*, 3> pboWins{};
  PictureBox* pboAllarme = nullptr;
  QWidget* fraMM = nullptr;  // the music mini bar's place in the toolbar row
  QLineEdit* txtAddressBar = nullptr;
  QFrame* fraBusy = nullptr;
  std::array<QLabel*, 7> lblPk{};
  QLabel* imgXLSico = nullptr;
  QLabel* imgSLVico = nullptr;

  ForumPanel* fraForum = nullptr;
  FavouritesPanel* fraPreferiti = nullptr;
  OtherPagesPanel* fraAltre = nullptr;
  EmoTrayPanel* fraEmoTray = nullptr;
  ComposerPanel* fraComposer = nullptr;
  MultimediaPanel* fraRadio = nullptr;
  std::array<QPushButton*, 6> cmdClose{};

  BossAlarm* alarm = nullptr;
  FindBar* fraFind = nullptr;
  PanePermissions* permissions = nullptr;
  MprisPlayer* mpris = nullptr;
  MessageWatch* watch = nullptr; // the unread private messages
  KeptChoices* kept = nullptr;   // what the member chose, back at the next start
  DesktopKey* desktopKey = nullptr; // the alarm's key from anywhere on the desktop
  TrayIcon* tray = nullptr;

  // menus
  QMenu *mnuNavigazione, *mnuBrowser, *mnuFinestre, *mnuModuli, *mnuStrumenti, *mnuHelp, *mnuEdit;
  std::array<QAction*, 4> mnuNavy{};
  QAction *mnuEsci, *mnuForum, *mnuMessage, *mnuEmail;
  std::array<QAction*, 3> mnuWindow{};
  QAction *mnuEmoTray, *mnuComposer, *mnuMultimedia;
  QAction *mnuAlert, *mnuPassword, *mnuAiuto, *mnuInfo;
  QAction *mnuDelete, *mnuUp, *mnuDown;
  QAction* mnuLetturaScura = nullptr;
  QAction* mnuTray = nullptr;            // "Icona nell'area di notifica"
  QAction* mnuDesktopKeyTaken = nullptr; // the note that the desktop-wide key is not ours

  // timers
  QTimer *tmrBusy, *tmrPeek, *tmrProtection;

protected:
  void resizeEvent(QResizeEvent* e) override;
  void moveEvent(QMoveEvent* e) override;
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

private:
  void buildToolbar(QWidget* canvas);
  void buildAddressRow(QWidget* canvas);
  void buildPanels(QWidget* canvas);
  void buildMenus();
  BrowserPane* pane(int k) const;
  void connectPanels();
  // Sizes the window so that its outer frame, title bar included, covers the
  // screen. Without a window manager the frame is the window itself.
  void coverScreen();
  void buildPageKeys();
  // The three panes and the wider web: other sites to the member's browser,
  // the dark reading item, the member's Pagine.css.
  void buildPanesForTheWeb();
  void placeFindBar();
  void askPermissions();
  void buildDesktopPresence();

  Platform& platform_;
  NRV_SLV3& app_;
  QWidget* canvas_ = nullptr;
  bool layoutFailing_ = false;
  bool resizeQueued_ = false;
  bool closeDecided_ = false;
  bool frameFitted_ = false; // the window manager's frame was taken into account
  bool panesStarted_ = false;
  bool keyOnPortal_ = false; // the desktop's portal gives the alarm's key
  bool portalDeclined_ = false; // a Wayland desktop without it
};
