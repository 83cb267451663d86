#pragma once
#include <QFrame>

class frmNRV_SLV3;
class QListWidget;

// Panel 0: the forum index.
class ForumPanel : public QFrame {
  Q_OBJECT
public:
  ForumPanel(frmNRV_SLV3& owner, QWidget* parent);

  QListWidget* lstForum;

private:
  frmNRV_SLV3& owner_;
};
