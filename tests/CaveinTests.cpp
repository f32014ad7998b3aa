// Cave In through the real window: a planted cave played to a dug-through
// column, and its self-check catching a tile left hanging in the air.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "games/Cavein.h"

namespace {
using namespace drivetest;

class CaveinTest : public DriveTest {
protected:
    CCavein& Game() { return *dynamic_cast<CCavein*>(app->CurrentGame()); }
    // Column 0 "dote" (from row 2 down), column 1 "a", column 2 "sc", column
    // 3 "o", all at the bottom; two letters left to cave in, "x" first.
    void Plant()
    {
        Run("game 25 1234");
        for (int i = 0; i < CCavein::kColumns * CCavein::kRows; ++i)
            Game().Cell(i / 4, i % 4).tiles = "";
        const std::tuple<int, int, const char*> letters[] = {{2, 0, "d"}, {3, 0, "o"}, {4, 0, "t"}, {5, 0, "e"},
                                                             {5, 1, "a"}, {4, 2, "s"}, {5, 2, "c"}, {5, 3, "o"}};
        for (const auto& [row, column, letter] : letters)
            Game().Cell(row, column).tiles = letter;
        Game().Reserve() = "rx";
    }
    // "pick R C" clicks a cell, "word K" tile K of the word, "check" the tick.
    std::string Input(const std::string& step)
    {
        const std::string verb = step.substr(0, step.find(' '));
        if (verb == "pick")
            return At("click", Centre(Game().Cell(step[5] - '0', step[7] - '0'), 0));
        if (verb == "word")
            return At("click", Centre(Game().Word().word, step[5] - '0'));
        return verb == "check" ? At("click", Middle(Game().Word().check.rect)) : step + "\n";
    }
};
}  // namespace

TEST_F(CaveinTest, APlantedCaveDugThrough)
{
    struct Step {
        const char* input;
        const char* word;
        int score;  // 5 x length x length a word
        const char* pathEnd;
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"pick 2 0", "d", 0, "2 0"}, {"pick 3 0", "do", 0, "3 0"}, {"pick 4 0", "dot", 0, "4 0"},
        // 5 x 3 x 3; the "e" stays, "x" then "r" cave in above it.
        {"check", "", 45, "none"},
        {"pick 5 2", "c", 45, "5 2"},
        {"pick 3 0", "c", 45, "5 2", true},  // two columns away, and column 1 still holds the "a"
        {"pick 5 1", "ca", 45, "5 1"},
        {"pick 3 0", "car", 45, "3 0"},  // column 1 is dug out: the "r" is reached across it
        {"key ctrl+z", "ca", 45, "5 1"},
        {"word 1", "c", 45, "5 2"},  // the "a" and everything after it go back
        {"pick 5 1", "ca", 45, "5 1"}, {"pick 3 0", "car", 45, "3 0"},
    };
    Plant();
    for (const Step& step : steps) {
        const std::string before = Game().DescribeState();
        Run(Input(step.input));
        EXPECT_EQ(Game().Word().Letters().str(), step.word) << step.input;
        EXPECT_EQ(Game().GetScore(), step.score) << step.input;
        EXPECT_EQ(ParseState(Game().DescribeState()).lines["pathEnd"], step.pathEnd) << step.input;
        EXPECT_TRUE(!step.refused || Game().DescribeState() == before) << step.input << ": a refusal changed the game";
        std::string why;
        EXPECT_TRUE(Game().CheckInvariants(why)) << step.input << ": " << why;
    }
    EXPECT_EQ(ParseState(Game().DescribeState()).Pile("row4").letters, "x.s.");
    // "car" (45) empties column 1: the cave is dug through, with the speed bonus of 300.
    const std::string out = Run("answer ok \"Play Again\"\n" + Input("check"));
    EXPECT_NE(out.find("dialog \"Game Over - Cave In\""), std::string::npos) << out;
    EXPECT_EQ(Stat("Cavein", "LatestScore"), 45 + 45 + 300);
}

TEST_F(CaveinTest, SelfCheckCatchesAHangingTile)
{
    Plant();
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().Cell(0, 3).tiles = "z";  // above four empty cells of column 3
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("hangs above"), std::string::npos) << why;
}
