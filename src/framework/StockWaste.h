#pragma once
// The face-down stock and the face-up waste it is turned onto, as the
// patience games lay them out: a click on the stock turns its top tile over
// onto the waste; once the stock is empty the next click turns the whole
// waste back over (so the stock is again in the order it was dealt), at the
// score panel's recycle penalty, and forgets the undo history. Only the
// waste's top tile is ever played.
//
// The game owns one CStockWaste as a member, registers it as a part (it
// draws itself, with the draw pile and waste tooltips 629 and 630), places it
// and calls Turn and PlayWasteOnto from its own mouse handlers.
#include <string>

#include "framework/GamePart.h"
#include "framework/TilePile.h"
#include "framework/Window.h"

class CGame;

class CStockWaste : public CGamePart {
public:
    enum TurnResult { kTurned, kRecycled, kRefused };

    explicit CStockWaste(CGame& game);

    // The stock at (stockX, stockY), the waste at (wasteX, wasteY).
    void Place(int stockX, int stockY, int wasteX, int wasteY);

    // Turns the stock's top tile onto the waste; with the stock empty, turns
    // the waste back over at the recycle penalty; with both empty plays the
    // refusal sound and changes nothing.
    TurnResult Turn();
    // Moves the waste's top tile onto `pile` (recorded for Undo) at the play
    // penalty. False, with the refusal sound, when the waste is empty.
    bool PlayWasteOnto(CTilePile& pile);

    bool IsStockHit(int x, int y) const;  // on the stock or its empty slot
    bool IsWasteHit(int x, int y) const;  // on the waste's top (a tile is there)
    bool IsEmpty() const { return stock.IsEmpty() && waste.IsEmpty(); }

    void Draw(CBackBuffer& buffer, const CTileSet& tiles) override;
    std::string Describe() const override;
    void ListPiles(std::vector<const CTilePile*>& piles) const override;
    void AddTooltips(CTooltips& tooltips, const CTileSet& tiles) const override;

    CTilePile stock;
    CTilePile waste;

private:
    CGame& m_game;
};
