#include "shell/frmNRV_SLV3.h"

#include "browse/FindBar.h"
#include "browse/OtherPagesPanel.h"
#include "browse/PanePermissions.h"
#include "composer/ComposerPanel.h"
#include "core/config.h"
#include "core/datafile.h"
#include "core/layout.h"
#include "core/tray_view.h"
#include "core/zoom_steps.h"
#include "emoticons/EmoTrayPanel.h"
#include "forums/FavouritesPanel.h"
#include "forums/ForumListFile.h"
#include "forums/ForumPanel.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "media/MprisPlayer.h"
#include "media/MultimediaPanel.h"
#include "panes/BrowserPane.h"
#include "desktop/DesktopKey.h"
#include "player/MediaPlayer.h"
#include "panes/PageStyles.h"
#include "desktop/Platform.h"
#if defined(SLV_DBUS)
#include "desktop/ShortcutPortal.h"
#endif
#include "desktop/TrayIcon.h"
#include "privacy/BossAlarm.h"
#include "shell/KeptChoices.h"
#include "shell/MessageWatch.h"
#include "ui/Pictures.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSessionManager>
#include <QShortcut>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

constexpr int kDesignWidth = 19080;

// The window's background with its rules.
class MainCanvas : public QWidget {
public:
  using QWidget::QWidget;

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(ui::color(0x00FFC0C0), 1));
    for (int y : {135, 630, 1125})
      p.drawLine(0, ui::px(y), ui::px(kDesignWidth), ui::px(y));
    p.drawLine(ui::px(4035), ui::px(135), ui::px(4035), ui::px(630));
    p.drawLine(ui::px(7125), ui::px(135), ui::px(7125), ui::px(630));
    p.drawLine(ui::px(8280), ui::px(120), ui::px(8280), ui::px(630));
  }
};

} // namespace

frmNRV_SLV3::frmNRV_SLV3(Platform& platform, NRV_SLV3& app, QWidget* parent)
    : QMainWindow(parent), platform_(platform), app_(app) {
  setWindowTitle(normalCaption());
  setWindowIcon(QIcon(ui::appIcon()));

  canvas_ = new MainCanvas(this);
  ui::setColors(canvas_, 0x00FF8080);
  setCentralWidget(canvas_);
  setMinimumSize(1, 1);

  // The three panes lie on top of each other; only the forum pane shows at start.
  WBMain = platform_.createBrowserPane(canvas_);
  WBMess = platform_.createBrowserPane(canvas_);
  WBMail = platform_.createBrowserPane(canvas_);
  WBMain->widget()->move(0, ui::px(1365));
  WBMess->widget()->move(0, ui::px(1350));
  WBMail->widget()->move(0, ui::px(1335));
  WBMess->widget()->hide();
  WBMail->widget()->hide();
  CurrentBrowser = WBMain.get();
  // A page's questions wait for its pane to be in front.
  for (BrowserPane* p : {WBMain.get(), WBMess.get(), WBMail.get()})
    platform_.gate().addPane(p->widget());
  platform_.gate().setFront(CurrentBrowser->widget());
  // A question the engine waits on brings its pane (and tab) to the front.
  connect(&platform_.gate(), &SurfaceGate::paneForward, this, [this](const QObject* pane) {
    for (int i = 0; i < 3; ++i)
      if (this->pane(i)->widget() == pane)
        pboWins_Click(i);
  });

  WMP = platform_.createMediaPlayer(canvas_);

  buildToolbar(canvas_);
  buildAddressRow(canvas_);
  buildPanels(canvas_);
  alarm = new BossAlarm(*this);
  // The desktop's media keys; off the bus while the window is disguised.
  mpris = new MprisPlayer(*this, *fraRadio, this);
  connect(alarm, &BossAlarm::disguised, mpris, &MprisPlayer::setHidden);
  // The restore answered through its box: the window is drawn again, as at
  // the end of every resize.
  connect(alarm, &BossAlarm::disguised, this, [this](bool on) {
    if (!on) {
      Form_Paint();
      askPermissions();
    }
  });
  mpris->attach();
  buildMenus();
  buildPanesForTheWeb();
  connectPanels();
  buildPageKeys();
  watch = new MessageWatch(*this);
  buildDesktopPresence();
  kept = new KeptChoices(*this);

  imgXLSico = new QLabel(canvas_);
  imgSLVico = new QLabel(canvas_);
  imgSLVico->setPixmap(ui::appIcon());
  imgXLSico->setPixmap(BossAlarm::spreadsheetIcon());
  for (QLabel* l : {imgXLSico, imgSLVico}) {
    ui::place(l, 0, 0, 255, 255);
    l->hide();
  }

  // The window sees Escape whatever control has the focus.
  auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  esc->setContext(Qt::WindowShortcut);
  connect(esc, &QShortcut::activated, this, [this] { Form_KeyDown(27, 0); });

  tmrBusy = new QTimer(this);
  tmrBusy->setInterval(50);
  connect(tmrBusy, &QTimer::timeout, this, &frmNRV_SLV3::tmrBusy_Timer);
  tmrPeek = new QTimer(this);
  tmrPeek->setInterval(200);
  connect(tmrPeek, &QTimer::timeout, this, &frmNRV_SLV3::tmrPeek_Timer);
  tmrProtection = new QTimer(this);
  tmrProtection->setInterval(100);
  connect(tmrProtection, &QTimer::timeout, this, &frmNRV_SLV3::tmrProtection_Timer);

  // Shutdown or log-off: the same close decision, when the session lets us ask.
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& sm) {
    if (!sm.allowsInteraction())
      return;  // nothing may be asked, and nothing needs saving
    const bool keep = sessionEnding();
    sm.release();
    if (keep)
      sm.cancel();
  });
}

