#include "framework/DropTarget.h"

#include "framework/Game.h"

POINT DragImageCentre(const CGame& game)
{
    const CDragImage& image = game.DragImage();
    return POINT{image.X() + image.Width() / 2, image.Y() + image.Height() / 2};
}

int FindDropTarget(const CTileSet& tileSet, std::span<const CTilePile> piles, POINT point)
{
    for (size_t i = 0; i < piles.size(); ++i) {
        const int hit = piles[i].HitTest(tileSet, point.x, point.y);
        if (hit >= 0 || hit == ((piles[i].fan & kFanRight) ? kHitRight : kHitBelow))
            return static_cast<int>(i);
    }
    return -1;
}

bool IsBelowPile(const CTileSet& tileSet, const CTilePile& pile, POINT point)
{
    const int hit = pile.HitTest(tileSet, point.x, point.y);
    return hit == kHitBelow || (pile.IsEmpty() && hit == kHitEmptySlot);
}
