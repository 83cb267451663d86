#pragma once
#include <QFrame>

class frmNRV_SLV3;

// Panel 3: the emoticon picker.
class EmoTrayPanel : public QFrame {
  Q_OBJECT
public:
  EmoTrayPanel(frmNRV_SLV3& owner, QWidget* parent);

private:
  frmNRV_SLV3& owner_;
};
