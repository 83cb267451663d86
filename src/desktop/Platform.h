#pragma once
// The platform seam: everything the forms need from the desktop. Production
// uses QtPlatform, with the panes and the player made by the platform built
// on it (shell/ProgramPlatform); tests use a recording fake.
#include "core/datafile.h"
#include "desktop/SurfaceGate.h"

#include <QDialog>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <string_view>

class BrowserPane;
class MediaPlayer;
class QObject;
class QImage;
class QWidget;

// Answers of a message box, numbered as the original platform numbers them.
enum MsgBoxAnswer { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };
// Style numbers: icon + buttons (+ default button).
enum MsgBoxStyle {
  vbOKOnly = 0, vbOKCancel = 1, vbYesNo = 4,
  vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64
};

// The title of the program's own message boxes.
inline const QString kProgramTitle = QStringLiteral("Norvalis SOLVARINO 3_w");
// The choice a page's box offers that keeps the page quiet until it loads anew.
inline const QString kPageSilenceText =
    QStringLiteral("Non mostrare altri messaggi da questa pagina");

class Platform {
public:
  virtual ~Platform() = default;

  virtual std::unique_ptr<BrowserPane> createBrowserPane(QWidget* parent) = 0;
  virtual std::unique_ptr<MediaPlayer> createMediaPlayer(QWidget* parent) = 0;

  virtual void clearClipboard() = 0;
  // false when the clipboard did not take the text.
  virtual bool setClipboardText(const QString& text) = 0;

  // A modal message box; returns one of MsgBoxAnswer.
  virtual int msgBox(const QString& text, int style, const QString& title) = 0;
  virtual void beep() = 0;
  virtual QSize screenSize() const = 0;  // pixels
  virtual QString applicationFolder() const = 0;

  // Shows a window modally and returns its result. A fake answers at once.
  virtual int showModal(QDialog& dialog) = 0;

  // The save-as choice for a file a page offers: proposedPath is shown first.
  // Returns the chosen path, empty when the user gave up.
  virtual QString saveFileName(const QString& title, const QString& proposedPath) = 0;

  // A page's own message box (alert, confirm): like msgBox, but it holds
  // only the page's pane, shows the page's text as plain text, and, when
  // offerSilence, offers to keep the page quiet (*silence tells the choice).
  virtual int pageBox(const QObject* pane, const QString& text, int style, const QString& title,
                      bool offerSilence, bool* silence) {
    (void)pane, (void)offerSilence;
    if (silence)
      *silence = false;
    return msgBox(text, style, title);
  }
  // The same, answered through answered with the answer and the choice of
  // silence: nothing waits for it, the page's pane included.
  virtual void pageBoxThen(const QObject* pane, const QString& text, int style,
                           const QString& title, bool offerSilence,
                           std::function<void(int answer, bool silence)> answered) {
    bool silence = false;
    const int answer = pageBox(pane, text, style, title, offerSilence, &silence);
    answered(answer, silence);
  }
  // A page's dialog (prompt, sign-in, file choice): shown when its pane is in
  // front, holding only that pane.
  virtual int showPageDialog(QDialog& dialog, const QObject* pane) {
    (void)pane;
    return showModal(dialog);
  }
  // The program's own message box, answered through answered: nothing waits
  // in a loop of its own, so answering it never waits on another box.
  virtual void msgBoxThen(const QString& text, int style, const QString& title,
                          SurfaceGate::Way way, std::function<void(int)> answered) {
    (void)way;
    const int answer = msgBox(text, style, title);
    if (answered)
      answered(answer);
  }
  // A message that needs no answer (a file saved, a print that failed):
  // told now, or after the restore when the window is disguised.
  void inform(const QString& text, int style, const QString& title) {
    gate().tell([this, text, style, title] { msgBoxThen(text, style, title, {}, {}); });
  }
  // A window of the program's own, answered through done; the platform owns
  // the dialog from now on and deletes it after done.
  virtual void openModal(QDialog* dialog, SurfaceGate::Way way, std::function<void(int)> done) {
    (void)way;
    const int result = showModal(*dialog);
    if (done)
      done(result);
    delete dialog;
  }
  // The save-as choice for pane (none: the program's own), answered through
  // chosen with the path, empty when the user gave up.
  virtual void chooseSaveFile(const QString& title, const QString& proposedPath,
                              const QObject* pane, std::function<void(const QString&)> chosen) {
    (void)pane;
    chosen(saveFileName(title, proposedPath));
  }
  // Pages' sound off while the boss alarm stands; back on after, except
  // where the user had muted a page.
  virtual void silencePages(bool on) { (void)on; }

  // What surfaces passes here; see SurfaceGate.
  SurfaceGate& gate() { return gate_; }

  // A notification on the desktop, held while the window is disguised; a
  // later one with the same key replaces it. open runs when the member
  // chooses "Apri" on it. No notification service: nothing.
  virtual void notify(const QString& key, const QString& summary, std::function<void()> open) = 0;
  // The picture the notifications carry: the program's icon.
  virtual void setNotificationIcon(const QImage& icon) = 0;

  // The file that keeps the member's choices from one start to the next (see
  // KeptSettings); empty, as in the tests that don't ask for one: nothing is
  // read or written.
  void setKeptSettingsFile(const QString& path) { keptSettingsFile_ = path; }
  const QString& keptSettingsFile() const { return keptSettingsFile_; }

  // The path of a data file in the application folder.
  QString dataFilePath(std::string_view name) const {
    return QString::fromStdString(slv::dataFilePath(applicationFolder().toStdString(), name));
  }

private:
  SurfaceGate gate_;
  QString keptSettingsFile_;
};
