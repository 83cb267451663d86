#include "panes/PageDialogScheme.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QUrlQuery>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace {

const QByteArray kScheme = QByteArrayLiteral("slvdialog");

// Run in the page's own world before its scripts. Everything it uses is
// taken now, so a page that later replaces XMLHttpRequest, call or
// encodeURIComponent never sees the pane's mark. The answer comes back as
// one character ('1' yes, '0' no) followed, for prompt, by the text.
const char* const kScript = R"((function (base) {
  'use strict';
  var w = window, X = w.XMLHttpRequest, P = X && X.prototype;
  if (!P || typeof w.alert !== 'function') return;
  var fcall = Function.prototype.call, fbind = Function.prototype.bind;
  var uncurry = function (f) { return fbind.call(fcall, f); };
  var get = function (name) { return uncurry(Object.getOwnPropertyDescriptor(P, name).get); };
  var open = uncurry(P.open), send = uncurry(P.send), status = get('status'),
      body = get('responseText'), slice = uncurry(String.prototype.slice),
      enc = w.encodeURIComponent, S = String;
  var nAlert = uncurry(w.alert), nConfirm = uncurry(w.confirm), nPrompt = uncurry(w.prompt);
  var text = function (v) { return v === undefined ? '' : slice(S(v), 0, 4000); };
  // null: the frame may not ask this way (a policy forbids synchronous
  // requests, or the page is going); it asks the engine's way instead.
  var ask = function (kind, m, d) {
    var q = base + kind + '?t=' + enc(text(m));
    if (d !== undefined) q += '&d=' + enc(text(d));
    try {
      var x = new X();
      open(x, 'GET', q, false);
      send(x);
      return status(x) === 200 ? body(x) : null;
    } catch (e) {
      return null;
    }
  };
  w.alert = function alert(m) {
    if (ask('alert', m) === null) nAlert(w, m);
  };
  w.confirm = function confirm(m) {
    var r = ask('confirm', m);
    return r === null ? nConfirm(w, m) : r === '1';
  };
  w.prompt = function prompt(m, d) {
    var r = ask('prompt', m, d);
    return r === null ? nPrompt(w, m, d) : r === '0' ? null : slice(r, 1);
  };
})()";

} // namespace

void PageDialogScheme::registerScheme() {
  QWebEngineUrlScheme scheme(kScheme);
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
  // Reachable from any page: http and https ones, across origins, whatever
  // their content policy allows them to connect to.
  scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled |
                  QWebEngineUrlScheme::ContentSecurityPolicyIgnored);
  QWebEngineUrlScheme::registerScheme(scheme);
}

PageDialogScheme& PageDialogScheme::of(QWebEngineProfile& profile) {
  if (auto* installed = qobject_cast<PageDialogScheme*>(
          const_cast<QWebEngineUrlSchemeHandler*>(profile.urlSchemeHandler(kScheme))))
    return *installed;
  auto* handler = new PageDialogScheme(&profile);
  profile.installUrlSchemeHandler(kScheme, handler);
  return *handler;
}

QString PageDialogScheme::enrol(QObject* owner, Asked asked) {
  QString mark;
  do
    mark = QStringLiteral("slv%1").arg(QRandomGenerator::system()->generate64(), 16, 16,
                                       QLatin1Char('0'));
  while (askers_.contains(mark));
  askers_.insert(mark, {owner, std::move(asked)});
  return mark;
}

void PageDialogScheme::install(QWebEnginePage& page, Asked asked) {
  const QString mark = of(*page.profile()).enrol(&page, std::move(asked));
  QWebEngineScript script;
  script.setName(QStringLiteral("slv-domande"));
  script.setWorldId(QWebEngineScript::MainWorld);
  script.setInjectionPoint(QWebEngineScript::DocumentCreation);
  script.setRunsOnSubFrames(true);
  script.setSourceCode(QLatin1String(kScript) + QLatin1Char('"') + QString::fromLatin1(kScheme) +
                       QLatin1Char(':') + mark + QStringLiteral("/\");"));
  page.scripts().insert(script);
}

std::optional<PageDialogScheme::Question>
PageDialogScheme::question(const QWebEngineUrlRequestJob& job) {
  const QUrl url = job.requestUrl();
  const QString kind = url.path().section(QLatin1Char('/'), 1);
  Question q;
  if (kind == QLatin1String("alert"))
    q.kind = Kind::Alert;
  else if (kind == QLatin1String("confirm"))
    q.kind = Kind::Confirm;
  else if (kind == QLatin1String("prompt"))
    q.kind = Kind::Prompt;
  else
    return std::nullopt;
  const QUrlQuery query(url);
  q.text = query.queryItemValue(QStringLiteral("t"), QUrl::FullyDecoded);
  q.defaultValue = query.queryItemValue(QStringLiteral("d"), QUrl::FullyDecoded);
  q.origin = job.initiator();
  return q;
}

void PageDialogScheme::answer(QWebEngineUrlRequestJob& job, bool accepted, const QString& value) {
  // The job owns the reply and lets it go with itself.
  auto* reply = new QBuffer(&job);
  reply->setData((accepted ? QByteArrayLiteral("1") : QByteArrayLiteral("0")) + value.toUtf8());
  reply->open(QIODevice::ReadOnly);
  job.reply(QByteArrayLiteral("text/plain;charset=utf-8"), reply);
}

void PageDialogScheme::requestStarted(QWebEngineUrlRequestJob* job) {
  // Only a page of the pane whose mark it carries asks through it, and only
  // as the script does.
  const auto it = askers_.find(job->requestUrl().path().section(QLatin1Char('/'), 0, 0));
  if (it != askers_.end() && !it->owner)
    askers_.erase(it);
  else if (it != askers_.end() && job->requestMethod() == QByteArrayLiteral("GET") &&
           question(*job)) {
    it->asked(job);
    return;
  }
  job->fail(QWebEngineUrlRequestJob::RequestDenied);
}
