// Jumble through the real window: a hand played step by step until the clock
// runs out with a word in hand, and the self-checks catching a doubled place.
#include <gtest/gtest.h>

#include <functional>

#include "GameDriveSupport.h"
#include "dictionary/Dictionary.h"

using namespace drivetest;

namespace {
class Jumble : public WordGameDriveTest {
protected:
    // Jumble lists the drag pile, its seven places and the word row.
    CTilePile& Listed(int k)
    {
        std::vector<const CTilePile*> piles;
        app->CurrentGame()->ListPiles(piles);
        return const_cast<CTilePile&>(*piles.at(static_cast<size_t>(k)));
    }
    // A word of `length` letters spelled from the rack, each tile once, or "".
    std::string WordOf(const std::string& rack, size_t length, std::string prefix = "", unsigned used = 0)
    {
        if (prefix.size() == length)
            return app->Dictionary().IsWord(prefix.c_str()) && prefix != rack ? prefix : "";
        for (size_t i = 0; i < rack.size(); ++i)
            if (!(used >> i & 1))
                if (const std::string w = WordOf(rack, length, prefix + rack[i], used | 1u << i); !w.empty())
                    return w;
        return "";
    }
};
}  // namespace

TEST_F(Jumble, AHandPlayedUntilTheClockRunsOutWithANewWordInHand)
{
    std::string rack, three, four;
    FirstHand([&](unsigned hand) {
        rack = ParseState(Run("game 20 " + std::to_string(hand) + "\nstate")).Pile("rack0").letters;
        return !(three = WordOf(rack, 3)).empty() && !(four = WordOf(rack, 4)).empty();
    });
    struct Step {
        std::string input;
        std::string word;
        int score;  // 5 x length x length for each new word
        bool refused = false;  // nothing at all changes
    };
    const Step steps[] = {
        {"type " + rack, rack, 0},
        {"key enter", rack, 0, true},  // the dealt word is in the bin from the start
        {"key escape", "", 0},
        {"type " + three, three, 0},
        {"key enter", "", 45},
        {"type " + three, three, 45},
        {"key enter", three, 45, true},  // a word scores once
        {"key escape", "", 45},
        {"type " + four, four, 45},
        {"key backspace", four.substr(0, 3), 45},
        {"tile 1", four.substr(0, 1), 45},  // a word tile goes back with the ones after it
        {"key ctrl+z", "", 45},
        {"type " + four, four, 45},
        {"wait 89000", four, 45},
    };
    for (const Step& step : steps) {
        const std::string before = Run("state");
        Run(step.input == "tile 1" ? At("click", Centre(Listed(8), 1)) : step.input);
        const GameState s = State();
        EXPECT_EQ(s.Pile("word").letters, step.word) << step.input;
        EXPECT_EQ(s.score, step.score) << step.input;
        if (step.refused) {
            EXPECT_EQ(s.text, before) << step.input;
        }
        if (step.word.empty()) {
            EXPECT_EQ(s.Pile("rack0").letters, rack) << step.input << ": every tile back on its place";
        }
        std::string why;
        EXPECT_TRUE(app->CurrentGame()->CheckInvariants(why)) << step.input << ": " << why;
    }
    // The last second scores the new word in hand (80) and ends the hand,
    // with the speed bonus of 300 less the 90 seconds taken.
    const std::string out = Run("answer cancel \"Play Again\"\nwait 1000");
    EXPECT_NE(out.find("dialog \"Game Over"), std::string::npos) << out;
    EXPECT_EQ(Stat("Jumble", "LatestScore"), 45 + 80 + 300 - 90);
}

TEST_F(Jumble, SelfChecksCatchTwoTilesOnOnePlace)
{
    Run("game 20 1234");
    std::string why;
    ASSERT_TRUE(app->CurrentGame()->CheckInvariants(why)) << why;
    Listed(1).tiles += Listed(2).tiles;
    Listed(2).tiles = "";
    EXPECT_FALSE(app->CurrentGame()->CheckInvariants(why));
    EXPECT_NE(why.find("a place holds 2 tiles"), std::string::npos) << why;
}
