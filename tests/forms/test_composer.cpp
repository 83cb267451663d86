// The composer panel: modes, delivery, formatted text, list builder, quote and link.
#include "composer/frmDone.h"
#include "forms/test_composer_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <utility>

namespace {

using Composer = ComposerFixture;

// The composer as a part of the main window, opened from its menu.
class ComposerInWindow : public MainFixture {
protected:
  ComposerPanel& open() {
    auto& w = load();
    w.mnuComposer->trigger();
    return *w.fraComposer;
  }
};

// Selects a list item as a click does, and runs the list's click handler.
void clickItem(ComposerPanel& c, int row) {
  c.lstElenco->setCurrentRow(row);
  c.lstElenco_Click();
}

// The move items (up, down) of the last list menu the panel asked for.
std::pair<bool, bool> lastMenu(const QSignalSpy& requests) {
  const QList<QVariant>& a = requests.last();
  return {a.at(0).toBool(), a.at(1).toBool()};
}

std::vector<int> visibleModes(ComposerPanel& c) {
  std::vector<int> v;
  for (int i = 0; i < 5; ++i)
    if (c.fraFunction[i]->isVisible())
      v.push_back(i);
  return v;
}

} // namespace

TEST_F(ComposerInWindow, OpensWithNoModeAndKeepsModeAndFieldsAcrossChangesAndClosing) {
  auto& c = open();
  auto& w = *win;
  EXPECT_TRUE(c.isVisible());
  EXPECT_TRUE(w.mnuComposer->isChecked());
  EXPECT_EQ(c.Label25->text(), "COMPOSER");
  EXPECT_EQ(c.Label1->text(), "Cosa vuoi aggiungere al tuo post ?");
  const QStringList captions{"Un Elenco", "Un'Immagine", "Un Testo con collegamento",
                             "Una Citazione", "Un Testo Formattato"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(c.optAdd[i]->text(), captions[i]);
    EXPECT_TRUE(c.optAdd[i]->isVisible());
    EXPECT_FALSE(c.optAdd[i]->isChecked());
  }
  EXPECT_TRUE(visibleModes(c).empty());

  c.optAdd[4]->click();
  EXPECT_EQ(visibleModes(c), std::vector<int>{4});
  QTest::keyClicks(c.txtTesto, "Ciao");
  c.chkBold->click();
  c.optAdd[3]->click();
  EXPECT_EQ(visibleModes(c), std::vector<int>{3});
  QTest::keyClicks(c.txtCitazione, "Citazione");
  c.optAdd[0]->click();
  c.optList[1]->click();
  addItems(c, {"uno"});

  w.cmdClose[1]->click();
  EXPECT_FALSE(c.isVisible());
  w.mnuComposer->trigger();
  EXPECT_EQ(visibleModes(c), std::vector<int>{0});
  EXPECT_EQ(items(c.lstElenco), QStringList{"uno"});
  EXPECT_EQ(w.composerVars.ListType, 2);
  c.optAdd[4]->click();
  EXPECT_EQ(c.txtTesto->toPlainText(), "Ciao");
  EXPECT_TRUE(c.chkBold->isChecked() && w.composerVars.TextBold);
  EXPECT_EQ(c.txtCitazione->toPlainText(), "Citazione");
}

