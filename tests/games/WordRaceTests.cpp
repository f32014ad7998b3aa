// Word Speed through the real window: a planted grid played until the clock
// runs out with a word in hand, and the self-checks catching a wrong score.
#include <gtest/gtest.h>

#include "WordHuntDriveSupport.h"

using namespace drivetest;

namespace {
class WordRace : public WordHuntDriveTest {};
}  // namespace

TEST_F(WordRace, AHandPlayedUntilTheClockRunsOutWithANewWordInHand)
{
    Plant(22, "staretone");  // s t a / r e t / o n e
    Play({
        {"type tea", "tea", 0},
        {"key enter", "", 45},  // 5 x 3 x 3
        {"type tea", "tea", 45},
        {"key enter", "tea", 45, true},  // a word scores once
        {"key escape", "", 45},
        {"type st", "st", 45},  // the first t in row order: place 1
        {"place 7", "st", 45, true},  // n: no word begins "stn"
        {"place 5", "st", 45, true},  // the other t: no word begins "stt" either
        {"key ctrl+z", "s", 45},
        {"type tare", "stare", 45},
        {"wait 59000", "stare", 45},
    });
    EXPECT_EQ(Place(1).tiles.str(), "") << "the first t in row order went to the word";
    // The last second scores stare (5 x 5 x 5 = 125) and ends the hand, with
    // the speed bonus of 300 less the 60 seconds taken.
    EXPECT_EQ(EndOfHand("WordRace"), 45 + 125 + 300 - 60);
}

TEST_F(WordRace, SelfChecksCatchAScoreNoWordEarned)
{
    Run("game 22 1234");
    app->CurrentGame()->Hand().score += 5;
    ExpectCaught("the score is 5, the words earned 0");
}
