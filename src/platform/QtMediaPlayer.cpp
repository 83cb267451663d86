#include "platform/QtMediaPlayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>
#include <QWidget>

QtMediaPlayer::QtMediaPlayer(QWidget* parent)
    : MediaPlayer(parent), area_(new QWidget(parent)), player_(new QMediaPlayer(this)),
      audio_(new QAudioOutput(this)) {
  player_->setAudioOutput(audio_);
  audio_->setVolume(0.5f);
  connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus s) {
    if (s == QMediaPlayer::BufferingMedia || s == QMediaPlayer::StalledMedia)
      emit Buffering(true);
    else if (s == QMediaPlayer::BufferedMedia)
      emit Buffering(false);
    else if (s == QMediaPlayer::EndOfMedia)
      emit EndOfStream(0);
  });
}

QWidget* QtMediaPlayer::widget() { return area_; }

void QtMediaPlayer::setURL(const QString& address) {
  url_ = address;
  const QUrl u = QUrl::fromUserInput(address);
  player_->setSource(u);
}

QString QtMediaPlayer::URL() const { return url_; }
void QtMediaPlayer::play() { player_->play(); }
void QtMediaPlayer::stop() { player_->stop(); }

int QtMediaPlayer::playState() const {
  switch (player_->playbackState()) {
  case QMediaPlayer::PlayingState: return 3;
  case QMediaPlayer::PausedState: return 2;
  default: return 1;
  }
}

QString QtMediaPlayer::statusText() const { return {}; }
QString QtMediaPlayer::currentSourceURL() const { return url_; }

std::optional<double> QtMediaPlayer::duration() const {
  const qint64 ms = player_->duration();
  if (ms <= 0)
    return std::nullopt;
  return ms / 1000.0;
}

std::optional<double> QtMediaPlayer::position() const {
  if (player_->source().isEmpty())
    return std::nullopt;
  return player_->position() / 1000.0;
}

QString QtMediaPlayer::positionString() const {
  const qint64 s = player_->position() / 1000;
  return QStringLiteral("%1:%2").arg(s / 60, 2, 10, QLatin1Char('0')).arg(s % 60, 2, 10, QLatin1Char('0'));
}
