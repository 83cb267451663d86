#include "e2e/E2E.h"

#include "panes/PageDialogScheme.h"
#include "shell/Startup.h"
#include "shell/frmStart.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmap>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <unistd.h>

namespace e2e {

bool waitFor(const std::function<bool()>& pred, int timeoutMs) {
  return QTest::qWaitFor(pred, timeoutMs);
}

QString screenshot(QWidget* w, const QString& name) {
  QString dir = qEnvironmentVariable("SLV_SCREENSHOTS");
  if (dir.isEmpty())
    dir = QDir::tempPath();
  QDir().mkpath(dir);
  const QString path = dir + "/" + name + ".png";
  // Grab the screen area of the window, so embedded browser views show too.
  QWidget* top = w->window();
  QScreen* screen = top->screen();
  const QRect g = top->frameGeometry();
  screen->grabWindow(0, g.x(), g.y(), g.width(), g.height()).save(path);
  return path;
}

void usePortal(const Portal& portal) {
  for (const char* var : {"SLV_PORTAL_HOST", "SLV_MAIL_HOST", "SLV_MAKER_HOST"})
    qputenv(var, portal.host().toUtf8());
}

frmNRV_SLV3* startProgram(E2EPlatform& platform, NRV_SLV3& state, std::unique_ptr<frmNRV_SLV3>& win,
                          qint64* splashToMainMs, std::function<void()> splashEnding) {
  QElapsedTimer t;
  t.start();
  ::startProgram(platform, state, win, std::move(splashEnding));
  if (!waitFor([&] { return win && win->isVisible(); }, 10000))
    return nullptr;
  if (splashToMainMs)
    *splashToMainMs = t.elapsed();
  return win.get();
}

bool startWindowManager(QProcess& wm) {
  const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
  if (openbox.isEmpty())
    return false;
  wm.start(openbox, {"--sm-disable"});
  return true;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

bool Run::serve() {
  if (!portal.start())
    return false;
  usePortal(portal);
  platform.folder = folder.path();
  return true;
}

bool Run::writeDataFile(const QString& name, const QByteArray& bytes) {
  return writeFile(folder.filePath(name), bytes);
}

frmNRV_SLV3* Run::start(qint64* splashToMainMs, std::function<void()> splashEnding) {
  return startProgram(platform, state, win, splashToMainMs, std::move(splashEnding));
}

void Run::spawn(QProcess& process, const QString& program, const QString& home,
                const QString& runtime) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* var : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
    env.remove(QString::fromLatin1(var));
  env.insert("HOME", home);
  env.insert("XDG_RUNTIME_DIR", runtime);
  env.insert("SLV_PORTAL_HOST", portal.host());
  env.insert("SLV_MAIL_HOST", portal.host());
  env.insert("SLV_MAKER_HOST", portal.host());
  QDir().mkpath(runtime);
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  process.setProcessEnvironment(env);
  process.start(program, {});
}

} // namespace e2e

int main(int argc, char** argv) {
  // Chromium will not start as root with its sandbox on; only then is it turned off.
  if (geteuid() == 0)
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  // Keep the browser profile of the tests away from the user's own. A test
  // that starts the program again in a second process hands its folder down.
  static QTemporaryDir fresh;
  const QString home = qEnvironmentVariableIsEmpty("SLV_E2E_HOME")
                           ? fresh.path()
                           : qEnvironmentVariable("SLV_E2E_HOME");
  qputenv("XDG_DATA_HOME", (home + "/data").toUtf8());
  qputenv("XDG_CACHE_HOME", (home + "/cache").toUtf8());
  qputenv("XDG_CONFIG_HOME", (home + "/config").toUtf8());
  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    std::fprintf(stderr,
                 "end-to-end tests need an X display (scripts/test runs them under Xvfb)\n");
    return 1;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  PageDialogScheme::registerScheme();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("SOLVARINO3w"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
