#pragma once
// The music module on the desktop's session bus (MPRIS), so media keys and
// media widgets reach it: play, pause, stop, next, and what is playing. With
// no session bus, or the name owned by another program, it stays off the bus
// and says nothing. While the window is disguised it leaves the bus, so no
// media widget can show what is behind the disguise.
#include <QObject>
#include <QString>
#include <QVariantMap>

class MultimediaPanel;
class PanelHost;

class MprisPlayer : public QObject {
  Q_OBJECT
public:
  static inline const QString kServiceName = QStringLiteral("org.mpris.MediaPlayer2.solvarino");

  MprisPlayer(PanelHost& host, MultimediaPanel& panel, QObject* parent);
  ~MprisPlayer() override;

  // Joins the session bus; false, quietly, when it cannot.
  bool attach();
  bool onBus() const { return onBus_; }
  // The window is disguised (true) or given back (false).
  void setHidden(bool hidden);

  // What the bus is told; nothing at all while the window is disguised.
  QString identity() const;
  QString playbackStatus() const;
  QVariantMap metadata() const;
  qlonglong positionUs() const;
  void play();
  void pause();
  void playPause();
  void stop();
  void next();

private:
  bool disguised() const;
  bool joinBus();
  void leaveBus();
  // Tells the bus what changed since it was last told.
  void notifyChanges();

  PanelHost& host_;
  MultimediaPanel& panel_;
  bool attached_ = false, onBus_ = false, hidden_ = false;
  QString toldStatus_;
  QVariantMap toldMetadata_;
};
