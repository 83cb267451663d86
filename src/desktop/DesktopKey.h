#pragma once
// The boss alarm's key (Shift+Ctrl+F12) on the whole desktop, whatever
// window has the keyboard: a passive grab on the X root window, its presses
// read from the event stream Qt already reads. Where the desktop is not X11
// there is no such key; where another program holds it, it is not taken.
#include <QAbstractNativeEventFilter>
#include <QObject>

class DesktopKey : public QObject, public QAbstractNativeEventFilter {
  Q_OBJECT
public:
  enum class State {
    Unavailable, // no X11 display (the offscreen platform, a native Wayland one)
    Held,        // the key is ours until it is given back
    Taken,       // another program holds it
    Given,       // given back for now
  };

  explicit DesktopKey(QObject* parent = nullptr);
  ~DesktopKey() override;

  // Takes the key, or gives it back to the desktop. A key taken by another
  // program is said once on standard error; each hold tries again.
  void hold(bool on);
  State state() const { return state_; }

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
  void pressed();
  void stateChanged(DesktopKey::State state);

private:
  void setState(State s);
  void release();

  State state_ = State::Unavailable;
  unsigned keycode_ = 0;
  unsigned root_ = 0;
  bool told_ = false;
  bool armed_ = false; // pressed, to act on at the release
};
