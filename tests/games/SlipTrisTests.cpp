// Tetris (Slippery) through the real window: a row of three dropped across
// uneven stacks breaks apart, each tile sliding down its own column, and
// the one that slid furthest spells "bed" in a row the box never reached;
// the word goes after its delay and the hand plays to its end. Then the
// self-checks catching a doubled tile and a stray point.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "framework/Registry.h"
#include "games/SlipTris.h"

namespace {
using namespace drivetest;

class SlipTrisTest : public WordGameDriveTest {
protected:
    CSlipTris& Game() { return *dynamic_cast<CSlipTris*>(app->CurrentGame()); }
    // Hand 1234 with "o" over "be" in columns 3 and 4, and q, z, d in a row next.
    void Plant()
    {
        DeleteRegKey(HKEY_CURRENT_USER, (std::string(kMainKey) + "\\SlipTris").c_str());
        Run("game 39 1234");
        Game().Well().Cell(11, 3).tiles = "o";
        Game().Well().Cell(12, 3).tiles = "b";
        Game().Well().Cell(12, 4).tiles = "e";
        for (int k = 0; k < 9; ++k) {
            const char letter = "...qzd..."[k];
            Game().Preview(k / 3, k % 3).tiles = letter == '.' ? "" : std::string(1, letter).c_str();
        }
    }
    std::string Row(int r) { return ParseState(Run("state")).Pile("well" + std::to_string(r)).letters; }
};
}  // namespace

TEST_F(SlipTrisTest, ALooseRowBreaksApartAndSpellsBelowItsBox)
{
    struct Step {
        const char* input;
        bool falling;
        int column;  // of the box's left edge
        const char* row10;
        const char* row11;
        const char* row12;
        int score;
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"timer 706", true, 3, "........", "...o....", "...be...", 0},  // the row enters in column 3
        {"key right\nkey right", true, 5, "........", "...o....", "...be...", 0},
        {"key right", true, 5, "........", "...o....", "...be...", 0, true},  // the d would leave the well
        {"key left\nkey left", true, 3, "........", "...o....", "...be...", 0},
        // It comes to rest on the o; then the z slides one row, the d two,
        // spelling "bed": a point a tile, delay (0 + 2 x 0 + 3) / 9 + 2 = 2.
        {"key down", false, 3, "...q....", "...oz...", "...bed..", 3},
        {"key left", false, 3, "...q....", "...oz...", "...bed..", 3, true},  // nothing falls while "bed" waits
        {"timer 706", false, 3, "...q....", "...oz...", "...bed..", 3},
        // "bed" goes, 3 x 5 = 15; each column above moves down one row, the
        // moved tiles are not searched; the next shape enters.
        {"timer 706", true, 3, "........", "...q....", "...oz...", 18},
    };
    Plant();
    for (const Step& step : steps) {
        PlayStep(step.input, step.refused, step.input);
        EXPECT_EQ(Game().IsFalling(), step.falling) << step.input;
        EXPECT_EQ(Game().Column(), step.column) << step.input;
        EXPECT_EQ(Row(10) + Row(11) + Row(12), std::string(step.row10) + step.row11 + step.row12) << step.input;
        EXPECT_EQ(Game().GetScore(), step.score) << step.input;
    }
    // The shape in the air moved left, column 4 filled to the top: it
    // lands, and the next one has no room to enter: 18 + 2 points, no bonus.
    Run("key left\nkey left\nkey left");
    for (int r = 0; r < 13; ++r)
        Game().Well().Cell(r, 4).tiles = "z";
    const std::string out = Run("answer ok \"Play Again\"\nkey down");
    EXPECT_NE(out.find("dialog \"Game Over - Tetris (Slippery)\""), std::string::npos) << out;
    EXPECT_EQ(Stat("SlipTris", "LatestScore"), 20);
}

TEST_F(SlipTrisTest, SelfChecksCatchADoubledTileAndAStrayPoint)
{
    Plant();
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().Well().Cell(12, 3).tiles = "bo";
    Game().Well().Cell(11, 3).tiles = "";
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("holds 2 tiles"), std::string::npos) << why;
    Game().Well().Cell(12, 3).tiles = "b";
    Game().Well().Cell(11, 3).tiles = "o";
    Game().Hand().score = 5;
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("the score is 5"), std::string::npos) << why;
}
