#pragma once
// The member's reading style over what a browser page shows: the dark
// reading style (the engine's own dark mode where it has one, Qt 6.7 and
// later; a style sheet before), then the member's own style sheet, so it can
// refine it.
// Every page has it from its first paint; a change reaches the page shown
// without reloading it.
#include <QString>

class QWebEnginePage;

class PageStyles {
public:
  explicit PageStyles(QWebEnginePage& page) : page_(page) {}

  void setDark(bool on);
  void setMemberCss(const QString& css);

  // The member's style sheet in the file at path; empty when there is none,
  // and when it is too big or not UTF-8 text (one warning line says so).
  static QString readMemberCss(const QString& path);
  // Whether dark reading is the engine's own dark mode, which keeps the
  // page's grounds apart, rather than one dark style over everything.
  static bool engineDarkMode();

private:
  void apply();

  QWebEnginePage& page_;
  bool dark_ = false;
  QString member_;
};
