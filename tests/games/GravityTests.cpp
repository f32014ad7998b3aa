// Anti-Gravity through the real window, a clock tick at a time: a planted
// hand in which a word falls away, a bomb wipes out a stack, a letter is
// traded and the hand ends with its speed bonus; then planted faults caught.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "framework/Registry.h"
#include "games/Gravity.h"

namespace {
using namespace drivetest;

class GravityTest : public WordGameDriveTest {
protected:
    CGravity& Game() { return *dynamic_cast<CGravity*>(app->CurrentGame()); }
    // Hand 1234 with nine q under column 0, eight under column 1, "qq" under
    // 2 and "ca" under 3; "t", a bomb, "j" and "k" to come.
    void Plant()
    {
        DeleteRegKey(HKEY_CURRENT_USER, (std::string(kMainKey) + "\\Gravity").c_str());
        Run("game 23 1234");
        const char* stacks[] = {"qqqqqqqqq", "qqqqqqqq", "qq", "ca", ""};
        for (int i = 0; i < CGravity::kColumns; ++i)
            Game().Stack(i).tiles = stacks[i];
        Game().Queue().tiles = "qqqqqkjZt";
    }
    std::string Stacks()
    {
        std::string text;
        for (int i = 0; i < CGravity::kColumns; ++i)
            text += Game().Stack(i).tiles.str() + (i + 1 < CGravity::kColumns ? "|" : "");
        return text;
    }
};
}  // namespace

TEST_F(GravityTest, AWordFallsABombWipesAStackAndTheHandEnds)
{
    struct Step {
        const char* input;
        const char* rising;  // the letter in the air
        int column;
        const char* stacks;
        int score;
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"timer 702", "t", 4, "qqqqqqqqq|qqqqqqqq|qq|ca|", 0},  // the first tick launches "t" and lifts it a third
        {"key left", "t", 3, "qqqqqqqqq|qqqqqqqq|qq|ca|", 0},
        // It sticks under "ca": "cat" falls away, 5 for the letter and
        // 5 x 3 x 3 for the word; the bomb rises next.
        {"key up", "Z", 3, "qqqqqqqqq|qqqqqqqq|qq||", 50},
        {"key left", "Z", 2, "qqqqqqqqq|qqqqqqqq|qq||", 50},
        {"key up", "j", 2, "qqqqqqqqq|qqqqqqqq|||", 55},  // the bomb takes its stack with it: 5 points only
        {"key space", "k", 2, "qqqqqqqqq|qqqqqqqq|||", 55},  // traded: "k" rises, "j" comes after the next
        {"key left", "k", 1, "qqqqqqqqq|qqqqqqqq|||", 55},
        {"key left", "k", 1, "qqqqqqqqq|qqqqqqqq|||", 55, true},  // column 0 already reaches below the letter
    };
    Plant();
    for (const Step& step : steps) {
        PlayStep(step.input, step.refused, step.input);
        EXPECT_EQ(Game().Rising().tiles.str(), step.rising) << step.input;
        EXPECT_EQ(Game().Column(), step.column) << step.input;
        EXPECT_EQ(Stacks(), step.stacks) << step.input;
        EXPECT_EQ(Game().GetScore(), step.score) << step.input;
    }
    EXPECT_EQ(Game().Target(3).Top(), 'C');  // a word cleared: column 3 now wants three letters
    EXPECT_EQ(Game().Target(2).Top(), 'B');  // a bomb changes nothing
    // The next tick sticks "k" under column 1, now nine tiles long: the next
    // launch ends the hand, lost, at 55 + 5 and with no speed bonus.
    const std::string out = Run("answer ok \"Play Again\"\ntimer 702");
    EXPECT_NE(out.find("dialog \"Game Over - Anti-Gravity\""), std::string::npos) << out;
    EXPECT_EQ(Stat("Gravity", "LatestScore"), 60);
}

TEST_F(GravityTest, SelfChecksCatchALostLetterAndAStrayPoint)
{
    Plant();
    Run("timer 702");
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().Rising().tiles = "";
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("the letters in the air"), std::string::npos) << why;
    Game().Rising().tiles = "t";
    Game().Hand().score = 5;
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("the score is 5"), std::string::npos) << why;
}
