#include "framework/TileSet.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "framework/BackBuffer.h"
#include "framework/Utility.h"

const CTileDesign CTileSet::kDesigns[kDesignCount] = {
    {1, 64, 64, 24, 382, kMagenta, 1382, 128},
    {2, 64, 64, 24, 380, kMagenta, 1380, 128},
    {3, 64, 64, 24, 381, kMagenta, 1381, 128},
    {16, 64, 64, 4, 389, kMagenta, 1389, 128},
};

const char CTileSet::kCellCodes[kCellCount + 1] =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJ MN:=<#Z)|(OP~-_$";

CTileSet::CTileSet() = default;

int CTileSet::CellIndex(char code)
{
    static const std::array<signed char, 256> table = [] {
        std::array<signed char, 256> t{};
        t.fill(-1);
        for (int k = 0; k < kCellCount; ++k)
            t[static_cast<unsigned char>(kCellCodes[k])] = static_cast<signed char>(k);
        return t;
    }();
    return table[static_cast<unsigned char>(code)];
}

bool CTileSet::ChooseTileSize(HDC hdc, int areaWidth, int areaHeight, int columns, int rows, int depth, int design,
                              bool fit)
{
    const int cellW = columns > 0 ? areaWidth / columns : areaWidth;
    const int cellH = rows > 0 ? areaHeight / rows : areaHeight;
    m_forcedSize = 0;
    if (depth == 0)
        depth = 24;
    const int wanted = design;
    int candidate = -1;
    int remembered = -1;
    for (int i = 0; i < kDesignCount; ++i) {
        const CTileDesign& d = kDesigns[i];
        if (d.id != wanted)
            continue;
        if (d.cellWidth <= cellW && d.cellHeight <= cellH && d.depth <= depth) {
            const CTileDesign* c = candidate >= 0 ? &kDesigns[candidate] : nullptr;
            if (!c || (d.cellWidth >= c->cellWidth && d.cellHeight >= c->cellWidth && d.depth >= c->depth))
                candidate = i;
        }
        if (d.cellWidth < 1024)
            remembered = i;
    }
    const int fitSize = std::max(std::min(cellW, cellH), 1);
    if (candidate >= 0) {
        m_designIndex = candidate;
        if (fit && fitSize > kDesigns[candidate].cellWidth)
            m_forcedSize = fitSize;
    } else {
        // No design fits at its natural size: scale the remembered one to the cell.
        m_designIndex = remembered >= 0 ? remembered : 0;
        m_forcedSize = fitSize;
    }
    const CTileDesign& chosen = kDesigns[m_designIndex];
    // Enlarging the natural sheet blurs the tiles; the large master, scaled
    // down, keeps them sharp.
    if (fit && chosen.largeBitmapId && m_forcedSize > chosen.cellWidth) {
        // Scaling the large master takes milliseconds: a re-layout at the
        // same size (a change of colours, a resize that keeps the cell) keeps it.
        if (m_loaded && m_sheetId == chosen.largeBitmapId && m_tileWidth == m_forcedSize)
            return true;
        const CBitmap large = CBitmap::LoadResource(chosen.largeBitmapId);
        if (!large.IsNull() && LoadSheet(large, chosen.transparent)) {
            m_sheetId = chosen.largeBitmapId;
            return true;
        }
    }
    return Load(hdc, chosen.bitmapId, chosen.transparent);
}

bool CTileSet::Load(HDC, unsigned bitmapId, COLORREF transparent)
{
    CBitmap sheet = CBitmap::LoadResource(bitmapId);
    if (sheet.IsNull()) {
        Unload();
        ShowLastError(ENOENT);
        return false;
    }
    const bool loaded = LoadSheet(sheet, transparent);
    m_sheetId = loaded ? bitmapId : 0;
    return loaded;
}

bool CTileSet::LoadSheet(const CBitmap& sheet, COLORREF transparent)
{
    Unload();
    if (sheet.IsNull())
        return false;
    const int columns = kSheetColumns;
    const int cell = sheet.Width() / columns;
    const int rows = (kCellCount + columns - 1) / columns;
    if (cell <= 0 || sheet.Height() < rows * cell)
        return false;
    if (m_forcedSize > 0 && m_forcedSize != cell) {
        m_sheet = sheet.ScaledKeepingColour(m_forcedSize * columns, m_forcedSize * rows, transparent);
        m_tileWidth = m_tileHeight = m_forcedSize;
    } else {
        m_sheet = sheet;
        m_tileWidth = m_tileHeight = cell;
    }
    m_transparent = transparent;
    m_loaded = !m_sheet.IsNull();
    if (!m_loaded)
        m_tileWidth = m_tileHeight = 0;
    return m_loaded;
}

