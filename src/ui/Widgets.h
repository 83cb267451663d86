#pragma once
// Small widget helpers shared by every form: design units, colours, fonts,
// the shadowed title and the picture buttons with their pressed look.
#include "core/units.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QString>
#include <cstdint>
#include <functional>

class QAbstractButton;
class QListWidget;
class QWidget;

namespace ui {

inline int px(int twips) { return slv::twipsToPixels(twips); }
// Places a widget at a design position and size given in twips.
void place(QWidget* w, int left, int top, int width, int height);
QColor color(std::uint32_t bgr);
// Sets background (and optionally text) colour of a widget from 0x00BBGGRR values.
void setColors(QWidget* w, std::uint32_t back, std::int64_t fore = -1);
// A font of the design: family Arial is served by a metric-compatible face.
QFont font(double points, bool bold = false, bool italic = false);

// A frame without border in the given background colour (panels, sub-frames).
QFrame* frame(QWidget* parent, std::uint32_t back);
// A transparent label of the design.
QLabel* label(QWidget* parent, const QString& text, int left, int top, int width, int height,
              const QFont& f, std::uint32_t fore, Qt::Alignment align = Qt::AlignCenter);
// Two labels with the same caption, the second offset: the shadowed title.
// Returns the pair {first, second}.
std::pair<QLabel*, QLabel*> shadowTitle(QWidget* parent, const QString& text, int left1, int top1,
                                        std::uint32_t color1, int left2, int top2,
                                        std::uint32_t color2, int width, int height,
                                        const QFont& f);
// A graphical-style command button in the given colour.
void styleButton(QAbstractButton* b, std::uint32_t back, const QFont& f);

// Runs `click` when an item of the list is clicked with the mouse. A
// double-click is one click: the second half of it is not a click again.
void onItemClick(QListWidget* list, std::function<void()> click);
// Lets a list box act on Enter and Space as on a click, so the lists can be
// used from the keyboard.
void clickOnEnter(QListWidget* list, std::function<void()> click);

// A transparent picture of w x h pixels at the screen's density: at 200 %
// scaling it holds twice the pixels each way, and a painter on it draws in
// the w x h coordinates, so what is drawn stays sharp.
QPixmap canvas(int w, int h);
// The density drawn pictures are made at: the highest of the screens'.
qreal pictureRatio();

// A 60 x 20 picture of a word in white italic capitals on a light blue ground,
// as the toolbar buttons show.
QPixmap wordPicture(const QString& word, QColor ground = QColor(120, 170, 240));

} // namespace ui

// A picture box used as a button: acts on click, shows a single border
// (BorderStyle 1) while the mouse is held. With AutoSize on (the default) it
// sizes itself to its picture and grows by the border; with AutoSize off it
// keeps its size and the border is drawn inside it.
class PictureBox : public QLabel {
  Q_OBJECT
public:
  PictureBox(QWidget* parent, const QPixmap& picture, int leftTwips, int topTwips);
  void setBorderStyle(int style);
  int borderStyle() const { return borderStyle_; }
  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }
  // When on, the pressed look is shown between mouse press and release.
  void setPressedLook(bool on) { pressedLook_ = on; }
  void setAutoSize(bool on);

signals:
  void clicked();
  void mouseDown();
  void mouseUp();

protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

private:
  void resizeToPicture();
  QPixmap picture_;
  int borderStyle_ = 0;
  bool pressedLook_ = false;
  bool autoSize_ = true;
  QPoint origin_;
};
