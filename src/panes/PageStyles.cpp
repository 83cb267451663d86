#include "panes/PageStyles.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringDecoder>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

namespace {

// Style sheets are a few kilobytes; anything near this is not one.
constexpr qint64 kMaxMemberCssBytes = 1024 * 1024;

const QColor kDarkGround(0x1e, 0x1f, 0x22);

// Dark for ordinary forum pages: every colour the page sets gives way, so
// text stays readable whatever the page's own style; quotes, code boxes and
// table headings keep a ground of their own.
const char* const kDarkCss = R"(:root{color-scheme:dark}
html,body{background-color:#1e1f22!important;color:#d8d8d8!important}
*,*::before,*::after{background-color:transparent!important;color:inherit!important;
border-color:#45484e!important;box-shadow:none!important;text-shadow:none!important}
a,a *{color:#8ab4f8!important}
a:visited,a:visited *{color:#c5a3f5!important}
blockquote,pre,code,fieldset,th,thead,caption,.quote,.quotecontent,.code,.codebox,
.codecontent{background-color:#2a2c30!important}
pre,code,.code,.codebox,.codecontent{color:#e3d58a!important}
input,textarea,select,button{background-color:#2a2c30!important;color:#e8e8e8!important}
mark{background-color:#5c5200!important}
img,video,picture{filter:brightness(.88)}
::selection{background-color:#3d5a80!important;color:#fff!important}
)";

const QString kScriptName = QStringLiteral("slv-stile-pagine");

// Puts css in one style element at the end of the document, after the
// page's own style sheets; empty css takes the element away. Run before the
// page has its root element, it waits for it, so the first paint has it.
QString styleScript(const QString& css) {
  const QString literal =
      QString::fromUtf8(QJsonDocument(QJsonArray{css}).toJson(QJsonDocument::Compact));
  return QStringLiteral(
             "(function(css){try{var id='%1';"
             "function place(){var s=document.getElementById(id);"
             "if(!css){if(s)s.remove();return true;}"
             "var root=document.documentElement;if(!root)return false;"
             "if(!s){s=document.createElement('style');s.id=id;}"
             "if(s.textContent!==css)s.textContent=css;"
             "if(s.parentNode!==root||s.nextSibling)root.appendChild(s);return true;}"
             "if(!place())new MutationObserver(function(m,o){if(place())o.disconnect();})"
             ".observe(document,{childList:true});"
             "if(css&&document.readyState==='loading')"
             "document.addEventListener('DOMContentLoaded',place);"
             "}catch(e){}})(")
             .arg(kScriptName) +
         literal + QStringLiteral("[0]);");
}

} // namespace

bool PageStyles::engineDarkMode() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
  return true;
#else
  return false;
#endif
}

void PageStyles::setDark(bool on) {
  if (dark_ == on)
    return;
  dark_ = on;
  // The ground before a page paints: no white flash between pages.
  page_.setBackgroundColor(on ? kDarkGround : QColor(Qt::white));
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
  // The engine darkens each colour of the page on its own, so a header bar
  // and the boxes of a forum keep their grounds apart; the page shown
  // changes with it, without a reload.
  page_.settings()->setAttribute(QWebEngineSettings::ForceDarkMode, on);
#endif
  apply();
}

void PageStyles::setMemberCss(const QString& css) {
  if (member_ == css)
    return;
  member_ = css;
  apply();
}

void PageStyles::apply() {
  QString css = dark_ && !engineDarkMode() ? QString::fromUtf8(kDarkCss) : QString();
  if (!member_.isEmpty())
    css += QLatin1Char('\n') + member_;
  const QString source = styleScript(css);
  // In a world of its own: the page's scripts cannot reach its functions
  // nor replace what it calls.
  QWebEngineScriptCollection& scripts = page_.scripts();
  for (const QWebEngineScript& old : scripts.find(kScriptName))
    scripts.remove(old);
  if (!css.isEmpty()) {
    QWebEngineScript script;
    script.setName(kScriptName);
    script.setSourceCode(source);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(false);
    scripts.insert(script);
  }
  page_.runJavaScript(source, QWebEngineScript::ApplicationWorld);
}

QString PageStyles::readMemberCss(const QString& path) {
  QFile file(path);
  if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
    return {};
  const QByteArray bytes = file.read(kMaxMemberCssBytes + 1);
  if (bytes.size() > kMaxMemberCssBytes) {
    qWarning("solvarino: %s non usato: più grande di 1 MB", qPrintable(path));
    return {};
  }
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString css = utf8(bytes);
  if (utf8.hasError()) {
    qWarning("solvarino: %s non usato: non è testo UTF-8", qPrintable(path));
    return {};
  }
  return css;
}
