// Drawn pictures at the screen's density, and picture buttons a screen reader
// can name and press. ctest runs this at QT_SCALE_FACTOR=2 too.
#include "fakes/MainFixture.h"
#include "ui/Pictures.h"
#include "ui/Widgets.h"

#include <QAccessible>
#include <QLabel>

namespace {

class Pictures : public MainFixture {};

// A picture drawn at a whole density ratio above 1 has detail finer than one
// of its points somewhere: some ratio x ratio block of its pixels is not of one
// colour. A picture drawn at 1x and stretched has none.
bool finerThanItsPoints(const QPixmap& pm, int ratio) {
  const QImage img = pm.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y + ratio <= img.height(); y += ratio)
    for (int x = 0; x + ratio <= img.width(); x += ratio)
      for (int dy = 0; dy < ratio; ++dy)
        for (int dx = 0; dx < ratio; ++dx)
          if (img.pixel(x + dx, y + dy) != img.pixel(x, y))
            return true;
  return false;
}

QPixmap stretched(const QPixmap& pm, int ratio) {
  QImage small = pm.toImage().scaled(pm.deviceIndependentSize().toSize(), Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation);
  QPixmap out = QPixmap::fromImage(small.scaled(small.size() * ratio));
  out.setDevicePixelRatio(ratio);
  return out;
}

void walk(QAccessibleInterface* node, QList<QObject*>& named, QStringList& problems) {
  if (!node)
    return;
  if (auto* box = qobject_cast<PictureBox*>(node->object())) {
    if (node->role() != QAccessible::Button || node->text(QAccessible::Name).isEmpty())
      problems << box->toolTip() + "/" + box->objectName();
    else
      named << box;
  }
  for (int i = 0; i < node->childCount(); ++i)
    walk(node->child(i), named, problems);
}

} // namespace

TEST_F(Pictures, DrawnAtTheScreensDensityAndEveryPictureButtonNamed) {
  auto& w = load();
  const qreal ratio = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                          ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                          : 1.0;
  const QList<PictureBox*> boxes = w.findChildren<PictureBox*>();
  ASSERT_GE(boxes.size(), 12); // the toolbar, the mini bar, the picker's OK
  QList<QPixmap> pictures{ui::splashLogo(), w.imgSLVico->pixmap(), w.imgXLSico->pixmap()};
  for (const PictureBox* b : boxes)
    pictures << b->picture();
  // The size on screen stays as it was.
  EXPECT_EQ(pictures[0].deviceIndependentSize(), QSizeF(600, 300));
  EXPECT_EQ(pictures[1].deviceIndependentSize(), QSizeF(32, 32));
  for (const QPixmap& pm : pictures)
    EXPECT_EQ(pm.devicePixelRatio(), ratio);
  // Twice as dense, not stretched: each picture has detail finer than its
  // points, which the check does not find in one drawn at 1x and stretched.
  const int whole = qRound(ratio);
  if (whole > 1) {
    for (const QPixmap& pm : pictures)
      EXPECT_TRUE(finerThanItsPoints(pm, whole))
          << pm.deviceIndependentSize().width() << "x" << pm.deviceIndependentSize().height();
    EXPECT_FALSE(finerThanItsPoints(stretched(ui::splashLogo(), whole), whole));
  }
  EXPECT_EQ(w.pboAllarme->size(), QSize(60, 20));

  QList<QObject*> named;
  QStringList problems;
  walk(QAccessible::queryAccessibleInterface(&w), named, problems);
  EXPECT_TRUE(problems.isEmpty()) << problems.join(", ").toStdString();
  EXPECT_EQ(named.size(), boxes.size());
  // Pressing it as a screen reader does is a click.
  QAccessibleInterface* alarm = QAccessible::queryAccessibleInterface(w.pboAllarme);
  EXPECT_EQ(alarm->text(QAccessible::Name), "ALLARME");
  alarm->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(app.AlarmActive);
}
