#include "portal/Portal.h"

#include "core/beep_sound.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QMimeDatabase>
#include <QSslCertificate>
#include <QSslKey>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>
#include <memory>

// Qt 6.8's HTTP server left its technology preview with another API: a
// server bound to a listening QTcpServer, headers as QHttpHeaders, no socket
// behind a responder.
#define SLV_HTTP_HEADERS (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0))
#if SLV_HTTP_HEADERS
#include <QHttpHeaders>
#include <QSslServer>
#endif

#ifndef SLV_PORTAL_WWW
#define SLV_PORTAL_WWW ""
#endif

namespace {

PortalReply html(const QString& title, const QString& body) {
  PortalReply r;
  r.body = Portal::page(title, body);
  return r;
}

// A quiet tone as a WAV file (8 kHz, mono, 16 bit): the radio stations' stream.
QByteArray toneWav(double seconds, double hz) {
  slv::Tone tone;
  tone.frequencyHz = static_cast<int>(hz);
  tone.durationMs = static_cast<int>(seconds * 1000);
  tone.sampleRate = 8000;
  tone.volume = 0.08;
  const std::string wav = slv::toneWave(tone);
  return QByteArray(wav.data(), static_cast<qsizetype>(wav.size()));
}

// A station's song title, the way internet radio servers send it to players
// that ask: a metadata block after every kIcyInterval bytes of audio.
constexpr int kIcyInterval = 4096;

bool asksIcyMetadata(const QHttpServerRequest& req) {
  // Header names are looked up without regard to case.
  return req.value("Icy-MetaData") == "1";
}

#if SLV_HTTP_HEADERS
// A body without end for the responder to copy to the client: the first
// part, then more again and again while the client listens. The connection
// ending takes it away, timer and all.
class EndlessBody : public QIODevice {
public:
  EndlessBody(QByteArray first, QByteArray more, int everyMs)
      : waiting_(std::move(first)), more_(std::move(more)) {
    open(QIODevice::ReadOnly);
    auto* timer = new QTimer(this);
    QObject::connect(timer, &QTimer::timeout, this, [this] {
      waiting_ += more_;
      emit readyRead();
    });
    timer->start(qMax(1, everyMs));
  }
  bool isSequential() const override { return true; }
  // Never at its end: more is always on its way.
  bool atEnd() const override { return false; }
  qint64 bytesAvailable() const override { return waiting_.size() + QIODevice::bytesAvailable(); }

protected:
  qint64 readData(char* data, qint64 maxSize) override {
    const qint64 n = qMin(maxSize, waiting_.size());
    memcpy(data, waiting_.constData(), static_cast<size_t>(n));
    waiting_.remove(0, n);
    return n;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

private:
  QByteArray waiting_;
  const QByteArray more_;
};
#endif

QByteArray withIcyTitle(const QByteArray& audio, const QByteArray& title) {
  QByteArray block = "StreamTitle='" + title + "';";
  block =
      char((block.size() + 15) / 16) + block.leftJustified(((block.size() + 15) / 16) * 16, '\0');
  QByteArray out;
  for (qsizetype at = 0; at < audio.size(); at += kIcyInterval) {
    out += audio.mid(at, kIcyInterval);
    if (at + kIcyInterval <= audio.size())
      out += at == 0 ? block : QByteArray(1, '\0'); // then: no change
  }
  return out;
}

} // namespace

QByteArray Portal::page(const QString& title, const QString& body) {
  return QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>%1</title>"
                        "<style>body{font-family:sans-serif;background:#eef;margin:16px}"
                        "h1{color:#003}</style></head><body><h1>%1</h1>%2</body></html>")
      .arg(title, body)
      .toUtf8();
}

