// The panes' everyday tools in the real program: find, zoom, a crashed page,
// spelling, sign-in, PDF copies, site permissions, full screen and a page's box
// that holds only its own page.
#include "e2e/E2E.h"

#include "browse/FindBar.h"
#include "panes/LoginDialog.h"
#include "panes/WebEnginePane.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineView>
#include <QWheelEvent>
#include <csignal>
#include <gtest/gtest.h>

namespace {

WebEnginePane* paneOf(BrowserPane* p) {
  return static_cast<WebEnginePane*>(p);
}

QVariant runJs(QWebEngineView* view, const QString& code) {
  auto result = std::make_shared<std::pair<bool, QVariant>>();
  view->page()->runJavaScript(code, [result](const QVariant& v) { *result = {true, v}; });
  e2e::waitFor([&] { return result->first; }, 5000);
  return result->second;
}

// A point inside a page element, in the view's coordinates.
QPoint pointIn(QWebEngineView* view, const QString& id, int dx = -1, int dy = -1) {
  const QVariantList r =
      runJs(view,
            QStringLiteral("(function(){var b=document.getElementById('%1')"
                           ".getBoundingClientRect();return [b.left,b.top,b.width,b.height];})()")
                .arg(id))
          .toList();
  if (r.size() != 4)
    return {-1, -1};
  return {r[0].toInt() + (dx < 0 ? r[2].toInt() / 2 : dx),
          r[1].toInt() + (dy < 0 ? r[3].toInt() / 2 : dy)};
}

void click(QWebEngineView* view, const QPoint& at, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(view->focusProxy(), button, {}, at);
}

struct Panes : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(run.serve());
    w = run.start();
    ASSERT_NE(w, nullptr);
    main = paneOf(w->WBMain.get())->view();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  }
  void open(BrowserPane* pane, const QString& path, const QString& title) {
    pane->navigate(run.portal.url(path));
    QWebEngineView* v = paneOf(pane)->view();
    ASSERT_TRUE(e2e::waitFor([&] { return v->title() == title && !pane->busy(); }))
        << v->title().toStdString();
    ASSERT_TRUE(e2e::waitFor([&] { return v->focusProxy() != nullptr; }));
  }

  e2e::Run run;
  frmNRV_SLV3* w = nullptr;
  QWebEngineView* main = nullptr;
};

} // namespace

