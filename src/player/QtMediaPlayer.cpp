#include "player/QtMediaPlayer.h"

#include "core/asx.h"
#include "player/PlayerBar.h"
#include "player/PlaylistResolver.h"
#include "player/StreamTitleReader.h"

#include <QAudioOutput>
#include <QDir>
#include <QMediaMetaData>
#include <QMediaPlayer>

namespace {

// WMP's numbering of play states, which the rest of the program speaks.
enum PlayState {
  psUndefined = 0,
  psStopped = 1,
  psPaused = 2,
  psPlaying = 3,
  psBuffering = 6,
  psTransitioning = 9,
  psReady = 10
};

QString clock(qint64 ms) {
  const qint64 s = ms / 1000;
  if (s >= 3600)
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
  return QStringLiteral("%1:%2")
      .arg(s / 60, 2, 10, QLatin1Char('0'))
      .arg(s % 60, 2, 10, QLatin1Char('0'));
}

// Local paths become file addresses; "folder" + "/" + name may carry a double
// slash after a root folder, which a file address must not (it would name a host).
QUrl engineUrl(const QString& address) {
  const QUrl u(address);
  if (u.isValid() && u.scheme().size() > 1)
    return u;
  return QUrl::fromLocalFile(QDir::cleanPath(address));
}

// GStreamer reads a station's song titles and passes them on; Qt's FFmpeg back
// end, the default from Qt 6.5, passes none. SLV_OWN_STREAM_TITLES builds a
// program that reads them itself anyway and does not listen to the engine's.
bool engineTellsStreamTitles() {
#ifdef SLV_OWN_STREAM_TITLES
  return false;
#else
  const QByteArray chosen = qgetenv("QT_MEDIA_BACKEND");
  if (!chosen.isEmpty())
    return chosen == "gstreamer";
  return QT_VERSION < QT_VERSION_CHECK(6, 5, 0);
#endif
}

} // namespace

QtMediaPlayer::QtMediaPlayer(QWidget* parent)
    : MediaPlayer(parent), player_(new QMediaPlayer(this)), audio_(new QAudioOutput(this)),
      resolver_(new PlaylistResolver(this)), bar_(new PlayerBar(parent)),
      titles_(engineTellsStreamTitles() ? nullptr : new StreamTitleReader(this)) {
  // With no sound device the engine still plays (into nothing) and keeps time.
  player_->setAudioOutput(audio_);
  audio_->setVolume(0.5f);
  player_->setVideoSink(bar_->videoSink());
  connect(player_, &QMediaPlayer::sourceChanged, bar_, &PlayerBar::clearPicture);

  connect(bar_, &PlayerBar::playPauseRequested, this, [this] {
    if (player_->playbackState() == QMediaPlayer::PlayingState)
      player_->pause();
    else
      play();
  });
  connect(bar_, &PlayerBar::playRequested, this, &QtMediaPlayer::play);
  connect(bar_, &PlayerBar::pauseRequested, player_, &QMediaPlayer::pause);
  connect(bar_, &PlayerBar::stopRequested, this, &QtMediaPlayer::stop);
  connect(bar_, &PlayerBar::seekRequested, this, [this](qint64 ms) {
    if (player_->isSeekable())
      player_->setPosition(ms);
  });
  connect(bar_, &PlayerBar::volumeChanged, this,
          [this](int v) { audio_->setVolume(static_cast<float>(v) / 100.0f); });
  refreshControls();

  connect(resolver_, &PlaylistResolver::resolved, this, &QtMediaPlayer::streamResolved);
  connect(resolver_, &PlaylistResolver::failed, this, &QtMediaPlayer::resolveFailed);

  connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus s) {
    if (s == QMediaPlayer::BufferingMedia || s == QMediaPlayer::StalledMedia) {
      if (!buffering_) {
        buffering_ = true;
        emit Buffering(true);
      }
    } else if (buffering_) {
      buffering_ = false;
      emit Buffering(false);
    }
    if (s == QMediaPlayer::EndOfMedia) {
      // Told after the engine's own handler has returned, so that a listener may
      // start the next item; dropped if another item was chosen meanwhile.
      const int g = generation_;
      QMetaObject::invokeMethod(
          this,
          [this, g] {
            if (g == generation_)
              emit EndOfStream(0);
          },
          Qt::QueuedConnection);
    }
    refreshControls();
  });
  connect(player_, &QMediaPlayer::errorOccurred, this,
          [this](QMediaPlayer::Error e, const QString&) {
            if (e == QMediaPlayer::NoError)
              return;
            // What cannot be played does not start; no message, as the program wants.
            failed_ = true;
            wantPlay_ = false;
            player_->stop();
            refreshControls();
            reportFailure();
          });
  connect(player_, &QMediaPlayer::metaDataChanged, this, [this] {
#ifndef SLV_OWN_STREAM_TITLES
    engineTitle_ = player_->metaData().stringValue(QMediaMetaData::Title);
#endif
    updateTitle();
  });
  if (titles_)
    connect(titles_, &StreamTitleReader::titleChanged, this, &QtMediaPlayer::updateTitle);
  connect(player_, &QMediaPlayer::playbackStateChanged, this, [this] {
    followStreamTitles();
    refreshControls();
  });
  connect(player_, &QMediaPlayer::bufferProgressChanged, this, &QtMediaPlayer::refreshControls);
  connect(player_, &QMediaPlayer::durationChanged, this, [this](qint64 ms) {
    bar_->setDuration(ms);
    refreshControls();
  });
  connect(player_, &QMediaPlayer::positionChanged, this, [this](qint64 ms) {
    bar_->setPosition(ms);
    refreshControls();
  });
}

