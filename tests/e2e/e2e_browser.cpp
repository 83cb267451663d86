// The browser panes as a forum member uses them: staying logged in across
// runs, new windows, the page's own menu, downloads, and pages kept away from
// the user's files and other programs.
#include "e2e/E2E.h"

#include "panes/WebEnginePane.h"
#include "core/beep_sound.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QMenu>
#include <QProcess>
#include <QSoundEffect>
#include <QSslCertificate>
#include <QSslKey>
#include <QTemporaryFile>
#include <QTest>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The real platform with the save-as choice and the message boxes answered
// by the test.
class AnsweringPlatform : public E2EPlatform {
public:
  QString saveFileName(const QString& title, const QString& proposedPath) override {
    proposals << proposedPath;
    return saveAnswer;
  }
  int msgBox(const QString& text, int style, const QString& title) override {
    messages << QStringLiteral("%1|%2|%3").arg(style).arg(title, text);
    return vbOK;
  }
  // The same answers for the choices and boxes answered through a callback.
  void chooseSaveFile(const QString& title, const QString& proposedPath, const QObject*,
                      std::function<void(const QString&)> chosen) override {
    chosen(saveFileName(title, proposedPath));
  }
  void msgBoxThen(const QString& text, int style, const QString& title, SurfaceGate::Way,
                  std::function<void(int)> answered) override {
    const int answer = msgBox(text, style, title);
    if (answered)
      answered(answer);
  }
  QString saveAnswer;
  QStringList proposals, messages;
};

// Stands in for the program the desktop would hand an address to.
class HandOff : public QObject {
  Q_OBJECT
public slots:
  void open(const QUrl& url) { handed << url.toString(); }

public:
  QStringList handed;
};

QVariant runJs(QWebEngineView* view, const QString& code) {
  auto result = std::make_shared<std::pair<bool, QVariant>>();
  view->page()->runJavaScript(code, [result](const QVariant& v) { *result = {true, v}; });
  e2e::waitFor([&] { return result->first; }, 5000);
  return result->second;
}

// The centre of a page element, in the view's coordinates.
QPoint centreOf(QWebEngineView* view, const QString& id) {
  const QVariantList r =
      runJs(view, QStringLiteral("(function(){var b=document.getElementById('%1')"
                                 ".getBoundingClientRect();return [b.left+b.width/2,"
                                 "b.top+b.height/2];})()")
                      .arg(id))
          .toList();
  return r.size() == 2 ? QPoint(r[0].toInt(), r[1].toInt()) : QPoint(-1, -1);
}

// A real click, as the user's hand gives it (scripts cannot fake one).
void click(QWebEngineView* view, const QString& id, Qt::MouseButton button = Qt::LeftButton) {
  QWidget* target = view->focusProxy() ? view->focusProxy() : view;
  QTest::mouseClick(target, button, {}, centreOf(view, id));
}

const char* kTestPage =
    "<p><a id=blank target=_blank href=\"/forum/viewforum.php?f=7\">Apri in una nuova "
    "finestra</a></p>"
    "<p><button id=pop onclick=\"window.open('/forum/viewonline.php')\">Chi c'è</button></p>"
    "<p><a id=file href=\"file:///etc/passwd\">Le password</a></p>"
    "<p><a id=other href=\"slvprova:ciao\">Altro programma</a></p>"
    "<p><a id=att href=\"/prove/allegato\">Verbale dell'assemblea</a></p>"
    "<p><img id=img src=\"/prove/logo.svg\" width=120 height=60></p>";

