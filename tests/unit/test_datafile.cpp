// The data-file field syntax, the record writer and Windows-1252.
#include "core/cp1252.h"
#include "core/datafile.h"

#include <gtest/gtest.h>

using slv::readFields;
using V = std::vector<std::string>;

TEST(Fields, QuotedAndUnquotedFields) {
  EXPECT_EQ(readFields("\"101 Calcio, serie A\"\r\n"), V{"101 Calcio, serie A"});
  EXPECT_EQ(readFields("101 Calcio, serie A\r\n"), (V{"101 Calcio", "serie A"}));
  EXPECT_EQ(readFields("\"abc\" tail, next\r\n"), (V{"abc", "next"}));
  EXPECT_EQ(readFields(" \t  leading\r\n"), V{"leading"});
  EXPECT_EQ(readFields("a,b,c"), (V{"a", "b", "c"}));
  // A quoted field may span a line end: it runs to the next quote.
  EXPECT_EQ(readFields("\"one\r\ntwo\"\r\n"), V{"one\r\ntwo"});
}

TEST(Fields, LineEndsAndEmptyFiles) {
  EXPECT_EQ(readFields(""), V{});
  EXPECT_EQ(readFields("\"a\"\r\n\"b\"\r\n"), (V{"a", "b"}));
  EXPECT_EQ(readFields("\"a\"\r\n\"b\""), (V{"a", "b"}));
  EXPECT_EQ(readFields("a\nb\rc"), (V{"a", "b", "c"}));
  // An empty line in the middle is an empty field.
  EXPECT_EQ(readFields("a\r\n\r\nb\r\n"), (V{"a", "", "b"}));
}

TEST(Fields, DamagedInputReadsWithoutCrashing) {
  EXPECT_EQ(readFields("\"never closed"), V{"never closed"});
  EXPECT_EQ(readFields("\""), V{""});
  EXPECT_EQ(readFields(std::string_view("a\0b", 3)), V{std::string("a\0b", 3)});
  const std::string longLine(200000, 'x');
  EXPECT_EQ(readFields(longLine), V{longLine});
}

TEST(Fields, BoardNumberIsVerbatim) {
  // The first three characters pass whatever they are.
  EXPECT_EQ(readFields("\"5 - Cinema\"\r\n")[0].substr(0, 3), "5 -");
}

TEST(Cp1252, AccentsAndTheHighBlockRoundTrip) {
  const std::string utf8 = "C'è mancato poco € “già” — caffè";
  const auto bytes = slv::utf8ToCp1252(utf8);
  ASSERT_TRUE(bytes);
  EXPECT_EQ((*bytes)[2], '\xe8');
  EXPECT_EQ(slv::cp1252ToUtf8(*bytes), utf8);
  EXPECT_EQ(slv::cp1252ToUtf8("\x80\x85\x99"), "€…™");
  // The five bytes the code page leaves undefined come back unchanged.
  EXPECT_EQ(slv::utf8ToCp1252(slv::cp1252ToUtf8("\x81\x8d\x8f\x90\x9d")), "\x81\x8d\x8f\x90\x9d");
  EXPECT_FALSE(slv::utf8ToCp1252("日本"));
  EXPECT_FALSE(slv::utf8ToCp1252("\xff\xfe"));  // not UTF-8
}

TEST(Writer, LinesAreQuotedWithCrLfAndRefuseWhatTheFormatCannotHold) {
  EXPECT_EQ(slv::encodeLine("101 Calcio"), "\"101 Calcio\"\r\n");
  EXPECT_EQ(slv::encodeLine("C'è"), "\"C'\xe8\"\r\n");
  EXPECT_EQ(slv::encodeLine(""), "\"\"\r\n");
  EXPECT_FALSE(slv::encodeLine("say \"hi\""));
  EXPECT_FALSE(slv::encodeLine("日本"));
  EXPECT_FALSE(slv::encodeLine("two\r\nlines"));
  EXPECT_EQ(slv::checkField("a\"b"), slv::FieldProblem::DoubleQuote);
  EXPECT_EQ(slv::checkField("ok"), slv::FieldProblem::None);
  EXPECT_EQ(slv::encodeLines({"a", "b"}), "\"a\"\r\n\"b\"\r\n");
  EXPECT_FALSE(slv::encodeLines({"a", "b\""}));
  // What the writer writes reads back as exactly the values.
  const V values = {"101 Calcio, serie A", "C'è mancato poco", "  spazi  "};
  EXPECT_EQ(readFields(*slv::encodeLines(values)), values);
}

TEST(Writer, PathsJoinWithASlash) {
  EXPECT_EQ(slv::dataFilePath("/opt/slv", "Favourite.svl"), "/opt/slv/Favourite.svl");
  EXPECT_EQ(slv::dataFilePath("/", "Allforums.svl"), "//Allforums.svl");
}
