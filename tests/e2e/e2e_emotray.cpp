// The real picker against the local portal: the preview shows the hosted
// picture and OK puts exactly its tag on the real clipboard.
#include "e2e/E2E.h"

#include "emoticons/EmoTrayPanel.h"
#include "panes/WebEnginePane.h"
#include "ui/Widgets.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

// Width of the picture the preview shows once it shows `address`, -1 before.
int previewPictureWidth(QWebEngineView* view, const QString& address) {
  int width = -2;
  view->page()->runJavaScript(
      QStringLiteral("location.href == '%1' && document.images.length ? document.images[0].naturalWidth : -1")
          .arg(address),
      [&width](const QVariant& v) { width = v.toInt(); });
  e2e::waitFor([&] { return width != -2; }, 5000);
  return width;
}

void clickRow(QListWidget* list, int row) {
  const QRect r = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

} // namespace

TEST(EmoTrayE2E, PreviewAndClipboardForBuiltInAndPersonalSets) {
  e2e::Run run;
  ASSERT_TRUE(run.serve());
  Portal& portal = run.portal;
  NRV_SLV3& state = run.state;
  qputenv("SLV_EMO_HOST", portal.host().toUtf8());
  const QString personal = portal.url("/emoticons/Tweedo/2.gif");
  ASSERT_TRUE(run.writeDataFile("Personali.et2", "\"Gatto, nero\"\r\n\"" + personal.toLatin1() +
                                                     "\"\r\n\"caff\xe8\"\r\n\"http://127.0.0.1:1/x.gif\"\r\n"));
  frmNRV_SLV3* w = run.start();
  ASSERT_NE(w, nullptr);
  EmoTrayPanel* p = w->fraEmoTray;
  auto* view = static_cast<WebEnginePane*>(p->WBEP.get())->view();

  w->activateWindow();
  ASSERT_TRUE(e2e::waitFor([&] { return w->isActiveWindow(); }, 5000));
  QTest::keyClick(w, Qt::Key_F6);
  ASSERT_TRUE(e2e::waitFor([&] { return p->isVisible(); }, 2000));
  EXPECT_FALSE(p->pboOk->isEnabled());

  // The first name of the fourth set: picture 1 of its folder.
  QTest::mouseClick(p->optSet[3], Qt::LeftButton);
  ASSERT_EQ(p->lstEmo->count(), 88);
  clickRow(p->lstEmo, 0);
  const QString address = portal.url("/emoticons/Yahoo/1.gif");
  EXPECT_EQ(view->url().toString(), address);
  EXPECT_TRUE(e2e::waitFor([&] { return previewPictureWidth(view, address) == 24; }));
  ASSERT_TRUE(p->pboOk->isEnabled());
  e2e::screenshot(w, "emotray-yahoo");

  QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
  QElapsedTimer signal;
  QTest::mouseClick(p->pboOk, Qt::LeftButton);
  signal.start();
  const QString tag = "[img]" + address + "[/img]";
  EXPECT_TRUE(e2e::waitFor([&] { return QGuiApplication::clipboard()->text() == tag; }, 3000))
      << QGuiApplication::clipboard()->text().toStdString();
  EXPECT_TRUE(p->imgDone->isVisible());
  QTest::qWait(300);  // let the signal reach the screen
  e2e::screenshot(w, "emotray-copied");
  ASSERT_TRUE(e2e::waitFor([&] { return !p->imgDone->isVisible(); }, 4000));
  EXPECT_GE(signal.elapsed(), 1400);

  // The personal set comes from the file in the application folder.
  QTest::mouseClick(p->optSet[4], Qt::LeftButton);
  EXPECT_FALSE(p->pboOk->isEnabled());
  ASSERT_EQ(p->lstEmo->count(), 2);
  EXPECT_EQ(p->lstEmo->item(0)->text(), "Gatto, nero");
  EXPECT_EQ(p->lstEmo->item(1)->text(), QString::fromUtf8("caffè"));
  clickRow(p->lstEmo, 0);
  EXPECT_EQ(view->url().toString(), personal);
  EXPECT_TRUE(e2e::waitFor([&] { return previewPictureWidth(view, personal) == 24; }));
  QTest::mouseClick(p->pboOk, Qt::LeftButton);
  EXPECT_TRUE(e2e::waitFor(
      [&] { return QGuiApplication::clipboard()->text() == "[img]" + personal + "[/img]"; }, 3000));
  QTest::qWait(300);
  e2e::screenshot(w, "emotray-personal");

  state.ForceClose = true;  // close without the question
  w->close();
  qunsetenv("SLV_EMO_HOST");
}
