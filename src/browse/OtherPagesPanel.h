#pragma once
#include <QFrame>
#include <array>

class frmNRV_SLV3;
class QLabel;
class QPushButton;

// Panel 2: six buttons that load other portal pages into the forum pane.
class OtherPagesPanel : public QFrame {
  Q_OBJECT
public:
  OtherPagesPanel(frmNRV_SLV3& owner, QWidget* parent);

  void cmdAltrePagine_Click(int Index);

  std::array<QPushButton*, 6> cmdAltrePagine{};

private:
  frmNRV_SLV3& owner_;
};
