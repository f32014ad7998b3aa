// Dead Lines through the real window, fall step by fall step: a planted well
// in which one letter completes a dead line, then the hand played to its
// end; and the self-checks catching a doubled tile and a stray point.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "framework/Registry.h"
#include "games/WordDrop.h"

namespace {
using namespace drivetest;

class WordDropTest : public WordGameDriveTest {
protected:
    CWordDrop& Game() { return *dynamic_cast<CWordDrop*>(app->CurrentGame()); }
    // Hand 1234 with "ca.dogs" in the bottom row ("dogs" already lit), a
    // stack of z up column 0 and a known queue, "j" next.
    void Plant()
    {
        DeleteRegKey(HKEY_CURRENT_USER, (std::string(kMainKey) + "\\WordDrop").c_str());
        Run("game 34 1234");
        CFallingWell& well = Game().Well();
        for (int c = 0; c < 7; ++c)
            if (c != 2) {
                well.Cell(9, c).tiles = std::string(1, "ca.dogs"[c]).c_str();
                if (c > 2)
                    well.Cell(9, c).displayFlags |= kPileNegative;
            }
        for (int r = 1; r < 9; ++r)
            well.Cell(r, 0).tiles = "z";
        Game().Queue().tiles = "qqqqqqqtj";
    }
    std::string Row(int r) { return ParseState(Run("state")).Pile("well" + std::to_string(r)).letters; }
};
}  // namespace

TEST_F(WordDropTest, ALetterCompletesADeadLineAndTheHandPlaysToItsEnd)
{
    struct Step {
        const char* input;
        const char* falling;  // the letter in the air
        int column;
        const char* bottomRow;
        int score;
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"timer 706", "j", 4, "ca.dogs", 0},  // the first step brings the first letter in, a third of a row down
        {"key space", "t", 4, "ca.dogs", 0},  // swapped: "t" falls, "j" comes after the next one
        {"key left", "t", 3, "ca.dogs", 0}, {"key left", "t", 2, "ca.dogs", 0}, {"key left", "t", 1, "ca.dogs", 0},
        {"key left", "t", 1, "ca.dogs", 0, true},  // column 0's stack reaches above the letter
        {"key right", "t", 2, "ca.dogs", 0},
        {"key down", "", 2, "catdogs", 1},  // a point for the landing; "cat" lights, the line is whole
        {"key left", "", 2, "catdogs", 1, true},  // no letter falls while the line waits
        // The next step kills the line, 7 x 9 = 63, the z stack moves down,
        // and "q" enters where "t" landed.
        {"timer 706", "q", 2, "z......", 64},
        {"key left", "q", 1, "z......", 64}, {"key left", "q", 0, "z......", 64},  // just above the stack
        {"key down", "j", 0, "z......", 65},  // lands on top of the z's: no word; "j" enters column 0
    };
    Plant();
    for (const Step& step : steps) {
        PlayStep(step.input, step.refused, step.input);
        EXPECT_EQ(Game().Falling().tiles.str(), step.falling) << step.input;
        EXPECT_EQ(Game().Column(), step.column) << step.input;
        EXPECT_EQ(Row(9), step.bottomRow) << step.input;
        EXPECT_EQ(Game().GetScore(), step.score) << step.input;
    }
    EXPECT_EQ(Row(1), "q......");
    // "j" lands in row 0 at the next step: the column it would enter next is
    // full, so the hand ends there: 66 points, no bonus.
    const std::string out = Run("answer ok \"Play Again\"\ntimer 706");
    EXPECT_NE(out.find("dialog \"Game Over - Dead Lines\""), std::string::npos) << out;
    EXPECT_EQ(Stat("WordDrop", "LatestScore"), 66);
}

TEST_F(WordDropTest, SelfChecksCatchADoubledTileAndAStrayPoint)
{
    Plant();
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().Well().Cell(9, 0).tiles = "cz";
    Game().Well().Cell(8, 0).tiles = "";
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("holds 2 tiles"), std::string::npos) << why;
    Game().Well().Cell(9, 0).tiles = "c";
    Game().Well().Cell(8, 0).tiles = "z";
    Game().Hand().score = 5;
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("the score is 5"), std::string::npos) << why;
}
