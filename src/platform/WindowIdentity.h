#pragma once
// What a desktop's task bar, dock or window list knows a window by, beyond
// its title and icon: on X11 its class (WM_CLASS), which docks match to the
// program's desktop entry. Elsewhere nothing is done.
#include <QByteArray>

class QWidget;

namespace WindowIdentity {

// The disguise's class, which no desktop entry of the program names.
inline const QByteArray kDisguiseName = "excel";
inline const QByteArray kDisguiseClass = "Excel";

// Sets the class of window's native window. Takes effect for the desktop
// when the window is next shown; call it while the window is hidden.
void setClass(QWidget& window, const QByteArray& name, const QByteArray& cls);
// The class the window was given when it was made (the program's own).
void ownClass(QWidget& window, QByteArray* name, QByteArray* cls);

} // namespace WindowIdentity
