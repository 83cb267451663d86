#include "player/PlayerBar.h"

#include "desktop/Strings.h"

#include <QAction>
#include <QBoxLayout>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSlider>
#include <QToolButton>
#include <QVideoFrame>
#include <QVideoSink>
#include <QtMath>

namespace {

// The control bar's symbols, light on its dark ground.
enum class Symbol { Play, Pause, Stop, Speaker };
QIcon barIcon(Symbol k) {
  // At the screen's density, drawn in 14 x 14 coordinates, so it stays sharp.
  const qreal ratio = qGuiApp->devicePixelRatio();
  QPixmap pm(qCeil(14 * ratio), qCeil(14 * ratio));
  pm.setDevicePixelRatio(ratio);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(225, 232, 255));
  switch (k) {
  case Symbol::Play: {
    const QPointF tri[3] = {{3, 2}, {3, 12}, {12, 7}};
    p.drawPolygon(tri, 3);
    break;
  }
  case Symbol::Pause:
    p.drawRect(QRectF(3, 2, 3, 10));
    p.drawRect(QRectF(8, 2, 3, 10));
    break;
  case Symbol::Stop:
    p.drawRect(QRectF(3, 3, 8, 8));
    break;
  case Symbol::Speaker: {
    const QPointF cone[6] = {{1, 5}, {4, 5}, {8, 2}, {8, 12}, {4, 9}, {1, 9}};
    p.drawPolygon(cone, 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(225, 232, 255), 1.2));
    p.drawArc(QRectF(6, 4, 5, 6), -60 * 16, 120 * 16);
    p.drawArc(QRectF(6, 2, 8, 10), -60 * 16, 120 * 16);
    break;
  }
  }
  return QIcon(pm);
}

} // namespace

// The picture area: the current video frame, or a quiet note while only sound plays.
class PlayerBar::Picture : public QWidget {
public:
  explicit Picture(QWidget* parent) : QWidget(parent), sink(new QVideoSink(this)) {
    setObjectName(QStringLiteral("pictureArea"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& f) {
      frame = f.isValid() ? f.toImage() : QImage();
      update();
    });
  }
  void clear() {
    frame = QImage();
    update();
  }
  QVideoSink* sink;

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!frame.isNull()) {
      const QSize s = frame.size().scaled(size(), Qt::KeepAspectRatio);
      p.drawImage(QRect(QPoint((width() - s.width()) / 2, (height() - s.height()) / 2), s), frame);
      return;
    }
    QFont f = font();
    f.setPixelSize(height() / 3);
    p.setFont(f);
    p.setPen(QColor(40, 50, 110));
    p.drawText(rect(), Qt::AlignCenter, QString(QChar(0x266B)));
  }

private:
  QImage frame;
};

PlayerBar::PlayerBar(QWidget* parent) : QWidget(parent), picture_(new Picture(this)) {
  auto* bar = new QWidget(this);
  bar->setObjectName(QStringLiteral("controlBar"));
  bar->setAutoFillBackground(true);
  QPalette pal = bar->palette();
  pal.setColor(QPalette::Window, QColor(32, 40, 72));
  pal.setColor(QPalette::WindowText, QColor(220, 230, 255));
  bar->setPalette(pal);

  seek_ = new QSlider(Qt::Horizontal, bar);
  seek_->setObjectName(QStringLiteral("seekSlider"));
  seek_->setToolTip(QStringLiteral("Posizione"));
  time_ = new QLabel(QStringLiteral("00:00"), bar);
  time_->setObjectName(QStringLiteral("timeLabel"));
  playPause_ = new QToolButton(bar);
  playPause_->setObjectName(QStringLiteral("playPauseButton"));
  stopButton_ = new QToolButton(bar);
  stopButton_->setObjectName(QStringLiteral("stopButton"));
  stopButton_->setIcon(barIcon(Symbol::Stop));
  stopButton_->setToolTip(QStringLiteral("Stop"));
  status_ = new QLabel(bar);
  status_->setTextFormat(Qt::PlainText); // what a stream names is only text
  status_->setObjectName(QStringLiteral("statusLabel"));
  // The bar is narrow: a long status is cut short, whole in its tooltip.
  status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  auto* speaker = new QLabel(bar);
  speaker->setPixmap(barIcon(Symbol::Speaker).pixmap(14, 14));
  volume_ = new QSlider(Qt::Horizontal, bar);
  volume_->setObjectName(QStringLiteral("volumeSlider"));
  volume_->setToolTip(QStringLiteral("Volume"));
  volume_->setRange(0, 100);
  volume_->setValue(50);
  volume_->setFixedWidth(56);
  QFont small = bar->font();
  small.setPointSizeF(7);
  time_->setFont(small);
  status_->setFont(small);
  for (QWidget* w : std::initializer_list<QWidget*>{playPause_, stopButton_, seek_, volume_})
    w->setFocusPolicy(Qt::NoFocus);
  for (QToolButton* b : {playPause_, stopButton_}) {
    b->setAutoRaise(true);
    b->setIconSize(QSize(14, 14));
  }

  auto* top = new QHBoxLayout;
  top->setContentsMargins(4, 2, 4, 0);
  top->addWidget(seek_, 1);
  top->addWidget(time_);
  auto* bottom = new QHBoxLayout;
  bottom->setContentsMargins(2, 0, 4, 2);
  bottom->setSpacing(2);
  bottom->addWidget(playPause_);
  bottom->addWidget(stopButton_);
  bottom->addWidget(status_, 1);
  bottom->addWidget(speaker);
  bottom->addWidget(volume_);
  auto* barLayout = new QVBoxLayout(bar);
  barLayout->setContentsMargins(0, 0, 0, 0);
  barLayout->setSpacing(0);
  barLayout->addLayout(top);
  barLayout->addLayout(bottom);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(picture_, 1);
  layout->addWidget(bar);

  connect(playPause_, &QToolButton::clicked, this, &PlayerBar::playPauseRequested);
  connect(stopButton_, &QToolButton::clicked, this, &PlayerBar::stopRequested);

  // The player's own context menu.
  setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(addAction(QStringLiteral("Play")), &QAction::triggered, this, &PlayerBar::playRequested);
  connect(addAction(QStringLiteral("Pausa")), &QAction::triggered, this,
          &PlayerBar::pauseRequested);
  connect(addAction(QStringLiteral("Stop")), &QAction::triggered, this, &PlayerBar::stopRequested);
  connect(seek_, &QSlider::sliderMoved, this, [this](int ms) { emit seekRequested(ms); });
  connect(volume_, &QSlider::valueChanged, this, &PlayerBar::volumeChanged);
}

QVideoSink* PlayerBar::videoSink() const {
  return picture_->sink;
}
int PlayerBar::volume() const {
  return volume_->value();
}
void PlayerBar::clearPicture() {
  picture_->clear();
}

void PlayerBar::setDuration(qint64 ms) {
  seek_->setRange(0, static_cast<int>(qMax<qint64>(ms, 0)));
}

void PlayerBar::setPosition(qint64 ms) {
  if (!seek_->isSliderDown())
    seek_->setValue(static_cast<int>(ms));
}

void PlayerBar::showState(bool playing, bool seekable, const QString& time, const QString& status) {
  playPause_->setIcon(barIcon(playing ? Symbol::Pause : Symbol::Play));
  playPause_->setToolTip(playing ? QStringLiteral("Pausa") : QStringLiteral("Play"));
  seek_->setEnabled(seekable);
  time_->setText(time);
  status_->setText(status_->fontMetrics().elidedText(status, Qt::ElideRight, status_->width()));
  status_->setToolTip(slv::plainTip(status));
}
