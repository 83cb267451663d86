#include "player/PlaylistResolver.h"

#include "core/asx.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <memory>

namespace {

// A playlist that names another playlist is followed this far, no further.
constexpr int kMaxPlaylistDepth = 3;

} // namespace

PlaylistResolver::PlaylistResolver(QObject* parent, qint64 maxBytes, int maxMs)
    : QObject(parent), net_(new QNetworkAccessManager(this)), maxBytes_(maxBytes),
      maxMs_(maxMs) {}

PlaylistResolver::~PlaylistResolver() {
  cancel();
}

void PlaylistResolver::resolve(const QUrl& playlist) {
  cancel();
  fetch(playlist, 0);
}

void PlaylistResolver::cancel() {
  if (QNetworkReply* r = reply_) {
    reply_ = nullptr;
    r->abort();
  }
}

void PlaylistResolver::drop(QNetworkReply* reply) {
  // Aborted, the reply finishes at once, with an error: the failure path.
  if (reply == reply_ && reply->isRunning())
    reply->abort();
}

void PlaylistResolver::fetch(const QUrl& playlist, int depth) {
  QNetworkReply* reply = net_->get(QNetworkRequest(playlist));
  reply_ = reply;
  // The body is taken as it comes, so what piles up is counted: past
  // maxBytes_ (or announced so) the answer is no playlist.
  auto body = std::make_shared<QByteArray>();
  connect(reply, &QNetworkReply::readyRead, this, [this, reply, body] {
    body->append(reply->readAll());
    if (body->size() > maxBytes_ ||
        reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > maxBytes_)
      drop(reply);
  });
  // Whole within maxMs_, silent or not.
  auto* deadline = new QTimer(reply);
  deadline->setSingleShot(true);
  connect(deadline, &QTimer::timeout, this, [this, reply] { drop(reply); });
  deadline->start(maxMs_);
  connect(reply, &QNetworkReply::finished, this, [this, reply, body, playlist, depth] {
    reply->deleteLater();
    if (reply != reply_)
      return; // cancelled or replaced
    reply_ = nullptr;
    if (reply->error() == QNetworkReply::NoError)
      body->append(reply->readAll());
    else
      body->clear();
    const auto ref = slv::asx::firstReference(std::string_view(body->constData(), body->size()));
    if (!ref) {
      emit failed();
      return;
    }
    const QUrl target =
        playlist.resolved(QUrl(QString::fromStdString(slv::asx::playableAddress(*ref))));
    if (slv::asx::isPlaylistAddress(target.toString().toStdString()) && depth < kMaxPlaylistDepth) {
      fetch(target, depth + 1);
      return;
    }
    emit resolved(target);
  });
}