frmNRV_SLV3::~frmNRV_SLV3() {
  // Before the panes: a page gone hands its last reading back as it goes.
  delete watch;
}

QString frmNRV_SLV3::normalCaption() {
  return QStringLiteral("SOLVARINO 3_w - Norvalis, per la comunità del portale");
}

// ---------------------------------------------------------------- building

void frmNRV_SLV3::buildToolbar(QWidget* canvas) {
  const QString navWords[4] = {QStringLiteral("INDIETRO"), QStringLiteral("AVANTI"),
                               QStringLiteral("TERMINA"), QStringLiteral("AGGIORNA")};
  const int navLefts[4] = {90, 1080, 2070, 3060};
  for (int i = 0; i < 4; ++i) {
    pboNavy[i] = new PictureBox(canvas, ui::wordPicture(navWords[i]), navLefts[i], 240);
    pboNavy[i]->setToolTip(navWords[i]);
    connect(pboNavy[i], &PictureBox::clicked, this, [this, i] { pboNavy_Click(i); });
    connect(pboNavy[i], &PictureBox::mouseDown, this, [this, i] { pboNavy_MouseDown(i); });
    connect(pboNavy[i], &PictureBox::mouseUp, this, [this, i] { pboNavy_MouseUp(i); });
  }
  const QString tabWords[3] = {QStringLiteral("PRINCIPALE"), QStringLiteral("MESSAGGI"),
                               QStringLiteral("EMAIL")};
  const int tabLefts[3] = {4140, 5130, 6135};
  const int tabTops[3] = {240, 255, 255};
  for (int i = 0; i < 3; ++i) {
    pboWins[i] = new PictureBox(canvas, ui::wordPicture(tabWords[i]), tabLefts[i], tabTops[i]);
    pboWins[i]->setAccessibleName(tabWords[i]);
    connect(pboWins[i], &PictureBox::clicked, this, [this, i] { pboWins_Click(i); });
  }
  pboWins[0]->setBorderStyle(1);

  pboAllarme = new PictureBox(canvas, ui::wordPicture(QStringLiteral("ALLARME"), QColor(220, 60, 60)),
                              7230, 240);
  pboAllarme->setAccessibleName(QStringLiteral("ALLARME"));
  connect(pboAllarme, &PictureBox::clicked, this, [this] { alarm->raiseAlarm(); });

  fraMM = new QWidget(canvas);
  ui::place(fraMM, 8400, 240, 9615, 375);
  fraMM->hide();
}

void frmNRV_SLV3::buildAddressRow(QWidget* canvas) {
  txtAddressBar = new QLineEdit(canvas);
  ui::place(txtAddressBar, 60, 765, 12045, 270);
  ui::setColors(txtAddressBar, 0x00FFC0C0, 0x00C00000);
  txtAddressBar->setFrame(false);
  txtAddressBar->setFont(ui::font(8));

  fraBusy = ui::frame(canvas, 0x00FF8080);
  ui::place(fraBusy, 12180, 690, 1290, 375);
  fraBusy->hide();
  struct Pk {
    const char* caption;
    std::uint32_t back, fore;
    int left, top, width, height;
  };
  const Pk pk[7] = {
      {"A", 0x00400000, 0x00E0E0E0, 60, 105, 120, 210},
      {"T", 0x00800000, 0x00C0C0C0, 225, 105, 120, 210},
      {"T", 0x00C00000, 0x00E0E0E0, 390, 105, 120, 210},
      {"E", 0x00FF0000, 0x00E0E0E0, 570, 105, 90, 210},
      {"S", 0x000040C0, 0x0080FFFF, 705, 105, 120, 210},
      {"A", 0x000000FF, 0x0000FFFF, 885, 105, 120, 210},
      {"", 0x00FF8080, 0x0000FFFF, 1035, 45, 150, 300},
  };
  for (int i = 0; i < 7; ++i) {
    auto* l = new QLabel(QString::fromLatin1(pk[i].caption), fraBusy);
    ui::place(l, pk[i].left, pk[i].top, pk[i].width, pk[i].height);
    ui::setColors(l, pk[i].back, pk[i].fore);
    l->setFont(ui::font(8.25, true));
    l->setAlignment(Qt::AlignCenter);
    l->hide();
    lblPk[i] = l;
  }
}