Portal::Portal() {
  // The board's header, as a common forum software writes it: the
  // notifications with a badge of their own, then the private messages with
  // the unread count in a badge, hidden at zero. Both links are relative: on
  // the messages page the first lands below the messages folder.
  const auto header = [this] {
    return QStringLiteral("<p><a href=\"notifiche.php\">Notifiche <span class=\"badge\">5</span>"
                          "</a> &middot; <a href=\"../msg/\">Messaggi privati "
                          "<span class=\"badge\"%1>%2</span></a></p>")
        .arg(unread > 0 ? QString() : QStringLiteral(" hidden"))
        .arg(unread);
  };
  for (const char* path : {"/forum/notifiche.php", "/msg/notifiche.php"})
    handle(QString::fromLatin1(path), [header](const QHttpServerRequest&) {
      return html(QStringLiteral("Notifiche"), header() + QStringLiteral("<p>5 notifiche.</p>"));
    });
  // A topic whose title and posts look like a count: none of it is one.
  handle(QStringLiteral("/forum/viewtopic.php"), [header](const QHttpServerRequest&) {
    return html(QStringLiteral("(3) domande"),
                header() + QStringLiteral("<div class=\"post\"><p>Guardate qui: <a href=\"/msg/\" "
                                          "class=\"postlink\"><b>42</b></a></p><p>Oggi ho 5 nuovi "
                                          "messaggi!</p></div>"));
  });
  handle(QStringLiteral("/prove/nuovi"), [this](const QHttpServerRequest& req) {
    unread = QUrlQuery(req.url()).queryItemValue(QStringLiteral("n")).toInt();
    return html(QStringLiteral("Messaggi non letti"), QString::number(unread));
  });
  handle(QStringLiteral("/forum/index.php"), [header](const QHttpServerRequest&) {
    return html(QStringLiteral("Indice del forum"),
                header() + QStringLiteral(
                               "<ul><li><a href=\"/forum/viewforum.php?f=101\">101 Calcio</a></li>"
                               "<li><a href=\"/forum/viewforum.php?f=205\">205 Cucina</a></li></ul>"
                               "<p><a href=\"/slow?ms=3000\">Pagina lenta</a></p>"));
  });
  handle(QStringLiteral("/forum/"), [](const QHttpServerRequest&) {
    return html(QStringLiteral("Indice del forum"), QStringLiteral("<p>Tutti i forum.</p>"));
  });
  handle(QStringLiteral("/forum/viewforum.php"), [](const QHttpServerRequest& req) {
    const QString f = QUrlQuery(req.url()).queryItemValue(QStringLiteral("f"), QUrl::FullyDecoded);
    return html(QStringLiteral("Forum f=%1").arg(f.toHtmlEscaped()),
                QStringLiteral("<p>Discussioni del forum %1.</p>"
                               "<ul><li><a href=\"/prove/discussione.html\">L'orto sul "
                               "balcone</a></li><li><a href=\"/forum/viewtopic.php?t=7\">(3) "
                               "domande</a></li></ul>")
                    .arg(f.toHtmlEscaped()));
  });
  handle(QStringLiteral("/forum/viewonline.php"), [](const QHttpServerRequest&) {
    return html(QStringLiteral("Chi c'è in linea"), QStringLiteral("<p>3 utenti in linea.</p>"));
  });
  handle(QStringLiteral("/forum/search.php"), [](const QHttpServerRequest&) {
    return html(QStringLiteral("Cerca"), QStringLiteral("<form><input name=q></form>"));
  });
  handle(QStringLiteral("/login.php"), [](const QHttpServerRequest& req) {
    if (req.method() == QHttpServerRequest::Method::Post) {
      // Logged in: the portal knows the member by a session cookie from now on.
      QByteArray form = req.body();
      form.replace('+', ' ');
      const QString u = QUrlQuery(QString::fromUtf8(form)).queryItemValue(QStringLiteral("u"), QUrl::FullyDecoded);
      PortalReply r = html(QStringLiteral("Benvenuto"),
                           QStringLiteral("<p>Benvenuto, %1.</p>").arg(u.toHtmlEscaped()));
      r.headers.append(qMakePair(QByteArray("Set-Cookie"), "slv_utente=" + QUrl::toPercentEncoding(u) + "; Path=/; HttpOnly"));
      return r;
    }
    return html(QStringLiteral("Login"), QStringLiteral("<form method=post><input name=u>"
                                                        "<input name=p type=password></form>"));
  });
  handle(QStringLiteral("/disclaimer.php"), [](const QHttpServerRequest&) {
    return html(QStringLiteral("Regolamento"), QStringLiteral("<p>Siate gentili.</p>"));
  });
  handle(QStringLiteral("/msg/"), [header](const QHttpServerRequest&) {
    return html(QStringLiteral("Messaggi privati"),
                header() + QStringLiteral("<form><textarea name=testo></textarea></form>"
                                          "<p>Pagine: <a href=\"?p=1\"><b>1</b></a> "
                                          "<a href=\"?p=2\"><b>2</b></a></p>"
                                          "<p><a href=\"/prove/risposta.html\">Rispondi con "
                                          "allegato</a></p>"));
  });
  handle(QStringLiteral("/"), [](const QHttpServerRequest&) {
    return html(QStringLiteral("Posta web"), QStringLiteral("<p>Casella di posta.</p>"));
  });
  // What the ticking page asks once a second.
  handle(QStringLiteral("/prove/tic"), [](const QHttpServerRequest&) {
    return html(QStringLiteral("Tic"), QStringLiteral("<p>tac</p>"));
  });
  // Holds a pane busy: the answer comes after ?ms= milliseconds (default 3000).
  handle(QStringLiteral("/slow"), [](const QHttpServerRequest& req) {
    PortalReply r = html(QStringLiteral("Pagina lenta"), QStringLiteral("<p>Finalmente.</p>"));
    const int ms = QUrlQuery(req.url()).queryItemValue(QStringLiteral("ms")).toInt();
    r.delayMs = ms > 0 ? ms : 3000;
    return r;
  });
  // A members' area behind HTTP sign-in (user "socio", password "segreta").
  handle(QStringLiteral("/prove/protetta"), [](const QHttpServerRequest& req) {
    if (req.value("Authorization") == "Basic " + QByteArray("socio:segreta").toBase64())
      return html(QStringLiteral("Area soci"), QStringLiteral("<p>Benvenuto nell'area soci.</p>"));
    PortalReply r =
        html(QStringLiteral("Accesso negato"), QStringLiteral("<p>Servono nome e password.</p>"));
    r.status = 401;
    r.headers.append(
        qMakePair(QByteArray("WWW-Authenticate"), QByteArray("Basic realm=\"Area soci\"")));
    return r;
  });
  // The two radio stations: their playlists (one in each playlist form) name
  // streams served here. /radio/*.wav?s= gives the stream's length in seconds.
  handle(QStringLiteral("/lattemiele.asx"), [this](const QHttpServerRequest&) {
    PortalReply r;
    r.mimeType = "video/x-ms-asf";
    r.body = QStringLiteral("<ASX VERSION=\"3.0\">\r\n<TITLE>Latte e Miele</TITLE>\r\n<ENTRY>\r\n"
                            "<REF HREF=\"%1\" />\r\n</ENTRY>\r\n</ASX>\r\n")
                 .arg(url(QStringLiteral("/radio/lattemiele.wav")))
                 .toUtf8();
    return r;
  });
  handle(QStringLiteral("/player/rindigital.asx"), [this](const QHttpServerRequest&) {
    PortalReply r;
    r.mimeType = "video/x-ms-asf";
    r.body = QStringLiteral("[Reference]\r\nRef1=%1\r\n").arg(url(QStringLiteral("/radio/italia.wav"))).toUtf8();
    return r;
  });
  // Two troubled stations, for a host given as the portal's host plus a
  // folder: under /cade, Latte e Miele's stream, with its song title, ends
  // after 3 seconds every time; under /spenta, Radio Italia's playlist names a stream server that
  // is gone (nothing listens on port 1).
  handle(QStringLiteral("/cade/lattemiele.asx"), [this](const QHttpServerRequest&) {
    PortalReply r;
    r.mimeType = "video/x-ms-asf";
    r.body = QStringLiteral("<ASX VERSION=\"3.0\"><ENTRY><REF HREF=\"%1\" /></ENTRY></ASX>\r\n")
                 .arg(url(QStringLiteral(
                     "/radio/lattemiele.wav?s=3&amp;titolo=Un%20cantante%20-%20Un%20brano")))
                 .toUtf8();
    return r;
  });
  handle(QStringLiteral("/spenta/player/rindigital.asx"), [](const QHttpServerRequest&) {
    PortalReply r;
    r.mimeType = "video/x-ms-asf";
    r.body = "[Reference]\r\nRef1=http://127.0.0.1:1/radio/italia.wav\r\n";
    return r;
  });
  // Playlists that never end: an address that streams audio at once, fast,
  // and one that trickles a few bytes of text without end, never silent.
  handle(QStringLiteral("/senza-fine/audio.asx"), [](const QHttpServerRequest&) {
    PortalReply r;
    r.mimeType = "audio/mpeg";
    r.body = toneWav(1.0, 440.0);
    r.stream = QByteArray(16 * 1024, '\x55');
    r.streamEveryMs = 5;
    return r;
  });
  handle(QStringLiteral("/senza-fine/goccia.asx"), [](const QHttpServerRequest&) {
    PortalReply r;
    r.mimeType = "video/x-ms-asf";
    r.body = "<ASX VERSION=\"3.0\">\r\n";
    r.stream = "<!-- -->\r\n";
    r.streamEveryMs = 200;
    return r;
  });
  for (const auto& [path, hz] : {std::pair{"/radio/lattemiele.wav", 392.0}, std::pair{"/radio/italia.wav", 330.0}}) {
    const double tone = hz;
    handle(QString::fromLatin1(path), [tone](const QHttpServerRequest& req) {
      const double s = QUrlQuery(req.url()).queryItemValue(QStringLiteral("s")).toDouble();
      PortalReply r;
      r.mimeType = "audio/x-wav";
      r.body = toneWav(s > 0 ? qMin(s, 600.0) : 60.0, tone);
      const QString title =
          QUrlQuery(req.url()).queryItemValue(QStringLiteral("titolo"), QUrl::FullyDecoded);
      if (!title.isEmpty() && asksIcyMetadata(req)) {
        r.body = withIcyTitle(r.body, title.toUtf8());
        r.headers.append(qMakePair(QByteArray("icy-metaint"), QByteArray::number(kIcyInterval)));
      }
      return r;
    });
  }
#if SLV_HTTP_HEADERS
  server_.setMissingHandler(&server_,
                            [this](const QHttpServerRequest& req, QHttpServerResponder& responder) {
                              answer(req, std::move(responder));
                            });
#else
  server_.setMissingHandler([this](const QHttpServerRequest& req, QHttpServerResponder&& responder) {
    answer(req, std::move(responder));
  });
#endif
}

