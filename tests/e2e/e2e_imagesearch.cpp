// The image preview and image search windows on the real browser engine.
#include "e2e/E2E.h"

#include "imagesearch/frmSearchImages.h"
#include "imagesearch/frmShowImage.h"
#include "panes/WebEnginePane.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

QWebEngineView* viewOf(BrowserPane* p) {
  return static_cast<WebEnginePane*>(p)->view();
}

// Shows the window modally the way the program does, runs `drive` inside its
// modal loop, and closes it should `drive` give up half way.
void whileModal(Platform& platform, QDialog& d, const std::function<void()>& drive) {
  QTimer::singleShot(0, [&] {
    drive();
    if (d.isVisible())
      d.reject();
  });
  platform.showModal(d);
}

} // namespace

TEST(ImageSearchE2E, PreviewShowsThePictureAndSearchBrowses) {
  Portal portal;
  ASSERT_TRUE(portal.start());
  e2e::usePortal(portal);
  for (const char* v : {"SLV_GOOGLE_HOST", "SLV_YAHOO_HOST", "SLV_DITTO_HOST", "SLV_CALSHOP_HOST"})
    qputenv(v, portal.host().toUtf8());
  portal.handle(QStringLiteral("/imghp"), [](const QHttpServerRequest&) {
    PortalReply r;
    r.body = Portal::page(QStringLiteral("Ricerca immagini"),
                          QStringLiteral("<form><input name=q></form>"));
    return r;
  });
  E2EPlatform platform;
  NRV_SLV3 app;

  // The preview loads exactly the address it is given: a picture on the portal.
  app.ImageURL = portal.url("/immagini/tramonto.png");
  bool closedByChiudi = false;
  {
    frmShowImage preview(platform, app);
    QWebEngineView* v = viewOf(preview.WBImage.get());
    whileModal(platform, preview, [&] {
      ASSERT_TRUE(e2e::waitFor([&] { return v->title().startsWith("tramonto.png"); }));
      QTest::qWait(300);
      e2e::screenshot(&preview, "image-preview");
      QTest::mouseClick(preview.cmdClose, Qt::LeftButton);
      closedByChiudi = !preview.isVisible();
    });
    EXPECT_TRUE(closedByChiudi);
    EXPECT_EQ(preview.result(), QDialog::Accepted);
  }
  EXPECT_TRUE(portal.requests.contains("/immagini/tramonto.png"));

  // The search window: "VAI" loads what is typed; the caption tells loading.
  frmSearchImages search(platform, app);
  QWebEngineView* v = viewOf(search.WB.get());
  QString loadingCaption, loadingAddress;
  whileModal(platform, search, [&] {
    search.txtAddress->setText(portal.url("/forum/index.php"));
    QTest::keyClick(search.txtAddress, Qt::Key_Return); // Enter alone goes nowhere
    QTest::qWait(200);
    EXPECT_TRUE(v->url().isEmpty());
    QTest::mouseClick(search.cmdVai, Qt::LeftButton);
    // The engine may tell the title before the load ends (Qt 6.8 does); the
    // next address goes once this one is done.
    ASSERT_TRUE(
        e2e::waitFor([&] { return v->title() == "Indice del forum" && !search.WB->busy(); }));

    search.txtAddress->setText(portal.url("/slow?ms=2500"));
    QTest::mouseClick(search.cmdVai, Qt::LeftButton);
    ASSERT_TRUE(e2e::waitFor([&] { return search.windowTitle().contains("CARICAMENTO"); }, 2000));
    loadingCaption = search.windowTitle();
    loadingAddress = search.txtAddress->text();
    e2e::screenshot(&search, "image-search-loading");
    // The engine may end the last load after the next one began: the page,
    // not the first end of loading, says the slow page came.
    ASSERT_TRUE(e2e::waitFor(
        [&] {
          return search.windowTitle() == "  RICERCA IMMAGINI " && v->title() == "Pagina lenta";
        },
        8000));

    QTest::mouseClick(search.cmdNavy[5], Qt::LeftButton); // "Google", here the portal
    ASSERT_TRUE(e2e::waitFor([&] { return v->title() == "Ricerca immagini"; }));
    QTest::mouseClick(search.cmdNavy[0], Qt::LeftButton); // back
    ASSERT_TRUE(e2e::waitFor([&] { return v->title() == "Pagina lenta"; }));
    QTest::qWait(300);
    e2e::screenshot(&search, "image-search");
    search.close();
  });
  EXPECT_EQ(loadingCaption, "  RICERCA IMMAGINI - CARICAMENTO IN CORSO....");
  EXPECT_EQ(loadingAddress, portal.url("/slow?ms=2500"));
  EXPECT_TRUE(portal.requests.contains("/imghp?hl=it&tab=wi&q="));
}
