#include "browse/PanePermissions.h"

#include "desktop/Platform.h"

#include <QPointer>

PanePermissions::PanePermissions(Platform& platform, QObject* parent)
    : QObject(parent), platform_(platform) {}

QString PanePermissions::key(const QString& site, PanePermission what) {
  return site + QLatin1Char('|') + QString::number(static_cast<int>(what));
}

QString PanePermissions::question(const QString& site, PanePermission what) {
  const char* use = "";
  switch (what) {
  case PanePermission::Notifications:
    use = "mostrarti le sue notifiche";
    break;
  case PanePermission::Location:
    use = "conoscere la tua posizione";
    break;
  case PanePermission::Camera:
    use = "usare la tua webcam";
    break;
  case PanePermission::Microphone:
    use = "usare il tuo microfono";
    break;
  case PanePermission::CameraAndMicrophone:
    use = "usare la tua webcam e il tuo microfono";
    break;
  case PanePermission::ScreenSharing:
    use = "vedere e condividere il tuo schermo";
    break;
  }
  return QStringLiteral("Il sito %1 chiede di %2.\n\nLo permetti? La risposta vale fino alla "
                        "chiusura del programma.")
      .arg(site, QString::fromUtf8(use));
}

void PanePermissions::request(BrowserPane* pane, const QString& site, PanePermission what) {
  if (const auto it = answers_.constFind(key(site, what)); it != answers_.constEnd()) {
    pane->answerPermission(site, what, *it);
    return;
  }
  waiting_.append({pane, site, what});
}

void PanePermissions::askWaiting(BrowserPane* front, bool mayAsk) {
  // One question at a time; the next is asked once it is answered.
  if (!mayAsk || asking_)
    return;
  for (int i = 0; i < waiting_.size(); ++i) {
    if (waiting_[i].pane != front)
      continue;
    const Request r = waiting_.takeAt(i);
    const QString k = key(r.site, r.what);
    // The same question may wait twice; the first answer does for both.
    if (answers_.contains(k)) {
      r.pane->answerPermission(r.site, r.what, answers_.value(k));
      --i;
      continue;
    }
    asking_ = true;
    QPointer<PanePermissions> self(this);
    QPointer<BrowserPane> pane(r.pane);
    platform_.msgBoxThen(question(r.site, r.what), vbYesNo + vbQuestion + 256, kProgramTitle,
                         {r.pane->widget(), false, false}, [self, pane, r, k](int answer) {
                           if (!self)
                             return;
                           self->asking_ = false;
                           self->answers_.insert(k, answer == vbYes);
                           if (pane)
                             pane->answerPermission(r.site, r.what, answer == vbYes);
                           emit self->answered();
                         });
    return;
  }
}
