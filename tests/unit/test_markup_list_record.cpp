// The list builder's reorder rule and the personal emoticon record.
#include "composer/list_order.h"
#include "emoticons/personal_record.h"
#include "core/datafile.h"

#include <gtest/gtest.h>

using Order = std::vector<int>;

TEST(ListOrder, UpAndDownOfTheMiddleItem) {
  // Item 2 of 3 (index 1): up holds back the item above it, down holds back itself.
  EXPECT_EQ(slv::composer::orderAfterSwap(3, 0), (Order{1, 0, 2}));
  EXPECT_EQ(slv::composer::orderAfterSwap(3, 1), (Order{0, 2, 1}));
  EXPECT_EQ(slv::composer::orderAfterSwap(2, 0), (Order{1, 0}));
  EXPECT_EQ(slv::composer::orderAfterSwap(5, 3), (Order{0, 1, 2, 4, 3}));
}

TEST(ListOrder, NothingFollowsOrNothingThereLosesNoItem) {
  EXPECT_EQ(slv::composer::orderAfterSwap(3, 2), (Order{0, 1, 2}));  // down on the last item
  EXPECT_EQ(slv::composer::orderAfterSwap(3, -1), (Order{0, 1, 2})); // up on the first item
  EXPECT_EQ(slv::composer::orderAfterSwap(1, 0), (Order{0}));
  EXPECT_EQ(slv::composer::orderAfterSwap(0, 0), Order{});
  EXPECT_EQ(slv::composer::orderAfterSwap(3, 7), (Order{0, 1, 2}));
}

TEST(PersonalRecordWriter, TwoQuotedLinesInWindows1252) {
  const auto r = slv::emoticons::personalRecord("Gatto, nero", "http://img.it/gatto.gif");
  EXPECT_EQ(r.problem, slv::FieldProblem::None);
  EXPECT_EQ(r.bytes, "\"Gatto, nero\"\r\n\"http://img.it/gatto.gif\"\r\n");
  const auto e = slv::emoticons::personalRecord("Caffè €", "http://a.it/x");
  EXPECT_EQ(e.bytes, "\"Caff\xE8 \x80\"\r\n\"http://a.it/x\"\r\n");
  // Two records read back as name, address, name, address.
  EXPECT_EQ(slv::readFields(r.bytes + e.bytes),
            (std::vector<std::string>{"Gatto, nero", "http://img.it/gatto.gif", "Caffè €",
                                      "http://a.it/x"}));
}

TEST(PersonalRecordWriter, RefusesWholeRecordsTheFileCannotHold) {
  struct Case {
    const char* name;
    const char* address;
    slv::FieldProblem problem;
    bool inName;
  };
  const Case cases[] = {
      {"il \"mio\" gatto", "http://a.it/x", slv::FieldProblem::DoubleQuote, true},
      {"gatto", "http://a.it/\"x\"", slv::FieldProblem::DoubleQuote, false},
      {"kot łaciaty", "http://a.it/x", slv::FieldProblem::NotCp1252, true},
      {"gatto", "http://a.it/猫.gif", slv::FieldProblem::NotCp1252, false},
      {"gatto", "http://a.it/x\r\n", slv::FieldProblem::LineBreak, false},
  };
  for (const auto& c : cases) {
    const auto r = slv::emoticons::personalRecord(c.name, c.address);
    EXPECT_EQ(r.problem, c.problem) << c.name << " " << c.address;
    EXPECT_EQ(r.inName, c.inName) << c.name << " " << c.address;
    EXPECT_TRUE(r.bytes.empty()) << c.name << " " << c.address;
  }
}

TEST(PersonalRecordWriter, StartsOnALineOfItsOwn) {
  EXPECT_EQ(slv::emoticons::separatorBefore(""), "");
  EXPECT_EQ(slv::emoticons::separatorBefore("\n"), "");
  EXPECT_EQ(slv::emoticons::separatorBefore("\r"), "");
  EXPECT_EQ(slv::emoticons::separatorBefore("\""), "\r\n");
}
