#pragma once
// One running program per user: a later start hands over to the running one
// (which comes to the front) and ends. A lock file in the user's runtime
// folder says whether one runs; a local socket beside it carries the
// hand-over. A lock left by a killed program is stale and taken over. A
// running program that does not answer (busy, or closing) is asked again for
// a while; two programs never share one browser profile.
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

class SingleInstance : public QObject {
  Q_OBJECT
public:
  // folder: where the lock and the socket live (per user); empty for the
  // user's runtime folder.
  explicit SingleInstance(QString folder = {}, QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when this start should end: a running program took the hand-over,
  // or one runs and never answered (unanswered()). Otherwise this one is the
  // running program and listens for later starts.
  bool handedOver();
  bool unanswered() const { return unanswered_; }
  // The lock, to be let go only once the browser engine has closed.
  std::unique_ptr<QLockFile> takeLock();

signals:
  // A later start asked the running program to come to the front.
  void activationRequested();

private:
  bool askRunningProgram();
  void listen();

  QString folder_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer server_;
  bool unanswered_ = false;
};
