#include "desktop/TrayIcon.h"

#include "desktop/Strings.h"

#include <QMenu>
#if defined(SLV_DBUS)
#include <QDBusConnection>
#include <QDBusServiceWatcher>
#endif
#include <QPainter>
#include <QSystemTrayIcon>

namespace {

// The count in a red disc over the icon's lower right corner.
QPixmap badged(const QPixmap& icon, const QString& badge) {
  if (badge.isEmpty())
    return icon;
  QPixmap out = icon;
  QPainter p(&out);
  p.setRenderHint(QPainter::Antialiasing);
  const QSizeF size = icon.deviceIndependentSize();
  const QRectF disc(size.width() * 0.4, size.height() * 0.4, size.width() * 0.6,
                    size.height() * 0.6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 30, 30));
  p.drawEllipse(disc);
  QFont f = p.font();
  f.setBold(true);
  f.setPixelSize(qMax(6, int(disc.height() * (badge.size() > 1 ? 0.5 : 0.75))));
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(disc, Qt::AlignCenter, badge);
  return out;
}

} // namespace

TrayIcon::TrayIcon(const QPixmap& icon, QObject* parent) : QObject(parent), icon_(icon) {
#if defined(SLV_DBUS)
  // An icon shown is registered again by Qt itself; one that could not show
  // (no area then, or deleted while the window was disguised) needs asking.
  auto* watcher = new QDBusServiceWatcher(QStringLiteral("org.kde.StatusNotifierWatcher"),
                                          QDBusConnection::sessionBus(),
                                          QDBusServiceWatcher::WatchForRegistration, this);
  connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, &TrayIcon::hostAppeared);
#endif
}

TrayIcon::~TrayIcon() {
  delete tray_;
  delete menu_;
}

bool TrayIcon::hostPresent() {
  return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::show(const slv::TrayView& view) {
  if (!view.shown) {
    // Deleted, not hidden: a hidden item may still be listed by a host.
    delete tray_;
    tray_ = nullptr;
    delete menu_;
    menu_ = nullptr;
    badge_.clear();
    return;
  }
  if (tray_ == nullptr) {
    menu_ = new QMenu;
    connect(menu_->addAction(QStringLiteral("Mostra")), &QAction::triggered, this,
            &TrayIcon::showRequested);
    connect(menu_->addAction(QStringLiteral("Allarme Boss")), &QAction::triggered, this,
            &TrayIcon::alarmRequested);
    menu_->addSeparator();
    connect(menu_->addAction(QStringLiteral("Esci")), &QAction::triggered, this,
            &TrayIcon::quitRequested);
    tray_ = new QSystemTrayIcon(QIcon(badged(icon_, slv::qs(view.badge))));
    badge_ = view.badge;
    tray_->setContextMenu(menu_);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
      if (r == QSystemTrayIcon::Trigger)
        emit showRequested();
    });
    tray_->setToolTip(slv::qs(view.tooltip));
    tray_->show();
    return;
  }
  if (view.badge != badge_) {
    badge_ = view.badge;
    tray_->setIcon(QIcon(badged(icon_, slv::qs(view.badge))));
  }
  tray_->setToolTip(slv::qs(view.tooltip));
}
