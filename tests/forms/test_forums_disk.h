#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

// A disk that fills up: while an object of this class lives, no file of the
// process grows beyond the given size, so a write stops halfway as it does
// on a full disk. Unlike a read-only folder it holds for root too. A POSIX
// facility: the tests that use it are built where it exists.
#if !defined(_WIN32)
#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
public:
  explicit FileSizeLimit(rlim_t bytes) {
    old_ = std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a dead process
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit l = saved_;
    l.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &l);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, old_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
  rlimit saved_{};
  void (*old_)(int) = nullptr;
};
#endif

// The bytes of a file, or "<missing>" when it cannot be read.
inline QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Replaces a file's content; false when it cannot.
inline bool put(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
