// Files offered by pages: saved only where the user chose, and the outcome told.
#include "fakes/FakePlatform.h"
#include "forms/test_forums_disk.h"
#include "panes/Downloads.h"

#include <QDialog>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// A download that logs into the platform's event list, so the order of the
// save-as choice and the saving shows.
class FakeDownload : public Download {
public:
  FakeDownload(QStringList& log, QString suggested) : log_(log), suggested_(std::move(suggested)) {}
  QString suggestedFileName() const override { return suggested_; }
  const QObject* pane() const override { return pane_; }
  bool hold() override { return holds; }
  void saveTo(const QString& path) override { log_ << "saveTo " + path; }
  void cancel() override { log_ << QStringLiteral("cancel"); }
  QString savedPath() const override { return saved; }
  void finish(bool ok) { emit finished(ok); }
  QString saved;
  const QObject* pane_ = nullptr;
  bool holds = true;

private:
  QStringList& log_;
  QString suggested_;
};

class Downloads : public ::testing::Test {
protected:
  // The save choices are kept in asked, for the test to answer later.
  void answerLater() {
    platform.onChooseSave = [this](std::function<void(const QString&)> chosen) {
      asked.push_back(std::move(chosen));
    };
  }

  FakePlatform platform;
  DownloadHandler handler{platform};
  std::vector<std::function<void(const QString&)>> asked;
};

} // namespace

TEST_F(Downloads, SavedOnlyWhereTheUserChoseAndToldWhenDone) {
  const QString chosen = QDir::tempPath() + "/scelto/allegato.zip";
  platform.saveAnswers.push_back(chosen);
  FakeDownload d(platform.events, QStringLiteral("allegato.zip"));
  handler.handle(d);
  platform.settle();

  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
  EXPECT_EQ(platform.savePathsProposed, QStringList{QDir(folder).filePath("allegato.zip")});
  EXPECT_EQ(platform.events, (QStringList{"save Salva con nome", "saveTo " + chosen}));
  EXPECT_TRUE(platform.messages.empty()); // nothing to say while it is saving

  d.saved = chosen;
  d.finish(true);
  platform.settle();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].style, vbInformation);
  EXPECT_EQ(platform.messages[0].title, "Norvalis SOLVARINO 3_w");
  EXPECT_EQ(platform.messages[0].text,
            "Il file è stato salvato:\n" + QDir::toNativeSeparators(chosen));
  d.finish(true);
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(Downloads, GivingUpTheChoiceCancelsAndSavesNothing) {
  FakeDownload d(platform.events, QStringLiteral("foto.jpg"));
  handler.handle(d); // no answer: the user closed the dialog
  platform.settle();
  EXPECT_EQ(platform.events, (QStringList{"save Salva con nome", "cancel"}));
  d.finish(false);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Downloads, AFailureIsReportedWithWhereTheFileWasToGo) {
  platform.saveAnswers.push_back(QStringLiteral("/tmp/pieno/a.pdf"));
  FakeDownload d(platform.events, QStringLiteral("a.pdf"));
  handler.handle(d);
  platform.settle();
  d.saved = QStringLiteral("/tmp/pieno/a (1).pdf"); // the engine's own name wins in the message
  d.finish(false);
  platform.settle();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].style, vbExclamation);
  EXPECT_EQ(platform.messages[0].text,
            "Impossibile salvare il file:\n" + QDir::toNativeSeparators(d.saved));
}

TEST_F(Downloads, ADownloadOutlivingItsHandlerSaysNothing) {
  platform.saveAnswers.push_back(QStringLiteral("/tmp/b.txt"));
  FakeDownload d(platform.events, QStringLiteral("b.txt"));
  {
    DownloadHandler shortLived(platform);
    shortLived.handle(d);
  }
  d.finish(true);
  EXPECT_TRUE(platform.messages.empty());
}

