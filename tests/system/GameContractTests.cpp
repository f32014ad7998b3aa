// What every game the factory makes must do, dealt through the real window:
// a hand number fixes the deal, the self-checks hold, every window size lays
// it out with all its tiles on screen, Undo takes back the first move,
// Redo gives it back, Replay Hand deals the same hand again, Options never shows a clock the game
// hides, and a hand in which nothing was scored ends without a bonus. A new game is covered by its descriptor.
#include <gtest/gtest.h>

#include <vector>

#include "GameDriveSupport.h"
#include "app/Commands.h"
#include "app/Settings.h"
#include "app/GameFactory.h"
#include "framework/BackBuffer.h"
#include "framework/TitleGame.h"
#include "framework/WordListPanel.h"
#include "lists/QuoteList.h"

namespace {
using namespace drivetest;

// Every game id with a descriptor, and 0 for the title screen.
std::vector<int> GameIds()
{
    std::vector<int> ids{0};
    for (const GameDescriptor* row : GameDescriptors())
        ids.push_back(row->gameId);
    return ids;
}

class GameContract : public DriveTest, public ::testing::WithParamInterface<int> {
protected:
    std::string Deal(unsigned hand) { return Run("game " + std::to_string(GetParam()) + " " + std::to_string(hand) + "\nstate"); }
    CGame& Game() { return *app->CurrentGame(); }
    std::vector<const CTilePile*> Piles()
    {
        std::vector<const CTilePile*> piles;
        Game().ListPiles(piles);
        return piles;
    }
    void ExpectInvariants(const std::string& when)
    {
        std::string why;
        EXPECT_TRUE(Game().CheckInvariants(why)) << when << ": " << why;
    }
};
}  // namespace

TEST_P(GameContract, AHandNumberFixesTheDeal)
{
    const std::string dealt = Deal(1234);
    ExpectInvariants("as dealt");
    // The quotation game deals the next quotation every hand: the same hand
    // number deals the same letters from the same quotation.
    if (FindGameDescriptor(GetParam()) && FindGameDescriptor(GetParam())->needs == GameNeeds::Quotations)
        app->Quotations().RewindOne();
    EXPECT_EQ(Deal(1234), dealt);
    int tiles = 0;
    for (const CTilePile* pile : Piles())
        tiles += pile->Length();
    // Only a game that deals letters can tell two hands apart: not the title
    // screen, which also stands in for games not built yet.
    if (!dynamic_cast<CTitleGame*>(&Game()) && tiles > 0) {
        EXPECT_NE(Deal(4321), dealt);
    }
}

TEST_P(GameContract, EveryWindowSizeShowsTheWholeDeal)
{
    Deal(1234);
    const std::string shot = testsupport::ScratchPath("contract.png");
    for (const auto& [w, h] : {std::pair{256, 256}, {640, 480}, {3000, 900}}) {
        const std::string size = std::to_string(w) + "x" + std::to_string(h);
        Run("size " + Point(w, h) + "\nscreenshot " + shot + " client");
        ExpectInvariants(size);
        for (const CTilePile* pile : Piles()) {
            if (pile->IsEmpty())
                continue;
            const RECT r = pile->Rect(Game().TileSet());
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h)
                << size << ": a pile at " << r.left << "," << r.top << "-" << r.right << "," << r.bottom;
        }
    }
}

TEST_P(GameContract, UndoTakesBackTheFirstMoveAndReplayDealsTheHandAgain)
{
    const std::string dealt = Deal(1234);
    // The first click on a top tile that changes the game is its first move.
    std::string moved = dealt;
    for (const CTilePile* pile : Piles()) {
        if (pile->IsEmpty())
            continue;
        moved = Run(At("click", Centre(*pile, pile->Length() - 1)) + "state");
        if (moved != dealt)
            break;
    }
    ExpectInvariants("after the first move");
    if (moved != dealt && Game().CanUndo()) {
        EXPECT_EQ(Run("key ctrl+z\nstate"), dealt);
        // Redo gives the move back, by either key, and a new move forgets it.
        EXPECT_EQ(Run("key ctrl+y\nstate"), moved);
        EXPECT_EQ(Run("key ctrl+z\nkey ctrl+shift+z\nstate"), moved);
        EXPECT_FALSE(Game().CanRedo());
    }
    const std::string asked = Run("answer yes\ncommand " + std::to_string(IDM_REPLAY));
    EXPECT_NE(asked.find("dialog \"Replay Hand\""), std::string::npos) << asked;
    EXPECT_EQ(Run("state"), dealt);
    ExpectInvariants("replayed");
}

