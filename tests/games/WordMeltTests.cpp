// Walls of Jericho through the real window: one planted hand played step by
// step to its end, keys and a smart star included, and its self-checks
// catching a stray letter.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "games/WordMelt.h"

namespace {
using namespace drivetest;

class WordMeltTest : public DriveTest {
protected:
    CWordMelt& Game() { return *dynamic_cast<CWordMelt*>(app->CurrentGame()); }
    // Hand 1234 with six letters left: "c" and "a" in the outer wall, "t" in
    // the next, "q" and "i" in the third, "t" in the centre.
    void Plant()
    {
        Run("game 14 1234");
        for (int i = 0; i < CWordMelt::kCells; ++i)
            Game().Cell(i / 7, i % 7).tiles = "";
        const std::tuple<int, int, const char*> letters[] = {{0, 0, "c"}, {6, 6, "a"}, {1, 1, "t"},
                                                            {2, 2, "q"}, {2, 3, "i"}, {3, 3, "t"}};
        for (const auto& [row, column, letter] : letters)
            Game().Cell(row, column).tiles = letter;
        Game().LetterBin().SetText("catqit", kTextLetterBin);
    }
    // "pick R C" clicks a cell, "star" the star pile, "check" the check
    // button; anything else is a driver line.
    std::string Input(const std::string& step)
    {
        const std::string verb = step.substr(0, step.find(' '));
        if (verb == "pick")
            return At("click", Centre(Game().Cell(step[5] - '0', step[7] - '0'), 0));
        if (verb == "star")
            return At("click", Centre(Game().Stars().pile, 0));
        return verb == "check" ? At("click", Middle(Game().Word().check.rect)) : step + "\n";
    }
};
}  // namespace

TEST_F(WordMeltTest, APlantedHandPlayedToItsEnd)
{
    struct Step {
        const char* input;
        const char* word;
        int score;  // 26 a letter from the walls, 25 off a star
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"pick 1 1", "", 0, true},  // the outer wall still stands
        {"type c", "c", 0}, {"pick 6 6", "ca", 0},
        {"pick 1 1", "cat", 0},  // the outer wall is down: the next one is in reach
        {"key ctrl+z", "ca", 0}, {"key escape", "", 0},  // the whole word goes back
        {"type cat", "cat", 0},
        {"key enter", "", 78},  // the check button is shown: 3 x 26
        {"pick 3 3", "", 78, true},  // the centre waits for the wall around it
        {"type z", "", 78, true},    // no reachable "z": nothing happens
        {"type q", "q", 78},
        {"star", "qu", 53},  // the shortest word on "q" is "qua"
        {"type i", "qui", 53}, {"pick 3 3", "quit", 53},
    };
    Plant();
    for (const Step& step : steps) {
        PlayStep(Input(step.input), step.refused, step.input);
        EXPECT_EQ(Game().Word().Letters().str(), step.word) << step.input;
        EXPECT_EQ(Game().GetScore(), step.score) << step.input;
    }
    // "quit" brings the last wall down: three letters from the walls score
    // 3 x 26 (the star's "u" scores nothing), and the speed bonus of 300.
    const std::string out = Run("answer ok \"Play Again\"\n" + Input("check"));
    EXPECT_NE(out.find("dialog \"Game Over - Walls of Jericho\""), std::string::npos) << out;
    EXPECT_EQ(Stat("WordMelt", "LatestScore"), 53 + 78 + 300);
}

// The soak relies on the game's own checks: the letter bin shows the dealt
// letters on the table, and the star letters lie in the word.
TEST_F(WordMeltTest, SelfChecksCatchAStrayLetterAndALostStarLetter)
{
    Plant();
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().LetterBin().StrikeLetter('q');  // struck, yet still in a wall
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("letter bin"), std::string::npos) << why;
    Game().LetterBin().SetText("catqit", kTextLetterBin);
    Game().Stars().letters = "u";
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("star letters"), std::string::npos) << why;
}
