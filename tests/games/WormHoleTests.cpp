// Worm Hole through the real window: one planted apple eaten step by step to
// its end, the worm following each letter, and its self-checks catching a
// stray worm.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "games/WormHole.h"

namespace {
using namespace drivetest;

class WormHoleTest : public DriveTest {
protected:
    CWormHole& Game() { return *dynamic_cast<CWormHole*>(app->CurrentGame()); }
    // Hand 1234 with the planted rows (the worm keeps the centre, '.' is empty).
    void Plant(std::initializer_list<const char*> rows)
    {
        Run("game 11 1234");
        std::string all;
        int r = 0;
        for (const char* row : rows) {
            for (int c = 0; c < CWormHole::kSide; ++c) {
                if (r == 3 && c == 3)
                    continue;
                CTilePile& cell = Game().Cell(r, c);
                cell.tiles = row[c] == '.' ? "" : std::string(1, row[c]);
                all += cell.tiles.str();
            }
            ++r;
        }
        Game().LetterBin().SetText(all.c_str(), kTextLetterBin);
    }
    // "take R C" clicks a cell, "tile N" word tile N, "check" the check
    // button, "star" the star pile; anything else is a driver line.
    std::string Input(const std::string& step)
    {
        const std::string verb = step.substr(0, step.find(' '));
        if (verb == "take")
            return At("click", Centre(Game().Cell(step[5] - '0', step[7] - '0'), 0));
        if (verb == "tile")
            return At("click", Centre(Game().Word().word, step.back() - '0'));
        if (verb == "check")
            return At("click", Middle(Game().Word().check.rect));
        return verb == "star" ? At("click", Centre(Game().Stars().pile, 0)) : step + "\n";
    }
};
}  // namespace

TEST_F(WormHoleTest, APlantedAppleEatenToItsEnd)
{
    struct Step {
        const char* input;
        const char* word;
        int score;  // 5 x (eaten letters)^2 a word, 25 off a spent star
        int face;   // the worm's cell, row x 7 + column
        int stars = 7;
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"take 0 0", "", 0, 24, 7, true},  // "o" and "s" hide it, and the worm is far
        {"take 1 0", "s", 0, 7}, {"take 0 2", "st", 0, 2},
        {"take 0 0", "st", 0, 2, 7, true},  // reachable now the worm is next to it, but no word begins "stp"
        {"key ctrl+z", "s", 0, 7},          // the "t" and the worm go back together
        {"tile 0", "", 0, 24},
        {"take 1 0", "s", 0, 7}, {"take 0 2", "st", 0, 2}, {"take 0 1", "sto", 0, 1}, {"take 0 0", "stop", 0, 0},
        {"check", "", 80, 0},  // 5 x 4 x 4
        {"take 4 3", "q", 80, 31},  // it borders the empty centre
        {"star", "qu", 55, 31, 6},  // the shortest word on "q" is "qua"
        {"take 5 3", "qua", 55, 38, 6},
    };
    Plant({"pot....", "s......", ".......", ".......", "...q...", "...a...", "......."});
    for (const Step& step : steps) {
        PlayStep(Input(step.input), step.refused, step.input);
        EXPECT_EQ(Game().Word().Letters().str(), step.word) << step.input;
        EXPECT_EQ(Game().GetScore(), step.score) << step.input;
        EXPECT_EQ(Game().Digging().Face(), step.face) << step.input;
        EXPECT_EQ(Game().Stars().pile.Length(), step.stars) << step.input;
    }
    // "qua" empties the apple: two eaten letters score 5 x 2 x 2 (the star's
    // "u" scores nothing), and the speed bonus of 300.
    const std::string out = Run("answer ok \"Play Again\"\n" + Input("check"));
    EXPECT_NE(out.find("dialog \"Game Over - Worm Hole\""), std::string::npos) << out;
    EXPECT_EQ(Stat("WormHole", "LatestScore"), 55 + 20 + 300);
}

// The soak relies on the digging's own check: the worm is in its cell and nowhere else.
TEST_F(WormHoleTest, SelfChecksCatchAStrayWorm)
{
    Plant({"pot....", "s......", ".......", ".......", "...q...", "...a...", "......."});
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().Cell(5, 5).tiles = "|";  // a second worm
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("face tile"), std::string::npos) << why;
}