// A pane of the real platform on a page of the local portal.
class BrowserPanes : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(portal.start());
    portal.handle(QStringLiteral("/prove/pagina"), [](const QHttpServerRequest&) {
      PortalReply r;
      r.body = Portal::page(QStringLiteral("Prove"), QString::fromUtf8(kTestPage));
      return r;
    });
    portal.handle(QStringLiteral("/prove/automatico"), [](const QHttpServerRequest&) {
      PortalReply r;
      r.body = Portal::page(
          QStringLiteral("Automatico"),
          QStringLiteral("<script>setTimeout(function(){location.href='slvprova:auto'},50);"
                         "setTimeout(function(){location.href='file:///etc/hostname'},400);"
                         "</script>"));
      return r;
    });
    portal.handle(QStringLiteral("/prove/allegato"), [](const QHttpServerRequest&) {
      PortalReply r;
      r.mimeType = "text/plain; charset=utf-8";
      r.body = "Verbale: approvato all'unanimità.\n";
      r.headers.append(qMakePair(QByteArray("Content-Disposition"),
                                 QByteArray("attachment; filename=\"verbale.txt\"")));
      return r;
    });
    portal.handle(QStringLiteral("/prove/logo.svg"), [](const QHttpServerRequest&) {
      PortalReply r;
      r.mimeType = "image/svg+xml";
      r.body = "<svg xmlns='http://www.w3.org/2000/svg' width='120' height='60'>"
               "<rect width='120' height='60' fill='#36c'/></svg>";
      return r;
    });
    host.resize(900, 640);
    host.move(0, 0);
    pane = platform.createBrowserPane(&host);
    view = static_cast<WebEnginePane*>(pane.get())->view();
    auto* box = new QVBoxLayout(&host);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(view);
    host.show();
    open(portal.url("/prove/pagina"), "Prove");
  }

  void open(const QString& address, const QString& title) {
    pane->navigate(address);
    ASSERT_TRUE(e2e::waitFor([&] { return view->title() == title && !pane->busy(); }))
        << view->title().toStdString();
    ASSERT_TRUE(e2e::waitFor([&] { return view->focusProxy() != nullptr; }));
  }

  // Waits a while to see that nothing happens.
  void settle(int ms = 1500) { QTest::qWait(ms); }

  Portal portal;
  AnsweringPlatform platform;
  QWidget host;
  std::unique_ptr<BrowserPane> pane;
  QWebEngineView* view = nullptr;
};

} // namespace

TEST_F(BrowserPanes, NewWindowsOpenInTheSamePaneAndOnlyOnAClick) {
  click(view, "blank");
  // The engine may tell the new title before the new address (Qt 6.8 does).
  ASSERT_TRUE(e2e::waitFor([&] { return view->title() == "Forum f=7"; }));
  EXPECT_TRUE(e2e::waitFor(
      [&] { return pane->locationURL() == portal.url("/forum/viewforum.php?f=7"); }, 2000))
      << pane->locationURL().toStdString();
  // The pane keeps its history: back returns to the page with the link.
  EXPECT_TRUE(pane->goBack());
  ASSERT_TRUE(e2e::waitFor([&] { return view->title() == "Prove"; }));

  // A script cannot open a window by itself...
  runJs(view, "window.open('/forum/viewonline.php')");
  settle();
  EXPECT_EQ(view->title(), "Prove");
  EXPECT_FALSE(portal.requests.contains("/forum/viewonline.php"));
  // ...but a button the user clicks can.
  ASSERT_TRUE(e2e::waitFor([&] { return view->focusProxy() != nullptr; }));
  click(view, "pop");
  ASSERT_TRUE(e2e::waitFor([&] { return view->title() == QStringLiteral("Chi c'è in linea"); }));
}

