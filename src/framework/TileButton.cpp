#include "framework/TileButton.h"

#include "framework/BackBuffer.h"
#include "framework/HandRecord.h"

void CTileButton::Values(CHandRecord& record) { record(visible, image, state, x, y, rect); }

bool CTileButton::HitTest(int px, int py) const
{
    return visible && !rect.IsEmpty() && PointInRect(rect, px, py);
}

void CTileButton::Draw(CBackBuffer& buffer, const CTileSet& tileSet)
{
    if (visible)
        rect = tileSet.DrawButton(buffer, image, x, y, state);
}

void CTileButton::Erase(CBackBuffer& buffer, const CTileSet&)
{
    if (!rect.IsEmpty())
        buffer.FillBackground(&rect);
    SetEmpty(rect);
}