TEST_F(Composer, FormattedTextGoesToTheClipboardThenTheModeResetsAndConfirms) {
  auto& c = open(4);
  QTest::keyClicks(c.txtTesto, "Ciao");
  c.optSize[3]->click();
  c.optColor[2]->click();
  c.chkBold->click();
  c.chkUnderlined->click();
  EXPECT_EQ(c.txtMonitor->font().pointSize(), 18);
  EXPECT_TRUE(c.txtMonitor->font().bold() && c.txtMonitor->font().underline());
  EXPECT_FALSE(c.txtMonitor->font().italic());
  EXPECT_EQ(c.txtMonitor->palette().color(QPalette::Text), QColor(255, 0, 0));
  platform.events.clear();

  c.cmdFormattato->click();
  const QString markup = "[size=18][color=red][b][u]Ciao[/b][/u][/color][/size]";
  EXPECT_EQ(platform.events, (QStringList{"clear", "clipboard " + markup, "beep"}));
  EXPECT_EQ(platform.clipboard, markup);

  // Back at the start state, through the buttons' own handlers.
  EXPECT_EQ(vars.TextSize, 12);
  EXPECT_EQ(vars.TextColor, "Default");
  EXPECT_FALSE(vars.TextBold || vars.TextItalic || vars.TextUnderline);
  EXPECT_FALSE(c.chkBold->isChecked() || c.chkItalics->isChecked() || c.chkUnderlined->isChecked());
  EXPECT_TRUE(c.optColor[0]->isChecked());
  EXPECT_TRUE(c.optSize[2]->isChecked());
  EXPECT_FALSE(c.optSize[3]->isChecked() || c.optColor[2]->isChecked());
  const QFont f = c.txtMonitor->font();
  EXPECT_EQ(f.pointSize(), 12);
  EXPECT_FALSE(f.bold() || f.italic() || f.underline());
  EXPECT_EQ(c.txtMonitor->palette().color(QPalette::Text), QColor(0, 0, 0));
  EXPECT_EQ(c.txtMonitor->toPlainText(), "Abc\n");
  EXPECT_TRUE(c.txtTesto->toPlainText().isEmpty());
  EXPECT_FALSE(c.cmdFormattato->isEnabled());

  // The confirmation and the second beep.
  ASSERT_FALSE(c.doneWindow.isNull());
  EXPECT_TRUE(c.doneWindow->isVisible());
  EXPECT_TRUE(c.tmrDone->isActive());
  EXPECT_EQ(c.tmrDone->interval(), 1500);
  c.tmrDone_Timer();
  EXPECT_EQ(platform.events.last(), "beep");
  EXPECT_EQ(platform.beeps, 2);
  EXPECT_FALSE(c.tmrDone->isActive());
  c.doneWindow->Timer1_Timer();
  EXPECT_FALSE(c.doneWindow->isVisible());
}

TEST_F(Composer, DeliveryResetsAfterTheClipboardAndBeforeTheBeepAndConfirmation) {
  auto& c = open(4);
  bool confirmationDuringReset = true;
  EXPECT_TRUE(c.DeliverMarkup("x", [&] {
    platform.events << "reset";
    confirmationDuringReset = !c.doneWindow.isNull();
  }));
  EXPECT_EQ(platform.events.mid(platform.events.indexOf("clear")),
            (QStringList{"clear", "clipboard x", "reset", "beep"}));
  EXPECT_FALSE(confirmationDuringReset);
  EXPECT_FALSE(c.doneWindow.isNull());
}

TEST_F(Composer, ConfirmationSitsBesideTheMainWindowAndKeepsItsPlaceAndTimer) {
  auto& c = open(4);
  QWidget& w = host.window;
  const QRect g = w.frameGeometry();
  c.DeliverMarkup("a", [] {});
  QPointer<frmDone> first = c.doneWindow;
  ASSERT_FALSE(first.isNull());
  EXPECT_EQ(first->pos(), QPoint(g.x() + 50, g.y() + g.height() / 2));
  EXPECT_EQ(first->size(), QSize(137, 123));
  EXPECT_TRUE(first->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(first->Timer1->interval(), 1400);
  EXPECT_TRUE(first->Timer1->isActive());

  // A second delivery while it shows: the same window, where it was.
  w.move(w.x() + 40, w.y() + 30);
  c.DeliverMarkup("b", [] {});
  EXPECT_EQ(c.doneWindow, first);
  EXPECT_EQ(first->pos(), QPoint(g.x() + 50, g.y() + g.height() / 2));
  EXPECT_TRUE(first->Timer1->isActive());

  // Once it has gone, the next delivery shows a fresh one at the new place.
  first->Timer1_Timer();
  c.DeliverMarkup("c", [] {});
  ASSERT_FALSE(c.doneWindow.isNull());
  EXPECT_NE(c.doneWindow.data(), first.data());
  EXPECT_TRUE(c.doneWindow->isVisible());
  const QRect moved = w.frameGeometry();
  EXPECT_EQ(c.doneWindow->pos(), QPoint(moved.x() + 50, moved.y() + moved.height() / 2));
}

TEST_F(Composer, AClipboardThatRefusesTheTextIsReportedAndNothingIsLost) {
  auto& c = open(4);
  QTest::keyClicks(c.txtTesto, "Ciao");
  c.chkBold->click();
  c.optColor[14]->click();
  platform.clipboardWorks = false;
  c.cmdFormattato->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "Composer");
  EXPECT_EQ(platform.messages[0].style, vbExclamation);
  EXPECT_TRUE(platform.messages[0].text.contains("Appunti"));
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_TRUE(c.doneWindow.isNull());
  EXPECT_FALSE(c.tmrDone->isActive());
  EXPECT_EQ(c.txtTesto->toPlainText(), "Ciao");
  EXPECT_TRUE(vars.TextBold && c.chkBold->isChecked());
  EXPECT_EQ(vars.TextColor, "black");
  EXPECT_TRUE(c.cmdFormattato->isEnabled());

  // The same for a list: the items stay.
  c.optAdd[0]->click();
  c.optList[0]->click();
  addItems(c, {"uno"});
  c.cmdElenco->click();
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(items(c.lstElenco), QStringList{"uno"});
  EXPECT_TRUE(c.cmdElenco->isEnabled());
}