TEST_F(BrowserPanes, PagesCannotLeadToTheUsersFilesNorToOtherProgramsByThemselves) {
  HandOff handOff;
  QDesktopServices::setUrlHandler(QStringLiteral("slvprova"), &handOff, "open");

  // A page that tries on its own, as soon as it is shown.
  open(portal.url("/prove/automatico"), "Automatico");
  settle();
  EXPECT_TRUE(handOff.handed.isEmpty());
  EXPECT_EQ(view->title(), "Automatico");

  open(portal.url("/prove/pagina"), "Prove");
  click(view, "file");
  settle();
  EXPECT_EQ(pane->locationURL(), portal.url("/prove/pagina"));
  EXPECT_EQ(view->title(), "Prove");

  // The user's own click on a link for another program does hand it over.
  click(view, "other");
  EXPECT_TRUE(e2e::waitFor([&] { return !handOff.handed.isEmpty(); }, 5000));
  EXPECT_EQ(handOff.handed, QStringList{"slvprova:ciao"});
  EXPECT_EQ(pane->locationURL(), portal.url("/prove/pagina"));
  QDesktopServices::unsetUrlHandler(QStringLiteral("slvprova"));
}

TEST_F(BrowserPanes, TypedLocalPagesAreShownButReachNoOtherFile) {
  QTemporaryDir dir;
  {
    QFile secret(dir.filePath("segreto.txt"));
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
    secret.write("parola d'ordine");
    QFile page(dir.filePath("locale.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<title>Locale</title><a id=secret href=segreto.txt>segreto</a><script>"
               "var x=new XMLHttpRequest();"
               "x.onload=function(){document.title='letto: '+x.responseText};"
               "x.onerror=function(){document.title='negato'};"
               "try{x.open('GET','segreto.txt');x.send()}catch(e){document.title='negato'}"
               "</script>");
  }
  pane->navigate(QUrl::fromLocalFile(dir.filePath("locale.html")).toString());
  ASSERT_TRUE(e2e::waitFor([&] {
    return view->title() == "negato" || view->title().startsWith("letto");
  })) << view->title().toStdString();
  EXPECT_EQ(view->title(), "negato");
  // Nor does a link of the local page lead the pane to another file.
  const QString local = pane->locationURL();
  click(view, "secret");
  settle();
  EXPECT_EQ(pane->locationURL(), local);
  EXPECT_EQ(view->title(), "negato");
}

TEST_F(BrowserPanes, ADownloadAsksWhereAndSaysWhenDone) {
  QTemporaryDir chosen;
  platform.saveAnswer = chosen.filePath("assemblea.txt");
  click(view, "att");
  ASSERT_TRUE(e2e::waitFor([&] { return !platform.messages.isEmpty(); }));
  ASSERT_EQ(platform.proposals.size(), 1);
  EXPECT_TRUE(platform.proposals[0].endsWith("/verbale.txt"))
      << platform.proposals[0].toStdString();
  QFile f(platform.saveAnswer);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("Verbale: approvato all'unanimità.\n"));
  EXPECT_EQ(platform.messages,
            QStringList{QStringLiteral("64|Norvalis SOLVARINO 3_w|Il file è stato salvato:\n") +
                        platform.saveAnswer});
  EXPECT_EQ(view->title(), "Prove");

  // Giving up the choice saves nothing and says nothing.
  platform.saveAnswer.clear();
  platform.messages.clear();
  click(view, "att");
  ASSERT_TRUE(e2e::waitFor([&] { return platform.proposals.size() == 2; }));
  settle();
  EXPECT_TRUE(platform.messages.isEmpty());
  EXPECT_EQ(QDir(chosen.path()).entryList(QDir::Files), QStringList{"assemblea.txt"});
}

TEST_F(BrowserPanes, RightClickGivesTheBrowsersMenuWithCopyImageAddress) {
  QGuiApplication::clipboard()->clear();
  click(view, "img", Qt::RightButton);
  QMenu* menu = nullptr;
  ASSERT_TRUE(e2e::waitFor(
      [&] {
        menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu != nullptr && menu->isVisible();
      },
      5000));
  QAction* copyAddress = view->pageAction(QWebEnginePage::CopyImageUrlToClipboard);
  ASSERT_TRUE(menu->actions().contains(copyAddress));
  QTest::qWait(300);
  e2e::screenshot(&host, "browser-pane-context-menu");
  copyAddress->trigger();
  menu->close();
  EXPECT_TRUE(e2e::waitFor(
      [&] { return QGuiApplication::clipboard()->text() == portal.url("/prove/logo.svg"); }, 5000))
      << QGuiApplication::clipboard()->text().toStdString();
}

