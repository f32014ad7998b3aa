// CGame: drag and drop with face-down accounting, undo, MoveTile, the clock.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "framework/Game.h"

using namespace testsupport;

namespace {
constexpr int W = 64, H = 64;

// A bare game with two columns, counting the hooks the base calls.
class ColumnsGame : public CGame {
public:
    ColumnsGame() : CGame(testsupport::TestGameContext())
    {
        for (CTilePile* pile : {&left, &right}) {
            pile->Configure(0x130, kFanDown);
            pile->faceDownGlyph = ' ';
        }
        left.SetPosition(20, 20);
        right.SetPosition(300, 20);
        AddPile(left, "left");
        AddPile(right, "right");
    }
    void AfterMove() override { ++afterMoves; }
    bool OnTimeUp() override
    {
        ++timeUps;
        return handleTimeUp;
    }
    bool IsFinishedAfterDrop(CTilePile* target) override { return target->Length() >= finishAt; }

    CTilePile left, right;
    int afterMoves = 0;
    int timeUps = 0;
    bool handleTimeUp = false;
    int finishAt = 1000;
    using CGame::m_clockRunning;
    using CGame::m_undo;
};

struct GameTest : GameTestBase {
    std::unique_ptr<ColumnsGame> game = std::make_unique<ColumnsGame>();

    void SetUp() override { Show(*game); }
    // Press on the tile and drag it well away.
    void Lift(CTilePile& pile, int count)
    {
        const int index = pile.Length() - count;
        const int x = pile.TileX(game->TileSet(), index) + 5, y = pile.TileY(game->TileSet(), index) + 5;
        game->Mouse(MouseMessage::LButtonDown, x, y, MK_LBUTTON);
        game->BeginDrag(&pile, count, x, y);
    }
    // Both columns as "tiles/face-down tiles".
    std::string Cols() const
    {
        return game->left.tiles.str() + "/" + std::to_string(game->left.faceDownCount) + " " +
               game->right.tiles.str() + "/" + std::to_string(game->right.faceDownCount);
    }
};
}  // namespace

// Lifting the face-up part, or face-down tiles with it: the drop turns the
// new top tile face up, and Undo (or a cancel) puts the source as it was.
TEST_F(GameTest, FaceDownAccountingThroughLiftDropCancelAndUndo)
{
    const struct {
        int count, dragDown;
        const char *lifted, *dropped;
    } cases[] = {
        {2, 0, "abc/3 /0", "abc/2 de/0"},  // the face-up part
        {4, 2, "a/1 /0", "a/0 bcde/2"},    // face-down tiles travel with the drag
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        game->left.tiles = "abcde";
        game->left.faceDownCount = 3;
        game->right.tiles = "";
        Lift(game->left, c.count);  // released on no pile: cancelled
        game->Mouse(MouseMessage::Move, 300, 300, MK_LBUTTON);
        game->Mouse(MouseMessage::LButtonUp, 300, 300, 0);
        EXPECT_FALSE(game->IsDragging());
        EXPECT_FALSE(window.captured);
        EXPECT_EQ(Cols(), "abcde/3 /0");
        EXPECT_FALSE(game->CanUndo());

        Lift(game->left, c.count);
        EXPECT_TRUE(game->IsDragging());
        EXPECT_EQ(Cols(), c.lifted);
        EXPECT_EQ(game->DragPile().faceDownCount, c.dragDown);
        game->EndDrag(&game->right);
        EXPECT_FALSE(game->IsDragging());
        EXPECT_EQ(Cols(), c.dropped);
        const int afterMoves = game->afterMoves;
        EXPECT_TRUE(game->TakeBack());
        EXPECT_EQ(Cols(), "abcde/3 /0") << "as it was before the lift";
        EXPECT_EQ(game->afterMoves, afterMoves + 1);
        EXPECT_FALSE(game->TakeBack());
    }
}

TEST_F(GameTest, CancelledDragReturnsASlotTileToItsPlace)
{
    CSlotPile word;
    word.Configure(kPileAllFaceUp, kFanRight);
    word.SetPosition(20, 400);
    word.tiles = "cat";
    game->BeginDrag(&word, 2, 100, 420);
    EXPECT_EQ(word.tiles, CStr("ct"));
    EXPECT_EQ(game->DragImage().X(), 20 + W);
    game->CancelDrag();
    EXPECT_EQ(word.tiles, CStr("cat"));
}

TEST_F(GameTest, DragStartsOnlyBeyondTheThreshold)
{
    game->left.tiles = "ab";
    Lift(game->left, 1);
    const int x0 = game->DragImage().X(), y0 = game->DragImage().Y();
    const POINT press{game->left.TileX(game->TileSet(), 1) + 5, game->left.TileY(game->TileSet(), 1) + 5};
    game->Mouse(MouseMessage::Move, press.x + 5, press.y + 5, MK_LBUTTON);
    EXPECT_EQ(game->DragImage().X(), x0);
    game->Mouse(MouseMessage::Move, press.x + 6, press.y, MK_LBUTTON);
    EXPECT_EQ(game->DragImage().X(), x0 + 6);
    game->Mouse(MouseMessage::Move, press.x + 1, press.y + 2, MK_LBUTTON);
    EXPECT_EQ(game->DragImage().X(), x0 + 1) << "once moving, every move counts";
    EXPECT_EQ(game->DragImage().Y(), y0 + 2);
}

