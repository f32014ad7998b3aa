// The pieces the word patience games share: the stock and waste with
// recycling, the foundation of four target words, and drop-target finding.
#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "framework/DropTarget.h"
#include "framework/Foundation.h"
#include "framework/Game.h"
#include "framework/StockWaste.h"

using namespace testsupport;

namespace {
// A bare patience: two columns, a stock and waste, a foundation.
class PatienceGame : public CGame {
public:
    PatienceGame() : CGame(testsupport::TestGameContext())
    {
        for (CTilePile* pile : {&columns[0], &columns[1]})
            pile->Configure(kPileEmptyMarker | kPileAboveFaceDown | kPileCompactFaceDown, kFanDown);
        columns[0].SetPosition(20, 200);
        columns[1].SetPosition(120, 200);
        stockWaste.Place(20, 10, 100, 10);
        foundation.Place(10, 300, 150, 600, 400, 10);
        AddPile(columns[0], "column0");
        AddPile(columns[1], "column1");
        AddPart(stockWaste);
        AddPart(foundation);
    }
    bool IsFinished() override { return columns[0].IsEmpty() && columns[1].IsEmpty() && stockWaste.IsEmpty(); }

    CTilePile columns[2];
    CStockWaste stockWaste{*this};
    CFoundation foundation{*this};
};

struct Patience : GameTestBase {
    std::unique_ptr<PatienceGame> game = std::make_unique<PatienceGame>();

    void SetUp() override { Show(*game); }
    int Score() const { return game->Hand().score; }
};
}  // namespace

TEST_F(Patience, StockTurnsOntoTheWasteAndRecyclesInDealtOrderAtAPenalty)
{
    CStockWaste& sw = game->stockWaste;
    sw.stock.tiles = "abc";
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(sw.Turn(), CStockWaste::kTurned);
    EXPECT_EQ(sw.stock.tiles, CStr(""));
    EXPECT_EQ(sw.waste.tiles, CStr("cba")) << "the stock's top tile is turned first";
    EXPECT_EQ(game->UndoStack().Count(), 3);

    // A turn can be undone, back onto the stock.
    game->TakeBack();
    EXPECT_EQ(sw.stock.tiles, CStr("a"));
    EXPECT_EQ(sw.waste.tiles, CStr("cb"));
    sw.Turn();

    Sounds().clear();
    EXPECT_EQ(sw.Turn(), CStockWaste::kRecycled);
    EXPECT_EQ(sw.stock.tiles, CStr("abc")) << "back in the order it was dealt";
    EXPECT_EQ(sw.waste.tiles, CStr(""));
    EXPECT_EQ(Score(), -100) << "the score may go negative";
    EXPECT_FALSE(game->CanUndo()) << "recycling forgets the undo history";
    EXPECT_EQ(Sounds(), std::vector<unsigned>{kSoundTileMoved});

    // The same tiles come up again, and every recycle costs again.
    EXPECT_EQ(sw.Turn(), CStockWaste::kTurned);
    EXPECT_EQ(sw.waste.tiles, CStr("c"));
    sw.Turn();
    sw.Turn();
    EXPECT_EQ(sw.Turn(), CStockWaste::kRecycled);
    EXPECT_EQ(Score(), -200);
}

TEST_F(Patience, EmptyStockAndWasteRefuseAndHitOnlyTheStockSlot)
{
    Sounds().clear();
    EXPECT_EQ(game->stockWaste.Turn(), CStockWaste::kRefused);
    EXPECT_EQ(Score(), 0) << "nothing to recycle costs nothing";
    EXPECT_EQ(Sounds(), std::vector<unsigned>{kSoundRefused});
    EXPECT_FALSE(game->stockWaste.PlayWasteOnto(game->columns[0]));
    EXPECT_TRUE(game->columns[0].IsEmpty());

    CStockWaste& sw = game->stockWaste;
    EXPECT_TRUE(sw.IsStockHit(25, 15)) << "the empty stock's slot still answers";
    EXPECT_FALSE(sw.IsWasteHit(105, 15)) << "an empty waste offers nothing";
    sw.waste.tiles = "q";
    EXPECT_TRUE(sw.IsWasteHit(105, 15));
    EXPECT_FALSE(sw.IsWasteHit(100 + game->TileSet().TileWidth() + 5, 15));
}

TEST_F(Patience, WastePlaysOntoAPileAndUndoBringsItBack)
{
    CStockWaste& sw = game->stockWaste;
    sw.waste.tiles = "xy";
    game->columns[0].tiles = "ab";
    game->columns[0].faceDownCount = 1;
    ASSERT_TRUE(sw.PlayWasteOnto(game->columns[0]));
    EXPECT_EQ(game->columns[0].tiles, CStr("aby"));
    EXPECT_EQ(sw.waste.tiles, CStr("x"));
    EXPECT_EQ(game->columns[0].faceDownCount, 1);
    game->TakeBack();
    EXPECT_EQ(sw.waste.tiles, CStr("xy"));
    EXPECT_EQ(game->columns[0].tiles, CStr("ab"));
}

TEST_F(Patience, TieBetweenTargetWordsGoesToTheLowerNumberedWord)
{
    CFoundation& f = game->foundation;
    // Word 1 is the last quarter of the letters: "ac"; word 2 "ab".
    f.SetWords("pqrsabac");
    ASSERT_EQ(f.words.words[0], CStr("ac"));
    ASSERT_EQ(f.words.words[1], CStr("ab"));
    game->columns[0].tiles = "a";
    ASSERT_TRUE(f.ScoreTopTile(game->columns[0]));
    EXPECT_EQ(f.words.progress[0], 1);
    EXPECT_EQ(f.words.progress[1], 0);
    EXPECT_EQ(f.words.words[0], CStr("Ac"));
    EXPECT_EQ(Score(), 10);
}

