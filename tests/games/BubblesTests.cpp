// Bubbles through the real window, fall step by fall step: a two-letter word
// vanishes, a bomb in the bottom row clears two rows and the tiles above drop
// by two, and the hand played to its end; then a planted fault caught.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "framework/Registry.h"
#include "games/Bubbles.h"

namespace {
using namespace drivetest;

class BubblesTest : public WordGameDriveTest {
protected:
    CBubbles& Game() { return *dynamic_cast<CBubbles*>(app->CurrentGame()); }
    // Hand 1234 with four x up column 0, an "a" at the foot of column 1,
    // eight x up column 3 and "t", a bomb, then "q"s to come.
    void Plant()
    {
        DeleteRegKey(HKEY_CURRENT_USER, (std::string(kMainKey) + "\\Bubbles").c_str());
        Run("game 35 1234");
        CFallingWell& well = Game().Well();
        for (int r = 6; r < 10; ++r)
            well.Cell(r, 0).tiles = "x";
        well.Cell(9, 1).tiles = "a";
        for (int r = 2; r < 10; ++r)
            well.Cell(r, 3).tiles = "x";
        Game().Queue().tiles = "qqqqqqqZt";
    }
    std::string Column(int c)
    {
        std::string letters;
        for (int r = 0; r < 10; ++r)
            letters += Game().Well().IsOccupied(r, c) ? Game().Well().Cell(r, c).Top() : '.';
        return letters;
    }
};
}  // namespace

TEST_F(BubblesTest, WordsVanishBombsBlastAndTheHandPlaysToItsEnd)
{
    struct Step {
        const char* input;
        const char* falling;  // the letter in the air
        const char* column0;  // top to bottom
        const char* column1;
        int score;
        bool refused = false;  // nothing at all changes
        std::vector<unsigned> sounds = {};  // when given, the sounds asked for, in order
    };
    const Step steps[] = {
        {"timer 706", "t", "......xxxx", ".........a", 0},  // "t" enters column 3
        {"key left", "t", "......xxxx", ".........a", 0},
        {"key down", "", "......xxxx", ".........a", 1},  // "at" lights: a point for the landing
        {"key right", "", "......xxxx", ".........a", 1, true},  // nothing falls while it waits
        {"timer 706", "Z", "......xxxx", "..........", 11},  // "at" goes, 2 x 5; the bomb enters column 2
        {"key left", "Z", "......xxxx", "..........", 11},
        // In the bottom row it clears two rows only, and the x's above drop
        // two rows, not three onto nothing; a bomb earns the landing point.
        {"key down", "q", "........xx", "..........", 12, false, {kSoundPenalty, kSoundTileMoved}},
        {"key right", "q", "........xx", "..........", 12}, {"key right", "q", "........xx", "..........", 12},
        {"key down", "q", "........xx", "..........", 13},  // onto column 3: "qx" is no word
    };
    Plant();
    testsupport::SoundRecording sounds;
    for (const Step& step : steps) {
        Sounds().clear();
        PlayStep(step.input, step.refused, step.input);
        if (!step.sounds.empty()) {
            EXPECT_EQ(Sounds(), step.sounds) << step.input;
        }
        EXPECT_EQ(Game().Falling().tiles.str(), step.falling) << step.input;
        EXPECT_EQ(Column(0), step.column0) << step.input;
        EXPECT_EQ(Column(1), step.column1) << step.input;
        EXPECT_EQ(Game().GetScore(), step.score) << step.input;
    }
    EXPECT_EQ(Column(3), ".qxxxxxxxx");
    // The next step lands "q" in row 0 of column 3, where the next letter
    // would enter: the hand ends at 14 points, with no bonus.
    const std::string out = Run("answer ok \"Play Again\"\ntimer 706");
    EXPECT_NE(out.find("dialog \"Game Over - Bubbles\""), std::string::npos) << out;
    EXPECT_EQ(Stat("Bubbles", "LatestScore"), 14);
}

TEST_F(BubblesTest, SelfChecksCatchALitEmptyCellAndAStrayPoint)
{
    Plant();
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().Well().Cell(0, 4).displayFlags |= kPileNegative;
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("is lit"), std::string::npos) << why;
    Game().Well().Cell(0, 4).displayFlags &= ~kPileNegative;
    Game().Hand().score = 5;
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("the score is 5"), std::string::npos) << why;
}
