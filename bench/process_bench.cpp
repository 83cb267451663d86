// Measures the real program: start-up time after the splash, memory with the
// three panes loaded, CPU while idle, and the cost of one activity tick.
// Runs under a display (scripts/bench starts Xvfb) against the local portal.
#include "panes/BrowserPane.h"
#include "panes/PageDialogScheme.h"
#include "shell/ProgramPlatform.h"
#include "portal/Portal.h"
#include "ui/NRV_SLV3.h"
#include "shell/Startup.h"
#include "shell/frmNRV_SLV3.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <unistd.h>

namespace {

class BenchPlatform : public ProgramPlatform {
public:
  QString applicationFolder() const override { return folder; }
  QString folder;
};

// Process ids of this process and all its descendants.
QList<int> processTree() {
  QList<int> pids{static_cast<int>(getpid())};
  for (int i = 0; i < pids.size(); ++i) {
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& name : proc.entryList(QDir::Dirs)) {
      bool ok = false;
      const int pid = name.toInt(&ok);
      if (!ok)
        continue;
      QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
      if (!stat.open(QIODevice::ReadOnly))
        continue;
      const QByteArray s = stat.readAll();
      const QList<QByteArray> f = s.mid(s.lastIndexOf(')') + 2).split(' ');
      if (f.size() > 1 && f[1].toInt() == pids[i] && !pids.contains(pid))
        pids << pid;
    }
  }
  return pids;
}

double cpuSeconds(const QList<int>& pids) {
  const double tick = static_cast<double>(sysconf(_SC_CLK_TCK));
  double total = 0;
  for (int pid : pids) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
      continue;
    const QByteArray s = stat.readAll();
    const QList<QByteArray> f = s.mid(s.lastIndexOf(')') + 2).split(' ');
    total += (f[11].toLongLong() + f[12].toLongLong()) / tick;  // utime, stime
  }
  return total;
}

double rssMiB(const QList<int>& pids) {
  double kib = 0;
  for (int pid : pids) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
      continue;
    for (const QByteArray& line : status.readAll().split('\n'))
      if (line.startsWith("VmRSS:"))
        kib += line.mid(6).trimmed().split(' ').first().toDouble();
  }
  return kib / 1024.0;
}

void writeList(const QString& path, int n) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly))
    return;
  QByteArray bytes;
  for (int i = 0; i < n; ++i)
    bytes += "\"" + QByteArray::number(100 + i % 900) + " Forum numero " + QByteArray::number(i) + "\"\r\n";
  f.write(bytes);
}

} // namespace

int main(int argc, char** argv) {
  if (geteuid() == 0)
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  static QTemporaryDir home;
  qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
  qputenv("XDG_CACHE_HOME", (home.path() + "/cache").toUtf8());
  PageDialogScheme::registerScheme();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  const int entries = args.size() > 1 ? args[1].toInt() : 100;
  const int idleSeconds = args.size() > 2 ? args[2].toInt() : 30;

  Portal portal;
  if (!portal.start())
    return 1;
  for (const char* var : {"SLV_PORTAL_HOST", "SLV_MAIL_HOST", "SLV_MAKER_HOST"})
    qputenv(var, portal.host().toUtf8());
  QTemporaryDir folder;
  writeList(folder.filePath("Allforums.svl"), entries);
  writeList(folder.filePath("Favourite.svl"), entries);
  BenchPlatform platform;
  platform.folder = folder.path();
  NRV_SLV3 state;

  // From the end of the splash (its unload) to the main window on screen with
  // both lists filled, on the program's own start-up path.
  std::unique_ptr<frmNRV_SLV3> win;
  QElapsedTimer t;
  startProgram(platform, state, win, [&t] { t.start(); });
  QTest::qWaitFor([&] { return win && win->isVisible(); }, 10000);
  QTest::qWaitForWindowExposed(win.get(), 10000);
  const double startupMs = t.nsecsElapsed() / 1e6;

  // Wait for the three panes to finish loading.
  QTest::qWaitFor([&] { return !win->WBMain->busy() && !win->WBMess->busy() && !win->WBMail->busy(); },
                  30000);
  QTest::qWait(2000);
  const double rss = rssMiB(processTree());

  // CPU used by the program and its browser processes while idle.
  const auto pidsIdle = processTree();
  const double cpu0 = cpuSeconds(pidsIdle);
  const double self0 = cpuSeconds({static_cast<int>(getpid())});
  QElapsedTimer idle;
  idle.start();
  {
    // A plain event loop: QTest::qWait would wake every 10 ms and count itself.
    QEventLoop loop;
    QTimer::singleShot(idleSeconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
  }
  const double cpuPercent = 100.0 * (cpuSeconds(pidsIdle) - cpu0) / (idle.nsecsElapsed() / 1e9);
  const double selfPercent =
      100.0 * (cpuSeconds({static_cast<int>(getpid())}) - self0) / (idle.nsecsElapsed() / 1e9);

  // One tick of the 50 ms timer (activity monitor and music tick), in process.
  win->stopTimers();
  const int ticks = 20000;
  const auto c0 = std::chrono::steady_clock::now();
  for (int i = 0; i < ticks; ++i)
    win->tmrBusy_Timer();
  const double tickUs =
      std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - c0).count() / ticks;

  std::printf("entries=%d startup_ms=%.1f rss_mib=%.0f idle_cpu_percent=%.2f (program %.2f, browser processes %.2f) tick_us=%.2f\n",
              entries, startupMs, rss, cpuPercent, selfPercent, cpuPercent - selfPercent, tickUs);
  state.ForceClose = true;
  win->close();
  return 0;
}
