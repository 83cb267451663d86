#include "platform/WebEnginePane.h"

#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>

WebEnginePane::WebEnginePane(QWebEngineProfile* profile, QWidget* parent)
    : view_(new QWebEngineView(parent)) {
  view_->setPage(new QWebEnginePage(profile, view_));
  QObject::connect(view_, &QWebEngineView::loadStarted, view_, [this] { loading_ = true; });
  QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this](bool) { loading_ = false; });
}

QWidget* WebEnginePane::widget() { return view_; }

void WebEnginePane::navigate(const QString& address) {
  if (home_.isEmpty())
    home_ = address;
  view_->setUrl(QUrl(address));
}

bool WebEnginePane::goBack() {
  if (!view_->history()->canGoBack())
    return false;
  view_->back();
  return true;
}

bool WebEnginePane::goForward() {
  if (!view_->history()->canGoForward())
    return false;
  view_->forward();
  return true;
}

void WebEnginePane::stop() { view_->stop(); }
void WebEnginePane::refresh() { view_->reload(); }

void WebEnginePane::goHome() {
  if (!home_.isEmpty())
    view_->setUrl(QUrl(home_));
}

bool WebEnginePane::busy() const { return loading_; }

QString WebEnginePane::locationURL() const { return view_->url().toString(); }
