// Rock Piles through the real window: one planted hand played step by step
// to its end, and its self-checks catching a tile where the piles have none.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "games/RockPiles.h"

namespace {
using namespace drivetest;

class RockPilesTest : public DriveTest {
protected:
    CRockPiles& Game() { return *dynamic_cast<CRockPiles*>(app->CurrentGame()); }
    // Hand 1234 with the middle summit "t" resting on "o" and "n", those on
    // "e", one "s" in the bottom row and nothing in the stock.
    void Plant()
    {
        Run("game 37 1234");
        for (CTilePile& cell : Game().Cells().cells)
            cell.tiles = "";
        for (const char* p : {"04t", "14o", "15n", "25e", "45s"})
            Game().Cells().Cell(p[0] - '0', p[1] - '0').tiles = CStr(p + 2);
        Game().StockWaste().stock.tiles = "";
        Game().LetterBin().SetText("tones", kTextLetterBin);
    }
    // "cell R C" clicks that cell, "check" the check button; anything else is a driver line.
    std::string Input(const std::string& step)
    {
        if (step.rfind("cell", 0) == 0)
            return At("click", Centre(Game().Cells().Cell(step[5] - '0', step[7] - '0'), 0));
        return step == "check" ? At("click", Middle(Game().Word().check.rect)) : step + "\n";
    }
};
}  // namespace

TEST_F(RockPilesTest, APlantedHandPlayedToItsEnd)
{
    struct Step {
        const char* input;
        const char* word;
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"cell 1 4", "", true},  // "t" rests on "o"
        {"cell 0 4", "t"},
        {"cell 1 4", "to"},  // nothing rests on it now: the cell up and left is never used
        {"cell 2 5", "to", true},  // "n" still rests on "e"
        {"cell 1 5", "ton"}, {"key ctrl+z", "to"}, {"cell 1 5", "ton"}, {"cell 2 5", "tone"},
        {"cell 4 5", "tones"},  // the bottom row is empty, but the word is not scored yet
    };
    Plant();
    for (const Step& step : steps) {
        PlayStep(Input(step.input), step.refused, step.input);
        EXPECT_EQ(Game().Word().Letters().str(), step.word) << step.input;
        EXPECT_FALSE(State().over) << step.input;
    }
    // "tones" clears the piles: 5 x 5 x 5 = 125, and the doubled speed bonus
    // for a hand that took no time: 300 x 2.
    const std::string out = Run("answer ok \"Play Again\"\n" + Input("check"));
    EXPECT_NE(out.find("dialog \"Game Over - Rock Piles\""), std::string::npos) << out;
    EXPECT_EQ(Stat("RockPiles", "LatestScore"), 125 + 600);
}

// The soak relies on the layout's checks: tiles only in the piles' cells.
TEST_F(RockPilesTest, SelfChecksCatchATileOutsideThePiles)
{
    Plant();
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().Cells().Cell(0, 4).tiles = "";
    Game().Cells().Cell(0, 3).tiles = "t";  // the top row has only the middle summit
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("unused cell 0,3"), std::string::npos) << why;
}
