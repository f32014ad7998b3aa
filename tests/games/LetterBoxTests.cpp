// Letter Box through the real window: one planted hand played to the word
// that brings the sets together, and its self-checks catching two tiles of
// different sets on top of each other.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "games/LetterBox.h"

namespace {
using namespace drivetest;

class LetterBoxTest : public DriveTest {
protected:
    CLetterBox& Game() { return *dynamic_cast<CLetterBox*>(app->CurrentGame()); }
    // Hand 1234 with left-set tiles "c" and "a" in front of "t", a "q", and
    // right-set tiles "s", "y" and a "z" already half a tile into the gap,
    // one row above the "q".
    void Plant()
    {
        Run("game 40 1234");
        for (CTilePile& cell : Game().Box().cells)
            cell.tiles = "";
        const struct { int a, b; const char* letter; } planted[] = {
            {4, 12, "c"}, {6, 12, "a"}, {5, 10, "t"}, {9, 12, "q"}, {5, 18, "s"}, {4, 20, "y"}, {8, 14, "z"}};
        for (const auto& p : planted)
            Game().Box().Cell(p.a, p.b).tiles = p.letter;
        Game().Box().Cell(8, 14).displayFlags |= CLetterBox::kRightSet;
    }
    // "cell A B" clicks that cell, "park A B" right-clicks it, "free K" clicks
    // that free cell, "check" the check button; anything else is a driver line.
    std::string Input(const std::string& step)
    {
        const std::string verb = step.substr(0, 4);
        if (verb == "cell" || verb == "park") {
            const int a = std::stoi(step.substr(5)), b = std::stoi(step.substr(step.rfind(' ')));
            return At("click", Centre(Game().Box().Cell(a, b), 0), verb == "park" ? " right" : "");
        }
        if (verb == "free")
            return At("click", Centre(Game().FreeCell(step[5] - '0'), 0));
        return step == "check" ? At("click", Middle(Game().Word().check.rect)) : step + "\n";
    }
};
}  // namespace

TEST_F(LetterBoxTest, APlantedHandPlayedUntilTheSetsTouch)
{
    struct Step {
        const char* input;
        const char* word;
        const char* parked;  // free cell 0
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"cell 5 10", "", "", true},  // "c" and "a" lie in front of "t"
        {"cell 4 12", "c", ""}, {"cell 6 12", "ca", ""}, {"key ctrl+z", "c", ""},
        {"park 6 12", "c", "a"},  // parking costs nothing and moves nothing
        {"free 1", "c", "a", true},  // an empty free cell gives nothing
        {"free 0", "ca", ""}, {"cell 5 10", "cat", ""}, {"cell 5 18", "cats", ""},
    };
    Plant();
    for (const Step& step : steps) {
        PlayStep(Input(step.input), step.refused, step.input);
        EXPECT_EQ(Game().Word().Letters().str(), step.word) << step.input;
        EXPECT_EQ(Game().FreeCell(0).tiles.str(), step.parked) << step.input;
        EXPECT_EQ(Game().GetScore(), 0) << step.input;
    }
    // "cats" scores 5 x 4 x 4 = 80. Then the sets move, but "z" would touch
    // "q" below it: the hand ends there, lost, with no speed bonus.
    const std::string out = Run("answer ok \"Play Again\"\n" + Input("check"));
    EXPECT_NE(out.find("dialog \"Game Over - Letter Box\""), std::string::npos) << out;
    EXPECT_EQ(Stat("LetterBox", "LatestScore"), 80);
}

// The soak relies on the game's own check: the sets never overlap.
TEST_F(LetterBoxTest, SelfChecksCatchTheSetsOverlapping)
{
    Plant();
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().Box().Cell(8, 14).tiles = "";
    Game().Box().Cell(8, 13).tiles = "z";  // half a tile from "q", one row above it
    Game().Box().Cell(8, 13).displayFlags |= CLetterBox::kRightSet;
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("overlaps"), std::string::npos) << why;
}
