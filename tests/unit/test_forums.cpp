// Forum page addresses.
#include "forums/favourites_removal.h"
#include "forums/forum_address.h"

#include <gtest/gtest.h>

using slv::forums::boardNumber;
using slv::forums::forumPageAddress;

TEST(ForumAddress, BoardIsTheFirstThreeCharactersVerbatim) {
  EXPECT_EQ(forumPageAddress("portal.test", "101 Calcio"),
            "http://portal.test/forum/viewforum.php?f=101");
  // Whatever the three characters are, they pass as they stand.
  EXPECT_EQ(forumPageAddress("portal.test", "5 - Cinema"),
            "http://portal.test/forum/viewforum.php?f=5 -");
  EXPECT_EQ(boardNumber("0010 Annunci"), "001");
  // Shorter entries give their whole text; an empty one gives nothing.
  EXPECT_EQ(boardNumber("7"), "7");
  EXPECT_EQ(boardNumber("42"), "42");
  EXPECT_EQ(forumPageAddress("h", ""), "http://h/forum/viewforum.php?f=");
}

TEST(ForumAddress, CountsCharactersNotBytes) {
  // Accented letters take two bytes in UTF-8 but are one character each.
  EXPECT_EQ(boardNumber("èàù e altro"), "èàù");
  EXPECT_EQ(boardNumber("1€2 resto"), "1€2");
  EXPECT_EQ(boardNumber("è"), "è");
}

TEST(FavouritesRemoval, TakesTheChosenLineFromWhatIsOnDiskNow) {
  using slv::forums::lineToRemove;
  const std::vector<std::string> disk{"001 A", "012 Caffè", "002 B", "001 A"};
  // Unchanged file: the chosen row, also when the same forum stands twice.
  EXPECT_EQ(lineToRemove(disk, 3, "001 A"), 3u);
  // A line added or removed above moved the entry: its first line goes.
  EXPECT_EQ(lineToRemove(disk, 1, "002 B"), 2u);
  EXPECT_EQ(lineToRemove(disk, 9, "001 A"), 0u);
  // Gone from the file (or the file gone): nothing is taken out.
  EXPECT_EQ(lineToRemove(disk, 0, "003 C"), std::nullopt);
  EXPECT_EQ(lineToRemove({}, 0, "001 A"), std::nullopt);
}
