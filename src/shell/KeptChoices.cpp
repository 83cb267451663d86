#include "shell/KeptChoices.h"

#include "core/config.h"
#include "core/unread_count.h"
#include "panes/BrowserPane.h"
#include "desktop/Platform.h"
#include "desktop/SurfaceGate.h"
#include "shell/MessageWatch.h"
#include "shell/frmNRV_SLV3.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>

namespace {

// The keys of the store, as the README names them.
const QString kDark = QStringLiteral("LetturaScura");
const QString kWatch = QStringLiteral("AvvisaNuoviMessaggi");
const QString kReopen = QStringLiteral("RiapriPagine");
const QString kTray = QStringLiteral("IconaNotifica");
// Each pane's group: its zoom and its page.
const QString kPaneGroups[3] = {QStringLiteral("Forum"), QStringLiteral("Messaggi"),
                                QStringLiteral("Email")};
QString zoomKey(std::size_t k) {
  return kPaneGroups[k] + QStringLiteral("/Zoom");
}
QString pageKey(std::size_t k) {
  return kPaneGroups[k] + QStringLiteral("/Pagina");
}

} // namespace

KeptChoices::KeptChoices(frmNRV_SLV3& win)
    : QObject(&win), win_(win), store_(win.platform().keptSettingsFile()) {
  const std::string portal = slv::config::portalHost();
  hosts_ = {portal, portal, slv::config::mailHost()};
  watchOffByConfig_ =
      slv::messagesCheckInterval(slv::configValue("SLV_MESSAGES_CHECK_S", "")).seconds == 0;

  // In the Navigazione menu, before "Esci".
  mnuRiapri = new QAction(QStringLiteral("&Riapri le pagine dell'ultima volta"), this);
  mnuRiapri->setCheckable(true);
  win_.mnuNavigazione->insertAction(win_.mnuEsci, mnuRiapri);
  win_.mnuNavigazione->insertSeparator(win_.mnuEsci);

  // What was kept, value by value; whatever is missing or wrong stays as
  // a new member finds it.
  if (const auto dark = store_.readSwitch(kDark); dark && *dark) {
    win_.mnuLetturaScura->setChecked(true);
    win_.mnuLetturaScura_Click();
  }
  QAction* avvisa = win_.watch->mnuAvvisa;
  if (const auto on = store_.readSwitch(kWatch);
      on && !watchOffByConfig_ && *on != avvisa->isChecked()) {
    avvisa->setChecked(*on);
    win_.watch->mnuAvvisa_Click();
  }
  if (const auto reopen = store_.readSwitch(kReopen))
    mnuRiapri->setChecked(*reopen);
  if (const auto tray = store_.readSwitch(kTray); tray && *tray != win_.mnuTray->isChecked()) {
    win_.mnuTray->setChecked(*tray);
    win_.updateTray();
  }
  BrowserPane* panes[3] = {win_.WBMain.get(), win_.WBMess.get(), win_.WBMail.get()};
  for (std::size_t k = 0; k < 3; ++k) {
    if (const auto zoom = store_.readZoom(zoomKey(k)))
      panes[k]->setZoomFactor(*zoom);
    // The pages are read only when the member asked for them.
    if (mnuRiapri->isChecked())
      pages_[k] = store_.readPage(pageKey(k), hosts_[k]);
  }

  // The member's own changes are kept at once; the rest at the restore and the close.
  for (QAction* a : {win_.mnuLetturaScura, avvisa, mnuRiapri, win_.mnuTray})
    connect(a, &QAction::triggered, this, [this, a, avvisa] {
      if (a == avvisa)
        watchTouched_ = true;
      save();
    });
  connect(&win_.platform().gate(), &SurfaceGate::disguiseChanged, this, [this](bool on) {
    if (!on)
      save();
  });
  // A session that ends may not let the window close the usual way.
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { saveAtClose(); });
}

QString KeptChoices::startAddress(int k, const QString& home) const {
  if (k < 0 || k > 2 || !mnuRiapri->isChecked() || !pages_[static_cast<std::size_t>(k)])
    return home;
  return *pages_[static_cast<std::size_t>(k)];
}

bool KeptChoices::disguised() const {
  return win_.app().AlarmActive || win_.platform().gate().disguised();
}

void KeptChoices::save() {
  if (!disguised())
    write();
}

void KeptChoices::saveAtClose() {
  write();
}

void KeptChoices::write() {
  store_.writeSwitch(kDark, win_.mnuLetturaScura->isChecked());
  if (!watchOffByConfig_ || watchTouched_)
    store_.writeSwitch(kWatch, win_.watch->mnuAvvisa->isChecked());
  store_.writeSwitch(kReopen, mnuRiapri->isChecked());
  store_.writeSwitch(kTray, win_.mnuTray->isChecked());
  const BrowserPane* panes[3] = {win_.WBMain.get(), win_.WBMess.get(), win_.WBMail.get()};
  for (std::size_t k = 0; k < 3; ++k) {
    store_.writeZoom(zoomKey(k), panes[k]->zoomFactor());
    // The pages only for a member who asked: no one else's reading is noted.
    store_.writePage(pageKey(k),
                     mnuRiapri->isChecked() ? std::optional(panes[k]->locationURL()) : std::nullopt,
                     hosts_[k]);
  }
  store_.sync();
}
