// The real program under X: the boss alarm, the password dialogs, and closing
// from outside the way a window manager or the session does it.
#include "e2e/E2E.h"

#include "player/MediaPlayer.h"
#include "privacy/frmProtect.h"
#include "privacy/frmRestore.h"
#include "ui/Widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <deque>
#include <gtest/gtest.h>

// Sends the window the close request a window manager sends for its close box
// (defined at the end: the X11 headers do not mix with Qt's).
void askToCloseFromOutside(WId window);

namespace {

// Answers the program's modal windows from a timer, as a user would: each
// step waits for a modal window it recognises, lets it settle, then acts.
class User : public QObject {
public:
  struct Step {
    QString what;
    std::function<bool(QWidget*)> matches;
    std::function<void(QWidget*)> act;
  };

  User() {
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, &User::tick);
    timer_.start();
  }

  void then(Step s) { steps_.push_back(std::move(s)); }
  bool done() const { return steps_.empty() && !pending_; }
  QStringList log, problems;

  static Step message(const QString& text, const QString& button) {
    return {"message \"" + text + "\" -> " + button,
            [text](QWidget* m) {
              auto* box = qobject_cast<QMessageBox*>(m);
              return box && box->text() == text;
            },
            [button](QWidget* m) {
              for (QAbstractButton* b : static_cast<QMessageBox*>(m)->buttons())
                if (b->text().remove('&') == button)
                  return b->click();
              ADD_FAILURE() << "no button " << button.toStdString();
            }};
  }
  template <class Dialog>
  static Step dialog(const QString& what, std::function<void(Dialog&)> act) {
    return {what, [](QWidget* m) { return qobject_cast<Dialog*>(m) != nullptr; },
            [act](QWidget* m) { act(*static_cast<Dialog*>(m)); }};
  }

private:
  void tick() {
    QWidget* m = QApplication::activeModalWidget();
    if (m != seen_) {
      seen_ = m;
      stable_ = 0;
      return;
    }
    if (m == nullptr || pending_ || !m->isVisible() || ++stable_ < 3)
      return; // let it paint before acting or taking its picture
    if (steps_.empty() || !steps_.front().matches(m)) {
      if (stable_ > 80) { // nobody expected this one: do not hang the test
        problems << "unexpected modal window: " + m->windowTitle();
        m->close();
      }
      return;
    }
    Step s = std::move(steps_.front());
    steps_.pop_front();
    log << s.what;
    pending_ = true;
    stable_ = 0;
    // Acting may open a nested loop (a message box from a button): act from the
    // event loop, not from inside this timer's own tick.
    QTimer::singleShot(0, this, [this, s, m] {
      pending_ = false;
      s.act(m);
    });
  }

  QTimer timer_;
  std::deque<Step> steps_;
  QWidget* seen_ = nullptr;
  int stable_ = 0;
  bool pending_ = false;
};

// Ten seconds of a quiet tone, so the player has something real to play.
QString writeTone(const QString& folder) {
  const QString path = folder + "/tono.wav";
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly))
    return {};
  const quint32 rate = 22050, samples = rate * 10, bytes = samples * 2;
  QDataStream out(&f);
  out.setByteOrder(QDataStream::LittleEndian);
  out.writeRawData("RIFF", 4);
  out << quint32(36 + bytes);
  out.writeRawData("WAVEfmt ", 8);
  out << quint32(16) << quint16(1) << quint16(1) << rate << quint32(rate * 2) << quint16(2)
      << quint16(16);
  out.writeRawData("data", 4);
  out << bytes;
  for (quint32 i = 0; i < samples; ++i)
    out << qint16(2000 * std::sin(2 * M_PI * 440 * i / rate));
  return path;
}

// The window's title as the X server holds it, for anyone outside to read.
QString xTitle(WId window) {
  QProcess p;
  p.start("xprop", {"-id", QString::number(window), "_NET_WM_NAME"});
  p.waitForFinished(5000);
  return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QImage iconOf(const QWidget* w) {
  return w->windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_RGB32);
}

// The program on its own portal and folder, as every end-to-end test starts it.
struct Program : e2e::Run {
  frmNRV_SLV3* start() { return serve() ? Run::start() : nullptr; }
};

const QString kNotice = QStringLiteral(
    "E' Stata invocata la chiusura dell'applicazione. Il Programma si sproteggerà automaticamente");

} // namespace

