#include "games/QuilloQuotes.h"

#include <algorithm>

#include "framework/DropTarget.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"
#include "lists/QuoteList.h"

namespace {
}  // namespace

CQuilloQuotes::CQuilloQuotes(const CGameContext& context) : CGame(context)
{
    SetTableSize(16, 8, 84);  // fifteen tiles across, half a tile clear of either edge
    m_undealt = DealLetters(kSupplyQuotation, 52, kDealFixQu);
    // Turning the waste back costs as many points as the quotation has letters.
    m_hand.recyclePenalty = m_undealt.GetLength();
    m_clockRunning = false;  // until the deal
    for (int i = 0; i < kRows; ++i) {
        m_rows[i].Configure(kPileAllFaceUp | kPileEmptyMarker, kFanRight);
        AddPile(m_rows[i], "row" + std::to_string(i));
    }
    AddPart(m_deck);
    m_done.Configure(kPileHidden, kFanRight);
    AddPile(m_done, "done");
}

void CQuilloQuotes::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int left = (width - 15 * w) / 2;
    m_deck.Place(left, 10, left + w + 10, 10);
    for (int i = 0; i < kRows; ++i) {
        m_rows[i].SetPosition(left, 3 * h + 10 + i * (h + 16));
        m_rows[i].maxSpan = width - left - kWindowEdge;  // a long row tightens inside the window
    }
    m_quoteRect = RECT{left + 3 * w + 10, 10, left + 15 * w, 3 * h};
    if (m_pQuoteList)
        m_pQuoteList->SetRect(m_quoteRect.top, m_quoteRect.left, m_quoteRect.bottom, m_quoteRect.right);
    m_scorePanel.SetRect(h + 20, left, 2 * h + 10, left + 3 * w + 10);
    m_done.SetPosition(left + 3 * w + 10, 10);
}

void CQuilloQuotes::DrawTable()
{
    if (m_pQuoteList)
        m_pQuoteList->Draw(m_backBuffer, m_peeking ? 1 : 0);
}

void CQuilloQuotes::AddTableLook(std::string& look) const
{
    look += m_peeking ? '1' : '0';
    if (m_pQuoteList && m_pQuoteList->IsOpen())
        look += m_pQuoteList->IsMasked() ? m_pQuoteList->GetMaskedText().str() : std::string(m_pQuoteList->GetText());
}

void CQuilloQuotes::AddTooltips() { m_tooltips.AddTool(m_quoteRect, kStrQuoteTooltip, kStrQuoteTooltip); }

// ---------------------------------------------------------------------------
// The deal and the deck

void CQuilloQuotes::Deal()
{
    if (m_dealt)
        return;
    m_dealt = true;
    m_clockRunning = true;
    if (m_pQuoteList)
        m_pQuoteList->HideLetters();
    m_deck.stock.tiles = m_undealt;  // the first letter at the bottom
    m_undealt.Empty();
}

void CQuilloQuotes::TurnTile()
{
    if (!m_deck.IsEmpty())  // with both empty, nothing happens
        m_deck.Turn();
}

// ---------------------------------------------------------------------------
// Mouse

void CQuilloQuotes::OnLButtonDown(int x, int y, unsigned keys)
{
    // The press that deals shows the quotation's letters masked: it is no peek.
    const bool dealing = !m_dealt;
    Deal();
    CGame::OnLButtonDown(x, y, keys);
    if (m_deck.IsWasteHit(x, y)) {
        BeginDrag(&m_deck.waste, 1, x, y);
        return;
    }
    if (!dealing && PointInRect(m_quoteRect, x, y)) {
        // Every press costs the penalty, however briefly it is held.
        m_peeking = true;
        m_hand.score -= m_hand.penaltyPoints;
        return;
    }
    // Only the top tile of a row can be lifted.
    const int row = RowAt(x, y);
    if (row >= 0 && m_rows[row].HitTest(m_tileSet, x, y) == m_rows[row].Length() - 1) {
        BeginDrag(&m_rows[row], 1, x, y);
        return;
    }
}

void CQuilloQuotes::OnLButtonUp(int x, int y, unsigned)
{
    ReleaseMouse();
    if (m_peeking) {
        m_peeking = false;
    }
    if (m_dragging) {
        if (m_dragMoved) {
            DropDraggedTile();
            return;
        }
        CancelDrag();
    }
    if (m_deck.IsStockHit(x, y) || m_deck.waste.HitTest(m_tileSet, x, y) >= 0) {
        TurnTile();
        return;
    }
    // A click on a row plays the waste's top tile there.
    const int row = RowAt(x, y);
    if (row < 0 || m_deck.waste.IsEmpty())
        return;
    CTilePile& target = m_rows[row];
    if ((target.IsEmpty() || CanJoin(target, m_deck.waste.Top())) && m_deck.PlayWasteOnto(target) &&
        IsFinishedAfterDrop(&target))
        EndHandIfFinished();
}

void CQuilloQuotes::OnRButtonDown(int, int, unsigned)
{
    Deal();
}

void CQuilloQuotes::OnRButtonUp(int, int, unsigned)
{
    if (!m_dragging)
        TurnTile();
}