void CTileSet::Unload()
{
    m_loaded = false;
    m_sheet = CBitmap();
    m_tileWidth = m_tileHeight = 0;
    m_sheetId = 0;
}

POINT CTileSet::GlyphSource(char code) const
{
    const int k = CellIndex(code);
    if (k < 0 || m_tileWidth <= 0)
        return POINT{-1, -1};
    const int columns = std::max(m_sheet.Width() / m_tileWidth, 1);
    return POINT{k % columns * m_tileWidth, k / columns * m_tileHeight};
}

void CTileSet::DrawGlyph(CBackBuffer& buffer, char code, int x, int y, unsigned flags, char altCode) const
{
    if (!m_loaded || (flags & kGlyphHidden))
        return;
    const char glyph = (flags & kGlyphFaceUp) ? code : altCode;
    if (CellIndex(glyph) < 0)
        return;
    const POINT src = GlyphSource(glyph);
    buffer.DrawBitmap(m_sheet, x, y, m_tileWidth, m_tileHeight, src.x, src.y, m_transparent,
                      (flags & kGlyphNegative) != 0);
}

bool CTileSet::IsFaceUp(int index, int count, unsigned pileFlags, int faceDownCount)
{
    return (pileFlags & kPileAllFaceUp) || ((pileFlags & kPileTopFaceUp) && index == count - 1) ||
           ((pileFlags & kPileBottomFaceUp) && index == 0) ||
           ((pileFlags & kPileAboveFaceDown) && index >= faceDownCount);
}

namespace {
// The step from tile i to tile i + 1.
POINT Advance(int i, unsigned flags, unsigned fan, int faceDownCount, int w, int h, int stepLimit)
{
    const bool compact = (flags & kPileCompactFaceDown) && i < faceDownCount;
    POINT step;
    if (fan & kFanDown)
        step.y += compact ? h / 4 : h;
    if (fan & kFanRight)
        step.x += compact ? w / 4 : w;
    if (stepLimit > 0) {
        step.x = std::min<int>(step.x, stepLimit);
        step.y = std::min<int>(step.y, stepLimit);
    }
    if ((fan & kFanSquared) && i % 15 == 2) {
        step.x += 1;
        step.y += 1;
    }
    return step;
}
}  // namespace

void CTileSet::DrawTiles(CBackBuffer& buffer, const char* text, int x, int y, unsigned pileFlags, unsigned fan,
                         char faceDownCode, int faceDownCount, int stepLimit) const
{
    if (!m_loaded || (pileFlags & kPileHidden) || !text)
        return;
    const int count = static_cast<int>(std::strlen(text));
    if (count == 0) {
        if (pileFlags & kPileEmptyMarker)
            DrawGlyph(buffer, kGlyphEmptySlot, x, y, kGlyphFaceUp, kGlyphEmptySlot);
        return;
    }
    const unsigned negative = pileFlags & kPileNegative ? kGlyphNegative : 0;
    POINT at{x, y};
    for (int i = 0; i < count; ++i) {
        if (CellIndex(text[i]) < 0)
            continue;
        const bool faceUp = IsFaceUp(i, count, pileFlags, faceDownCount);
        DrawGlyph(buffer, text[i], at.x, at.y, (faceUp ? kGlyphFaceUp : 0) | negative, faceDownCode);
        const POINT step = Advance(i, pileFlags, fan, faceDownCount, m_tileWidth, m_tileHeight, stepLimit);
        at.x += step.x;
        at.y += step.y;
    }
}

POINT CTileSet::TileOffset(int index, unsigned pileFlags, unsigned fan, int faceDownCount, int stepLimit) const
{
    POINT at;
    for (int i = 0; i < index; ++i) {
        const POINT step = Advance(i, pileFlags, fan, faceDownCount, m_tileWidth, m_tileHeight, stepLimit);
        at.x += step.x;
        at.y += step.y;
    }
    return at;
}

int CTileSet::PileWidth(int count, unsigned pileFlags, unsigned fan, int faceDownCount, int stepLimit) const
{
    const int advance = TileOffset(count, pileFlags, fan, faceDownCount, stepLimit).x;
    if ((fan & kFanRight) && count > 0 && !(fan & (kFanDown | kFanSquared)))
        return std::max(advance, TileOffset(count - 1, pileFlags, fan, faceDownCount, stepLimit).x + m_tileWidth);
    return advance + m_tileWidth;
}

