// Tetris (Classic) through the real window: the long shape moved to the
// wall, turned with a kick off it, dropped upright into a gap to fill two
// rows, which go together on the next step as one clearing while a row
// one tile short stays; then a new shape without room ends the hand. And
// the self-checks catching a doubled tile and a stray point.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "framework/Registry.h"
#include "games/TrueTris.h"

namespace {
using namespace drivetest;

class TrueTrisTest : public WordGameDriveTest {
protected:
    CTrueTris& Game() { return *dynamic_cast<CTrueTris*>(app->CurrentGame()); }
    // Hand 1234 with rows 19 and 20 full but for column 6, row 18 but for
    // columns 0 and 6, and the long shape (digit 3) next.
    void Plant()
    {
        DeleteRegKey(HKEY_CURRENT_USER, (std::string(kMainKey) + "\\TrueTris").c_str());
        Run("game 38 1234");
        for (int r = 18; r < 21; ++r)
            for (int c = 0; c < 10; ++c)
                Game().Well().Cell(r, c).tiles = c == 6 || (r == 18 && c == 0) ? "" : "A";
        for (int k = 0; k < 25; ++k)
            Game().Preview(k / 5, k % 5).tiles = k >= 11 && k <= 14 ? "C" : "";
    }
    std::string Row(int r) { return ParseState(Run("state")).Pile("well" + std::to_string(r)).letters; }
};
}  // namespace

TEST_F(TrueTrisTest, AnUprightBarFillsTwoRowsThatGoTogether)
{
    struct Step {
        const char* input;
        bool falling;
        int column;  // of the box's left edge
        const char* row19;
        const char* row20;
        int score;
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"timer 706", true, 4, "AAAAAA.AAA", "AAAAAA.AAA", 0},  // the bar enters, across columns 5 to 8
        {"key right", true, 5, "AAAAAA.AAA", "AAAAAA.AAA", 0},
        {"key right", true, 5, "AAAAAA.AAA", "AAAAAA.AAA", 0, true},  // it would leave the well
        {"key space\nkey right\nkey right", true, 7, "AAAAAA.AAA", "AAAAAA.AAA", 0},  // upright in column 9
        {"key space", true, 6, "AAAAAA.AAA", "AAAAAA.AAA", 0},  // across again, kicked a column left
        {"key space\nkey left\nkey left", true, 4, "AAAAAA.AAA", "AAAAAA.AAA", 0},  // upright over the gap
        // A point a tile; rows 19 and 20 are full and light up, row 18 is one short.
        {"key down", false, 4, "AAAAAACAAA", "AAAAAACAAA", 4},
        {"key left", false, 4, "AAAAAACAAA", "AAAAAACAAA", 4, true},  // nothing falls while they wait
        // Both rows go: 20 tiles x 10 = 200; what lay above drops two rows,
        // and the next shape enters.
        {"timer 706", true, 4, "......C...", ".AAAAACAAA", 204},
    };
    Plant();
    for (const Step& step : steps) {
        PlayStep(step.input, step.refused, step.input);
        EXPECT_EQ(Game().IsFalling(), step.falling) << step.input;
        EXPECT_EQ(Game().Column(), step.column) << step.input;
        EXPECT_EQ(Row(19) + " " + Row(20), std::string(step.row19) + " " + step.row20) << step.input;
        EXPECT_EQ(Game().GetScore(), step.score) << step.input;
    }
    EXPECT_EQ(Game().Clearings(), 1);
    // The shape moved aside and column 6 filled: it lands, and the next
    // one, every one of which has a tile there, has no room: 208 points.
    Run("key left\nkey left\nkey left\nkey left");
    for (int r = 0; r < 19; ++r)
        Game().Well().Cell(r, 6).tiles = "A";
    const std::string out = Run("answer ok \"Play Again\"\nkey down");
    EXPECT_NE(out.find("dialog \"Game Over - Tetris (Classic)\""), std::string::npos) << out;
    EXPECT_EQ(Stat("TrueTris", "LatestScore"), 208);
}

TEST_F(TrueTrisTest, SelfChecksCatchADoubledTileAndAStrayPoint)
{
    Plant();
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().Well().Cell(20, 0).tiles = "AA";
    Game().Well().Cell(20, 1).tiles = "";
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("holds 2 tiles"), std::string::npos) << why;
    Game().Well().Cell(20, 0).tiles = Game().Well().Cell(20, 1).tiles = "A";
    Game().Hand().score = 5;
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("the score is 5"), std::string::npos) << why;
}