void frmNRV_SLV3::buildPanels(QWidget* canvas) {
  fraForum = new ForumPanel(*this, canvas);
  fraPreferiti = new FavouritesPanel(*this, canvas);
  fraAltre = new OtherPagesPanel(*this, canvas);
  fraEmoTray = new EmoTrayPanel(*this, emoVars, canvas);
  fraComposer = new ComposerPanel(*this, composerVars, canvas);
  fraRadio = new MultimediaPanel(*this, musicVars, fraMM, canvas);
  ui::place(fraForum, 30, 1335, 3765, 7965);
  ui::place(fraPreferiti, 45, 1305, 3765, 7965);
  ui::place(fraAltre, 45, 1305, 3765, 7965);
  ui::place(fraEmoTray, 45, 1305, 3765, 7965);
  ui::place(fraComposer, 45, 1305, 3765, 7965);
  ui::place(fraRadio, 45, 1335, 3825, 9360);

  // One close button per panel, all doing the same.
  struct Close {
    QFrame* panel;
    const char* caption;
    int left, top;
  };
  const Close closes[6] = {
      {fraAltre, "Chiudi Questa Finestra", 570, 7155},
      {fraComposer, "Chiudi Questo Modulo", 525, 7440},
      {fraEmoTray, "Chiudi Questo Modulo", 480, 7200},
      {fraPreferiti, "Chiudi Questa Finestra", 495, 7350},
      {fraForum, "Chiudi Questa Finestra", 570, 7350},
      {fraRadio, "Chiudi Questo Modulo", 615, 8760},
  };
  for (int i = 0; i < 6; ++i) {
    auto* b = new QPushButton(QString::fromUtf8(closes[i].caption), closes[i].panel);
    ui::place(b, closes[i].left, closes[i].top, 2655, 435);
    ui::styleButton(b, 0x00FF80FF, ui::font(9.75, true));
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QPushButton::clicked, this, [this, i] { cmdClose_Click(i); });
    cmdClose[i] = b;
  }
  for (int n = 0; n < 6; ++n)
    panelFrame(n)->hide();
}