TEST_F(BrowserPanes, AnUntrustedCertificateIsRefusedWithTheBrowsersOwnPage) {
  // A secure site whose certificate nobody vouches for.
  QTemporaryDir dir;
  QProcess openssl;
  openssl.start("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj",
                            "/CN=127.0.0.1", "-keyout", dir.filePath("key.pem"), "-out",
                            dir.filePath("cert.pem")});
  if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0)
    GTEST_SKIP() << "openssl is needed to make a certificate";
  QFile certFile(dir.filePath("cert.pem")), keyFile(dir.filePath("key.pem"));
  ASSERT_TRUE(certFile.open(QIODevice::ReadOnly) && keyFile.open(QIODevice::ReadOnly));
  Portal secure;
  int served = 0;
  secure.handle("/", [&served](const QHttpServerRequest&) {
    ++served;
    PortalReply r;
    r.body = "<title>Sito sicuro</title>dentro";
    return r;
  });
  ASSERT_TRUE(secure.start(0, QSslCertificate(&certFile), QSslKey(&keyFile, QSsl::Rsa)));
  const quint16 port = secure.port();

  const QString address = QStringLiteral("https://127.0.0.1:%1/").arg(port);
  pane->navigate(address);
  ASSERT_TRUE(e2e::waitFor([&] { return !pane->busy() && view->url().toString() == address; }));
  settle();
  EXPECT_EQ(served, 0);
  EXPECT_NE(view->title(), "Sito sicuro");
  e2e::screenshot(&host, "browser-pane-untrusted-certificate");
}

// ------------------------------------------------------------ across runs

namespace {

// Runs one of the DISABLED_ steps below in a second process of this test
// program, on the browser profile kept under home, while this process keeps
// the portal answering.
bool runStep(const QString& step, const QString& home, QString* output) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("SLV_E2E_HOME"), home);
  p.setProcessEnvironment(env);
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(QCoreApplication::applicationFilePath(),
          {QStringLiteral("--gtest_also_run_disabled_tests"), "--gtest_filter=ProgramRun." + step});
  const bool ended = e2e::waitFor([&] { return p.state() == QProcess::NotRunning; }, 90000);
  if (!ended) {
    p.kill();
    p.waitForFinished();
  }
  *output = QString::fromUtf8(p.readAll());
  return ended && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Starts the program on the portal the parent process named.
frmNRV_SLV3* startOnPortal(E2EPlatform& platform, NRV_SLV3& state,
                           std::unique_ptr<frmNRV_SLV3>& win, QTemporaryDir& folder) {
  platform.folder = folder.path();
  return e2e::startProgram(platform, state, win);
}

QWebEngineView* viewOf(const std::unique_ptr<BrowserPane>& pane) {
  return static_cast<WebEnginePane*>(pane.get())->view();
}

} // namespace

TEST(ProgramRun, DISABLED_LogIn) {
  QTemporaryDir folder;
  E2EPlatform platform;
  NRV_SLV3 state;
  std::unique_ptr<frmNRV_SLV3> win;
  frmNRV_SLV3* w = startOnPortal(platform, state, win, folder);
  ASSERT_NE(w, nullptr);
  QWebEngineView* forum = viewOf(w->WBMain);
  ASSERT_TRUE(e2e::waitFor([&] { return forum->title() == "Indice del forum"; }));
  w->WBMain->navigate("http://" + qEnvironmentVariable("SLV_PORTAL_HOST") + "/login.php");
  ASSERT_TRUE(e2e::waitFor([&] { return forum->title() == "Login" && !w->WBMain->busy(); }));
  runJs(forum, "document.getElementsByName('u')[0].value='mario.rossi';"
               "document.getElementsByName('p')[0].value='segreta';document.forms[0].submit();");
  ASSERT_TRUE(e2e::waitFor([&] { return forum->title() == "Benvenuto"; }));
  state.ForceClose = true; // close without the question
  w->close();
  win.reset();
}

