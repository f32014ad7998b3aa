// Implosion through the real window: a planted grid whose stock runs dry,
// played until a column implodes, and its self-check catching a stacked cell.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "games/Implosion.h"

namespace {
using namespace drivetest;

class ImplosionTest : public DriveTest {
protected:
    CImplosion& Game() { return *dynamic_cast<CImplosion*>(app->CurrentGame()); }
    // Column 0 "stop" (from row 2 down), column 1 "toq" (from row 3), an "e"
    // at the bottom of the other four; two letters left in the stock, "a" next.
    void Plant()
    {
        Run("game 29 1234");
        for (int i = 0; i < CImplosion::kSide * CImplosion::kSide; ++i)
            Game().Cell(i / 6, i % 6).tiles = "";
        const char* columns[] = {"..stop", "...toq", ".....e", ".....e", ".....e", ".....e"};
        for (int c = 0; c < 6; ++c)
            for (int r = 0; r < 6; ++r)
                if (columns[c][r] != '.')
                    Game().Cell(r, c).Push(columns[c][r]);
        Game().Reserve() = "ta";
    }
    // "pick R C" clicks a cell; "check" and "cancel" click those buttons.
    std::string Input(const std::string& step)
    {
        if (step.rfind("pick", 0) == 0)
            return At("click", Centre(Game().Cell(step[5] - '0', step[7] - '0'), 0));
        if (step == "cancel")
            return At("click", Middle(Game().Cancel().rect));
        return step == "check" ? At("click", Middle(Game().Word().check.rect)) : step + "\n";
    }
};
}  // namespace

TEST_F(ImplosionTest, APlantedGridImplodes)
{
    struct Step {
        const char* input;
        const char* word;
        int score;  // 5 x length x length a word
        const char* pathEnd;
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"pick 2 0", "s", 0, "2 0"}, {"pick 3 0", "st", 0, "3 0"}, {"pick 4 0", "sto", 0, "4 0"},
        {"pick 5 0", "stop", 0, "5 0"},
        {"check", "", 80, "none"},  // 5 x 4 x 4; column 0 gets the stock's "a" and "t", four cells stay empty
        {"pick 4 0", "t", 80, "4 0"},
        {"pick 5 1", "t", 80, "4 0", true},  // touches, but no word begins "tq"
        {"pick 4 1", "to", 80, "4 1"},
        {"cancel", "", 80, "none"},  // the whole word goes back
        {"pick 4 0", "t", 80, "4 0"}, {"pick 4 1", "to", 80, "4 1"},
        {"check", "", 100, "none"},  // 5 x 2 x 2; column 1's "t" falls onto the "q"
        {"pick 5 0", "a", 100, "5 0"},
        {"pick 5 3", "a", 100, "5 0", true},  // three columns away, none of them empty
        {"key ctrl+z", "", 100, "none"},
        {"pick 5 0", "a", 100, "5 0"}, {"pick 4 1", "at", 100, "4 1"},  // diagonally
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
    EXPECT_EQ(ParseState(Game().DescribeState()).Pile("row5").letters, ".qeeee");
    // "at" (20) empties column 0: the grid implodes, with the speed bonus of 300.
    const std::string out = Run("answer ok \"Play Again\"\n" + Input("check"));
    EXPECT_NE(out.find("dialog \"Game Over"), std::string::npos) << out;
    EXPECT_EQ(Stat("Implosion", "LatestScore"), 80 + 20 + 20 + 300);
}

TEST_F(ImplosionTest, SelfCheckCatchesTwoTilesInACell)
{
    Plant();
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().Cell(5, 2).Push('x');
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("holds two tiles"), std::string::npos) << why;
}
