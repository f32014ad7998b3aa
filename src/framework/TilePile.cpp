#include "framework/TilePile.h"

#include <algorithm>
#include <cstdio>

#include "framework/BackBuffer.h"
#include "framework/HandRecord.h"

void CTilePile::ClampFaceDown()
{
    if (faceDownCount > Length())
        faceDownCount = Length();
}

char CTilePile::Top() const { return tiles.GetAt(Length() - 1); }

CStr CTilePile::RemoveTop(int n)
{
    n = std::clamp(n, 0, Length());
    CStr taken = tiles.Right(n);
    tiles = tiles.Left(Length() - n);
    ClampFaceDown();
    return taken;
}

char CTilePile::PopTop()
{
    const char c = tiles.PopLast();
    ClampFaceDown();
    return c;
}

char CTilePile::PopBottom() { return RemoveAt(0); }

char CTilePile::RemoveAt(int i)
{
    const char c = tiles.RemoveAt(i);
    ClampFaceDown();
    return c;
}

int CTilePile::AppendString(const CStr& text)
{
    tiles.Append(text);
    return text.GetLength();
}

void CTilePile::Push(char letter) { tiles.AppendChar(letter); }
void CTilePile::PushBottom(char letter) { tiles.Prepend(letter); }
bool CTilePile::TurnTopFaceUp()
{
    if (Length() == 0 || faceDownCount < Length())
        return false;
    faceDownCount = Length() - 1;
    return true;
}

CStr CTilePile::RemoveAll() { return RemoveTop(Length()); }

void CTilePile::Draw(CBackBuffer& buffer, const CTileSet& tileSet)
{
    GetRect(tileSet);
    tileSet.DrawTiles(buffer, tiles.c_str(), x, y, displayFlags, fan, faceDownGlyph, faceDownCount,
                      StepLimit(tileSet, Length()));
}

int CTilePile::StepLimit(const CTileSet& tileSet, int count) const
{
    if (maxSpan <= 0 || count <= 1 || !(fan & (kFanRight | kFanDown)) || (fan & kFanSquared))
        return 0;
    const bool across = (fan & kFanRight) != 0;
    const int tile = across ? tileSet.TileWidth() : tileSet.TileHeight();
    const auto span = [&](int limit) {
        const POINT last = tileSet.TileOffset(count - 1, displayFlags, fan, faceDownCount, limit);
        return (across ? last.x : last.y) + tile;
    };
    if (span(0) <= maxSpan)
        return 0;
    // The largest step that fits (face-down tiles already close stay so).
    int low = std::max(1, tile / 4), high = tile;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (span(mid) <= maxSpan) low = mid;
        else high = mid - 1;
    }
    return low;
}

int CTilePile::NextTileX(const CTileSet& tileSet) const { return TileX(tileSet, Length()); }
int CTilePile::NextTileY(const CTileSet& tileSet) const { return TileY(tileSet, Length()); }

int CTilePile::TileX(const CTileSet& tileSet, int i) const
{
    // A tile's place among as many tiles as the pile will hold with it.
    return x + tileSet.TileOffset(i, displayFlags, fan, faceDownCount, StepLimit(tileSet, std::max(Length(), i + 1))).x;
}

int CTilePile::TileY(const CTileSet& tileSet, int i) const
{
    return y + tileSet.TileOffset(i, displayFlags, fan, faceDownCount, StepLimit(tileSet, std::max(Length(), i + 1))).y;
}

// The last tile's place (the pile's origin when it is empty).
int CTilePile::TopTileX(const CTileSet& tileSet) const { return TileX(tileSet, std::max(Length() - 1, 0)); }
int CTilePile::TopTileY(const CTileSet& tileSet) const { return TileY(tileSet, std::max(Length() - 1, 0)); }

RECT CTilePile::Rect(const CTileSet& tileSet) const
{
    const int n = CountForSize();
    const int limit = StepLimit(tileSet, n);
    return RECT{x, y, x + tileSet.PileWidth(n, displayFlags, fan, faceDownCount, limit),
                y + tileSet.PileHeight(n, displayFlags, fan, faceDownCount, limit)};
}

RECT CTilePile::GetRect(const CTileSet& tileSet)
{
    const RECT r = Rect(tileSet);
    right = r.right;
    bottom = r.bottom;
    return r;
}

bool CTilePile::Intersects(const CTileSet& tileSet, const RECT& rect) const
{
    return Overlaps(Rect(tileSet), rect);
}

