// Drawn pictures at the screen's density, and picture buttons a screen reader
// can name and press. ctest runs this at QT_SCALE_FACTOR=2 too.
#include "fakes/MainFixture.h"
#include "ui/Pictures.h"
#include "ui/Widgets.h"

#include <QAccessible>
#include <QLabel>

namespace {

class Pictures : public MainFixture {};

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
  for (const QPixmap& pm : pictures) {
    EXPECT_EQ(pm.devicePixelRatio(), ratio);
    // Twice as dense, not stretched: the size on screen stays as it was.
    EXPECT_EQ(pm.width(), qRound(pm.deviceIndependentSize().width() * ratio));
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
