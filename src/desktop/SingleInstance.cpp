#include "desktop/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {
const QByteArray kRequest = "raise\n";
const QByteArray kAnswer = "ok\n";
// The running program answers from its event loop, which a busy start-up
// holds up for a moment.
constexpr int kAnswerMs = 5000;
// How long a start waits for a running program that does not answer.
constexpr int kRetryMs = 10000;
constexpr int kPauseMs = 250;
} // namespace

SingleInstance::SingleInstance(QString folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)) {
  if (folder_.isEmpty())
    folder_ = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* s = server_.nextPendingConnection()) {
      connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
      connect(s, &QLocalSocket::readyRead, this, [this, s] {
        if (!s->canReadLine())
          return;
        if (s->readLine() == kRequest) {
          s->write(kAnswer);
          s->flush();
          emit activationRequested();
        }
        s->disconnectFromServer();
      });
    }
  });
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handedOver() {
  QDir().mkpath(folder_);
  lock_ = std::make_unique<QLockFile>(folder_ + QStringLiteral("/solvarino3w.lock"));
  QElapsedTimer waited;
  waited.start();
  for (;;) {
    // A lock whose program no longer runs is taken over at once.
    if (lock_->tryLock(0)) {
      listen();
      return false;
    }
    // Held by a running program of ours: it answers, or it is starting or
    // closing and is asked again.
    if (askRunningProgram())
      return true;
    if (waited.elapsed() >= kRetryMs) {
      unanswered_ = true;
      return true;
    }
    QThread::msleep(kPauseMs);
  }
}

std::unique_ptr<QLockFile> SingleInstance::takeLock() {
  server_.close();
  return std::move(lock_);
}

bool SingleInstance::askRunningProgram() {
  QLocalSocket socket;
  socket.connectToServer(folder_ + QStringLiteral("/solvarino3w.socket"));
  if (!socket.waitForConnected(kAnswerMs))
    return false;
  socket.write(kRequest);
  if (!socket.waitForBytesWritten(kAnswerMs))
    return false;
  while (!socket.canReadLine())
    if (!socket.waitForReadyRead(kAnswerMs))
      return false;
  return socket.readLine() == kAnswer;
}

void SingleInstance::listen() {
  const QString name = folder_ + QStringLiteral("/solvarino3w.socket");
  // We hold the lock, so a socket left there is a killed program's.
  QLocalServer::removeServer(name);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  server_.listen(name); // when it fails, later starts find no one answering and end
}
