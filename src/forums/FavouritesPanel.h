#pragma once
#include <QFrame>

class frmNRV_SLV3;
class QListWidget;

// Panel 1: the favourite forums.
class FavouritesPanel : public QFrame {
  Q_OBJECT
public:
  FavouritesPanel(frmNRV_SLV3& owner, QWidget* parent);

  QListWidget* lstPreferiti;

private:
  frmNRV_SLV3& owner_;
};
