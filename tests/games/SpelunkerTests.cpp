// Spelunker through the real window: a planted stretch of cave dug step by
// step, the torch lighting the way, until the last diamond is collected; and
// its self-checks catching a dark cell beside the hole.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "games/Spelunker.h"

namespace {
using namespace drivetest;

class SpelunkerTest : public DriveTest {
protected:
    CSpelunker& Game() { return *dynamic_cast<CSpelunker*>(app->CurrentGame()); }
    // Hand 1234 (four diamonds) with the row left of the miner at (7, 7) planted, the diamonds in two pairs.
    void Plant()
    {
        Run("game 33 1234");
        ASSERT_EQ(Game().DiamondsPlaced(), 4);
        std::string all;
        for (int r = 0; r < CSpelunker::kSide; ++r) {
            for (int c = 0; c < CSpelunker::kSide; ++c) {
                CTilePile& cell = Game().Cell(r, c);
                for (; cell.Top() == kGlyphDiamond; cell.faceDownCount = 1)
                    cell.PopTop();  // its letter dark again
                const std::string planted = r == 7 ? "reppots" : r == 8 ? "at....x" : "";  // left of the miner, below
                if (c < static_cast<int>(planted.size()) && planted[static_cast<std::size_t>(c)] != '.')
                    cell.tiles = planted.substr(static_cast<std::size_t>(c), 1).c_str();
                if (cell.Top() != '|')
                    all += cell.tiles.str();
            }
        }
        Game().Cell(6, 6).tiles += "$$";
        Game().Cell(8, 5).tiles += "$$";
        Game().Cell(8, 5).faceDownCount = 0;
        Game().LetterBin().SetText(all.c_str(), kTextLetterBin);
    }
    std::string Input(const std::string& step)
    {
        if (step.rfind("take", 0) == 0)
            return At("click", Centre(Game().Cell(step[5] - '0', step[7] - '0'), 0));
        if (step == "check" || step == "cancel")  // the checkmark, or the X
            return At("click", Middle(step == "check" ? Game().Word().check.rect : Game().Cancel().rect));
        return step + "\n";
    }
};
}  // namespace

TEST_F(SpelunkerTest, APlantedCaveDugUntilTheLastDiamond)
{
    struct Step {
        const char* input;
        const char* word;
        int score;     // 5 x (letters)^2 a word; diamonds score nothing
        int face;      // the miner's cell, row x 15 + column
        int diamonds;  // collected
        bool lit74;    // the "o" at (7, 4), dark until the miner stands next to it
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"take 6 6", "", 0, 112, 0, false, true},  // diagonal to the miner and walled in
        {"take 7 6", "s", 0, 111, 0, false},
        {"take 8 6", "s", 0, 111, 0, false, true},  // next to the miner, but no word begins "sx"
        {"take 7 5", "st", 0, 110, 0, true},       // the torch reaches the "o"
        {"key ctrl+z", "s", 0, 111, 0, false},     // the "t" and the miner go back, the "o" dark again
        {"cancel", "", 0, 112, 0, false}, {"take 7 6", "s", 0, 111, 0, false},  // the X: the whole word back
        {"take 6 6", "s", 0, 111, 2, false},       // two diamonds above the miner: the word stays
        {"take 7 5", "st", 0, 110, 2, true}, {"take 7 4", "sto", 0, 109, 2, true},
        {"take 7 3", "stop", 0, 108, 2, true}, {"take 7 2", "stopp", 0, 107, 2, true},
        {"take 7 1", "stoppe", 0, 106, 2, true}, {"take 7 0", "stopper", 0, 105, 2, true},
        {"check", "", 245, 105, 2, true},  // 5 x 7 x 7
        {"take 8 0", "a", 245, 120, 2, true}, {"take 8 1", "at", 245, 121, 2, true},
    };
    Plant();
    for (const Step& step : steps) {
        PlayStep(Input(step.input), step.refused, step.input);
        EXPECT_EQ(Game().Word().Letters().str(), step.word) << step.input;
        EXPECT_EQ(Game().GetScore(), step.score) << step.input;
        EXPECT_EQ(Game().Digging().Face(), step.face) << step.input;
        EXPECT_EQ(Game().Diamonds().Length(), step.diamonds) << step.input;
        EXPECT_EQ(Game().Cell(7, 4).faceDownCount == 0, step.lit74) << step.input;
    }
    EXPECT_EQ(Game().Cell(8, 0).faceDownCount, 0);  // the torch lights the edge column too
    // The last two diamonds border the hole: collecting them scores the
    // word in progress, "at" (5 x 2 x 2), and wins, with the speed bonus of 300.
    const std::string out = Run("answer ok \"Play Again\"\n" + Input("take 8 5"));
    EXPECT_NE(out.find("dialog \"Game Over - Spelunker\""), std::string::npos) << out;
    EXPECT_EQ(Stat("Spelunker", "LatestScore"), 245 + 20 + 300);
}

// The soak relies on the torch's check: no dark cell lies beside the hole.
TEST_F(SpelunkerTest, SelfChecksCatchADarkCellBesideTheHole)
{
    Plant();
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().Cell(6, 8).faceDownCount = 1;  // next to the miner, yet dark
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("dark"), std::string::npos) << why;
}
