// The composer in the real program: markup on the real X clipboard, the
// confirmation window, the personal emoticon file on disk.
#include "e2e/E2E.h"

#include "composer/ComposerPanel.h"
#include "composer/frmDone.h"
#include "imagesearch/frmShowImage.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Re-run as a separate X client, this program prints what it finds on the
// clipboard (base64, so carriage returns survive) and ends: a reading that
// really goes through the X server, as a paste into another program does.
const bool clipboardReader = [] {
  if (!qEnvironmentVariableIsSet("SLV_E2E_READ_CLIPBOARD"))
    return false;
  int argc = 1;
  char name[] = "reader";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  const QByteArray text = QGuiApplication::clipboard()->text().toUtf8().toBase64();
  std::fwrite(text.data(), 1, static_cast<std::size_t>(text.size()), stdout);
  std::fflush(stdout);
  std::_Exit(0);
}();

// The clipboard as another X client sees it; the event loop keeps running so
// this program can answer the request.
QString clipboardSeenFromOutside() {
  QProcess reader;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("SLV_E2E_READ_CLIPBOARD"), QStringLiteral("1"));
  reader.setProcessEnvironment(env);
  reader.start(QCoreApplication::applicationFilePath(), {});
  if (!e2e::waitFor([&] { return reader.state() == QProcess::NotRunning; }, 20000))
    return QStringLiteral("<no answer>");
  return QString::fromUtf8(QByteArray::fromBase64(reader.readAllStandardOutput()));
}

void click(QWidget* b) {
  QTest::mouseClick(b, Qt::LeftButton);
  QTest::qWait(30);
}

} // namespace

TEST(Composer, FormattedTextReachesTheSystemClipboard) {
  e2e::Run run;
  ASSERT_TRUE(run.serve());
  ASSERT_NE(run.start(), nullptr);
  frmNRV_SLV3& w = *run.win;
  QGuiApplication::clipboard()->setText(QStringLiteral("something older"));

  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w, 5000));
  QTest::keyClick(&w, Qt::Key_F7);
  ComposerPanel& c = *w.fraComposer;
  ASSERT_TRUE(e2e::waitFor([&] { return c.isVisible(); }, 3000));
  QTest::qWait(300);
  e2e::screenshot(&w, "composer-opened");

  click(c.optAdd[4]);
  ASSERT_TRUE(c.fraFunction[4]->isVisible());
  c.txtTesto->setFocus();
  QTest::keyClicks(c.txtTesto, "Ciao");
  click(c.optSize[3]);
  click(c.optColor[2]);
  click(c.chkBold);
  click(c.chkUnderlined);
  QTest::qWait(200);
  e2e::screenshot(&w, "composer-formatted");

  QElapsedTimer shown; // from before the click, so never shorter than the window's time
  shown.start();
  click(c.cmdFormattato);
  const QString markup = QStringLiteral("[size=18][color=red][b][u]Ciao[/b][/u][/color][/size]");
  ASSERT_TRUE(e2e::waitFor([&] { return QGuiApplication::clipboard()->text() == markup; }, 3000));
  ASSERT_FALSE(c.doneWindow.isNull());
  ASSERT_TRUE(e2e::waitFor([&] { return c.doneWindow && c.doneWindow->isVisible(); }, 1000));
  QTest::qWait(300);
  e2e::screenshot(c.doneWindow, "composer-done");
  e2e::screenshot(&w, "composer-done-over-main-window");
  EXPECT_TRUE(c.txtTesto->toPlainText().isEmpty());

  // The confirmation goes by itself after 1.4 s, and the second beep's timer ends.
  ASSERT_TRUE(
      e2e::waitFor([&] { return c.doneWindow.isNull() || !c.doneWindow->isVisible(); }, 4000));
  EXPECT_GE(shown.elapsed(), 1300);
  EXPECT_LE(shown.elapsed(), 3000);
  ASSERT_TRUE(e2e::waitFor([&] { return !c.tmrDone->isActive(); }, 2000));

  EXPECT_EQ(clipboardSeenFromOutside(), markup);

  // A list: carriage returns only, read back from outside as well.
  click(c.optAdd[0]);
  click(c.optList[0]);
  c.txtElenco->setFocus();
  for (const char* item : {"uno", "due"}) {
    QTest::keyClicks(c.txtElenco, item);
    QTest::keyClick(c.txtElenco, Qt::Key_Return);
  }
  QTest::qWait(200);
  e2e::screenshot(&w, "composer-list");
  click(c.cmdElenco);
  EXPECT_EQ(clipboardSeenFromOutside(), QStringLiteral("[List=1]\r[*]uno\r[*]due\r[/List]\r"));

  // Two personal emoticons from the image mode: four quoted lines on disk.
  click(c.optAdd[1]);
  const char* names[2] = {"Gatto", "Cane, felice"};
  const char* addresses[2] = {"http://img.it/gatto.gif", "http://img.it/cane.gif"};
  for (int i = 0; i < 2; ++i) {
    c.txtImmagine->clear();
    c.txtImmagine->setFocus();
    QTest::keyClicks(c.txtImmagine, addresses[i]);
    c.txtNome->setFocus();
    QTest::keyClicks(c.txtNome, names[i]);
    if (i == 1) {
      QTest::qWait(200);
      e2e::screenshot(&w, "composer-image");
    }
    click(c.cmdOkEP);
    EXPECT_TRUE(c.txtNome->text().isEmpty());
  }
  // The preview shows the address of the field in its own browser; CHIUDI brings the mode back.
  const QString picture = run.portal.url("/emoticons/EmoTray/1.gif");
  c.txtImmagine->setPlainText(picture);
  bool previewed = false;
  QTimer poll; // runs inside the preview's own event loop
  poll.setInterval(100);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* preview = qobject_cast<frmShowImage*>(QApplication::activeModalWidget());
    if (preview == nullptr)
      return;
    poll.stop();
    previewed =
        e2e::waitFor([&] { return run.portal.requests.contains("/emoticons/EmoTray/1.gif"); });
    QTest::qWait(500);
    e2e::screenshot(preview, "composer-preview");
    preview->cmdClose->click();
  });
  poll.start();
  click(c.cmdVerifyURL);
  EXPECT_TRUE(previewed);
  EXPECT_EQ(run.state.ImageURL, picture);
  EXPECT_EQ(c.txtImmagine->toPlainText(), picture);
  EXPECT_TRUE(c.cmdImmagine->isEnabled());

  QFile file(run.folder.filePath("Personali.et2"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("\"Gatto\"\r\n\"http://img.it/gatto.gif\"\r\n"
                                       "\"Cane, felice\"\r\n\"http://img.it/cane.gif\"\r\n"));
  run.state.ForceClose = true; // close without the question
  w.close();
}
