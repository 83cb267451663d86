#pragma once
#include "panes/BrowserPane.h"

#include <QPointer>
#include <QtGlobal>
#include <memory>
#include <vector>

// Qt 6.8 asks for a site's permissions with QWebEnginePermission; earlier
// engines with the page's features, deprecated since.
#define SLV_ENGINE_PERMISSIONS (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0))
#if SLV_ENGINE_PERMISSIONS
#include <QWebEnginePermission>
#endif

class PageStyles;
class PanePage;
class Platform;
class QMenu;
class QPrinter;
class QWebEngineFullScreenRequest;
class QWebEngineProfile;
class QWebEngineView;

// A browser pane on Qt WebEngine.
class WebEnginePane : public BrowserPane {
  Q_OBJECT
public:
  WebEnginePane(QWebEngineProfile* profile, Platform& platform, QWidget* parent);
  ~WebEnginePane() override;

  QWidget* widget() override;
  void navigate(const QString& address) override;
  bool goBack() override;
  bool goForward() override;
  void stop() override;
  void refresh() override;
  void goHome() override;
  bool busy() const override;
  QString locationURL() const override;
  void findText(const QString& text, bool backward) override;
  double zoomFactor() const override;
  void setZoomFactor(double factor) override;
  void print() override;
  void answerPermission(const QString& site, PanePermission what, bool granted) override;
  void leaveFullScreen() override;
  void sendOtherSitesOut(const std::vector<std::string>& ownSites) override;
  void setDarkReading(bool on) override;
  void setMemberStyle(const QString& css) override;
  void readTexts(std::function<void(const slv::PageTexts&)> done) override;

  QWebEngineView* view() const { return view_; }

  // The page's menu for the last right-click: the browser's own items
  // (spelling suggestions first) and "Salva come PDF". The caller owns it.
  QMenu* contextMenu();
  // Asks where, then writes the page as a PDF file there.
  void savePdf();
  // The print question, asked for the member (Ctrl+P) or for the page.
  void askToPrint(bool byPage);
  void pagePrint();
  // Writes the page as a PDF file at path, whole or not at all; says how it went.
  void writePdf(const QString& path);
  // Whether the pane shows the notice of a page whose renderer ended.
  bool crashed() const { return !crashedUrl_.isEmpty(); }
  // What the notifications of this pane's pages carry in their tag.
  const QString& notificationMark() const { return notificationMark_; }

private:
  void pageEnded(int status);
  void fullScreen(QWebEngineFullScreenRequest& request);
  bool eventFilter(QObject* watched, QEvent* event) override;
  // "Apri nel browser predefinito" for a web link, in the panes that send
  // other sites out.
  void addOpenOutside(QMenu* menu);

  Platform& platform_;
  QWebEngineView* view_;
  PanePage* page_ = nullptr;
  std::unique_ptr<PageStyles> styles_;
  QString home_;
  bool loading_ = false;
  QString crashedUrl_; // the address shown when the renderer ended
  QString notificationMark_;
  QPointer<QWebEngineView> fullView_;
  QPrinter* printer_ = nullptr;
  bool printAsked_ = false;
#if SLV_ENGINE_PERMISSIONS
  // The requests waiting for the member's answer.
  std::vector<QWebEnginePermission> permissionsAsked_;
#endif
};
