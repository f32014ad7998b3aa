#include "games/Gobble.h"

#include <algorithm>
#include <cstdlib>

#include "dictionary/Dictionary.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
// An undo record of a typed letter: no tiles move.
constexpr char kTypedRecord = 'T';

WordHuntOptions Options()
{
    WordHuntOptions options;
    options.doubleClickButtons = true;
    return options;
}
}  // namespace

CGobble::CGobble(const CGameContext& context) : CWordHunt(context, kSide, kSide, Options())
{
    SetTableSize(8, 7);
    m_foundWords.SetFirst("");
    // Common letters, fixed for Q-U and balanced; the first cell takes the last one.
    LayOutLetters(DealLetters(kSupplyCommon, kSide * kSide, kDealFixQu | kDealBalanced), true);
    SetCountDown(kSeconds);
}

bool CGobble::CanPick(int row, int column) const
{
    int lastRow = 0, lastColumn = 0;
    return !LastPick(lastRow, lastColumn) || (std::abs(row - lastRow) <= 1 && std::abs(column - lastColumn) <= 1);
}

void CGobble::PickTile(int row, int column)
{
    CTilePile& cell = Place(row, column);
    if (cell.IsEmpty())
        return;
    if (!CanPick(row, column)) {
        PlaySound(kSoundRefused);
        return;
    }
    if (!m_word.CanExtend(cell.Top()))
        return;  // silently
    // The click wins over the typing.
    ClearTyped();
    CWordHunt::PickTile(row, column);
}

void CGobble::OnLButtonDown(int x, int y, unsigned keys)
{
    // A click on the word takes back placed tiles: the typed letters go first, records and all.
    if (!m_typed.IsEmpty() && m_word.word.HitTest(m_tileSet, x, y) >= 0) {
        ClearTyped();
        AfterMove();
    }
    return CWordHunt::OnLButtonDown(x, y, keys);
}

void CGobble::PushTypedRecord(char letter)
{
    CUndoRecord record;
    record.kind = kTypedRecord;
    record.value1 = static_cast<unsigned char>(letter);
    m_undo.Push(std::move(record));
}

void CGobble::ClearHighlight()
{
    for (CTilePile& cell : m_rack)
        cell.displayFlags &= ~kPileNegative;
}

void CGobble::ClearTyped()
{
    for (int k = 0; k < m_typed.GetLength(); ++k)
        m_undo.Pop();
    m_typed = "";
    ClearHighlight();
}

void CGobble::OnChar(int ch)
{
    if (ch == ' ')
        return OnEnterKey();
    const char letter = ToLowerChar(static_cast<char>(ch));
    if (letter < 'a' || letter > 'z')
        return;
    CStr wanted = PendingWord();
    wanted.AppendChar(letter);
    if (!m_pDictionary || !m_pDictionary->IsPrefix(wanted)) {
        PlaySound(kSoundRefused);
        return;
    }
    PushTypedRecord(letter);
    m_typed.AppendChar(letter);
    if (!PlaceTyped(false, true)) {
        // On the grid nowhere that a path can reach: the letter is refused.
        m_undo.Pop();
        m_typed = m_typed.Left(m_typed.GetLength() - 1);
        PlaySound(kSoundRefused);
        PlaceTyped(false, true);
    }
}

bool CGobble::Search(size_t k, int row, int column, bool highlight)
{
    if (k == static_cast<size_t>(m_typed.GetLength()))
        return true;
    bool found = false;
    // From no cell, every cell may start; otherwise those touching it.
    const int r0 = row < 0 ? 0 : row - 1, r1 = row < 0 ? kSide - 1 : row + 1;
    const int c0 = row < 0 ? 0 : column - 1, c1 = row < 0 ? kSide - 1 : column + 1;
    for (int r = std::max(r0, 0); r <= std::min(r1, kSide - 1); ++r)
        for (int c = std::max(c0, 0); c <= std::min(c1, kSide - 1); ++c) {
            const size_t i = static_cast<size_t>(r * kSide + c);
            if (m_lifted[i] || m_rack[i].IsEmpty() || m_rack[i].Top() != m_typed[static_cast<int>(k)])
                continue;
            m_lifted[i] = true;
            const bool path = Search(k + 1, r, c, highlight);
            m_lifted[i] = false;
            if (path) {
                found = true;
                m_choice[k] = POINT{c, r};
                ++m_count[k];
                if (highlight)
                    m_rack[i].displayFlags |= kPileNegative;
            }
        }
    return found;
}

