#pragma once
// An embedded web browser: what the program asks of it, nothing more.
#include <QString>

class QWidget;

class BrowserPane {
public:
  virtual ~BrowserPane() = default;

  // The widget to place and show; owned by the pane's parent widget.
  virtual QWidget* widget() = 0;

  virtual void navigate(const QString& address) = 0;
  // false when there is no page to go to; callers ignore it.
  virtual bool goBack() = 0;
  virtual bool goForward() = 0;
  virtual void stop() = 0;
  virtual void refresh() = 0;
  // Back to the first address the pane was sent to.
  virtual void goHome() = 0;

  virtual bool busy() const = 0;
  virtual QString locationURL() const = 0;
};
