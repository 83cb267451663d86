#pragma once
#include <QFrame>
#include <array>

class PanelHost;
class QLabel;
class QPushButton;

// Panel 2: six buttons that load other portal pages into the forum pane.
class OtherPagesPanel : public QFrame {
  Q_OBJECT
public:
  OtherPagesPanel(PanelHost& host, QWidget* parent);

  void cmdAltrePagine_Click(int Index);

  std::array<QPushButton*, 6> cmdAltrePagine{};

private:
  PanelHost& host_;
};
