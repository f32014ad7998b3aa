// Vowel Strength through the real window: one planted hand played step by step
// to its end, and its self-checks catching a vowel in the letter bin.
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "games/Vowels.h"

namespace {
using namespace drivetest;

class VowelsTest : public DriveTest {
protected:
    CVowels& Game() { return *dynamic_cast<CVowels*>(app->CurrentGame()); }
    // Hand 1234 with the planted consonant stacks and a single 'a'.
    void Plant()
    {
        Run("game 13 1234");
        const char* stacks[] = {"ts", "p", "n", "t", ""};
        for (int i = 0; i < CVowels::kStacks; ++i) {
            Game().Stack(i).tiles = stacks[i];
            Game().Stack(i).faceDownCount = std::max(Game().Stack(i).Length() - 1, 0);
        }
        Game().VowelPile(0).tiles = "a";
        Game().VowelPile(0).faceDownCount = 0;
        Game().LetterBin().SetText("tspnt", kTextLetterBin);
    }
    // "take N" clicks stack N, "vowel N" vowel pile N, "check" the check
    // button; anything else is a driver line.
    std::string Input(const std::string& step)
    {
        const std::string verb = step.substr(0, step.find(' '));
        const int n = step.back() - '0';
        if (verb == "take")
            return At("click", Centre(Game().Stack(n), Game().Stack(n).Length() - 1));
        if (verb == "vowel")
            return At("click", Centre(Game().VowelPile(n), std::max(Game().VowelPile(n).Length() - 1, 0)));
        return verb == "check" ? At("click", Middle(Game().Word().check.rect)) : step + "\n";
    }
};
}  // namespace

TEST_F(VowelsTest, APlantedHandPlayedToItsEnd)
{
    struct Step {
        const char* input;
        const char* word;
        int score;  // 50 a consonant of a scored word, 25 off a vowel taken
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"take 0", "s", 0},  // the "t" under the "s" turns face up
        {"vowel 0", "sa", -25},
        {"vowel 0", "sa", -25, true},  // the 'a' pile is empty: nothing charged
        {"key ctrl+z", "s", -25},      // the 'a' goes back, its cost stays
        {"vowel 0", "sa", -50}, {"take 1", "sap", -50},
        {"take 2", "sap", -50, true},  // no word begins "sapn"
        {"check", "", 50},             // "sap": two consonants, 2 x 50
        {"take 0", "t", 50}, {"vowel 1", "te", 25}, {"take 2", "ten", 25},
    };
    Plant();
    for (const Step& step : steps) {
        PlayStep(Input(step.input), step.refused, step.input);
        EXPECT_EQ(Game().Word().Letters().str(), step.word) << step.input;
        EXPECT_EQ(Game().GetScore(), step.score) << step.input;
    }
    // "tent" empties the last stack, three vowels left over: 3 x 50, and the
    // speed bonus of 300 for a hand that took no time.
    Run(Input("take 3"));
    const std::string out = Run("answer ok \"Play Again\"\n" + Input("check"));
    EXPECT_NE(out.find("dialog \"Game Over - Vowel Strength\""), std::string::npos) << out;
    EXPECT_EQ(Stat("Vowels", "LatestScore"), 25 + 150 + 300);
}

// The soak relies on Vowel Strength's own checks: the letter bin shows exactly
// the consonants on the table, and the word always begins a dictionary word.
TEST_F(VowelsTest, SelfChecksCatchAVowelInTheBinAndAWordThatCannotGrow)
{
    Plant();
    std::string why;
    ASSERT_TRUE(Game().CheckInvariants(why)) << why;
    Game().LetterBin().SetText("tspnta", kTextLetterBin);  // vowels are never listed
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("letter bin"), std::string::npos) << why;
    Game().LetterBin().SetText("tspnt", kTextLetterBin);
    Game().Word().word.tiles = "zq";
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("begins no dictionary word"), std::string::npos) << why;
}
