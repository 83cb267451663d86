// The boss alarm's disguise under a window manager: what a page asks or
// downloads meanwhile waits for the restore, and the desktop sees nothing but
// the spreadsheet.
#include "e2e/E2E.h"

#include "panes/WebEnginePane.h"
#include "privacy/BossAlarm.h"
#include "slv_defaults.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

QString run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(5000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

// What a task bar, dock or window list can read of a window: names, icon
// names, class and desktop entry.
QString windowNames(const QString& id) {
  return run("xprop", {"-id", id, "WM_NAME", "_NET_WM_NAME", "WM_CLASS", "WM_ICON_NAME",
                       "_NET_WM_ICON_NAME", "_KDE_NET_WM_DESKTOP_FILE", "_GTK_APPLICATION_ID"});
}

// The same of every window the window manager shows.
QString desktopNames() {
  QString all;
  const QString list = run("xprop", {"-root", "_NET_CLIENT_LIST"});
  static const QRegularExpression id("0x[0-9a-f]+");
  for (auto m = id.globalMatch(list); m.hasNext();)
    all += windowNames(m.next().captured());
  return all;
}

template <class T> T* shown(const std::function<bool(T*)>& pred = {}) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* t = qobject_cast<T*>(w); t && t->isVisible() && (!pred || pred(t)))
      return t;
  return nullptr;
}

} // namespace

TEST(Disguise, WhatAPageAsksMeanwhileWaitsForTheRestoreAndTheDesktopSeesOnlyTheSpreadsheet) {
  QProcess openbox;
  if (!e2e::startWindowManager(openbox))
    GTEST_SKIP() << "openbox is not installed (scripts/setup installs it)";
  ASSERT_TRUE(openbox.waitForStarted());
  e2e::Run r;
  ASSERT_TRUE(r.serve());
  QStringList told;
  r.platform.realPageBoxes = true;
  r.platform.onMsgBox = [&](const QString& text, int) {
    if (text.startsWith("Ripristinare"))
      return E2EPlatform::kShowBox; // the member answers the restore question
    told << text;
    return int(vbOK);
  };
  frmNRV_SLV3* w = r.start();
  ASSERT_NE(w, nullptr);
  // The messages pane, behind the forum: its page keeps running.
  auto* page = static_cast<WebEnginePane*>(w->WBMess.get())->view()->page();
  ASSERT_TRUE(e2e::waitFor([&] { return !w->WBMess->busy() && !w->WBMain->busy(); }));
  // The desktop entry's name on the window, as newer Qt puts it there.
  for (const char* property : {"_KDE_NET_WM_DESKTOP_FILE", "_GTK_APPLICATION_ID"})
    run("xprop",
        {"-id", QString::number(w->winId()), "-f", property, "8u", "-set", property, SLV_APP_ID});
  w->alarm->raiseAlarm();

  // What waits holds its caller in a loop of its own: the user acts from
  // the event loop, as a person would, not from the test's own line.
  QStringList seen;
  QString names, disguised;
  bool answered = false;
  int ticks = 0, askedAt = 0;
  QMessageBox* restore = nullptr;
  QTimer user;
  QObject::connect(&user, &QTimer::timeout, [&] {
    ++ticks;
    if (ticks == 10) {
      w->showNormal(); // the member clicks the disguised window
      return;
    }
    if (!askedAt) {
      restore =
          shown<QMessageBox>([](QMessageBox* b) { return b->text().startsWith("Ripristinare"); });
      if (!restore)
        return;
      askedAt = ticks;
      // While the question is up, the page offers a file and asks for attention.
      page->runJavaScript("setTimeout(() => { const a = document.createElement('a');"
                          "a.href = URL.createObjectURL(new Blob(['ciao']));"
                          "a.download = 'nota.txt'; document.body.appendChild(a); a.click();"
                          "alert('Hai un <b>nuovo</b> messaggio privato'); }, 300);");
      return;
    }
    if (ticks == askedAt + 30) {
      if (shown<QWidget>([&](QWidget* t) { return t != w && t != restore; }))
        seen << "a window beside the restore question";
      names = desktopNames();
      disguised = windowNames(QString::number(w->winId()));
      e2e::screenshot(restore, QStringLiteral("disguise_alert_held"));
      for (QAbstractButton* b : restore->buttons())
        if (restore->buttonRole(b) == QMessageBox::YesRole)
          b->click();
      return;
    }
    if (ticks < askedAt + 30)
      return;
    if (QFileDialog* save = shown<QFileDialog>()) {
      seen << "save";
      save->selectFile(r.folder.filePath("nota.txt"));
      QMetaObject::invokeMethod(save, "accept", Qt::QueuedConnection);
      return;
    }
    auto* alert = shown<QMessageBox>([](QMessageBox* b) { return b->text().contains("nuovo"); });
    // The page's question waits for its pane to come to the front.
    if (ticks == askedAt + 45) {
      seen << (alert ? "alert before its pane" : "messages pane");
      w->pboWins_Click(1);
      return;
    }
    if (!alert || answered)
      return;
    if (!seen.contains("alert")) {
      seen << "alert";
      EXPECT_EQ(alert->text(), "Hai un <b>nuovo</b> messaggio privato");
      EXPECT_EQ(alert->textFormat(), Qt::PlainText);
      return; // drawn before its picture is taken
    }
    e2e::screenshot(w, QStringLiteral("disguise_alert_after_restore"));
    answered = true;
    alert->buttons().constFirst()->click();
  });
  user.start(100);
  EXPECT_TRUE(e2e::waitFor(
      [&] { return answered && told.filter("Il file è stato salvato").size() == 1; }, 40000));
  user.stop();
  // Only the spreadsheet and the question of its own restore.
  EXPECT_TRUE(names.contains("Microsoft Excel")) << names.toStdString();
  EXPECT_TRUE(names.contains("Ripristino SOLVARINO 3_w")) << names.toStdString();
  for (const char* leak : {"Messaggio", "Salva", "127.0.0.1"})
    EXPECT_FALSE(names.contains(leak)) << leak << " in\n" << names.toStdString();
  // The disguised window is the spreadsheet's class, and no desktop entry
  // tells the program.
  EXPECT_TRUE(disguised.contains("WM_CLASS(STRING) = \"excel\", \"Excel\""))
      << disguised.toStdString();
  for (const char* leak : {SLV_APP_ID, "SOLVARINO3w"})
    EXPECT_FALSE(disguised.contains(leak)) << leak << " in\n" << disguised.toStdString();
  // The page's message once its pane is in front; the download, which the
  // engine hands over after the page's message, then asks where to save.
  EXPECT_EQ(seen.join(','), "messages pane,alert,save");
  EXPECT_FALSE(r.state.AlarmActive);
  // Back, the window is the program's again, its class and its desktop entry.
  const QString after = windowNames(QString::number(w->winId()));
  EXPECT_TRUE(after.contains("SOLVARINO3w")) << after.toStdString();
  EXPECT_EQ(after.count(SLV_APP_ID), 2) << after.toStdString();
  EXPECT_TRUE(QFile::exists(r.folder.filePath("nota.txt")));
  r.win.reset();
  openbox.terminate();
  openbox.waitForFinished();
}
