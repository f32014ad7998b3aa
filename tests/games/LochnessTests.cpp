// Loch Ness through the real window: one planted hand played step by step to
// its end, smart stars included, and its self-checks catching a lost star letter.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "games/Lochness.h"

namespace {
using namespace drivetest;

class LochnessTest : public DriveTest {
protected:
    CLochness& Game() { return *dynamic_cast<CLochness*>(app->CurrentGame()); }
    // Hand 1234 with the planted stacks instead of its deal; all but the last tile face down.
    void Plant(std::initializer_list<const char*> stacks)
    {
        Run("game 3 1234");
        std::string all;
        int i = 0;
        for (const char* letters : stacks) {
            CTilePile& stack = Game().Stack(i++);
            stack.tiles = letters;
            stack.faceDownCount = stack.Length() - 1;
            all += letters;
        }
        Game().LetterBin().SetText(all.c_str(), kTextLetterBin);
    }
    // "take N" clicks stack N, "tile N" word tile N, "check" the check button,
    // "star" the star pile, "dblstar" a double click on it; anything else is
    // a driver line.
    std::string Input(const std::string& step)
    {
        const std::string verb = step.substr(0, step.find(' '));
        const int n = step.back() - '0';
        if (verb == "take")
            return At("click", Centre(Game().Stack(n), Game().Stack(n).Length() - 1));
        if (verb == "tile")
            return At("click", Centre(Game().Word().word, n));
        if (verb == "check")
            return At("click", Middle(Game().Word().check.rect));
        if (verb == "dblstar")
            return At("dblclick", Centre(Game().Stars().pile, 0));
        return verb == "star" ? At("click", Centre(Game().Stars().pile, 0)) : step + "\n";
    }
};
}  // namespace

TEST_F(LochnessTest, APlantedHandPlayedToItsEnd)
{
    struct Step {
        const char* input;
        const char* word;
        int score;            // 5 x (letters from the stacks)^2 a word, 25 off a spent star
        int stack0Down = 0;   // face-down tiles left on stack 0
        int stars = 10;
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"take 0", "s", 0}, {"take 1", "st", 0},  // the "p" above the "s" turns face up
        {"take 4", "st", 0, 0, 10, true},         // no word begins "stq"
        {"key ctrl+z", "s", 0},
        {"tile 0", "", 0, 1},  // the word goes back, and the "p" face down again
        {"take 0", "s", 0}, {"take 1", "st", 0}, {"take 2", "ste", 0}, {"take 0", "step", 0},
        {"star", "", 80},          // "step" is its own shortest word: scored, no star spent
        {"take 4", "q", 80},
        {"dblstar", "qu", 55, 0, 9},  // one star, as a click: the shortest word on "q" is "qua"
        {"take 3", "qua", 55, 0, 9}, {"take 5", "quai", 55, 0, 9}, {"take 6", "quain", 55, 0, 9},
        {"take 1", "quaint", 55, 0, 9},
    };
    Plant({"ps", "tt", "e", "a", "q", "i", "n"});
    for (const Step& step : steps) {
        PlayStep(Input(step.input), step.refused, step.input);
        EXPECT_EQ(Game().Word().Letters().str(), step.word) << step.input;
        EXPECT_EQ(Game().GetScore(), step.score) << step.input;
        EXPECT_EQ(Game().Stack(0).faceDownCount, step.stack0Down) << step.input;
        EXPECT_EQ(Game().Stars().pile.Length(), step.stars) << step.input;
    }
    // "quaint" empties the last stack: five letters from the stacks score
    // 5 x 25 (the star's "u" scores nothing), and the speed bonus of 300.
    const std::string out = Run("answer ok \"Play Again\"\n" + Input("check"));
    EXPECT_NE(out.find("dialog \"Game Over - Loch Ness\""), std::string::npos) << out;
    EXPECT_EQ(Stat("Lochness", "LatestScore"), 55 + 125 + 300);
}

// The soak relies on Loch Ness's own checks: the star letters lie in the word,
// and the letter bin shows the dealt letters on the table.
TEST_F(LochnessTest, SelfChecksCatchALostStarLetterAndAStrayLetter)
{
    Plant({"ps", "tt", "e", "a", "q", "i", "n"});
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().Stars().letters = "u";  // a star letter that is not in the word
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("star letters"), std::string::npos) << why;
    Game().Stars().letters = "";
    Game().LetterBin().StrikeLetter('q');  // struck, yet still on the table
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("letter bin"), std::string::npos) << why;
}
