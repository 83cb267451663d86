// What the notification-area icon shows in each state of the program.
#include "core/tray_view.h"

#include <gtest/gtest.h>

using slv::trayView;

TEST(TrayView, ShowsTheCountOnlyWhenChosenHostedAndNotDisguised) {
  const auto plain = trayView(true, true, false, 3);
  EXPECT_TRUE(plain.shown);
  EXPECT_EQ(plain.tooltip, "SOLVARINO 3_w\n3 messaggi privati non letti");
  EXPECT_EQ(plain.badge, "3");
  EXPECT_EQ(trayView(true, true, false, 1).tooltip, "SOLVARINO 3_w\n1 messaggio privato non letto");
  const auto none = trayView(true, true, false, 0);
  EXPECT_EQ(none.tooltip, "SOLVARINO 3_w\nNessun messaggio privato non letto");
  EXPECT_EQ(none.badge, "");
  EXPECT_EQ(trayView(true, true, false, -2).badge, "");
  EXPECT_EQ(trayView(true, true, false, 250).badge, "99+");

  // Gone entirely: nothing of the program's name or count is left behind.
  for (const auto& gone : {trayView(true, true, true, 3), trayView(false, true, false, 3),
                           trayView(true, false, false, 3)}) {
    EXPECT_FALSE(gone.shown);
    EXPECT_EQ(gone.tooltip, "");
    EXPECT_EQ(gone.badge, "");
  }
}
