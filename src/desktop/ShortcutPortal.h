#pragma once
// The boss alarm's key on a Wayland desktop, where no program may take a key
// for itself: the desktop's global-shortcuts portal is asked to bind it, with
// Shift+Ctrl+F12 proposed; the desktop (and the member, when it asks) decides
// the key. Without a session bus or such a portal it tells so, and the caller
// falls back to what it has.
#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QVariantMap>

class ShortcutPortal : public QObject {
  Q_OBJECT
public:
  explicit ShortcutPortal(QObject* parent = nullptr);

  // True under a Wayland session, where the portal is the way to the key.
  static bool waylandSession();
  // Asks the portal for a session and the key; the answer comes as bound()
  // or unavailable().
  void start();

signals:
  void bound(const QString& trigger); // the trigger as the desktop describes it
  void unavailable();
  void pressed();

private slots:
  void sessionCreated(uint response, const QVariantMap& results);
  void shortcutsBound(uint response, const QVariantMap& results);
  void activated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                 const QVariantMap& options);

private:
  // Calls method of the portal, whose answer comes on a request object
  // later, to slot.
  bool request(const QString& method, const QList<QVariant>& args, const QString& token,
               const char* slot);

  QString session_;
  int tokens_ = 0;
};
