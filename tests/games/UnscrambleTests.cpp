// Unscramble through the real window: the five rows of a hand spelled one by
// one (a row locked while another is in progress, Undo, shuffling for free,
// Auto Solve for points) to the end of the hand; and the self-checks
// catching a row that no longer holds the letters of its word.
#include <gtest/gtest.h>

#include <sstream>

#include "WordHuntDriveSupport.h"
#include "games/Unscramble.h"

using namespace drivetest;

namespace {
class Unscramble : public WordHuntDriveTest {
protected:
    CUnscramble& Game() { return dynamic_cast<CUnscramble&>(*app->CurrentGame()); }
    // "shuffle N" and "solve N" click row N's buttons.
    std::string Input(const std::string& step) override
    {
        const int row = step.back() - '0';
        if (step.rfind("shuffle", 0) == 0)
            return At("click", Middle(Game().ShuffleButton(row).rect));
        if (step.rfind("solve", 0) == 0)
            return At("click", Middle(Game().AutoSolveButton(row).rect));
        return WordHuntDriveTest::Input(step);
    }
    // The clicks that spell `word` from row r as it lies, then the checkmark.
    std::vector<Step> Spell(int r, const std::string& word, int score)
    {
        std::string row = State().Pile("rack" + std::to_string(r)).letters;
        std::vector<Step> steps;
        for (size_t k = 0; k < word.size(); ++k) {
            const size_t c = row.find(word[k]);
            row[c] = '.';
            steps.push_back({"place " + std::to_string(r * CUnscramble::kColumns + static_cast<int>(c)),
                             word.substr(0, k + 1), score});
        }
        steps.push_back({"check", "", score + 5 * static_cast<int>(word.size() * word.size())});
        return steps;
    }
};
}  // namespace

TEST_F(Unscramble, FiveRowsSpelledOneAtATimeToTheEndOfTheHand)
{
    Run("game 32 1234");
    std::istringstream in(State().lines.at("answers"));
    std::string answers[5];
    for (std::string& answer : answers)
        in >> answer;
    const Step first = Spell(0, answers[0], 0)[0];
    Play({first,
          {"place 8", first.word, 0, true},  // another row is locked, silently
          {"key ctrl+z", "", 0},
          {"shuffle 0", "", 0},  // free
          {"wait 10000", "", 0}});
    Play(Spell(0, answers[0], 0));  // 5 x 4 x 4 = 80
    Play({{"solve 1", "", 80 - 250}});  // 50 points for each of its 5 letters, at the press
    EXPECT_EQ(State().Pile("rack1").letters.substr(0, 5), answers[1]);
    Play(Spell(1, answers[1], -170));  // + 125
    Play({{"solve 2", "", -45 - 300}});
    Play(Spell(2, answers[2], -345));  // + 180
    Play({{"solve 3", "", -165 - 350}});
    Play(Spell(3, answers[3], -515));  // + 245
    Play({{"solve 4", "", -270 - 400}});
    std::vector<Step> steps = Spell(4, answers[4], -670);
    steps.pop_back();
    Play(steps);
    // The last word (+ 320) ends the hand, with the speed bonus of 300 less the 10 seconds taken.
    Run("answer cancel \"Play Again\"");
    EXPECT_NE(Run(Input("check")).find("dialog \"Game Over"), std::string::npos);
    EXPECT_EQ(Stat("Unscramble", "LatestScore"), -350 + 300 - 10);
}

TEST_F(Unscramble, SelfChecksCatchARowWithoutTheLettersOfItsWord)
{
    Run("game 32 1234");
    Place(0).tiles = Place(0).tiles == CStr("q") ? "z" : "q";
    ExpectCaught("row 0 holds");
}
