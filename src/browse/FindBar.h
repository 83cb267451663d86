#pragma once
// The find bar over the pane in front: a field, next and previous, and how
// many matches the page holds.
#include <QFrame>
#include <QPointer>

class BrowserPane;
class QLabel;
class QLineEdit;
class QPushButton;

class FindBar : public QFrame {
  Q_OBJECT
public:
  explicit FindBar(QWidget* parent);

  // Shows the bar for pane, the field selected to type over.
  void openOn(BrowserPane* pane);
  // Hides the bar and clears the page's highlighting.
  void closeBar();
  // Whether the focus is in the bar (Escape then closes it).
  bool hasFocusInside() const;
  void findNext();
  void findPrevious();
  BrowserPane* pane() const { return pane_; }

  static QString matchesText(int current, int total);

  QLineEdit* txtFind;
  QPushButton* cmdPrevious;
  QPushButton* cmdNext;
  QPushButton* cmdCloseFind;
  QLabel* lblMatches;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void search(bool backward);
  void showResult(int current, int total);

  QPointer<BrowserPane> pane_;
  QMetaObject::Connection found_;
};
