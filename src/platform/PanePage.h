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
  // The pages' own console lines are the portal's business, not the user's
  // terminal's.
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                const QString&) override {}

private:
  void openNewWindow(QWebEngineNewWindowRequest& request);
};
