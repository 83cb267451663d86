// The desktop's notifications, with a stand-in for the desktop that numbers
// them when the test says: one taken back on its way goes once it has a number.
#include "desktop/DesktopNotifications.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

struct StandInDesktop : DesktopNotifications {
  using DesktopNotifications::DesktopNotifications;
  void post(const QString& summary, const QString&, uint replaces,
            std::function<void(uint)> numbered) override {
    posted << summary + " " + QString::number(replaces);
    numbers.push_back(std::move(numbered));
  }
  void closeOnDesktop(uint id) override { closed << id; }
  QStringList posted;
  std::vector<std::function<void(uint)>> numbers;
  QList<uint> closed;
};

} // namespace

TEST(DesktopNotifications, OneTakenBackBeforeItsNumberCameIsClosedWhenItComesAndNotShownAgain) {
  bool disguised = false;
  std::map<int, std::function<void()>> held; // kept by the gate, by number
  int kept = 0;
  StandInDesktop desk([&](std::function<void()> show) -> std::function<void()> {
    if (!disguised) {
      show();
      return {};
    }
    held[++kept] = std::move(show);
    return [&held, n = kept] { held.erase(n); };
  });
  desk.show("pagina", {"Prima", {}, {}, {}});
  // The disguise goes on while the desktop has not numbered it yet.
  desk.withdraw("pagina");
  disguised = true;
  desk.show("pagina", {"Seconda", {}, {}, {}});
  desk.numbers[0](7);
  EXPECT_EQ(desk.closed, QList<uint>{7});
  // After the restore the one held is new: it replaces nothing.
  disguised = false;
  ASSERT_EQ(held.size(), 1u);
  held.begin()->second();
  held.clear();
  desk.numbers[1](8);
  EXPECT_EQ(desk.posted, (QStringList{"Prima 0", "Seconda 0"}));
  // One held and taken back is never shown, and leaves nothing kept, round after round.
  disguised = true;
  for (int round = 0; round < 3; ++round) {
    desk.show("pagina", {"Terza", {}, {}, {}});
    desk.withdraw("pagina");
  }
  EXPECT_TRUE(held.empty());
  EXPECT_EQ(desk.posted.size(), 2);
  EXPECT_EQ(desk.closed, (QList<uint>{7, 8}));
}
