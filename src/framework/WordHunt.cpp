#include "framework/WordHunt.h"

#include "dictionary/Dictionary.h"
#include "framework/BackBuffer.h"
#include "framework/Shell.h"

#include <algorithm>

namespace {

// The last `trim` letters of the pile's word, or all of it when trim is 0;
// false when the word is shorter than trim.
bool TrimmedLetters(const CTilePile& pile, int trim, CStr& letters)
{
    letters = pile.FaceUpLetters();
    if (trim > 0) {
        if (trim > letters.GetLength())
            return false;
        letters = letters.Right(trim);
    }
    return true;
}
}  // namespace

void CWordHunt::ShowButton(CTileButton& button, bool show)
{
    if (show) {
        button.visible = 1;
        button.Draw(m_backBuffer, m_tileSet);
    } else {
        if (button.visible)
            button.Erase(m_backBuffer, m_tileSet);
        button.visible = 0;
    }
}

CWordHunt::CWordHunt(const CGameContext& context, int rows, int columns, const WordHuntOptions& options)
    : CGame(context), m_rows(rows), m_columns(columns), m_rack(static_cast<size_t>(rows * columns)),
      m_word(*this, context.dictionary), m_typing(options.typing), m_checkFollowsWord(options.checkFollowsWord),
      m_doubleClickButtons(options.doubleClickButtons)
{
    m_word.buttonTooltips = options.buttonTooltips;
    for (size_t i = 0; i < m_rack.size(); ++i) {
        m_rack[i].Configure(kPileAllFaceUp | kPileEmptyMarker, kFanSquared);
        m_rack[i].tag = static_cast<int>(i);
    }
    ClearPickPositions();
    AddGrid(m_rack, columns, "rack");
    AddPart(m_word);
    AddButton(m_cancel, "cancel", options.cancelTooltip);
    AddWordList(m_foundWords, "words", options.wordBinTooltip);
}

void CWordHunt::SetCountDown(int seconds)
{
    m_hand.clockValue = seconds;
    m_hand.clockStep = -1;
    m_scorePanel.showTime = 1;
}

void CWordHunt::LayOutLetters(const CStr& letters, bool fromEnd)
{
    const int n = std::min(letters.GetLength(), static_cast<int>(m_rack.size()));
    for (int i = 0; i < n; ++i)
        m_rack[static_cast<size_t>(i)].Push(letters[fromEnd ? letters.GetLength() - 1 - i : i]);
}

bool CWordHunt::LastPick(int& row, int& column) const
{
    const size_t length = static_cast<size_t>(m_word.word.Length());
    if (length == 0 || length >= m_pickPositions.size() || m_pickPositions[length].x < 0)
        return false;
    row = m_pickPositions[length].y;
    column = m_pickPositions[length].x;
    return true;
}

void CWordHunt::DiscardPlace(CTilePile& place)
{
    if (place.IsEmpty())
        return;
    TilesLeftPlay(place.RemoveTop(place.Length()));
}

void CWordHunt::FillPlace(CTilePile& place, char letter)
{
    place.Push(letter);
    char text[2] = {letter, 0};
    TilesJoinedPlay(CStr(text));
}

void CWordHunt::PlaceButtons(int x, int y)
{
    const int w = m_tileSet.TileWidth();
    m_cancel.SetPosition(x, y);
    m_word.undo.SetPosition(x + 3 * w / 4, y);
    m_word.check.SetPosition(x + 3 * w / 4 + 5 * w / 4, y);
}

void CWordHunt::ClearPickPositions() { m_pickPositions.assign(m_rack.size() + 1, POINT{-1, -1}); }

// ---------------------------------------------------------------------------
// Mouse

bool CWordHunt::HitPlace(int x, int y, int& row, int& column) const
{
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c) {
            const CTilePile& place = Place(r, c);
            if (!place.IsEmpty() && place.HitTest(m_tileSet, x, y) >= 0) {
                row = r;
                column = c;
                return true;
            }
        }
    return false;
}

void CWordHunt::OnLButtonDown(int x, int y, unsigned keys)
{
    CGame::OnLButtonDown(x, y, keys);
    int row = 0, column = 0;
    if (HitPlace(x, y, row, column)) {
        PickTile(row, column);
        return;
    }
    if (m_word.ClickWordTile(x, y) || m_word.PressButtonAt(x, y))
        return;
    if (m_cancel.HitTest(x, y))
        m_cancelHeld = true;  // acted on when the button goes up
}

void CWordHunt::OnLButtonUp(int, int, unsigned)
{
    ReleaseMouse();
    if (m_word.OnButtonUp([this] { ScoreCurrentWord(); }))
        return;
    if (m_cancelHeld) {
        m_cancelHeld = false;
        while (CanUndo())
            Undo();
    }
}

