// The back buffer's raster copies, fills, text and flushing; the tile sheet's
// designs, cells, buttons and frames; the drag image; the score panel.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/BackBuffer.h"
#include "framework/Debug.h"
#include "framework/DragImage.h"
#include "framework/ScorePanel.h"
#include "framework/TileSet.h"

using namespace testsupport;

namespace {
constexpr COLORREF kBack = RGB(10, 20, 30);

// A window and its open back buffer, filled with kBack; text in white.
struct Canvas {
    TestWindow window;
    CBackBuffer buffer;
    Canvas(int width, int height) : window(width, height)
    {
        buffer.SetColors(RGB(255, 255, 255), RGB(255, 255, 255), kBack);
        buffer.Open(&window);
        buffer.FillBackground(nullptr);
    }
};

struct BufferTest : ::testing::Test {
    Canvas canvas{200, 100};
    TestWindow& window = canvas.window;
    CBackBuffer& buffer = canvas.buffer;
};

COLORREF Inverse(COLORREF c) { return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c)); }
}  // namespace

TEST_F(BufferTest, TransparentAndNegativeBlitsOnRealPixels)
{
    CBitmap source(4, 1, RGB(1, 2, 3));
    source.SetPixel(1, 0, kMagenta);
    source.SetPixel(2, 0, RGB(200, 100, 50));
    buffer.FillRect(RECT{0, 0, 200, 100}, RGB(7, 7, 7));

    buffer.DrawBitmap(source, 10, 10, 4, 1, 0, 0, kMagenta, false);
    EXPECT_EQ(buffer.GetPixel(10, 10), RGB(1, 2, 3));
    EXPECT_EQ(buffer.GetPixel(11, 10), RGB(7, 7, 7));  // transparent: untouched
    EXPECT_EQ(buffer.GetPixel(12, 10), RGB(200, 100, 50));

    buffer.DrawBitmap(source, 10, 20, 4, 1, 0, 0, kMagenta, true);
    EXPECT_EQ(buffer.GetPixel(10, 20), Inverse(RGB(1, 2, 3)));
    EXPECT_EQ(buffer.GetPixel(11, 20), RGB(7, 7, 7));
    EXPECT_EQ(buffer.GetPixel(12, 20), Inverse(RGB(200, 100, 50)));

    // Without a transparent colour every pixel is copied (inverted when negative).
    buffer.DrawBitmap(source, 10, 30, 4, 1, 0, 0, kNoTransparentColor, true);
    EXPECT_EQ(buffer.GetPixel(11, 30), Inverse(kMagenta));
    buffer.DrawBitmapOpaque(source, 10, 40, 4, 1, 0, 0);
    EXPECT_EQ(buffer.GetPixel(11, 40), kMagenta);

    // Copies are clipped at the buffer's edges.
    buffer.DrawBitmap(source, 198, -1, 4, 2, 0, 0, kMagenta, false);
    EXPECT_EQ(buffer.GetPixel(199, 0), RGB(7, 7, 7));
}

TEST_F(BufferTest, FlushPresentsOnlyWhatWasDrawn)
{
    buffer.Close();
    const int before = window.presents;
    buffer.Open(&window);
    buffer.Close();
    EXPECT_EQ(window.presents, before) << "nothing drawn, nothing presented";

    buffer.Open(&window);
    buffer.FillRect(RECT{5, 6, 15, 16}, RGB(0, 255, 0));
    buffer.FillRect(RECT{30, 40, 35, 45}, RGB(0, 255, 0));
    buffer.Close();
    ASSERT_EQ(window.presents, before + 1);
    EXPECT_EQ(window.presented.back(), (RECT{5, 6, 35, 45}));  // the union
    EXPECT_EQ(window.ScreenPixel(32, 42), RGB(0, 255, 0));
    EXPECT_EQ(window.ScreenPixel(100, 90), kBack) << "outside the dirty area: not presented";
}

