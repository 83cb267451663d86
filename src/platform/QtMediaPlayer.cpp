#include "platform/QtMediaPlayer.h"

#include "core/asx.h"

#include <QAction>
#include <QAudioOutput>
#include <QBoxLayout>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMediaPlayer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>
#include <QSlider>
#include <QToolButton>
#include <QVideoFrame>
#include <QVideoSink>

namespace {

// WMP's numbering of play states, which the rest of the program speaks.
enum PlayState {
  psUndefined = 0, psStopped = 1, psPaused = 2, psPlaying = 3, psBuffering = 6,
  psTransitioning = 9, psReady = 10
};

// A playlist that names another playlist is followed this far, no further.
constexpr int kMaxPlaylistDepth = 3;
constexpr int kPlaylistTimeoutMs = 15000;

QString clock(qint64 ms) {
  const qint64 s = ms / 1000;
  if (s >= 3600)
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
  return QStringLiteral("%1:%2").arg(s / 60, 2, 10, QLatin1Char('0')).arg(s % 60, 2, 10, QLatin1Char('0'));
}

// Local paths become file addresses; "folder" + "/" + name may carry a double
// slash after a root folder, which a file address must not (it would name a host).
QUrl engineUrl(const QString& address) {
  const QUrl u(address);
  if (u.isValid() && u.scheme().size() > 1)
    return u;
  return QUrl::fromLocalFile(QDir::cleanPath(address));
}

// The control bar's symbols, light on its dark ground.
enum class Symbol { Play, Pause, Stop, Speaker };
QIcon barIcon(Symbol k) {
  QPixmap pm(14, 14);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(225, 232, 255));
  switch (k) {
  case Symbol::Play: {
    const QPointF tri[3] = {{3, 2}, {3, 12}, {12, 7}};
    p.drawPolygon(tri, 3);
    break;
  }
  case Symbol::Pause:
    p.drawRect(QRectF(3, 2, 3, 10));
    p.drawRect(QRectF(8, 2, 3, 10));
    break;
  case Symbol::Stop: p.drawRect(QRectF(3, 3, 8, 8)); break;
  case Symbol::Speaker: {
    const QPointF cone[6] = {{1, 5}, {4, 5}, {8, 2}, {8, 12}, {4, 9}, {1, 9}};
    p.drawPolygon(cone, 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(225, 232, 255), 1.2));
    p.drawArc(QRectF(6, 4, 5, 6), -60 * 16, 120 * 16);
    p.drawArc(QRectF(6, 2, 8, 10), -60 * 16, 120 * 16);
    break;
  }
  }
  return QIcon(pm);
}

// The picture area: the current video frame, or a quiet note while only sound plays.
class PictureArea : public QWidget {
public:
  explicit PictureArea(QWidget* parent) : QWidget(parent), sink(new QVideoSink(this)) {
    setObjectName(QStringLiteral("pictureArea"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& f) {
      frame = f.isValid() ? f.toImage() : QImage();
      update();
    });
  }
  void clear() {
    frame = QImage();
    update();
  }
  QVideoSink* sink;

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!frame.isNull()) {
      const QSize s = frame.size().scaled(size(), Qt::KeepAspectRatio);
      p.drawImage(QRect(QPoint((width() - s.width()) / 2, (height() - s.height()) / 2), s), frame);
      return;
    }
    QFont f = font();
    f.setPixelSize(height() / 3);
    p.setFont(f);
    p.setPen(QColor(40, 50, 110));
    p.drawText(rect(), Qt::AlignCenter, QString(QChar(0x266B)));
  }

private:
  QImage frame;
};

} // namespace

QtMediaPlayer::QtMediaPlayer(QWidget* parent)
    : MediaPlayer(parent), player_(new QMediaPlayer(this)), audio_(new QAudioOutput(this)),
      net_(new QNetworkAccessManager(this)) {
  // With no sound device the engine still plays (into nothing) and keeps time.
  player_->setAudioOutput(audio_);
  audio_->setVolume(0.5f);
  buildArea(parent);

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
          this, [this, g] { if (g == generation_) emit EndOfStream(0); }, Qt::QueuedConnection);
    }
    refreshControls();
  });
  connect(player_, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error e, const QString&) {
    if (e == QMediaPlayer::NoError)
      return;
    // What cannot be played does not start; no message, as the program wants.
    failed_ = true;
    wantPlay_ = false;
    player_->stop();
    refreshControls();
  });
  connect(player_, &QMediaPlayer::playbackStateChanged, this, &QtMediaPlayer::refreshControls);
  connect(player_, &QMediaPlayer::bufferProgressChanged, this, &QtMediaPlayer::refreshControls);
  connect(player_, &QMediaPlayer::durationChanged, this, [this](qint64 ms) {
    seek_->setRange(0, static_cast<int>(qMax<qint64>(ms, 0)));
    refreshControls();
  });
  connect(player_, &QMediaPlayer::positionChanged, this, [this](qint64 ms) {
    if (!seek_->isSliderDown())
      seek_->setValue(static_cast<int>(ms));
    refreshControls();
  });
}