TEST_F(Composer, ColourAndSizeButtons) {
  auto& c = open(4);
  const QStringList names{"Colore in Uso", "Rosso Scuro", "Rosso",    "Arancione",   "Marrone",
                          "Giallo",        "Verde",       "Oliva",    "Verde Acqua", "Blu",
                          "Blu Scuro",     "Indaco",      "Violetto", "Bianco",      "Nero"};
  for (int i = 0; i < 15; ++i)
    EXPECT_EQ(c.optColor[i]->toolTip(), names[i]);
  EXPECT_EQ(c.optColor[0]->text(), "Default");
  EXPECT_TRUE(c.optColor[0]->isChecked());
  const QStringList sizes{"minuscolo", "piccolo", "normale", "largo", "enorme"};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(c.optSize[i]->text(), sizes[i]);

  c.optColor[10]->click();
  EXPECT_EQ(vars.TextColor, "darkblue");
  EXPECT_EQ(c.txtMonitor->palette().color(QPalette::Text), QColor(0, 0, 128));
  EXPECT_FALSE(c.optColor[0]->isChecked());
  c.optColor[0]->click();
  EXPECT_EQ(vars.TextColor, "Default");
  EXPECT_EQ(c.txtMonitor->palette().color(QPalette::Text), QColor(0, 0, 0));
  c.optSize[0]->click();
  EXPECT_EQ(vars.TextSize, 7);
  EXPECT_EQ(c.txtMonitor->font().pointSize(), 7);
  c.chkItalics->click();
  EXPECT_TRUE(vars.TextItalic && c.txtMonitor->font().italic());
  c.chkItalics->click();
  EXPECT_FALSE(vars.TextItalic || c.txtMonitor->font().italic());
}

TEST_F(Composer, FormattedOkNeedsTextAndKeepsLineBreaks) {
  auto& c = open(4);
  EXPECT_FALSE(c.cmdFormattato->isEnabled());
  QTest::keyClicks(c.txtTesto, " ");
  EXPECT_TRUE(c.cmdFormattato->isEnabled());
  QTest::keyClick(c.txtTesto, Qt::Key_Backspace);
  EXPECT_FALSE(c.cmdFormattato->isEnabled());
  QTest::keyClicks(c.txtTesto, "uno");
  QTest::keyClick(c.txtTesto, Qt::Key_Return);
  QTest::keyClicks(c.txtTesto, "due");
  c.cmdFormattato->click();
  EXPECT_EQ(platform.clipboard, "[size=12]uno\r\ndue[/size]");
}

// ---------------------------------------------------------------- list builder

TEST_F(Composer, ItemsAreAddedWithEnterOnly) {
  auto& c = open(0);
  EXPECT_FALSE(c.cmdElenco->isEnabled());
  QTest::keyClick(c.txtElenco, Qt::Key_Return);
  EXPECT_EQ(c.lstElenco->count(), 0);
  QTest::keyClicks(c.txtElenco, "uno");
  EXPECT_EQ(c.lstElenco->count(), 0);
  QTest::keyClick(c.txtElenco, Qt::Key_Return);
  EXPECT_EQ(items(c.lstElenco), QStringList{"uno"});
  EXPECT_TRUE(c.txtElenco->text().isEmpty());
  EXPECT_TRUE(c.cmdElenco->isEnabled());
  addItems(c, {" ", "tre"});
  EXPECT_EQ(items(c.lstElenco), (QStringList{"uno", " ", "tre"}));
}

