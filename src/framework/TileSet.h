#pragma once
// CTileSet: the tile sheet (13 x 4 square cells, one glyph each), the tile
// size in use, and everything drawn from the sheet: tiles, rows of tiles,
// buttons and the tile-edge frames.
#include "framework/Bitmap.h"
#include "framework/Window.h"

class CBackBuffer;

struct CTileDesign {
    int id;
    int cellWidth;
    int cellHeight;
    int depth;          // colour depth in bits
    unsigned bitmapId;
    COLORREF transparent;
    // The same sheet drawn with larger cells, the source of tiles above the
    // natural size (0: none); decoded only when such a size is chosen.
    unsigned largeBitmapId;
    int largeCell;
};

// Pile display bits (see CTilePile) that the tile drawing interprets.
inline constexpr unsigned kPileAllFaceUp = 0x1;
inline constexpr unsigned kPileTopFaceUp = 0x4;
inline constexpr unsigned kPileBottomFaceUp = 0x8;
inline constexpr unsigned kPileEmptyMarker = 0x10;
inline constexpr unsigned kPileAboveFaceDown = 0x20;
inline constexpr unsigned kPileHidden = 0x80;
inline constexpr unsigned kPileCompactFaceDown = 0x100;
inline constexpr unsigned kPileNegative = 0x400;
// How each next tile of a pile is placed.
inline constexpr unsigned kFanDown = 0x1;
inline constexpr unsigned kFanRight = 0x2;
inline constexpr unsigned kFanSquared = 0x4;

// DrawGlyph flags: draw the code (else the alternative), draw nothing, inverted.
inline constexpr unsigned kGlyphFaceUp = 0x1;
inline constexpr unsigned kGlyphHidden = 0x80;
inline constexpr unsigned kGlyphNegative = 0x400;

// Button image selectors and states.
enum : int {
    kButtonCancel = 0,
    kButtonAccept = 1,
    kButtonHint = 2,
    kButtonLightning = 3,
    kButtonBegin = 4,
    kButtonUndo = 6,
};
enum : int { kButtonPressed = 1, kButtonRaised = 2 };

// Glyph codes of the special cells.
inline constexpr char kGlyphBlank = ' ';
inline constexpr char kGlyphFramePieces = ':';
inline constexpr char kGlyphEmptySlot = '=';
inline constexpr char kGlyphStar = '<';
inline constexpr char kGlyphLightning = '#';
inline constexpr char kGlyphBomb = 'Z';
inline constexpr char kGlyphDiamond = '$';

class CTileSet {
public:
    static constexpr int kDesignCount = 4;
    static const CTileDesign kDesigns[kDesignCount];
    static constexpr int kCellCount = 53;
    static constexpr int kSheetColumns = 13;  // a sheet's cells, row by row
    static const char kCellCodes[kCellCount + 1];  // the glyph code of every cell, in order

    CTileSet();

    // Picks the design and tile size for a grid of columns x rows in the area
    // and loads the sheet, of the tile design `design`. A depth of 0 stands
    // for 24 bits. Tiles stop at the design's natural size unless `fit`: then
    // they take the largest square the grid's cell allows, scaled down from
    // the large master (the natural sheet when there is none) with the key
    // kept exact.
    bool ChooseTileSize(HDC hdc, int areaWidth, int areaHeight, int columns, int rows, int depth, int design,
                        bool fit);
    // Loads a sheet resource (scaled when a tile size is forced) and builds the glyph tables.
    bool Load(HDC hdc, unsigned bitmapId, COLORREF transparent);
    bool LoadSheet(const CBitmap& sheet, COLORREF transparent);
    void Unload();
    void ForceTileSize(int size) { m_forcedSize = size; }

    bool IsLoaded() const { return m_loaded; }
    int TileWidth() const { return m_tileWidth; }
    int TileHeight() const { return m_tileHeight; }
    int DesignIndex() const { return m_designIndex; }
    unsigned SheetBitmapId() const { return m_sheetId; }  // the resource the loaded tiles came from
    int ForcedSize() const { return m_forcedSize; }
    COLORREF TransparentColor() const { return m_transparent; }
    const CBitmap& Sheet() const { return m_sheet; }

    static int CellIndex(char code);  // -1 when the code has no cell
    bool HasGlyph(char code) const { return CellIndex(code) >= 0; }
    POINT GlyphSource(char code) const;  // top-left of the code's cell in the loaded sheet

    void DrawGlyph(CBackBuffer& buffer, char code, int x, int y, unsigned flags, char altCode) const;
    // A row or stack of tiles as a pile draws it.
    void DrawTiles(CBackBuffer& buffer, const char* text, int x, int y, unsigned pileFlags,
                   unsigned fan, char faceDownCode, int faceDownCount, int stepLimit = 0) const;
    RECT DrawButton(CBackBuffer& buffer, int image, int x, int y, int state) const;
    void DrawFramePiece(CBackBuffer& buffer, int piece, int x, int y) const;
    void DrawFrame(CBackBuffer& buffer, int x, int y, int w, int h) const;
    void DrawOpenFrame(CBackBuffer& buffer, int x, int y, int w, int h) const;
    void DrawRule(CBackBuffer& buffer, int x, int y, int w) const;

    // Pile geometry: the offset of tile `index` from the pile's origin, and
    // the size a pile of `count` tiles takes.
    // stepLimit: the largest step from one tile to the next along the fan
    // (0: the natural step), for a pile whose fan tightens.
    POINT TileOffset(int index, unsigned pileFlags, unsigned fan, int faceDownCount, int stepLimit = 0) const;
    int PileWidth(int count, unsigned pileFlags, unsigned fan, int faceDownCount, int stepLimit = 0) const;
    int PileHeight(int count, unsigned pileFlags, unsigned fan, int faceDownCount, int stepLimit = 0) const;
    // Whether tile i of a pile shows its face.
    static bool IsFaceUp(int index, int count, unsigned pileFlags, int faceDownCount);

private:
    bool m_loaded = false;
    CBitmap m_sheet;
    COLORREF m_transparent = kMagenta;
    int m_tileWidth = 0;
    int m_tileHeight = 0;
    int m_forcedSize = 0;
    int m_designIndex = 0;
    unsigned m_sheetId = 0;
};
