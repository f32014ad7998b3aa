#include "games/Lochness.h"

#include "framework/LetterSupply.h"

namespace {
constexpr int kStackHeight = 7;
constexpr int kStarCount = 10;
constexpr int kStarCost = 25;
constexpr unsigned kLetterBinTooltip = 614;
}  // namespace

CLochness::CLochness(const CGameContext& context)
    : CWordPileGame(context), m_stars(*this, context.dictionary, m_word)
{
    SetTableSize(9, 11);
    m_scorePanel.playPenalty = kStarCost;

    CStr letters = DealLetters(kSupplyStandard, 49, 1, 1);
    m_letterBin.SetText(letters, false, true);
    // Only the lowest tile of each stack shows its letter; when it is taken
    // the tile above turns face up, and Undo turns it down again.
    DealStacks(m_stacks, letters, kStackHeight, 1, kPileAboveFaceDown | kPileEmptyMarker | kPileCompactFaceDown);
    m_stars.Deal(kStarCount);

    for (int i = 0; i < kStacks; ++i)
        AddPile(m_stacks[i], "stack" + std::to_string(i));
    AddPart(m_stars);
    AddPart(m_word);
    AddBoard(m_letterBin, "letterBin", kLetterBinTooltip);
}

void CLochness::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();

    const int step = w + w / 4;
    const int rowWidth = kStacks * step - w / 4;
    const int left = (width - rowWidth) / 2;
    for (int i = 0; i < kStacks; ++i)
        m_stacks[i].SetPosition(left + i * step, 5 * h / 2 + 10);
    m_stars.Place(left, 10);
    m_scorePanel.SetRect(h + 20, left, 2 * h + 10, left + 2 * w);
    m_letterBin.SetRect(10, left + 2 * w, 2 * h + 10, left + rowWidth);
    // The sink lies inside the letter bin, so scored tiles seem to fly into it.
    m_word.Place(left, 3 * (3 * h + h / 4) + 10, left + 3 * w, 10);
}

int CLochness::OnLButtonDown(HWND hwnd, int x, int y, unsigned)
{
    m_pressPoint = {x, y};
    hwnd->SetCapture();
    if (m_stars.HitTest(x, y)) {
        UseStar(hwnd);
        return 1;
    }
    return TakeFromPileAt(hwnd, m_stacks, x, y) ? 1 : PressWordOrButton(hwnd, x, y);
}

int CLochness::OnLButtonDblClk(HWND hwnd, int x, int y, unsigned keys)
{
    return DoubleClick(hwnd, x, y, keys, PileAt(m_stacks, x, y) >= 0);
}

int CLochness::OnRButtonUp(HWND hwnd, int, int, unsigned)
{
    UseStar(hwnd);
    return 1;
}

void CLochness::UseStar(HWND hwnd)
{
    m_stars.Use(hwnd, [this, hwnd] { return TryScoreWord(hwnd); });
}