QtMediaPlayer::~QtMediaPlayer() { cancelResolve(); }

void QtMediaPlayer::buildArea(QWidget* parent) {
  area_ = new QWidget(parent);
  auto* picture = new PictureArea(area_);
  player_->setVideoSink(picture->sink);
  connect(player_, &QMediaPlayer::sourceChanged, picture, &PictureArea::clear);

  auto* bar = new QWidget(area_);
  bar->setObjectName(QStringLiteral("controlBar"));
  bar->setAutoFillBackground(true);
  QPalette pal = bar->palette();
  pal.setColor(QPalette::Window, QColor(32, 40, 72));
  pal.setColor(QPalette::WindowText, QColor(220, 230, 255));
  bar->setPalette(pal);

  seek_ = new QSlider(Qt::Horizontal, bar);
  seek_->setObjectName(QStringLiteral("seekSlider"));
  seek_->setToolTip(QStringLiteral("Posizione"));
  time_ = new QLabel(QStringLiteral("00:00"), bar);
  time_->setObjectName(QStringLiteral("timeLabel"));
  playPause_ = new QToolButton(bar);
  playPause_->setObjectName(QStringLiteral("playPauseButton"));
  stopButton_ = new QToolButton(bar);
  stopButton_->setObjectName(QStringLiteral("stopButton"));
  stopButton_->setIcon(barIcon(Symbol::Stop));
  stopButton_->setToolTip(QStringLiteral("Stop"));
  status_ = new QLabel(bar);
  status_->setObjectName(QStringLiteral("statusLabel"));
  auto* speaker = new QLabel(bar);
  speaker->setPixmap(barIcon(Symbol::Speaker).pixmap(14, 14));
  volume_ = new QSlider(Qt::Horizontal, bar);
  volume_->setObjectName(QStringLiteral("volumeSlider"));
  volume_->setToolTip(QStringLiteral("Volume"));
  volume_->setRange(0, 100);
  volume_->setValue(50);
  volume_->setFixedWidth(56);
  QFont small = bar->font();
  small.setPointSizeF(7);
  time_->setFont(small);
  status_->setFont(small);
  for (QWidget* w : std::initializer_list<QWidget*>{playPause_, stopButton_, seek_, volume_})
    w->setFocusPolicy(Qt::NoFocus);
  for (QToolButton* b : {playPause_, stopButton_}) {
    b->setAutoRaise(true);
    b->setIconSize(QSize(14, 14));
  }

  auto* top = new QHBoxLayout;
  top->setContentsMargins(4, 2, 4, 0);
  top->addWidget(seek_, 1);
  top->addWidget(time_);
  auto* bottom = new QHBoxLayout;
  bottom->setContentsMargins(2, 0, 4, 2);
  bottom->setSpacing(2);
  bottom->addWidget(playPause_);
  bottom->addWidget(stopButton_);
  bottom->addWidget(status_, 1);
  bottom->addWidget(speaker);
  bottom->addWidget(volume_);
  auto* barLayout = new QVBoxLayout(bar);
  barLayout->setContentsMargins(0, 0, 0, 0);
  barLayout->setSpacing(0);
  barLayout->addLayout(top);
  barLayout->addLayout(bottom);

  auto* layout = new QVBoxLayout(area_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(picture, 1);
  layout->addWidget(bar);

  connect(playPause_, &QToolButton::clicked, this, [this] {
    if (player_->playbackState() == QMediaPlayer::PlayingState)
      player_->pause();
    else
      play();
  });
  connect(stopButton_, &QToolButton::clicked, this, &QtMediaPlayer::stop);

  // The player's own context menu.
  area_->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(area_->addAction(QStringLiteral("Play")), &QAction::triggered, this, &QtMediaPlayer::play);
  connect(area_->addAction(QStringLiteral("Pausa")), &QAction::triggered, player_, &QMediaPlayer::pause);
  connect(area_->addAction(QStringLiteral("Stop")), &QAction::triggered, this, &QtMediaPlayer::stop);
  connect(seek_, &QSlider::sliderMoved, this, [this](int ms) {
    if (player_->isSeekable())
      player_->setPosition(ms);
  });
  connect(volume_, &QSlider::valueChanged, this,
          [this](int v) { audio_->setVolume(static_cast<float>(v) / 100.0f); });
  refreshControls();
}

QWidget* QtMediaPlayer::widget() { return area_; }
int QtMediaPlayer::volume() const { return volume_->value(); }

bool QtMediaPlayer::isPlaylist() const { return slv::asx::isPlaylistAddress(url_.toStdString()); }

void QtMediaPlayer::setURL(const QString& address) {
  cancelResolve();
  ++generation_;
  url_ = address;
  failed_ = false;
  wantPlay_ = false;
  if (isPlaylist()) {
    stream_ = QUrl();
    player_->setSource(QUrl());
    resolve(QUrl(address), 0);
  } else {
    stream_ = address.isEmpty() ? QUrl() : engineUrl(address);
    player_->setSource(stream_);
  }
  refreshControls();
}

QString QtMediaPlayer::URL() const { return url_; }

void QtMediaPlayer::resolve(const QUrl& playlist, int depth) {
  QNetworkRequest request(playlist);
  request.setTransferTimeout(kPlaylistTimeoutMs);
  QNetworkReply* reply = net_->get(request);
  reply_ = reply;
  connect(reply, &QNetworkReply::finished, this, [this, reply, playlist, depth] {
    reply->deleteLater();
    if (reply != reply_)
      return;  // cancelled or replaced
    reply_ = nullptr;
    const QByteArray body = reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
    const auto ref = slv::asx::firstReference(std::string_view(body.constData(), body.size()));
    if (!ref) {
      // An unreachable station or an unreadable playlist: it simply does not start.
      failed_ = true;
      wantPlay_ = false;
      refreshControls();
      return;
    }
    const QUrl target = playlist.resolved(QUrl(QString::fromStdString(slv::asx::playableAddress(*ref))));
    if (slv::asx::isPlaylistAddress(target.toString().toStdString()) && depth < kMaxPlaylistDepth) {
      resolve(target, depth + 1);
      return;
    }
    stream_ = target;
    player_->setSource(stream_);
    if (wantPlay_)
      player_->play();
    refreshControls();
  });
  refreshControls();
}

void QtMediaPlayer::cancelResolve() {
  if (QNetworkReply* r = reply_) {
    reply_ = nullptr;
    r->abort();
  }
}

void QtMediaPlayer::play() {
  if (url_.isEmpty())
    return;
  wantPlay_ = true;
  if (isPlaylist() && stream_.isEmpty()) {
    // Not resolved yet, or the last attempt failed: (re)open the playlist.
    if (!reply_) {
      failed_ = false;
      resolve(QUrl(url_), 0);
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
  cancelResolve();
  player_->stop();
  refreshControls();
}

int QtMediaPlayer::playState() const {
  if (url_.isEmpty())
    return psUndefined;
  if (failed_)
    return psReady;
  if (reply_)
    return wantPlay_ ? psTransitioning : psReady;
  switch (player_->playbackState()) {
  case QMediaPlayer::PlayingState:
    switch (player_->mediaStatus()) {
    case QMediaPlayer::NoMedia:
    case QMediaPlayer::LoadingMedia: return psTransitioning;
    case QMediaPlayer::BufferingMedia:
    case QMediaPlayer::StalledMedia: return psBuffering;
    case QMediaPlayer::InvalidMedia: return psReady;
    default: return psPlaying;
    }
  case QMediaPlayer::PausedState: return psPaused;
  default: return psStopped;
  }
}

QString QtMediaPlayer::statusText() const {
  switch (playState()) {
  case psTransitioning:
    return reply_ || stream_.isEmpty() ? QStringLiteral("Connessione in corso...")
                                       : QStringLiteral("Apertura del brano...");
  case psBuffering:
    return QStringLiteral("Precaricamento: %1%").arg(qRound(player_->bufferProgress() * 100));
  case psPlaying: return QStringLiteral("In riproduzione");
  case psPaused: return QStringLiteral("In pausa");
  case psStopped:
    return player_->mediaStatus() == QMediaPlayer::EndOfMedia ? QStringLiteral("Brano terminato")
                                                              : QStringLiteral("Fermo");
  default: return QStringLiteral("Pronto");
  }
}

QString QtMediaPlayer::currentSourceURL() const {
  // A file is known by the address it was given; a station by its stream.
  return isPlaylist() && !stream_.isEmpty() ? stream_.toString() : url_;
}

std::optional<double> QtMediaPlayer::duration() const {
  switch (player_->mediaStatus()) {
  case QMediaPlayer::NoMedia:
  case QMediaPlayer::LoadingMedia:
  case QMediaPlayer::InvalidMedia: return std::nullopt;
  default: break;
  }
  const qint64 ms = player_->duration();
  if (ms <= 0)
    return std::nullopt;
  return static_cast<double>(ms) / 1000.0;
}

std::optional<double> QtMediaPlayer::position() const {
  if (stream_.isEmpty() || failed_)
    return std::nullopt;
  switch (player_->mediaStatus()) {
  case QMediaPlayer::NoMedia:
  case QMediaPlayer::LoadingMedia:
  case QMediaPlayer::InvalidMedia: return std::nullopt;
  default: return static_cast<double>(player_->position()) / 1000.0;
  }
}

std::optional<QString> QtMediaPlayer::positionString() const {
  if (!position())
    return std::nullopt;
  return clock(player_->position());
}

void QtMediaPlayer::refreshControls() {
  if (playPause_ == nullptr)
    return;
  const bool playing = player_->playbackState() == QMediaPlayer::PlayingState;
  playPause_->setIcon(barIcon(playing ? Symbol::Pause : Symbol::Play));
  playPause_->setToolTip(playing ? QStringLiteral("Pausa") : QStringLiteral("Play"));
  seek_->setEnabled(player_->isSeekable());
  const qint64 d = player_->duration();
  time_->setText(d > 0 ? clock(player_->position()) + " / " + clock(d) : clock(player_->position()));
  status_->setText(statusText());
}
