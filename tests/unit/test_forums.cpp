// Forum page addresses.
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
