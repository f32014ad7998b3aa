#pragma once
// CTileButton: a small button drawn from tile-sheet cells (Begin, Undo, and
// the cancel, accept, hint and lightning icons), raised or pressed.
#include <string>

#include "framework/TilePile.h"
#include "framework/TileSet.h"

class CBackBuffer;
class CHandRecord;

class CTileButton {
public:
    explicit CTileButton(int visible = 0, int image = kButtonBegin) : visible(visible), image(image) {}

    bool HitTest(int px, int py) const;  // edges included; never while hidden
    void Draw(CBackBuffer& buffer, const CTileSet& tileSet);
    void Erase(CBackBuffer& buffer, const CTileSet& tileSet);
    void SetPosition(int px, int py) { x = px; y = py; }
    bool IsPressed() const { return state == kButtonPressed; }
    void AddLook(std::string& look) const { AppendLook(look, {visible, image, state, x, y}); }
    void Values(CHandRecord& record);

    int visible;
    int image;
    int state = kButtonRaised;
    int x = 0;
    int y = 0;
    RECT rect{};
};
