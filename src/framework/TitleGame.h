#pragma once
// CTitleGame: the title screen shown behind the chooser, the product's name
// spelled in tiles. It has no hand to play and no score panel.
#include "framework/Game.h"

class CTitleGame : public CGame {
public:
    explicit CTitleGame(const CGameContext& context);

    void OnTimer(unsigned timerId) override;

private:
    void PlacePieces(int width, int height) override;

    CTilePile m_first;
    CTilePile m_second;
};
