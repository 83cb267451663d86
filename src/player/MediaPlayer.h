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
  // Holds the place, where the item allows it; otherwise stops.
  virtual void pause() = 0;
  // 3 while playing, as the original component numbers its states.
  virtual int playState() const = 0;
  virtual QString statusText() const = 0;
  virtual QString currentSourceURL() const = 0;
  virtual std::optional<double> duration() const = 0;  // seconds
  virtual std::optional<double> position() const = 0;  // seconds
  virtual std::optional<QString> positionString() const = 0;  // "mm:ss"
  // A text of the program shown as the status while nothing plays (a
  // reconnection, a station given up); setURL and stop drop it.
  virtual void showNote(const QString& text) = 0;
  // The title the stream itself gives for what it plays now, if any.
  virtual QString streamTitle() const = 0;

signals:
  // Raised when buffering of a network source starts (true) and ends (false).
  void Buffering(bool start);
  // The current item played to its end.
  void EndOfStream(int result);
  // The current item could not be opened or broke off: the server is not
  // reached, the playlist names nothing, the connection dropped.
  void Failed();
  // stop() was called, by the program or by the player's own stop button.
  void Stopped();
  // The stream's own title changed.
  void StreamTitleChanged();
};
