#pragma once
// A small local portal on loopback for the demo and the end-to-end tests: the
// forum, message, mail and login pages at the portal's paths, a page that
// answers slowly, playlists that never end, and whatever the tests add.
#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QHttpServer>
#include <QObject>
#include <QString>
#include <functional>

class QHttpServerRequest;
class QSslCertificate;
class QSslKey;

struct PortalReply {
  int status = 200;
  QByteArray mimeType = "text/html; charset=utf-8";
  QByteArray body;
  int delayMs = 0; // answer after this long, without blocking the event loop
  // A body without end: after the body, this again and again, every
  // streamEveryMs milliseconds, until the client goes (no Content-Length).
  QByteArray stream;
  int streamEveryMs = 0;
  QList<QPair<QByteArray, QByteArray>> headers;
};

class Portal {
public:
  using Handler = std::function<PortalReply(const QHttpServerRequest&)>;

  Portal();
  // Listens on 127.0.0.1; port 0 takes a free one. Returns false on failure.
  bool start(quint16 port = 0);
  // The same over HTTPS, with this certificate and key.
  bool start(quint16 port, const QSslCertificate& certificate, const QSslKey& key);
  quint16 port() const { return port_; }
  QString host() const;                   // "127.0.0.1:port"
  QString url(const QString& path) const; // "http://127.0.0.1:port" + path

  // Adds or replaces the handler of a path (the query is not part of it).
  void handle(const QString& path, Handler h);
  // Every path asked for, with its query, in order.
  QStringList requests;
  // When each of them was asked for, in milliseconds since the portal started.
  QHash<QString, QList<qint64>> requestTimes;

  static QByteArray page(const QString& title, const QString& body);

  // The unread private messages the header of the forum index and of the
  // messages page tells; /prove/nuovi?n= sets it.
  int unread = 0;

private:
  void answer(const QHttpServerRequest& req, QHttpServerResponder&& responder);
  QHttpServer server_;
  QHash<QString, Handler> handlers_;
  quint16 port_ = 0;
  QElapsedTimer clock_;
  // Holds the answers still to be sent. Declared after the server, so it goes
  // first: a reply held past its server crashes when it is let go.
  QObject later_;
};