QtMediaPlayer::~QtMediaPlayer() = default;

QWidget* QtMediaPlayer::widget() {
  return bar_;
}
int QtMediaPlayer::volume() const {
  return bar_->volume();
}

bool QtMediaPlayer::isPlaylist() const {
  return slv::asx::isPlaylistAddress(url_.toStdString());
}

void QtMediaPlayer::setURL(const QString& address) {
  resolver_->cancel();
  if (titles_ && address != url_)
    titles_->clear();
  ++generation_;
  url_ = address;
  note_.clear();
  failed_ = false;
  wantPlay_ = false;
  if (isPlaylist()) {
    stream_ = QUrl();
    player_->setSource(QUrl());
    resolver_->resolve(QUrl(address));
  } else {
    stream_ = address.isEmpty() ? QUrl() : engineUrl(address);
    player_->setSource(stream_);
  }
  refreshControls();
}

QString QtMediaPlayer::URL() const {
  return url_;
}

void QtMediaPlayer::streamResolved(const QUrl& stream) {
  stream_ = stream;
  player_->setSource(stream_);
  if (wantPlay_)
    player_->play();
  refreshControls();
}

void QtMediaPlayer::resolveFailed() {
  // An unreachable station or an unreadable playlist: it simply does not start.
  failed_ = true;
  wantPlay_ = false;
  refreshControls();
  reportFailure();
}

void QtMediaPlayer::reportFailure() {
  // Told after the engine's own handler has returned, and only about the item
  // still chosen, as the end of an item is.
  const int g = generation_;
  QMetaObject::invokeMethod(
      this,
      [this, g] {
        if (g == generation_)
          emit Failed();
      },
      Qt::QueuedConnection);
}

void QtMediaPlayer::play() {
  if (url_.isEmpty())
    return;
  wantPlay_ = true;
  if (isPlaylist() && stream_.isEmpty()) {
    // Not resolved yet, or the last attempt failed: (re)open the playlist.
    if (!resolver_->busy()) {
      failed_ = false;
      resolver_->resolve(QUrl(url_));
      refreshControls();
    }
    return;
  }
  if (failed_) {
    // Try again from scratch, as a fresh choice would.
    failed_ = false;
    player_->setSource(QUrl());
    player_->setSource(stream_);
  }
  player_->play();
  refreshControls();
}

void QtMediaPlayer::stop() {
  wantPlay_ = false;
  note_.clear();
  resolver_->cancel();
  player_->stop();
  if (titles_)
    titles_->clear();
  refreshControls();
  emit Stopped();
}

