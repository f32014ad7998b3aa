// Tile piles (geometry, hit codes, face-down accounting), slot piles, buttons,
// text boards, foundation words, the word list and the tooltips.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/BackBuffer.h"
#include "framework/Resources.h"
#include "framework/TextBoard.h"
#include "framework/TileButton.h"
#include "framework/TilePile.h"
#include "framework/Tooltips.h"
#include "framework/WordListPanel.h"

using namespace testsupport;

namespace {
constexpr int W = 64, H = 64;

// The synthetic tile set, and a window with its back buffer open.
struct PileTest : ::testing::Test {
    CTileSet tiles;
    TestWindow window{400, 400};
    CBackBuffer buffer;
    void SetUp() override
    {
        ASSERT_TRUE(tiles.LoadSheet(MakeTestSheet(), kMagenta));
        buffer.Open(&window);
    }
};

CTilePile Pile(unsigned flags, unsigned fan, const char* letters, int faceDown = 0, int x = 0, int y = 0)
{
    CTilePile pile;
    pile.Configure(flags, fan);
    pile.tiles = letters;
    pile.faceDownCount = faceDown;
    pile.SetPosition(x, y);
    return pile;
}
}  // namespace

TEST_F(PileTest, HitCodesOfColumnsRowsStacksAndEmptyMarkers)
{
    const CTilePile column = Pile(kPileAllFaceUp, kFanDown, "abc", 0, 100, 50),
                    row = Pile(kPileAllFaceUp, kFanRight, "abc"), stack = Pile(0x12, kFanSquared, "abcd"),
                    marked = Pile(kPileAllFaceUp | kPileEmptyMarker, kFanDown, ""),
                    unmarked = Pile(kPileAllFaceUp, kFanDown, "");
    const struct {
        const CTilePile& pile;
        int x, y, hit;
        const char* why;
    } cases[] = {
        {column, 100, 50, 0, "the first tile's corner"},
        {column, 100 + W - 1, 50 + H - 1, 0, "the first tile's far corner"},
        {column, 110, 50 + H, 1, "the second tile"},
        {column, 110, 50 + 3 * H - 1, 2, "the last tile, its full height"},
        {column, 110, 50 + 3 * H, kHitBelow, "just below"},
        {column, 110, 50 + 10 * H, kHitBelow, "far below"},
        {column, 110, 49, kHitAbove, "above"},
        {column, 99, 60, kHitLeft, "left"},
        {column, 100 + W, 60, kHitRight, "right"},
        {column, 99, 49, kHitNothing, "diagonally off"},
        {row, 2 * W + 5, 5, 2, "a row's last tile"},
        {row, 3 * W, 5, kHitRight, "past a row's end"},
        {row, 5, H, kHitBelow, "below a row"},
        {stack, W - 1, H - 1, 0, "the first tile answers for the whole stack"},
        {marked, 5, 5, kHitEmptySlot, "an empty pile's marker"},
        {marked, 0, 5, kHitInside, "the marker's edge is not on it"},
        {unmarked, 5, 5, kHitInside, "no marker"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pile.HitTest(tiles, c.x, c.y), c.hit) << c.why;

    CTileSet unloaded;
    EXPECT_EQ(column.HitTest(unloaded, 110, 60), kHitNothing);
}

TEST_F(PileTest, RemovingClampsTheFaceDownCount)
{
    CTilePile pile = Pile(0x130, kFanDown, "abcde", 3);
    EXPECT_EQ(pile.RemoveTop(4), CStr("bcde"));
    EXPECT_EQ(pile.faceDownCount, 1);
    EXPECT_EQ(pile.PopTop(), 'a');
    EXPECT_EQ(pile.faceDownCount, 0);
    EXPECT_EQ(pile.PopTop(), 0);
    EXPECT_EQ(pile.RemoveTop(3), CStr(""));

    pile = Pile(0x130, kFanDown, "abc", 3);
    EXPECT_EQ(pile.RemoveAt(1), 'b');
    EXPECT_EQ(pile.faceDownCount, 2);
    EXPECT_EQ(pile.RemoveAt(7), 0);
    EXPECT_EQ(pile.PopBottom(), 'a');
    pile.PushBottom('z');
    EXPECT_EQ(pile.tiles, CStr("zc"));
    EXPECT_EQ(pile.AppendText(nullptr), 0);
    EXPECT_EQ(pile.RemoveAll(), CStr("zc"));
}

TEST_F(PileTest, SlotPileLiftsFromTheMiddleAndInsertsAtItsPoint)
{
    CSlotPile word;
    word.Configure(kPileAllFaceUp, kFanRight);
    word.slotCount = 5;
    word.AppendText("cat");
    EXPECT_EQ(word.RemoveTop(2), CStr("a"));
    EXPECT_EQ(word.tiles, CStr("ct"));
    EXPECT_EQ(word.RemoveTop(3), CStr(""));
    word.SetInsertAt(1);
    EXPECT_EQ(word.NextTileX(tiles), W);
    word.AppendText("oa");
    EXPECT_EQ(word.tiles, CStr("coat"));
    EXPECT_EQ(word.insertAt, -1);
    word.AppendText("s");
    EXPECT_EQ(word.tiles, CStr("coats"));
    EXPECT_EQ(word.GetRect(tiles).Width(), 5 * W) << "sized by its slots";
    word.slotCount = 0;
    word.tiles = "ab";
    EXPECT_EQ(word.GetRect(tiles).Width(), 2 * W);
}

TEST_F(PileTest, PileDrawingChoosesFacesAndInverts)
{
    CTilePile pile = Pile(kPileAboveFaceDown, kFanRight, "ab", 1);
    pile.Draw(buffer, tiles);
    EXPECT_EQ(buffer.GetPixel(10, 10), SheetColour(36, 10, 10)) << "face down: the blank tile";
    EXPECT_EQ(buffer.GetPixel(W + 10, 10), SheetColour(1, 10, 10));
    pile.displayFlags |= kPileNegative;
    pile.Draw(buffer, tiles);
    const COLORREF b = SheetColour(1, 10, 10);
    EXPECT_EQ(buffer.GetPixel(W + 10, 10), RGB(255 - GetRValue(b), 255 - GetGValue(b), 255 - GetBValue(b)));
    const COLORREF before = buffer.GetPixel(10, 10);
    pile.displayFlags = kPileHidden | kPileAllFaceUp;
    pile.tiles = "cc";
    pile.Draw(buffer, tiles);
    EXPECT_EQ(buffer.GetPixel(10, 10), before) << "a hidden pile draws nothing";
}

TEST_F(PileTest, TileButtonHitsOnlyWhereDrawnAndShown)
{
    CTileButton button(0, kButtonAccept);
    button.SetPosition(20, 30);
    button.Draw(buffer, tiles);
    EXPECT_FALSE(button.HitTest(20, 30));
    button.visible = 1;
    button.Draw(buffer, tiles);
    EXPECT_TRUE(button.HitTest(20, 30));
    EXPECT_TRUE(button.HitTest(20 + W / 2, 30 + H / 2)) << "edges included";
    EXPECT_FALSE(button.HitTest(21 + W / 2, 30));
    button.Erase(buffer, tiles);
    EXPECT_FALSE(button.HitTest(25, 35));
}

TEST(TextBoard, MaskingSortingAndStriking)
{
    CTextBoard board;
    board.SetText("Hello, world", kTextMasked);
    EXPECT_EQ(board.displayText, CStr("_____, _____"));
    EXPECT_EQ(board.sourceText, CStr("HELLO, WORLD"));
    EXPECT_TRUE(board.visible);

    board.SetText("cab", kTextLetterBin);
    EXPECT_EQ(board.displayText, CStr("A B C "));
    EXPECT_TRUE(board.StrikeLetter('b'));
    EXPECT_EQ(board.displayText, CStr("A   C "));
    EXPECT_FALSE(board.StrikeLetter('b'));
    EXPECT_FALSE(board.StrikeLetters("cz"));
    EXPECT_EQ(board.displayText, CStr("A     ")) << "letters before the missing one are struck";
    EXPECT_TRUE(board.StrikeLetters(""));
}

TEST_F(PileTest, TextBoardFontFitsTheBoard)
{
    CTextBoard board;
    board.SetRect(10, 10, 110, 210);
    board.SetText("the quick brown fox jumps over the lazy dog");
    board.Draw(buffer, nullptr);
    EXPECT_LT(board.font.PixelHeight(), 64);
    EXPECT_LE(board.MeasureTextHeight(buffer), board.innerRect.Height());
    EXPECT_LE(board.MeasureTextWidth(buffer), board.innerRect.Width());
}

TEST(FoundationWords, WordsFromTheEndAndSpelling)
{
    CFoundationWords words;
    words.SetWords("abcdefgh");
    EXPECT_EQ(words.words[0].str() + words.words[1].str() + words.words[2].str() + words.words[3].str(), "ghefcdab");
    EXPECT_FALSE(words.Accepts('h'));
    EXPECT_TRUE(words.Add('g'));
    EXPECT_TRUE(words.Add('C'));
    EXPECT_EQ(words.words[0], CStr("Gh"));
    EXPECT_EQ(words.words[2], CStr("Cd"));
    EXPECT_TRUE(words.Accepts('h'));
    EXPECT_FALSE(words.Add('z'));
    EXPECT_TRUE(words.Add('h'));
    EXPECT_TRUE(words.IsComplete(0));
    EXPECT_FALSE(words.Accepts('h')) << "a complete word takes no more";
    EXPECT_FALSE(words.AllComplete());

    CFoundationWords odd;
    odd.SetWords("abcdefghij");  // ten letters: words of two, the first two letters unused
    EXPECT_EQ(odd.wordLength, 2);
    EXPECT_EQ(odd.words[3], CStr("cd"));
}

TEST(WordListPanel, NewestFirstAndSorted)
{
    CWordListPanel list;
    list.SetFirst("");
    EXPECT_TRUE(list.visible);
    list.AddWord("pear");
    list.AddWord("apple");
    EXPECT_EQ(list.listText, CStr("apple, pear"));
    EXPECT_TRUE(list.Contains("pear"));
    EXPECT_FALSE(list.Contains("plum"));
    EXPECT_STREQ(list.words[0], "apple");
    list.AddWord("pear");
    EXPECT_EQ(list.Count(), 2) << "each word is kept once";
    CWordListPanel lines(true);
    lines.SetFirst("first");
    lines.AddWord("second");
    EXPECT_EQ(lines.listText, CStr("second\nfirst"));
}

TEST(Tooltips, AGameTakesItsToolsWithIt)
{
    TestWindow window;
    {
        CTooltips tips;
        tips.Create(&window);
        tips.AddTool(RECT{0, 0, 10, 10}, 610, 610);
        tips.AddToolAt(20, 20, 10, 10, 611, 611);
        tips.Activate(true);
        EXPECT_EQ(window.tools.size(), 2u);
        EXPECT_TRUE(window.toolsActive);
        tips.AddTool(RECT{5, 5, 15, 15}, 999, 610, true);  // update: the text stays
        EXPECT_EQ(window.tools[610], ResString(610));
        tips.RemoveTool(611);
        EXPECT_EQ(window.tools.count(611), 0u);
    }
    EXPECT_TRUE(window.tools.empty());
}