TEST_F(Panes, FindZoomAndACrashedPageBroughtBack) {
  open(w->WBMain.get(), "/prove/lungo.html", "Discussione lunga");
  QLabel* matches = w->fraFind->lblMatches;
  QTest::keyClick(w, Qt::Key_F, Qt::ControlModifier);
  ASSERT_TRUE(w->fraFind->isVisible());
  QTest::keyClicks(w->fraFind->txtFind, "ravanello");
  ASSERT_TRUE(e2e::waitFor([&] { return matches->text() == "1 di 24"; }))
      << matches->text().toStdString();
  QTest::keyClick(w->fraFind->txtFind, Qt::Key_Return);
  ASSERT_TRUE(e2e::waitFor([&] { return matches->text() == "2 di 24"; }))
      << matches->text().toStdString();
  QTest::keyClick(w->fraFind->txtFind, Qt::Key_Return, Qt::ShiftModifier);
  ASSERT_TRUE(e2e::waitFor([&] { return matches->text() == "1 di 24"; }))
      << matches->text().toStdString();
  QTest::qWait(300);
  e2e::screenshot(w, "pane-find-bar");
  w->fraFind->txtFind->setText(QString(3000, QLatin1Char('x')));
  ASSERT_TRUE(e2e::waitFor([&] { return matches->text() == "Nessuna corrispondenza"; }));
  // Blanks alone, after a search that found something: nothing, and it stays so.
  w->fraFind->txtFind->setText("ravanello");
  ASSERT_TRUE(e2e::waitFor([&] { return matches->text() == "1 di 24"; }))
      << matches->text().toStdString();
  w->fraFind->txtFind->setText("   ");
  EXPECT_EQ(matches->text(), "Nessuna corrispondenza");
  QTest::qWait(500);
  EXPECT_EQ(matches->text(), "Nessuna corrispondenza");
  QTest::keyClick(w->fraFind->txtFind, Qt::Key_Escape);
  EXPECT_FALSE(w->fraFind->isVisible());

  // Ctrl+wheel over the page zooms the pane.
  QWidget* surface = main->focusProxy();
  const QPointF at(200, 200);
  QWheelEvent wheel(at, surface->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(surface, &wheel);
  EXPECT_DOUBLE_EQ(main->zoomFactor(), 1.1);
  QTest::keyClick(w, Qt::Key_0, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(main->zoomFactor(), 1.0);

  // The renderer killed: the notice, no busy indicator, no reload by itself.
  const QString address = run.portal.url("/prove/lungo.html");
  const auto loads = run.portal.requests.count("/prove/lungo.html");
  ASSERT_EQ(::kill(static_cast<pid_t>(main->page()->renderProcessPid()), SIGKILL), 0);
  ASSERT_TRUE(e2e::waitFor([&] { return main->title() == "Pagina interrotta"; }));
  QTest::qWait(1000);
  EXPECT_EQ(w->WBMain->locationURL(), address);
  EXPECT_FALSE(w->fraBusy->isVisible());
  EXPECT_EQ(run.portal.requests.count("/prove/lungo.html"), loads);
  e2e::screenshot(w, "pane-crashed-notice");
  w->pboNavy_Click(3);
  ASSERT_TRUE(e2e::waitFor([&] { return main->title() == "Discussione lunga"; }));
  EXPECT_EQ(w->WBMain->locationURL(), address);
}

TEST_F(Panes, ItalianSpellingSuggestionsReplaceTheWord) {
  open(w->WBMain.get(), "/prove/scrivi.html", "Rispondi");
  // The page's menu on the field's word, once it names suggestions (or, for a
  // correct word, once it opened at all); null when it never did.
  QStringList words;
  auto menuOn = [&](const QString& id) -> QMenu* {
    QMenu* menu = nullptr;
    words.clear();
    // Typing a space after the word has it checked at once.
    click(main, pointIn(main, id, 20, 20));
    QTest::keyClick(main->focusProxy(), Qt::Key_End);
    QTest::keyClick(main->focusProxy(), Qt::Key_Space);
    const bool opened = e2e::waitFor(
        [&] {
          QTest::qWait(300);
          click(main, pointIn(main, id, 20, 20), Qt::RightButton);
          if (!e2e::waitFor(
                  [&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); },
                  3000))
            return false;
          words = main->lastContextMenuRequest()->spellCheckerSuggestions();
          if (!words.isEmpty() || id == "giusta")
            return true;
          menu->close();
          menu = nullptr;
          return false;
        },
        10000);
    return opened ? menu : nullptr;
  };
  QMenu* menu = menuOn("sbagliata");
  ASSERT_NE(menu, nullptr) << "no menu with suggestions";
  ASSERT_TRUE(words.contains(QStringLiteral("perché"))) << words.join(',').toStdString();
  EXPECT_EQ(menu->actions().value(0)->text(), words.value(0));
  QTest::qWait(300);
  e2e::screenshot(w, "pane-spelling-suggestions");
  QAction* replace = nullptr;
  for (QAction* a : menu->actions())
    if (a->text() == QStringLiteral("perché"))
      replace = a;
  ASSERT_NE(replace, nullptr);
  replace->trigger();
  menu->close();
  EXPECT_TRUE(e2e::waitFor([&] {
    return runJs(main, "document.getElementById('sbagliata').value").toString() ==
           QStringLiteral("perché ");
  }));

  // A correct word: the field's own menu opens, and it names nothing to replace.
  menu = menuOn("giusta");
  ASSERT_NE(menu, nullptr) << "no menu on the correct word";
  const QWebEngineContextMenuRequest* request = main->lastContextMenuRequest();
  EXPECT_TRUE(request->isContentEditable());
  EXPECT_TRUE(request->misspelledWord().isEmpty()) << request->misspelledWord().toStdString();
  EXPECT_TRUE(words.isEmpty()) << words.join(',').toStdString();
  QStringList items;
  for (QAction* a : menu->actions())
    if (!a->isSeparator())
      items << a->text();
  EXPECT_GE(items.size(), 2) << items.join(',').toStdString();
  EXPECT_EQ(items.value(items.size() - 1), "Salva come PDF...") << items.join(',').toStdString();
  menu->close();
}

TEST_F(Panes, SignInPageDialogsAndPdfCopies) {
  // Cancel shows the server's own page, once; the right user gets in.
  QStringList asked;
  bool letIn = false;
  run.platform.onModal = [&](QDialog& d) {
    auto* login = qobject_cast<LoginDialog*>(&d);
    if (login == nullptr)
      return 0;
    asked << login->lblRequest->text();
    EXPECT_EQ(login->txtPassword->echoMode(), QLineEdit::Password);
    login->txtUser->setText("socio");
    login->txtPassword->setText("segreta");
    return letIn ? 1 : 0;
  };
  open(w->WBMain.get(), "/prove/protetta", "Accesso negato");
  QTest::qWait(500);
  ASSERT_EQ(asked.size(), 1);
  EXPECT_TRUE(asked[0].contains(run.portal.host()) &&
              asked[0].contains(QStringLiteral("«Area soci»")))
      << asked[0].toStdString();
  letIn = true;
  open(w->WBMain.get(), "/prove/protetta?di-nuovo", "Area soci");
  EXPECT_EQ(asked.size(), 2);

  // A page's alert and confirm are the program's own message boxes.
  QStringList said;
  run.platform.onMsgBox = [&](const QString& text, int style) {
    said << QStringLiteral("%1 %2").arg(style).arg(text);
    return vbCancel;
  };
  EXPECT_EQ(runJs(main, "alert('Ciao a tutti'); confirm('Cancello il messaggio?')").toBool(),
            false);
  EXPECT_EQ(said, (QStringList{"48 Ciao a tutti", "33 Cancello il messaggio?"}));

  // The page as PDF where the user chooses; an impossible place gives a message and no file.
  QTemporaryDir dir;
  QString destination = dir.filePath("area.pdf");
  run.platform.onSave = [&](const QString&) { return destination; };
  said.clear();
  paneOf(w->WBMain.get())->savePdf();
  ASSERT_TRUE(e2e::waitFor([&] { return !said.isEmpty(); }));
  EXPECT_TRUE(said[0].startsWith("64 Il file è stato salvato")) << said[0].toStdString();
  QProcess pdftotext;
  pdftotext.start("pdftotext", {destination, "-"});
  ASSERT_TRUE(pdftotext.waitForFinished(10000));
  EXPECT_TRUE(QString::fromUtf8(pdftotext.readAllStandardOutput()).contains("Area soci"));

  destination = dir.filePath("manca/area.pdf");
  said.clear();
  paneOf(w->WBMain.get())->savePdf();
  ASSERT_TRUE(e2e::waitFor([&] { return !said.isEmpty(); }));
  EXPECT_TRUE(said[0].startsWith("48 Impossibile salvare il file")) << said[0].toStdString();
  EXPECT_FALSE(QFile::exists(destination));
}

TEST_F(Panes, APermissionWaitsForItsPaneAndFullScreenComesBack) {
  QStringList said;
  run.platform.onMsgBox = [&](const QString& text, int) {
    said << text;
    return vbYes;
  };
  QWebEngineView* mess = paneOf(w->WBMess.get())->view();
  w->WBMess->navigate(run.portal.url("/prove/notifiche.html"));
  ASSERT_TRUE(e2e::waitFor([&] { return mess->title() == "Notifiche"; }));
  QTest::qWait(800);
  EXPECT_TRUE(said.isEmpty());
  w->pboWins_Click(1);
  ASSERT_TRUE(e2e::waitFor([&] { return mess->title() == "Notifiche: granted"; }))
      << mess->title().toStdString();
  ASSERT_EQ(said.size(), 1);
  EXPECT_TRUE(said[0].contains("notifiche")) << said[0].toStdString();

  w->pboWins_Click(0);
  open(w->WBMain.get(), "/prove/schermo.html", "Video");
  const QRect placed = main->geometry();
  QWebEnginePage* page = main->page();
  click(main, pointIn(main, "pieno"));
  ASSERT_TRUE(e2e::waitFor([&] { return page->title() == "Video: intero"; }))
      << page->title().toStdString();
  QWidget* full = QApplication::activeWindow();
  ASSERT_TRUE(
      e2e::waitFor([&] { return (full = QApplication::activeWindow()) != w && full != nullptr; }));
  EXPECT_TRUE(full->isFullScreen());
  // A page's notification meanwhile: the pane's view makes no page of its own.
  runJs(mess, "new Notification('Avviso').onshow = () => document.title = 'Notifiche: vista'");
  ASSERT_TRUE(e2e::waitFor([&] { return mess->title() == "Notifiche: vista"; }));
  EXPECT_EQ(main->findChildren<QWebEnginePage*>(), QList<QWebEnginePage*>{page});
  QTest::keyClick(full, Qt::Key_Escape);
  ASSERT_TRUE(e2e::waitFor([&] { return page->title() == "Video"; }));
  EXPECT_EQ(main->page(), page);
  EXPECT_EQ(main->geometry(), placed);

  // The boss alarm's key works from the full-screen page and brings it back.
  click(main, pointIn(main, "pieno"));
  ASSERT_TRUE(e2e::waitFor([&] { return page->title() == "Video: intero"; }));
  ASSERT_TRUE(e2e::waitFor([&] { return (full = QApplication::activeWindow()) != w && full != nullptr; }));
  QTest::keyClick(full, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_TRUE(e2e::waitFor([&] { return page->title() == "Video"; }));
  EXPECT_TRUE(run.state.AlarmActive);
  EXPECT_EQ(main->page(), page);
}

TEST_F(Panes, FullScreenAskedAgainWhileTheLastOneIsTornDownShows) {
  open(w->WBMain.get(), "/prove/schermo.html", "Video");
  QWebEnginePage* page = main->page();
  click(main, pointIn(main, "pieno"));
  ASSERT_TRUE(e2e::waitFor([&] { return page->title() == "Video: intero"; }));
  QPointer<QWebEngineView> left;
  ASSERT_TRUE(e2e::waitFor([&] {
    left = QWebEngineView::forPage(page);
    return left != main && left != nullptr && left->isVisible();
  }));
  // The window left behind goes only when the event loop gets back to it;
  // here it is held, as a nested event loop (a dialog) would hold it.
  auto hold = QObject::connect(page, &QWebEnginePage::fullScreenRequested, page,
                               [&](QWebEngineFullScreenRequest request) {
                                 if (!request.toggleOn() && left)
                                   QCoreApplication::removePostedEvents(left,
                                                                        QEvent::DeferredDelete);
                               });
  QTest::keyClick(left, Qt::Key_Escape);
  ASSERT_TRUE(e2e::waitFor([&] { return page->title() == "Video"; }));
  QObject::disconnect(hold);
  ASSERT_FALSE(left.isNull());
  EXPECT_FALSE(left->isVisible());
  EXPECT_EQ(QWebEngineView::forPage(page), main);

  // Asked again meanwhile: accepted, so shown, in a window of its own.
  click(main, pointIn(main, "pieno"));
  ASSERT_TRUE(e2e::waitFor([&] { return page->title() == "Video: intero"; }));
  QWebEngineView* shown = nullptr;
  EXPECT_TRUE(e2e::waitFor([&] {
    shown = QWebEngineView::forPage(page);
    return shown != nullptr && shown != main && shown != left && shown->isVisible() &&
           shown->isFullScreen();
  }, 5000));
  delete left.data();
  // And it comes back as before.
  if (shown != main && QWebEngineView::forPage(page) == shown)
    QTest::keyClick(shown, Qt::Key_Escape);
  else
    page->triggerAction(QWebEnginePage::ExitFullScreen);
  ASSERT_TRUE(e2e::waitFor([&] { return page->title() == "Video"; }));
  EXPECT_EQ(QWebEngineView::forPage(page), main);
}

TEST_F(Panes, APagesBoxHoldsOnlyItsOwnPageAndItsAnswerReachesIt) {
  // The messages pane, behind, asks the portal once a second.
  QWebEngineView* mess = paneOf(w->WBMess.get())->view();
  w->WBMess->navigate(run.portal.url("/prove/ticchettio.html"));
  ASSERT_TRUE(e2e::waitFor([&] { return mess->title() == "Ticchettio"; }));
  open(w->WBMain.get(), "/prove/discussione.html", "Discussione: l'orto sul balcone");
  // Each pane keeps a renderer of its own: a paused page pauses no other.
  EXPECT_NE(main->page()->renderProcessPid(), mess->page()->renderProcessPid());

  runJs(main, "setTimeout(function () {"
              "  document.title = confirm('Rimango <b>qui</b>?') ? 'Rimasto' : 'Andato'; }, 0)");
  QMessageBox* box = nullptr;
  ASSERT_TRUE(e2e::waitFor([&] {
    for (QWidget* t : QApplication::topLevelWidgets())
      if (auto* b = qobject_cast<QMessageBox*>(t); b && b->isVisible())
        box = b;
    return box != nullptr;
  }));
  EXPECT_EQ(box->text(), "Rimango <b>qui</b>?");
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
  EXPECT_EQ(box->windowTitle(), "Messaggio dalla pagina 127.0.0.1");
  e2e::screenshot(box, "domanda-della-pagina");

  const auto ticks = [&] {
    return run.portal.requests.filter(QRegularExpression("^/prove/tic\\?")).size();
  };
  const qsizetype before = ticks();
  QTest::qWait(10000);
  EXPECT_GE(ticks() - before, 8);
  EXPECT_NE(main->title(), "Rimasto"); // the page that asked waits for its answer
  for (QAbstractButton* b : box->buttons())
    if (b->text() == "OK")
      b->click();
  EXPECT_TRUE(e2e::waitFor([&] { return main->title() == "Rimasto"; }));
}
