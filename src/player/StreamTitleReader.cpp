#include "player/StreamTitleReader.h"

#include "desktop/Strings.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// What the network may hold for us between two reads; the rest waits in the
// socket, and the station's server paces itself by it.
constexpr qint64 kBufferBytes = 64 * 1024;

} // namespace

StreamTitleReader::StreamTitleReader(QObject* parent)
    : QObject(parent), net_(new QNetworkAccessManager(this)) {}

StreamTitleReader::~StreamTitleReader() {
  stop();
}

void StreamTitleReader::start(const QUrl& stream) {
  if (stream != stream_)
    clear();
  else if (reading())
    return;
  stop();
  stream_ = stream;
  icy_.reset();
  QNetworkRequest request(stream);
  request.setRawHeader("Icy-MetaData", "1");
  QNetworkReply* reply = net_->get(request);
  reply->setReadBufferSize(kBufferBytes);
  reply_ = reply;
  connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply != reply_ || icy_ || (status >= 300 && status < 400))
      return; // a redirection is followed to the stream itself
    const auto interval = slv::icyInterval(reply->rawHeader("icy-metaint").toStdString());
    if (!interval) {
      stop(); // it sends no titles: no second stream for nothing
      return;
    }
    icy_.emplace(*interval);
  });
  connect(reply, &QNetworkReply::readyRead, this, [this, reply] {
    if (reply == reply_)
      read();
  });
  connect(reply, &QNetworkReply::finished, this, [this, reply] {
    reply->deleteLater();
    if (reply == reply_) {
      read();
      reply_ = nullptr;
    }
  });
}

void StreamTitleReader::read() {
  const QByteArray bytes = reply_->readAll();
  if (icy_ && icy_->feed(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))))
    setTitle(slv::qs(icy_->title()));
}

void StreamTitleReader::stop() {
  if (QNetworkReply* r = reply_) {
    reply_ = nullptr;
    r->abort();
  }
}

void StreamTitleReader::clear() {
  stop();
  stream_.clear();
  setTitle(QString());
}

void StreamTitleReader::setTitle(const QString& title) {
  if (title == title_)
    return;
  title_ = title;
  emit titleChanged();
}
