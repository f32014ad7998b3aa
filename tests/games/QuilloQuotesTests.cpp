// Quillo's Quotes through the real window: the third quotation dealt, its
// letters planted in the deck in an order that spells it, a dealing press
// that is no peek, a refused tile, a turn undone, a peek paid for and every
// word uncovered to the end of the hand (the last tile dropped just past the
// row); the tile account catches a lost tile.
#include <gtest/gtest.h>

#include <algorithm>

#include "GameDriveSupport.h"

using namespace drivetest;

namespace {
class QuilloQuotes : public DriveTest {
protected:
    // The drag pile, the five rows, the deck, the waste and the done pile.
    CTilePile& Listed(int k)
    {
        std::vector<const CTilePile*> piles;
        app->CurrentGame()->ListPiles(piles);
        return const_cast<CTilePile&>(*piles.at(static_cast<size_t>(k)));
    }
    CTilePile& Deck() { return Listed(6); }
    std::string Input(const std::string& step)
    {
        const int w = app->CurrentGame()->TileSet().TileWidth();
        if (step == "turn")
            return At("click", Centre(Deck(), 0));
        if (step == "peek")  // the quotation begins three tiles right of the deck
            return At("click", {Centre(Deck(), 0).x + 4 * w, Centre(Deck(), 0).y});
        if (step.rfind("row ", 0) == 0)
            return At("click", Centre(Listed(1 + step[4] - '0'), 0));
        return step + "\n";
    }
    // The quotation's letters, turned in this order, spell it word by word.
    static constexpr const char* kTurns = "tmosthedangerousfoodisweddingcake";
};
}  // namespace

TEST_F(QuilloQuotes, AQuotationUncoveredWordByWord)
{
    Run("game 1 1\ngame 1 1234");  // every hand deals the next quotation
    ASSERT_EQ(State().Pile("quote").letters, "The most dangerous food is wedding cake.");
    Run(Input("peek"));  // the first press deals, even on the quotation: no peek is charged
    EXPECT_EQ(State().score, 0);
    std::string turns = kTurns;
    std::reverse(turns.begin(), turns.end());
    Deck().tiles = turns.c_str();
    struct Step {
        std::string input;
        std::string table;  // rows 0 and 1, the waste's top
        int score;          // 26 a letter of an uncovered word, 25 off a peek
        bool changes = true;
    };
    const Step steps[] = {
        {"turn", "||t", 0},         {"key ctrl+z", "||", 0},  {"turn", "||t", 0},
        {"row 0", "t||", 0},        {"turn", "t||m", 0},      {"row 1", "t|m|", 0},
        {"turn", "t|m|o", 0},       {"row 0", "t|m|o", 0, false},  // no hidden word begins "to" or "o"
        {"row 1", "t|mo|", 0},      {"turn", "t|mo|s", 0},    {"row 1", "t|mos|", 0},
        {"turn", "t|mos|t", 0},     {"row 1", "t||", 104},  // "most" uncovered: 4 x 26
        {"peek", "t||", 79},
    };
    for (const Step& step : steps) {
        const std::string before = Run("state");
        Run(Input(step.input));
        const GameState s = State();
        const std::string waste = s.Pile("waste").letters, top = waste.empty() ? "" : waste.substr(waste.size() - 1);
        EXPECT_EQ(s.Pile("row0").letters + "|" + s.Pile("row1").letters + "|" + top, step.table) << step.input;
        EXPECT_EQ(s.score, step.score) << step.input;
        EXPECT_EQ(s.text != before, step.changes) << step.input;
        std::string why;
        EXPECT_TRUE(app->CurrentGame()->CheckInvariants(why)) << step.input << ": " << why;
    }
    for (size_t n = 5; n + 1 < std::string(kTurns).size(); ++n)
        Run(Input("turn") + Input("row 0"));
    EXPECT_EQ(State().Pile("row0").letters, "cak");
    // "e" ends the last word: all 33 letters at 26, less the peek, and the
    // speed bonus of 300 for a hand that took no time.
    // It is dragged to the empty place just past the row's last tile: the
    // word's own flight into the done pile must not end the hand a second time.
    Run(Input("turn"));
    const POINT from = Centre(Listed(7), 0), to = Centre(Listed(1), 3);
    const std::string out =
        Run("answer cancel \"Play Again\"\ndrag " + Point(from.x, from.y) + " " + Point(to.x, to.y));
    EXPECT_EQ(out.find("dialog \"Game Over"), out.rfind("dialog \"Game Over")) << out;
    EXPECT_NE(out.find("dialog \"Game Over"), std::string::npos) << out;
    EXPECT_EQ(Stat("QuilloQuotes", "LatestScore"), 33 * 26 - 25 + 300);
}

TEST_F(QuilloQuotes, TheTileAccountCatchesALostTile)
{
    Run("game 1 1234\n" + Input("row 0"));
    std::string why;
    ASSERT_TRUE(app->CurrentGame()->CheckInvariants(why)) << why;
    Deck().tiles.DropLast(1);
    EXPECT_FALSE(app->CurrentGame()->CheckInvariants(why));
    EXPECT_NE(why.find("vanished"), std::string::npos) << why;
}
