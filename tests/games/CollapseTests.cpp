// Tower of Babble through the real window: a planted tower settled, closed
// up, bombed and pushed through the top, and its self-check catching an
// incoming pile that holds two letters.
#include <gtest/gtest.h>

#include "GridWordDriveSupport.h"
#include "games/Collapse.h"

namespace {
using namespace drivetest;

class CollapseTest : public GridWordDriveTest {
protected:
    CCollapse& Game() { return *dynamic_cast<CCollapse*>(app->CurrentGame()); }
    // Column 0 eight tall ("ghijklmb" from row 1 down), a bomb, then "oc",
    // "a" and "et" at the bottom of columns 1 to 4; "vwxyz" waiting below.
    void Plant()
    {
        PlantColumns(41, {".ghijklmb", "........Z", ".......oc", "........a", ".......et"});
        for (int c = 0; c < CCollapse::kColumns; ++c)
            Game().Incoming(c).tiles = std::string(1, "vwxyz"[c]);
    }
    std::string Input(const std::string& step) override
    {
        return step == "advance" ? At("click", Middle(Game().Advance().rect)) : GridWordDriveTest::Input(step);
    }
};
}  // namespace

TEST_F(CollapseTest, APlantedTowerPushedThroughTheTop)
{
    const Step steps[] = {
        {"pick 8 2", "c", 0},
        {"pick 8 1", "c", 0, {}, true},  // a bomb cannot join a word
        {"pick 8 3", "ca", 0}, {"pick 8 4", "cat", 0},
        {"key ctrl+z", "ca", 0, {"row8=bZ..t", "pathEnd=8 3"}}, {"pick 8 4", "cat", 0},
        // 5 x 3 x 3; "o" and "e" fall, column 4 closes into the emptied column
        // 3, and the tower rises over "vwxyz".
        {"check", "", 45, {"row7=bZoe.", "row8=vwxyz"}},
        // The bomb takes the "b", "o" and "w" with it; column 0 slides into column 1.
        {"pick 7 1", "", 45, {"row7=.m.e.", "row8=.vxyz"}},
        {"advance", "", 45 + 125, {"row0=.g...", "row7=.vxyz"}},
    };
    Plant();
    Play(steps);
    // The next rise pushes the "g" out of row 0: 125 more, and no bonus after one word.
    const std::string out = Run("answer ok \"Play Again\"\n" + Input("advance"));
    EXPECT_NE(out.find("dialog \"Game Over - Tower of Babble\""), std::string::npos) << out;
    EXPECT_EQ(Stat("Collapse", "LatestScore"), 45 + 125 + 125);
}

TEST_F(CollapseTest, SelfCheckCatchesAnOverfullIncomingPile)
{
    Plant();
    ExpectCaught([this] { Game().Incoming(2).Push('q'); }, "incoming pile 2");
}
