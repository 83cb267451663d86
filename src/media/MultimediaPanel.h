#pragma once
// Panel 5: the multimedia module. The player with its own controls, the two
// radio stations, the drive/folder/file lists and the two options; and the
// mini bar in the main window's toolbar row, which keeps working while the
// panel is closed.
#include "media/music.h"
#include "media/reconnection.h"

#include <QFrame>
#include <QString>
#include <cstdint>
#include <optional>

class DirListBox;
class DriveListBox;
class FileListBox;
class MediaPlayer;
class PictureBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;
class PanelHost;
struct MusicVars;

class MultimediaPanel : public QFrame {
  Q_OBJECT
public:
  // The mini bar is built into `miniBar`, the place the window keeps for it
  // in its toolbar row.
  MultimediaPanel(PanelHost& host, MusicVars& vars, QWidget* miniBar, QWidget* parent);

  // --- the panel
  QLabel *Label33, *Label34;
  QGroupBox* fraR;
  QPushButton *cmdLatteMiele, *cmdRadioItalia;
  QGroupBox* Frame2;
  DriveListBox* drvMM;
  DirListBox* dirMM;
  FileListBox* fleMM;
  QCheckBox* chkContM;  // "Suona tutti i brani a seguire"
  QCheckBox* chkMusic;  // "Mantieni la Musica Attiva": keeps the music going when the panel hides

  // --- the mini bar, inside the main window's fraMM
  PictureBox *imgNota, *imgPlay, *imgStop, *imgNext;
  QLabel *lblTime, *lblMMInfo;

  QTimer *tmrMM, *tmrMMInfoSwap;
  // Single shot: the next try of a station whose stream broke.
  QTimer* tmrReconnect;
  // The two music timers run from the main window's load on.
  void startTimers();

  // --- handlers
  void drvMM_Change();
  void dirMM_Change();
  void fleMM_Click();
  void cmdLatteMiele_Click();
  void cmdRadioItalia_Click();
  void imgNota_Click();
  void imgPlay_Click();
  void imgStop_Click();
  void imgNext_Click();
  void tmrMM_Timer();
  void tmrMMInfoSwap_Timer();
  void WMP_Buffering(bool Start);
  void WMP_EndOfStream(int Result);
  void WMP_Failed();
  void tmrReconnect_Timer();

  // For the desktop's media controls: pause (a station stops), and the name
  // of what is in the player (the station's caption or the file's name).
  void pauseMusic();
  QString nowPlayingName() const;
  // The station whose button is highlighted, if any.
  std::optional<slv::media::Station> chosenStation() const;

  // The two halves of the music tick that the main window's 50 ms timer runs
  // around the activity monitor: the player readings, then the position label
  // and the advance to the next file.
  void MusicPositionTickRead();
  void MusicPositionTickApply();
  void MusicPositionTick() {
    MusicPositionTickRead();
    MusicPositionTickApply();
  }

  // Background colours of the station buttons: the only record of the chosen station.
  static constexpr std::uint32_t kPlain = 0x00FF8080;
  static constexpr std::uint32_t kChosen = 0x0000FFFF;
  static std::uint32_t backColor(const QPushButton* b);

signals:
  // Every music tick (800 ms), so watchers can compare what they last told.
  void musicTick();

private:
  MediaPlayer& player();
  const MediaPlayer& player() const;
  void stationBroke();
  void playStation(QPushButton* chosen, QPushButton* other, const QString& address);
  void setBackColor(QPushButton* b, std::uint32_t bgr);
  void selectNext(std::optional<int> entry);

  PanelHost& host_;
  MusicVars& vars_;
  QWidget* fraMM_;
  // Readings of the first half of the tick, used by the second.
  std::optional<double> tickPosition_, tickDuration_;
  std::optional<QString> tickPositionString_;
  bool tickPlaying_ = false;
  slv::media::Reconnection reconnect_{slv::media::reconnectBaseMs()};
  QString reconnectNote_;
};
