// Tri Peaks through the real window: one planted hand played step by step to
// its end, and its self-checks catching a tile where the peaks have none.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "games/TriPeaks.h"

namespace {
using namespace drivetest;

class TriPeaksTest : public DriveTest {
protected:
    CTriPeaks& Game() { return *dynamic_cast<CTriPeaks*>(app->CurrentGame()); }
    // Hand 1234 with the left summit "e" on "o" and "n", "o" on "t", a "z"
    // at the far end of the bottom row and "s" in the stock.
    void Plant()
    {
        Run("game 36 1234");
        for (CTilePile& cell : Game().Cells().cells)
            cell.tiles = "";
        const char* planted[] = {"11e", "21o", "22n", "31t", "4bz"};
        for (const char* p : planted)
            Game().Cells().Cell(p[0] - '0', p[1] == 'b' ? 11 : p[1] - '0').tiles = CStr(p + 2);
        Game().StockWaste().stock.tiles = "s";
        Game().LetterBin().SetText("eontzs", kTextLetterBin);
        Game().Refresh();  // the planted table drawn, its tooltips where its piles are
    }
    // "cell R C" clicks that cell, "word K" word tile K, "waste" and "check"
    // their piles, "right" releases the right button over the word; anything
    // else is a driver line.
    std::string Input(const std::string& step)
    {
        if (step.rfind("word", 0) == 0)
            return At("click", Centre(Game().Word().word, step[5] - '0'));
        if (step.rfind("cell", 0) == 0)
            return At("click", Centre(Game().Cells().Cell(step[5] - '0', step[7] - '0'), 0));
        if (step == "waste")
            return At("click", Centre(Game().StockWaste().waste, 0));
        if (step == "right")
            return At("click", Centre(Game().Word().word, 0), " right");
        return step == "check" ? At("click", Middle(Game().Word().check.rect)) : step + "\n";
    }
};
}  // namespace

TEST_F(TriPeaksTest, APlantedHandPlayedToItsEnd)
{
    struct Step {
        const char* input;
        const char* word;
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"cell 2 1", "", true},  // "o" lies under "t"
        {"cell 3 1", "t"}, {"cell 1 1", "t", true},  // the summit still lies under "o"
        {"cell 2 1", "to"}, {"key ctrl+z", "t"}, {"cell 2 1", "to"}, {"cell 2 2", "ton"},
        {"cell 1 1", "tone"},  // both tiles below it gone: the summit is free
        {"right", "tone"},  // a right-button release anywhere turns the stock
        {"word 1", "t"},  // the turn made after the letters goes back on the way
        {"cell 2 1", "to"}, {"cell 2 2", "ton"}, {"cell 1 1", "tone"}, {"right", "tone"},
        {"waste", "tones"},
    };
    Plant();
    Run(At("move", Centre(Game().StockWaste().waste, 0)));  // the waste's own tip over the waste
    EXPECT_EQ(app->Window()->ShownTooltip().rfind("Waste Pile:", 0), 0u) << app->Window()->ShownTooltip();
    for (const Step& step : steps) {
        PlayStep(Input(step.input), step.refused, step.input);
        EXPECT_EQ(Game().Word().Letters().str(), step.word) << step.input;
        EXPECT_EQ(Game().GetScore(), 0) << step.input;
    }
    // "tones" clears the top two rows though the "z" is left: 5 x 20 = 100,
    // and the doubled speed bonus for a hand that took no time: 300 x 2.
    const std::string out = Run("answer ok \"Play Again\"\n" + Input("check"));
    EXPECT_NE(out.find("dialog \"Game Over - Tri Peaks\""), std::string::npos) << out;
    EXPECT_EQ(Stat("TriPeaks", "LatestScore"), 100 + 600);
}

// The soak relies on the layout's checks: tiles only in the peaks' cells.
TEST_F(TriPeaksTest, SelfChecksCatchATileOutsideThePeaks)
{
    Plant();
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().Cells().Cell(4, 11).tiles = "";
    Game().Cells().Cell(4, 12).tiles = "z";  // the bottom row ends at column 11
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("unused cell 4,12"), std::string::npos) << why;
}
