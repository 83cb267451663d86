// The favourites rewrite interrupted at every byte, by a full disk and by the
// process dying: the file on disk is always the old content or the new one.
#include "forums/ForumListFile.h"
#include "test_forums_disk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QStringList kNew = {QStringLiteral("101 Calcio"), QStringLiteral("205 Cucina, ricette"),
                          QStringLiteral("310 Musica già sentita")};
const QByteArray kOld = "\"001 Annunci\"\r\n\"101 Calcio\"\r\n\"205 Cucina, ricette\"\r\n"
                        "\"310 Musica gi\xe0 sentita\"\r\n";
const QByteArray kNewBytes = "\"101 Calcio\"\r\n\"205 Cucina, ricette\"\r\n"
                             "\"310 Musica gi\xe0 sentita\"\r\n";

} // namespace

TEST(FavouritesInterrupted, AFullDiskAtEveryByteLeavesOldOrNew) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Favourite.svl");
  for (int limit = 0; limit <= kNewBytes.size(); ++limit) {
    ASSERT_TRUE(put(path, kOld));
    slv::forums::WriteOutcome out;
    {
      FileSizeLimit full(static_cast<rlim_t>(limit));
      out = slv::forums::rewriteEntries(path, kNew);
    }
    const QByteArray now = bytesOf(path);
    EXPECT_EQ(now, out.ok() ? kNewBytes : kOld) << "limit " << limit;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Favourite.svl"}) << "limit " << limit;
  }
}

TEST(FavouritesInterrupted, TheProcessDyingAtEveryByteLeavesOldOrNew) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Favourite.svl");
  for (int limit = 0; limit <= kNewBytes.size(); ++limit) {
    ASSERT_TRUE(put(path, kOld));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Growing a file past the limit kills the process (SIGXFSZ), mid-write.
      rlimit l{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
      setrlimit(RLIMIT_FSIZE, &l);
      slv::forums::rewriteEntries(path, kNew);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    const QByteArray now = bytesOf(path);
    EXPECT_TRUE(now == kOld || now == kNewBytes) << "limit " << limit << ": " << now.toStdString();
    if (limit < kNewBytes.size()) {
      EXPECT_TRUE(WIFSIGNALED(status)) << "limit " << limit;
    }
  }
}
