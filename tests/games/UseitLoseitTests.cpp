// Use It or Lose It through the real window: a planted rack where each scored
// word becomes the new rack, played until the clock runs out, and the
// self-checks catching a word letter that came from no place.
#include <gtest/gtest.h>

#include "WordHuntDriveSupport.h"

using namespace drivetest;

namespace {
class UseitLoseit : public WordHuntDriveTest {
protected:
    std::string Rack() { return State().Pile("rack0").letters; }
};
}  // namespace

TEST_F(UseitLoseit, EachScoredWordBecomesTheRackUntilTheClockRunsOut)
{
    Plant(30, "staretone");
    // No keyboard: a word is scored by a double click away from the tiles (here an emptied place).
    Play({
        {"place 0", "s", 0},
        {"place 1", "st", 0},
        {"place 7", "st", 0, true},  // n: no word begins "stn"
        {"type a", "st", 0, true},
        {"key enter", "st", 0, true},
        {"place 2", "sta", 0},
        {"place 3", "star", 0},
        {"place 4", "stare", 0},
        {"dblclick " + Point(Centre(Place(0), 0).x, Centre(Place(0), 0).y), "", 125},  // 5 x 5 x 5
    });
    EXPECT_EQ(Rack(), "stare....") << "the letters not used are lost";
    Play({
        {"place 1", "t", 125},
        {"place 4", "te", 125},
        {"place 2", "tea", 125},
        {"dblclick " + Point(Centre(Place(1), 0).x, Centre(Place(1), 0).y), "", 170},  // 5 x 3 x 3
    });
    EXPECT_EQ(Rack(), "tea......");
    Play({
        {"place 0", "t", 170},
        {"tile 0", "", 170},  // a word tile goes back
        {"wait 89000", "", 170},
    });
    // The clock ends the hand, with the speed bonus of 300 less the 90 seconds taken.
    EXPECT_EQ(EndOfHand("UseitLoseit"), 170 + 300 - 90);
}

TEST_F(UseitLoseit, SelfChecksCatchAWordLetterFromNoPlace)
{
    Run("game 30 1234");
    Word().tiles = "a";
    ExpectCaught("letter 1 of the word has no empty place to go back to");
}

TEST_F(UseitLoseit, ARackThatSpellsNoNewWordEndsTheHand)
{
    Plant(30, "ox.......");
    Play({{"place 0", "o", 0}, {"place 1", "ox", 0}});
    // "ox" scores 5 x 2 x 2 and becomes the rack, which spells no word not
    // yet found: the hand ends at once, with the speed bonus of 300.
    const POINT emptied = Centre(Place(0), 0);
    const std::string out = Run("answer cancel \"Play Again\"\ndblclick " + Point(emptied.x, emptied.y) + "\nwait 100");
    EXPECT_NE(out.find("dialog \"Game Over"), std::string::npos) << out;
    EXPECT_EQ(Stat("UseitLoseit", "LatestScore"), 20 + 300);
}
