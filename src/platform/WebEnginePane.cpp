#include "platform/WebEnginePane.h"

#include "core/navigation_policy.h"
#include "platform/PanePage.h"

#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEngineView>

namespace {

// An address as the user or the program typed it; one without a scheme
// ("www.example.com") is completed the way a browser's address line does.
QUrl typedUrl(const QString& address) {
  if (slv::schemeOf(address.trimmed().toStdString()).empty())
    return QUrl::fromUserInput(address);
  return QUrl(address);
}

} // namespace

WebEnginePane::WebEnginePane(QWebEngineProfile* profile, QWidget* parent)
    : view_(new QWebEngineView(parent)) {
  view_->setPage(new PanePage(profile, view_));
  // Right-click gives the browser's own menu (copy, copy image address...).
  view_->setContextMenuPolicy(Qt::DefaultContextMenu);
  QObject::connect(view_, &QWebEngineView::loadStarted, view_, [this] { loading_ = true; });
  QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this](bool) { loading_ = false; });
}

QWidget* WebEnginePane::widget() { return view_; }

void WebEnginePane::navigate(const QString& address) {
  if (home_.isEmpty())
    home_ = address;
  view_->setUrl(typedUrl(address));
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
    view_->setUrl(typedUrl(home_));
}

bool WebEnginePane::busy() const { return loading_; }

QString WebEnginePane::locationURL() const { return view_->url().toString(); }
