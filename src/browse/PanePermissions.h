#pragma once
// Sites' requests to use notifications, location, camera, microphone or the
// screen: asked of the user when the site's pane is in front, never over the
// boss alarm's disguise, and remembered for the session only.
#include "panes/BrowserPane.h"

#include <QHash>
#include <QList>
#include <QObject>

class Platform;

class PanePermissions : public QObject {
  Q_OBJECT
public:
  explicit PanePermissions(Platform& platform, QObject* parent = nullptr);

  // A request from pane; answered at once when the site was answered before.
  void request(BrowserPane* pane, const QString& site, PanePermission what);
  // Asks what waits for the pane in front, unless the window may not ask now.
  void askWaiting(BrowserPane* front, bool mayAsk);
  // How many requests wait for an answer.
  int waiting() const { return static_cast<int>(waiting_.size()); }

  static QString question(const QString& site, PanePermission what);

signals:
  // A question was answered: the next may be asked.
  void answered();

private:
  struct Request {
    BrowserPane* pane;
    QString site;
    PanePermission what;
  };
  static QString key(const QString& site, PanePermission what);

  Platform& platform_;
  QList<Request> waiting_;
  QHash<QString, bool> answers_;
  bool asking_ = false;
};
