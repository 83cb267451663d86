#pragma once
#include "platform/BrowserPane.h"

class QWebEngineProfile;
class QWebEngineView;

// A browser pane on Qt WebEngine.
class WebEnginePane : public BrowserPane {
public:
  WebEnginePane(QWebEngineProfile* profile, QWidget* parent);

  QWidget* widget() override;
  void navigate(const QString& address) override;
  bool goBack() override;
  bool goForward() override;
  void stop() override;
  void refresh() override;
  void goHome() override;
  bool busy() const override;
  QString locationURL() const override;

  QWebEngineView* view() const { return view_; }

private:
  QWebEngineView* view_;
  QString home_;
  bool loading_ = false;
};