void frmNRV_SLV3::buildMenus() {
  auto item = [this](QMenu* menu, const QString& caption, auto handler) {
    QAction* a = menu->addAction(caption);
    connect(a, &QAction::triggered, this, handler);
    return a;
  };

  mnuNavigazione = menuBar()->addMenu(QStringLiteral("&Navigazione"));
  const QString navCaptions[4] = {QStringLiteral("&Indietro"), QStringLiteral("&Avanti"),
                                  QStringLiteral("&Termina"), QStringLiteral("A&ggiorna")};
  for (int i = 0; i < 4; ++i)
    mnuNavy[i] = item(mnuNavigazione, navCaptions[i], [this, i] { mnuNavy_Click(i); });
  mnuNavigazione->addSeparator();
  mnuEsci = item(mnuNavigazione, QStringLiteral("&Esci"), [this] { mnuEsci_Click(); });

  mnuBrowser = menuBar()->addMenu(QStringLiteral("&Browser"));
  mnuForum = item(mnuBrowser, QStringLiteral("&Forum"), [this] { mnuForum_Click(); });
  mnuMessage = item(mnuBrowser, QStringLiteral("&Messaggeria"), [this] { mnuMessage_Click(); });
  mnuEmail = item(mnuBrowser, QStringLiteral("&Email"), [this] { mnuEmail_Click(); });
  mnuForum->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F9));
  mnuMessage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F10));
  mnuEmail->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F11));
  for (QAction* a : {mnuForum, mnuMessage, mnuEmail})
    a->setCheckable(true);
  mnuForum->setChecked(true);

  mnuFinestre = menuBar()->addMenu(QStringLiteral("&Finestre"));
  const QString winCaptions[3] = {QStringLiteral("&Indice"), QStringLiteral("&Preferiti"),
                                  QStringLiteral("&Altre")};
  const int winKeys[3] = {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4};
  for (int i = 0; i < 3; ++i) {
    mnuWindow[i] = item(mnuFinestre, winCaptions[i], [this, i] { OpenPanel(i); });
    mnuWindow[i]->setShortcut(QKeySequence(winKeys[i]));
  }

  mnuModuli = menuBar()->addMenu(QStringLiteral("&Moduli"));
  mnuEmoTray = item(mnuModuli, QStringLiteral("&EmoTray"), [this] { OpenPanel(3); });
  mnuComposer = item(mnuModuli, QStringLiteral("&Composer"), [this] { OpenPanel(4); });
  mnuMultimedia = item(mnuModuli, QStringLiteral("&Multimedia"), [this] { OpenPanel(5); });
  mnuEmoTray->setShortcut(QKeySequence(Qt::Key_F6));
  mnuComposer->setShortcut(QKeySequence(Qt::Key_F7));
  mnuMultimedia->setShortcut(QKeySequence(Qt::Key_F8));
  for (QAction* a : {mnuWindow[0], mnuWindow[1], mnuWindow[2], mnuEmoTray, mnuComposer, mnuMultimedia})
    a->setCheckable(true);

  mnuStrumenti = menuBar()->addMenu(QStringLiteral("&Strumenti"));
  mnuAlert = item(mnuStrumenti, QStringLiteral("&Allarme Boss"), [this] { alarm->raiseAlarm(); });
  mnuAlert->setShortcut(QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F12));
  mnuStrumenti->addSeparator();
  mnuPassword = item(mnuStrumenti, QStringLiteral("&Password"), [this] { alarm->mnuPassword_Click(); });
  mnuPassword->setCheckable(true);

  mnuHelp = menuBar()->addMenu(QStringLiteral("&?"));
  mnuAiuto = item(mnuHelp, QStringLiteral("&Aiuto"), [this] { mnuAiuto_Click(); });
  mnuAiuto->setShortcut(QKeySequence(Qt::Key_F1));
  mnuHelp->addSeparator();
  mnuInfo = item(mnuHelp, QStringLiteral("&Informazioni su..."), [this] { mnuInfo_Click(); });

  // Pop-up menu of the list builder; never in the menu bar.
  mnuEdit = new QMenu(QStringLiteral("Edit"), this);
  mnuDelete = mnuEdit->addAction(QStringLiteral("Elimina Voce"));
  mnuEdit->addSeparator();
  mnuUp = mnuEdit->addAction(QStringLiteral("Sposta Su"));
  mnuDown = mnuEdit->addAction(QStringLiteral("Sposta Giù"));

  // Shortcuts work while the menu bar is closed and a pane has the focus.
  for (QAction* a : findChildren<QAction*>())
    if (!a->shortcut().isEmpty())
      a->setShortcutContext(Qt::WindowShortcut);
  // The alarm also works from a page shown full screen, a window of its own.
  mnuAlert->setShortcutContext(Qt::ApplicationShortcut);
}

