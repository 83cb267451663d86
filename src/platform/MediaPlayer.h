#pragma once
// The embedded media player: an address to play, play/stop, and what it can
// tell about the current item. Readings the engine cannot give are empty.
#include <QObject>
#include <QString>
#include <optional>

class QWidget;

class MediaPlayer : public QObject {
  Q_OBJECT
public:
  using QObject::QObject;
  ~MediaPlayer() override = default;

  // The player's own area (picture and control bar); owned by its parent.
  virtual QWidget* widget() = 0;

  virtual void setURL(const QString& address) = 0;
  virtual QString URL() const = 0;
  virtual void play() = 0;
  virtual void stop() = 0;
  // 3 while playing, as the original component numbers its states.
  virtual int playState() const = 0;
  virtual QString statusText() const = 0;
  virtual QString currentSourceURL() const = 0;
  virtual std::optional<double> duration() const = 0;  // seconds
  virtual std::optional<double> position() const = 0;  // seconds
  virtual std::optional<QString> positionString() const = 0;  // "mm:ss"

signals:
  // Raised when buffering of a network source starts (true) and ends (false).
  void Buffering(bool start);
  // The current item played to its end.
  void EndOfStream(int result);
};
