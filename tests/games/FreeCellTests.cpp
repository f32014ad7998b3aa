// Free Cell through the real window: a tile refused by a stack and taken by a
// free cell, Undo, and the four words spelled out to the end of the hand; the
// tile account catches a doubled tile.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "GameDriveSupport.h"
#include "dictionary/Dictionary.h"

using namespace drivetest;

namespace {
class FreeCell : public WordGameDriveTest {
protected:
    CTilePile& Pile(const std::string& name)
    {
        return const_cast<CTilePile&>(*app->CurrentGame()->FindPile(name));
    }
    POINT Top(const std::string& name) { return Centre(Pile(name), std::max(Pile(name).Length() - 1, 0)); }
    std::string Drag(const std::string& from, const std::string& to)
    {
        return "drag " + Point(Top(from).x, Top(from).y) + " " + Point(Top(to).x, Top(to).y);
    }
    // Whether some ending of the stack's letters followed by `letter` is a word.
    bool Takes(const std::string& stack, char letter)
    {
        const std::string text = Pile(stack).tiles.str() + letter;
        for (size_t i = 0; i < text.size(); ++i)
            if (app->Dictionary().IsWord(text.substr(i).c_str()))
                return true;
        return false;
    }
};
}  // namespace

TEST_F(FreeCell, OneTileAtATimeUndoAndFourWordsSpelled)
{
    FirstHand([&](unsigned hand) {
        Run("game 8 " + std::to_string(hand));
        return !Takes("stack1", Pile("stack0").Top());
    });
    const std::string dealt = Run("state");
    struct Step {
        std::function<std::string()> input;
        std::string cell0, cell1;  // what the free cells hold afterwards
        bool changes;
    };
    const char top = Pile("stack0").Top(), next = Pile("stack0").tiles[Pile("stack0").Length() - 2];
    const Step steps[] = {
        {[&] { return Drag("stack0", "stack1"); }, "", "", false},  // no ending of stack 1 spells a word with it
        {[&] { return At("click", Top("stack0"), " right"); }, std::string(1, top), "", true},
        {[] { return std::string("key ctrl+z"); }, "", "", true},
        {[&] { return Drag("stack0", "cell1"); }, "", std::string(1, top), true},
        {[&] { return Drag("stack0", "cell1"); }, "", std::string(1, top), false},  // one tile a cell
        {[&] { return At("click", Top("stack0"), " right"); }, std::string(1, next), std::string(1, top), true},
    };
    for (const Step& step : steps) {
        const std::string before = Run("state"), input = step.input();
        Run(input);
        const GameState s = State();
        EXPECT_EQ(s.text != before, step.changes) << input << before;
        EXPECT_EQ(s.Pile("cell0").letters + "|" + s.Pile("cell1").letters, step.cell0 + "|" + step.cell1) << input;
        std::string why;
        EXPECT_TRUE(app->CurrentGame()->CheckInvariants(why)) << input << ": " << why;
    }
    Run("key ctrl+z\nkey ctrl+z\nkey ctrl+z");
    EXPECT_EQ(Run("state"), dealt) << "three moves undone";

    // The rest: the 52 letters on stack 0 in the order the words want them.
    std::string order;
    std::istringstream words(State().lines.at("foundation"));
    for (std::string word; words >> word;)
        order += word.substr(0, 13);
    for (int i = 0; i < 8; ++i)
        Pile("stack" + std::to_string(i)).tiles = "", Pile("stack" + std::to_string(i)).faceDownCount = 0;
    Pile("stack0").tiles = std::string(order.rbegin(), order.rend()).c_str();
    for (int n = 1; n < 52; ++n)
        Run(At("dblclick", Top("stack0")));
    EXPECT_EQ(State().score, 510);
    // 52 tiles at 10 each, and the speed bonus of 300 for a hand that took no time.
    const std::string out = Run("answer cancel \"Play Again\"\n" + At("dblclick", Top("stack0")));
    EXPECT_NE(out.find("dialog \"Game Over"), std::string::npos) << out;
    EXPECT_EQ(Stat("FreeCell", "LatestScore"), 520 + 300);
}

TEST_F(FreeCell, TheTileAccountCatchesADoubledTile)
{
    Run("game 8 1234");
    std::string why;
    ASSERT_TRUE(app->CurrentGame()->CheckInvariants(why)) << why;
    Pile("cell2").Push(Pile("stack3").Top());
    EXPECT_FALSE(app->CurrentGame()->CheckInvariants(why));
    EXPECT_NE(why.find("appeared"), std::string::npos) << why;
}
