#include "media/MprisPlayer.h"

#include "media/MultimediaPanel.h"
#include "media/music.h"
#include "player/MediaPlayer.h"
#include "ui/NRV_SLV3.h"
#include "ui/PanelHost.h"

#include <QStringList>

// D-Bus exists where the desktop has one; elsewhere the player never joins.
#ifdef SLV_MPRIS
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>

namespace {

const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

// org.mpris.MediaPlayer2: who the player is. It cannot raise or quit the
// program from outside: raising would undo a disguise.
class MprisRoot : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
  Q_PROPERTY(bool CanQuit READ no)
  Q_PROPERTY(bool CanRaise READ no)
  Q_PROPERTY(bool HasTrackList READ no)
  Q_PROPERTY(QString Identity READ identity)
  Q_PROPERTY(QStringList SupportedUriSchemes READ none)
  Q_PROPERTY(QStringList SupportedMimeTypes READ none)
public:
  explicit MprisRoot(MprisPlayer* p) : QDBusAbstractAdaptor(p), p_(p) {}
  bool no() const { return false; }
  QStringList none() const { return {}; }
  QString identity() const { return p_->identity(); }
public slots:
  void Raise() {}
  void Quit() {}

private:
  MprisPlayer* p_;
};

// org.mpris.MediaPlayer2.Player: the controls go through the panel's own
// handlers, so the desktop's keys do what the mini bar's pictures do.
class MprisControls : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
  Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
  Q_PROPERTY(double Rate READ one WRITE setIgnored)
  Q_PROPERTY(QVariantMap Metadata READ metadata)
  Q_PROPERTY(double Volume READ one WRITE setIgnored)
  Q_PROPERTY(qlonglong Position READ position)
  Q_PROPERTY(double MinimumRate READ one)
  Q_PROPERTY(double MaximumRate READ one)
  Q_PROPERTY(bool CanGoNext READ yes)
  Q_PROPERTY(bool CanGoPrevious READ no)
  Q_PROPERTY(bool CanPlay READ yes)
  Q_PROPERTY(bool CanPause READ yes)
  Q_PROPERTY(bool CanSeek READ no)
  Q_PROPERTY(bool CanControl READ yes)
public:
  explicit MprisControls(MprisPlayer* p) : QDBusAbstractAdaptor(p), p_(p) {}
  QString playbackStatus() const { return p_->playbackStatus(); }
  QVariantMap metadata() const { return p_->metadata(); }
  qlonglong position() const { return p_->positionUs(); }
  double one() const { return 1.0; }
  void setIgnored(double) {}
  bool yes() const { return true; }
  bool no() const { return false; }
public slots:
  void Play() { p_->play(); }
  void Pause() { p_->pause(); }
  void PlayPause() { p_->playPause(); }
  void Stop() { p_->stop(); }
  void Next() { p_->next(); }
  void Previous() {}
  void Seek(qlonglong) {}
  void SetPosition(const QDBusObjectPath&, qlonglong) {}
  void OpenUri(const QString&) {}
signals:
  void Seeked(qlonglong position);

private:
  MprisPlayer* p_;
};

} // namespace
#endif

MprisPlayer::MprisPlayer(PanelHost& host, MultimediaPanel& panel, QObject* parent)
    : QObject(parent), host_(host), panel_(panel) {
#ifdef SLV_MPRIS
  new MprisRoot(this);
  new MprisControls(this);
#endif
  connect(&panel_, &MultimediaPanel::musicTick, this, &MprisPlayer::notifyChanges);
}

MprisPlayer::~MprisPlayer() {
  leaveBus();
}

bool MprisPlayer::attach() {
  attached_ = true;
  return hidden_ || joinBus();
}

bool MprisPlayer::joinBus() {
  if (onBus_)
    return true;
#ifndef SLV_MPRIS
  return false;
#else
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected())
    return false;
  if (!bus.registerObject(kObjectPath, this, QDBusConnection::ExportAdaptors))
    return false;
  // Never queued behind, nor taking over from, whoever holds the name.
  if (!bus.registerService(kServiceName)) {
    bus.unregisterObject(kObjectPath);
    return false;
  }
  onBus_ = true;
  toldStatus_ = playbackStatus();
  toldMetadata_ = metadata();
  return true;
#endif
}

void MprisPlayer::leaveBus() {
  if (!onBus_)
    return;
#ifdef SLV_MPRIS
  QDBusConnection bus = QDBusConnection::sessionBus();
  bus.unregisterService(kServiceName);
  bus.unregisterObject(kObjectPath);
#endif
  onBus_ = false;
}

void MprisPlayer::setHidden(bool hidden) {
  hidden_ = hidden;
  if (hidden)
    leaveBus();
  else if (attached_)
    joinBus();
}

bool MprisPlayer::disguised() const {
  return hidden_ || host_.app().AlarmActive;
}

QString MprisPlayer::identity() const {
  return disguised() ? QString() : QStringLiteral("SOLVARINO 3_w");
}

QString MprisPlayer::playbackStatus() const {
  if (disguised())
    return QStringLiteral("Stopped");
  switch (host_.player().playState()) {
  case slv::media::kPlaying:
    return QStringLiteral("Playing");
  case 2:
    return QStringLiteral("Paused");
  default:
    return QStringLiteral("Stopped");
  }
}

QVariantMap MprisPlayer::metadata() const {
  const QString name = panel_.nowPlayingName();
  if (disguised() || name.isEmpty())
    return {};
  QVariantMap m;
#ifdef SLV_MPRIS
  m.insert(QStringLiteral("mpris:trackid"),
           QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/Track/0"))));
#endif
  const QString streamTitle = host_.player().streamTitle();
  if (streamTitle.isEmpty()) {
    m.insert(QStringLiteral("xesam:title"), name);
  } else {
    // The song the station names, with the station as where it comes from.
    m.insert(QStringLiteral("xesam:title"), streamTitle);
    m.insert(QStringLiteral("xesam:album"), name);
  }
  return m;
}

qlonglong MprisPlayer::positionUs() const {
  const auto p = host_.player().position();
  return disguised() || !p ? 0 : static_cast<qlonglong>(*p * 1e6);
}

void MprisPlayer::play() {
  if (!disguised())
    panel_.imgPlay_Click();
}

void MprisPlayer::pause() {
  if (!disguised())
    panel_.pauseMusic();
}

void MprisPlayer::playPause() {
  if (host_.player().playState() == slv::media::kPlaying)
    pause();
  else
    play();
}

void MprisPlayer::stop() {
  panel_.imgStop_Click();
}

void MprisPlayer::next() {
  if (!disguised())
    panel_.imgNext_Click();
}

void MprisPlayer::notifyChanges() {
  if (!onBus_)
    return;
  QVariantMap changed;
  const QString status = playbackStatus();
  if (status != toldStatus_)
    changed.insert(QStringLiteral("PlaybackStatus"), toldStatus_ = status);
  const QVariantMap meta = metadata();
  if (meta != toldMetadata_)
    changed.insert(QStringLiteral("Metadata"), toldMetadata_ = meta);
  if (changed.isEmpty())
    return;
#ifdef SLV_MPRIS
  QDBusMessage signal =
      QDBusMessage::createSignal(kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                 QStringLiteral("PropertiesChanged"));
  signal << kPlayerInterface << changed << QStringList();
  QDBusConnection::sessionBus().send(signal);
#endif
}

#ifdef SLV_MPRIS
#include "MprisPlayer.moc"
#endif