void frmNRV_SLV3::buildPageKeys() {
  fraFind = new FindBar(canvas_);
  permissions = new PanePermissions(platform_, this);
  connect(permissions, &PanePermissions::answered, this, &frmNRV_SLV3::askPermissions);
  for (BrowserPane* p : {WBMain.get(), WBMess.get(), WBMail.get()})
    connect(p, &BrowserPane::permissionRequested, this,
            [this, p](const QString& site, PanePermission what) {
              permissions->request(p, site, what);
              askPermissions();
            });
  connect(&platform_.gate(), &SurfaceGate::disguiseChanged, this, [this](bool on) {
    if (!on)
      askPermissions();
  });

  // The page keys a browser gives; they act on the pane in front.
  const std::pair<QList<QKeySequence>, std::function<void()>> keys[] = {
      {{QKeySequence(Qt::CTRL | Qt::Key_F)}, [this] { FindInPage(); }},
      {{QKeySequence(Qt::CTRL | Qt::Key_P)}, [this] { PrintPage(); }},
      {{QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
       [this] { ZoomPage(1); }},
      {{QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { ZoomPage(-1); }},
      {{QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { ZoomPage(0); }},
  };
  for (const auto& [sequences, handler] : keys)
    for (const QKeySequence& k : sequences) {
      auto* sc = new QShortcut(k, this);
      sc->setContext(Qt::WindowShortcut);
      connect(sc, &QShortcut::activated, this, handler);
    }
}

void frmNRV_SLV3::connectPanels() {
  // A forum chosen in the index with the toggle armed joins the favourites.
  connect(fraForum, &ForumPanel::favouriteChosen, fraPreferiti, &FavouritesPanel::addFavourite);
  // The list builder's pop-up menu is the window's.
  connect(fraComposer, &ComposerPanel::listMenuRequested, this, [this](bool up, bool down) {
    mnuUp->setEnabled(up);
    mnuDown->setEnabled(down);
    mnuEdit->popup(QCursor::pos());
  });
  connect(mnuDelete, &QAction::triggered, fraComposer, &ComposerPanel::mnuDelete_Click);
  connect(mnuUp, &QAction::triggered, fraComposer, &ComposerPanel::mnuUp_Click);
  connect(mnuDown, &QAction::triggered, fraComposer, &ComposerPanel::mnuDown_Click);
}

// ---------------------------------------------------------------- start-up

void frmNRV_SLV3::Form_Load() {
  fraPreferiti->lstPreferiti->addItems(
      slv::forums::readListFile(platform_.dataFilePath("Favourite.svl")));
  fraForum->lstForum->addItems(slv::forums::readListFile(platform_.dataFilePath("Allforums.svl")));

  coverScreen();

  startPanes();
  CurrentBrowser = WBMain.get();
  Form_Paint();

  composerVars.TextSize = 12;
  composerVars.TextColor = QStringLiteral("Default");
  composerVars.TextBold = composerVars.TextItalic = composerVars.TextUnderline = false;

  tmrBusy->start();
  tmrPeek->start();
  tmrProtection->start();
  fraRadio->startTimers();
}

void frmNRV_SLV3::startPanes() {
  if (panesStarted_)
    return;
  panesStarted_ = true;
  // At the window's final size, so that the pages are laid out once.
  coverScreen();
  Form_Paint();
  // The home pages, or the pages of last time when the member asked for them.
  const std::string portal = slv::config::portalHost();
  const std::string homes[3] = {slv::config::httpAddress(portal, "/forum/index.php"),
                                slv::config::httpAddress(portal, "/msg/"),
                                slv::config::httpAddress(slv::config::mailHost(), "/")};
  for (int k = 0; k < 3; ++k)
    pane(k)->navigate(kept->startAddress(k, QString::fromStdString(homes[k])));
}

void frmNRV_SLV3::stopTimers() {
  for (QTimer* t : findChildren<QTimer*>())
    t->stop();
}

// ---------------------------------------------------------------- panels

QFrame* frmNRV_SLV3::panelFrame(int n) const {
  switch (n) {
  case 0: return fraForum;
  case 1: return fraPreferiti;
  case 2: return fraAltre;
  case 3: return fraEmoTray;
  case 4: return fraComposer;
  case 5: return fraRadio;
  default: return nullptr;
  }
}

bool frmNRV_SLV3::isPanelOpen(int n) const {
  switch (n) {
  case 0:
  case 1:
  case 2: return mnuWindow[static_cast<std::size_t>(n)]->isChecked();
  case 3: return mnuEmoTray->isChecked();
  case 4: return mnuComposer->isChecked();
  case 5: return mnuMultimedia->isChecked();
  default: return false;
  }
}

void frmNRV_SLV3::HidePanels() {
  for (QFrame* f : {static_cast<QFrame*>(fraAltre), static_cast<QFrame*>(fraEmoTray),
                    static_cast<QFrame*>(fraComposer), static_cast<QFrame*>(fraForum),
                    static_cast<QFrame*>(fraPreferiti)})
    f->hide();
  if (fraRadio->isVisibleTo(this) && !fraRadio->chkMusic->isChecked())
    WMP->stop();
  fraRadio->hide();
}

void frmNRV_SLV3::MarkPanelMenu(int n) {
  for (QAction* a : {mnuWindow[0], mnuWindow[1], mnuWindow[2], mnuEmoTray, mnuComposer, mnuMultimedia})
    a->setChecked(false);
  switch (n) {
  case 0:
  case 1:
  case 2: mnuWindow[n]->setChecked(true); break;
  case 3: mnuEmoTray->setChecked(true); break;
  case 4: mnuComposer->setChecked(true); break;
  case 5: mnuMultimedia->setChecked(true); break;
  default: break;
  }
}

void frmNRV_SLV3::OpenPanel(int n) {
  QFrame* f = panelFrame(n);
  if (f == nullptr)
    return;
  HidePanels();
  f->show();
  f->raise();
  MarkPanelMenu(n);
  PanelOpen = 1;
  Form_Paint();
}

void frmNRV_SLV3::ClosePanel() {
  HidePanels();
  MarkPanelMenu(-1);
  PanelOpen = 0;
  Form_Paint();
}

void frmNRV_SLV3::cmdClose_Click(int) { ClosePanel(); }

void frmNRV_SLV3::Form_KeyDown(int KeyCode, int) {
  // Escape in the find bar closes the bar; anywhere else, the open panel.
  if (KeyCode == 27 && fraFind->hasFocusInside()) {
    fraFind->closeBar();
    return;
  }
  if (KeyCode == 27 && PanelOpen != 0)
    ClosePanel();
}

void frmNRV_SLV3::Form_Paint() {
  const auto l = slv::paneLayout(slv::pixelsToTwips(width()), slv::pixelsToTwips(height()), PanelOpen);
  if (!l.ok) {
    if (layoutFailing_)
      return;
    layoutFailing_ = true;
    platform_.msgBox(QStringLiteral("Impossibile Visualizzare la Finestra o il Modulo richiesto. "
                                    "L'interfaccia è stata ridotta eccessivamente"),
                     vbCritical, kProgramTitle);
    platform_.msgBox(QStringLiteral("L'interfaccia verrà ora ripristinata per consentire la "
                                    "visualizzazione della Finestra/Modulo richiesto"),
                     vbInformation, kProgramTitle);
    const QSize screen = platform_.screenSize();
    resize(width(), screen.height());
    coverScreen();
    layoutFailing_ = false;
    Form_Paint();
    return;
  }
  for (BrowserPane* p : {WBMain.get(), WBMail.get(), WBMess.get()}) {
    QWidget* w = p->widget();
    w->setGeometry(ui::px(l.left), w->y(), ui::px(l.width), ui::px(l.height));
  }
  placeFindBar();
}

void frmNRV_SLV3::placeFindBar() {
  // In the top right corner of the pane in front.
  const QRect g = CurrentBrowser->widget()->geometry();
  fraFind->adjustSize();
  fraFind->move(qMax(g.left(), g.right() - fraFind->width() - 20), g.top());
}

void frmNRV_SLV3::Form_Resize() {
  resizeQueued_ = false;
  if (!isMinimized() && app_.AlarmActive) {
    if (!alarm->restoreProcedure())
      return;
  }
  Form_Paint();
  askPermissions();
}

QPixmap frmNRV_SLV3::ownIcon() const { return imgSLVico->pixmap(); }
QPixmap frmNRV_SLV3::disguiseIcon() const { return imgXLSico->pixmap(); }

void frmNRV_SLV3::quietDown() {
  // A video full screen would stay over the disguise.
  for (BrowserPane* p : {WBMain.get(), WBMess.get(), WBMail.get()})
    p->leaveFullScreen();
  WMP->stop();
}

void frmNRV_SLV3::bringToFront() {
  // Leaving the task bar is a state change: Form_Resize runs the restore
  // procedure (question or password) before the disguise comes off.
  if (isMinimized())
    showNormal();
  raise();
  activateWindow();
}

void frmNRV_SLV3::coverScreen() {
  const QSize screen = platform_.screenSize();
  const QRect outer = frameGeometry(), inner = geometry();
  const int frameW = outer.width() - inner.width(), frameH = outer.height() - inner.height();
  resize(screen.width() - frameW, screen.height() - frameH);
  move(0, 0); // places the frame's corner
}

void frmNRV_SLV3::moveEvent(QMoveEvent* e) {
  QMainWindow::moveEvent(e);
  // A window manager's frame is known only once it has framed the shown
  // window: then the window is fitted again, once.
  if (!frameFitted_ && isVisible() && frameGeometry() != geometry()) {
    frameFitted_ = true;
    if (!isMinimized() && !isMaximized())
      coverScreen();
  }
}

void frmNRV_SLV3::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  // Run after the event: the handler may show message boxes.
  if (!resizeQueued_) {
    resizeQueued_ = true;
    QMetaObject::invokeMethod(this, &frmNRV_SLV3::Form_Resize, Qt::QueuedConnection);
  }
}

void frmNRV_SLV3::changeEvent(QEvent* e) {
  QMainWindow::changeEvent(e);
  // Restoring from the task bar arrives as a state change, not always a resize.
  if (e->type() == QEvent::WindowStateChange && !resizeQueued_) {
    resizeQueued_ = true;
    QMetaObject::invokeMethod(this, &frmNRV_SLV3::Form_Resize, Qt::QueuedConnection);
  }
}

// ---------------------------------------------------------------- panes

BrowserPane* frmNRV_SLV3::pane(int k) const {
  switch (k) {
  case 0: return WBMain.get();
  case 1: return WBMess.get();
  case 2: return WBMail.get();
  default: return nullptr;
  }
}

void frmNRV_SLV3::pboWins_Click(int Index) {
  if (Index < 0 || Index > 2)
    return;
  for (PictureBox* t : pboWins)
    t->setBorderStyle(0);
  pboWins[Index]->setBorderStyle(1);
  mnuForum->setChecked(Index == 0);
  mnuMessage->setChecked(Index == 1);
  mnuEmail->setChecked(Index == 2);
  if (pane(Index) != CurrentBrowser)
    fraFind->closeBar();
  CurrentBrowser = pane(Index);
  WBMess->widget()->setVisible(Index == 1);
  WBMail->widget()->setVisible(Index == 2);
  WBMain->widget()->setVisible(Index == 0);
  platform_.gate().setFront(CurrentBrowser->widget());
  askPermissions();
}

void frmNRV_SLV3::pboNavy_Click(int Index) {
  // Errors are ignored: back with no history simply does nothing.
  switch (Index) {
  case 0: CurrentBrowser->goBack(); break;
  case 1: CurrentBrowser->goForward(); break;
  case 2: CurrentBrowser->stop(); break;
  case 3: CurrentBrowser->refresh(); break;
  default: break;
  }
}

void frmNRV_SLV3::pboNavy_MouseDown(int Index) { pboNavy[Index]->setBorderStyle(1); }
void frmNRV_SLV3::pboNavy_MouseUp(int Index) { pboNavy[Index]->setBorderStyle(0); }

void frmNRV_SLV3::mnuAiuto_Click() {
  frmHelp help(platform_, this);
  platform_.showModal(help);
}

void frmNRV_SLV3::FindInPage() {
  placeFindBar();
  fraFind->openOn(CurrentBrowser);
}

void frmNRV_SLV3::PrintPage() {
  CurrentBrowser->print();
}

void frmNRV_SLV3::ZoomPage(int direction) {
  CurrentBrowser->setZoomFactor(slv::zoomStep(CurrentBrowser->zoomFactor(), direction));
}

void frmNRV_SLV3::mnuInfo_Click() {
  frmAbout about(platform_, this);
  platform_.showModal(about);
}

// ---------------------------------------------------------------- activity monitor

void frmNRV_SLV3::tmrBusy_Timer() {
  fraRadio->MusicPositionTickRead();
  fraBusy->setVisible(CurrentBrowser->busy());
  const QString location = CurrentBrowser->locationURL();
  if (txtAddressBar->text() != location)
    txtAddressBar->setText(location);
  fraRadio->MusicPositionTickApply();
}

void frmNRV_SLV3::askPermissions() {
  // Asked once the event that made it possible is over: a site's question
  // waits for its pane in front and never shows over the disguise.
  QMetaObject::invokeMethod(
      this,
      [this] {
        permissions->askWaiting(CurrentBrowser, !app_.AlarmActive && !platform_.gate().disguised() &&
                                                    isVisible() && !isMinimized());
      },
      Qt::QueuedConnection);
}

void frmNRV_SLV3::tmrPeek_Timer() {
  lblPk[PeekStep]->show();
  const auto adv = slv::peekAdvance(PeekStep);
  PeekStep = adv.next;
  if (adv.wrapped)
    for (QLabel* l : lblPk)
      l->hide();
}

// ---------------------------------------------------------------- shutdown

void frmNRV_SLV3::mnuEsci_Click() { close(); }

bool frmNRV_SLV3::Form_QueryUnload() {
  if (app_.AlarmActive) {
    // The member closed the disguised window: this notice is the disguise's own.
    SurfaceGate::Passage pass(platform_.gate());
    platform_.msgBox(QStringLiteral("E' Stata invocata la chiusura dell'applicazione. Il Programma si "
                                    "sproteggerà automaticamente"),
                     vbInformation, kProgramTitle);
    return false;
  }
  if (!app_.ForceClose) {
    const int answer = platform_.msgBox(QStringLiteral("Chiudere il SOLVARINO 3_w ?"),
                                        vbYesNo + vbInformation, QStringLiteral("FINE SESSIONE"));
    return answer == vbNo;
  }
  return false;
}

void frmNRV_SLV3::closeEvent(QCloseEvent* e) {
  if (!closeDecided_ && Form_QueryUnload()) {
    e->ignore();
    return;
  }
  kept->saveAtClose();
  stopTimers();
  WMP->stop();
  // What waits for an answer gets its default: the program is ending.
  platform_.gate().dropAll();
  e->accept();
}

bool frmNRV_SLV3::sessionEnding() {
  if (Form_QueryUnload())
    return true;
  closeDecided_ = true;  // already asked: the close must not ask again
  close();
  return false;
}

void frmNRV_SLV3::tmrProtection_Timer() {
  if (app_.ForceClose) {
    tmrProtection->stop();
    close();
  }
}

void frmNRV_SLV3::buildPanesForTheWeb() {
  mnuBrowser->addSeparator();
  mnuLetturaScura = mnuBrowser->addAction(QStringLiteral("&Lettura scura"));
  mnuLetturaScura->setCheckable(true);
  connect(mnuLetturaScura, &QAction::triggered, this, &frmNRV_SLV3::mnuLetturaScura_Click);
  const std::vector<std::string> own = slv::config::ownSites();
  const QString css = PageStyles::readMemberCss(platform_.dataFilePath("Pagine.css"));
  for (BrowserPane* p : {WBMain.get(), WBMess.get(), WBMail.get()}) {
    p->sendOtherSitesOut(own);
    p->setMemberStyle(css);
  }
}

void frmNRV_SLV3::mnuLetturaScura_Click() {
  for (BrowserPane* p : {WBMain.get(), WBMess.get(), WBMail.get()})
    p->setDarkReading(mnuLetturaScura->isChecked());
}

void frmNRV_SLV3::buildDesktopPresence() {
  // The alarm's key from anywhere on the desktop. Where it cannot be had, the
  // Strumenti menu says so and the window's own key still works.
  desktopKey = new DesktopKey(this);
  mnuDesktopKeyTaken = new QAction(
      QStringLiteral("Maiusc+Ctrl+F12 fuori dal programma: già usato da un altro programma"), this);
  mnuDesktopKeyTaken->setEnabled(false);
  mnuDesktopKeyTaken->setVisible(false);
  // Right below the alarm's item, before its separator.
  const QList<QAction*> tools = mnuStrumenti->actions();
  mnuStrumenti->insertAction(tools.value(tools.indexOf(mnuAlert) + 1), mnuDesktopKeyTaken);
  connect(desktopKey, &DesktopKey::stateChanged, this, [this](DesktopKey::State s) {
    // Without the portal, the grab is a partial key: the note stays.
    mnuDesktopKeyTaken->setVisible(s == DesktopKey::State::Taken || portalDeclined_);
  });
  // Raised once the X event is handled: from inside it, the window's state
  // is read back as normal before the window manager has minimised it, and
  // the restore question comes at once.
  connect(desktopKey, &DesktopKey::pressed, alarm, &BossAlarm::raiseAlarm, Qt::QueuedConnection);
  // While disguised the key is the desktop's again: no second alarm, no
  // restore from it.
  connect(alarm, &BossAlarm::disguised, desktopKey, [this](bool on) {
    if (!keyOnPortal_)
      desktopKey->hold(!on);
  });
#if defined(SLV_DBUS)
  // On Wayland the desktop gives the key (the alarm ignores it while
  // disguised); the grab is the fallback, good among X11 windows only.
  if (ShortcutPortal::waylandSession()) {
    keyOnPortal_ = true;
    auto* portal = new ShortcutPortal(this);
    connect(portal, &ShortcutPortal::pressed, alarm, &BossAlarm::raiseAlarm);
    connect(portal, &ShortcutPortal::unavailable, this, [this] {
      if (portalDeclined_)
        return; // said once
      keyOnPortal_ = false;
      portalDeclined_ = true;
      std::fprintf(stderr, "solvarino: il desktop non offre le scorciatoie globali: "
                           "Maiusc+Ctrl+F12 vale solo nelle finestre X11\n");
      mnuDesktopKeyTaken->setText(
          QStringLiteral("Maiusc+Ctrl+F12 fuori dal programma: il desktop non lo consente"));
      mnuDesktopKeyTaken->setVisible(true);
      desktopKey->hold(!app_.AlarmActive);
    });
    portal->start();
  } else
#endif
    desktopKey->hold(true);

  tray = new TrayIcon(ui::appIcon(), this);
  mnuTray = mnuBrowser->addAction(QStringLiteral("&Icona nell'area di notifica"));
  mnuTray->setCheckable(true);
  mnuTray->setChecked(TrayIcon::hostPresent());
  connect(mnuTray, &QAction::triggered, this, &frmNRV_SLV3::updateTray);
  connect(tray, &TrayIcon::showRequested, this, &frmNRV_SLV3::bringToFront);
  connect(tray, &TrayIcon::alarmRequested, alarm, &BossAlarm::raiseAlarm);
  connect(tray, &TrayIcon::quitRequested, this, &frmNRV_SLV3::mnuEsci_Click);
  connect(tray, &TrayIcon::hostAppeared, this, &frmNRV_SLV3::updateTray);
  connect(alarm, &BossAlarm::disguised, this, &frmNRV_SLV3::updateTray);
  updateTray();
}

void frmNRV_SLV3::updateTray() {
  if (tray == nullptr)
    return;
  const int unread = watch->mnuAvvisa->isChecked() ? watch->shown() : 0;
  tray->show(slv::trayView(mnuTray->isChecked(), TrayIcon::hostPresent(),
                           app_.AlarmActive || platform_.gate().disguised(), unread));
}
