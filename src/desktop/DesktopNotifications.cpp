#include "desktop/DesktopNotifications.h"

#include "slv_defaults.h"

#include <QPointer>
#include <utility>

// The notification service is on D-Bus, where the desktop has one.
#ifdef SLV_DBUS
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");

// The picture as the service takes it: width, height, row length, alpha,
// bits per sample, samples per pixel, the bytes.
struct ImageData {
  QImage image;
};

QDBusArgument& operator<<(QDBusArgument& a, const ImageData& d) {
  const QImage img = d.image.convertToFormat(QImage::Format_RGBA8888);
  a.beginStructure();
  a << img.width() << img.height() << int(img.bytesPerLine()) << true << 8 << 4
    << QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes());
  a.endStructure();
  return a;
}

const QDBusArgument& operator>>(const QDBusArgument& a, ImageData&) {
  return a;
}

} // namespace

Q_DECLARE_METATYPE(ImageData)

namespace {

QDBusMessage notifyCall(const QString& summary, const QString& body, uint replaces,
                        const QImage& icon) {
  QDBusMessage m = QDBusMessage::createMethodCall(kService, kPath, kInterface, "Notify");
  QVariantMap hints;
  hints.insert(QStringLiteral("desktop-entry"), QStringLiteral(SLV_APP_ID));
  if (!icon.isNull())
    hints.insert(QStringLiteral("image-data"), QVariant::fromValue(ImageData{icon}));
  // "default" is a click on the notification itself.
  const QStringList actions{QStringLiteral("default"), QStringLiteral("Apri"),
                            QStringLiteral("apri"), QStringLiteral("Apri")};
  m << QStringLiteral("SOLVARINO 3_w") << replaces << QStringLiteral(SLV_APP_ID) << summary << body
    << actions << hints << int(-1);
  return m;
}

} // namespace

DesktopNotifications::DesktopNotifications(Tell tell, QObject* parent)
    : QObject(parent), tell_(std::move(tell)) {
  qDBusRegisterMetaType<ImageData>();
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected())
    return;
  // From whoever owns the service, now or later.
  bus.connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), this,
              SLOT(actionInvoked(uint, QString)));
  bus.connect(QString(), kPath, kInterface, QStringLiteral("NotificationClosed"), this,
              SLOT(notificationClosed(uint, uint)));
  auto* w = new QDBusPendingCallWatcher(
      bus.asyncCall(QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                   QStringLiteral("GetCapabilities"))),
      this);
  connect(w, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
    const QDBusPendingReply<QStringList> reply = *call;
    if (reply.isValid())
      markup_ = reply.value().contains(QStringLiteral("body-markup"));
    call->deleteLater();
  });
}

void DesktopNotifications::post(const QString& summary, const QString& body, uint replaces,
                                std::function<void(uint)> numbered) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    numbered(0);
    return;
  }
  auto* w =
      new QDBusPendingCallWatcher(bus.asyncCall(notifyCall(summary, body, replaces, icon_)), this);
  connect(w, &QDBusPendingCallWatcher::finished, this,
          [numbered = std::move(numbered)](QDBusPendingCallWatcher* call) {
            call->deleteLater();
            const QDBusPendingReply<uint> reply = *call;
            numbered(reply.isValid() ? reply.value() : 0);
          });
}

void DesktopNotifications::closeOnDesktop(uint id) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected())
    return;
  QDBusMessage m = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                  QStringLiteral("CloseNotification"));
  m << id;
  bus.asyncCall(m);
}

#else

DesktopNotifications::DesktopNotifications(Tell tell, QObject* parent)
    : QObject(parent), tell_(std::move(tell)) {}
void DesktopNotifications::post(const QString&, const QString&, uint,
                                std::function<void(uint)> numbered) {
  numbered(0);
}
void DesktopNotifications::closeOnDesktop(uint) {}

#endif

DesktopNotifications::~DesktopNotifications() = default;

void DesktopNotifications::show(const QString& key, Note note) {
  Entry& e = entries_[key];
  // The one it replaces is gone for whoever sent it.
  const auto replaced = std::exchange(e.note.closed, {});
  e.note = std::move(note);
  if (replaced)
    replaced();
  // One already waiting, or on its way, takes the latest note.
  if (e.told)
    return;
  if (e.sending) {
    e.dirty = true;
    return;
  }
  tellSend(key);
}

void DesktopNotifications::tellSend(const QString& key) {
  const quint64 token = ++lastToken_;
  entries_[key].told = token;
  QPointer<DesktopNotifications> self(this);
  auto untell = tell_([self, key, token] {
    if (self)
      self->send(key, token);
  });
  if (const auto it = entries_.find(key); it != entries_.end() && it->told == token)
    it->untell = std::move(untell);
}

void DesktopNotifications::send(const QString& key, quint64 token) {
  auto it = entries_.find(key);
  // Taken back while it waited (and maybe shown anew since, under a tell of its own).
  if (it == entries_.end() || it->told != token)
    return;
  it->told = 0;
  it->untell = {};
  it->sending = token;
  // A page's text is shown as text, never as markup.
  const QString body = markup_ ? it->note.body.toHtmlEscaped() : it->note.body;
  QPointer<DesktopNotifications> self(this);
  post(it->note.summary, body, it->id, [self, key, token](uint id) {
    if (self)
      self->numbered(key, token, id);
  });
}

void DesktopNotifications::numbered(const QString& key, quint64 token, uint id) {
  auto it = entries_.find(key);
  if (it == entries_.end() || it->sending != token) {
    // Taken back while it was on its way: off the desktop as soon as it has a number.
    if (id != 0)
      closeOnDesktop(id);
    return;
  }
  it->sending = 0;
  if (id != 0)
    it->id = id;
  if (it->dirty) {
    it->dirty = false;
    tellSend(key);
  }
}

void DesktopNotifications::withdraw(const QString& key) {
  const auto it = entries_.find(key);
  if (it == entries_.end())
    return;
  const Entry e = *it;
  entries_.erase(it);
  // Kept for later, it leaves nothing behind.
  if (e.told != 0 && e.untell)
    e.untell();
  if (e.id != 0)
    closeOnDesktop(e.id);
  if (e.note.closed)
    e.note.closed();
}

void DesktopNotifications::withdrawAll() {
  for (const QString& key : entries_.keys())
    withdraw(key);
}

void DesktopNotifications::actionInvoked(uint id, const QString& action) {
  for (const Entry& e : std::as_const(entries_))
    if (e.id == id && id != 0) {
      if ((action == QLatin1String("apri") || action == QLatin1String("default")) && e.note.open) {
        const auto open = e.note.open;
        open();
      }
      return;
    }
}

void DesktopNotifications::notificationClosed(uint id, uint) {
  for (auto it = entries_.begin(); it != entries_.end(); ++it)
    if (it->id == id && id != 0) {
      // Still being replaced: the desktop's number is no more, a new one comes.
      if (it->sending != 0 || it->told != 0) {
        it->id = 0;
        return;
      }
      const auto closed = it->note.closed;
      entries_.erase(it);
      if (closed)
        closed();
      return;
    }
}