TEST_F(BufferTest, BackgroundPatternIsTiledOnItsOwnGrid)
{
    CBitmap pattern(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            pattern.SetPixel(x, y, RGB(x * 50, y * 50, 99));
    CBitmap::OverrideResource(9001, pattern);
    buffer.SetPattern(9001);
    ASSERT_TRUE(buffer.HasPattern());
    buffer.FillRect(RECT{0, 0, 200, 100}, RGB(7, 7, 7));
    buffer.FillBackground(6, 5, 5, 3);
    EXPECT_EQ(buffer.GetPixel(6, 5), RGB(100, 50, 99));   // pattern (2, 1)
    EXPECT_EQ(buffer.GetPixel(10, 7), RGB(100, 150, 99)); // pattern (2, 3)
    EXPECT_EQ(buffer.GetPixel(11, 5), RGB(7, 7, 7));      // clipped to the rectangle
    EXPECT_EQ(buffer.GetPixel(5, 5), RGB(7, 7, 7));

    buffer.SetPattern(0);
    buffer.FillBackground(6, 5, 5, 3);
    EXPECT_EQ(buffer.GetPixel(6, 5), kBack);
    buffer.FillBackground(50, 50, 0, 10);  // an empty rectangle does nothing
    EXPECT_EQ(buffer.GetPixel(50, 50), RGB(7, 7, 7));

    buffer.SetPattern(9002);  // a pattern that cannot be loaded falls back to the colour
    EXPECT_FALSE(buffer.HasPattern());
    CBitmap::OverrideResource(9001, CBitmap());
}

TEST_F(BufferTest, FontsAndTextMeasurement)
{
    const CFont font = buffer.CreateFont(12, "Arial", kFontBold);
    EXPECT_EQ(font.PixelHeight(), 16);  // 12 points at 96 dpi
    const RECT narrow{0, 0, 60, 100};
    const int one = buffer.MeasureTextWrapped("Word", narrow, font);
    const int many = buffer.MeasureTextWrapped("Word word word word word", narrow, font);
    EXPECT_GT(one, 0);
    EXPECT_GE(many, 3 * one) << "long text wraps in a narrow rectangle";
    EXPECT_GT(buffer.MeasureTextWidth("Score: -883355", font), buffer.MeasureTextWidth("Score: 0", font));

    buffer.FillRect(RECT{0, 0, 200, 100}, RGB(0, 0, 0));
    buffer.DrawTextWrapped("WWWW", RECT{0, 0, 200, 100}, font);
    bool drawn = false;
    for (int x = 0; x < 60 && !drawn; ++x)
        for (int y = 0; y < 20 && !drawn; ++y)
            drawn = buffer.GetPixel(x, y) != RGB(0, 0, 0);
    EXPECT_TRUE(drawn) << "text is drawn in the text colour";
}

TEST(BitmapScaling, TransparentPixelsStayExactlyTransparent)
{
    CBitmap source(8, 8, RGB(0, 200, 0));
    for (int i = 0; i < 8; ++i) {
        source.SetPixel(i, 0, kMagenta);
        source.SetPixel(0, i, kMagenta);
    }
    const CBitmap scaled = source.ScaledKeepingColour(20, 20, kMagenta);
    ASSERT_EQ(scaled.Width(), 20);
    int transparent = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const COLORREF c = scaled.GetPixel(x, y);
            if (c == kMagenta) {
                ++transparent;
                continue;
            }
            // No pink fringe: drawn pixels keep the tile's own colour.
            EXPECT_LT(GetRValue(c), 20) << x << "," << y;
            EXPECT_LT(GetBValue(c), 20) << x << "," << y;
        }
    }
    EXPECT_EQ(scaled.GetPixel(0, 10), kMagenta);
    EXPECT_EQ(scaled.GetPixel(10, 0), kMagenta);
    EXPECT_GT(transparent, 20);
    EXPECT_LT(transparent, 20 * 7);
}

