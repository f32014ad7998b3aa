// The catalogue, the game chooser and the "How to play" dialog, driven through
// the real dialogs.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "TestSupport.h"
#include "app/Catalogue.h"
#include "app/GameFactory.h"
#include "app/ChooserDialog.h"
#include "app/DialogSupport.h"
#include "app/RulesDialog.h"
#include "app/Settings.h"

using namespace testsupport;

namespace {
struct ChooserView {
    QStringList names, selected;
    QString description;
    bool hasPicture = false;
};

ChooserView Read(QWidget* dialog)
{
    ChooserView v;
    auto* list = Child<QListWidget>(dialog, "gameList");
    for (int i = 0; i < list->count(); ++i)
        v.names << list->item(i)->text();
    for (QListWidgetItem* item : list->selectedItems())
        v.selected << item->text();
    v.description = Child<QPlainTextEdit>(dialog, "description")->toPlainText();
    v.hasPicture = !Child<QLabel>(dialog, "preview")->pixmap().isNull();
    return v;
}

class Chooser : public ::testing::Test {
protected:
    void SetUp() override { g_Settings = CSettings{}; }
    void TearDown() override { ExpectEveryDialogOpened(); }
    TestWindow window;
    unsigned nameId = 777;
};
}  // namespace

TEST(Catalogue, NextInstructionWalksAndWraps)
{
    const InstructionLine lines[] = {{227, 2}, {228, 4}, {226, 3}};
    int s = -1;
    EXPECT_EQ(NextInstruction(lines, 0, s), 227u);
    EXPECT_EQ(s, 2);
    EXPECT_EQ(NextInstruction(lines, 227, s), 228u);
    EXPECT_EQ(s, 4);
    EXPECT_EQ(NextInstruction(lines, 226, s), 227u);  // after the last: the first
    EXPECT_EQ(NextInstruction(lines, 999, s), 227u);  // unknown: the first
    EXPECT_EQ(NextInstruction(std::span<const InstructionLine>(), 227, s), 0u);
    EXPECT_EQ(s, 0);
    // A repeated id continues after its last occurrence.
    const InstructionLine twice[] = {{226, 2}, {300, 4}, {226, 3}};
    EXPECT_EQ(NextInstruction(twice, 226, s), 226u);
    EXPECT_EQ(s, 2);
}

// Opened on a game of the list, that game is selected and described; on one
// without a row nothing is, and the panels show the hint. Play keeps it.
TEST_F(Chooser, OpensOnTheCurrentGameAndPlaysIt)
{
    const struct {
        int game;
        QStringList selected;
        unsigned description;
        bool picture;
        unsigned nameAfter;
    } cases[] = {
        {10, {"Gobble"}, 185, true, 172},
        {29, {}, 163, false, 777},
    };
    for (const auto& c : cases) {
        g_Settings.CurrentGame = c.game;
        nameId = 777;
        ChooserView view;
        WhenModal([&](QWidget* d) {
            view = Read(d);
            Click(d, "play");
        });
        EXPECT_EQ(RunChooserDialog(&window, nameId), kChooserPlay);
        EXPECT_EQ(view.names.size(), static_cast<int>(OfferedGames().size()));
        EXPECT_EQ(view.selected, c.selected);
        EXPECT_EQ(view.description, DialogText(c.description));
        EXPECT_EQ(view.hasPicture, c.picture);
        EXPECT_EQ(g_Settings.CurrentGame, c.game);
        EXPECT_EQ(nameId, c.nameAfter);
    }
}