bool Portal::start(quint16 port) {
#if SLV_HTTP_HEADERS
  auto* tcp = new QTcpServer(&server_);
  if (!tcp->listen(QHostAddress::LocalHost, port) || !server_.bind(tcp)) {
    delete tcp;
    return false;
  }
  port_ = tcp->serverPort();
#else
  port_ = server_.listen(QHostAddress::LocalHost, port);
#endif
  clock_.start();
  return port_ != 0;
}

bool Portal::start(quint16 port, const QSslCertificate& certificate, const QSslKey& key) {
#if SLV_HTTP_HEADERS
  auto* tcp = new QSslServer(&server_);
  QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
  tls.setLocalCertificate(certificate);
  tls.setPrivateKey(key);
  tcp->setSslConfiguration(tls);
  if (!tcp->listen(QHostAddress::LocalHost, port) || !server_.bind(tcp)) {
    delete tcp;
    return false;
  }
  port_ = tcp->serverPort();
  clock_.start();
  return port_ != 0;
#else
  server_.sslSetup(certificate, key);
  return start(port);
#endif
}

QString Portal::host() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }
QString Portal::url(const QString& path) const { return QStringLiteral("http://") + host() + path; }

void Portal::handle(const QString& path, Handler h) { handlers_.insert(path, std::move(h)); }