void CWordHunt::OnLButtonDblClk(int x, int y, unsigned keys)
{
    int row = 0, column = 0;
    const bool onButton = m_doubleClickButtons && (m_word.IsOverButton(x, y) || m_cancel.HitTest(x, y));
    if (!HitPlace(x, y, row, column) && !onButton && ScoreCurrentWord())
        return;
    return OnLButtonDown(x, y, keys);
}

// ---------------------------------------------------------------------------
// Keyboard

void CWordHunt::OnEnterKey()
{
    if (!m_typing)
        return;
    if (m_word.check.visible)
        ScoreCurrentWord();
}

void CWordHunt::OnEscapeKey()
{
    if (!m_typing)
        return;
    while (CanUndo())
        Undo();
}

void CWordHunt::OnBackspaceKey()
{
    if (!m_typing)
        return;
    if (CanUndo())
        Undo();
}

void CWordHunt::OnChar(int ch)
{
    if (!m_typing)
        return;
    if (ch == ' ')
        return OnEnterKey();
    const char letter = ToLowerChar(static_cast<char>(ch));
    if (letter < 'a' || letter > 'z')
        return;
    // The first place, row by row, that shows the letter and may give it.
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c)
            if (!Place(r, c).IsEmpty() && Place(r, c).Top() == letter && CanPick(r, c)) {
                PickTile(r, c);
                return;
            }
}

// ---------------------------------------------------------------------------
// Spelling and scoring

void CWordHunt::PickTile(int row, int column)
{
    CTilePile& place = Place(row, column);
    if (place.IsEmpty() || !CanPick(row, column))
        return;
    if (!m_word.CanExtend(place.Top())) {
        PlaySound(kSoundRefused);
        return;
    }
    PlaySound(kSoundTileMoved);
    MoveTile(&place, &m_word.word, kFlyFaceDown);
    AfterMove();
    const size_t length = static_cast<size_t>(m_word.word.Length());
    if (length < m_pickPositions.size())
        m_pickPositions[length] = POINT{column, row};
}

bool CWordHunt::IsNewWord(const CTilePile& pile, int trim)
{
    CStr letters;
    return TrimmedLetters(pile, trim, letters) && m_word.IsWordOnPile(pile, trim) &&
           !m_foundWords.Contains(letters);
}

bool CWordHunt::ScoreCurrentWord()
{
    if (m_word.IsEmpty() || !IsNewWord(m_word.word, 0))
        return false;
    return m_word.TryScoreWord([this](CTilePile& sink) { ScoreWord(sink, 0); });
}

bool CWordHunt::ScoreWord(CTilePile& pile, int trim)
{
    CStr word;
    if (!TrimmedLetters(pile, trim, word) || !m_word.IsWordOnPile(pile, trim))
        return false;
    m_word.TakeTiles(pile, pile.Length());
    m_foundWords.AddWord(word);
    ReturnTiles(word);
    m_earned += m_hand.WordScore(word.GetLength());
    m_hand.AddWordScore(word);
    m_foundWords.Draw(m_backBuffer, m_tileSet);
    ClearPickPositions();
    m_undo.Clear();  // a scored word can't be taken back
    return true;
}

void CWordHunt::ReturnTiles(const CStr& word)
{
    // Every letter goes back to the place it was picked from.
    for (int k = 0; k < word.GetLength(); ++k) {
        const size_t n = static_cast<size_t>(k + 1);
        const POINT at = n < m_pickPositions.size() ? m_pickPositions[n] : POINT{-1, -1};
        CTilePile* place = at.x >= 0 ? &Place(at.y, at.x) : nullptr;
        if (!place || !place->IsEmpty()) {  // no record of it: the first empty place
            place = nullptr;
            for (CTilePile& p : m_rack)
                if (p.IsEmpty()) {
                    place = &p;
                    break;
                }
        }
        if (place)
            FillPlace(*place, word[k]);
    }
}

namespace {
constexpr char kRackRecord = 'R';  // text: the rack's letters before the pick ('.' for an empty place)
}

std::optional<CUndoRecord> CWordHunt::CreateUndoRecord(CTilePile* from, CTilePile* to, int count)
{
    std::optional<CUndoRecord> record = CGame::CreateUndoRecord(from, to, count);
    if (record) {
        record->kind = kRackRecord;
        for (const CTilePile& place : m_rack)
            record->text.AppendChar(place.IsEmpty() ? '.' : place.Top());
    }
    return record;
}

