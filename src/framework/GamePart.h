#pragma once
// CGamePart: a piece of the table that a game registers once, in its
// constructor (CGame::AddPart and the AddPile, AddGrid, AddBoard, AddButton
// and AddWordList shorthands). From the registration the base draws the
// table in that order, describes it for DescribeState, lists its piles and
// tiles for the self-checks and adds its tooltips after every re-layout. The
// shared components (the word pile, the stock and waste, the foundation) are
// parts themselves; the game still places them and plays its rules on them.
#include <cstddef>
#include <string>
#include <vector>

#include "framework/Str.h"
#include "framework/WinTypes.h"

class CBackBuffer;
class CHandRecord;
class CTileSet;
class CTilePile;
class CTooltips;

class CGamePart {
public:
    virtual ~CGamePart() = default;
    // Draws the part.
    virtual void Draw(CBackBuffer& buffer, const CTileSet& tiles) = 0;
    // Lines of the form `name: "letters" ...`, each ending in a newline.
    virtual std::string Describe() const = 0;
    // Every pile holding tiles of the hand.
    virtual void ListPiles(std::vector<const CTilePile*>& /*piles*/) const {}
    // Tiles of the hand held anywhere else (letters spelled into a foundation).
    virtual CStr TilesOutsidePiles() const { return CStr(); }
    virtual void AddTooltips(CTooltips& /*tooltips*/, const CTileSet& /*tiles*/) const {}
    // Writes or reads what the part holds besides its listed piles (the base
    // saves those): a board's text, a button's state, found words.
    virtual void Values(CHandRecord& /*record*/) {}
    // The part's own rules, checked by the soak after every event; false, with `why`, when broken.
    virtual bool CheckInvariants(std::string& /*why*/) const { return true; }
    // The rectangles the part draws in now. The layout keeps each inside the
    // window and clear of every other part's (a part's own may touch and
    // overlap). By default: those of its listed piles that are drawn.
    virtual void Regions(const CTileSet& tiles, std::vector<RECT>& regions) const;
    // What the part draws around other pieces (a well's frame around the
    // falling piece): inside the window, but other parts may lie within.
    virtual void Surrounds(const CTileSet& /*tiles*/, std::vector<RECT>& /*regions*/) const {}
    // What the part shows, as a value that differs whenever its picture
    // would: after every event the base draws again each part whose look
    // changed, on its old regions cleared. By default the looks of its
    // listed piles; a part drawing more (buttons, a board) adds that.
    virtual void AddLook(std::string& look) const;
    // True when the part is only its listed piles, each drawn alone and
    // apart from the others (a grid): the base then draws each changed pile.
    virtual bool DrawsPilesApart() const { return false; }
    // Draws listed pile `index` alone (only when DrawsPilesApart).
    virtual void DrawPile(std::size_t /*index*/, CBackBuffer& /*buffer*/, const CTileSet& /*tiles*/) {}
    // What such a part draws besides its piles, under them (a well's frame),
    // and the rectangles it covers: drawn again when a pile's clearing
    // touches them, with every pile lying on them.
    virtual void BackdropRegions(const CTileSet& /*tiles*/, std::vector<RECT>& /*regions*/) const {}
    virtual void DrawBackdrop(CBackBuffer& /*buffer*/, const CTileSet& /*tiles*/) {}

    // A pile's rectangle, when it draws anything (not hidden, and holding
    // tiles or showing its empty marker).
    static void AddPileRegion(const CTilePile& pile, const CTileSet& tiles, std::vector<RECT>& regions);
};
