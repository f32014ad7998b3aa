// Cross Ways through the real window: a crossword planted on the grid, its
// last tile moved by drag and drop, the value following every move, and the
// checkmark's end of the hand with the seconds left; a wrong score caught.
#include <gtest/gtest.h>

#include <functional>

#include "GameDriveSupport.h"

using namespace drivetest;

namespace {
class CrossWays : public WordGameDriveTest {
protected:
    // The drag pile, the 49 cells row by row, the top rack, the side rack.
    CTilePile& Pile(int listed)
    {
        std::vector<const CTilePile*> piles;
        app->CurrentGame()->ListPiles(piles);
        return const_cast<CTilePile&>(*piles.at(static_cast<size_t>(listed)));
    }
    CTilePile& Cell(int row, int column) { return Pile(1 + row * 7 + column); }
    CTilePile& TopRack() { return Pile(50); }
    CTilePile& SideRack() { return Pile(51); }
};
}  // namespace

TEST_F(CrossWays, ACrosswordValuedAfterEveryMoveAndFinishedWithTheSecondsLeft)
{
    Run("game 17 1234");
    // bread across; bite and dome down from its ends; ear across from bite's e.
    const char* rows[] = {"bread", "i...o", "t...m", "ear.e"};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c)
            Cell(r, c).tiles = rows[r][c] == '.' ? "" : std::string(1, rows[r][c]).c_str();
    TopRack().tiles = "s";
    SideRack().tiles = "";
    struct Step {
        std::function<std::string()> input;
        bool changes;
        int score;  // after the step when it changes the game
    };
    const Step steps[] = {
        {[&] { return DragTile(TopRack(), 0, Cell(0, 0)); }, false, 0},  // an occupied cell refuses it
        // bread 5 + bite 4 + dome 4 + ear 3 letters, 40 each; a tile is still on a rack.
        {[&] { return DragTile(TopRack(), 0, SideRack()); }, true, 16 * 40},
        // domes: 17 letters, and both racks empty: 250 more.
        {[&] { return DragTile(SideRack(), 0, Cell(4, 4)); }, true, 17 * 40 + 250},
        {[&] { return DragTile(Cell(4, 4), 0, Cell(5, 6)); }, true, 0},  // a tile apart: nothing counts
        {[&] { return DragTile(Cell(5, 6), 0, Cell(4, 4)); }, true, 930},
        {[] { return std::string("key ctrl+z\n"); }, false, 0},  // no undo in this game
    };
    for (const Step& step : steps) {
        const std::string before = Run("state"), input = step.input();
        Run(input);
        const GameState after = State();
        EXPECT_EQ(after.text != before, step.changes) << input << before;
        if (step.changes) {
            EXPECT_EQ(after.score, step.score) << input;
            EXPECT_EQ(after.lines.at("check"), step.score > 0 ? "shown" : "hidden") << input;
        }
    }
    // Two seconds pass; a double click off the tiles finishes: 930 + 5 x 118.
    Run("wait 2000");
    const std::string out = Run("answer cancel \"Play Again\"\n" + At("dblclick", Centre(Cell(6, 0), 0)));
    EXPECT_NE(out.find("dialog \"Game Over"), std::string::npos) << out;
    EXPECT_EQ(Stat("Adlib", "LatestScore"), 930 + 5 * 118);

    // Time runs out on a crossword that does not count: the hand ends at 0.
    Run("game 17 1234\n" + DragTile(TopRack(), 0, Cell(3, 3)) + "answer cancel \"Play Again\"\nwait 121000");
    EXPECT_EQ(Stat("Adlib", "LatestScore", -1), 0);
}

TEST_F(CrossWays, TheRulesCatchAScoreThatIsNotTheCrosswordsValue)
{
    Run("game 17 1234");
    std::string why;
    ASSERT_TRUE(app->CurrentGame()->CheckInvariants(why)) << why;
    app->CurrentGame()->Hand().score = 40;
    EXPECT_FALSE(app->CurrentGame()->CheckInvariants(why));
    EXPECT_NE(why.find("score"), std::string::npos) << why;
}