TEST(ProgramRun, DISABLED_StartAgain) {
  QTemporaryDir folder;
  E2EPlatform platform;
  NRV_SLV3 state;
  std::unique_ptr<frmNRV_SLV3> win;
  frmNRV_SLV3* w = startOnPortal(platform, state, win, folder);
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(e2e::waitFor([&] {
    return viewOf(w->WBMain)->title() == "Indice del forum" &&
           viewOf(w->WBMess)->title() == "Messaggi privati" &&
           viewOf(w->WBMail)->title() == "Posta web";
  }));
  e2e::screenshot(w, "browser-started-again");
  state.ForceClose = true;
  w->close();
  win.reset();
}

TEST(ProgramRun, StaysLoggedInAfterARestartInAllThreePanes) {
  Portal portal;
  ASSERT_TRUE(portal.start());
  e2e::usePortal(portal);
  // What each pane's start page is sent, run by run.
  QHash<QString, QByteArray> cookies;
  const auto recordCookie = [&cookies](const QString& path, const QString& title) {
    return [&cookies, path, title](const QHttpServerRequest& req) {
      const QByteArray sent = req.value("Cookie");
      if (!sent.isEmpty())
        cookies[path] = sent;
      PortalReply r;
      r.body =
          Portal::page(title, sent.isEmpty() ? QStringLiteral("<p>Ospite.</p>")
                                             : "<p>Connesso: " + QString::fromUtf8(sent) + "</p>");
      return r;
    };
  };
  portal.handle("/forum/index.php", recordCookie("/forum/index.php", "Indice del forum"));
  portal.handle("/msg/", recordCookie("/msg/", "Messaggi privati"));
  portal.handle("/", recordCookie("/", "Posta web"));

  QTemporaryDir home;
  QString out;
  ASSERT_TRUE(runStep("DISABLED_LogIn", home.path(), &out)) << out.toStdString();
  EXPECT_TRUE(cookies.isEmpty()) << "a cookie before the log-in";
  // The profile lives in the standard application-data folder.
  EXPECT_TRUE(QDir(home.path() + "/data/SOLVARINO3w/QtWebEngine/SOLVARINO3w").exists());

  ASSERT_TRUE(runStep("DISABLED_StartAgain", home.path(), &out)) << out.toStdString();
  EXPECT_EQ(cookies.value("/forum/index.php"), "slv_utente=mario.rossi");
  EXPECT_EQ(cookies.value("/msg/"), "slv_utente=mario.rossi");
  EXPECT_EQ(cookies.value("/"), "slv_utente=mario.rossi");
}

// The beep's own tone is a sound the desktop's audio system reads.
TEST(Beep, TheToneIsASoundThePlayerLoads) {
  QTemporaryFile file(QDir::tempPath() + "/slv-tone-XXXXXX.wav");
  ASSERT_TRUE(file.open());
  const std::string wave = slv::toneWave();
  file.write(wave.data(), static_cast<qint64>(wave.size()));
  file.flush();
  QSoundEffect effect;
  effect.setSource(QUrl::fromLocalFile(file.fileName()));
  ASSERT_TRUE(e2e::waitFor(
      [&] {
        return effect.status() == QSoundEffect::Ready || effect.status() == QSoundEffect::Error;
      },
      5000));
  EXPECT_EQ(effect.status(), QSoundEffect::Ready);
  // With or without an audio output, a beep never fails.
  E2EPlatform platform;
  platform.beep();
  platform.beep();
}

#include "e2e_browser.moc"
