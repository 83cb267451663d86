#pragma once
#include <QFrame>
#include <functional>

class frmNRV_SLV3;
class QLabel;
class QListWidget;
class ToggleButton;

// Panel 0: the forum index. A click opens the forum in the forum pane; with
// the toggle armed the forum is also added to the favourites.
class ForumPanel : public QFrame {
  Q_OBJECT
public:
  ForumPanel(frmNRV_SLV3& owner, QWidget* parent);

  void lstForum_Click();
  void chkForum_Click();

  QLabel* Label31;
  QLabel* Label30;
  QListWidget* lstForum;
  QFrame* Picture2;
  QLabel* Label29;
  ToggleButton* chkForum;

private:
  frmNRV_SLV3& owner_;
};

// Lets a list box act on Enter and Space as on a click, so the lists can be
// used from the keyboard.
void clickOnEnter(QListWidget* list, std::function<void()> click);
