#include "desktop/DesktopKey.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#if defined(SLV_HAVE_X11)
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

namespace {

xcb_connection_t* connection() {
  if (QGuiApplication::platformName() != QLatin1String("xcb"))
    return nullptr;
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

Display* display() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->display() : nullptr;
}

constexpr uint16_t kModifiers = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL;
// A passive grab matches the modifiers exactly: the key must work with
// CapsLock or NumLock (Mod2 on every common keymap) on too.
constexpr uint16_t kLocks[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                               XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
// What may not be down besides Shift and Ctrl: Alt and the logo key make
// another combination.
constexpr uint16_t kRelevant = kModifiers | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

} // namespace
#endif

DesktopKey::DesktopKey(QObject* parent) : QObject(parent) {
#if defined(SLV_HAVE_X11)
  xcb_connection_t* c = connection();
  Display* dpy = display();
  if (c == nullptr || dpy == nullptr)
    return;
  keycode_ = XKeysymToKeycode(dpy, XK_F12);
  root_ = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  if (keycode_ == 0)
    return;
  state_ = State::Given;
  QCoreApplication::instance()->installNativeEventFilter(this);
#endif
}

DesktopKey::~DesktopKey() {
  release();
}

void DesktopKey::hold(bool on) {
  if (state_ == State::Unavailable)
    return;
  if (!on) {
    release();
    setState(State::Given);
    return;
  }
  if (state_ == State::Held)
    return;
#if defined(SLV_HAVE_X11)
  xcb_connection_t* c = connection();
  bool refused = false;
  for (uint16_t locks : kLocks) {
    const auto cookie =
        xcb_grab_key_checked(c, 1, root_, kModifiers | locks, static_cast<xcb_keycode_t>(keycode_),
                             XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    if (xcb_generic_error_t* error = xcb_request_check(c, cookie)) {
      refused = true;
      std::free(error);
    }
  }
  if (!refused) {
    setState(State::Held);
    return;
  }
  // Half a key is no key: what was taken goes back with the rest.
  state_ = State::Held;
  release();
  if (!told_) {
    told_ = true;
    std::fprintf(stderr, "solvarino: Maiusc+Ctrl+F12 è già usato da un altro programma: "
                         "l'allarme boss si alza solo dalla finestra del programma\n");
  }
  setState(State::Taken);
#endif
}

void DesktopKey::release() {
#if defined(SLV_HAVE_X11)
  if (state_ != State::Held)
    return;
  if (xcb_connection_t* c = connection()) {
    for (uint16_t locks : kLocks)
      xcb_ungrab_key(c, static_cast<xcb_keycode_t>(keycode_), root_, kModifiers | locks);
    xcb_flush(c);
  }
  state_ = State::Given;
#endif
}

void DesktopKey::setState(State s) {
  if (s == state_)
    return;
  state_ = s;
  emit stateChanged(s);
}

bool DesktopKey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
#if defined(SLV_HAVE_X11)
  if (state_ != State::Held || eventType != "xcb_generic_event_t")
    return false;
  const auto* event = static_cast<xcb_generic_event_t*>(message);
  const uint8_t type = event->response_type & 0x7f;
  if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
    return false;
  const auto* key = static_cast<xcb_key_press_event_t*>(message);
  if (key->detail != keycode_)
    return false;
  if (type == XCB_KEY_PRESS) {
    // Pressed in a window of the program, the press is the window's own.
    if (key->event != root_)
      return false;
    armed_ = (key->state & kRelevant) == kModifiers;
    return armed_;
  }
  // Acted on at the release, when the grab no longer holds the keyboard.
  // The release goes to the window with the focus when it is the
  // program's, to the root otherwise.
  if (!armed_)
    return false;
  armed_ = false;
  emit pressed();
  return true;
#else
  Q_UNUSED(eventType);
  Q_UNUSED(message);
  return false;
#endif
}