void Portal::answer(const QHttpServerRequest& req, QHttpServerResponder&& responder) {
  const QString path = req.url().path();
  requests << req.url().toString(QUrl::RemoveScheme | QUrl::RemoveAuthority);
  requestTimes[requests.last()] << clock_.elapsed();
  PortalReply reply;
  if (const auto it = handlers_.constFind(path); it != handlers_.constEnd()) {
    reply = (*it)(req);
  } else {
    // Files under www/ are served as they are.
    const QString root = QStringLiteral(SLV_PORTAL_WWW);
    const QString file = QDir::cleanPath(root + path);
    QFile f(file);
    if (!root.isEmpty() && file.startsWith(root) && QFileInfo(file).isFile() &&
        f.open(QIODevice::ReadOnly)) {
      reply.body = f.readAll();
      reply.mimeType = QMimeDatabase().mimeTypeForFile(file).name().toUtf8();
    } else {
      reply.status = 404;
      reply.body = page(QStringLiteral("Pagina non trovata"), path.toHtmlEscaped());
    }
  }
#if SLV_HTTP_HEADERS
  const auto status = static_cast<QHttpServerResponder::StatusCode>(reply.status);
  QHttpHeaders headers;
  headers.append(QHttpHeaders::WellKnownHeader::ContentType, reply.mimeType);
  headers.append(QHttpHeaders::WellKnownHeader::CacheControl, "no-store");
  for (const auto& h : reply.headers)
    headers.append(h.first, h.second);
  if (!reply.stream.isEmpty()) {
    // No length: the body ends when the connection does.
    headers.append(QHttpHeaders::WellKnownHeader::Connection, "close");
    responder.write(new EndlessBody(reply.body, reply.stream, reply.streamEveryMs), headers,
                    status);
    return;
  }
  // The responder gives the length.
  auto send = [body = reply.body, headers, status](QHttpServerResponder& r) {
    r.write(body, headers, status);
  };
#else
  auto send = [reply](QHttpServerResponder& r) {
    r.writeStatusLine(static_cast<QHttpServerResponder::StatusCode>(reply.status));
    r.writeHeader("Content-Type", reply.mimeType);
    if (reply.stream.isEmpty())
      r.writeHeader("Content-Length", QByteArray::number(reply.body.size()));
    else
      r.writeHeader("Connection", "close");
    r.writeHeader("Cache-Control", "no-store");
    for (const auto& h : reply.headers)
      r.writeHeader(h.first, h.second);
    r.writeBody(reply.body);
  };
  if (!reply.stream.isEmpty()) {
    send(responder);
    // The rest goes on while the client listens; the timer ends with the connection.
    QTcpSocket* socket = responder.socket();
    auto held = std::make_shared<QHttpServerResponder>(std::move(responder));
    auto* more = new QTimer(socket);
    QObject::connect(more, &QTimer::timeout, more, [held, socket, more, chunk = reply.stream] {
      if (socket->state() == QAbstractSocket::ConnectedState)
        held->writeBody(chunk);
      else
        more->stop();
    });
    more->start(qMax(1, reply.streamEveryMs));
    return;
  }
#endif
  if (reply.delayMs <= 0) {
    send(responder);
    return;
  }
  auto held = std::make_shared<QHttpServerResponder>(std::move(responder));
  auto* due = new QTimer(&later_);
  due->setSingleShot(true);
  QObject::connect(due, &QTimer::timeout, due, [held, send, due] {
    send(*held);
    due->deleteLater();
  });
  due->start(reply.delayMs);
}
