#include "desktop/WindowIdentity.h"

#include <QGuiApplication>
#include <QVariantMap>
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

// Where the toolkit names the program's desktop entry (newer Qt sets both
// from the desktop file name; older ones neither).
const char* const kEntryNames[] = {"_KDE_NET_WM_DESKTOP_FILE", "_GTK_APPLICATION_ID"};
// The window's identity as it was made, kept on the widget at the first change.
const char* const kOwnIdentity = "slvOwnIdentity";

QByteArray readText(Display* dpy, Window w, Atom property) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  QByteArray text;
  if (XGetWindowProperty(dpy, w, property, 0, 1024, False, AnyPropertyType, &type, &format, &count,
                         &after, &data) == Success &&
      type != None && format == 8 && data != nullptr)
    text = QByteArray(reinterpret_cast<const char*>(data), int(count));
  if (data != nullptr)
    XFree(data);
  return text;
}

QVariantMap ownIdentity(QWidget& window, Display* dpy, Window w) {
  const QVariant kept = window.property(kOwnIdentity);
  if (kept.isValid())
    return kept.toMap();
  QVariantMap own;
  XClassHint hint{nullptr, nullptr};
  if (XGetClassHint(dpy, w, &hint)) {
    own.insert(QStringLiteral("name"), QByteArray(hint.res_name));
    own.insert(QStringLiteral("class"), QByteArray(hint.res_class));
    XFree(hint.res_name);
    XFree(hint.res_class);
  }
  for (const char* property : kEntryNames)
    if (const QByteArray entry = readText(dpy, w, XInternAtom(dpy, property, False));
        !entry.isEmpty())
      own.insert(QLatin1String(property), entry);
  window.setProperty(kOwnIdentity, own);
  return own;
}
} // namespace

void WindowIdentity::setClass(QWidget& window, const QByteArray& name, const QByteArray& cls) {
  Display* dpy = x11Display();
  if (!dpy)
    return;
  const auto w = static_cast<Window>(window.winId());
  const QVariantMap own = ownIdentity(window, dpy, w);
  QByteArray n = name, c = cls; // XClassHint takes writable strings
  XClassHint hint{n.data(), c.data()};
  XSetClassHint(dpy, w, &hint);
  // A desktop entry's name would tell the program under any other class:
  // it is there only with the window's own.
  const bool itsOwn = name == own.value(QStringLiteral("name")).toByteArray() &&
                      cls == own.value(QStringLiteral("class")).toByteArray();
  for (const char* property : kEntryNames) {
    const QByteArray entry = own.value(QLatin1String(property)).toByteArray();
    if (entry.isEmpty())
      continue;
    const Atom atom = XInternAtom(dpy, property, False);
    if (itsOwn)
      XChangeProperty(dpy, w, atom, XInternAtom(dpy, "UTF8_STRING", False), 8, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(entry.constData()), int(entry.size()));
    else
      XDeleteProperty(dpy, w, atom);
  }
  XFlush(dpy);
}

void WindowIdentity::ownClass(QWidget& window, QByteArray* name, QByteArray* cls) {
  Display* dpy = x11Display();
  if (!dpy)
    return;
  const QVariantMap own = ownIdentity(window, dpy, static_cast<Window>(window.winId()));
  if (!own.contains(QStringLiteral("name")))
    return;
  *name = own.value(QStringLiteral("name")).toByteArray();
  *cls = own.value(QStringLiteral("class")).toByteArray();
}
#else
void WindowIdentity::setClass(QWidget&, const QByteArray&, const QByteArray&) {}
void WindowIdentity::ownClass(QWidget&, QByteArray*, QByteArray*) {}
#endif
