#include "privacy/BossAlarm.h"

#include "desktop/Platform.h"
#include "desktop/WindowIdentity.h"
#include "privacy/PasswordBox.h"
#include "privacy/frmProtect.h"
#include "privacy/frmRestore.h"
#include "privacy/password_rules.h"
#include "ui/AlarmHost.h"
#include "ui/NRV_SLV3.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QtMath>

namespace {

const QString kDisguiseCaption = QStringLiteral("Microsoft Excel");

// An empty worksheet: what anyone looking at the disguised window sees.
class BlankSheet : public QWidget {
public:
  using QWidget::QWidget;

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    constexpr int head = 20, colW = 64, rowH = 20, rowHeadW = 40;
    p.fillRect(0, 0, width(), head, QColor(230, 230, 230));
    p.fillRect(0, 0, rowHeadW, height(), QColor(230, 230, 230));
    p.setPen(QColor(212, 212, 212));
    for (int x = rowHeadW; x < width(); x += colW)
      p.drawLine(x, 0, x, height());
    for (int y = head; y < height(); y += rowH)
      p.drawLine(0, y, width(), y);
    p.setPen(QColor(90, 90, 90));
    p.setFont(ui::font(8));
    for (int c = 0, x = rowHeadW; x < width() && c < 26; ++c, x += colW)
      p.drawText(QRect(x, 0, colW, head), Qt::AlignCenter, QString(QChar(u'A' + c)));
    for (int r = 1, y = head; y < height(); ++r, y += rowH)
      p.drawText(QRect(0, y, rowHeadW, rowH), Qt::AlignCenter, QString::number(r));
  }
};

} // namespace

BossAlarm::BossAlarm(AlarmHost& host)
    : QObject(host.hostWindow()), host_(host), owner_(*host.hostWindow()), app_(host.app()),
      cover_(new BlankSheet(&owner_)) {
  cover_->hide();
  owner_.installEventFilter(this);
  // The alarm key, from a box or window of the program that holds the focus.
  qApp->installEventFilter(this);
  connect(host_.alarmButton(), &PictureBox::mouseDown, this, &BossAlarm::pboAllarme_MouseDown);
  connect(host_.alarmButton(), &PictureBox::mouseUp, this, &BossAlarm::pboAllarme_MouseUp);
}

BossAlarm::~BossAlarm() {
  // Nothing of the lock outlives the main window.
  slv::privacy::wipe(app_.ProtectPassword);
}

QPixmap BossAlarm::spreadsheetIcon() {
  // A worksheet page: green header row, grey row numbers, a grid and a few
  // filled cells.
  // Opaque, at the screen's density like every drawn picture.
  const qreal ratio = ui::pictureRatio();
  QImage img(qCeil(32 * ratio), qCeil(32 * ratio), QImage::Format_RGB888);
  img.setDevicePixelRatio(ratio);
  img.fill(QColor(192, 192, 192));
  QPainter p(&img);
  const QColor green(30, 120, 60);
  p.fillRect(2, 2, 28, 28, Qt::white);
  p.fillRect(2, 2, 28, 6, green);
  p.fillRect(2, 8, 6, 22, QColor(220, 220, 220));
  p.setPen(QColor(150, 150, 150));
  for (int y = 8; y <= 29; y += 5)
    p.drawLine(2, y, 29, y);
  for (int x = 8; x <= 29; x += 7)
    p.drawLine(x, 8, x, 29);
  p.fillRect(9, 14, 6, 4, QColor(120, 190, 140));
  p.fillRect(16, 19, 6, 4, QColor(120, 190, 140));
  p.fillRect(23, 24, 6, 4, QColor(120, 190, 140));
  p.setPen(QColor(60, 60, 60));
  p.drawRect(1, 1, 29, 29);
  p.end();
  return QPixmap::fromImage(img);
}

void BossAlarm::pboAllarme_MouseDown() {
  host_.alarmButton()->setBorderStyle(1);
}
void BossAlarm::pboAllarme_MouseUp() {
  host_.alarmButton()->setBorderStyle(0);
}

void BossAlarm::raiseAlarm() {
  // Already disguised (the restore question may be up): nothing changes.
  if (app_.AlarmActive)
    return;
  app_.AlarmActive = true;
  emit disguised(true);
  host_.quietDown();
  Platform& platform = host_.platform();
  // Every other window of the program out of sight, every page quiet.
  platform.gate().setDisguised(true, &owner_);
  platform.silencePages(true);
  owner_.setWindowTitle(kDisguiseCaption);
  owner_.setWindowIcon(QIcon(host_.disguiseIcon()));
  // The pages stay loaded underneath; a restore shows the blank sheet until
  // the user has answered.
  cover_->setGeometry(owner_.rect());
  cover_->show();
  cover_->raise();
  showAs(true);
}

