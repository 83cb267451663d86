// The boss alarm's disguise under a window manager: what a page asks or
// downloads meanwhile waits for the restore, and the desktop sees nothing but
// the spreadsheet.
#include "e2e/E2E.h"

#include "platform/WebEnginePane.h"
#include "privacy/BossAlarm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
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

// What a task bar, dock or window list can read of every window the window
// manager shows: names, icon names and classes.
QString desktopNames() {
  QString all;
  const QString list = run("xprop", {"-root", "_NET_CLIENT_LIST"});
  static const QRegularExpression id("0x[0-9a-f]+");
  for (auto m = id.globalMatch(list); m.hasNext();)
    all += run("xprop", {"-id", m.next().captured(), "WM_NAME", "_NET_WM_NAME", "WM_CLASS",
                         "WM_ICON_NAME", "_NET_WM_ICON_NAME"});
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
  const QString wm = QStandardPaths::findExecutable(QStringLiteral("openbox"));
  if (wm.isEmpty())
    GTEST_SKIP() << "openbox is not installed (scripts/setup installs it)";
  QProcess openbox;
  openbox.start(wm, {"--sm-disable"});
  ASSERT_TRUE(openbox.waitForStarted());
  e2e::Run r;
  ASSERT_TRUE(r.serve());
  QStringList told;
  r.platform.onMsgBox = [&told](const QString& text, int) {
    told << text;
    return vbYes; // the restore question
  };
  frmNRV_SLV3* w = r.start();
  ASSERT_NE(w, nullptr);
  auto* page = static_cast<WebEnginePane*>(w->WBMain.get())->view()->page();
  ASSERT_TRUE(e2e::waitFor([&] { return !w->WBMain->busy(); }));

  w->alarm->raiseAlarm();
  // The page offers a file and asks for attention while the boss looks on.
  page->runJavaScript("const a = document.createElement('a');"
                      "a.href = URL.createObjectURL(new Blob(['ciao']));"
                      "a.download = 'nota.txt'; document.body.appendChild(a); a.click();"
                      "setTimeout(() => alert('Hai un <b>nuovo</b> messaggio privato'), 300);");
  e2e::waitFor([] { return false; }, 2500);
  EXPECT_EQ(shown<QWidget>([w](QWidget* t) { return t != w; }), nullptr);
  const QString names = desktopNames();
  EXPECT_TRUE(names.contains("Microsoft Excel")) << names.toStdString();
  for (const char* leak : {"SOLVARINO", "solvarino", "Messaggio", "Salva"})
    EXPECT_FALSE(names.contains(leak)) << leak << " in\n" << names.toStdString();
  e2e::screenshot(w, QStringLiteral("disguise_alert_held"));

  w->showNormal();
  ASSERT_TRUE(e2e::waitFor([&] { return !r.state.AlarmActive; }));
  EXPECT_TRUE(desktopNames().contains("SOLVARINO3w"));
  // In the order they came: the save choice, then the page's message, as text.
  QFileDialog* save = nullptr;
  ASSERT_TRUE(e2e::waitFor([&] { return (save = shown<QFileDialog>()) != nullptr; }));
  save->selectFile(r.folder.filePath("nota.txt"));
  QMetaObject::invokeMethod(save, "accept", Qt::QueuedConnection);
  QMessageBox* alert = nullptr;
  ASSERT_TRUE(e2e::waitFor([&] {
    return (alert = shown<QMessageBox>([](QMessageBox* b) { return b->text().contains("nuovo"); }));
  }));
  EXPECT_EQ(alert->text(), "Hai un <b>nuovo</b> messaggio privato");
  EXPECT_EQ(alert->textFormat(), Qt::PlainText);
  e2e::waitFor([] { return false; }, 500);
  e2e::screenshot(w, QStringLiteral("disguise_alert_after_restore"));
  alert->buttons().constFirst()->click();
  EXPECT_TRUE(e2e::waitFor([&] { return told.filter("Il file è stato salvato").size() == 1; }));
  EXPECT_TRUE(QFile::exists(r.folder.filePath("nota.txt")));
  r.win.reset();
  openbox.terminate();
  openbox.waitForFinished();
}
