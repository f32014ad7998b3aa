// Hint through the real window: H and the menu outline the best move's tiles
// (the first time with the line that the hand leaves the high-score table),
// again the next best, a move clears it, and the hand remembers a hint was
// shown across a restart. Where letters are typed, H types; a table with no
// word shows "No move found".
#include <gtest/gtest.h>

#include "GameDriveSupport.h"
#include "app/Commands.h"
#include "games/Golf.h"
#include "platform/QtMainWindow.h"

namespace {
using namespace drivetest;

class Hint : public WordGameDriveTest {
protected:
    QImage ScreenImage() { return dynamic_cast<CQtMainWindow*>(app->Window())->ScreenImage(); }
};

// Whether the screen shows the hint's outline just outside the tile.
bool Outlined(const QImage& screen, const RECT& tile)
{
    return screen.pixelColor(tile.left - 1, (tile.top + tile.bottom) / 2) == QColor(255, 196, 0);
}
}  // namespace

TEST_F(Hint, ShowsTheBestMoveThenTheNextAndAMoveTakesItAway)
{
    Run("game 5 1234");
    CGame& golf = *app->CurrentGame();
    const std::vector<CMove> moves = golf.FindMoves();
    ASSERT_GE(moves.size(), 2u);
    const std::vector<RECT> best = golf.TilesOfMove(moves[0]);

    Run("type h");
    EXPECT_EQ(golf.HintTiles(), best);
    EXPECT_NE(golf.HintLine().find("high-score table"), std::string::npos);
    EXPECT_TRUE(Outlined(ScreenImage(), best[0]));
    EXPECT_TRUE(golf.HintWasShown());

    auto& window = *dynamic_cast<CQtMainWindow*>(app->Window());
    window.SendCommand(IDM_HINT, 0);
    window.ProcessPending();
    EXPECT_EQ(golf.HintTiles(), golf.TilesOfMove(moves[1]));
    EXPECT_EQ(golf.HintLine(), "") << "the table line shows once a hand";

    // Any move takes the hint off the table; the hand keeps that one was shown.
    Run(At("click", Middle(best[0])));
    EXPECT_TRUE(golf.HintTiles().empty());
    EXPECT_FALSE(Outlined(ScreenImage(), best[0]));
    Run("restart");
    EXPECT_TRUE(app->CurrentGame()->HintWasShown());
}

TEST_F(Hint, NoWordShowsNoMoveFoundAndTypedGamesTypeTheLetter)
{
    Run("game 5 1234");
    auto& golf = dynamic_cast<CGolf&>(*app->CurrentGame());
    for (int i = 0; i < CGolf::kStacks; ++i)
        golf.Stack(i).tiles = "qqqqqq";
    Run("type h");
    EXPECT_TRUE(golf.HintTiles().empty());
    EXPECT_EQ(golf.HintLine(), "No move found");
    EXPECT_FALSE(golf.HintWasShown()) << "no hint was given";

    Run("game 20 1234");  // Jumble: letters are typed
    Run("type h");
    EXPECT_FALSE(app->CurrentGame()->HintWasShown());
    EXPECT_EQ(app->CurrentGame()->HintLine(), "");
}
