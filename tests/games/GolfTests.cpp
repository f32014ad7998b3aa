// Golf through the real window: one planted hand played step by step to its
// end, and its self-checks catching a stray letter.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "games/Golf.h"

namespace {
using namespace drivetest;

class GolfTest : public DriveTest {
protected:
    CGolf& Golf() { return *dynamic_cast<CGolf*>(app->CurrentGame()); }
    // Hand 1234 with one letter on each stack instead of its deal.
    void DealLetters(const char* letters)
    {
        Run("game 5 1234");
        for (int i = 0; i < CGolf::kStacks; ++i)
            Golf().Stack(i).tiles = std::string(1, letters[i]).c_str(), Golf().Stack(i).faceDownCount = 0;
        Golf().LetterBin().SetText(letters, kTextLetterBin);
    }
    // "take N" clicks stack N, "tile N" word tile N, "check" the check button,
    // "bomb" the bombs, "gap" double-clicks between two stacks; anything else is a driver line.
    std::string Input(const std::string& step)
    {
        const std::string verb = step.substr(0, step.find(' '));
        const int n = step.back() - '0';
        if (verb == "take")
            return At("click", Centre(Golf().Stack(n), 0));
        if (verb == "tile")
            return At("click", Centre(Golf().Word().word, n));
        if (verb == "check")
            return At("click", Middle(Golf().Word().check.rect));
        if (verb == "bomb")
            return At("click", Centre(Golf().Bombs(), Golf().Bombs().Length() - 1));
        const RECT a = Golf().Stack(0).Rect(Golf().TileSet()), b = Golf().Stack(1).Rect(Golf().TileSet());
        return verb == "gap" ? At("dblclick", {(a.right + b.left) / 2, (a.top + a.bottom) / 2}) : step + "\n";
    }
};
}  // namespace

TEST_F(GolfTest, APlantedHandPlayedToItsEnd)
{
    struct Step {
        const char* input;
        const char* word;
        int score;  // 23 a letter for a word, 25 off for a bomb
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"take 0", "p", 0}, {"take 3", "p", 0, true},  // no word begins "pq"
        {"take 1", "pe", 0}, {"take 2", "pen", 0},
        {"size 1000 700", "pen", 0}, {"size 300 260", "pen", 0},  // the check button once stayed behind at a resize
        {"tile 1", "p", 0},  // a word tile goes back with the ones after it
        {"key ctrl+z", "", 0},
        {"take 0", "p", 0}, {"take 1", "pe", 0}, {"take 2", "pen", 0},
        {"gap", "", 69},  // a double-click off the stacks scores: 3 x 23
        {"take 3", "q", 69}, {"bomb", "", 44},  // a bomb destroys the word
        {"take 4", "c", 44}, {"take 5", "ca", 44},
        {"gap", "ca", 44},  // "ca" is no word: only a click
        {"take 6", "cat", 44},
    };
    DealLetters("penqcat");
    for (const Step& step : steps) {
        const std::string before = Golf().DescribeState();
        Run(Input(step.input));
        EXPECT_EQ(Golf().Word().Letters().str(), step.word) << step.input;
        EXPECT_EQ(Golf().GetScore(), step.score) << step.input;
        EXPECT_TRUE(!step.refused || Golf().DescribeState() == before) << step.input << ": a refusal changed the game";
        std::string why;
        EXPECT_TRUE(Golf().CheckInvariants(why)) << step.input << ": " << why;
        const RECT w = Golf().Word().word.Rect(Golf().TileSet()), c = Golf().Word().check.rect;
        if (Golf().Word().check.visible) {  // just right of the word, level with it
            EXPECT_TRUE(c.left >= w.right && c.left < w.right + Golf().TileSet().TileWidth() && c.top < w.bottom &&
                        c.bottom > w.top) << step.input;
        }
    }
    // "cat" empties the last stack: 3 x 23, and the speed bonus of 300 for a
    // hand that took no time.
    const std::string out = Run("answer ok \"Play Again\"\n" + Input("check"));
    EXPECT_NE(out.find("dialog \"Game Over - Golf\""), std::string::npos) << out;
    EXPECT_EQ(Stat("Golf", "LatestScore"), 44 + 69 + 300);
}

// The soak relies on Golf's own checks: the letter bin shows exactly the
// letters on the table, and the word always begins a dictionary word.
TEST_F(GolfTest, SelfChecksCatchAStrayLetterAndAWordThatCannotGrow)
{
    DealLetters("penqcat");
    std::string why;
    ASSERT_TRUE(Golf().CheckInvariants(why)) << why;
    Golf().LetterBin().StrikeLetter('p');  // struck, yet still on the table
    EXPECT_FALSE(Golf().CheckInvariants(why));
    EXPECT_NE(why.find("letter bin"), std::string::npos) << why;
    Golf().LetterBin().SetText("penqcat", kTextLetterBin);
    Golf().Word().word.tiles = "zq";
    EXPECT_FALSE(Golf().CheckInvariants(why));
    EXPECT_NE(why.find("begins no dictionary word"), std::string::npos) << why;
}
