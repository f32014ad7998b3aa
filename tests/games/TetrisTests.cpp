// Tetris (Sticky) through the real window, fall step by fall step: a shape
// moved, refused at the wall, turned with a kick off it, dropped to spell
// "cat" and "toe"; the words go after their delay, a second shape lands,
// and a shape that finds no room even in the top rows ends the hand. Then
// the self-checks catching a doubled tile and a stray point.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "framework/Registry.h"
#include "games/Tetris.h"

namespace {
using namespace drivetest;

class TetrisTest : public WordGameDriveTest {
protected:
    CTetris& Game() { return *dynamic_cast<CTetris*>(app->CurrentGame()); }
    // Hand 1234 with "..c..oe." in the bottom row and an L of q, a, t next.
    void Plant()
    {
        DeleteRegKey(HKEY_CURRENT_USER, (std::string(kMainKey) + "\\Tetris").c_str());
        Run("game 16 1234");
        for (const int c : {2, 5, 6})
            Game().Well().Cell(12, c).tiles = std::string(1, "..c..oe."[c]).c_str();
        for (int k = 0; k < 9; ++k) {
            const char letter = ".q..at..."[k];
            Game().Preview(k / 3, k % 3).tiles = letter == '.' ? "" : std::string(1, letter).c_str();
        }
    }
    std::string Row(int r) { return ParseState(Run("state")).Pile("well" + std::to_string(r)).letters; }
};
}  // namespace

TEST_F(TetrisTest, ShapesFallTurnAndSpellUntilOneFindsNoRoom)
{
    struct Step {
        const char* input;
        bool falling;
        int column;  // of the box's left edge
        const char* bottomRow;
        int score;
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"timer 706", true, 3, "..c..oe.", 0},  // the L enters in column 3, a third of a row down
        {"key left", true, 2, "..c..oe.", 0},
        {"key left\nkey left\nkey left", true, -1, "..c..oe.", 0},  // the box's empty column hangs outside
        {"key left", true, -1, "..c..oe.", 0, true},                 // a tile would leave the well
        {"key space", true, 0, "..c..oe.", 0},  // turned, it fits only one column to the right
        {"key space\nkey space\nkey space", true, 0, "..c..oe.", 0},  // three more turns: the L again
        {"key right\nkey right", true, 2, "..c..oe.", 0},
        // A point a tile. The a finds "cat" (3 letters); the t finds "cat"
        // and "toe", 6 > 3, so both are recorded after it: "cat" twice.
        // The delay is (0 + 2 x 0 + 6) / 9 + 2 = 2 steps.
        {"key down", false, 3, "..catoe.", 3},
        {"key right", false, 3, "..catoe.", 3, true},  // no shape falls while the words wait
        {"timer 706", false, 3, "..catoe.", 3},
        // The words go: 9 recorded letters x 5 = 45; the q above the a moves
        // down; the next shape (i and o side by side) enters.
        {"timer 706", true, 3, "...q....", 48},
        {"key down", true, 3, "...qio..", 50},  // lands beside the q, no word; the next one enters at once
    };
    Plant();
    for (const Step& step : steps) {
        PlayStep(step.input, step.refused, step.input);
        EXPECT_EQ(Game().IsFalling(), step.falling) << step.input;
        EXPECT_EQ(Game().Column(), step.column) << step.input;
        EXPECT_EQ(Row(12), step.bottomRow) << step.input;
        EXPECT_EQ(Game().GetScore(), step.score) << step.input;
    }
    EXPECT_EQ(Game().Clearings(), 1);
    // Row 1 filled under the new shape at the top: it could only rest above
    // row 0, so the hand ends, 50 points and no bonus.
    for (int c = 0; c < 8; ++c)
        Game().Well().Cell(1, c).tiles = "z";
    const std::string out = Run("answer ok \"Play Again\"\nkey down");
    EXPECT_NE(out.find("dialog \"Game Over - Tetris (Sticky)\""), std::string::npos) << out;
    EXPECT_EQ(Stat("Tetris", "LatestScore"), 50);
}

TEST_F(TetrisTest, SelfChecksCatchADoubledTileAndAStrayPoint)
{
    Plant();
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().Well().Cell(12, 2).tiles = "co";
    Game().Well().Cell(12, 5).tiles = "";
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("holds 2 tiles"), std::string::npos) << why;
    Game().Well().Cell(12, 2).tiles = "c";
    Game().Well().Cell(12, 5).tiles = "o";
    Game().Hand().score = 5;
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("the score is 5"), std::string::npos) << why;
}
