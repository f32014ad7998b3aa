// Avalanche through the real window: a planted mountain dug up one word, the
// climber following each letter and falling with its column, and the
// self-check catching a climber gone from its cell.
#include <gtest/gtest.h>

#include "GridWordDriveSupport.h"

namespace {
using namespace drivetest;

class AvalancheTest : public GridWordDriveTest {
protected:
    // Column 2 "tab" over the climber; the other columns a bottom row of
    // letters; nothing left to fall in.
    void Plant()
    {
        PlantColumns(26, {"........ot", ".........a", "......tab|", ".........x", ".........x"});
        Grid().Reserve() = "";
    }
};
}  // namespace

TEST_F(AvalancheTest, ClimbingOutOfAPlantedMountain)
{
    const Step steps[] = {
        {"pick 9 0", "", 0, {"face=9 2"}, true},  // no room beside the "t", and the climber is two cells away
        {"pick 8 2", "b", 0, {"face=8 2", "row8=o.|.."}},  // next to the climber: it moves into the hole
        {"pick 7 2", "ba", 0, {"face=7 2"}},
        {"key ctrl+z", "b", 0, {"face=8 2", "row7=..a.."}},  // the letter and the climber go back together
        {"pick 7 2", "ba", 0, {"face=7 2"}},
        {"pick 9 4", "ba", 0, {"face=7 2"}, true},  // room beside the "x", but no word begins "bax"
        {"pick 6 2", "bat", 0, {"face=6 2", "row6=..|.."}},
    };
    Plant();
    Play(steps);
    // "bat" earns nothing; the climber falls back to the bottom of its column,
    // now dug out down to it: the hand is won with the bottom row whole, and
    // the 120 seconds of oxygen left pay 120 x 50.
    const std::string out = Run("answer ok \"Play Again\"\n" + Input("check"));
    EXPECT_NE(out.find("dialog \"Game Over - Avalanche\""), std::string::npos) << out;
    EXPECT_EQ(Stat("Avalanche", "LatestScore"), 6000);
}

TEST_F(AvalancheTest, SelfCheckCatchesALostClimber)
{
    Plant();
    ExpectCaught([this] { Grid().Cell(9, 2).tiles = ""; }, "does not hold the face tile");
}
