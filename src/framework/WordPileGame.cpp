#include "framework/WordPileGame.h"

#include <algorithm>

#include "framework/BackBuffer.h"
#include "framework/Shell.h"

CWordPileGame::CWordPileGame(const CGameContext& context) : CGame(context), m_word(*this, context.dictionary) {}

int CWordPileGame::DeductPenalty(HWND hwnd)
{
    m_scorePanel.score -= m_scorePanel.penaltyPoints;
    m_backBuffer.Open(hwnd);
    DrawScorePanel();
    m_backBuffer.Close();
    return 1;
}

int CWordPileGame::OnLButtonUp(HWND hwnd, int, int, unsigned)
{
    hwnd->ReleaseCapture();
    if (m_word.OnButtonUp(hwnd, [this, hwnd] { TryScoreWord(hwnd); }))
        return 1;
    if (!m_cancelHeld)
        return 0;
    m_cancelHeld = false;
    ShowButton(hwnd, m_cancel, kButtonRaised);
    m_word.UndoTo(hwnd, 0);
    return 1;
}

int CWordPileGame::OnEscapeKey(HWND hwnd)
{
    if (!m_hasCancel)
        return CGame::OnEscapeKey(hwnd);
    m_word.UndoTo(hwnd, 0);
    return 1;
}

void CWordPileGame::AfterMove(HWND hwnd, int flag)
{
    if (m_hasCancel)
        ShowButtonIf(hwnd, flag != 0, m_cancel, CanUndo());
    m_word.UpdateButtons(hwnd, flag != 0);
    RefreshTooltips();
}

void CWordPileGame::AddCancelButton(unsigned tooltip)
{
    m_hasCancel = true;
    AddButton(m_cancel, "cancel", tooltip);
}

bool CWordPileGame::PressCancelAt(HWND hwnd, int x, int y)
{
    if (!m_cancel.HitTest(x, y))
        return false;
    m_cancelHeld = true;
    ShowButton(hwnd, m_cancel, kButtonPressed);
    return true;
}

void CWordPileGame::ShowButton(HWND hwnd, CTileButton& button, int state)
{
    if (!button.visible)
        return;
    m_backBuffer.Open(hwnd);
    button.state = state;
    button.Draw(m_backBuffer, m_tileSet);
    m_backBuffer.Close();
}

void CWordPileGame::ShowButtonIf(HWND hwnd, bool openBuffer, CTileButton& button, bool shown)
{
    if (openBuffer)
        m_backBuffer.Open(hwnd);
    if (button.visible && !shown)
        button.Erase(m_backBuffer, m_tileSet);
    button.visible = shown ? 1 : 0;
    if (shown)
        button.Draw(m_backBuffer, m_tileSet);
    if (openBuffer)
        m_backBuffer.Close();
}

void CWordPileGame::DealStacks(std::span<CTilePile> stacks, CStr& letters, int height, int faceUp, unsigned flags)
{
    for (std::size_t i = 0; i < stacks.size(); ++i) {
        CTilePile& stack = stacks[i];
        stack.Configure(flags, kFanDown);
        stack.tag = static_cast<int>(i);
        stack.tiles = letters.Right(height);
        stack.faceDownCount = height - faceUp;
        letters.DropLast(height);
    }
}

bool CWordPileGame::TakeFromPileAt(HWND hwnd, std::span<CTilePile> piles, int x, int y)
{
    const int i = PileAt(piles, x, y);
    if (i < 0 || piles[static_cast<std::size_t>(i)].IsEmpty())
        return false;
    TakeIntoWord(hwnd, piles[static_cast<std::size_t>(i)]);
    return true;
}

int CWordPileGame::PileAt(std::span<const CTilePile> piles, int x, int y) const
{
    for (std::size_t i = 0; i < piles.size(); ++i)
        if (piles[i].HitTest(m_tileSet, x, y) >= 0)
            return static_cast<int>(i);
    return -1;
}

bool CWordPileGame::TakeIntoWord(HWND hwnd, CTilePile& from)
{
    if (from.IsEmpty() || !m_word.CanExtend(from.Top())) {
        PlaySoundIfEnabled(kSoundRefused);
        return false;
    }
    PlaySoundIfEnabled(kSoundTileMoved);
    m_backBuffer.Open(hwnd);
    MoveTile(&from, &m_word.word, 1, 0);
    AfterMove(hwnd, 0);
    m_backBuffer.Close();
    return true;
}

int CWordPileGame::PressWordOrButton(HWND hwnd, int x, int y)
{
    if (m_word.ClickWordTile(hwnd, x, y))
        return 1;
    // The action follows on button-up.
    if (!m_word.PressButtonAt(hwnd, x, y))
        PressCancelAt(hwnd, x, y);
    return 0;
}

int CWordPileGame::DoubleClick(HWND hwnd, int x, int y, unsigned keys, bool onTile)
{
    const bool onButton = m_word.IsOverButton(x, y) || m_cancel.HitTest(x, y);
    if (!onTile && !onButton && TryScoreWord(hwnd))
        return 1;
    return OnLButtonDown(hwnd, x, y, keys);
}

bool CWordPileGame::AllEmpty(std::span<const CTilePile> piles)
{
    return std::all_of(piles.begin(), piles.end(), [](const CTilePile& pile) { return pile.IsEmpty(); });
}

CStr CWordPileGame::LettersOf(std::span<const CTilePile> piles)
{
    CStr letters;
    for (const CTilePile& pile : piles)
        letters += pile.tiles;
    return letters;
}

int CWordPileGame::WordPoints(const CStr& letters) const { return letters.GetLength() * m_scorePanel.gameAmount2; }

bool CWordPileGame::TryScoreWord(HWND hwnd)
{
    return m_word.ScoreWord(hwnd, m_keepsLetterBin ? &m_letterBin : nullptr, [this](CStr& letters) {
        letters = ScoringLetters(letters);
        AfterWordScored();
        return WordPoints(letters);
    });
}

bool CWordPileGame::CheckRules(std::string& why)
{
    if (!m_keepsLetterBin)
        return true;
    CStr inPlay = m_word.word.tiles;
    inPlay += m_word.sink.tiles;
    CStr listed = BinLetters(inPlay);
    listed += TableLetters();
    return m_letterBin.ShowsLetters(listed, why);
}
