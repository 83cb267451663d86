#pragma once
// The page inside a browser pane: it keeps pages away from the user's files
// and from other programs, and opens what a page wants in a new window in the
// pane itself, since the program has no other browser windows.
#include <QWebEnginePage>

class QWebEngineNewWindowRequest;

class PanePage : public QWebEnginePage {
  Q_OBJECT
public:
  PanePage(QWebEngineProfile* profile, QObject* parent);

protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
  void openNewWindow(QWebEngineNewWindowRequest& request);
};
