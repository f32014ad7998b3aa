#pragma once
// CTitleGame: the title screen shown behind the chooser, the product's name
// spelled in tiles. It has no hand to play.
#include "framework/Game.h"

class CTitleGame : public CGame {
public:
    CTitleGame(CDictionary* dictionary, CQuoteList* quoteList);

    int GetGameId() const override { return 0; }
    int OnPaint(HWND hwnd, HDC hdc) override;
    int OnTimer(HWND hwnd, unsigned timerId) override;
    std::string DescribeState() const override;
    void ListPiles(std::vector<const CTilePile*>& piles) const override;

    const CTilePile& FirstWord() const { return m_first; }
    const CTilePile& SecondWord() const { return m_second; }

private:
    CTilePile m_first;
    CTilePile m_second;
};
