#pragma once
// What a desktop's task bar, dock or window list knows a window by, beyond
// its title and icon: on X11 its class (WM_CLASS), which docks match to the
// program's desktop entry, and the desktop entry's name itself where the
// toolkit sets it (_KDE_NET_WM_DESKTOP_FILE, _GTK_APPLICATION_ID), which
// some task managers read before the class. Elsewhere nothing is done.
#include <QByteArray>

class QWidget;

namespace WindowIdentity {

// The disguise's class, which no desktop entry of the program names.
inline const QByteArray kDisguiseName = "excel";
inline const QByteArray kDisguiseClass = "Excel";

// Sets the class of window's native window; the window manager and the
// docks that follow it see the change at once. The desktop entry's name goes
// with any class but the window's own, and comes back with it.
void setClass(QWidget& window, const QByteArray& name, const QByteArray& cls);
// The class the window was given when it was made (the program's own).
void ownClass(QWidget& window, QByteArray* name, QByteArray* cls);

} // namespace WindowIdentity