TEST(DownloadNames, TheProposalIsTheDownloadFolderAndTheBareName) {
  EXPECT_EQ(DownloadHandler::proposedPath("/home/u/Scaricati", "allegato.zip"),
            "/home/u/Scaricati/allegato.zip");
  // A name never picks the folder, nor climbs out of it.
  EXPECT_EQ(DownloadHandler::proposedPath("/home/u/Scaricati", "../../.bashrc"),
            "/home/u/Scaricati/.bashrc");
  EXPECT_EQ(DownloadHandler::proposedPath("/home/u/Scaricati", "/etc/passwd"),
            "/home/u/Scaricati/passwd");
  EXPECT_EQ(DownloadHandler::proposedPath("/home/u/Scaricati", ""), "/home/u/Scaricati/download");
  EXPECT_EQ(DownloadHandler::proposedPath("", "a.txt"), "a.txt");
}

TEST_F(Downloads, APanesSaveChoicesComeOneAtATimeAndAFloodIsRefusedWithOneNotice) {
  answerLater();
  std::vector<std::unique_ptr<FakeDownload>> offered;
  for (int i = 0; i < 3 + int(DownloadHandler::kWaiting); ++i) {
    offered.push_back(std::make_unique<FakeDownload>(platform.events, QStringLiteral("f.zip")));
    handler.handle(*offered.back());
  }
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_EQ(platform.events.count("cancel"), 2); // one asked, ten waiting, two refused
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, DownloadHandler::refusedText());
  asked[0](QString()); // given up: that one is cancelled and the next is asked
  EXPECT_EQ(platform.events.count("cancel"), 3);
  EXPECT_EQ(asked.size(), 2u);
}

TEST_F(Downloads, APaneGoingOrTheProgramClosingAsksNothingMoreAndCancelsWhatWaits) {
  // Each save choice is a dialog of the gate, as in the program; accepted,
  // its name is the chosen path.
  std::vector<QPointer<QDialog>> dialogs;
  platform.onChooseSave = [&](std::function<void(const QString&)> chosen) {
    auto* d = new QDialog;
    dialogs.emplace_back(d);
    platform.gate().open(d, {}, [d, chosen](int r) {
      chosen(r == QDialog::Accepted ? d->objectName() : QString());
    });
  };
  auto forum = std::make_unique<QObject>();
  QObject mail;
  std::vector<std::unique_ptr<FakeDownload>> offered;
  for (const QObject* pane : {forum.get(), forum.get(), forum.get(), &mail, &mail, &mail}) {
    offered.push_back(std::make_unique<FakeDownload>(platform.events, QStringLiteral("f.zip")));
    offered.back()->pane_ = pane;
    handler.handle(*offered.back());
  }
  ASSERT_EQ(dialogs.size(), 2u);
  dialogs[1]->setObjectName(QStringLiteral("/tmp/posta.zip"));
  dialogs[1]->accept(); // the mail's first is saving, its second asked
  ASSERT_EQ(dialogs.size(), 3u);

  platform.gate().dropPane(forum.get(), true);
  forum.reset();
  EXPECT_EQ(dialogs.size(), 3u);
  EXPECT_EQ(platform.events.count("cancel"), 3);

  platform.gate().dropAll();
  FakeDownload late(platform.events, QStringLiteral("tardi.zip"));
  handler.handle(late);
  EXPECT_EQ(dialogs.size(), 3u);
  EXPECT_EQ(platform.events.count("cancel"), 7); // the one saving too
  offered[3]->finish(false);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Downloads, EachPaneWaitsInItsOwnLineAndAPaneGoneCancelsOnlyItsOwn) {
  answerLater();
  auto forum = std::make_unique<QObject>();
  QObject mail;
  QStringList forumLog, mailLog;
  FakeDownload f1(forumLog, "f1.zip"), f2(forumLog, "f2.zip"), m1(mailLog, "m1.zip"),
      m2(mailLog, "m2.zip");
  f1.pane_ = f2.pane_ = forum.get();
  m1.pane_ = m2.pane_ = &mail;
  for (FakeDownload* d : {&f1, &m1, &f2, &m2})
    handler.handle(*d);
  ASSERT_EQ(asked.size(), 2u); // the forum's choice open holds only the forum's next
  asked[1]("/tmp/m1.zip");
  ASSERT_EQ(asked.size(), 3u); // the mail's next
  // A pane gone without the gate telling: its own cancelled, the other's go on.
  forum.reset();
  EXPECT_EQ(forumLog, (QStringList{"cancel", "cancel"}));
  asked[0]("/tmp/f1.zip"); // its dialog answered after all: nothing
  asked[2]("/tmp/m2.zip");
  EXPECT_EQ(forumLog.size(), 2);
  EXPECT_EQ(mailLog, (QStringList{"saveTo /tmp/m1.zip", "saveTo /tmp/m2.zip"}));
}

