// The composer's image mode and its sub-frame for the personal emoticons.
#include "core/datafile.h"
#include "emoticons/PersonalFileAppend.h"
#include "forms/test_composer_fixture.h"

#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#if !defined(_WIN32)
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

class ComposerImage : public ComposerFixture {
protected:
  ComposerPanel& open() { return ComposerFixture::open(1); }
  static bool imageControlsEnabled(ComposerPanel& c) {
    const bool v = c.cmdVerifyURL->isEnabled();
    EXPECT_EQ(c.cmdImmagine->isEnabled(), v);
    EXPECT_EQ(c.fraEP->isEnabled(), v);
    return v;
  }
  QByteArray personal() { return readFile("Personali.et2"); }
};

} // namespace

TEST_F(ComposerImage, AddressEnablesVerifyOkAndThePersonalFrameTogether) {
  auto& c = open();
  EXPECT_FALSE(imageControlsEnabled(c));
  EXPECT_TRUE(c.cmdSearchImages->isEnabled());
  for (const char* no : {"http://", "https://a.it/x.gif", " http://a.it/x.gif", "htp://a.it"}) {
    c.txtImmagine->setPlainText(QString::fromUtf8(no));
    EXPECT_FALSE(imageControlsEnabled(c)) << no;
  }
  for (const char* yes : {"http://a", "HTTP://A.IT/X.GIF"}) {
    c.txtImmagine->setPlainText(QString::fromUtf8(yes));
    EXPECT_TRUE(imageControlsEnabled(c)) << yes;
  }
  // A valid address alone does not enable "Aggiungi": a name is needed.
  EXPECT_FALSE(c.cmdOkEP->isEnabled());
  QTest::keyClicks(c.txtNome, "g");
  EXPECT_TRUE(c.cmdOkEP->isEnabled());
}

TEST_F(ComposerImage, OkDeliversTheImageTagAndEmptiesNameAndAddress) {
  auto& c = open();
  QTest::keyClicks(c.txtImmagine, "http://img.it/gatto.gif");
  QTest::keyClicks(c.txtNome, "gatto");
  c.cmdImmagine->click();
  EXPECT_EQ(platform.clipboard, "[img]http://img.it/gatto.gif[/img]");
  EXPECT_TRUE(c.txtImmagine->toPlainText().isEmpty());
  EXPECT_TRUE(c.txtNome->text().isEmpty());
  EXPECT_FALSE(imageControlsEnabled(c));
  EXPECT_FALSE(c.cmdOkEP->isEnabled());
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_TRUE(personal().isEmpty());
}

TEST_F(ComposerImage, PreviewGetsTheAddressAsItIsAtTheClick) {
  auto& c = open();
  QString seen;
  QString shown;
  QString loaded; // what the window's own browser was sent to
  platform.onModal = [&](QDialog& d) {
    seen = host.state.ImageURL;
    shown = d.metaObject()->className();
    loaded = platform.panes.back()->location;
    return 0;
  };
  QTest::keyClicks(c.txtImmagine, "http://img.it/a.gif");
  c.cmdVerifyURL->click();
  EXPECT_EQ(shown, "frmShowImage");
  EXPECT_EQ(seen, "http://img.it/a.gif");
  EXPECT_EQ(loaded, "http://img.it/a.gif");
  QTest::keyClicks(c.txtImmagine, "x");
  c.cmdVerifyURL->click();
  EXPECT_EQ(seen, "http://img.it/a.gifx");
  EXPECT_EQ(host.state.ImageURL, "http://img.it/a.gifx");
  // Back from the preview, the mode is as it was.
  EXPECT_EQ(c.txtImmagine->toPlainText(), "http://img.it/a.gifx");
  EXPECT_TRUE(c.cmdImmagine->isEnabled());

  // The search window opens with an empty address too and changes nothing.
  c.txtImmagine->clear();
  seen.clear();
  c.cmdSearchImages->click();
  EXPECT_EQ(shown, "frmSearchImages");
  EXPECT_EQ(platform.events.filter("modal").size(), 3);
  EXPECT_EQ(host.state.ImageURL, "http://img.it/a.gifx");
}

