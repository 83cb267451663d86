#include "platform/PageReader.h"

#include "platform/Strings.h"

#include <QPointer>
#include <QVariantList>
#include <QVariantMap>
#include <QWebEnginePage>
#include <QWebEngineScript>

namespace {

// Bounded, so that a huge page costs a round no more than a small one.
const QString kScript = QStringLiteral(R"JS((function () {
  function hidden(e) {
    for (; e && e.nodeType === 1; e = e.parentElement) {
      if (e.hidden) return true;
      var s = getComputedStyle(e);
      if (s.display === 'none' || s.visibility === 'hidden') return true;
    }
    return false;
  }
  function typed(doc) {
    var fields = doc.querySelectorAll('textarea, input');
    for (var i = 0; i < fields.length; ++i) {
      var f = fields[i];
      if (/^(hidden|checkbox|radio|submit|button|reset|image|file|range|color)$/i.test(f.type))
        continue;
      if (f.value !== f.defaultValue) return true;
    }
    var editable = doc.querySelectorAll('[contenteditable]:not([contenteditable="false"])');
    for (var j = 0; j < editable.length; ++j)
      if ((editable[j].textContent || '').trim() !== '') return true;
    if (doc.querySelector('dialog[open]')) return true;
    var frames = doc.querySelectorAll('iframe, frame');
    for (var k = 0; k < frames.length; ++k) {
      try {
        if (frames[k].contentDocument && typed(frames[k].contentDocument)) return true;
      } catch (e) {}
    }
    return false;
  }
  var links = [];
  var all = document.querySelectorAll('a[href]');
  for (var i = 0; i < all.length && links.length < 200; ++i) {
    var inner = all[i].querySelectorAll('*');
    if (inner.length === 0) continue;
    var elements = [];
    for (var j = 0; j < inner.length && j < 12; ++j)
      elements.push({text: (inner[j].textContent || '').slice(0, 40), hidden: hidden(inner[j])});
    links.push({href: all[i].href, elements: elements});
  }
  return {
    title: document.title || '',
    text: document.body ? (document.body.innerText || '').slice(0, 20000) : '',
    links: links,
    holdsInput: typed(document)
  };
})())JS");

} // namespace

void PageReader::read(QWebEnginePage& page, std::function<void(const slv::PageTexts&)> done) {
  QPointer<QWebEnginePage> alive(&page);
  page.runJavaScript(kScript, QWebEngineScript::ApplicationWorld,
                     [alive, done = std::move(done)](const QVariant& result) {
                       if (alive)
                         done(fromScript(result));
                     });
}

slv::PageTexts PageReader::fromScript(const QVariant& result) {
  const QVariantMap m = result.toMap();
  slv::PageTexts t;
  // A page the script could not read may hold anything: it is left alone.
  if (!m.contains(QStringLiteral("holdsInput"))) {
    t.holdsInput = true;
    return t;
  }
  t.title = slv::toStd(m.value(QStringLiteral("title")).toString());
  t.text = slv::toStd(m.value(QStringLiteral("text")).toString());
  t.holdsInput = m.value(QStringLiteral("holdsInput")).toBool();
  for (const QVariant& l : m.value(QStringLiteral("links")).toList()) {
    const QVariantMap link = l.toMap();
    slv::PageTexts::Link out;
    out.href = slv::toStd(link.value(QStringLiteral("href")).toString());
    for (const QVariant& e : link.value(QStringLiteral("elements")).toList()) {
      const QVariantMap el = e.toMap();
      out.elements.push_back({slv::toStd(el.value(QStringLiteral("text")).toString()),
                              el.value(QStringLiteral("hidden")).toBool()});
    }
    t.links.push_back(std::move(out));
  }
  return t;
}
