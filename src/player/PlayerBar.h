#pragma once
#include <QWidget>

class QLabel;
class QSlider;
class QToolButton;
class QVideoSink;

// The player's own area: a picture area over a control bar (play/pause, stop,
// seek, time, status, volume) and a context menu. It only shows what the
// player tells it and passes the user's requests on; the player decides.
class PlayerBar : public QWidget {
  Q_OBJECT
public:
  explicit PlayerBar(QWidget* parent);

  // Where the engine sends its video frames.
  QVideoSink* videoSink() const;
  int volume() const; // 0 to 100

  void clearPicture();
  void setDuration(qint64 ms);
  // Moves the seek slider, unless the user is dragging it.
  void setPosition(qint64 ms);
  void showState(bool playing, bool seekable, const QString& time, const QString& status);

signals:
  void playPauseRequested();
  void playRequested();
  void pauseRequested();
  void stopRequested();
  void seekRequested(qint64 ms);
  void volumeChanged(int percent);

private:
  class Picture;
  Picture* picture_;
  QToolButton *playPause_, *stopButton_;
  QSlider *seek_, *volume_;
  QLabel *time_, *status_;
};
