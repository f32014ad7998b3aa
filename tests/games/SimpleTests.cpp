// Simple Stacks through the real window: a planted hand played to its end by
// the word-beginning rule, a word dropped on the letter bin, Undo, the
// checkmark and a double-click; the
// self-checks catch a letter bin that lost a letter still on the table.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "games/Simple.h"

namespace {
using namespace drivetest;

class SimpleTest : public WordGameDriveTest {
protected:
    CSimple& Simple() { return *dynamic_cast<CSimple*>(app->CurrentGame()); }
    // Hand 1234 with four short stacks instead of its deal: "c"; "a" on a
    // face-down "t"; "x" on a face-down "o"; "be" face up.
    void Plant()
    {
        Run("game 7 1234");
        const char* stacks[] = {"c", "ta", "ox", "be", "", "", ""};
        for (int i = 0; i < CSimple::kStacks; ++i)
            Simple().Stack(i).tiles = stacks[i], Simple().Stack(i).faceDownCount = Simple().Stack(i).Length() > 1;
        Simple().Stack(3).faceDownCount = 0;
        Simple().LetterBin().SetText("ctaoxbe", kTextLetterBin);
        Simple().Refresh();
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
        bool oneFlight = false;  // the tiles flew once, straight to where they went
    };
    const POINT bin = Middle(Simple().LetterBin().frameRect), be = Centre(Simple().Stack(3), 0);
    const Step steps[] = {
        // "be" dropped on the letter bin flies from there into the scored pile, not home first.
        {"drag " + Point(be.x, be.y) + " " + Point(bin.x, bin.y) + "\n", "c|ta|ox 0000000", 20, true, true},
        {Drag(2, 0), "c|ta|ox 0000000", 20, false},  // no word begins "cx"
        {Drag(1, 0), "ca|t|ox 0000000", 20},         // the "t" under the "a" turns up
        {"key ctrl+z", "c|ta|ox 0000000", 20},
        {Drag(1, 0), "ca|t|ox 0000000", 20},
        {Drag(1, 0), "cat||ox 1000000", 20},
        {"flag 0", "||ox 0000000", 65},
        {"key ctrl+z", "||ox 0000000", 65, false},  // a scored word can't be taken back
        {Drag(2, 0), "x||o 0000000", 65},           // an empty stack takes anything
        {Drag(0, 2), "||ox 0010000", 65},
    };
    // A flight is ten steps and the landing, 10 ms apart, or a single step
    // when the player's next input is already waiting.
    const auto isOneFlight = [](long long ms) { return ms == 11 * 10 || ms == 10; };
    for (const Step& step : steps) {
        const std::string before = Run("state");
        const std::string input =
            step.input == "flag 0" ? At("click", Middle(Simple().Words().Flag(0).rect)) : step.input;
        const long long start = app->Window()->AnimationTime();
        Run(input);
        if (step.oneFlight) {
            EXPECT_TRUE(isOneFlight(app->Window()->AnimationTime() - start)) << input;
        }
        EXPECT_EQ(Table(), step.table) << input;
        EXPECT_EQ(State().score, step.score) << input;
        EXPECT_EQ(Run("state") != before, step.changes) << input;
        std::string why;
        EXPECT_TRUE(Simple().CheckInvariants(why)) << input << ": " << why;
    }
    // A double-click on the "o" scores "ox" (20) and clears the last stack:
    // 20 + 45 + 20 and the speed bonus of 300 for a hand that took no time.
    const std::string out = Run("answer cancel \"Play Again\"\n" + At("dblclick", Centre(Simple().Stack(2), 0)));
    EXPECT_NE(out.find("dialog \"Game Over"), std::string::npos) << out;
    EXPECT_EQ(Stat("Simple", "LatestScore"), 20 + 45 + 20 + 300);
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
