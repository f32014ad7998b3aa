// Simple Stacks through the real window: a planted hand played to its end by
// the word-beginning rule, Undo, the checkmark and a double-click; the
// self-checks catch a letter bin that lost a letter still on the table.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "games/Simple.h"

namespace {
using namespace drivetest;

class SimpleTest : public WordGameDriveTest {
protected:
    CSimple& Simple() { return *dynamic_cast<CSimple*>(app->CurrentGame()); }
    // Hand 1234 with three short stacks instead of its deal: "c"; "a" on a
    // face-down "t"; "x" on a face-down "o".
    void Plant()
    {
        Run("game 7 1234");
        const char* stacks[] = {"c", "ta", "ox", "", "", "", ""};
        for (int i = 0; i < CSimple::kStacks; ++i)
            Simple().Stack(i).tiles = stacks[i], Simple().Stack(i).faceDownCount = Simple().Stack(i).Length() > 1;
        Simple().LetterBin().SetText("ctaox", false, true);
        Simple().AfterMove(app->Window(), 1);
        Run("size 900 740");  // drawn again as planted
    }
    POINT Top(int i) { return Centre(Simple().Stack(i), std::max(Simple().Stack(i).Length() - 1, 0)); }
    std::string Drag(int from, int to)
    {
        return "drag " + Point(Top(from).x, Top(from).y) + " " + Point(Top(to).x, Top(to).y) + "\n";
    }
    std::string Table()
    {
        const GameState s = State();
        return s.Pile("stack0").letters + "|" + s.Pile("stack1").letters + "|" + s.Pile("stack2").letters + " " +
               s.lines.at("flags");
    }
};
}  // namespace

TEST_F(SimpleTest, APlantedHandPlayedToItsEnd)
{
    Plant();
    struct Step {
        std::string input;
        std::string table;  // stacks 0, 1 and 2, and the checkmarks
        int score;          // 5 x length x length a word
        bool changes = true;
    };
    const Step steps[] = {
        {Drag(2, 0), "c|ta|ox 0000000", 0, false},  // no word begins "cx"
        {Drag(1, 0), "ca|t|ox 0000000", 0},         // the "t" under the "a" turns up
        {"key ctrl+z", "c|ta|ox 0000000", 0},
        {Drag(1, 0), "ca|t|ox 0000000", 0},
        {Drag(1, 0), "cat||ox 1000000", 0},
        {"flag 0", "||ox 0000000", 45},
        {"key ctrl+z", "||ox 0000000", 45, false},  // a scored word can't be taken back
        {Drag(2, 0), "x||o 0000000", 45},           // an empty stack takes anything
        {Drag(0, 2), "||ox 0010000", 45},
    };
    for (const Step& step : steps) {
        const std::string before = Run("state");
        const std::string input =
            step.input == "flag 0" ? At("click", Middle(Simple().Words().Flag(0).rect)) : step.input;
        Run(input);
        EXPECT_EQ(Table(), step.table) << input;
        EXPECT_EQ(State().score, step.score) << input;
        EXPECT_EQ(Run("state") != before, step.changes) << input;
        std::string why;
        EXPECT_TRUE(Simple().CheckInvariants(why)) << input << ": " << why;
    }
    // A double-click on the "o" scores "ox" (20) and clears the last stack:
    // 45 + 20 and the speed bonus of 300 for a hand that took no time.
    const std::string out = Run("answer cancel \"Play Again\"\n" + At("dblclick", Centre(Simple().Stack(2), 0)));
    EXPECT_NE(out.find("dialog \"Game Over"), std::string::npos) << out;
    EXPECT_EQ(Stat("Simple", "LatestScore"), 45 + 20 + 300);
}

TEST_F(SimpleTest, TheSelfChecksCatchAStrayLetter)
{
    Plant();
    std::string why;
    ASSERT_TRUE(Simple().CheckInvariants(why)) << why;
    Simple().LetterBin().StrikeLetter('c');  // struck, yet still on the table
    EXPECT_FALSE(Simple().CheckInvariants(why));
    EXPECT_NE(why.find("letter bin"), std::string::npos) << why;
}
