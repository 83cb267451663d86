#include "shell/MessageWatch.h"

#include "core/config.h"
#include "panes/BrowserPane.h"
#include "desktop/Platform.h"
#include "desktop/Strings.h"
#include "desktop/SurfaceGate.h"
#include "shell/frmNRV_SLV3.h"
#include "ui/Pictures.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <cstdio>

namespace {

const QString kNoteKey = QStringLiteral("messaggi");

// The portal's pages that tell the count: the messages pane's home, where
// the portal keeps the private messages, and the forum index.
slv::PortalPlaces portalPlaces() {
  return {slv::config::portalHost(), "/msg/", "/forum/"};
}

// Whether address is a page of the portal: the only pages that tell the count.
bool onPortal(const QString& address) {
  const QUrl u(address);
  if (u.scheme() != QLatin1String("http") && u.scheme() != QLatin1String("https"))
    return false;
  const QString host = u.port() == -1 ? u.host() : u.host() + ':' + QString::number(u.port());
  return host.compare(slv::qs(slv::config::portalHost()), Qt::CaseInsensitive) == 0;
}

} // namespace

MessageWatch::MessageWatch(frmNRV_SLV3& win) : QObject(&win), win_(win) {
  const auto interval = slv::messagesCheckInterval(slv::configValue("SLV_MESSAGES_CHECK_S", ""));
  if (!interval.valid)
    std::fputs("solvarino: SLV_MESSAGES_CHECK_S vuole i secondi tra due controlli dei "
               "messaggi (da 0 a 86400): uso 300\n",
               stderr);
  seconds_ = interval.seconds;

  win_.mnuStrumenti->addSeparator();
  mnuAvvisa = win_.mnuStrumenti->addAction(QStringLiteral("Avvisa dei nuovi messaggi"));
  mnuAvvisa->setCheckable(true);
  mnuAvvisa->setChecked(seconds_ > 0);
  connect(mnuAvvisa, &QAction::triggered, this, &MessageWatch::mnuAvvisa_Click);

  tmrMessages = new QTimer(this);
  tmrMessages->setInterval((seconds_ > 0 ? seconds_ : 300) * 1000);
  connect(tmrMessages, &QTimer::timeout, this, &MessageWatch::tmrMessages_Timer);
  if (mnuAvvisa->isChecked())
    tmrMessages->start();

  BrowserPane* panes[3] = {win_.WBMain.get(), win_.WBMess.get(), win_.WBMail.get()};
  for (int k = 0; k < 3; ++k) {
    BrowserPane* p = panes[k];
    connect(p, &BrowserPane::loaded, this, [this, p](bool ok) { pageLoaded(*p, ok); });
    connect(p, &BrowserPane::frontRequested, this, [this, k] { bringForward(k); });
  }
  // The member looking at the messages has seen the count: they come in
  // front, or the window comes back with them in front.
  win_.WBMess->widget()->installEventFilter(this);
  win_.installEventFilter(this);
  // The disguise's caption is left alone; the count comes back after it.
  connect(&win_.platform().gate(), &SurfaceGate::disguiseChanged, this, [this](bool on) {
    if (!on && !seenIfLooking())
      showCount();
  });
  win_.platform().setNotificationIcon(ui::appIcon().toImage());
}

bool MessageWatch::messagesInFront() const {
  return win_.CurrentBrowser == win_.WBMess.get();
}

bool MessageWatch::disguised() const {
  return win_.app().AlarmActive || win_.platform().gate().disguised();
}

bool MessageWatch::looking() const {
  return messagesInFront() && !win_.isMinimized() && !disguised();
}

bool MessageWatch::seenIfLooking() {
  if (!looking() || !tally_.opened().changed)
    return false;
  showCount();
  return true;
}

bool MessageWatch::roundDue() const {
  BrowserPane& mess = *win_.WBMess;
  // A page's question for the pane, open or waiting for it, is the member's too.
  return mnuAvvisa->isChecked() && !messagesInFront() && !mess.busy() &&
         QApplication::activeModalWidget() == nullptr && onPortal(mess.locationURL()) &&
         !win_.platform().gate().waitsFor(mess.widget());
}

void MessageWatch::tmrMessages_Timer() {
  if (!roundDue())
    return;
  // Whether the page holds a reply being typed is known only by asking it.
  QPointer<MessageWatch> self(this);
  win_.WBMess->readTexts([self](const slv::PageTexts& page) {
    if (!self || page.holdsInput || !self->roundDue())
      return;
    // Asked for again, never sent again: a page that answered a form is
    // fetched, not posted a second time.
    BrowserPane& mess = *self->win_.WBMess;
    mess.navigate(QUrl(mess.locationURL()).adjusted(QUrl::RemoveFragment).toString());
  });
}

void MessageWatch::pageLoaded(BrowserPane& pane, bool ok) {
  if (!ok || !mnuAvvisa->isChecked() || !onPortal(pane.locationURL()))
    return;
  QPointer<MessageWatch> self(this);
  pane.readTexts([self](const slv::PageTexts& page) {
    if (self && self->mnuAvvisa->isChecked())
      self->reading(slv::unreadCount(page, portalPlaces()));
  });
}

void MessageWatch::reading(std::optional<int> count) {
  const auto step = tally_.reading(count);
  const bool seen = looking();
  if (seen)
    tally_.opened();
  if (step.rose && !seen)
    tellRise();
  showCount();
}

void MessageWatch::tellRise() {
  const int n = tally_.shown();
  QPointer<MessageWatch> self(this);
  win_.platform().notify(kNoteKey, slv::qs(slv::unreadSummary(n)), [self] {
    if (self)
      self->bringForward(1);
  });
  // The task bar's call too waits for the restore.
  QPointer<QWidget> w(&win_);
  win_.platform().gate().tell([w] {
    if (w)
      QApplication::alert(w);
  });
}

void MessageWatch::showCount() {
  const int n = mnuAvvisa->isChecked() ? tally_.shown() : 0;
  PictureBox* tab = win_.pboWins[1];
  tab->setPicture(ui::badgedWordPicture(QStringLiteral("MESSAGGI"), slv::qs(slv::unreadBadge(n))));
  tab->setAccessibleName(n > 0 ? QStringLiteral("MESSAGGI (%1)").arg(n)
                               : QStringLiteral("MESSAGGI"));
  win_.updateTray();
  if (disguised())
    return;
  const QString prefix = n > 0 ? QStringLiteral("(%1) ").arg(n) : QString();
  win_.setWindowTitle(prefix + frmNRV_SLV3::normalCaption());
}

void MessageWatch::bringForward(int k) {
  win_.bringToFront();
  win_.pboWins_Click(k);
}

void MessageWatch::mnuAvvisa_Click() {
  if (mnuAvvisa->isChecked()) {
    if (seconds_ == 0)
      tmrMessages->setInterval(300 * 1000);
    tmrMessages->start();
  } else {
    tmrMessages->stop();
  }
  showCount();
}

bool MessageWatch::eventFilter(QObject* watched, QEvent* event) {
  if ((event->type() == QEvent::Show && watched == win_.WBMess->widget()) ||
      (event->type() == QEvent::WindowStateChange && watched == &win_))
    seenIfLooking();
  return QObject::eventFilter(watched, event);
}
