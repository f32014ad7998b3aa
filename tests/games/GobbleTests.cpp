// Gobble through the real window: a grid built for the typed-letter search (a
// whole word whose every letter could come from two cells, a path found only
// after backtracking, a letter on the grid but on no path), clicks that must touch the last cell,
// Undo, and the clock ending the hand with a word in hand; and the
// self-checks catching an undo record that does nothing.
#include <gtest/gtest.h>

#include "WordHuntDriveSupport.h"

using namespace drivetest;

namespace {
class Gobble : public WordHuntDriveTest {};
}  // namespace

TEST_F(Gobble, TypedLettersFindTheirPathAndAHandRunsOutTheClock)
{
    Plant(10, "tapeqapeqqqqteam");  // t a p e / q a p e / q q q q / t e a m
    struct Move {
        std::string input;
        std::string word, typed;  // the word row and the letters still waiting for their cells
        int score;
        bool refused = false;  // nothing at all changes
        const char* check = nullptr;  // when given, "shown" or "hidden" for the checkmark
    };
    const Move moves[] = {
        {"type a", "", "a", 0},  // three a cells: all wait, shown inverted
        {"type p", "", "ap", 0, false, "hidden"},  // two paths: still waiting
        {"type e", "", "ape", 0, false, "shown"},  // a whole word, though no letter is placed yet
        {"key enter", "", "", 45},  // placed along one path and scored: 5 x 3 x 3
        {"type a", "", "a", 45},
        {"place 0", "t", "", 45},  // the click wins; the typed a and its undo record go
        {"key ctrl+z", "", "", 45},
        {"key ctrl+z", "", "", 45, true},  // nothing left to undo
        {"type tea", "tea", "", 45},  // the top t leads nowhere: the search backtracks to the bottom one
        {"type t", "tea", "", 45, true},  // "teat", but no t touches the a
        {"key backspace", "te", "", 45},
        {"place 15", "te", "", 45, true},  // m does not touch the e
        {"type am", "team", "", 45, false, "shown"},
        {"wait 119000", "team", "", 45},
    };
    for (const Move& move : moves) {
        const std::string before = Run("state");
        Run(Input(move.input));
        const GameState s = State();
        EXPECT_EQ(s.Pile("word").letters, move.word) << move.input;
        EXPECT_EQ(s.Pile("typed").letters, move.typed) << move.input;
        EXPECT_EQ(s.score, move.score) << move.input;
        if (move.check) {
            EXPECT_EQ(s.lines.at("check"), move.check) << move.input;
        }
        if (move.refused) {
            EXPECT_EQ(s.text, before) << move.input;
        }
        if (move.word.empty() && move.typed.empty()) {
            EXPECT_EQ(s.lines.at("undo"), "hidden") << move.input;
            EXPECT_EQ(s.lines.at("cancel"), "hidden") << move.input;
        }
        std::string why;
        EXPECT_TRUE(app->CurrentGame()->CheckInvariants(why)) << move.input << ": " << why;
    }
    EXPECT_EQ(Place(1).displayFlags & kPileNegative, 0u) << "no cell is left inverted";
    // The last second scores team (5 x 4 x 4 = 80) and ends the hand, with the
    // speed bonus of 300 less the 120 seconds taken.
    EXPECT_EQ(EndOfHand("Gobble"), 45 + 80 + 300 - 120);
}

TEST_F(Gobble, SelfChecksCatchAnUndoRecordThatDoesNothing)
{
    Run("game 10 1234");
    app->CurrentGame()->UndoStack().Push(CUndoRecord{});
    ExpectCaught("the undo history holds 1 records for an empty word with 0 typed letters");
}
