// Griddle through the real window: one planted grid played step by step to
// its end, and its self-checks catching a path that ends on a tile.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "games/Griddle.h"

namespace {
using namespace drivetest;

class GriddleTest : public DriveTest {
protected:
    CGriddle& Game() { return *dynamic_cast<CGriddle*>(app->CurrentGame()); }
    // Hand 1234 with only five letters left in the grid.
    void Plant()
    {
        Run("game 6 1234");
        for (int i = 0; i < CGriddle::kCells; ++i)
            Game().Cell(i / 7, i % 7).tiles = "";
        const std::tuple<int, int, const char*> letters[] = {{0, 0, "c"}, {0, 1, "a"}, {1, 1, "x"}, {3, 5, "r"}, {2, 2, "o"}};
        for (const auto& [row, column, letter] : letters)
            Game().Cell(row, column).tiles = letter;
        Game().LetterBin().SetText("caxro", kTextLetterBin);
    }
    // "pick R C" clicks a cell, "dbl R C" double-clicks it, "bolt" clicks the
    // lightning, "check" the check button; anything else is a driver line.
    std::string Input(const std::string& step)
    {
        const std::string verb = step.substr(0, step.find(' '));
        const int row = step[step.size() - 3] - '0', column = step.back() - '0';
        if (verb == "pick" || verb == "dbl")
            return At(verb == "pick" ? "click" : "dblclick", Centre(Game().Cell(row, column), 0));
        if (verb == "bolt")
            return At("click", Centre(Game().Lightning(), Game().Lightning().Length() - 1));
        return verb == "check" ? At("click", Middle(Game().Word().check.rect)) : step + "\n";
    }
};
}  // namespace

TEST_F(GriddleTest, APlantedGridPlayedToItsEnd)
{
    struct Step {
        const char* input;
        const char* word;
        int score;  // 26 a letter of a scored word, 50 off a lightning tile
        const char* pathEnd;
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"pick 0 0", "c", 0, "0 0"},
        {"pick 1 1", "c", 0, "0 0", true},  // next to the "c", but no word begins "cx"
        {"pick 2 2", "c", 0, "0 0", true},  // "co" begins words, but the "o" does not touch the "c"
        {"pick 0 1", "ca", 0, "0 1"},
        {"key ctrl+z", "c", 0, "0 0"},  // the letter goes back, and the path ends on the "c" again
        {"pick 0 1", "ca", 0, "0 1"},
        {"bolt", "ca", -50, "none"},  // the bolt fills the "a"'s cell; the next letter may be anywhere
        {"pick 3 5", "car", -50, "3 5"},
        {"dbl 3 5", "", 28, "none"},  // a double click on the emptied cell scores: 3 x 26
        {"pick 0 1", "", 28, "none", true},  // a lightning tile is no letter
        {"pick 2 2", "o", 28, "2 2"}, {"pick 1 1", "ox", 28, "1 1"},
    };
    Plant();
    for (const Step& step : steps) {
        PlayStep(Input(step.input), step.refused, step.input);
        EXPECT_EQ(Game().Word().Letters().str(), step.word) << step.input;
        EXPECT_EQ(Game().GetScore(), step.score) << step.input;
        EXPECT_EQ(ParseState(Game().DescribeState()).lines["pathEnd"], step.pathEnd) << step.input;
    }
    // "ox" leaves only the lightning tile: 2 x 26, and the speed bonus of 300.
    const std::string out = Run("answer ok \"Play Again\"\n" + Input("check"));
    EXPECT_NE(out.find("dialog \"Game Over - Griddle\""), std::string::npos) << out;
    EXPECT_EQ(Stat("Griddle", "LatestScore"), 28 + 52 + 300);
}

// The soak relies on Griddle's own checks: the path ends on an emptied cell,
// and the letter bin shows exactly the letters on the table.
TEST_F(GriddleTest, SelfChecksCatchAPathEndOnATileAndAStrayLetter)
{
    Plant();
    Run(Input("pick 0 0"));
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().Cell(0, 0).tiles = "c";  // the letter is back in its cell, yet still in the word
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("path ends on cell 0"), std::string::npos) << why;
    Game().Cell(0, 0).tiles = "";
    Game().LetterBin().StrikeLetter('x');  // struck, yet still in the grid
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("letter bin"), std::string::npos) << why;
}
