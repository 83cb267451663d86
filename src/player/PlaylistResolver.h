#pragma once
#include <QObject>
#include <QPointer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// Downloads a station playlist and follows it to the stream it names, since
// the engine cannot read playlists. A playlist naming another playlist is
// followed a few steps deep; references are taken relative to the playlist's
// own address. One request at a time: a new one or cancel() drops the one
// running, and nothing is heard from it afterwards. A playlist is small and
// quick: an answer larger than maxBytes, or not whole after maxMs (an address
// that streams audio, a body without end), fails.
class PlaylistResolver : public QObject {
  Q_OBJECT
public:
  static constexpr qint64 kMaxBytes = 64 * 1024;
  static constexpr int kMaxMs = 15000;

  explicit PlaylistResolver(QObject* parent = nullptr, qint64 maxBytes = kMaxBytes,
                            int maxMs = kMaxMs);
  ~PlaylistResolver() override;

  void resolve(const QUrl& playlist);
  void cancel();
  // A playlist is being fetched.
  bool busy() const { return !reply_.isNull(); }

signals:
  void resolved(const QUrl& stream);
  // Unreachable, or no stream named in what came back.
  void failed();

private:
  void fetch(const QUrl& playlist, int depth);
  // Ends a reply over its bounds; it then fails as an unreachable one does.
  void drop(QNetworkReply* reply);

  QNetworkAccessManager* net_;
  qint64 maxBytes_;
  int maxMs_;
  QPointer<QNetworkReply> reply_; // the request whose answer still counts
};