int CTilePile::HitTest(const CTileSet& tileSet, int px, int py) const
{
    if (!tileSet.IsLoaded())
        return kHitNothing;
    const int w = tileSet.TileWidth(), h = tileSet.TileHeight();
    px -= x;
    py -= y;
    const int cellW = (fan & (kFanDown | kFanSquared)) ? w : 0;
    const int cellH = (fan & (kFanRight | kFanSquared)) ? h : 0;
    const int n = Length();
    const int limit = StepLimit(tileSet, n);
    for (int i = 0; i < n; ++i) {
        POINT after = tileSet.TileOffset(i + 1, displayFlags, fan, faceDownCount, limit);
        if (i == n - 1) {
            // The last tile shows whole, however tight the fan.
            const POINT at = tileSet.TileOffset(i, displayFlags, fan, faceDownCount, limit);
            if (fan & kFanRight)
                after.x = std::max(after.x, at.x + w);
            if (fan & kFanDown)
                after.y = std::max(after.y, at.y + h);
        }
        if (px >= 0 && px < after.x + cellW && py >= 0 && py < after.y + cellH)
            return i;
    }
    if (n == 0 && (displayFlags & kPileEmptyMarker) && px > 0 && px < w && py > 0 && py < h)
        return kHitEmptySlot;
    // The box spanned by the tiles' places plus one cell.
    const POINT last = tileSet.TileOffset(std::max(n - 1, 0), displayFlags, fan, faceDownCount, limit);
    const int boxW = last.x + w, boxH = last.y + h;
    const bool inColumns = px >= 0 && px < boxW;
    const bool inRows = py >= 0 && py < boxH;
    if (inColumns && inRows)
        return kHitInside;
    if (inColumns)
        return py < 0 ? kHitAbove : kHitBelow;
    if (inRows)
        return px < 0 ? kHitLeft : kHitRight;
    return kHitNothing;
}

void AppendLook(std::string& look, std::initializer_list<long long> values)
{
    for (const long long value : values)
        look.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void CTilePile::AddLook(std::string& look) const
{
    AppendLook(look, {x, y, faceDownCount, displayFlags, fan, maxSpan, faceDownGlyph, Length()});
    look += tiles.str();
}

void CTilePile::Values(CHandRecord& record)
{
    record(tiles, faceDownCount, displayFlags, fan, tag, faceDownGlyph, maxSpan, x, y);
    if (faceDownCount < 0 || faceDownCount > Length()) {
        record.Fail();
        faceDownCount = 0;
    }
}

void CSlotPile::Values(CHandRecord& record)
{
    CTilePile::Values(record);
    record(slotCount, insertAt);
}

void CSlotPile::AddLook(std::string& look) const
{
    CTilePile::AddLook(look);
    AppendLook(look, {slotCount});
}

std::string CTilePile::Describe(const char* name) const
{
    char line[512];
    std::snprintf(line, sizeof line, "%s: \"%s\" down=%d flags=0x%X fan=0x%X\n", name ? name : "pile",
                  tiles.c_str(), faceDownCount, displayFlags, fan);
    return line;
}

CStr CSlotPile::RemoveTop(int n)
{
    const int index = Length() - n;
    if (n <= 0 || index < 0)
        return CStr();
    CStr taken;
    taken.AppendChar(RemoveAt(index));
    return taken;
}

int CSlotPile::AppendString(const CStr& text)
{
    if (insertAt >= 0 && insertAt < Length()) {
        CStr joined = tiles.Left(insertAt);
        joined.Append(text);
        joined.Append(tiles.Mid(insertAt, Length() - insertAt));
        tiles = joined;
    } else {
        tiles.Append(text);
    }
    insertAt = -1;
    return text.GetLength();
}

void CSlotPile::Draw(CBackBuffer& buffer, const CTileSet& tileSet)
{
    if (slotCount > 0 && tileSet.IsLoaded() && !IsHidden()) {
        const int m = std::max(tileSet.TileWidth(), tileSet.TileHeight()) / 8;
        const int w = tileSet.PileWidth(slotCount, displayFlags, fan, faceDownCount);
        const int h = tileSet.PileHeight(slotCount, displayFlags, fan, faceDownCount);
        tileSet.DrawFrame(buffer, x - m, y - m, w + 2 * m, h + 2 * m);
    }
    CTilePile::Draw(buffer, tileSet);
}

int CSlotPile::NextTileX(const CTileSet& tileSet) const
{
    return insertAt >= 0 ? TileX(tileSet, insertAt) : CTilePile::NextTileX(tileSet);
}

int CSlotPile::NextTileY(const CTileSet& tileSet) const
{
    return insertAt >= 0 ? TileY(tileSet, insertAt) : CTilePile::NextTileY(tileSet);
}
