#include "games/Anagrams.h"

#include <algorithm>

#include "framework/DropTarget.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr unsigned kRowFlags = kPileEmptyMarker | kPileAboveFaceDown | kPileCompactFaceDown;

// Four- and five-letter words earn the most; one row can hold all fourteen
// letters, and a length past the table earns nothing.
int LengthPoints(int length)
{
    constexpr int kPoints[] = {0, 10, 80, 160, 320, 320, 160, 80, 10, 0, 0, 0, 0, 0};
    return length >= 0 && length < static_cast<int>(std::size(kPoints)) ? kPoints[length] : 0;
}
}  // namespace

CAnagrams::CAnagrams(const CGameContext& context) : CGame(context)
{
    SetTableSize(9, 8);
    m_words.wordPoints = LengthPoints;
    // The word lies unscrambled: row 0 holds its first seven letters.
    const CStr letters = DealLetters(kSupplyOneWord, kPlaces);
    for (int i = 0; i < kPlaces; ++i) {
        m_places[i].Configure(kPileAllFaceUp | kPileEmptyMarker, kFanSquared);
        m_places[i].tag = i;
        if (i < letters.GetLength())
            m_places[i].Push(letters[i]);
    }
    for (int r = 0; r < kWordRows; ++r) {
        m_rows[r].Configure(kRowFlags, kFanRight);
        AddPile(m_rows[r], "word" + std::to_string(r));
    }
    AddGrid(m_places, kColumns, "places");
    AddPart(m_words);
}

void CAnagrams::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int left = (width - kColumns * w) / 2;
    for (int c = 0; c < kColumns; ++c) {
        m_places[c].SetPosition(left + c * w, 10);
        m_places[kColumns + c].SetPosition(left + w / 2 + c * w, 10 + h);  // half a tile along
    }
    const int pitch = h + h / 4;
    for (int r = 0; r < kWordRows; ++r) {
        m_rows[r].SetPosition(left, 3 * h + 10 + r * pitch);
        m_rows[r].maxSpan = width - left - w / 8;  // a long row tightens inside the window
        m_words.PlaceFlag(r, left - 3 * w / 4, 3 * h + 10 + h / 4 + r * pitch);
    }
    const int bottom = 3 * h + 10 + kWordRows * pitch + h / 4;
    m_words.sink.SetPosition(left + w, bottom);
    m_scorePanel.SetRect(bottom, left, bottom + 2 * h, left + 2 * w);
}

// ---------------------------------------------------------------------------
// Mouse

void CAnagrams::OnLButtonDown(int x, int y, unsigned keys)
{
    CGame::OnLButtonDown(x, y, keys);
    // A place's tile, or a row's tile hit and every tile after it.
    for (CTilePile& place : m_places) {
        if (!place.IsEmpty() && place.HitTest(m_tileSet, x, y) >= 0) {
            BeginDrag(&place, 1, x, y);
            return;
        }
    }
    if (m_words.LiftAt(x, y))
        return;
    m_words.PressFlagAt(x, y);  // a checkmark only shows it was pressed
}

void CAnagrams::OnLButtonUp(int x, int y, unsigned keys)
{
    if (m_words.ReleaseFlag() >= 0 || !m_dragging || !m_dragMoved)
        return CGame::OnLButtonUp(x, y, keys);
    ReleaseMouse();
    const CWordStacks::DropResult result = m_words.DropDragged();
    if (result == CWordStacks::kDropped)
        EndHandIfFinished();
    else if (result == CWordStacks::kMissed)
        DropOnPlaces();
}

void CAnagrams::OnRButtonDown(int, int, unsigned) {}

void CAnagrams::DropOnPlaces()
{
    const int empty = static_cast<int>(
        std::count_if(std::begin(m_places), std::end(m_places), [](const CTilePile& p) { return p.IsEmpty(); }));
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const POINT first{m_dragImage.X() + w / 2, m_dragImage.Y() + h / 2};
    const auto hit = std::find_if(std::begin(m_places), std::end(m_places),
                                  [&](const CTilePile& p) { return p.HitTest(m_tileSet, first.x, first.y) >= 0; });
    if (m_dragPile.Length() > empty || hit == std::end(m_places)) {
        CancelDrag();
        return;
    }
    EndDrag(hit);
    // Extra tiles move on to the next empty places, along the row and round
    // to the other row; Undo takes them back with the drop.
    CUndoRecord* record = m_undo.Peek();  // the drop's: its piles list where extra tiles moved on to
    const int r = hit->tag / kColumns, c = hit->tag % kColumns;
    for (int i = 0; i < 2 && hit->Length() > 1; ++i)
        for (int j = 0; j < kColumns && hit->Length() > 1; ++j) {
            CTilePile& place = m_places[(r + i) % 2 * kColumns + (c + j) % kColumns];
            if (!place.IsEmpty())
                continue;
            place.Push(hit->PopTop());
            if (record)
                record->piles.push_back(PileIndex(&place));
        }
    AfterMove();
}

bool CAnagrams::Undo()
{
    if (m_dragging)  // the tile in the air may be one the drop moved on
        CancelDrag();
    if (const CUndoRecord* record = m_undo.Peek())
        for (auto it = record->piles.rbegin(); it != record->piles.rend(); ++it)
            if (CTilePile *place = RegisteredPile(*it), *to = RegisteredPile(record->to); place && to && !place->IsEmpty())
                to->Push(place->PopTop());
    return CGame::Undo();
}

// ---------------------------------------------------------------------------
// Rules

void CAnagrams::AfterMove() { m_words.UpdateFlags(); }

bool CAnagrams::IsFinished()
{
    if (std::any_of(std::begin(m_places), std::end(m_places), [](const CTilePile& p) { return !p.IsEmpty(); }))
        return false;
    for (int r = 0; r < kWordRows; ++r)
        if (!m_rows[r].IsEmpty() && !m_words.IsWord(r))
            return false;
    for (int r = 0; r < kWordRows; ++r)
        m_words.ScoreStack(r, 0);
    return true;
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrAnagrammerHowTo1, 2}, {kStrAnagrammerHowTo2, 6},
    {kStrAnagrammerHowTo3, 5}, {kStrAnagrammerHowTo4, 4}, {kStrAnagrammerHowTo5, 6}, {kStrAnagrammerHowTo6, 5},
    {kStrAnagrammerHowTo7, 6}, {kStrPlayButtonLine, 6}};
}  // namespace

extern const GameDescriptor kAnagramsGame{21, "Anagrams", kStrAnagrammerName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CAnagrams>, {kStrAnagrammerDescription, 406, kStrDifficultyModerate, kStrScoreMostPointsFor4}};
