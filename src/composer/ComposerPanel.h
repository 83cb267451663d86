#pragma once
#include <QFrame>

class frmNRV_SLV3;

// Panel 4: the post composer.
class ComposerPanel : public QFrame {
  Q_OBJECT
public:
  ComposerPanel(frmNRV_SLV3& owner, QWidget* parent);

private:
  frmNRV_SLV3& owner_;
};
