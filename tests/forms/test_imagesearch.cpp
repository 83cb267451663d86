// The image search and image preview windows.
#include "fakes/FakePlatform.h"
#include "imagesearch/frmSearchImages.h"
#include "imagesearch/frmShowImage.h"
#include "ui/NRV_SLV3.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

class ImageWindows : public ::testing::Test {
protected:
  FakeBrowserPane& browser() { return *platform.panes.back(); }
  FakePlatform platform;
  NRV_SLV3 app;
};

TEST_F(ImageWindows, SearchWindowStartsEmptyWithItsButtons) {
  qputenv("SLV_DITTO_HOST", "www.ditto.test");
  qputenv("SLV_CALSHOP_HOST", "calshop.test:8081");
  frmSearchImages w(platform, app);
  qunsetenv("SLV_DITTO_HOST");
  qunsetenv("SLV_CALSHOP_HOST");
  EXPECT_EQ(w.windowTitle(), "  RICERCA IMMAGINI ");
  EXPECT_EQ(w.pos(), QPoint(7, 134));
  EXPECT_TRUE(browser().calls.isEmpty());
  EXPECT_TRUE(w.tmrBusy->isActive());
  EXPECT_EQ(w.tmrBusy->interval(), 20);
  QStringList captions, tips;
  for (QPushButton* b : w.cmdNavy) {
    captions << b->text();
    tips << b->toolTip();
  }
  EXPECT_EQ(captions,
            (QStringList{"<", ">", "T", "A", "H", "Google", "Yahoo!", "Ditto", "Calshop"}));
  EXPECT_EQ(tips, (QStringList{"Indietro", "Avanti", "Termina", "Aggiorna", "Home Page",
                               "Cerca con Google", "Cerca con Yahoo!", "Cerca con ditto.test",
                               "Cerca con calshop.test"}));
  EXPECT_EQ(w.Label1->text(),
            "RICERCA L'IMMAGINE VOLUTA  E COPIA IL SUO INDIRIZZO URL PER INCOLLARLO NEL COMPOSER");
}

TEST_F(ImageWindows, SearchButtonsDriveTheBrowserAndIgnoreItsRefusals) {
  for (const char* v : {"SLV_GOOGLE_HOST", "SLV_YAHOO_HOST", "SLV_DITTO_HOST", "SLV_CALSHOP_HOST"})
    qputenv(v, "s.test");
  frmSearchImages w(platform, app);
  w.cmdNavy[0]->click(); // no history: nothing happens, nothing is said
  w.cmdNavy[1]->click();
  EXPECT_EQ(browser().location, "");
  for (int i = 5; i <= 8; ++i)
    w.cmdNavy[i]->click();
  w.cmdNavy[0]->click();
  w.cmdNavy[2]->click();
  w.cmdNavy[3]->click();
  w.cmdNavy[4]->click();
  w.cmdNavy_Click(9);
  EXPECT_EQ(browser().calls,
            (QStringList{"back", "forward", "navigate http://s.test/imghp?hl=it&tab=wi&q=",
                         "navigate http://s.test/images", "navigate http://s.test",
                         "navigate http://s.test/smiles/index.html", "back", "stop", "refresh",
                         "home", "navigate http://s.test/imghp?hl=it&tab=wi&q="}));
  EXPECT_TRUE(platform.messages.empty());
  for (const char* v : {"SLV_GOOGLE_HOST", "SLV_YAHOO_HOST", "SLV_DITTO_HOST", "SLV_CALSHOP_HOST"})
    qunsetenv(v);
}

TEST_F(ImageWindows, OnlyVaiNavigatesToTheAddressAsTyped) {
  frmSearchImages w(platform, app);
  w.show();
  w.txtAddress->setFocus();
  QTest::keyClicks(w.txtAddress, " www.esempio.test/a b ");
  QTest::keyClick(w.txtAddress, Qt::Key_Return);
  QTest::keyClick(w.txtAddress, Qt::Key_Enter);
  EXPECT_TRUE(browser().calls.isEmpty());
  EXPECT_TRUE(w.isVisible());
  w.cmdVai->click();
  EXPECT_EQ(browser().calls, QStringList{"navigate  www.esempio.test/a b "});
}

TEST_F(ImageWindows, TheCaptionTellsLoadingAndTheBoxFollowsTheBrowserMeanwhile) {
  frmSearchImages w(platform, app);
  w.tmrBusy->stop();
  browser().isBusy = true;
  browser().location = "http://s.test/slow";
  w.txtAddress->setText("typed by the user");
  w.tmrBusy_Timer();
  EXPECT_EQ(w.windowTitle(), "  RICERCA IMMAGINI - CARICAMENTO IN CORSO....");
  EXPECT_EQ(w.txtAddress->text(), "http://s.test/slow");
  browser().isBusy = false;
  browser().location = "http://s.test/elsewhere";
  w.tmrBusy_Timer();
  EXPECT_EQ(w.windowTitle(), "  RICERCA IMMAGINI ");
  EXPECT_EQ(w.txtAddress->text(), "http://s.test/slow");
  w.txtAddress->setText("mine");
  w.tmrBusy_Timer();
  EXPECT_EQ(w.txtAddress->text(), "mine");
}

TEST_F(ImageWindows, PreviewShowsExactlyTheImageAddressAndClosesOnChiudi) {
  app.ImageURL = "http://img.test/cartella/foto 1.gif?x=1";
  frmShowImage w(platform, app);
  w.show();
  EXPECT_EQ(browser().calls, QStringList{"navigate http://img.test/cartella/foto 1.gif?x=1"});
  EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(w.pos(), QPoint((1280 - w.width()) / 2, (1024 - w.height()) / 2));
  EXPECT_EQ(w.Label1->text(),
            QString::fromUtf8("Questa è l'immagine che risulta dall'indirizzo URL indicato"));
  QTest::keyClick(&w, Qt::Key_Escape);
  EXPECT_TRUE(w.isVisible());
  w.cmdClose->click();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(app.ImageURL, "http://img.test/cartella/foto 1.gif?x=1");
}
