// The panes and the wider web in the real program: a link to another site
// goes to the desktop's browser (a stand-in for its opener records it), and
// the dark reading style.
#include "e2e/E2E.h"

#include "platform/WebEnginePane.h"

#include <QFile>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

// The centre of a page element, in the view's coordinates.
QPoint centreOf(QWebEngineView* view, const QString& id) {
  auto r = std::make_shared<QVariantList>();
  view->page()->runJavaScript(QStringLiteral("(function(){var b=document.getElementById('%1')"
                                             ".getBoundingClientRect();return [b.left+b.width/2,"
                                             "b.top+b.height/2];})()")
                                  .arg(id),
                              [r](const QVariant& v) { *r = v.toList(); });
  e2e::waitFor([&] { return r->size() == 2; }, 5000);
  return r->size() == 2 ? QPoint(r->at(0).toInt(), r->at(1).toInt()) : QPoint(-1, -1);
}

// The mean brightness (0 to 255) of what the view shows on the screen.
int brightness(QWebEngineView* view) {
  const QPoint at = view->mapToGlobal(QPoint(0, 0));
  const QImage shot =
      view->screen()->grabWindow(0, at.x(), at.y(), view->width(), view->height()).toImage();
  qint64 sum = 0, n = 0;
  for (int y = 0; y < shot.height(); y += 7)
    for (int x = 0; x < shot.width(); x += 7, ++n)
      sum += qGray(shot.pixel(x, y));
  return n > 0 ? static_cast<int>(sum / n) : -1;
}

struct Outside : ::testing::Test {
  void SetUp() override {
    // The desktop's opener, first on PATH, records what it is given.
    ASSERT_TRUE(bin.isValid());
    opened = bin.filePath("aperti.txt");
    const QString opener = bin.filePath("xdg-open");
    ASSERT_TRUE(e2e::writeFile(opener, "#!/bin/sh\necho \"$1\" >> '" + opened.toUtf8() + "'\n"));
    QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", bin.path().toUtf8() + ":" + qgetenv("PATH"));
    ASSERT_TRUE(run.serve());
    page = run.portal.url("/prove/discussione.html");
    w = run.start();
    ASSERT_NE(w, nullptr);
    main = static_cast<WebEnginePane*>(w->WBMain.get())->view();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    w->WBMain->navigate(page);
    ASSERT_TRUE(e2e::waitFor(
        [&] { return main->title().startsWith("Discussione") && !w->WBMain->busy(); }));
    ASSERT_TRUE(e2e::waitFor([&] { return main->focusProxy() != nullptr; }));
  }
  QString openedText() {
    QFile f(opened);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
  }

  QTemporaryDir bin;
  QString opened;
  e2e::Run run;
  frmNRV_SLV3* w = nullptr;
  QWebEngineView* main = nullptr;
  QString page;
};

} // namespace

TEST_F(Outside, AnotherSitesLinkGoesToTheMembersBrowserAndShiftKeepsItInThePane) {
  const QString other =
      "http://localhost:" + QString::number(main->url().port()) + "/forum/index.php";
  QTest::mouseClick(main->focusProxy(), Qt::LeftButton, {}, centreOf(main, "fuori"));
  ASSERT_TRUE(e2e::waitFor([&] { return !openedText().isEmpty(); }, 5000));
  EXPECT_EQ(openedText(), other + "\n");
  QTest::qWait(1000);
  EXPECT_EQ(w->WBMain->locationURL(), page);

  QTest::mouseClick(main->focusProxy(), Qt::LeftButton, Qt::ShiftModifier, centreOf(main, "fuori"));
  EXPECT_TRUE(e2e::waitFor([&] { return w->WBMain->locationURL() == other; }))
      << w->WBMain->locationURL().toStdString();
  EXPECT_EQ(openedText(), other + "\n");
}

TEST_F(Outside, DarkReadingDarkensThePageAndLightensItBackWithoutReloading) {
  EXPECT_GT(brightness(main), 180);
  w->mnuLetturaScura->trigger();
  EXPECT_TRUE(e2e::waitFor([&] { return brightness(main) < 70; })) << brightness(main);
  e2e::screenshot(w, "dark-reading");
  // A page loaded now is dark too.
  w->WBMain->navigate(run.portal.url("/prove/lungo.html"));
  ASSERT_TRUE(
      e2e::waitFor([&] { return main->title() == "Discussione lunga" && !w->WBMain->busy(); }));
  EXPECT_TRUE(e2e::waitFor([&] { return brightness(main) < 70; })) << brightness(main);
  w->WBMain->goBack();
  ASSERT_TRUE(e2e::waitFor([&] { return main->title().startsWith("Discussione:"); }));
  const auto back = run.portal.requests.count("/prove/discussione.html");

  w->mnuLetturaScura->trigger();
  EXPECT_TRUE(e2e::waitFor([&] { return brightness(main) > 180; })) << brightness(main);
  EXPECT_EQ(run.portal.requests.count("/prove/discussione.html"), back);
}
