#pragma once
// Tetris (Classic): the seven shapes of four tiles fall into a well ten
// tiles wide and twenty-one deep, with no words at all: a row filled from
// wall to wall goes on the next step and everything above it drops. A
// point a landed tile, ten a tile of a removed row; more clearings, faster
// shapes.
#include "framework/ShapeDrop.h"

class CTrueTris : public CShapeDropGame {
public:
    void HandValues(CHandRecord& record) override;
    explicit CTrueTris(const CGameContext& context);

    bool CheckRules(std::string& why) override;

protected:
    void DealShape(std::span<char> cells) override;
    int AfterLanding(const std::vector<CellAt>& cells) override;
    void ClearWaiting() override;
    void PlacePieces(int width, int height) override;

private:
    int m_removed = 0;  // tiles of full rows
};
