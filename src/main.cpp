// SOLVARINO 3_w: a dedicated browser for the community portal, with its tools.
#include "platform/QtPlatform.h"
#include "ui/NRV_SLV3.h"
#include "shell/Startup.h"
#include "shell/frmNRV_SLV3.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

int main(int argc, char* argv[]) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("SOLVARINO3w"));
  QApplication::setOrganizationName(QStringLiteral("Norvalis"));
  // Every text of the program is Italian; Qt's own dialogs (save choice,
  // standard buttons) follow, whatever the desktop's language.
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);

  QtPlatform platform;
  NRV_SLV3 state;
  std::unique_ptr<frmNRV_SLV3> mainWindow;
  startProgram(platform, state, mainWindow);
  const int rc = QApplication::exec();
  mainWindow.reset();
  return rc;
}