TEST_F(GameTest, DragImageStaysInsideTheClientArea)
{
    game->left.tiles = "abc";
    Lift(game->left, 2);
    const int w = W, h = 2 * H;
    EXPECT_EQ(std::make_pair(game->DragImage().Width(), game->DragImage().Height()), std::make_pair(w, h));
    auto at = [&] { return std::make_pair(game->DragImage().X(), game->DragImage().Y()); };
    game->DragTo(-500, -500);
    EXPECT_EQ(at(), std::make_pair(0, 0));
    game->DragTo(5000, 5000);
    EXPECT_EQ(at(), std::make_pair(640 - w - 1, 640 - h - 1));
    game->DragBy(10, 10);
    EXPECT_EQ(at(), std::make_pair(640 - w - 1, 640 - h - 1));
    game->DragBy(-10, 0);
    EXPECT_EQ(at().first, 640 - w - 11);
}

TEST_F(GameTest, DropFliesVisiblyAndCanFinishTheHand)
{
    game->left.tiles = "ab";
    game->finishAt = 1;
    Lift(game->left, 1);
    window.sleeps.clear();
    window.presentsAtSleep.clear();
    game->EndDrag(&game->right);
    EXPECT_EQ(window.sleeps, std::vector<int>(11, 10));
    EXPECT_TRUE(std::adjacent_find(window.presentsAtSleep.begin(), window.presentsAtSleep.end()) ==
                window.presentsAtSleep.end())
        << "every step is presented before its pause";
    EXPECT_EQ(shell.endReasons, std::vector<int>{kEndFinished});
    // The dropped tile is on screen at the target.
    EXPECT_EQ(window.ScreenPixel(300 + 10, 20 + 10), SheetColour(1, 10, 10));

    game->BeginDrag(nullptr, 1, 0, 0);  // null piles do nothing
    EXPECT_FALSE(game->IsDragging());
    game->EndDrag(nullptr);
}

TEST_F(GameTest, MoveTileFlipsRecordsAndUndoes)
{
    game->left.tiles = "xy";
    game->left.faceDownCount = 1;
    game->right.displayFlags = kPileAllFaceUp;
    game->BackBuffer().Open(&window);
    window.sleeps.clear();
    game->MoveTile(&game->left, &game->right, CGame::kFlyFaceUp);
    game->BackBuffer().Close();
    EXPECT_EQ(window.sleeps, std::vector<int>(8, 7));
    EXPECT_EQ(Cols(), "x/0 y/0");
    EXPECT_EQ(window.ScreenPixel(300 + 10, 20 + 10), SheetColour(24, 10, 10));
    game->TakeBack();
    EXPECT_EQ(Cols(), "xy/1 /0") << "the flipped tile is hidden again";

    game->MoveTile(&game->right, &game->left, CGame::kFlyFaceDown);  // an empty source: nothing
    EXPECT_FALSE(game->CanUndo());

}

// A face-down move flies a blank tile (the source's face-down design), even
// when the tile lay face up.
TEST_F(GameTest, AFaceDownMoveFliesABlankTile)
{
    game->left.tiles = "xy";
    const int x = game->left.TopTileX(game->TileSet()) + 10, y = game->left.TopTileY(game->TileSet()) + 10;
    std::vector<COLORREF> seen;  // the tile in the air, where it starts
    window.onSleep = [&] { seen.push_back(window.ScreenPixel(x, y)); };
    game->BackBuffer().Open(&window);
    game->MoveTile(&game->left, &game->right, CGame::kFlyFaceDown);
    game->BackBuffer().Close();
    window.onSleep = nullptr;
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), SheetColour(CTileSet::CellIndex(' '), 10, 10));
}

TEST_F(GameTest, CountDownClockWarnsAndEndsAtZero)
{
    game->Hand().clockValue = 12;
    game->Hand().clockStep = -1;
    for (int i = 0; i < 12; ++i)
        game->Tick(kClockTimerId);
    EXPECT_EQ(game->Hand().clockValue, 0);
    EXPECT_EQ(std::count(Sounds().begin(), Sounds().end(), kSoundClockWarning), 11) << "10 down to 0";
    EXPECT_EQ(game->timeUps, 1);
    EXPECT_EQ(shell.endReasons, std::vector<int>{kEndTimeUp});
    EXPECT_EQ(game->afterMoves, 1) << "only the first tick";
    EXPECT_EQ(game->ElapsedTicks(), 12);
}

TEST_F(GameTest, ClockThatHandlesItsOwnTimeUpAndCountUpClocks)
{
    game->handleTimeUp = true;
    game->Hand().clockValue = 1;
    game->Hand().clockStep = -1;
    game->Tick(kClockTimerId);
    EXPECT_EQ(game->timeUps, 1);
    EXPECT_TRUE(shell.endReasons.empty());

    auto up = std::make_unique<ColumnsGame>();
    for (int i = 0; i < 20; ++i)
        up->Tick(kClockTimerId);
    up->Tick(704);  // not the clock
    EXPECT_EQ(up->Hand().clockValue, 20);
    EXPECT_EQ(up->timeUps, 0);
    EXPECT_EQ(std::count(Sounds().begin(), Sounds().end(), kSoundClockWarning), 1);

    up->m_clockRunning = false;
    up->Tick(kClockTimerId);
    EXPECT_EQ(up->Hand().clockValue, 20);
    up->m_clockRunning = true;
    up->Hand().clockValue = -2;  // a count-up clock from below zero meets zero
    up->Tick(kClockTimerId);
    up->Tick(kClockTimerId);
    EXPECT_EQ(up->timeUps, 1);
}
