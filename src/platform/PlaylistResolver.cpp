#include "platform/PlaylistResolver.h"

#include "core/asx.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// A playlist that names another playlist is followed this far, no further.
constexpr int kMaxPlaylistDepth = 3;
constexpr int kPlaylistTimeoutMs = 15000;

} // namespace

PlaylistResolver::PlaylistResolver(QObject* parent)
    : QObject(parent), net_(new QNetworkAccessManager(this)) {}

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

void PlaylistResolver::fetch(const QUrl& playlist, int depth) {
  QNetworkRequest request(playlist);
  request.setTransferTimeout(kPlaylistTimeoutMs);
  QNetworkReply* reply = net_->get(request);
  reply_ = reply;
  connect(reply, &QNetworkReply::finished, this, [this, reply, playlist, depth] {
    reply->deleteLater();
    if (reply != reply_)
      return; // cancelled or replaced
    reply_ = nullptr;
    const QByteArray body =
        reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
    const auto ref = slv::asx::firstReference(std::string_view(body.constData(), body.size()));
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
