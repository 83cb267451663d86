#include "panes/NotificationMark.h"

#include <QRandomGenerator>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {

// Run in the page's own world before its scripts: the page's Notification
// is the engine's behind a proxy that adds the mark to the tag, the page's
// own tag after it, so notifications the page tags alike still replace each
// other and untagged ones never do. The page reads back its own tag; the
// mark lives in a closure it cannot reach from another pane. What the engine
// would refuse (no title, renotify without a tag) goes through untouched.
const char* const kScript = R"((function (mark) {
  var N = window.Notification, count = 0;
  if (typeof N !== 'function' || typeof Proxy !== 'function') return;
  window.Notification = new Proxy(N, {
    construct: function (target, args, newTarget) {
      var o = args.length > 1 && args[1] !== undefined && args[1] !== null ? args[1] : {};
      if (args.length === 0 || (typeof o !== 'object' && typeof o !== 'function'))
        return Reflect.construct(target, args, newTarget);
      var tag = o.tag === undefined ? '' : String(o.tag);
      if (!tag && o.renotify) return Reflect.construct(target, args, newTarget);
      var marked = Object.create(o);
      Object.defineProperty(marked, 'tag', {
        value: mark + (tag ? ':' + tag : '#' + (++count)), enumerable: true});
      var n = Reflect.construct(target, [args[0], marked].concat(args.slice(2)), newTarget);
      Object.defineProperty(n, 'tag', {value: tag, enumerable: true});
      return n;
    }
  });
})()";

} // namespace

QString NotificationMark::install(QWebEnginePage& page) {
  const QString mark = QStringLiteral("slv%1").arg(QRandomGenerator::system()->generate64(), 16, 16,
                                                   QLatin1Char('0'));
  QWebEngineScript script;
  script.setName(QStringLiteral("slv-notifiche"));
  script.setWorldId(QWebEngineScript::MainWorld);
  script.setInjectionPoint(QWebEngineScript::DocumentCreation);
  script.setRunsOnSubFrames(true);
  script.setSourceCode(QLatin1String(kScript) + QLatin1Char('"') + mark + QStringLiteral("\");"));
  page.scripts().insert(script);
  return mark;
}

bool NotificationMark::carries(const QString& tag, const QString& mark) {
  return !mark.isEmpty() && tag.startsWith(mark) && tag.size() > mark.size() &&
         (tag[mark.size()] == QLatin1Char(':') || tag[mark.size()] == QLatin1Char('#'));
}