bool CGobble::PlaceTyped(bool force, bool highlight)
{
    const size_t n = static_cast<size_t>(m_typed.GetLength());
    m_choice.assign(n, POINT{-1, -1});
    m_count.assign(n, 0);
    m_lifted.assign(m_rack.size(), false);
    ClearHighlight();
    int row = -1, column = -1;
    LastPick(row, column);
    const bool found = n == 0 || Search(0, row, column, highlight);
    if (n > 0 && found && (m_count[0] == 1 || force)) {
        // The records of the letters placed become tile moves; the rest stay typed.
        for (size_t k = 0; k < n; ++k)
            m_undo.Pop();
        size_t placed = 0;
        for (; placed < n && (m_count[placed] == 1 || force); ++placed) {
            const POINT at = m_choice[placed];
            CTilePile& cell = Place(at.y, at.x);
            cell.displayFlags &= ~kPileNegative;
            MoveTile(&cell, &m_word.word, kFlyFaceDown);
            const size_t length = static_cast<size_t>(m_word.word.Length());
            if (length < m_pickPositions.size())
                m_pickPositions[length] = at;
        }
        m_typed = m_typed.Mid(static_cast<int>(placed), static_cast<int>(n - placed));
        for (int k = 0; k < m_typed.GetLength(); ++k)
            PushTypedRecord(m_typed[k]);
    }
    AfterMove();
    return found;
}

bool CGobble::Undo()
{
    const CUndoRecord* newest = m_undo.Peek();
    if (!newest || newest->kind != kTypedRecord)
        return CWordHunt::Undo();
    m_undo.Pop();
    m_typed = m_typed.Left(m_typed.GetLength() - 1);
    PlaceTyped(false, true);
    AfterMove();
    return true;
}

bool CGobble::ScoreCurrentWord()
{
    if (!m_typed.IsEmpty()) {
        if (!m_pDictionary || !m_pDictionary->IsPrefix(PendingWord())) {
            PlaySound(kSoundRefused);
            return true;
        }
        PlaceTyped(true, false);
    }
    return CWordHunt::ScoreCurrentWord();
}

bool CGobble::IsNewWord(const CTilePile& pile, int trim)
{
    if (&pile != &m_word.word || m_typed.IsEmpty())
        return CWordHunt::IsNewWord(pile, trim);
    // The typed letters count as part of the word.
    const CStr letters = PendingWord();
    return m_pDictionary && m_pDictionary->IsWord(letters) && !m_foundWords.Contains(letters);
}

CStr CGobble::PendingWord() const
{
    CStr letters = m_word.Letters();
    letters += m_typed;
    return letters;
}

bool CGobble::CheckRules(std::string& why)
{
    if (!CWordHunt::CheckRules(why))
        return false;
    for (int k = 2; k <= m_word.word.Length(); ++k) {
        const POINT a = m_pickPositions[static_cast<size_t>(k - 1)], b = m_pickPositions[static_cast<size_t>(k)];
        if (std::abs(a.x - b.x) > 1 || std::abs(a.y - b.y) > 1) {
            why = "letter " + std::to_string(k) + " of the word does not touch the one before";
            return false;
        }
    }
    if (m_word.IsEmpty() && m_undo.Count() != m_typed.GetLength()) {
        why = "the undo history holds " + std::to_string(m_undo.Count()) + " records for an empty word with " +
              std::to_string(m_typed.GetLength()) + " typed letters";
        return false;
    }
    return true;
}

std::string CGobble::DescribeState() const
{
    return CWordHunt::DescribeState() + "typed: \"" + m_typed.str() + "\"\n";
}

void CGobble::PlacePieces(int width, int height)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int left = (width - 6 * w) / 2;
    const int wordTop = height - (2 * h + 10);
    const int binLeft = left + 4 * w + w / 2;
    for (int r = 0; r < kSide; ++r)
        for (int c = 0; c < kSide; ++c)
            Place(r, c).SetPosition(left + c * w, 10 + r * h);
    m_foundWords.SetRect(10, binLeft, wordTop - h / 2, binLeft + 2 * w);
    m_scorePanel.SetRect(wordTop + 9 * h / 8, left, wordTop + 2 * h, left + 2 * w);
    m_word.Place(left, wordTop, binLeft, h + 10);
    PlaceButtons(left + 2 * w - 5 * w / 4, 4 * h + h / 4 + 10);
}

void CGobble::HandValues(CHandRecord& record)
{
    CWordHunt::HandValues(record);
    record(m_typed);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrGobbleHowTo1, 2}, {kStrGobbleHowTo2, 5}, {kStrGobbleHowTo3, 4},
    {kStrGobbleHowTo4, 7}, {kStrGobbleHowTo5, 4}, {kStrGobbleHowTo6, 5}, {kStrGobbleHowTo7, 5}, {kStrGobbleHowTo8, 4},
    {kStrPlayButtonLine, 5}};
}  // namespace

extern const GameDescriptor kGobbleGame{10, "Gobble", kStrGobbleName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CGobble>, {kStrGobbleDescription, 412, kStrDifficultyEasy, kStrScoreSignificantlyMorePointsFor}};
