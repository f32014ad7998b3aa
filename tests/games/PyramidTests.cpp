// Pyramid through the real window: one planted hand played step by step to
// its end, and its self-checks catching tiles where the pyramid has none.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "games/Pyramid.h"

namespace {
using namespace drivetest;

class PyramidTest : public DriveTest {
protected:
    CPyramid& Game() { return *dynamic_cast<CPyramid*>(app->CurrentGame()); }
    // Hand 1234 with only the apex "e" on "a" and "c", and "qs" in the stock ("s" on top).
    void Plant()
    {
        Run("game 4 1234");
        for (CTilePile& cell : Game().Cells().cells)
            cell.tiles = "";
        Game().Cells().Cell(0, 0).tiles = "e";
        Game().Cells().Cell(1, 0).tiles = "a";
        Game().Cells().Cell(1, 1).tiles = "c";
        Game().StockWaste().stock.tiles = "qs";
        Game().LetterBin().SetText("eacqs", kTextLetterBin);
    }
    // "cell R C" clicks that cell, "stock", "waste" and "check" their piles; anything else is a driver line.
    std::string Input(const std::string& step)
    {
        if (step.rfind("cell", 0) == 0)
            return At("click", Centre(Game().Cells().Cell(step[5] - '0', step[7] - '0'), 0));
        if (step == "stock" || step == "waste")
            return At("click", Centre(step == "stock" ? Game().StockWaste().stock : Game().StockWaste().waste, 0));
        return step == "check" ? At("click", Middle(Game().Word().check.rect)) : step + "\n";
    }
};
}  // namespace

TEST_F(PyramidTest, APlantedHandPlayedToItsEnd)
{
    struct Step {
        const char* input;
        const char* word;
        int score;  // 100 off for drawing through the empty waste and for turning the waste back
        bool undo;  // something can be undone
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"cell 0 0", "", 0, false, true},  // the apex is covered by "a" and "c"
        {"cell 1 1", "c", 0, true}, {"cell 1 0", "ca", 0, true},
        {"key ctrl+z", "c", 0, true}, {"cell 1 0", "ca", 0, true},
        {"waste", "ca", -100, true},  // the empty waste draws "s" from the stock at 100
        {"stock", "ca", -100, true},  // the stock turns "q" for nothing
        {"waste", "ca", -100, true, true},  // no word begins "caq"
        {"stock", "ca", -200, false},  // the waste goes back at 100, and Undo forgets
        {"stock", "ca", -200, true}, {"waste", "cas", -200, true},
        {"cell 0 0", "case", -200, true},  // both tiles below are gone: the apex is free
    };
    Plant();
    for (const Step& step : steps) {
        PlayStep(Input(step.input), step.refused, step.input);
        EXPECT_EQ(Game().Word().Letters().str(), step.word) << step.input;
        EXPECT_EQ(Game().GetScore(), step.score) << step.input;
        EXPECT_EQ(Game().CanUndo(), step.undo) << step.input;
    }
    // "case" empties the pyramid: 4 x 26 = 104, and the speed bonus of 300
    // for a hand that took no time: -200 + 104 + 300.
    const std::string out = Run("answer ok \"Play Again\"\n" + Input("check"));
    EXPECT_NE(out.find("dialog \"Game Over - Pyramid\""), std::string::npos) << out;
    EXPECT_EQ(Stat("Pyramid", "LatestScore"), 204);
}

// The soak relies on the layout's checks: tiles only in the pyramid's
// cells, one to a cell.
TEST_F(PyramidTest, SelfChecksCatchATileOutsideThePyramidAndTwoInOneCell)
{
    Plant();
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().Cells().Cell(0, 0).tiles = "";
    Game().Cells().Cell(0, 1).tiles = "e";  // row 0 has only the apex
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("unused cell 0,1"), std::string::npos) << why;
    Game().Cells().Cell(0, 1).tiles = "";
    Game().Cells().Cell(1, 0).tiles = "ae";
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("holds"), std::string::npos) << why;
}
