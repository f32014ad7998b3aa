#include "framework/SevenStacks.h"

CSevenStacksGame::CSevenStacksGame(const CGameContext& context) : CWordPileGame(context)
{
    SetTableSize(9, 11);
    for (int i = 0; i < kStacks; ++i)
        AddPile(m_stacks[i], "stack" + std::to_string(i));
}

void CSevenStacksGame::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();

    const int step = w + w / 4;
    const int rowWidth = kStacks * step - w / 4;
    const int left = (width - rowWidth) / 2;
    for (int i = 0; i < kStacks; ++i)
        m_stacks[i].SetPosition(left + i * step, 5 * h / 2 + 10);
    PlaceHelper(left, 10);
    m_scorePanel.SetRect(h + 20, left, 2 * h + 10, left + 2 * w);
    m_letterBin.SetRect(10, left + 2 * w, 2 * h + 10, left + rowWidth);
    // The sink lies inside the letter bin, so scored tiles seem to fly into it.
    m_word.Place(left, 3 * (3 * h + h / 4) + 10, left + 3 * w, 10);
}

void CSevenStacksGame::OnLButtonDown(int x, int y, unsigned)
{
    m_pressPoint = {x, y};
    CaptureMouse();
    if (HelperAt(x, y)) {
        UseHelper();
        return;
    }
    if (!TakeFromPileAt(m_stacks, x, y))
        PressWordOrButton(x, y);
}

void CSevenStacksGame::OnLButtonDblClk(int x, int y, unsigned keys)
{
    // Its first click already used the helper: a double click spends no more.
    if (HelperAt(x, y))
        return;
    return DoubleClick(x, y, keys, PileAt(m_stacks, x, y) >= 0);
}

void CSevenStacksGame::OnRButtonUp(int, int, unsigned)
{
    UseHelper();
}
