#pragma once
#include <QFrame>

class frmNRV_SLV3;
class QCheckBox;

// Panel 5: the multimedia module (player, radio, files).
class MultimediaPanel : public QFrame {
  Q_OBJECT
public:
  MultimediaPanel(frmNRV_SLV3& owner, QWidget* parent);

  // "Mantieni la Musica Attiva": keeps the music going when the panel hides.
  QCheckBox* chkMusic;

  // The two halves of the music tick that the main window's 50 ms timer runs
  // around the activity monitor: the player readings, then the position label
  // and the advance to the next file.
  void MusicPositionTickRead();
  void MusicPositionTickApply();

private:
  frmNRV_SLV3& owner_;
};
