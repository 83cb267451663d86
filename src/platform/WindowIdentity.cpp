#include "platform/WindowIdentity.h"

#include <QGuiApplication>
#include <QWidget>

#if defined(SLV_HAVE_X11)
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {
Display* x11Display() {
  // Only windows of the X11 platform are X windows (the offscreen platform
  // may hold a display too).
  if (QGuiApplication::platformName() != QLatin1String("xcb"))
    return nullptr;
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->display() : nullptr;
}
} // namespace

void WindowIdentity::setClass(QWidget& window, const QByteArray& name, const QByteArray& cls) {
  Display* dpy = x11Display();
  if (!dpy)
    return;
  QByteArray n = name, c = cls; // XClassHint takes writable strings
  XClassHint hint{n.data(), c.data()};
  XSetClassHint(dpy, static_cast<Window>(window.winId()), &hint);
  XFlush(dpy);
}

void WindowIdentity::ownClass(QWidget& window, QByteArray* name, QByteArray* cls) {
  Display* dpy = x11Display();
  XClassHint hint{nullptr, nullptr};
  if (!dpy || !XGetClassHint(dpy, static_cast<Window>(window.winId()), &hint))
    return;
  *name = hint.res_name;
  *cls = hint.res_class;
  XFree(hint.res_name);
  XFree(hint.res_class);
}
#else
void WindowIdentity::setClass(QWidget&, const QByteArray&, const QByteArray&) {}
void WindowIdentity::ownClass(QWidget&, QByteArray*, QByteArray*) {}
#endif