// (Double-clicking a game is tested with the shell, which deals it at once.)
TEST_F(Chooser, SelectingUpdatesThePanelsAndPlayTakesTheSelection)
{
    g_Settings.CurrentGame = 10;
    ChooserView afterSelect;
    WhenModal([&](QWidget* d) {
        auto* list = Child<QListWidget>(d, "gameList");
        list->setCurrentItem(list->findItems("Klondike", Qt::MatchExactly).front());
        afterSelect = Read(d);
        Click(d, "play");
    });
    EXPECT_EQ(RunChooserDialog(&window, nameId), kChooserPlay);
    EXPECT_EQ(afterSelect.selected, QStringList{"Klondike"});
    EXPECT_EQ(afterSelect.description, DialogText(155));
    EXPECT_EQ(g_Settings.CurrentGame, 2);
    EXPECT_EQ(nameId, 146u);
}

// Ctrl+click on the picked game leaves it picked: Play never starts a game
// the player did not pick.
TEST_F(Chooser, TheListNeverLosesItsSelection)
{
    g_Settings.CurrentGame = 10;
    ChooserView afterCtrlClick;
    WhenModal([&](QWidget* d) {
        auto* list = Child<QListWidget>(d, "gameList");
        QListWidgetItem* gobble = list->findItems("Gobble", Qt::MatchExactly).front();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, list->visualItemRect(gobble).center());
        afterCtrlClick = Read(d);
        Click(d, "play");
    });
    EXPECT_EQ(RunChooserDialog(&window, nameId), kChooserPlay);
    EXPECT_EQ(afterCtrlClick.selected, QStringList{"Gobble"});
    EXPECT_EQ(afterCtrlClick.description, DialogText(185));
    EXPECT_EQ(g_Settings.CurrentGame, 10);
    EXPECT_EQ(nameId, 172u);
}

TEST_F(Chooser, QuitAndEscapeChangeNothing)
{
    g_Settings.CurrentGame = 10;
    for (const bool escape : {false, true}) {
        WhenModal([&](QWidget* d) {
            Child<QListWidget>(d, "gameList")->setCurrentRow(0);
            escape ? QTest::keyClick(d, Qt::Key_Escape) : Click(d, "quit");
        });
        EXPECT_EQ(RunChooserDialog(&window, nameId), kChooserQuit) << escape;
    }
    EXPECT_EQ(g_Settings.CurrentGame, 10);
    EXPECT_EQ(nameId, 777u);
}

// ---- How to play

namespace {
// Opens "How to play" for Golf, its line timer running, and ends it with `finish`.
int RunRules(const std::function<void(QWidget*)>& finish)
{
    WhenModal([&](QWidget* d) {
        EXPECT_TRUE(Child<QTimer>(d, "timer704")->isActive());
        finish(d);
    });
    TestWindow window;
    const int result = RunRulesDialog(&window, [](unsigned current, int& s) {
        return NextInstruction(InstructionLines(5), current, s);
    });
    ExpectEveryDialogOpened();
    return result;
}
}  // namespace

TEST(HowToPlay, CheckBoxCountsOnlyOnPlay)
{
    auto toggleThen = [](const char* how) {
        return [how](QWidget* d) {
            auto* box = Child<QAbstractButton>(d, "showEveryTime");
            box->click();
            if (std::string(how) == "play")
                Click(d, "play");
            else
                QTest::keyClick(d, Qt::Key_Escape);
        };
    };
    g_Settings.ShowRulesDlg = 1;
    EXPECT_EQ(RunRules(toggleThen("escape")), kRulesClosed);
    EXPECT_EQ(g_Settings.ShowRulesDlg, 1);
    EXPECT_EQ(RunRules(toggleThen("play")), kRulesPlay);
    EXPECT_EQ(g_Settings.ShowRulesDlg, 0);
    bool checkedAtStart = true;
    RunRules([&](QWidget* d) {
        checkedAtStart = Child<QAbstractButton>(d, "showEveryTime")->isChecked();
        Click(d, "play");
    });
    EXPECT_FALSE(checkedAtStart);
    EXPECT_EQ(RunRules(toggleThen("play")), kRulesPlay);
    EXPECT_EQ(g_Settings.ShowRulesDlg, 1);
}
