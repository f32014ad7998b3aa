#pragma once
// Where dragged tiles land: the games that move tiles between columns by drag
// and drop hit-test the centre of the drag image against their columns.
#include <span>

#include "framework/TilePile.h"
#include "framework/WinTypes.h"

class CGame;

// The centre of the image of the tiles being dragged.
POINT DragImageCentre(const CGame& game);

// The first pile, in order, that takes a drop at `point`: the point lies on
// one of its tiles, on its empty slot, or past its last tile (in its column
// below a column, in its row beside a row). -1 when there is none.
int FindDropTarget(const CTileSet& tileSet, std::span<const CTilePile> piles, POINT point);

// Whether `point` lies in the pile's column below its last tile, or on the
// empty slot of an empty pile: where a click plays a tile onto the pile.
bool IsBelowPile(const CTileSet& tileSet, const CTilePile& pile, POINT point);
