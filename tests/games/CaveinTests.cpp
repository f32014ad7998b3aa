// Cave In through the real window: a planted cave played to a dug-through
// column, and its self-check catching a tile left hanging in the air.
#include <gtest/gtest.h>

#include "GridWordDriveSupport.h"

namespace {
using namespace drivetest;

class CaveinTest : public GridWordDriveTest {
protected:
    // Column 0 "dote" (from row 2 down), column 1 "a", column 2 "sc", column
    // 3 "o"; two letters left to cave in, "x" first.
    void Plant()
    {
        PlantColumns(25, {"..dote", ".....a", "....sc", ".....o"});
        Grid().Reserve() = "rx";
    }
};
}  // namespace

TEST_F(CaveinTest, APlantedCaveDugThrough)
{
    const Step steps[] = {
        {"pick 2 0", "d", 0, {"pathEnd=2 0"}}, {"pick 3 0", "do", 0, {"pathEnd=3 0"}},
        {"pick 4 0", "dot", 0, {"pathEnd=4 0"}},
        // 5 x 3 x 3; the "e" stays, "x" then "r" cave in above it.
        {"check", "", 45, {"pathEnd=none", "row3=r..."}},
        {"pick 5 2", "c", 45, {"pathEnd=5 2"}},
        {"pick 3 0", "c", 45, {"pathEnd=5 2"}, true},  // two columns away, and column 1 still holds the "a"
        {"pick 5 1", "ca", 45, {"pathEnd=5 1"}},
        {"pick 3 0", "car", 45, {"pathEnd=3 0"}},  // column 1 is dug out: the "r" is reached across it
        {"key ctrl+z", "ca", 45, {"pathEnd=5 1"}},
        {"word 1", "c", 45, {"pathEnd=5 2"}},  // the "a" and everything after it go back
        {"pick 5 1", "ca", 45, {"pathEnd=5 1"}}, {"pick 3 0", "car", 45, {"pathEnd=3 0", "row4=x.s."}},
    };
    Plant();
    Play(steps);
    // "car" (45) empties column 1: the cave is dug through, with the speed bonus of 300.
    const std::string out = Run("answer ok \"Play Again\"\n" + Input("check"));
    EXPECT_NE(out.find("dialog \"Game Over - Cave In\""), std::string::npos) << out;
    EXPECT_EQ(Stat("Cavein", "LatestScore"), 45 + 45 + 300);
}

TEST_F(CaveinTest, SelfCheckCatchesAHangingTile)
{
    Plant();
    ExpectCaught([this] { Grid().Cell(0, 3).tiles = "z"; }, "hangs above");  // four empty cells under it
}
