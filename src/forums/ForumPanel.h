#pragma once
#include <QFrame>

class PanelHost;
class QLabel;
class QListWidget;
class ToggleButton;

// Panel 0: the forum index. A click opens the forum in the forum pane; with
// the toggle armed the forum is also added to the favourites.
class ForumPanel : public QFrame {
  Q_OBJECT
public:
  ForumPanel(PanelHost& host, QWidget* parent);

  void lstForum_Click();
  void chkForum_Click();

  QLabel* Label31;
  QLabel* Label30;
  QListWidget* lstForum;
  QFrame* Picture2;
  QLabel* Label29;
  ToggleButton* chkForum;

signals:
  // A forum chosen with the toggle armed, to be added to the favourites.
  void favouriteChosen(const QString& entry);

private:
  PanelHost& host_;
};
