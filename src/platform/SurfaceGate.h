#pragma once
// The one gate for what the program puts in front of a person besides the
// main window's own content: message boxes, dialogs, pages' questions,
// download results. It knows the boss alarm's disguise: while it stands,
// every other window of the program is out of sight, a question waits (its
// caller waits with it) and a notice is kept; after the restore they come
// back in the order they came. A page's question also waits until its pane
// is in front. Driven by events: a request, the disguise ending, the pane in
// front changing.
#include "core/surface_gate.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <cstdint>
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
  // they were, then what waited, one at a time.
  void setDisguised(bool on, QWidget* mainWindow = nullptr);

  // The panes whose questions wait for them to be in front, and the one in
  // front now. Anything else asking counts as the program's own.
  void addPane(const QObject* pane);
  void setFront(const QObject* pane);

  // Shows the dialog when it may (now, after the restore, when its pane is
  // in front) and waits for the answer, the rest of the program running on.
  // Returns the dialog's result; QDialog::Rejected when it was dropped.
  int ask(QDialog& dialog, const QObject* pane = nullptr);
  // Runs show now, or after the restore when disguised.
  void tell(std::function<void()> show);
  // Answers with their defaults what waits for this pane (its page went),
  // or everything (the program is closing).
  void dropPane(const QObject* pane);
  void dropAll();
  // A question for this pane is open or waiting.
  bool waitsFor(const QObject* pane) const;

  // The disguise's own questions (restore, password) pass while it stands.
  class Passage {
  public:
    explicit Passage(SurfaceGate& gate) : gate_(gate) { ++gate_.passage_; }
    ~Passage() { --gate_.passage_; }
    Passage(const Passage&) = delete;
    Passage& operator=(const Passage&) = delete;

  private:
    SurfaceGate& gate_;
  };

signals:
  // After the disguise went on, and after it came off (the restore done).
  void disguiseChanged(bool on);

private:
  struct Waiting {
    QPointer<QDialog> dialog;     // a question
    std::function<void()> notice; // or a notice
  };
  int scopeOf(const QObject* pane) const;
  void release();
  static void present(QDialog& dialog);

  slv::GateState state_;
  slv::SurfaceQueue queue_;
  QHash<int, Waiting> waiting_;
  QHash<int, QPointer<QDialog>> open_; // every question not yet answered
  QHash<const QObject*, int> panes_;
  QList<QPointer<QWidget>> hidden_;
  int lastId_ = 0;
  int passage_ = 0;
  bool releasing_ = false; // a released item is in front: the next waits for it
};
