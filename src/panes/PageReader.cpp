#include "panes/PageReader.h"

#include "desktop/Strings.h"

#include <QPointer>
#include <QVariantList>
#include <QVariantMap>
#include <QWebEnginePage>
#include <QWebEngineScript>

namespace {

// Bounded, so that a huge page costs a round no more than a small one. What
// the page holds of the member's is told as it is found; the reader decides.
const QString kScript = QStringLiteral(R"JS((function () {
  function hidden(e) {
    for (; e && e.nodeType === 1; e = e.parentElement) {
      if (e.hidden) return true;
      var s = getComputedStyle(e);
      if (s.display === 'none' || s.visibility === 'hidden') return true;
    }
    return false;
  }
  var held = {typed: false, files: 0, dialog: false, sealedFrames: 0};
  function look(doc) {
    var fields = doc.querySelectorAll('textarea, input');
    for (var i = 0; i < fields.length; ++i) {
      var f = fields[i];
      if (/^file$/i.test(f.type)) {
        if (f.files && f.files.length) held.files += f.files.length;
        continue;
      }
      if (/^(hidden|checkbox|radio|submit|button|reset|image|range|color)$/i.test(f.type))
        continue;
      if (f.value !== f.defaultValue) held.typed = true;
    }
    var editable = doc.querySelectorAll('[contenteditable]:not([contenteditable="false"])');
    for (var j = 0; j < editable.length; ++j)
      if ((editable[j].textContent || '').trim() !== '') held.typed = true;
    if (doc.designMode === 'on' && doc.body && (doc.body.textContent || '').trim() !== '')
      held.typed = true;
    if (doc.querySelector('dialog[open]')) held.dialog = true;
    // A frame from another site keeps its page to itself: it may hold anything.
    var frames = doc.querySelectorAll('iframe, frame');
    for (var k = 0; k < frames.length; ++k) {
      var inner = null;
      try { inner = frames[k].contentDocument; } catch (e) {}
      if (inner) look(inner); else held.sealedFrames += 1;
    }
  }
  look(document);
  var links = [];
  var all = document.querySelectorAll('a[href]');
  for (var i = 0; i < all.length && links.length < 200; ++i) {
    var a = all[i];
    var inner = a.querySelectorAll('*');
    var elements = [];
    for (var j = 0; j < inner.length && j < 12; ++j)
      elements.push({text: (inner[j].textContent || '').slice(0, 40), hidden: hidden(inner[j])});
    links.push({href: a.href, text: (a.innerText || '').slice(0, 80), hidden: hidden(a),
                elements: elements});
  }
  return {
    address: location.href,
    title: document.title || '',
    text: document.body ? (document.body.innerText || '').slice(0, 20000) : '',
    links: links,
    held: held
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
  const QVariantMap held = m.value(QStringLiteral("held")).toMap();
  if (held.isEmpty()) {
    t.holdsInput = true;
    return t;
  }
  // Typed text, a chosen file, an open dialog, or a frame it could not look into.
  t.holdsInput = held.value(QStringLiteral("typed"), true).toBool() ||
                 held.value(QStringLiteral("files"), 1).toInt() > 0 ||
                 held.value(QStringLiteral("dialog"), true).toBool() ||
                 held.value(QStringLiteral("sealedFrames"), 1).toInt() > 0;
  t.address = slv::toStd(m.value(QStringLiteral("address")).toString());
  t.title = slv::toStd(m.value(QStringLiteral("title")).toString());
  t.text = slv::toStd(m.value(QStringLiteral("text")).toString());
  for (const QVariant& l : m.value(QStringLiteral("links")).toList()) {
    const QVariantMap link = l.toMap();
    slv::PageTexts::Link out;
    out.href = slv::toStd(link.value(QStringLiteral("href")).toString());
    out.text = slv::toStd(link.value(QStringLiteral("text")).toString());
    out.hidden = link.value(QStringLiteral("hidden")).toBool();
    for (const QVariant& e : link.value(QStringLiteral("elements")).toList()) {
      const QVariantMap el = e.toMap();
      out.elements.push_back({slv::toStd(el.value(QStringLiteral("text")).toString()),
                              el.value(QStringLiteral("hidden")).toBool()});
    }
    t.links.push_back(std::move(out));
  }
  return t;
}