TEST(Privacy, AlarmDisguisesTheWindowThenClosingFromOutsideGivesTheNoticeAndEnds) {
  Program prog;
  frmNRV_SLV3* w = prog.start();
  ASSERT_NE(w, nullptr);
  User user;

  // A password, through the real dialog.
  user.then(User::dialog<frmProtect>("frmProtect", [](frmProtect& d) {
    QTest::keyClicks(d.txtPassword, "Gatto#99");
    QTest::keyClicks(d.txtConferma, "Gatto#99");
    QTest::qWait(300); // let the typing reach the screen
    e2e::screenshot(&d, "privacy-frmProtect");
    EXPECT_EQ(d.txtPassword->displayText(), QString(8, QChar(0x2022)));
    d.cmdOk->click();
  }));
  user.then(User::message("Il SOLVARINO 3w è ora protetto da Password", "OK"));
  w->mnuPassword->trigger();
  ASSERT_TRUE(e2e::waitFor([&] { return user.done(); }, 10000))
      << user.log.join(", ").toStdString();
  EXPECT_TRUE(w->mnuPassword->isChecked());

  // Music playing, then the alarm from the picture button.
  const QString tone = writeTone(prog.folder.path());
  w->WMP->setURL(tone);
  w->WMP->play();
  ASSERT_TRUE(e2e::waitFor([&] { return w->WMP->playState() == 3; }, 10000));
  const WId id = w->winId();
  EXPECT_EQ(xTitle(id), "_NET_WM_NAME(UTF8_STRING) = \"" + frmNRV_SLV3::normalCaption() + "\"");
  QTest::mouseClick(w->pboAllarme, Qt::LeftButton);
  ASSERT_TRUE(e2e::waitFor([&] { return w->windowTitle() == "Microsoft Excel"; }, 5000));
  EXPECT_TRUE(e2e::waitFor([&] { return xTitle(id).endsWith("\"Microsoft Excel\""); }, 5000));
  EXPECT_EQ(iconOf(w), w->imgXLSico->pixmap().toImage().convertToFormat(QImage::Format_RGB32));
  EXPECT_NE(w->WMP->playState(), 3);
  EXPECT_TRUE(w->isMinimized());
  QTest::qWait(500);
  EXPECT_NE(w->WMP->playState(), 3);

  // Xvfb has no window manager: minimising only changes the state Qt keeps
  // (the X window stays mapped, showing the blank sheet), and nothing brings
  // it back by itself. showNormal delivers the same state change a task bar
  // click does, so the test checks Qt's state, not the mapping.
  // Brought back: the unlock dialog over the blank sheet; a wrong password,
  // then Annulla sends it back.
  user.then(User::dialog<frmRestore>("frmRestore", [](frmRestore& d) {
    QTest::keyClicks(d.txtPassword, "gatto#99");
    QTest::qWait(300);
    e2e::screenshot(&d, "privacy-frmRestore");
    e2e::screenshot(d.parentWidget(), "privacy-restoring-disguised");
    d.cmdOk->click();
  }));
  user.then(User::message("La password inserita non è corretta", "OK"));
  user.then(User::dialog<frmRestore>("frmRestore again", [](frmRestore& d) {
    EXPECT_EQ(d.txtPassword->text(), "gatto#99");
    d.cmdCancel->click();
  }));
  w->showNormal();
  ASSERT_TRUE(e2e::waitFor([&] { return user.done(); }, 15000))
      << user.log.join(", ").toStdString();
  EXPECT_TRUE(e2e::waitFor([&] { return w->isMinimized(); }, 3000));
  EXPECT_EQ(w->windowTitle(), "Microsoft Excel");
  EXPECT_TRUE(prog.state.AlarmActive);

  // Closed from outside: the notice, no password, and the program ends.
  user.then(User::message(kNotice, "OK"));
  askToCloseFromOutside(id);
  ASSERT_TRUE(e2e::waitFor([&] { return user.done(); }, 10000))
      << user.log.join(", ").toStdString();
  EXPECT_TRUE(e2e::waitFor([&] { return !w->isVisible(); }, 5000));
  // No window is left, which is what ends the program's event loop.
  EXPECT_TRUE(e2e::waitFor(
      [] {
        const auto windows = QGuiApplication::topLevelWindows();
        return std::none_of(windows.begin(), windows.end(),
                            [](QWindow* t) { return t->isVisible(); });
      },
      5000));
  EXPECT_TRUE(user.problems.isEmpty()) << user.problems.join(", ").toStdString();
}

TEST(Privacy, ClosingFromOutsideAsksAndNoKeepsTheProgramRunning) {
  Program prog;
  frmNRV_SLV3* w = prog.start();
  ASSERT_NE(w, nullptr);
  User user;
  user.then({"FINE SESSIONE -> No",
             [](QWidget* m) {
               auto* box = qobject_cast<QMessageBox*>(m);
               return box && box->windowTitle() == "FINE SESSIONE";
             },
             [](QWidget* m) {
               auto* box = static_cast<QMessageBox*>(m);
               EXPECT_EQ(box->text(), "Chiudere il SOLVARINO 3_w ?");
               e2e::screenshot(box, "privacy-fine-sessione");
               for (QAbstractButton* b : box->buttons())
                 if (b->text() == "&No")
                   b->click();
             }});
  askToCloseFromOutside(w->winId());
  ASSERT_TRUE(e2e::waitFor([&] { return user.done(); }, 10000));
  QTest::qWait(1000);
  EXPECT_TRUE(w->isVisible());
  EXPECT_FALSE(w->isMinimized());
  EXPECT_TRUE(w->tmrBusy->isActive());
  EXPECT_TRUE(user.problems.isEmpty()) << user.problems.join(", ").toStdString();
  e2e::screenshot(w, "privacy-still-running");

  // The watchdog's way out asks nothing.
  prog.state.ForceClose = true;
  EXPECT_TRUE(e2e::waitFor([&] { return !w->isVisible(); }, 2000));
}

#include <X11/Xlib.h>

void askToCloseFromOutside(WId window) {
  Display* d = XOpenDisplay(nullptr);
  ASSERT_NE(d, nullptr);
  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = static_cast<Window>(window);
  ev.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  ev.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, static_cast<Window>(window), False, NoEventMask, &ev);
  XFlush(d);
  XCloseDisplay(d);
}
