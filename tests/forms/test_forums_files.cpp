// The favourites file on disk: appending and rewriting.
#include "forums/ForumListFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "fakes/FakePlatform.h" // PrintTo for Qt strings
#include "forms/test_forums_disk.h"

class FavouritesFile : public ::testing::Test {
protected:
  QString path() const { return dir.filePath("Favourite.svl"); }
  QTemporaryDir dir;
};

TEST_F(FavouritesFile, AppendCreatesTheFileWithOneQuotedLine) {
  ASSERT_TRUE(slv::forums::appendEntry(path(), "101 Calcio, serie A").ok());
  EXPECT_EQ(bytesOf(path()), "\"101 Calcio, serie A\"\r\n");
  ASSERT_TRUE(slv::forums::appendEntry(path(), QString::fromUtf8("010 Chiacchiere in libertà")).ok());
  EXPECT_EQ(bytesOf(path()), "\"101 Calcio, serie A\"\r\n\"010 Chiacchiere in libert\xe0\"\r\n");
  // What was written reads back whole, comma included.
  EXPECT_EQ(slv::forums::readListFile(path()),
            (QStringList{"101 Calcio, serie A", QString::fromUtf8("010 Chiacchiere in libertà")}));
}

TEST_F(FavouritesFile, AppendAfterALastLineWithoutLineEndStartsANewLine) {
  ASSERT_TRUE(put(path(), "\"101 Calcio\""));
  ASSERT_TRUE(slv::forums::appendEntry(path(), "205 Cucina").ok());
  EXPECT_EQ(bytesOf(path()), "\"101 Calcio\"\r\n\"205 Cucina\"\r\n");
  EXPECT_EQ(slv::forums::readListFile(path()), (QStringList{"101 Calcio", "205 Cucina"}));
}

TEST_F(FavouritesFile, RewriteHoldsExactlyTheEntriesInOrder) {
  ASSERT_TRUE(put(path(), "\"1\"\r\n\"2\"\r\n\"3\"\r\n"));
  ASSERT_TRUE(slv::forums::rewriteEntries(path(), {"3", "1", "1"}).ok());
  EXPECT_EQ(bytesOf(path()), "\"3\"\r\n\"1\"\r\n\"1\"\r\n");
  ASSERT_TRUE(slv::forums::rewriteEntries(path(), {}).ok());
  EXPECT_EQ(bytesOf(path()), "");
  EXPECT_TRUE(QFile::exists(path()));
  // Nothing is left lying around beside it.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Favourite.svl"});
}

#if !defined(_WIN32) // a full disk is a file-size limit
TEST_F(FavouritesFile, AFailedAppendToAMissingFileLeavesNoFile) {
  slv::forums::WriteOutcome out;
  {
    FileSizeLimit limit(3);
    out = slv::forums::appendEntry(path(), "205 Cucina");
  }
  EXPECT_EQ(out.kind, slv::forums::WriteOutcome::Failed);
  EXPECT_FALSE(QFile::exists(path()));
}
#endif

TEST_F(FavouritesFile, PathsThatCannotBeWrittenFailEvenForRoot) {
  // A directory in the file's place, and a folder below a regular file.
  ASSERT_TRUE(QDir(dir.path()).mkdir("Favourite.svl"));
  EXPECT_EQ(slv::forums::appendEntry(path(), "1").kind, slv::forums::WriteOutcome::Failed);
  EXPECT_EQ(slv::forums::rewriteEntries(path(), {"1"}).kind, slv::forums::WriteOutcome::Failed);
  EXPECT_TRUE(QFileInfo(path()).isDir());
  EXPECT_TRUE(slv::forums::readListFile(path()).isEmpty());

  ASSERT_TRUE(put(dir.filePath("plain"), "x"));
  const QString under = dir.filePath("plain/Favourite.svl");
  EXPECT_EQ(slv::forums::appendEntry(under, "1").kind, slv::forums::WriteOutcome::Failed);
  EXPECT_EQ(slv::forums::rewriteEntries(under, {"1"}).kind, slv::forums::WriteOutcome::Failed);
  EXPECT_EQ(bytesOf(dir.filePath("plain")), "x");
}

TEST_F(FavouritesFile, AFullDiskChangesNothing) {
  if (!QFile::exists("/dev/full"))
    GTEST_SKIP() << "no /dev/full here";
  ASSERT_TRUE(QFile::link("/dev/full", path()));
  const auto out = slv::forums::appendEntry(path(), "205 Cucina");
  EXPECT_EQ(out.kind, slv::forums::WriteOutcome::Failed);
  EXPECT_TRUE(QFileInfo(path()).isSymLink());
  EXPECT_TRUE(slv::forums::readListFile(path()).isEmpty());
}
