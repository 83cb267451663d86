// The panes and the wider web in the real program: a link to another site
// goes to the desktop's browser (a stand-in for its opener records it), and
// the dark reading style.
#include "e2e/E2E.h"

#include "panes/PageStyles.h"
#include "panes/WebEnginePane.h"

#include <QFile>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

// A point of a page element, in the view's coordinates: its centre, or just
// inside its top left corner.
QPoint pointOf(QWebEngineView* view, const QString& selector, bool centre = true) {
  auto r = std::make_shared<QVariantList>();
  view->page()->runJavaScript(
      QStringLiteral("(function(){var b=document.querySelector('%1')"
                     ".getBoundingClientRect();return %2;})()")
          .arg(selector, centre ? "[b.left+b.width/2,b.top+b.height/2]" : "[b.left+3,b.top+3]"),
      [r](const QVariant& v) { *r = v.toList(); });
  e2e::waitFor([&] { return r->size() == 2; }, 5000);
  return r->size() == 2 ? QPoint(r->at(0).toInt(), r->at(1).toInt()) : QPoint(-1, -1);
}

// The colour the view shows at a point, on the screen.
QColor colourAt(QWebEngineView* view, QPoint point) {
  const QPoint at = view->mapToGlobal(point);
  return view->screen()->grabWindow(0, at.x(), at.y(), 1, 1).toImage().pixelColor(0, 0);
}

// How far apart two colours are: the largest difference of a channel.
int apart(const QColor& a, const QColor& b) {
  return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                   std::abs(a.blue() - b.blue())});
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
  QTest::mouseClick(main->focusProxy(), Qt::LeftButton, {}, pointOf(main, "#fuori"));
  ASSERT_TRUE(e2e::waitFor([&] { return !openedText().isEmpty(); }, 5000));
  EXPECT_EQ(openedText(), other + "\n");
  QTest::qWait(1000);
  EXPECT_EQ(w->WBMain->locationURL(), page);

  QTest::mouseClick(main->focusProxy(), Qt::LeftButton, Qt::ShiftModifier, pointOf(main, "#fuori"));
  EXPECT_TRUE(e2e::waitFor([&] { return w->WBMain->locationURL() == other; }))
      << w->WBMain->locationURL().toStdString();
  EXPECT_EQ(openedText(), other + "\n");
}

TEST_F(Outside, DarkReadingDarkensThePageAndLightensItBackWithoutReloading) {
  EXPECT_GT(brightness(main), 180);
  w->mnuLetturaScura->trigger();
  EXPECT_TRUE(e2e::waitFor([&] { return brightness(main) < 70; })) << brightness(main);
  e2e::screenshot(w, "dark-reading");
  if (PageStyles::engineDarkMode()) {
    // The engine's own dark mode keeps the forum's structure: the header bar,
    // the author's column and the links stand apart from the grounds around.
    const QColor page = colourAt(main, QPoint(5, main->height() - 5));
    const QColor header = colourAt(main, pointOf(main, "#testa", false));
    const QColor author = colourAt(main, pointOf(main, "td.autore", false));
    const QColor post = colourAt(main, pointOf(main, "td.testo", false));
    EXPECT_LT(qGray(post.rgb()), 70) << post.name().toStdString();
    EXPECT_GT(apart(header, page), 20) << header.name().toStdString() << page.name().toStdString();
    EXPECT_GT(apart(author, post), 6) << author.name().toStdString() << post.name().toStdString();
  }
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
