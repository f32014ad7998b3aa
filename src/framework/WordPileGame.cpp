#include "framework/WordPileGame.h"

#include <algorithm>

#include "framework/BackBuffer.h"
#include "framework/Shell.h"

CWordPileGame::CWordPileGame(const CGameContext& context) : CGame(context), m_word(*this, context.dictionary) {}

void CWordPileGame::OnLButtonUp(int, int, unsigned)
{
    ReleaseMouse();
    ReleaseButtons();
}

bool CWordPileGame::ReleaseButtons()
{
    if (m_word.OnButtonUp([this] { TryScoreWord(); }))
        return true;
    if (!m_cancelHeld)
        return false;
    m_cancelHeld = false;
    ShowButton(m_cancel, kButtonRaised);
    m_word.UndoTo(0);
    return true;
}

void CWordPileGame::OnEscapeKey()
{
    if (!m_hasCancel)
        return CGame::OnEscapeKey();
    m_word.UndoTo(0);
}

void CWordPileGame::AfterMove()
{
    if (m_hasCancel)
        ShowButtonIf(m_cancel, CanUndo());
    m_word.UpdateButtons();
    RefreshTooltips();
}

void CWordPileGame::AddCancelButton(unsigned tooltip)
{
    m_hasCancel = true;
    AddButton(m_cancel, "cancel", tooltip);
}

bool CWordPileGame::PressCancelAt(int x, int y)
{
    if (!m_cancel.HitTest(x, y))
        return false;
    m_cancelHeld = true;
    ShowButton(m_cancel, kButtonPressed);
    return true;
}

void CWordPileGame::ShowButton(CTileButton& button, int state)
{
    if (!button.visible)
        return;
    button.state = state;
    button.Draw(m_backBuffer, m_tileSet);
}

void CWordPileGame::ShowButtonIf(CTileButton& button, bool shown)
{
    if (button.visible && !shown)
        button.Erase(m_backBuffer, m_tileSet);
    button.visible = shown ? 1 : 0;
    if (shown)
        button.Draw(m_backBuffer, m_tileSet);
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

bool CWordPileGame::TakeFromPileAt(std::span<CTilePile> piles, int x, int y)
{
    const int i = PileAt(piles, x, y);
    if (i < 0 || piles[static_cast<std::size_t>(i)].IsEmpty())
        return false;
    TakeIntoWord(piles[static_cast<std::size_t>(i)]);
    return true;
}

int CWordPileGame::PileAt(std::span<const CTilePile> piles, int x, int y) const
{
    for (std::size_t i = 0; i < piles.size(); ++i)
        if (piles[i].HitTest(m_tileSet, x, y) >= 0)
            return static_cast<int>(i);
    return -1;
}

bool CWordPileGame::TakeIntoWord(CTilePile& from)
{
    if (from.IsEmpty() || !m_word.CanExtend(from.Top())) {
        PlaySound(kSoundRefused);
        return false;
    }
    PlaySound(kSoundTileMoved);
    MoveTile(&from, &m_word.word, kFlyFaceDown);
    AfterMove();
    return true;
}

void CWordPileGame::PressWordOrButton(int x, int y)
{
    if (m_word.ClickWordTile(x, y))
        return;
    // The action follows on button-up.
    if (!m_word.PressButtonAt(x, y))
        PressCancelAt(x, y);
}

void CWordPileGame::DoubleClick(int x, int y, unsigned keys, bool onTile)
{
    const bool onButton = m_word.IsOverButton(x, y) || m_cancel.HitTest(x, y);
    if (!onTile && !onButton && TryScoreWord())
        return;
    OnLButtonDown(x, y, keys);
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

int CWordPileGame::WordPoints(const CStr& letters) const { return letters.GetLength() * m_hand.gameAmount2; }

bool CWordPileGame::TryScoreWord()
{
    return m_word.ScoreWord(m_keepsLetterBin ? &m_letterBin : nullptr, [this](CStr& letters) {
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

void CWordPileGame::HandValues(CHandRecord& record)
{
    record(m_letterBin, m_cancel, m_cancelHeld);
}

// ---------------------------------------------------------------------------
// The word finder

int CWordPileGame::WordValue(const CStr& word, std::span<const int>)
{
    return WordPoints(BinLetters(word));  // ScoringLetters may keep the word: only ask what it would earn
}

void CWordPileGame::TopsOf(std::span<const CTilePile> piles, std::vector<int>& out) const
{
    if (piles.empty())
        return;
    // A part registers its piles together, in order: then one look-up serves all.
    const int first = PileIndex(&piles[0]);
    const bool together = PileIndex(&piles.back()) == first + static_cast<int>(piles.size()) - 1;
    for (std::size_t i = 0; i < piles.size(); ++i)
        if (piles[i].FaceUpCount() > 0 && IsAlpha(piles[i].Top()))
            out.push_back(together ? first + static_cast<int>(i) : PileIndex(&piles[i]));
}
