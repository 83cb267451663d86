// SOLVARINO 3_w: a dedicated browser for the community portal, with its tools.
#include "core/command_line.h"
#include "desktop/KeptSettings.h"
#include "desktop/SingleInstance.h"
#include "panes/PageDialogScheme.h"
#include "panes/PaneEngine.h"
#include "shell/ProgramPlatform.h"
#include "shell/Startup.h"
#include "shell/frmNRV_SLV3.h"
#include "slv_defaults.h"
#include "ui/NRV_SLV3.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QLockFile>
#include <QMessageBox>
#include <QLoggingCategory>
#include <QTranslator>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
  // Answered before anything needs a display.
  const slv::CommandLine cmd = slv::parseCommandLine({argv + (argc > 0 ? 1 : 0), argv + argc});
  if (cmd.action == slv::CommandLine::Help || cmd.action == slv::CommandLine::Version) {
    std::fputs(
        (cmd.action == slv::CommandLine::Help ? slv::helpText() : slv::versionText()).c_str(),
        stdout);
    // And what the panes run on, as other Qt browsers say it.
    if (cmd.action == slv::CommandLine::Version)
      std::fputs(PaneEngine::engineVersions().toUtf8().constData(), stdout);
    return 0;
  }
  if (cmd.action == slv::CommandLine::Unknown) {
    const std::string help = slv::helpText();
    std::fprintf(stderr, "solvarino: opzione sconosciuta: %s\n%s", cmd.unknown.c_str(),
                 help.substr(0, help.find('\n') + 1).c_str());
    return 2;
  }
  // A normal start prints nothing: the engine's start-up report and other
  // notes stay quiet, warnings do not. QT_LOGGING_RULES still wins.
  QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
  // The browser engine's own log lines too, unless the user asks for them.
  if (!qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").contains(QStringLiteral("--log-level")))
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            (qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS") + QStringLiteral(" --log-level=3"))
                .trimmed()
                .toUtf8());

  // In a Wayland session a program cannot tell that its window was
  // minimised, which the boss alarm's restore relies on: run through X11
  // unless the user chose a platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "xcb");

  // Let go only after the application, and so the browser engine and its
  // profile, have closed: a later start must not use the profile meanwhile.
  std::unique_ptr<QLockFile> instanceLock;
  PageDialogScheme::registerScheme();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("SOLVARINO3w"));
  QApplication::setOrganizationName(QStringLiteral("Norvalis"));
  QApplication::setApplicationVersion(QStringLiteral(SLV_VERSION));
  // The desktop entry's name, so a dock shows the program's icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(SLV_APP_ID));

  // One program per user: a second start brings the running one forward.
  SingleInstance instance;
  if (instance.handedOver()) {
    if (!instance.unanswered())
      return 0;
    const QString text = QStringLiteral(
        "Il SOLVARINO 3_w è già aperto ma non risponde. Chiudilo prima di avviarlo di nuovo.");
    std::fprintf(stderr, "solvarino: %s\n", text.toLocal8Bit().constData());
    QMessageBox::warning(nullptr, QStringLiteral("SOLVARINO 3_w"), text);
    return 1;
  }

  // Every text of the program is Italian; Qt's own dialogs (save choice,
  // standard buttons) follow, whatever the desktop's language.
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);

  ProgramPlatform platform;
  // What the member chose, kept in the user's configuration folder.
  platform.setKeptSettingsFile(KeptSettings::userFile());
  NRV_SLV3 state;
  std::unique_ptr<frmNRV_SLV3> mainWindow;
  QObject::connect(&instance, &SingleInstance::activationRequested, [&mainWindow] {
    // While the splash stands the window comes up anyway.
    if (mainWindow && mainWindow->isVisible())
      mainWindow->bringToFront();
  });
  startProgram(platform, state, mainWindow);
  const int rc = QApplication::exec();
  mainWindow.reset();
  instanceLock = instance.takeLock();
  return rc;
}