// Tiles fill a 10 x 10 grid up to their natural 64 pixels; a sheet drawn at
// another size is scaled to it, and that size is the forced one.
TEST(TileSet, ChooseTileSizeNaturalForcedAndOtherDesign)
{
    TestSheets sheets;
    CTileSet tiles;
    const struct {
        int design, width, height, depth, index, tile, forced;
    } cases[] = {
        {1, 640, 640, 32, 0, 64, 0},    // natural size
        {1, 600, 700, 32, 0, 60, 60},   // the narrower side decides
        {4, 900, 1000, 32, 0, 90, 90},  // no such design: the first one, scaled
        {16, 640, 640, 4, 3, 64, 0},    // the 16-colour design fits any display
        {2, 640, 640, 16, 1, 64, 64},   // a 24-bit design is scaled rather than used on 16 bits
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.design);
        ASSERT_TRUE(tiles.ChooseTileSize(nullptr, c.width, c.height, 10, 10, c.depth, c.design, true));
        EXPECT_EQ(tiles.DesignIndex(), c.index);
        EXPECT_EQ(tiles.TileWidth(), c.tile);
        EXPECT_EQ(tiles.TileHeight(), c.tile);
        EXPECT_EQ(tiles.ForcedSize(), c.forced);
        EXPECT_EQ(tiles.Sheet().Width(), 13 * c.tile);
    }
}

TEST(TileSet, MissingSheetLeavesTheSetUnloadedAndDrawingHarmless)
{
    CTileSet tiles;
    EXPECT_FALSE(tiles.Load(nullptr, 9999, kMagenta));
    EXPECT_FALSE(tiles.IsLoaded());
    EXPECT_EQ(tiles.TileWidth(), 0);
    Canvas canvas(50, 50);
    tiles.DrawGlyph(canvas.buffer, 'a', 0, 0, kGlyphFaceUp, ' ');
    tiles.DrawFrame(canvas.buffer, 0, 0, 40, 40);
    EXPECT_TRUE(tiles.DrawButton(canvas.buffer, kButtonUndo, 0, 0, kButtonPressed).IsEmpty());
}

// A tile set loaded from the synthetic sheet of 64-pixel cells, and a canvas.
struct SheetTest : BufferTest {
    CTileSet tiles;
    void SetUp() override { ASSERT_TRUE(tiles.LoadSheet(MakeTestSheet(), kMagenta)); }
};

TEST_F(SheetTest, GlyphCellsAndTheirPixels)
{
    EXPECT_FALSE(tiles.HasGlyph('!'));
    tiles.DrawGlyph(buffer, 'y', 10, 10, kGlyphFaceUp, ' ');
    EXPECT_EQ(buffer.GetPixel(10 + 5, 10 + 6), SheetColour(24, 5, 6));
    EXPECT_EQ(buffer.GetPixel(10 + 1, 10 + 1), kBack) << "the cell's transparent border";
    tiles.DrawGlyph(buffer, 'y', 100, 10, 0, ' ');  // face down: the alternative code
    EXPECT_EQ(buffer.GetPixel(105, 16), SheetColour(36, 5, 6));
    tiles.DrawGlyph(buffer, 'y', 100, 10, kGlyphHidden | kGlyphFaceUp, ' ');
    EXPECT_EQ(buffer.GetPixel(105, 16), SheetColour(36, 5, 6));
    tiles.DrawGlyph(buffer, '!', 100, 10, kGlyphFaceUp, ' ');  // no cell: nothing drawn
    EXPECT_EQ(buffer.GetPixel(105, 16), SheetColour(36, 5, 6));
}

TEST_F(SheetTest, ButtonsComeFromTheirHalfCells)
{
    // A pressed Undo: the bottom half of cell 'M', a tile wide and half a tile high.
    EXPECT_EQ(tiles.DrawButton(buffer, kButtonUndo, 10, 10, kButtonPressed), (RECT{10, 10, 74, 42}));
    EXPECT_EQ(buffer.GetPixel(10 + 8, 10 + 8), SheetColour(37, 8, 32 + 8));
    // A raised tick: the top right quarter of cell '_'.
    EXPECT_EQ(tiles.DrawButton(buffer, kButtonAccept, 100, 10, kButtonRaised), (RECT{100, 10, 132, 42}));
    EXPECT_EQ(buffer.GetPixel(100 + 8, 10 + 8), SheetColour(51, 32 + 8, 8));
}