void QtMediaPlayer::pause() {
  if (player_->playbackState() == QMediaPlayer::PlayingState && player_->isSeekable()) {
    wantPlay_ = false;
    player_->pause();
    refreshControls();
  } else {
    // A live stream cannot hold its place.
    stop();
  }
}

void QtMediaPlayer::showNote(const QString& text) {
  note_ = text;
  refreshControls();
}

QString QtMediaPlayer::streamTitle() const {
  return title_;
}

void QtMediaPlayer::followStreamTitles() {
  if (!titles_)
    return;
  const bool network =
      stream_.scheme() == QLatin1String("http") || stream_.scheme() == QLatin1String("https");
  if (network && player_->playbackState() == QMediaPlayer::PlayingState)
    titles_->start(stream_);
  else
    titles_->stop();
}

void QtMediaPlayer::updateTitle() {
  // The engine's own word comes first, where it has one.
  const QString t = !engineTitle_.isEmpty() || !titles_ ? engineTitle_ : titles_->title();
  if (t != title_) {
    title_ = t;
    emit StreamTitleChanged();
  }
}

int QtMediaPlayer::playState() const {
  if (url_.isEmpty())
    return psUndefined;
  if (failed_)
    return psReady;
  if (resolver_->busy())
    return wantPlay_ ? psTransitioning : psReady;
  switch (player_->playbackState()) {
  case QMediaPlayer::PlayingState:
    switch (player_->mediaStatus()) {
    case QMediaPlayer::NoMedia:
    case QMediaPlayer::LoadingMedia:
      return psTransitioning;
    case QMediaPlayer::BufferingMedia:
    case QMediaPlayer::StalledMedia:
      return psBuffering;
    case QMediaPlayer::InvalidMedia:
      return psReady;
    default:
      return psPlaying;
    }
  case QMediaPlayer::PausedState:
    return psPaused;
  default:
    return psStopped;
  }
}

QString QtMediaPlayer::statusText() const {
  const int state = playState();
  if (!note_.isEmpty() && state != psPlaying)
    return note_;
  switch (state) {
  case psTransitioning:
    return resolver_->busy() || stream_.isEmpty() ? QStringLiteral("Connessione in corso...")
                                                  : QStringLiteral("Apertura del brano...");
  case psBuffering:
    return QStringLiteral("Precaricamento: %1%").arg(qRound(player_->bufferProgress() * 100));
  case psPlaying:
    return QStringLiteral("In riproduzione");
  case psPaused:
    return QStringLiteral("In pausa");
  case psStopped:
    return player_->mediaStatus() == QMediaPlayer::EndOfMedia ? QStringLiteral("Brano terminato")
                                                              : QStringLiteral("Fermo");
  default:
    return QStringLiteral("Pronto");
  }
}

QString QtMediaPlayer::currentSourceURL() const {
  // A file is known by the address it was given; a station by its stream.
  return isPlaylist() && !stream_.isEmpty() ? stream_.toString() : url_;
}

bool QtMediaPlayer::mediaLoaded() const {
  switch (player_->mediaStatus()) {
  case QMediaPlayer::NoMedia:
  case QMediaPlayer::LoadingMedia:
  case QMediaPlayer::InvalidMedia:
    return false;
  default:
    return true;
  }
}

std::optional<double> QtMediaPlayer::duration() const {
  if (!mediaLoaded())
    return std::nullopt;
  const qint64 ms = player_->duration();
  if (ms <= 0)
    return std::nullopt;
  return static_cast<double>(ms) / 1000.0;
}

std::optional<double> QtMediaPlayer::position() const {
  if (stream_.isEmpty() || failed_ || !mediaLoaded())
    return std::nullopt;
  return static_cast<double>(player_->position()) / 1000.0;
}

std::optional<QString> QtMediaPlayer::positionString() const {
  if (!position())
    return std::nullopt;
  return clock(player_->position());
}

void QtMediaPlayer::refreshControls() {
  const qint64 d = player_->duration();
  bar_->showState(player_->playbackState() == QMediaPlayer::PlayingState, player_->isSeekable(),
                  d > 0 ? clock(player_->position()) + " / " + clock(d)
                        : clock(player_->position()),
                  statusText());
}
