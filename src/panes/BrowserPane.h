#pragma once
// An embedded web browser: what the program asks of it, nothing more.
#include <QObject>
#include <QString>
#include <string>
#include <vector>
#include <functional>

class QWidget;
namespace slv {
struct PageTexts;
}

// What a site may ask to use, as the program names it to the user.
enum class PanePermission {
  Notifications,
  Location,
  Camera,
  Microphone,
  CameraAndMicrophone,
  ScreenSharing
};

class BrowserPane : public QObject {
  Q_OBJECT
public:
  using QObject::QObject;
  ~BrowserPane() override = default;

  // The widget to place and show; owned by the pane's parent widget.
  virtual QWidget* widget() = 0;

  virtual void navigate(const QString& address) = 0;
  // false when there is no page to go to; callers ignore it.
  virtual bool goBack() = 0;
  virtual bool goForward() = 0;
  virtual void stop() = 0;
  // Reloads the page; after a crashed page, the address it showed.
  virtual void refresh() = 0;
  // Back to the first address the pane was sent to.
  virtual void goHome() = 0;

  virtual bool busy() const = 0;
  virtual QString locationURL() const = 0;

  // Highlights the matches of text and moves to the next one (the previous
  // one when backward); an empty text clears the highlighting. The outcome
  // arrives as found().
  virtual void findText(const QString& text, bool backward) = 0;
  // 1.0 is the page's own size.
  virtual double zoomFactor() const = 0;
  virtual void setZoomFactor(double factor) = 0;
  // The system's print dialog for the page.
  virtual void print() = 0;
  // Brings a page shown full screen back into the pane.
  virtual void leaveFullScreen() = 0;
  // The user's answer to permissionRequested.
  virtual void answerPermission(const QString& site, PanePermission what, bool granted) = 0;
  // The texts of the page shown, read where the page's own scripts cannot
  // reach; done is not called when there is no page to read.
  virtual void readTexts(std::function<void(const slv::PageTexts&)> done) = 0;

  // Links the member clicks to sites other than ownSites (as slv::isOtherSite
  // takes them) open in the desktop's browser; Shift+click keeps them here.
  virtual void sendOtherSitesOut(const std::vector<std::string>& ownSites) = 0;
  // The dark reading style over the page shown and every page after it.
  virtual void setDarkReading(bool on) = 0;
  // The member's own style sheet over every page, after the dark style;
  // empty for none.
  virtual void setMemberStyle(const QString& css) = 0;

signals:
  // The matches of the last search: which one is current (from 1; 0 for none) and how many.
  void found(int current, int total);
  // A site asks to use something; answered with answerPermission.
  void permissionRequested(const QString& site, PanePermission what);
  // A page finished loading, or failed to (ok false).
  void loaded(bool ok);
  // The member opened a notification of this pane's page.
  void frontRequested();
};