TEST(DragImage, FlightIsPresentedStepByStepAndLeavesTheBackgroundIntact)
{
    Canvas canvas(300, 100);
    TestWindow& window = canvas.window;
    CBackBuffer& buffer = canvas.buffer;
    buffer.FillRect(RECT{0, 0, 5, 5}, RGB(1, 1, 1));  // the corner the image is drawn in
    buffer.Close();

    CDragImage image;
    buffer.Open(&window);
    image.BeginImage(buffer, 10, 10);
    buffer.FillRect(RECT{2, 2, 8, 8}, RGB(0, 255, 0));  // the picture; its rim stays transparent
    image.EndImage(buffer, kMagenta);
    EXPECT_EQ(buffer.GetPixel(1, 1), RGB(1, 1, 1)) << "the corner is put back";

    const int before = window.presents;
    image.Fly(buffer, 0, 50, 200, 50, 4, 10);
    EXPECT_EQ(window.sleeps, (std::vector<int>{10, 10, 10, 10, 10}));
    for (size_t i = 0; i < window.presentsAtSleep.size(); ++i)
        EXPECT_EQ(window.presentsAtSleep[i], before + static_cast<int>(i) + 1) << "each step is on screen";
    EXPECT_EQ(window.ScreenPixel(205, 55), RGB(0, 255, 0));
    EXPECT_EQ(window.ScreenPixel(201, 51), kBack) << "transparent rim";
    EXPECT_EQ(window.ScreenPixel(55, 55), kBack) << "the path behind the image is restored";
    image.Hide(buffer);
    EXPECT_EQ(buffer.GetPixel(205, 55), kBack);
    image.Clear();
    EXPECT_FALSE(image.HasImage());
}

TEST(ScorePanel, FontShrinksUntilTheWidestLinesFit)
{
    Canvas canvas(400, 300);
    CBackBuffer& buffer = canvas.buffer;
    const CHandScore hand;
    CScorePanel roomy, tight;
    roomy.SetRect(0, 0, 200, 400);
    roomy.Draw(buffer, hand);
    tight.showTime = 1;
    tight.showTiles = 1;
    tight.SetRect(10, 10, 70, 110);
    tight.Draw(buffer, hand);
    EXPECT_LT(tight.Font().PixelHeight(), roomy.Font().PixelHeight());
    const RECT r = tight.Rect();
    EXPECT_LE(3 * tight.Font().PixelHeight(), r.Height() + 6);
    EXPECT_LE(buffer.MeasureTextWidth("Score: -883355", tight.Font()), r.Width());

    CScorePanel unplaced;  // a panel without a rectangle draws nothing
    unplaced.Draw(buffer, hand);
    EXPECT_TRUE(unplaced.Font().IsNull());
}

TEST(DebugChannel, SilentUnlessAskedAndCountersBalance)
{
    unsetenv("GLYPHERY_DEBUG");
    testing::internal::CaptureStderr();
    DebugOut("hidden");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    const CDrawCounters before = DrawCounters();
    {
        TestWindow window(50, 50);
        CBackBuffer buffer;
        buffer.Open(&window);
        const CFont font = buffer.CreateFont(10, "Arial", 0);
        buffer.FillBackground(nullptr);
        buffer.FillRect(RECT{0, 0, 5, 5}, RGB(1, 2, 3));
        const CBitmap copy = buffer.CopyArea(0, 0, 4, 4);
        buffer.Close();
    }
    const CDrawCounters& after = DrawCounters();
    EXPECT_EQ(after.getDC - before.getDC, after.releaseDC - before.releaseDC);
    EXPECT_EQ(after.createDC - before.createDC, after.deleteDC - before.deleteDC);
    EXPECT_EQ((after.totalBitmaps + after.totalBrushes + after.createFont) -
                  (before.totalBitmaps + before.totalBrushes + before.createFont),
              after.deleteObject - before.deleteObject)
        << "everything created is released";

    setenv("GLYPHERY_DEBUG", "1", 1);
    testing::internal::CaptureStderr();
    WriteDrawCounterSummary();
    const std::string out = testing::internal::GetCapturedStderr();
    unsetenv("GLYPHERY_DEBUG");
    EXPECT_NE(out.find("GetDC("), std::string::npos);
    EXPECT_NE(out.find(") vs. DeleteObject("), std::string::npos);
}
