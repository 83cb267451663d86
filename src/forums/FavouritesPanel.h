#pragma once
#include <QFrame>

class PanelHost;
class QLabel;
class QListWidget;
class ToggleButton;

// Panel 1: the favourite forums. A click opens the forum in the forum pane;
// with the toggle armed the favourite is removed instead.
class FavouritesPanel : public QFrame {
  Q_OBJECT
public:
  FavouritesPanel(PanelHost& host, QWidget* parent);

  void lstPreferiti_Click();
  void chkAdd_Click();

  // Appends an entry to the favourites file and reloads the list from it;
  // what cannot be written is told to the user and leaves the file as it was.
  void addFavourite(const QString& entry);
  // The list shows again exactly what the file holds.
  void reloadFavourites();
  QString favouritesPath() const;

  QLabel* Label28;
  QLabel* Label27;
  QListWidget* lstPreferiti;
  QFrame* Picture1;
  QLabel* Label20;
  ToggleButton* chkAdd;

private:
  void removeFavourite(int index);
  PanelHost& host_;
};
