#pragma once
#include <QFrame>

class frmNRV_SLV3;

// Panel 2: other pages of the portal.
class OtherPagesPanel : public QFrame {
  Q_OBJECT
public:
  OtherPagesPanel(frmNRV_SLV3& owner, QWidget* parent);

private:
  frmNRV_SLV3& owner_;
};
