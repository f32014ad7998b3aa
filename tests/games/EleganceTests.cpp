// Elegance through the real window: a planted hand finished by the
// word-beginning rule, with Undo on the way; the self-checks catch a
// checkmark left over a stack that no longer spells a word.
#include <gtest/gtest.h>

#include <functional>

#include "GameDriveSupport.h"
#include "games/Elegance.h"

namespace {
using namespace drivetest;

class EleganceTest : public WordGameDriveTest {
protected:
    CElegance& Elegance() { return *dynamic_cast<CElegance*>(app->CurrentGame()); }
    // Hand 1234 with its stacks planted: five words, "ca", and a "t" on a
    // face-down "d".
    void Plant()
    {
        Run("game 15 1234");
        const char* stacks[] = {"ca", "dt", "penog", "sun", "hat", "red", "big"};
        for (int i = 0; i < CElegance::kStacks; ++i)
            Elegance().Stack(i).tiles = stacks[i], Elegance().Stack(i).faceDownCount = i == 1;
        Elegance().LetterBin().SetText("cadtpenogsunhatredbig", kTextLetterBin);
        Elegance().Refresh();
        Run("size 900 740");  // drawn again as planted
    }
    // Drags the tiles of stack `from` from tile `first` on onto the top of stack `to`.
    std::string Drag(int from, int first, int to)
    {
        return DragTile(Elegance().Stack(from), first, Elegance().Stack(to), Elegance().Stack(to).Length() - 1);
    }
};
}  // namespace

TEST_F(EleganceTest, APlantedHandFinishedWithUndoOnTheWay)
{
    Plant();
    struct Step {
        std::function<std::string()> input;
        std::string stack0, stack1, flags;
        bool changes = true;
    };
    const Step steps[] = {
        {[&] { return Drag(4, 0, 0); }, "ca", "dt", "0001111", false},  // no word begins "cahat"
        {[&] { return Drag(1, 1, 0); }, "cat", "d", "1001111"},  // the "d" turns face up
        {[] { return std::string("key ctrl+z"); }, "ca", "dt", "0001111"},
        {[&] { return Drag(1, 1, 0); }, "cat", "d", "1001111"},
    };
    for (const Step& step : steps) {
        const std::string before = Run("state"), input = step.input();
        Run(input);
        const GameState s = State();
        EXPECT_EQ(s.Pile("stack0").letters + " " + s.Pile("stack1").letters + " " + s.lines.at("flags"),
                  step.stack0 + " " + step.stack1 + " " + step.flags) << input;
        EXPECT_EQ(s.text != before, step.changes) << input;
        std::string why;
        EXPECT_TRUE(Elegance().CheckInvariants(why)) << input << ": " << why;
    }
    EXPECT_EQ(State().Pile("stack1").down, 0);
    // "og" onto the "d": every tile face up and seven three-letter words,
    // 7 x 5 x 3 x 3, and the speed bonus of 300 for a hand that took no time.
    const std::string out = Run("answer cancel \"Play Again\"\n" + Drag(2, 3, 1));
    EXPECT_NE(out.find("dialog \"Game Over"), std::string::npos) << out;
    EXPECT_EQ(Stat("Elegance", "LatestScore"), 7 * 45 + 300);
    std::string why;
    EXPECT_TRUE(Elegance().CheckInvariants(why)) << why;  // every letter struck from the bin
}

TEST_F(EleganceTest, TheSelfChecksCatchAStaleCheckmark)
{
    Plant();
    std::string why;
    ASSERT_TRUE(Elegance().CheckInvariants(why)) << why;
    Elegance().Stack(3).tiles = "snx";  // the checkmark still shows "sun"
    EXPECT_FALSE(Elegance().CheckInvariants(why));
    EXPECT_NE(why.find("flag of stack 3"), std::string::npos) << why;
}
