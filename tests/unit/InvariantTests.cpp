// CGame's self-checks (what the soak test relies on) and the faults the soak
// found in the framework's drag and drop.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Game.h"

using namespace testsupport;

namespace {
class TwoPileGame : public CGame {
public:
    TwoPileGame() : CGame(testsupport::TestGameContext())
    {
        for (CTilePile* pile : {&left, &right})
            pile->Configure(kPileAllFaceUp, kFanDown);
        left.SetPosition(20, 20);
        right.SetPosition(300, 20);
        left.tiles = "abcde";
    }
    void ListPiles(std::vector<const CTilePile*>& piles) const override
    {
        CGame::ListPiles(piles);
        piles.push_back(&left);
        piles.push_back(&right);
    }
    CStr TilesOutsidePiles() const override { return spelled; }

    CTilePile left, right;
    CStr spelled;  // tiles the game keeps outside its piles
};

struct Invariants : ::testing::Test {
    SettingsGuard settings;
    TestSheets sheets;
    TestWindow window{640, 640};
    TestShell shell{&window};
    TwoPileGame game;
    std::string why;

    void SetUp() override
    {
        game.Resize(SIZE_RESTORED, 640, 640);
        game.Paint(nullptr);
        ASSERT_TRUE(game.CheckInvariants(why)) << why;  // the first check takes the count
    }
    // Presses on tile `index` of the pile and drags it well away.
    void Lift(CTilePile& pile, int index)
    {
        const int x = pile.TileX(game.TileSet(), index) + 5, y = pile.TileY(game.TileSet(), index) + 5;
        game.Mouse(MouseMessage::LButtonDown, x, y, MK_LBUTTON);
        game.BeginDrag(&pile, pile.Length() - index, x, y);
        game.Mouse(MouseMessage::Move, x + 100, y + 100, MK_LBUTTON);
    }
};
}  // namespace

TEST_F(Invariants, TilesMovedBetweenPilesOrIntoTheAirAreStillThere)
{
    game.right.AppendString(game.left.RemoveTop(2));
    EXPECT_TRUE(game.CheckInvariants(why)) << why;
    Lift(game.left, 1);
    EXPECT_TRUE(game.IsDragging());
    EXPECT_TRUE(game.CheckInvariants(why)) << why;
    game.EndDrag(&game.right);
    EXPECT_TRUE(game.CheckInvariants(why)) << why;
}

TEST_F(Invariants, AVanishedOrAnExtraTileOrAnImpossibleFaceDownCountIsNamed)
{
    game.left.PopTop();
    EXPECT_FALSE(game.CheckInvariants(why));
    EXPECT_EQ(why, "tiles vanished: 1 x 'e'");
    game.left.Push('E');  // case does not matter: a spelled tile may be shown in capitals
    EXPECT_TRUE(game.CheckInvariants(why)) << why;
    game.right.Push('q');
    EXPECT_FALSE(game.CheckInvariants(why));
    EXPECT_EQ(why, "tiles appeared: 1 x 'q'");
    game.TilesJoinedPlay("q");
    game.right.faceDownCount = 2;
    EXPECT_FALSE(game.CheckInvariants(why));
    EXPECT_NE(why.find("2 face-down tiles of 1"), std::string::npos) << why;
}

TEST_F(Invariants, TilesThatLeaveOrJoinByTheRulesAreAccountedFor)
{
    // Scored into a foundation the game shows outside its piles.
    game.left.PopTop();
    game.spelled = "E";
    EXPECT_TRUE(game.CheckInvariants(why)) << why;
    // Scored away altogether.
    const CStr word = game.left.RemoveTop(2);
    game.TilesLeftPlay(word);
    EXPECT_TRUE(game.CheckInvariants(why)) << why;
    // Undone: the tiles come back.
    game.left.AppendString(word);
    game.TilesJoinedPlay(word);
    EXPECT_TRUE(game.CheckInvariants(why)) << why;
    // A new piece dealt into play.
    game.right.AppendText("zz");
    game.TilesJoinedPlay("zz");
    EXPECT_TRUE(game.CheckInvariants(why)) << why;
}

// The button-up of a drag can be lost (it came while the hand was paused);
// the next press must not throw away the tiles in the air.
TEST_F(Invariants, ASecondPressDuringADragSendsTheFirstDragsTilesHome)
{
    Lift(game.left, 3);
    EXPECT_EQ(game.DragPile().tiles, CStr("de"));
    Lift(game.right.IsEmpty() ? game.left : game.right, 0);  // pressed again, no button-up between
    EXPECT_TRUE(game.CheckInvariants(why)) << why;
    EXPECT_EQ(game.DragPile().tiles, CStr("abcde"));
    game.CancelDrag();
    EXPECT_EQ(game.left.tiles, CStr("abcde"));
}

TEST_F(Invariants, ANewDragStartedByTheGameWhileOneIsInTheAirLosesNothing)
{
    Lift(game.left, 4);
    const int x = game.left.TileX(game.TileSet(), 0) + 5, y = game.left.TileY(game.TileSet(), 0) + 5;
    game.BeginDrag(&game.left, 2, x, y);  // no button-down in between
    EXPECT_TRUE(game.CheckInvariants(why)) << why;
    game.EndDrag(&game.right);
    EXPECT_TRUE(game.CheckInvariants(why)) << why;
    EXPECT_EQ(game.left.Length() + game.right.Length(), 5);
}
