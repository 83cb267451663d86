#pragma once
// Shared pieces of the end-to-end tests: the real program (real WebEngine,
// player and clipboard) under a real X display, against the local portal.
#include "shell/ProgramPlatform.h"
#include "portal/Portal.h"
#include "shell/frmNRV_SLV3.h"
#include "ui/NRV_SLV3.h"

#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class QWidget;

// The real platform, with the application folder put where the test says,
// and, when a test sets them, its answers in place of the user's.
class E2EPlatform : public ProgramPlatform {
public:
  QString applicationFolder() const override { return folder; }
  QString saveFileName(const QString& title, const QString& proposedPath) override {
    return onSave ? onSave(proposedPath) : QtPlatform::saveFileName(title, proposedPath);
  }
  int msgBox(const QString& text, int style, const QString& title) override {
    return onMsgBox ? onMsgBox(text, style) : QtPlatform::msgBox(text, style, title);
  }
  int showModal(QDialog& dialog) override {
    return onModal ? onModal(dialog) : QtPlatform::showModal(dialog);
  }
  // The same answers for the boxes answered through a callback.
  void msgBoxThen(const QString& text, int style, const QString& title, SurfaceGate::Way way,
                  std::function<void(int)> answered) override {
    const int answer = onMsgBox ? onMsgBox(text, style) : kShowBox;
    if (answer == kShowBox)
      return QtPlatform::msgBoxThen(text, style, title, way, std::move(answered));
    if (answered)
      answered(answer);
  }
  void openModal(QDialog* dialog, SurfaceGate::Way way, std::function<void(int)> done) override {
    if (!onModal)
      return QtPlatform::openModal(dialog, way, std::move(done));
    const int result = onModal(*dialog);
    if (done)
      done(result);
    delete dialog;
  }
  void chooseSaveFile(const QString& title, const QString& proposedPath, const QObject* pane,
                      std::function<void(const QString&)> chosen) override {
    if (!onSave)
      return QtPlatform::chooseSaveFile(title, proposedPath, pane, std::move(chosen));
    chosen(onSave(proposedPath));
  }
  // A page's own boxes and dialogs, answered the same way when a test says.
  int pageBox(const QObject* pane, const QString& text, int style, const QString& title,
              bool offerSilence, bool* silence) override {
    if (!onMsgBox || realPageBoxes)
      return QtPlatform::pageBox(pane, text, style, title, offerSilence, silence);
    if (silence)
      *silence = false;
    return onMsgBox(text, style);
  }
  void pageBoxThen(const QObject* pane, const QString& text, int style, const QString& title,
                   bool offerSilence, std::function<void(int, bool)> answered) override {
    if (!onMsgBox || realPageBoxes)
      return QtPlatform::pageBoxThen(pane, text, style, title, offerSilence, std::move(answered));
    answered(onMsgBox(text, style), false);
  }
  int showPageDialog(QDialog& dialog, const QObject* pane) override {
    return onModal ? onModal(dialog) : QtPlatform::showPageDialog(dialog, pane);
  }
  QString folder;
  // onMsgBox answers this to have the real box shown.
  static constexpr int kShowBox = -1;
  std::function<QString(const QString& proposedPath)> onSave;
  std::function<int(const QString& text, int style)> onMsgBox;
  std::function<int(QDialog&)> onModal;
  bool realPageBoxes = false; // a page's boxes shown even when onMsgBox answers the program's
};

namespace e2e {

// Waits, running the event loop, until pred holds or timeoutMs passes.
bool waitFor(const std::function<bool()>& pred, int timeoutMs = 15000);
// Saves a picture of the widget's window under $SLV_SCREENSHOTS/name.png.
QString screenshot(QWidget* w, const QString& name);
// Points the program's host configuration at the portal.
void usePortal(const Portal& portal);
// Starts the program as main() does, waits for the main window and
// returns it. splashEnding runs as the splash begins to unload.
frmNRV_SLV3* startProgram(E2EPlatform& platform, NRV_SLV3& state, std::unique_ptr<frmNRV_SLV3>& win,
                          qint64* splashToMainMs = nullptr,
                          std::function<void()> splashEnding = {});
// Starts openbox as the display's window manager; false when it is not
// installed (scripts/setup installs it).
bool startWindowManager(QProcess& wm);
// Writes a whole file; false when it cannot.
bool writeFile(const QString& path, const QByteArray& bytes);

// One run of the program on its own portal and its own application folder.
// The members go in the order they must be torn down in reverse: the window
// first, the portal last.
struct Run {
  Portal portal;
  QTemporaryDir folder;
  E2EPlatform platform;
  NRV_SLV3 state;
  std::unique_ptr<frmNRV_SLV3> win;

  // Starts the portal and points the program's hosts and folder at it.
  bool serve();
  // Writes a data file into the application folder.
  bool writeDataFile(const QString& name, const QByteArray& bytes);
  // Starts the program; null when its main window did not show.
  frmNRV_SLV3* start(qint64* splashToMainMs = nullptr, std::function<void()> splashEnding = {});
  // Starts the program's executable (the build's, or one installed) in a
  // process of its own on this run's portal, with home as its user's home and
  // runtime as its runtime folder.
  void spawn(QProcess& process, const QString& program, const QString& home,
             const QString& runtime);
};

} // namespace e2e