TEST_F(ComposerImage, TwoPersonalEmoticonsMakeFourQuotedLines) {
  auto& c = open();
  QTest::keyClicks(c.txtImmagine, "http://img.it/gatto.gif");
  QTest::keyClicks(c.txtNome, "Gatto, nero");
  c.cmdOkEP->click();
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_TRUE(c.txtNome->text().isEmpty());
  EXPECT_FALSE(c.cmdOkEP->isEnabled());
  EXPECT_EQ(c.txtImmagine->toPlainText(), "http://img.it/gatto.gif");
  c.txtImmagine->setPlainText("http://img.it/caff\u00e8.gif");
  c.txtNome->setText(QString::fromUtf8("Caffè"));
  c.cmdOkEP->click();
  EXPECT_EQ(personal(), QByteArray("\"Gatto, nero\"\r\n\"http://img.it/gatto.gif\"\r\n"
                                   "\"Caff\xE8\"\r\n\"http://img.it/caff\xE8.gif\"\r\n"));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(platform.clipboard.isEmpty());
}

TEST_F(ComposerImage, AHandEditedFileWithoutFinalLineEndKeepsItsLastRecord) {
  writeFile("Personali.et2", "\"a\"\r\n\"http://x/a.gif\"");
  auto& c = open();
  QTest::keyClicks(c.txtImmagine, "http://x/b.gif");
  QTest::keyClicks(c.txtNome, "b");
  c.cmdOkEP->click();
  const QByteArray bytes = personal();
  EXPECT_EQ(slv::readFields(std::string_view(bytes.constData(), bytes.size())),
            (std::vector<std::string>{"a", "http://x/a.gif", "b", "http://x/b.gif"}));
}

TEST_F(ComposerImage, RecordsTheFileCannotHoldAreRefusedWhole) {
  auto& c = open();
  struct Case {
    QString name, address, says;
  };
  const Case cases[] = {
      {"il \"mio\" gatto", "http://x/a.gif", "Il nome contiene le virgolette"},
      {QString::fromUtf8("kot łaciaty"), "http://x/a.gif", "Il nome contiene caratteri"},
      {"gatto", "http://x/a\".gif", "L'indirizzo contiene le virgolette"},
      {"gatto", "http://x/a.gif\nhttp://x/b.gif", "L'indirizzo deve stare su una sola riga"},
  };
  for (const auto& k : cases) {
    platform.messages.clear();
    c.txtImmagine->setPlainText(k.address);
    c.txtNome->setText(k.name);
    c.cmdOkEP->click();
    ASSERT_EQ(platform.messages.size(), 1u) << k.name.toStdString();
    EXPECT_TRUE(platform.messages[0].text.startsWith(k.says))
        << platform.messages[0].text.toStdString();
    EXPECT_EQ(platform.messages[0].style, vbExclamation);
    EXPECT_EQ(c.txtNome->text(), k.name);
  }
  EXPECT_FALSE(QFile::exists(dir.filePath("Personali.et2")));
  EXPECT_EQ(platform.beeps, 0);
}

TEST_F(ComposerImage, AFileThatCannotBeWrittenIsReportedAndLeftAlone) {
  // A folder in the file's place cannot be opened for appending.
  ASSERT_TRUE(QDir(dir.path()).mkdir("Personali.et2"));
  auto& c = open();
  QTest::keyClicks(c.txtImmagine, "http://x/a.gif");
  QTest::keyClicks(c.txtNome, "gatto");
  c.cmdOkEP->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].style, vbCritical);
  EXPECT_EQ(platform.messages[0].title, "IMPOSSIBILE ACCEDERE AL FILE PERSONALI");
  EXPECT_EQ(c.txtNome->text(), "gatto");
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_TRUE(QFileInfo(dir.filePath("Personali.et2")).isDir());
}

#if !defined(_WIN32) // a full disk is a file-size limit
TEST(PersonalFileAppend, AWriteThatFailsHalfWayTakesBackWhatItWrote) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Personali.et2");
  const QByteArray before = "\"a\"\r\n\"http://x/a.gif\"\r\n";
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(before);
  }
  // The file may grow by a few bytes only: the record cannot fit.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = static_cast<rlim_t>(before.size() + 6);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool ok =
      slv::emoticons::appendPersonalRecord(path, "\"gatto\"\r\n\"http://x/gatto.gif\"\r\n");
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(ok);
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), before);
}
#endif
