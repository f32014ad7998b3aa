#include "games/Golf.h"

#include "framework/BackBuffer.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr int kStackHeight = 6;
constexpr int kPointsPerLetter = 23;
constexpr int kBombCost = 25;
constexpr unsigned kBombTooltip = 622;
constexpr unsigned kLetterBinTooltip = 614;
}  // namespace

CGolf::CGolf(const CGameContext& context) : CWordPileGame(context)
{
    SetTableSize(9, 11);
    m_scorePanel.gameAmount2 = kPointsPerLetter;
    m_scorePanel.playPenalty = kBombCost;

    CStr letters = DealLetters(kSupplyCommon, 42, 1, 1);
    m_letterBin.SetText(letters, false, true);
    DealStacks(m_stacks, letters, kStackHeight, 1, kPileAllFaceUp | kPileEmptyMarker);
    m_bombs.Configure(kPileTopFaceUp | kPileEmptyMarker | kPileCompactFaceDown, kFanRight);
    m_bombs.faceDownGlyph = kGlyphBomb;
    m_bombs.AppendText("ZZZZ");
    m_bombs.faceDownCount = 3;

    for (int i = 0; i < kStacks; ++i)
        AddPile(m_stacks[i], "stack" + std::to_string(i));
    AddPile(m_bombs, "bombs", kBombTooltip);
    AddPart(m_word);
    AddBoard(m_letterBin, "letterBin", kLetterBinTooltip);
}

void CGolf::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();

    const int step = w + w / 4;
    const int rowWidth = kStacks * step - w / 4;
    const int left = (width - rowWidth) / 2;
    for (int i = 0; i < kStacks; ++i)
        m_stacks[i].SetPosition(left + i * step, 5 * h / 2 + 10);
    m_bombs.SetPosition(left, 10);
    m_scorePanel.SetRect(h + 20, left, 2 * h + 10, left + 2 * w);
    m_letterBin.SetRect(10, left + 2 * w, 2 * h + 10, left + rowWidth);
    // The sink lies inside the letter bin, so scored tiles seem to fly into it.
    const int wordRow = 3 * (3 * h + h / 4) + 10;
    m_word.Place(left, wordRow, left + 3 * w, 10);
}

int CGolf::OnLButtonDown(HWND hwnd, int x, int y, unsigned)
{
    m_pressPoint = {x, y};
    hwnd->SetCapture();
    if (m_bombs.HitTest(m_tileSet, x, y) >= 0) {
        UseBomb(hwnd);
        return 1;
    }
    return TakeFromPileAt(hwnd, m_stacks, x, y) ? 1 : PressWordOrButton(hwnd, x, y);
}

int CGolf::OnLButtonDblClk(HWND hwnd, int x, int y, unsigned keys)
{
    return DoubleClick(hwnd, x, y, keys, PileAt(m_stacks, x, y) >= 0);
}

int CGolf::OnRButtonUp(HWND hwnd, int, int, unsigned)
{
    UseBomb(hwnd);
    return 1;
}

void CGolf::UseBomb(HWND hwnd)
{
    if (m_bombs.IsEmpty()) {
        PlaySoundIfEnabled(kSoundRefused);
        return;
    }
    m_backBuffer.Open(hwnd);
    if (!m_word.IsEmpty()) {
        PlaySoundIfEnabled(kSoundPenalty);
        m_scorePanel.score -= m_scorePanel.playPenalty;
        DrawScorePanel();
        m_word.TakeTiles(m_bombs, 1);
        const CStr destroyed = m_word.TakeTiles(m_word.word, m_word.word.Length());
        m_letterBin.StrikeLetters(destroyed);
        m_letterBin.Draw(m_backBuffer, &m_tileSet);
    }
    m_undo.Clear();
    AfterMove(hwnd, 0);
    m_backBuffer.Close();
    EndHandIfFinished(hwnd);
}
