// Implosion through the real window: a planted grid whose stock runs dry,
// played until a column implodes, and its self-check catching a stacked cell.
#include <gtest/gtest.h>

#include "GridWordDriveSupport.h"

namespace {
using namespace drivetest;

class ImplosionTest : public GridWordDriveTest {
protected:
    // Column 0 "stop" (from row 2 down), column 1 "toq", an "e" at the
    // bottom of the other four; two letters left in the stock, "a" next.
    void Plant()
    {
        PlantColumns(29, {"..stop", "...toq", ".....e", ".....e", ".....e", ".....e"});
        Grid().Reserve() = "ta";
    }
};
}  // namespace

TEST_F(ImplosionTest, APlantedGridImplodes)
{
    const Step steps[] = {
        {"pick 2 0", "s", 0, {"pathEnd=2 0"}}, {"pick 3 0", "st", 0}, {"pick 4 0", "sto", 0},
        {"pick 5 0", "stop", 0, {"pathEnd=5 0"}},
        // 5 x 4 x 4; column 0 gets the stock's "a" and "t", four cells stay empty.
        {"check", "", 80, {"pathEnd=none", "row4=to...."}},
        {"pick 4 0", "t", 80, {"pathEnd=4 0"}},
        {"pick 5 1", "t", 80, {"pathEnd=4 0"}, true},  // touches, but no word begins "tq"
        {"pick 4 1", "to", 80, {"pathEnd=4 1"}},
        {"cancel", "", 80, {"pathEnd=none"}},  // the whole word goes back
        {"pick 4 0", "t", 80}, {"pick 4 1", "to", 80},
        {"check", "", 100, {"pathEnd=none"}},  // 5 x 2 x 2; column 1's "t" falls onto the "q"
        {"pick 5 0", "a", 100, {"pathEnd=5 0"}},
        {"pick 5 3", "a", 100, {"pathEnd=5 0"}, true},  // three columns away, none of them empty
        {"key ctrl+z", "", 100, {"pathEnd=none"}},
        {"pick 5 0", "a", 100}, {"pick 4 1", "at", 100, {"pathEnd=4 1", "row5=.qeeee"}},  // diagonally
    };
    Plant();
    Play(steps);
    // "at" (20) empties column 0: the grid implodes, with the speed bonus of 300.
    const std::string out = Run("answer ok \"Play Again\"\n" + Input("check"));
    EXPECT_NE(out.find("dialog \"Game Over"), std::string::npos) << out;
    EXPECT_EQ(Stat("Implosion", "LatestScore"), 80 + 20 + 20 + 300);
}

TEST_F(ImplosionTest, SelfCheckCatchesTwoTilesInACell)
{
    Plant();
    ExpectCaught([this] { Grid().Cell(5, 2).Push('x'); }, "holds two tiles");
}