// At the sizes players use, with tiles fitted and not: every part inside the
// window and none over another, as dealt and after the first moves.
TEST_P(GameContract, EveryPartLiesInsideTheWindowAndClearOfTheOthers)
{
    for (const int fit : {0, 1})
        for (const auto& [w, h] : {std::pair{640, 480}, {1000, 700}, {1920, 1080}}) {
            const std::string size = std::to_string(w) + "x" + std::to_string(h) + (fit ? " fitted" : "");
            Run("set fittiles " + std::to_string(fit) + "\nsize " + Point(w, h));
            Deal(1234);
            std::string why;
            EXPECT_TRUE(Game().CheckLayout(why)) << size << ": " << why;
        }
}

TEST_P(GameContract, AHiddenClockStaysHiddenAndAnIdleHandEarnsNoBonus)
{
    testsupport::SettingsGuard settings;
    g_Settings.Timer = 1;
    Deal(1234);
    const int shown = Game().ScorePanel().showTime;
    Game().ApplySettings();  // Options closed with OK
    EXPECT_EQ(Game().ScorePanel().showTime, shown) << "the time line after Options";
    const int score = Game().GetScore();
    Game().HandOver();
    EXPECT_EQ(Game().GetScore(), score) << "a hand in which no word was scored ended with a bonus";
}

// A pile that may grow long (a word being spelled, a stack, a row) tightens
// its fan: fifteen tiles in it stay inside the window and clear of the rest.
TEST_P(GameContract, ALongWordTightensItsFanInsideTheWindow)
{
    for (const int fit : {0, 1})
        for (const auto& [w, h] : {std::pair{640, 480}, {1000, 700}, {1920, 1080}}) {
            const std::string size = std::to_string(w) + "x" + std::to_string(h) + (fit ? " fitted" : "");
            Run("set fittiles " + std::to_string(fit) + "\nsize " + Point(w, h));
            Deal(1234);
            std::vector<const CTilePile*> piles;
            Game().ListPiles(piles);
            for (const CTilePile* pile : piles) {
                if (pile->maxSpan <= 0 || pile->IsHidden())
                    continue;
                auto& grown = const_cast<CTilePile&>(*pile);
                const CStr before = grown.tiles;
                grown.AppendText(std::string(15 - std::min(15, grown.Length()), 'e').c_str());
                std::string why;
                EXPECT_TRUE(Game().CheckLayout(why)) << size << ": " << why;
                grown.tiles = before;
            }
        }
}

// Text stays readable at every size: the read-outs, the letter bins and a
// list of found words holding thirty words, which flows into columns and
// shows them all (in the smallest window, at least the newest twenty).
TEST_P(GameContract, EveryTextStaysReadableAndAListShowsThirtyWords)
{
    static const char* const kWords[] = {"ant", "bee", "cattle", "dingo", "eland", "ferret", "gibbon", "hyena",
                                         "ibex", "jackal"};
    for (const int fit : {0, 1})
        for (const auto& [w, h] : {std::pair{640, 480}, {1000, 700}, {1920, 1080}}) {
            const std::string size = std::to_string(w) + "x" + std::to_string(h) + (fit ? " fitted" : "");
            Run("set fittiles " + std::to_string(fit) + "\nsize " + Point(w, h));
            Deal(1234);
            for (CWordListPanel* list : Game().WordLists())
                for (int i = 0; i < 30; ++i)
                    list->AddWord((kWords[i % 10] + std::string(i / 10, 's')).c_str());
            Game().BackBuffer().ForgetSmallestText();
            Game().Paint(nullptr);
            const int smallest = Game().BackBuffer().SmallestTextDrawn();
            EXPECT_TRUE(smallest == 0 || smallest >= kReadableTextPixels) << size << ": text of " << smallest << " px";
            for (const CWordListPanel* list : Game().WordLists())
                if (list->visible && !list->rect.IsEmpty()) {
                    EXPECT_GE(list->ShownWords(), w < 1000 ? 20 : 30) << size << ": " << list->ShownWords() << " words in "
                                                      << list->Columns() << " columns";
                }
        }
}

INSTANTIATE_TEST_SUITE_P(Games, GameContract, ::testing::ValuesIn(GameIds()),
                         [](const ::testing::TestParamInfo<int>& info) { return "Game" + std::to_string(info.param); });
