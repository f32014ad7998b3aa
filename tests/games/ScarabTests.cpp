// Le Scarab: a scripted hand to an empty bag and rack, a broken turn caught,
// and the value of turns on boards built for them.
#include <gtest/gtest.h>

#include <functional>

#include "GameDriveSupport.h"
#include "games/Scarab.h"

using namespace drivetest;

namespace {
class Scarab : public WordGameDriveTest {
protected:
    CScarab& Game() { return dynamic_cast<CScarab&>(*app->CurrentGame()); }
    CTilePile& Cell(int row, int column) { return Game().Board().Cell(row, column); }
    CTilePile& Rack() { return const_cast<CTilePile&>(*Game().FindPile("rack")); }
    // Letters laid from (row, column) across or down, from earlier turns or this one.
    struct Word { int row, column; bool across; const char* letters; };
    void Lay(const Word& word, bool thisTurn)  // an earlier turn's squares have lost their bonus
    {
        for (int i = 0, r = word.row, c = word.column; word.letters[i]; ++i, r += !word.across, c += word.across) {
            Cell(r, c).tiles = std::string(1, word.letters[i]).c_str();
            Game().Placed(r, c) = thisTurn;
            Game().Board().Cell(r, c).marker = thisTurn ? Game().Board().Cell(r, c).marker : 0;
        }
    }
};
}  // namespace

TEST_F(Scarab, AHandFromTheFirstWordToAnEmptyBagAndRack)
{
    Run("game 19 1234");  // the rack: s e a o u s m
    const auto score = [&] { return At("click", Middle(Game().ScoreButton().rect)); };
    const struct { std::function<std::string()> input; bool refused; int score; } steps[] = {
        {[&] { return DragTile(Rack(), 0, Cell(6, 5)); }, false, 0},
        {[&] { return DragTile(Rack(), 0, Cell(6, 5)); }, true, 0},  // one tile a square
        {[&] { return DragTile(Rack(), 0, Cell(6, 6)) + DragTile(Rack(), 0, Cell(6, 7)); }, false, 0},
        {score, false, 3 * 10 * 4},                 // sea over the scarab: 3 letters x 10 x 4
        {[&] { return DragTile(Cell(6, 6), 0, Cell(8, 8)); }, true, 120},  // a scored tile stays
        {[] { return std::string("key ctrl+z\n"); }, true, 120},  // no undo
        {[&] { return DragTile(Rack(), 0, Cell(7, 5)); }, false, 120},
        {[&] { return At("click", Centre(Cell(7, 5), 0)); }, true, 120},      // lifted and put back: still in the turn
        {[&] { return At("dblclick", Centre(Cell(7, 5), 0)); }, false, 120},  // back to the rack
        {[&] { return "answer ok\n" + At("click", Middle(Game().RedrawButton().rect)); }, false, 120 - 150},
    };
    for (const auto& step : steps) {
        const std::string input = step.input();
        PlayStep(input, step.refused, input);
        EXPECT_EQ(State().score, step.score) << input;
    }
    EXPECT_EQ(State().lines.at("placed"), "none") << "the tile sent back left the turn";
    EXPECT_EQ(Rack().Length(), 7);
    // The bag runs dry: seat (4 x 10) empties the rack and ends the hand.
    const_cast<CTilePile&>(*Game().FindPile("bag")).tiles = "";
    Rack().tiles = "t";
    // The cross now offers to resign; No changes nothing.
    const std::string before = Run("state");
    const std::string asked = Run("answer no\n" + At("click", Middle(Game().RedrawButton().rect)));
    EXPECT_NE(asked.find("dialog \"Confirmation\""), std::string::npos) << asked;
    EXPECT_EQ(Run("state"), before);
    Run(DragTile(Rack(), 0, Cell(6, 8)));
    const std::string out = Run("answer cancel \"Play Again\"\n" + score());
    EXPECT_NE(out.find("dialog \"Game Over"), std::string::npos) << out;
    EXPECT_EQ(Stat("Scarab", "LatestScore"), 120 - 150 + 40);
}

TEST_F(Scarab, TheRulesCatchATurnSquareWithoutItsTile)
{
    Run("game 19 1234");
    std::string why;
    Game().Placed(0, 1) = true;
    EXPECT_FALSE(Game().CheckInvariants(why));
    EXPECT_NE(why.find("0,1"), std::string::npos) << why;
}

TEST_F(Scarab, TurnsAreValuedOnBoardsBuiltForThem)
{
    const struct { std::vector<Word> earlier, now; int value; const char* why; } turns[] = {
        {{}, {{6, 5, true, "cat"}}, 3 * 10 * 4, "the first word covers the scarab at the centre"},
        {{}, {{5, 5, true, "cat"}}, 0, "a first word away from the centre touches nothing"},
        {{{6, 5, true, "cat"}, {7, 8, true, "on"}}, {{6, 8, true, "s"}}, 40 + 20, "one tile makes cats and so"},
        {{{6, 6, true, "a"}}, {{6, 5, true, "c"}, {6, 7, true, "t"}}, 30, "an earlier tile fills the gap"},
        {{}, {{6, 5, true, "c"}, {6, 7, true, "t"}}, 0, "nothing fills the gap"},
        {{}, {{6, 6, true, "a"}, {7, 7, true, "t"}}, 0, "neither one row nor one column"},
        {{{6, 5, true, "cat"}}, {{7, 5, true, "x"}}, 0, "cx is no word"},
        {{}, {{6, 0, true, "example"}}, 7 * 10 * 2 * 4 + 100, "all seven tiles over a double and the scarab"},
        // x3 and x2 in one word, the cross word me through a plain square, all seven tiles.
        {{{1, 3, true, "e"}}, {{0, 0, true, "example"}}, 7 * 10 * 6 + 20 + 100, "a triple and a double"},
    };
    for (const auto& turn : turns) {
        Run("game 19 1234");
        for (const Word& word : turn.earlier)
            Lay(word, false);
        for (const Word& word : turn.now)
            Lay(word, true);
        EXPECT_EQ(Game().EvaluateTurn(), turn.value) << turn.why;
    }
}
