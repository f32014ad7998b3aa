#include "games/Lochness.h"

#include "framework/BackBuffer.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr int kStackHeight = 7;
constexpr int kStarCount = 10;
constexpr int kStarCost = 25;
constexpr unsigned kLetterBinTooltip = 614;
}  // namespace

CLochness::CLochness(const CGameContext& context)
    : CGame(context), m_word(*this, context.dictionary), m_stars(*this, context.dictionary, m_word)
{
    SetTableSize(9, 11);
    m_scorePanel.playPenalty = kStarCost;

    CStr letters = DealLetters(kSupplyStandard, 49, 1, 1);
    m_letterBin.SetText(letters, false, true);
    // Stack 0 takes the last seven letters of the deal, stack 6 the first
    // seven; only the lowest tile of each shows its letter.
    for (int i = 0; i < kStacks; ++i) {
        CTilePile& stack = m_stacks[i];
        stack.Configure(kPileAboveFaceDown | kPileEmptyMarker | kPileCompactFaceDown, kFanDown);
        stack.tag = i;
        stack.tiles = letters.Right(kStackHeight);
        stack.faceDownCount = kStackHeight - 1;
        letters.DropLast(kStackHeight);
    }
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
    const int wordRow = 3 * (3 * h + h / 4) + 10;
    m_word.Place(left, wordRow, left + 3 * w, 10);
}

int CLochness::DeductPenalty(HWND hwnd)
{
    m_scorePanel.score -= m_scorePanel.penaltyPoints;
    m_backBuffer.Open(hwnd);
    DrawScorePanel();
    m_backBuffer.Close();
    return 1;
}

int CLochness::StackAt(int x, int y) const
{
    for (int i = 0; i < kStacks; ++i)
        if (m_stacks[i].HitTest(m_tileSet, x, y) >= 0)
            return i;
    return -1;
}

int CLochness::OnLButtonDown(HWND hwnd, int x, int y, unsigned)
{
    m_pressPoint = {x, y};
    hwnd->SetCapture();
    if (m_stars.HitTest(x, y)) {
        m_stars.Use(hwnd, [this, hwnd] { return TryScoreWord(hwnd); });
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

int CLochness::OnLButtonUp(HWND hwnd, int, int, unsigned)
{
    hwnd->ReleaseCapture();
    return m_word.OnButtonUp(hwnd, [this, hwnd] { TryScoreWord(hwnd); }) ? 1 : 0;
}

int CLochness::OnLButtonDblClk(HWND hwnd, int x, int y, unsigned keys)
{
    if (StackAt(x, y) >= 0 || m_word.IsOverButton(x, y))
        return OnLButtonDown(hwnd, x, y, keys);
    if (TryScoreWord(hwnd))
        return 1;
    return OnLButtonDown(hwnd, x, y, keys);
}

int CLochness::OnRButtonUp(HWND hwnd, int, int, unsigned)
{
    m_stars.Use(hwnd, [this, hwnd] { return TryScoreWord(hwnd); });
    return 1;
}

void CLochness::TakeTile(HWND hwnd, int stack)
{
    if (!m_word.CanExtend(m_stacks[stack].Top())) {
        PlaySoundIfEnabled(kSoundRefused);
        return;
    }
    PlaySoundIfEnabled(kSoundTileMoved);
    m_backBuffer.Open(hwnd);
    // The tile above turns face up; Undo turns it down again.
    MoveTile(&m_stacks[stack], &m_word.word, 1, 0);
    AfterMove(hwnd, 0);
    m_backBuffer.Close();
}

bool CLochness::TryScoreWord(HWND hwnd)
{
    return m_word.TryScoreWord(hwnd, [this, hwnd](CTilePile& sink) { ScoreWord(sink, hwnd); });
}

bool CLochness::ScoreWord(CTilePile& pile, HWND hwnd)
{
    int length = 0;
    if (!m_word.IsWordOnPile(pile, 0, &length))
        return false;
    m_backBuffer.Open(hwnd);
    // Star letters score nothing and were never in the letter bin.
    const CStr fromStacks = m_stars.TakeStarLetters(m_word.TakeTiles(pile, length));
    m_letterBin.StrikeLetters(fromStacks);
    m_letterBin.Draw(m_backBuffer, &m_tileSet);
    m_scorePanel.AddWordScore(fromStacks);
    DrawScorePanel();
    m_undo.Clear();  // a scored word can't be taken back
    m_backBuffer.Close();
    return true;
}

bool CLochness::IsFinished(HWND)
{
    for (const CTilePile& stack : m_stacks)
        if (!stack.IsEmpty())
            return false;
    return true;
}

void CLochness::AfterMove(HWND hwnd, int flag)
{
    m_word.UpdateButtons(hwnd, flag != 0);
    RefreshTooltips();
}

bool CLochness::CheckRules(std::string& why)
{
    CStr onTable = m_stars.WithoutStarLetters(m_word.Letters());
    onTable += m_word.sink.tiles;
    for (const CTilePile& stack : m_stacks)
        onTable += stack.tiles;
    return m_letterBin.ShowsLetters(onTable, why);
}
