#pragma once
#include "platform/MediaPlayer.h"

#include <QPointer>
#include <QUrl>

class QAudioOutput;
class QLabel;
class QMediaPlayer;
class QNetworkAccessManager;
class QNetworkReply;
class QSlider;
class QToolButton;

// The media player on Qt Multimedia, with its own area: a picture area and a
// control bar (play/pause, stop, seek, status, volume). Station playlists are
// fetched and resolved here to the stream they name, since the engine cannot
// read them. Nothing here ever shows a message: what cannot be played simply
// does not start.
class QtMediaPlayer : public MediaPlayer {
  Q_OBJECT
public:
  explicit QtMediaPlayer(QWidget* parent);
  ~QtMediaPlayer() override;

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
  std::optional<QString> positionString() const override;

  // The volume of the player's own control, 0 to 100.
  int volume() const;
  // What the engine is given: the file, or the stream a playlist named.
  QUrl engineSource() const { return stream_; }

private:
  void resolve(const QUrl& playlist, int depth);
  void cancelResolve();
  void buildArea(QWidget* parent);
  void refreshControls();
  bool isPlaylist() const;

  QWidget* area_ = nullptr;
  QMediaPlayer* player_;
  QAudioOutput* audio_;
  QNetworkAccessManager* net_;
  QPointer<QNetworkReply> reply_;

  QString url_;       // the address as given
  QUrl stream_;       // what the engine plays
  bool wantPlay_ = false;
  bool failed_ = false;
  bool buffering_ = false;
  int generation_ = 0;  // counts sources, so late news about an old one is dropped

  QToolButton *playPause_ = nullptr, *stopButton_ = nullptr;
  QSlider *seek_ = nullptr, *volume_ = nullptr;
  QLabel *time_ = nullptr, *status_ = nullptr;
};