TEST_F(Composer, PopUpMenuEnablingFollowsThePositionOfTheClickedItem) {
  auto& c = open(0);
  addItems(c, {"a", "b", "c"});
  QSignalSpy menu(&c, &ComposerPanel::listMenuRequested);
  // A real mouse click on the second item asks for the pop-up menu, once.
  const QRect r = c.lstElenco->visualItemRect(c.lstElenco->item(1));
  QTest::mouseClick(c.lstElenco->viewport(), Qt::LeftButton, {}, r.center());
  EXPECT_EQ(vars.ListItemIndex, 1);
  EXPECT_EQ(menu.count(), 1);
  EXPECT_EQ(lastMenu(menu), std::pair(true, true));

  // Moving to an item with the keyboard is a click as well.
  QTest::keyClick(c.lstElenco, Qt::Key_Up);
  EXPECT_EQ(vars.ListItemIndex, 0);
  EXPECT_EQ(menu.count(), 2);
  EXPECT_FALSE(lastMenu(menu).first);
  EXPECT_TRUE(lastMenu(menu).second);
  clickItem(c, 2);
  EXPECT_TRUE(lastMenu(menu).first);
  EXPECT_FALSE(lastMenu(menu).second);
  EXPECT_EQ(vars.ListItemIndex, 2);

  // A lone item cannot move, but the menu still comes for "Elimina Voce".
  c.lstElenco->clear();
  addItems(c, {"solo"});
  clickItem(c, 0);
  EXPECT_EQ(lastMenu(menu), std::pair(false, false));
  EXPECT_EQ(menu.count(), 4);
}

TEST_F(Composer, MovingThroughTheMenuReordersAndLeavesNothingSelected) {
  auto& c = open(0);
  addItems(c, {"1", "2", "3"});
  clickItem(c, 1);
  c.mnuUp_Click();
  EXPECT_EQ(items(c.lstElenco), (QStringList{"2", "1", "3"}));
  EXPECT_TRUE(c.lstElenco->selectedItems().isEmpty());
  EXPECT_EQ(vars.ListItemIndex, 1);
  EXPECT_EQ(c.lstMoveElenco->count(), 3);
  EXPECT_FALSE(c.lstMoveElenco->isVisible());

  // Nothing selected now: no menu action moves or deletes anything.
  c.mnuDown_Click();
  c.mnuUp_Click();
  c.mnuDelete_Click();
  EXPECT_EQ(items(c.lstElenco), (QStringList{"2", "1", "3"}));

  c.lstElenco->clear();
  addItems(c, {"1", "2", "3"});
  clickItem(c, 1);
  c.mnuDown_Click();
  EXPECT_EQ(items(c.lstElenco), (QStringList{"1", "3", "2"}));
  // The last item cannot go down: the menu comes without the move, and the
  // move itself would lose nothing.
  QSignalSpy menu(&c, &ComposerPanel::listMenuRequested);
  clickItem(c, 2);
  ASSERT_EQ(menu.count(), 1);
  EXPECT_FALSE(lastMenu(menu).second);
  c.mnuDown_Click();
  EXPECT_EQ(items(c.lstElenco), (QStringList{"1", "3", "2"}));
}

TEST_F(Composer, DeletingTheOnlyItemDisablesOk) {
  auto& c = open(0);
  addItems(c, {"a", "b"});
  clickItem(c, 0);
  c.mnuDelete_Click();
  EXPECT_EQ(items(c.lstElenco), QStringList{"b"});
  EXPECT_TRUE(c.cmdElenco->isEnabled());
  clickItem(c, 0);
  c.mnuDelete_Click();
  EXPECT_EQ(c.lstElenco->count(), 0);
  EXPECT_FALSE(c.cmdElenco->isEnabled());
}

