#pragma once
#include "player/MediaPlayer.h"

#include <QUrl>

class PlayerBar;
class PlaylistResolver;
class StreamTitleReader;
class QAudioOutput;
class QMediaPlayer;

// The media player on Qt Multimedia. Its area and control bar are a PlayerBar
// it keeps up to date; station playlists go to a PlaylistResolver first, since
// the engine cannot read them. Nothing here ever shows a message: what cannot
// be played simply does not start.
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
  void pause() override;
  int playState() const override;
  QString statusText() const override;
  QString currentSourceURL() const override;
  std::optional<double> duration() const override;
  std::optional<double> position() const override;
  std::optional<QString> positionString() const override;
  void showNote(const QString& text) override;
  QString streamTitle() const override;

  // The volume of the player's own control, 0 to 100.
  int volume() const;
  // What the engine is given: the file, or the stream a playlist named.
  QUrl engineSource() const { return stream_; }

private:
  // The engine knows the source well enough to tell its length and place.
  bool mediaLoaded() const;
  void streamResolved(const QUrl& stream);
  void resolveFailed();
  void refreshControls();
  void reportFailure();
  bool isPlaylist() const;
  // Follows the engine: titles are read beside a network stream while it plays.
  void followStreamTitles();
  void updateTitle();

  QMediaPlayer* player_;
  QAudioOutput* audio_;
  PlaylistResolver* resolver_;
  PlayerBar* bar_;
  StreamTitleReader* titles_; // only where the engine passes no stream titles

  QString url_; // the address as given
  QUrl stream_; // what the engine plays
  QString note_;
  QString engineTitle_; // what the engine itself tells
  QString title_;       // what was last told
  bool wantPlay_ = false;
  bool failed_ = false;
  bool buffering_ = false;
  int generation_ = 0; // counts sources, so late news about an old one is dropped
};