void BossAlarm::showAs(bool disguised) {
  // Docks and window lists match a window to a desktop entry by its class:
  // the disguised window carries one of its own. (Withdrawing the window to
  // change it would also pause its pages, and race the window manager.)
  if (ownName_.isEmpty())
    WindowIdentity::ownClass(owner_, &ownName_, &ownClass_);
  if (disguised) {
    WindowIdentity::setClass(owner_, WindowIdentity::kDisguiseName, WindowIdentity::kDisguiseClass);
    owner_.showMinimized();
    return;
  }
  if (!ownName_.isEmpty())
    WindowIdentity::setClass(owner_, ownName_, ownClass_);
  owner_.show();
}

bool BossAlarm::restoreProcedure() {
  // More state changes arrive while a question is open; the open one decides.
  if (restoring_) {
    if (QWidget* box = QApplication::activeModalWidget()) {
      box->raise();
      box->activateWindow();
    }
    return false;
  }
  // A closed window has nothing to give back, whatever events are still queued.
  if (owner_.isHidden())
    return false;
  switch (slv::privacy::restoreAction(owner_.isMinimized(), app_.AlarmActive,
                                      !app_.ProtectPassword.isEmpty())) {
  case slv::privacy::RestoreAction::None:
    return true;
  case slv::privacy::RestoreAction::Ask:
    askToRestore();
    return false;
  case slv::privacy::RestoreAction::Unlock:
    unlockToRestore();
    return false;
  }
  return true;
}

void BossAlarm::askToRestore() {
  // The question is the disguise's own: it alone passes, and its answer
  // comes back here without any other box waiting on it.
  restoring_ = true;
  QPointer<BossAlarm> self(this);
  host_.platform().msgBoxThen(QStringLiteral("Ripristinare il SOLVARINO 3_w ?"),
                              vbYesNo + vbInformation, QStringLiteral("Ripristino SOLVARINO 3_w"),
                              {nullptr, false, true}, [self](int answer) {
                                if (self)
                                  self->restoreAnswered(answer == vbYes);
                              });
}

void BossAlarm::restoreAnswered(bool yes) {
  restoring_ = false;
  if (owner_.isHidden())
    return; // closed meanwhile (the session ended): nothing to give back
  if (!yes) {
    owner_.showMinimized();
    return;
  }
  app_.AlarmActive = false;
  takeDisguiseOff();
}

void BossAlarm::unlockToRestore() {
  restoring_ = true;
  QPointer<BossAlarm> self(this);
  host_.platform().openModal(new frmRestore(host_.platform(), app_, &owner_),
                             {nullptr, false, true}, [self](int) {
                               if (self)
                                 self->unlockAnswered();
                             });
}

void BossAlarm::unlockAnswered() {
  restoring_ = false;
  if (owner_.isHidden())
    return;
  switch (slv::privacy::afterUnlock(app_.ForceClose, app_.AlarmActive)) {
  case slv::privacy::AfterUnlock::Closing:
    return; // the watchdog ends the program
  case slv::privacy::AfterUnlock::Reminimise:
    app_.RestoreAttempts = 0;
    owner_.showMinimized();
    return;
  case slv::privacy::AfterUnlock::Restore:
    app_.RestoreAttempts = 0;
    takeDisguiseOff();
    return;
  }
}

void BossAlarm::takeDisguiseOff() {
  owner_.setWindowTitle(host_.ownCaption());
  owner_.setWindowIcon(QIcon(host_.ownIcon()));
  cover_->hide();
  showAs(false);
  Platform& platform = host_.platform();
  platform.silencePages(false);
  // What waited comes now, over the window.
  platform.gate().setDisguised(false, &owner_);
  emit disguised(false);
}

void BossAlarm::mnuPassword_Click() {
  frmProtect dialog(host_.platform(), app_, host_.passwordItem(), &owner_);
  host_.platform().showModal(dialog);
  dialog.Form_Unload();
}

bool BossAlarm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &owner_ && event->type() == QEvent::Resize && !cover_->isHidden())
    cover_->setGeometry(owner_.rect());
  // A box in front blocks the window's own shortcut; the key still works.
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->keyCombination() ==
        QKeyCombination(Qt::ShiftModifier | Qt::ControlModifier, Qt::Key_F12)) {
      raiseAlarm();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}