bool CWordHunt::Undo()
{
    // Tiles a rule threw away after the pick come back with it (the base
    // then moves the picked tile home and repaints everything).
    if (const CUndoRecord* record = m_undo.Peek(); record && record->kind == kRackRecord) {
        const CTilePile* picked = RegisteredPile(record->from);
        for (int i = 0; i < static_cast<int>(m_rack.size()) && i < record->text.GetLength(); ++i) {
            CTilePile& place = m_rack[static_cast<std::size_t>(i)];
            if (place.IsEmpty() && record->text[i] != '.' && &place != picked) {
                place.Push(record->text[i]);
                TilesJoinedPlay(record->text.Mid(i, 1));
            }
        }
    }
    return CGame::Undo();
}

void CWordHunt::AfterMove()
{
    const bool newWord = !PendingWord().IsEmpty() && IsNewWord(m_word.word, 0);
    if (m_checkFollowsWord && newWord) {
        // A quarter tile right of the word's last tile.
        const RECT word = m_word.word.Rect(m_tileSet);
        const int x = word.right + m_tileSet.TileWidth() / 4, y = word.top + m_tileSet.TileHeight() / 4;
        if (m_word.check.visible && (x != m_word.check.x || y != m_word.check.y))
            m_word.check.Erase(m_backBuffer, m_tileSet);
        m_word.check.SetPosition(x, y);
    }
    ShowButton(m_word.check, newWord);
    ShowButton(m_word.undo, CanUndo());
    ShowButton(m_cancel, CanUndo());
    RefreshTooltips();
}

bool CWordHunt::OnTimeUp()
{
    ScoreCurrentWord();  // a new word still in the row counts
    return false;            // and the hand ends as timed out
}

bool CWordHunt::CheckRules(std::string& why)
{
    if (!IsHandOver() && m_hand.score != m_earned - m_charged) {
        why = "the score is " + std::to_string(m_hand.score) + ", the words earned " +
              std::to_string(m_earned) + " less " + std::to_string(m_charged) + " charged";
        return false;
    }
    for (const CTilePile& place : m_rack)
        if (place.Length() > 1) {
            why = "a place holds " + std::to_string(place.Length()) + " tiles";
            return false;
        }
    const CStr word = m_word.Letters();
    for (int k = 1; k <= word.GetLength(); ++k) {
        const POINT at = static_cast<size_t>(k) < m_pickPositions.size() ? m_pickPositions[static_cast<size_t>(k)]
                                                                           : POINT{-1, -1};
        if (at.x < 0 || at.y < 0 || at.y >= m_rows || at.x >= m_columns || !Place(at.y, at.x).IsEmpty()) {
            why = "letter " + std::to_string(k) + " of the word has no empty place to go back to";
            return false;
        }
    }
    const CStr pending = PendingWord();
    if (!IsDragging() && (m_word.check.visible != 0) != (!pending.IsEmpty() && IsNewWord(m_word.word, 0))) {
        why = "the checkmark is " + std::string(m_word.check.visible ? "shown" : "hidden") + " for \"" +
              pending.str() + "\"";
        return false;
    }
    return true;
}

bool CWordHunt::IsFinished()
{
    for (const CTilePile& place : m_rack)
        if (!place.IsEmpty())
            return false;
    return true;
}

void CWordHunt::HandValues(CHandRecord& record) { record(m_pickPositions, m_cancelHeld, m_earned, m_charged); }

// ---------------------------------------------------------------------------
// The word finder

void CWordHunt::NextTakes(std::vector<int>& piles) const
{
    const int first = PileIndex(&m_rack[0]);
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c)
            if (!Place(r, c).IsEmpty() && IsAlpha(Place(r, c).Top()) && CanPick(r, c))
                piles.push_back(first + r * m_columns + c);
}

char CWordHunt::Lift(int pile)
{
    const int place = pile - PileIndex(&m_rack[0]);
    const char letter = LiftTop(pile);
    m_word.word.tiles.AppendChar(letter);
    const std::size_t length = static_cast<std::size_t>(m_word.word.Length());
    m_looks.push_back(length < m_pickPositions.size() ? m_pickPositions[length] : POINT{-1, -1});
    if (length < m_pickPositions.size())
        m_pickPositions[length] = POINT{place % m_columns, place / m_columns};
    return letter;
}

void CWordHunt::PutBack(int pile, char letter)
{
    const std::size_t length = static_cast<std::size_t>(m_word.word.Length());
    if (length < m_pickPositions.size())
        m_pickPositions[length] = m_looks.back();
    m_looks.pop_back();
    m_word.word.tiles.PopLast();
    PutTop(pile, letter);
}

int CWordHunt::WordValue(const CStr& word, std::span<const int>)
{
    // The word lies on the word row while the finder looks: the game's own test judges it.
    return IsNewWord(m_word.word, 0) ? m_hand.WordScore(word.GetLength()) : -1;
}
