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

CGolf::CGolf(const CGameContext& context) : CGame(context), m_word(*this, context.dictionary)
{
    SetTableSize(9, 11);
    m_scorePanel.playPenalty = kBombCost;

    CStr letters = DealLetters(kSupplyCommon, 42, 1, 1);
    m_letterBin.SetText(letters, false, true);
    // Stack 0 takes the last six letters of the deal, stack 6 the first six.
    for (int i = 0; i < kStacks; ++i) {
        CTilePile& stack = m_stacks[i];
        stack.Configure(kPileAllFaceUp | kPileEmptyMarker, kFanDown);
        stack.tag = i;
        stack.tiles = letters.Right(kStackHeight);
        stack.faceDownCount = kStackHeight - 1;
        letters.DropLast(kStackHeight);
    }
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

int CGolf::DeductPenalty(HWND hwnd)
{
    m_scorePanel.score -= m_scorePanel.penaltyPoints;
    m_backBuffer.Open(hwnd);
    DrawScorePanel();
    m_backBuffer.Close();
    return 1;
}

int CGolf::StackAt(int x, int y) const
{
    for (int i = 0; i < kStacks; ++i)
        if (m_stacks[i].HitTest(m_tileSet, x, y) >= 0)
            return i;
    return -1;
}

int CGolf::OnLButtonDown(HWND hwnd, int x, int y, unsigned)
{
    m_pressPoint = {x, y};
    hwnd->SetCapture();
    if (m_bombs.HitTest(m_tileSet, x, y) >= 0) {
        UseBomb(hwnd);
        return 1;
    }
    const int stack = StackAt(x, y);
    if (stack >= 0 && !m_stacks[stack].IsEmpty()) {
        TakeTile(hwnd, stack);
        return 1;
    }
    if (m_word.ClickWordTile(hwnd, x, y))
        return 1;
    m_word.PressButtonAt(hwnd, x, y);  // the action follows on button-up
    return 0;
}

int CGolf::OnLButtonUp(HWND hwnd, int, int, unsigned)
{
    hwnd->ReleaseCapture();
    return m_word.OnButtonUp(hwnd, [this, hwnd] { TryScoreWord(hwnd); }) ? 1 : 0;
}

int CGolf::OnLButtonDblClk(HWND hwnd, int x, int y, unsigned keys)
{
    if (StackAt(x, y) >= 0 || m_word.IsOverButton(x, y))
        return OnLButtonDown(hwnd, x, y, keys);
    if (TryScoreWord(hwnd))
        return 1;
    return OnLButtonDown(hwnd, x, y, keys);
}

int CGolf::OnRButtonUp(HWND hwnd, int, int, unsigned)
{
    UseBomb(hwnd);
    return 1;
}

void CGolf::TakeTile(HWND hwnd, int stack)
{
    if (!m_word.CanExtend(m_stacks[stack].Top())) {
        PlaySoundIfEnabled(kSoundRefused);
        return;
    }
    PlaySoundIfEnabled(kSoundTileMoved);
    m_backBuffer.Open(hwnd);
    MoveTile(&m_stacks[stack], &m_word.word, 1, 0);
    AfterMove(hwnd, 0);
    m_backBuffer.Close();
}

bool CGolf::TryScoreWord(HWND hwnd)
{
    return m_word.ScoreWord(hwnd, &m_letterBin, [](int letters) { return letters * kPointsPerLetter; });
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

bool CGolf::IsFinished(HWND)
{
    for (const CTilePile& stack : m_stacks)
        if (!stack.IsEmpty())
            return false;
    return true;
}

void CGolf::AfterMove(HWND hwnd, int flag)
{
    m_word.UpdateButtons(hwnd, flag != 0);
    RefreshTooltips();
}

bool CGolf::CheckRules(std::string& why)
{
    CStr onTable = m_word.word.tiles;
    onTable += m_word.sink.tiles;
    for (const CTilePile& stack : m_stacks)
        onTable += stack.tiles;
    return m_letterBin.ShowsLetters(onTable, why);
}
