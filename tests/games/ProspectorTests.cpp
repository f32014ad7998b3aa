// Prospector through the real window: a hand where a word is mined from the
// long word in order, the last letter's pick empties the rack and Undo brings
// it back, played until the clock runs out; and the self-checks catching a
// letter left standing before the last pick.
#include <gtest/gtest.h>

#include "WordHuntDriveSupport.h"
#include "app/GameFactory.h"
#include "dictionary/Dictionary.h"
#include "games/Prospector.h"

using namespace drivetest;

namespace {
class Prospector : public WordHuntDriveTest {
protected:
    // A three-letter word whose letters stand in this order in `source`, or "".
    std::string MinedWord(const std::string& source, std::string prefix = "", size_t from = 0)
    {
        if (prefix.size() == 3)
            return app->Dictionary().IsWord(prefix.c_str()) ? prefix : "";
        for (size_t i = from; i < source.size(); ++i)
            if (const std::string w = MinedWord(source, prefix + source[i], i + 1); !w.empty())
                return w;
        return "";
    }
};
}  // namespace

TEST_F(Prospector, AWordMinedInOrderUndoOfAThrowAwayAndTheClock)
{
    std::string source, word;
    FirstHand([&](unsigned hand) {
        source = ParseState(Run("game 31 " + std::to_string(hand) + "\nstate")).Pile("rack0").letters;
        word = MinedWord(source);
        return !word.empty() && app->Dictionary().IsPrefix(source.substr(9).c_str()) &&
               !app->Dictionary().IsPrefix((std::string(1, source[9]) + source[0]).c_str());
    });
    Play({
        {"type " + word, word, 0},
        {"key enter", "", 45},  // 5 x 3 x 3
        {"type " + word, word, 45},
        {"key enter", word, 45, true},  // a word scores once
        {"key escape", "", 45},
    });
    EXPECT_EQ(State().Pile("rack0").letters, source) << "the whole long word stands again";
    Play({
        {"place 9", source.substr(9), 45},
        {"type " + source.substr(0, 1), source.substr(9), 45, true},  // thrown away
    });
    EXPECT_EQ(State().Pile("rack0").letters, "..........") << "the last letter's pick empties the rack";
    Play({
        {"key ctrl+z", "", 45},
        {"wait 119000", "", 45},
    });
    EXPECT_EQ(State().Pile("rack0").letters, source) << "Undo brings back every letter thrown away";
    // The clock ends the hand, with the speed bonus of 300 less the 120 seconds taken.
    EXPECT_EQ(EndOfHand("Prospector"), 45 + 300 - 120);
}

TEST_F(Prospector, AnEmptyDealOnlyTheClockEndsAndSelfChecksCatchALetterLeftStanding)
{
    // A dictionary without ten-letter words deals nothing: an empty rack that stands until the clock runs out.
    CDictionary none;
    CProspector empty(CGameContext{&none, nullptr, FindGameDescriptor(31)});
    empty.Char('a');
    EXPECT_FALSE(empty.OnTimeUp());
    EXPECT_FALSE(empty.IsFinished());
    EXPECT_NE(empty.DescribeState().find("rack0: \"..........\""), std::string::npos) << empty.DescribeState();
    std::string why;
    EXPECT_TRUE(empty.CheckInvariants(why)) << why;

    Run("game 31 1234");
    Run(At("click", Centre(Place(9), 0)));
    Place(0).tiles = "a";
    ExpectCaught("place 0 left of the last pick still holds a tile");
}