void CQuilloQuotes::DropDraggedTile()
{
    // On a row's tiles, its empty place, or just past its last tile.
    const int row = FindDropTarget(m_tileSet, m_rows, DragImageCentre(*this));
    if (m_dragPile.Length() != 1 || row < 0 || &m_rows[row] == m_pDragSource ||
        !(m_rows[row].IsEmpty() || CanJoin(m_rows[row], m_dragPile.Top()))) {
        CancelDrag();
        return;
    }
    PlaySound(kSoundTileMoved);
    EndDrag(&m_rows[row]);  // ends the hand when the drop finished it
}

int CQuilloQuotes::RowAt(int x, int y) const
{
    for (int i = 0; i < kRows; ++i)
        if (m_rows[i].HitTest(m_tileSet, x, y) >= 0)
            return i;
    return -1;
}

// ---------------------------------------------------------------------------
// Rules

bool CQuilloQuotes::CanJoin(const CTilePile& row, char letter) const
{
    if (!m_pQuoteList)
        return false;
    CStr text = row.tiles;
    text.AppendChar(letter);
    return m_pQuoteList->IsPrefixInQuote(text, 0) != 0;
}

std::vector<CMove> CQuilloQuotes::FindMoves()
{
    std::vector<CMove> moves;
    if (!m_dealt || !m_pQuoteList)
        return moves;
    const auto onto = [&](const CTilePile& from) {
        if (from.IsEmpty())
            return;
        for (const CTilePile& to : m_rows) {
            if (&to == &from || !(to.IsEmpty() || CanJoin(to, from.Top())))
                continue;
            // A lone tile gains nothing on another empty row.
            if (to.IsEmpty() && from.Length() == 1 && &from != &m_deck.waste)
                continue;
            CStr letters = to.tiles;
            letters.AppendChar(from.Top());
            CMove move;
            move.from = PileIndex(&from);
            move.count = 1;
            move.to = PileIndex(&to);
            move.points = m_pQuoteList->IsWordInQuote(letters, 0) > 0 ? 100 : to.IsEmpty() ? 10 : 30;
            moves.push_back(std::move(move));
        }
    };
    onto(m_deck.waste);
    for (const CTilePile& row : m_rows)
        onto(row);
    RankByProgress(moves);
    return moves;
}

bool CQuilloQuotes::IsFinishedAfterDrop(CTilePile* target)
{
    // The word's own flight into the done pile ends nothing.
    if (!target || target == &m_done || !m_pQuoteList)
        return false;
    const int n = m_pQuoteList->IsWordInQuote(target->tiles, 0);
    if (n <= 0)
        return false;
    PlaySound(kSoundScored);
    BeginDrag(target, n, target->TileX(m_tileSet, target->Length() - n), target->TopTileY(m_tileSet));
    EndDrag(&m_done);
    const CStr word = m_done.RemoveAll();
    m_pQuoteList->RevealWord(word);
    TilesLeftPlay(word);
    m_hand.AddWordPoints(n * m_hand.gameAmount2);
    m_undo.Clear();  // an uncovered word can't be taken back
    return IsFinished();
}

bool CQuilloQuotes::IsFinished()
{
    return m_dealt && m_deck.IsEmpty() &&
           std::all_of(std::begin(m_rows), std::end(m_rows), [](const CTilePile& p) { return p.IsEmpty(); });
}

CStr CQuilloQuotes::TilesOutsidePiles() const
{
    CStr tiles = CGame::TilesOutsidePiles();
    tiles += m_undealt;
    return tiles;
}

std::string CQuilloQuotes::DescribeState() const
{
    std::string text = CGame::DescribeState();
    if (m_pQuoteList && m_pQuoteList->IsOpen()) {
        const char* shown = m_pQuoteList->IsMasked() ? m_pQuoteList->GetMaskedText().c_str() : m_pQuoteList->GetText();
        text += "quote: \"" + std::string(shown) + "\"\n";
    }
    return text + "dealt: " + (m_dealt ? "yes\n" : "no\n");
}

void CQuilloQuotes::HandValues(CHandRecord& record)
{
    CGame::HandValues(record);
    record(m_undealt, m_dealt, m_peeking);
    if (m_pQuoteList)
        m_pQuoteList->Values(record);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrQuillosQuotesHowTo1, 3}, {kStrQuillosQuotesHowTo2, 4},
    {kStrQuillosQuotesHowTo3, 4}, {kStrQuillosQuotesHowTo4, 5}, {kStrQuillosQuotesHowTo5, 4},
    {kStrQuillosQuotesHowTo6, 3}, {kStrQuillosQuotesHowTo7, 7}, {kStrQuillosQuotesHowTo8, 5},
    {kStrQuillosQuotesHowTo9, 4}, {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kQuilloQuotesGame{1, "QuilloQuotes", kStrQuillosQuotesName, GameNeeds::Quotations,
    kHowToPlay, MakeGame<CQuilloQuotes>,
    {kStrQuillosQuotesDescription, 403, kStrDifficultyDifficult, kStrScoreFixedPointsPerLetter}};
