#pragma once
// The one gate for what the program puts in front of a person besides the
// main window's own content: message boxes, dialogs, pages' questions,
// download results. It knows the boss alarm's disguise: while it stands,
// every other window of the program is out of sight, a question waits (its
// caller waits with it) and a notice is kept; after the restore they come
// back in the order they came. A page's question also waits until its pane
// is in front. Driven by events: a request, the disguise ending, the pane in
// front changing, an answer.
//
// The program's own questions and a page's boxes are opened and answered
// through a callback (open), so answering one never waits on another. Only
// what must be answered before its caller can go on (what the engine still
// asks synchronously: a file choice, a sign-in, the few boxes a page cannot
// ask through the program; and the program's modal windows) waits in a loop
// of its own (ask); those loops nest, and an answered question whose loop
// cannot end yet has the ones inside it shown first.
#include "core/surface_gate.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QDialog;
class QWidget;

class SurfaceGate : public QObject {
  Q_OBJECT
public:
  explicit SurfaceGate(QObject* parent = nullptr);
  ~SurfaceGate() override;

  bool disguised() const { return state_.disguised; }

  // The disguise goes on: every visible window of the program but
  // mainWindow goes out of sight at once, unanswered. Off: they come back as
  // they were, then what waited, one at a time, once the restore is over.
  void setDisguised(bool on, QWidget* mainWindow = nullptr);

  // The panes whose questions wait for them to be in front, and the one in
  // front now. Anything else asking counts as the program's own.
  void addPane(const QObject* pane);
  void setFront(const QObject* pane);

  // Whose a question is.
  struct Way {
    const QObject* pane = nullptr; // held while this pane is behind; holds only it
    bool ofPage = false;           // the page's own: dropped when the page goes
    bool disguiseOwn = false;      // the restore question or the password box
    bool engineWaits = false;      // the browser engine waits on it: see EngineWait
  };

  // Shows the dialog when it may and returns at once; answered runs once with
  // the dialog's result (QDialog::Rejected when it was dropped). The gate
  // deletes the dialog afterwards.
  void open(QDialog* dialog, Way way, std::function<void(int)> answered = {});
  // Shows the dialog when it may and waits for the answer in a loop of its
  // own, the rest of the program running on. Returns the dialog's result;
  // QDialog::Rejected when it was dropped.
  int ask(QDialog& dialog, const QObject* pane = nullptr);
  int ask(QDialog& dialog, Way way);
  // Runs show now, or after the restore when disguised. Returns the kept
  // notice's number for untell; 0 when shown at once.
  int tell(std::function<void()> show);
  // A kept notice no longer to be shown (what it tells went meanwhile).
  void untell(int id);

  // A question for this pane is open or waiting.
  bool waitsFor(const QObject* pane) const;
  // Answers with their defaults the page's questions of this pane, shown or
  // waiting (the page crashed, loaded anew or went), or, with everything,
  // the pane's downloads too (the pane is gone).
  void dropPane(const QObject* pane, bool everything = false);
  // Every question gets its default answer (the program is closing).
  void dropAll();

  // The next question asked belongs to the disguise's own box that asks it
  // (its message after a wrong password, the notice of closing the disguised
  // window); nothing else passes with it.
  class Passage {
  public:
    explicit Passage(SurfaceGate& gate) : gate_(gate) { gate_.passNext_ = true; }
    ~Passage() { gate_.passNext_ = false; }
    Passage(const Passage&) = delete;
    Passage& operator=(const Passage&) = delete;

  private:
    SurfaceGate& gate_;
  };

  // The next question asked is one the browser engine waits on, every pane
  // with it (a page's box it asks synchronously, sign-in): it is never held
  // for a pane behind, whose pane comes to the front with it instead; only
  // the disguise holds it.
  class EngineWait {
  public:
    explicit EngineWait(SurfaceGate& gate) : gate_(gate) { gate_.engineNext_ = true; }
    ~EngineWait() { gate_.engineNext_ = false; }
    EngineWait(const EngineWait&) = delete;
    EngineWait& operator=(const EngineWait&) = delete;

  private:
    SurfaceGate& gate_;
  };

signals:
  // After the disguise went on, and after it came off (the restore done).
  void disguiseChanged(bool on);
  // Before the pane's questions are dropped because it goes, and before
  // everything is dropped because the program closes: who would ask again
  // on an answer stops first.
  void paneGone(const QObject* pane);
  void closing();
  // A question the engine waits on shows now: its pane must come to the front.
  void paneForward(const QObject* pane);

private:
  struct Entry {
    QPointer<QDialog> dialog;          // a question
    std::function<void(int)> answered; // opened: its caller's callback
    std::function<void()> notice;      // or a notice
    Way way;
    bool shown = false;
  };
  int scopeOf(const QObject* pane) const;
  int enter(QDialog& dialog, Way way, std::function<void(int)> answered);
  void finish(int id, int result);
  void show(int id, slv::SurfaceAction action = slv::SurfaceAction::Show);
  void release();
  void releaseLater();
  void holdPane(const QObject* pane, int delta);

  slv::GateState state_;
  slv::SurfaceQueue queue_;
  slv::NestedQuestions nested_;
  QHash<int, Entry> entries_; // every question not yet answered, every notice kept
  QHash<const QObject*, int> panes_;
  QHash<const QObject*, int> held_; // questions holding each pane
  QList<QPointer<QWidget>> hidden_;
  int lastId_ = 0;
  bool passNext_ = false;
  bool engineNext_ = false;
  int releasing_ = 0; // the released question in front: the next waits for its answer
  bool releaseQueued_ = false;
};
