// Klondike through the real window: drags by the word rule and Undo on a dealt
// hand, the rest of it planted in order and played out; a vanished tile caught.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include "GameDriveSupport.h"
#include "dictionary/Dictionary.h"

using namespace drivetest;

namespace {
class Klondike : public WordGameDriveTest {
protected:
    // Klondike lists the drag pile, its seven columns, the stock and the waste.
    CTilePile& Pile(int listed)
    {
        std::vector<const CTilePile*> piles;
        app->CurrentGame()->ListPiles(piles);
        return const_cast<CTilePile&>(*piles.at(static_cast<size_t>(listed)));
    }
    CTilePile& Column(int i) { return Pile(1 + i); }
    // Drags the top tiles of column `from` onto the top tile of column `to`.
    std::string Drag(int from, int count, int to)
    {
        return DragTile(Column(from), Column(from).Length() - count, Column(to), std::max(Column(to).Length() - 1, 0));
    }
    std::string Top(int listed) { return At("dblclick", Centre(Pile(listed), Pile(listed).Length() - 1)); }
    bool Spells(int on, int from)
    {
        return app->Dictionary().IsWord((Column(on).FaceUpLetters().str() + Column(from).tiles.str()).c_str()) != 0;
    }
};
}  // namespace

TEST_F(Klondike, DragsByTheWordRuleUndoAndAHandPlayedToItsEnd)
{
    // A hand whose one-tile column 0 spells a word on column `onto` only.
    int onto = -1;
    FirstHand([&](unsigned hand) {
        Run("game 2 " + std::to_string(hand));
        onto = -1;
        for (int i = 2; i < 7 && onto < 0; ++i)
            onto = Spells(i, 0) ? i : -1;
        return onto > 0 && !Spells(1, 0);
    });
    const std::string dealt = Run("state");
    const std::pair<std::function<std::string()>, bool> opening[] = {  // the input, and whether it changes the game
        {[&] { return Drag(0, 1, 1); }, false},  // onto column 1 it spells no word: it flies back
        {[&] { return Drag(0, 1, onto); }, true},
        {[&] { return Drag(onto, 2, 0); }, true},  // any run goes onto an empty column; a tile turns up
        {[] { return std::string("key ctrl+z"); }, true},  // and Undo turns it face down again
        // A click on the stock or a right click anywhere turns a tile.
        {[&] { return At("click", Centre(Pile(8), 0)) + At("click", Centre(Column(3), 0), " right"); }, true},
    };
    for (const auto& [step, changes] : opening) {
        const std::string before = Run("state"), input = step();
        Run(input);
        EXPECT_EQ(Run("state") != before, changes) << input << before;
    }
    EXPECT_EQ(State().Pile("pile" + std::to_string(onto)).down, onto) << "the uncovered tile hidden again by the undo";
    Run("key ctrl+z\nkey ctrl+z");
    EXPECT_EQ(State().Pile("stock"), ParseState(dealt).Pile("stock")) << "the turns undone";

    // The rest: the 52 letters in the order the four words want them, the
    // first on column 0, the second on the waste, the others in the stock.
    std::string order;
    std::istringstream words(State().lines.at("foundation"));
    for (std::string word; words >> word;)
        order += word.substr(0, 13);
    for (int i = 0; i < 7; ++i)
        Column(i).tiles = "", Column(i).faceDownCount = 0;
    Column(0).tiles = order.substr(0, 1).c_str();
    Pile(9).tiles = order.substr(1, 1).c_str();
    Pile(8).tiles = std::string(order.rbegin(), order.rend() - 2).c_str();
    // Scoring column 0 by a double-click must not let its button-up play the
    // waste onto the column it emptied.
    Run(Top(1));
    EXPECT_EQ(State().Pile("pile0").letters, "");
    for (int n = 2; n < 52; ++n)
        Run(Top(9) + At("click", Centre(Pile(8), 0)));
    // 52 tiles at 10 each, and the speed bonus of 300 for a hand that took no time.
    const std::string out = Run("answer cancel \"Play Again\"\n" + Top(9));
    EXPECT_NE(out.find("dialog \"Game Over"), std::string::npos) << out;
    EXPECT_EQ(Stat("Klondike", "LatestScore"), 520 + 300);
}

TEST_F(Klondike, TheTileAccountCatchesAVanishedTile)
{
    Run("game 2 1234");
    std::string why;
    ASSERT_TRUE(app->CurrentGame()->CheckInvariants(why)) << why;
    Column(6).tiles.DropLast(1);
    EXPECT_FALSE(app->CurrentGame()->CheckInvariants(why));
    EXPECT_FALSE(why.empty());
}