TEST_F(Patience, ScoringTurnsUpTheUncoveredTileClearsUndoAndFinishes)
{
    CFoundation& f = game->foundation;
    f.SetWords("ghefcdab");  // words ab, cd, ef, gh
    game->columns[0].tiles = "da";
    game->columns[0].faceDownCount = 1;
    game->columns[1].tiles = "cbd";
    game->BackBuffer().Open(&window);
    game->MoveTile(&game->columns[1], &game->stockWaste.waste, CGame::kFlyFaceUp);  // an undoable move
    game->BackBuffer().Close();
    ASSERT_TRUE(game->CanUndo());

    Sounds().clear();
    EXPECT_FALSE(f.ScoreTopTile(game->columns[1])) << "b is nobody's next letter yet";
    EXPECT_EQ(game->columns[1].tiles, CStr("cb"));
    EXPECT_TRUE(Sounds().empty());
    EXPECT_TRUE(game->CanUndo());

    ASSERT_TRUE(f.ScoreTopTile(game->columns[0]));
    EXPECT_EQ(game->columns[0].tiles, CStr("d"));
    EXPECT_EQ(game->columns[0].faceDownCount, 0) << "the uncovered tile turns face up";
    EXPECT_FALSE(game->CanUndo()) << "a scored tile never comes back";
    EXPECT_EQ(Sounds(), std::vector<unsigned>{kSoundScored});
    EXPECT_TRUE(shell.endReasons.empty());

    // b, c, d, e, f, g, h: each in turn the next letter of some word.
    ASSERT_TRUE(f.ScoreTopTile(game->columns[1]));
    ASSERT_TRUE(f.ScoreTopTile(game->columns[1]));
    ASSERT_TRUE(f.ScoreTopTile(game->stockWaste.waste));
    game->columns[0].tiles = "hgfe";
    while (!game->columns[0].IsEmpty())
        ASSERT_TRUE(f.ScoreTopTile(game->columns[0])) << game->columns[0].tiles.c_str();
    EXPECT_TRUE(f.IsComplete());
    EXPECT_EQ(Score(), 80);
    EXPECT_EQ(shell.endReasons, std::vector<int>{kEndFinished}) << "the last tile ends the hand";
}

TEST_F(Patience, OnlyASingleWantedTileDroppedOnTheFoundationScores)
{
    CFoundation& f = game->foundation;
    f.SetWords("ghefcdab");
    game->columns[0].tiles = "ba";
    const int x = game->columns[0].TileX(game->TileSet(), 0) + 5;
    const int y = game->columns[0].TileY(game->TileSet(), 0) + 5;

    // Two tiles over the foundation: refused, although the top one would fit.
    game->Mouse(MouseMessage::LButtonDown, x, y, MK_LBUTTON);
    game->BeginDrag(&game->columns[0], 2, x, y);
    game->DragTo(350, 20);
    EXPECT_FALSE(f.DropDragged());
    game->CancelDrag();
    EXPECT_EQ(game->columns[0].tiles, CStr("ba"));

    // One tile far from the foundation: refused.
    game->BeginDrag(&game->columns[0], 1, x, y + 64);
    game->DragTo(20, 500);
    EXPECT_FALSE(f.DropDragged());

    // Touching the foundation's edge is enough.
    const int w = game->DragImage().Width();
    game->DragTo(300 - w + 5, 55);  // the image's right edge on the left edge
    EXPECT_TRUE(f.DropDragged());
    EXPECT_FALSE(game->IsDragging());
    EXPECT_EQ(game->columns[0].tiles, CStr("b"));
    EXPECT_EQ(f.words.progress[0], 1);
}

TEST_F(Patience, DropTargetIsATileASlotOrTheColumnBelow)
{
    const CTileSet& tiles = game->TileSet();
    const int w = tiles.TileWidth(), h = tiles.TileHeight();
    game->columns[0].tiles = "abc";
    game->columns[0].faceDownCount = 2;
    // column 0 at (20, 200): two quarter-height backs, then one face.
    EXPECT_EQ(FindDropTarget(tiles, game->columns, POINT{25, 205}), 0);
    EXPECT_EQ(FindDropTarget(tiles, game->columns, POINT{25, 200 + h / 2 + h - 1}), 0);
    EXPECT_EQ(FindDropTarget(tiles, game->columns, POINT{25, 600}), 0) << "below the column";
    EXPECT_EQ(FindDropTarget(tiles, game->columns, POINT{125, 210}), 1) << "the empty pile's slot";
    EXPECT_EQ(FindDropTarget(tiles, game->columns, POINT{125, 500}), 1);
    EXPECT_EQ(FindDropTarget(tiles, game->columns, POINT{25, 150}), -1) << "above";
    EXPECT_EQ(FindDropTarget(tiles, game->columns, POINT{20 + w + 2, 400}), -1) << "between columns";

    EXPECT_TRUE(IsBelowPile(tiles, game->columns[0], POINT{25, 600}));
    EXPECT_FALSE(IsBelowPile(tiles, game->columns[0], POINT{25, 205})) << "on a tile is not below";
    EXPECT_TRUE(IsBelowPile(tiles, game->columns[1], POINT{125, 210}));
}
