#pragma once
// Recording fakes of the platform seam for the form tests.
#include "core/unread_count.h"
#include "panes/BrowserPane.h"
#include "player/MediaPlayer.h"
#include "desktop/Platform.h"

#include <QStringList>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

// A browser pane that pretends to load pages: navigate records the address,
// and the test decides when loading ends.
class FakeBrowserPane : public BrowserPane {
  Q_OBJECT
public:
  explicit FakeBrowserPane(QWidget* parent) : widget_(new QWidget(parent)) {}
  QWidget* widget() override { return widget_; }
  void navigate(const QString& address) override;
  bool goBack() override;
  bool goForward() override;
  void stop() override { calls << QStringLiteral("stop"); isBusy = false; }
  void refresh() override { calls << QStringLiteral("refresh"); }
  void goHome() override;
  bool busy() const override { return isBusy; }
  QString locationURL() const override { return location; }
  void findText(const QString& text, bool backward) override {
    calls << QStringLiteral("find%1 %2").arg(backward ? "<" : "", text);
  }
  double zoomFactor() const override { return zoom; }
  void setZoomFactor(double factor) override { zoom = factor; }
  void print() override { calls << QStringLiteral("print"); }
  // Counted apart from calls: it changes no page.
  void leaveFullScreen() override { ++fullScreenLeft; }
  // Hands back the texts the test set, at the pane's address unless they name one.
  void readTexts(std::function<void(const slv::PageTexts&)> done) override {
    slv::PageTexts page = texts;
    if (page.address.empty())
      page.address = location.toStdString();
    done(page);
  }
  void answerPermission(const QString& site, PanePermission what, bool granted) override {
    calls << QStringLiteral("permission %1 %2 %3")
                 .arg(site)
                 .arg(int(what))
                 .arg(granted ? "yes" : "no");
  }

  void sendOtherSitesOut(const std::vector<std::string>& sites) override { ownSites = sites; }
  void setDarkReading(bool on) override { dark = on; }
  void setMemberStyle(const QString& css) override { memberCss = css; }

  QStringList calls;     // every operation, in order ("navigate <url>", "back", ...)
  QStringList history;   // addresses in navigation order
  int historyIndex = -1;
  QString location;
  bool isBusy = false;
  double zoom = 1.0;
  int fullScreenLeft = 0;
  std::vector<std::string> ownSites; // empty: every link stays in the pane
  bool dark = false;
  QString memberCss;
  slv::PageTexts texts;

private:
  QWidget* widget_;
};

// A media player that records what it is told; its readings are set by the
// test. Like the real one, it plays only when it has an address it can play.
class FakeMediaPlayer : public MediaPlayer {
  Q_OBJECT
public:
  explicit FakeMediaPlayer(QWidget* parent) : widget_(new QWidget(parent)) {}
  QWidget* widget() override { return widget_; }
  void setURL(const QString& address) override {
    url = address;
    note.clear();
    calls << "url " + address;
  }
  QString URL() const override { return url; }
  void play() override {
    calls << QStringLiteral("play");
    if (!url.isEmpty() && !unplayable.contains(url))
      state = 3;
  }
  void stop() override {
    calls << QStringLiteral("stop");
    state = 1;
    note.clear();
    emit Stopped();
  }
  void pause() override { calls << QStringLiteral("pause"); }
  int playState() const override { return state; }
  QString statusText() const override { return status; }
  QString currentSourceURL() const override { return url; }
  std::optional<double> duration() const override { return dur; }
  std::optional<double> position() const override { return pos; }
  std::optional<QString> positionString() const override { return posString; }
  void showNote(const QString& text) override { note = text; }
  QString streamTitle() const override { return title; }

  QStringList calls;
  QString url, status;
  QString note;            // the program's note, as the real player would show it
  QString title;           // the stream's own title
  QStringList unplayable;  // addresses that never start
  int state = 0;
  std::optional<double> dur, pos;
  std::optional<QString> posString;

private:
  QWidget* widget_;
};

struct MsgBoxCall {
  QString text;
  int style;
  QString title;
};

// The program's callback questions (msgBoxThen, pageBoxThen, openModal,
// chooseSaveFile) go through the real gate as the real platform's do: a
// stand-in dialog is opened there and answered on a later turn of the event
// loop, once the gate has shown it. The synchronous ones answer at once.
class FakePlatform : public Platform {
public:
  std::unique_ptr<BrowserPane> createBrowserPane(QWidget* parent) override;
  std::unique_ptr<MediaPlayer> createMediaPlayer(QWidget* parent) override;
  void clearClipboard() override;
  bool setClipboardText(const QString& text) override;
  int msgBox(const QString& text, int style, const QString& title) override;
  void msgBoxThen(const QString& text, int style, const QString& title, SurfaceGate::Way way,
                  std::function<void(int)> answered) override;
  void pageBoxThen(const QObject* pane, const QString& text, int style, const QString& title,
                   bool offerSilence, std::function<void(int, bool)> answered) override;
  void beep() override;
  QSize screenSize() const override { return screen; }
  QString applicationFolder() const override { return folder; }
  int showModal(QDialog& dialog) override;
  void openModal(QDialog* dialog, SurfaceGate::Way way, std::function<void(int)> done) override;
  QString saveFileName(const QString& title, const QString& proposedPath) override;
  // A save choice the test answers itself, when onChooseSave is set.
  void chooseSaveFile(const QString& title, const QString& proposedPath, const QObject* pane,
                      std::function<void(const QString&)> chosen) override;
  void notify(const QString& key, const QString& summary, std::function<void()> open) override {
    events << "notify " + key + " " + summary;
    opens.push_back(std::move(open));
  }
  void setNotificationIcon(const QImage&) override {}

  // Runs the event loop until every question the gate shows has had its
  // answer and what the answers set off has run (held ones keep waiting).
  void settle();

  // What happened, in order: "beep", "clear", "clipboard <text>", "msgbox <title>", "modal
  // <class>", "save <title>", "notify <key> <summary>". A callback question is
  // recorded when the gate shows it.
  QStringList events;
  int beeps = 0;
  QString clipboard;
  bool clipboardWorks = true;
  std::vector<MsgBoxCall> messages;
  std::deque<int> answers; // answers for the next message boxes; vbOK/vbYes when empty
  // Called with each modal window; returns its result. Default: rejected (0).
  std::function<int(QDialog&)> onModal;
  // Answers for the next save-as choices ("" gives up); given up when empty.
  std::deque<QString> saveAnswers;
  QStringList savePathsProposed;
  std::function<void(std::function<void(const QString&)>)> onChooseSave;
  QSize screen{1280, 1024};
  QString folder;
  std::vector<FakeBrowserPane*> panes;
  std::vector<std::function<void()>> opens; // the notifications' "Apri"
  std::vector<FakeMediaPlayer*> players;

private:
  void record(const QString& text, int style, const QString& title);
  int nextAnswer(int style);
  QString nextSaveAnswer();
  // Opens dialog through the gate: shown is called the first time the gate
  // shows it, answer on the next turn of the event loop after each showing
  // while it is still on screen (the disguise may have hidden it meanwhile).
  void openAnswered(QDialog* dialog, SurfaceGate::Way way, std::function<void()> shown,
                    std::function<int(QDialog&)> answer, std::function<void(int)> done);

  int due_ = 0;
  // Last, so gone first: no answer runs once the fake is going.
  std::unique_ptr<QObject> life_ = std::make_unique<QObject>();
};

// Readable failures for Qt strings.
#include <ostream>
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) {
  *os << '{' << l.join(QStringLiteral("|")).toStdString() << '}';
}
