// Files offered by pages: saved only where the user chose, and the outcome told.
#include "fakes/FakePlatform.h"
#include "platform/Downloads.h"

#include <QDir>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// A download that logs into the platform's event list, so the order of the
// save-as choice and the saving shows.
class FakeDownload : public Download {
public:
  FakeDownload(QStringList& log, QString suggested) : log_(log), suggested_(std::move(suggested)) {}
  QString suggestedFileName() const override { return suggested_; }
  void saveTo(const QString& path) override { log_ << "saveTo " + path; }
  void cancel() override { log_ << QStringLiteral("cancel"); }
  QString savedPath() const override { return saved; }
  void finish(bool ok) { emit finished(ok); }
  QString saved;

private:
  QStringList& log_;
  QString suggested_;
};

class Downloads : public ::testing::Test {
protected:
  FakePlatform platform;
  DownloadHandler handler{platform};
};

} // namespace

TEST_F(Downloads, SavedOnlyWhereTheUserChoseAndToldWhenDone) {
  const QString chosen = QDir::tempPath() + "/scelto/allegato.zip";
  platform.saveAnswers.push_back(chosen);
  FakeDownload d(platform.events, QStringLiteral("allegato.zip"));
  handler.handle(d);

  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
  EXPECT_EQ(platform.savePathsProposed, QStringList{QDir(folder).filePath("allegato.zip")});
  EXPECT_EQ(platform.events, (QStringList{"save Salva con nome", "saveTo " + chosen}));
  EXPECT_TRUE(platform.messages.empty()); // nothing to say while it is saving

  d.saved = chosen;
  d.finish(true);
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
  EXPECT_EQ(platform.events, (QStringList{"save Salva con nome", "cancel"}));
  d.finish(false);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Downloads, AFailureIsReportedWithWhereTheFileWasToGo) {
  platform.saveAnswers.push_back(QStringLiteral("/tmp/pieno/a.pdf"));
  FakeDownload d(platform.events, QStringLiteral("a.pdf"));
  handler.handle(d);
  d.saved = QStringLiteral("/tmp/pieno/a (1).pdf"); // the engine's own name wins in the message
  d.finish(false);
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
  std::vector<std::function<void(const QString&)>> asked;
  platform.onChooseSave = [&](std::function<void(const QString&)> chosen) {
    asked.push_back(std::move(chosen));
  };
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