TEST_F(Downloads, ADownloadTheEngineWithdrawsLeavesTheLine) {
  answerLater();
  auto open = std::make_unique<FakeDownload>(platform.events, "a.zip");
  auto waiting = std::make_unique<FakeDownload>(platform.events, "b.zip");
  FakeDownload last(platform.events, QStringLiteral("c.zip"));
  for (FakeDownload* d : {open.get(), waiting.get(), &last})
    handler.handle(*d);
  waiting.reset(); // withdrawn while waiting its turn
  open.reset();    // and while its choice is open: the answer saves nothing
  asked[0]("/tmp/a.zip");
  ASSERT_EQ(asked.size(), 2u);
  asked[1]("/tmp/c.zip");
  EXPECT_EQ(platform.events, QStringList{"saveTo /tmp/c.zip"});
}

TEST_F(Downloads, NowhereToHoldTheFilesIsToldOnceAndNothingIsAsked) {
  FakeDownload a(platform.events, QStringLiteral("a.zip")), b(platform.events, "b.zip");
  a.holds = b.holds = false;
  handler.handle(a);
  handler.handle(b);
  EXPECT_EQ(platform.events, (QStringList{"cancel", "msgbox Norvalis SOLVARINO 3_w", "cancel"}));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            DownloadHandler::noFolderText(DownloadHandler::cacheFolder()));
}

TEST(DownloadPlace, AFailedCopyKeepsTheOldFileAndTheDownloadedOne) {
  QTemporaryDir there, held(QStringLiteral("/dev/shm/slv-XXXXXX"));
  struct stat a {
  }, b{};
  if (!held.isValid() || stat("/dev/shm", &a) != 0 || stat(qPrintable(there.path()), &b) != 0 ||
      a.st_dev == b.st_dev)
    GTEST_SKIP() << "needs two file systems";
  const QString target = there.filePath("a.bin"), file = held.filePath("file");
  const QByteArray download(64 * 1024, 'n');
  ASSERT_TRUE(put(target, "vecchio") && put(file, download));
  const std::atomic_bool stop = false;
  DownloadHandler::Placed placed;
  {
    const FileSizeLimit full(4096);
    placed = DownloadHandler::place(file, target, held.filePath("tenuti"), stop);
  }
  EXPECT_FALSE(placed.ok);
  EXPECT_EQ(placed.kept, held.filePath("tenuti/a.bin"));
  EXPECT_EQ(bytesOf(placed.kept), download);
  EXPECT_EQ(QDir(there.path()).entryList(QDir::Files), QStringList{"a.bin"}); // no half copy
  EXPECT_EQ(bytesOf(target), "vecchio");
  // With room, the whole copy replaces it.
  placed = DownloadHandler::place(placed.kept, target, held.filePath("tenuti"), stop);
  EXPECT_TRUE(placed.ok);
  EXPECT_EQ(bytesOf(target), download);
}

TEST(DownloadPlace, OnlyTheHeldFoldersNoProgramHoldsAreLeftovers) {
  QTemporaryDir cache;
  const QDir dir(cache.path());
  for (const char* name : {"scaricamento-vecchio", "scaricamento-in-uso", "altro"})
    ASSERT_TRUE(dir.mkpath(QString::fromLatin1(name) + "/dentro"));
  QLockFile inUse(dir.filePath("scaricamento-in-uso/.in-uso"));
  ASSERT_TRUE(inUse.tryLock(0));
  DownloadHandler::removeLeftovers(cache.path());
  EXPECT_EQ(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot),
            (QStringList{"altro", "scaricamento-in-uso"}));
}
