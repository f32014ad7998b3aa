#pragma once
// CTilePile: an ordered run of letter tiles at a position, fanned down, fanned
// right or squared into a stack, with the first `faceDownCount` tiles face
// down. Draw piles, waste piles, columns, rows, the word being spelled and the
// tiles in the air during a drag are all piles; drag and drop and undo work on
// them. CSlotPile is a pile with framed slots and an insertion point.
#include <initializer_list>
#include <string>

#include "framework/Str.h"
#include "framework/TileSet.h"

class CBackBuffer;
class CHandRecord;

// Appends numbers to a look (CGamePart::AddLook): what a picture depends on.
void AppendLook(std::string& look, std::initializer_list<long long> values);

// HitTest results when no tile is hit.
enum : int {
    kHitEmptySlot = 0,   // an empty pile's marker (with the empty-marker bit)
    kHitNothing = -1,
    kHitAbove = -2,
    kHitBelow = -3,
    kHitLeft = -4,
    kHitRight = -5,
    kHitInside = -6,     // within the pile's box, between tiles
};

class CTilePile {
public:
    CTilePile() = default;
    virtual ~CTilePile() = default;
    CTilePile(const CTilePile&) = default;
    CTilePile& operator=(const CTilePile&) = default;

    virtual char Top() const;
    // The last n tiles, in order, removed from the pile.
    virtual CStr RemoveTop(int n);
    virtual char PopTop();
    virtual char PopBottom();
    virtual char RemoveAt(int i);
    // Appends every character; returns how many.
    virtual int AppendString(const CStr& text);
    int AppendText(const char* text) { return AppendString(CStr(text)); }
    virtual void Push(char letter);
    virtual void PushBottom(char letter);
    virtual CStr RemoveAll();
    virtual void Draw(CBackBuffer& buffer, const CTileSet& tileSet);
    // Appends what the pile's picture depends on (CGamePart::AddLook).
    virtual void AddLook(std::string& look) const;
    // Writes or reads what the pile holds and shows (CHandRecord).
    virtual void Values(CHandRecord& record);
    // Where a tile pushed now would go.
    virtual int NextTileX(const CTileSet& tileSet) const;
    virtual int NextTileY(const CTileSet& tileSet) const;

    int HitTest(const CTileSet& tileSet, int px, int py) const;
    RECT GetRect(const CTileSet& tileSet);
    RECT Rect(const CTileSet& tileSet) const;  // the same without storing right/bottom
    bool Intersects(const CTileSet& tileSet, const RECT& rect) const;
    int TileX(const CTileSet& tileSet, int i) const;
    int TileY(const CTileSet& tileSet, int i) const;
    int TopTileX(const CTileSet& tileSet) const;
    int TopTileY(const CTileSet& tileSet) const;

    int Length() const { return tiles.GetLength(); }
    bool IsEmpty() const { return tiles.IsEmpty(); }
    int FaceUpCount() const { return Length() > faceDownCount ? Length() - faceDownCount : 0; }
    // The letters from the face-down count on (the usual word on a word pile).
    CStr FaceUpLetters() const { return tiles.Mid(faceDownCount, Length()); }
    void SetPosition(int px, int py) { x = px; y = py; }
    void Configure(unsigned flags, unsigned fanBits) { displayFlags = flags; fan = fanBits; }
    bool IsHidden() const { return (displayFlags & kPileHidden) != 0; }
    // After tiles left the top: when only face-down tiles remain, the new top
    // turns face up. True when one did.
    bool TurnTopFaceUp();
    // One line describing the pile, the same for every game:
    // name "letters" down=N flags=0x.. fan=0x..
    std::string Describe(const char* name) const;

    // The most pixels the tiles may span along the fan (0: no limit): a run
    // that would be longer tightens its fan, the tiles overlapping evenly
    // (never closer than a quarter tile).
    int maxSpan = 0;
    int tag = 0;
    char faceDownGlyph = ' ';
    unsigned displayFlags = kPileAllFaceUp;
    unsigned fan = kFanDown;
    int x = 0;
    int y = 0;
    int right = 0;
    int bottom = 0;
    int faceDownCount = 0;
    CStr tiles;

protected:
    void ClampFaceDown();
    virtual int CountForSize() const { return Length(); }
    // The step limit that fits `count` tiles into maxSpan (0: the natural step).
    int StepLimit(const CTileSet& tileSet, int count) const;
};

class CSlotPile : public CTilePile {
public:
    CStr RemoveTop(int n) override;  // lifts the single tile at length - n
    int AppendString(const CStr& text) override;
    void Draw(CBackBuffer& buffer, const CTileSet& tileSet) override;
    void AddLook(std::string& look) const override;
    void Values(CHandRecord& record) override;
    int NextTileX(const CTileSet& tileSet) const override;
    int NextTileY(const CTileSet& tileSet) const override;
    void SetInsertAt(int i) { insertAt = i; }

    int slotCount = 0;
    int insertAt = -1;

protected:
    int CountForSize() const override { return slotCount > 0 ? slotCount : Length(); }
};
