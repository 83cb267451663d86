#pragma once
#include "platform/MediaPlayer.h"

class QAudioOutput;
class QMediaPlayer;

// The media player on Qt Multimedia.
class QtMediaPlayer : public MediaPlayer {
  Q_OBJECT
public:
  explicit QtMediaPlayer(QWidget* parent);

  QWidget* widget() override;
  void setURL(const QString& address) override;
  QString URL() const override;
  void play() override;
  void stop() override;
  int playState() const override;
  QString statusText() const override;
  QString currentSourceURL() const override;
  std::optional<double> duration() const override;
  std::optional<double> position() const override;
  QString positionString() const override;

private:
  QWidget* area_;
  QMediaPlayer* player_;
  QAudioOutput* audio_;
  QString url_;
};