int CTileSet::PileHeight(int count, unsigned pileFlags, unsigned fan, int faceDownCount, int stepLimit) const
{
    const int advance = TileOffset(count, pileFlags, fan, faceDownCount, stepLimit).y;
    if ((fan & kFanDown) && count > 0 && !(fan & (kFanRight | kFanSquared)))
        return std::max(advance, TileOffset(count - 1, pileFlags, fan, faceDownCount, stepLimit).y + m_tileHeight);
    return advance + m_tileHeight;
}

RECT CTileSet::DrawButton(CBackBuffer& buffer, int image, int x, int y, int state) const
{
    if (!m_loaded)
        return RECT{};
    const bool wide = (image & 0x4) != 0;
    const bool pressed = state == kButtonPressed;
    const char cell = wide ? (pressed ? 'M' : 'N') : (pressed ? '-' : '_');
    POINT src = GlyphSource(cell);
    const int w = wide ? m_tileWidth : m_tileWidth / 2;
    const int h = m_tileHeight / 2;
    if (image & 0x1)
        src.x += m_tileWidth / 2;
    if (image & 0x2)
        src.y += m_tileHeight / 2;
    buffer.DrawBitmap(m_sheet, x, y, w, h, src.x, src.y, m_transparent, false);
    return RECT{x, y, x + w, y + h};
}

void CTileSet::DrawFramePiece(CBackBuffer& buffer, int piece, int x, int y) const
{
    if (!m_loaded)
        return;
    POINT src = GlyphSource(kGlyphFramePieces);
    if (piece & 0x1)
        src.x += m_tileWidth / 2;
    if (piece & 0x2)
        src.y += m_tileHeight / 2;
    if (piece & 0x4)
        src.x += m_tileWidth / 4;
    if (piece & 0x8)
        src.y += m_tileHeight / 4;
    buffer.DrawBitmap(m_sheet, x, y, m_tileWidth / 2, m_tileHeight / 2, src.x, src.y, m_transparent, false);
}

namespace {
void DrawFrameEdges(const CTileSet& set, CBackBuffer& buffer, int x, int y, int w, int h, bool top)
{
    const int W = set.TileWidth(), H = set.TileHeight();
    if (!set.IsLoaded() || W < 2 || H < 2)
        return;
    for (int px = x + W / 2 - 1; px <= x + w - W; px += W / 2) {
        if (top)
            set.DrawFramePiece(buffer, 0x4, px, y);
        set.DrawFramePiece(buffer, 0x6, px, y + h - H / 2);
    }
    for (int py = y + H / 2 - 1; py <= y + h - H; py += H / 2) {
        set.DrawFramePiece(buffer, 0x8, x, py);
        set.DrawFramePiece(buffer, 0x9, x + w - W / 2, py);
    }
    if (top)
        set.DrawFramePiece(buffer, 0x4, x + w - W + 1, y);
    set.DrawFramePiece(buffer, 0x6, x + w - W + 1, y + h - H / 2);
    set.DrawFramePiece(buffer, 0x8, x, y + h - H + 1);
    set.DrawFramePiece(buffer, 0x9, x + w - W / 2, y + h - H + 1);
    if (top) {
        set.DrawFramePiece(buffer, 0x0, x, y);
        set.DrawFramePiece(buffer, 0x1, x + w - W / 2, y);
    }
    set.DrawFramePiece(buffer, 0x2, x, y + h - H / 2);
    set.DrawFramePiece(buffer, 0x3, x + w - W / 2, y + h - H / 2);
}
}  // namespace

void CTileSet::DrawFrame(CBackBuffer& buffer, int x, int y, int w, int h) const
{
    DrawFrameEdges(*this, buffer, x, y, w, h, true);
}

void CTileSet::DrawOpenFrame(CBackBuffer& buffer, int x, int y, int w, int h) const
{
    DrawFrameEdges(*this, buffer, x, y, w, h, false);
}

void CTileSet::DrawRule(CBackBuffer& buffer, int x, int y, int w) const
{
    const int W = m_tileWidth;
    if (!m_loaded || W < 2)
        return;
    for (int px = x; px <= x + w - W / 2; px += W / 2)
        DrawFramePiece(buffer, 0x4, px, y);
}
