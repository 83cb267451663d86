#pragma once
// The program's icon in the desktop's notification area, as slv::trayView
// decides: made when it is to show, deleted when it is not, so nothing of it
// (name, count, menu) stays on the desktop's bus meanwhile.
#include "core/tray_view.h"

#include <QObject>
#include <QPixmap>

class QMenu;
class QSystemTrayIcon;

class TrayIcon : public QObject {
  Q_OBJECT
public:
  TrayIcon(const QPixmap& icon, QObject* parent = nullptr);
  ~TrayIcon() override;

  // Whether the desktop has a place for such icons now.
  static bool hostPresent();

  void show(const slv::TrayView& view);
  bool isShown() const { return tray_ != nullptr; }

signals:
  // "Mostra" and a left click; "Allarme Boss"; "Esci".
  void showRequested();
  void alarmRequested();
  void quitRequested();
  // A notification area came to the desktop (its panel started again).
  void hostAppeared();

private:
  QPixmap icon_;
  QSystemTrayIcon* tray_ = nullptr;
  QMenu* menu_ = nullptr;
  std::string badge_;
};
