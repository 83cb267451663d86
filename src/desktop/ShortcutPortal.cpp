#include "desktop/ShortcutPortal.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kAlarmId = QStringLiteral("allarme-boss");

// One shortcut as the portal describes it: (sa{sv}).
struct PortalShortcut {
  QString id;
  QVariantMap properties;
};
using PortalShortcuts = QList<PortalShortcut>;

QDBusArgument& operator<<(QDBusArgument& arg, const PortalShortcut& s) {
  arg.beginStructure();
  arg << s.id << s.properties;
  arg.endStructure();
  return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, PortalShortcut& s) {
  arg.beginStructure();
  arg >> s.id >> s.properties;
  arg.endStructure();
  return arg;
}

} // namespace

Q_DECLARE_METATYPE(PortalShortcut)

ShortcutPortal::ShortcutPortal(QObject* parent) : QObject(parent) {
  qDBusRegisterMetaType<PortalShortcut>();
  qDBusRegisterMetaType<PortalShortcuts>();
}

bool ShortcutPortal::waylandSession() {
  return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void ShortcutPortal::start() {
  const QString token = QStringLiteral("slv_%1").arg(++tokens_);
  const QVariantMap options{{QStringLiteral("handle_token"), token},
                            {QStringLiteral("session_handle_token"), token}};
  if (!request(QStringLiteral("CreateSession"), {options}, token,
               SLOT(sessionCreated(uint, QVariantMap))))
    QMetaObject::invokeMethod(this, &ShortcutPortal::unavailable, Qt::QueuedConnection);
}

bool ShortcutPortal::request(const QString& method, const QList<QVariant>& args,
                             const QString& token, const char* slot) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected())
    return false;
  // The answer's path is known before the call: listening first, no answer
  // can come before the listener.
  const QString sender = bus.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
  const QString path = kPath + QStringLiteral("/request/%1/%2").arg(sender, token);
  bus.connect(kService, path, QStringLiteral("org.freedesktop.portal.Request"),
              QStringLiteral("Response"), this, slot);
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
  call.setArguments(args);
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
    watcher->deleteLater();
    // No portal, or one without global shortcuts.
    if (watcher->isError())
      emit unavailable();
  });
  return true;
}

void ShortcutPortal::sessionCreated(uint response, const QVariantMap& results) {
  const QVariant handle = results.value(QStringLiteral("session_handle"));
  session_ = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path()
                                                  : handle.toString();
  if (response != 0 || session_.isEmpty()) {
    emit unavailable();
    return;
  }
  QDBusConnection::sessionBus().connect(
      kService, kPath, kInterface, QStringLiteral("Activated"), this,
      SLOT(activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
  const QString token = QStringLiteral("slv_%1").arg(++tokens_);
  const PortalShortcuts wanted{
      {kAlarmId,
       {{QStringLiteral("description"), QStringLiteral("Allarme Boss")},
        {QStringLiteral("preferred_trigger"), QStringLiteral("SHIFT+CTRL+F12")}}}};
  if (!request(QStringLiteral("BindShortcuts"),
               {QVariant::fromValue(QDBusObjectPath(session_)), QVariant::fromValue(wanted),
                QString(), QVariantMap{{QStringLiteral("handle_token"), token}}},
               token, SLOT(shortcutsBound(uint, QVariantMap))))
    emit unavailable();
}

void ShortcutPortal::shortcutsBound(uint response, const QVariantMap& results) {
  // The member may have declined, or bound it to nothing.
  PortalShortcuts bound;
  if (response == 0)
    results.value(QStringLiteral("shortcuts")).value<QDBusArgument>() >> bound;
  for (const PortalShortcut& s : bound)
    if (s.id == kAlarmId) {
      emit this->bound(s.properties.value(QStringLiteral("trigger_description")).toString());
      return;
    }
  emit unavailable();
}

void ShortcutPortal::activated(const QDBusObjectPath& session, const QString& id, qulonglong,
                               const QVariantMap&) {
  if (session.path() == session_ && id == kAlarmId)
    emit pressed();
}