TEST_F(Composer, ResetAsksFirstAndLeavesTheTypeAlone) {
  auto& c = open(0);
  c.optList[2]->click();
  addItems(c, {"a", "b"});
  platform.answers = {vbNo};
  c.cmdClearElenco->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Sicuri di voler cancellare l'elenco ?");
  EXPECT_EQ(platform.messages[0].title, "Composer");
  EXPECT_EQ(platform.messages[0].style, 68);
  EXPECT_EQ(c.lstElenco->count(), 2);
  EXPECT_TRUE(c.cmdElenco->isEnabled());

  platform.answers = {vbYes};
  c.cmdClearElenco->click();
  EXPECT_EQ(c.lstElenco->count(), 0);
  EXPECT_FALSE(c.cmdElenco->isEnabled());
  EXPECT_EQ(vars.ListType, 3);
  EXPECT_TRUE(c.optList[2]->isChecked());

  c.cmdClearElenco->click(); // already empty: no question
  EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(Composer, ListNeedsATypeOnceAndKeepsItAfterDelivery) {
  auto& c = open(0);
  addItems(c, {"uno", "due"});
  c.cmdElenco->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Seleziona il TIPO di Elenco voluto prima di acquisirlo");
  EXPECT_EQ(platform.messages[0].style, 48);
  EXPECT_EQ(platform.messages[0].title, "Composer");
  EXPECT_FALSE(platform.events.contains("clear"));
  EXPECT_EQ(items(c.lstElenco), (QStringList{"uno", "due"}));

  c.optList[2]->click();
  c.cmdElenco->click();
  EXPECT_EQ(platform.clipboard, "[List]\r[*]uno\r[*]due\r[/List]\r");
  EXPECT_EQ(c.lstElenco->count(), 0);
  EXPECT_FALSE(c.cmdElenco->isEnabled());
  for (auto* b : c.optList)
    EXPECT_FALSE(b->isChecked());
  EXPECT_EQ(vars.ListType, 3);
  EXPECT_EQ(platform.beeps, 1);

  c.optList[1]->click();
  addItems(c, {"x"});
  c.cmdElenco->click();
  addItems(c, {"y"});
  c.cmdElenco->click(); // no type chosen again: still lettered
  EXPECT_EQ(platform.clipboard, "[List=a]\r[*]y\r[/List]\r");
  EXPECT_EQ(platform.messages.size(), 1u);
}

// ---------------------------------------------------------------- quote and link

TEST_F(Composer, QuoteWithAndWithoutAuthor) {
  auto& c = open(3);
  EXPECT_FALSE(c.cmdCitazione->isEnabled());
  QTest::keyClicks(c.txtAutore, "anonimo");
  EXPECT_FALSE(c.cmdCitazione->isEnabled());
  QTest::keyClicks(c.txtCitazione, "Ciao");
  EXPECT_TRUE(c.cmdCitazione->isEnabled());
  c.cmdCitazione->click();
  EXPECT_EQ(platform.clipboard, "[quote=\"anonimo\"]Ciao[/quote]");
  EXPECT_TRUE(c.txtCitazione->toPlainText().isEmpty() && c.txtAutore->text().isEmpty());
  EXPECT_FALSE(c.cmdCitazione->isEnabled());

  QTest::keyClicks(c.txtCitazione, "Ciao");
  QTest::keyClicks(c.txtAutore, " ");
  c.cmdCitazione->click();
  EXPECT_EQ(platform.clipboard, "[quote=\" \"]Ciao[/quote]");
  QTest::keyClicks(c.txtCitazione, "Ciao");
  c.cmdCitazione->click();
  EXPECT_EQ(platform.clipboard, "[quote]Ciao[/quote]");
}

TEST_F(Composer, LinkOkNeedsAWebAddressAndAText) {
  auto& c = open(2);
  auto setURL = [&](const QString& s) { c.txtURL->setPlainText(s); };
  setURL("http://");
  QTest::keyClicks(c.txtURLText, "testo");
  EXPECT_FALSE(c.cmdURL->isEnabled());
  setURL("http://a");
  EXPECT_TRUE(c.cmdURL->isEnabled());
  setURL("HTTP://A");
  EXPECT_TRUE(c.cmdURL->isEnabled());
  setURL("https://a.it");
  EXPECT_FALSE(c.cmdURL->isEnabled());
  setURL(" http://a.it");
  EXPECT_FALSE(c.cmdURL->isEnabled());
  setURL("http://portale.it");
  c.txtURLText->clear();
  EXPECT_FALSE(c.cmdURL->isEnabled());
  QTest::keyClicks(c.txtURLText, "il portale");
  EXPECT_TRUE(c.cmdURL->isEnabled());
  c.cmdURL->click();
  EXPECT_EQ(platform.clipboard, "[url=http://portale.it]il portale[/url]");
  EXPECT_TRUE(c.txtURL->toPlainText().isEmpty() && c.txtURLText->toPlainText().isEmpty());
  EXPECT_FALSE(c.cmdURL->isEnabled());
}
