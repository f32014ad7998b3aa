#include "games/Klondike.h"

#include <algorithm>

#include "dictionary/Dictionary.h"
#include "framework/BackBuffer.h"
#include "framework/DropTarget.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr unsigned kTableauFlags = kPileEmptyMarker | kPileAboveFaceDown | kPileCompactFaceDown;
}  // namespace

CKlondike::CKlondike(const CGameContext& context) : CGame(context)
{
    SetTableSize(9, 11);
    // Four random words; no Q-U fix and no balance, either would change them.
    CStr letters = DealLetters(kSupplyFourWords, 4 * kWordLength);
    m_foundation.SetWords(letters);
    letters.Shuffle(m_random);

    // Pile i takes the last i + 1 letters left, only its top tile face up.
    // A short deal (a dictionary without such words) leaves later piles short.
    for (int i = 0; i < kPiles; ++i) {
        CTilePile& pile = m_tableau[i];
        pile.Configure(kTableauFlags, kFanDown);
        pile.tag = i;
        const int n = std::min(i + 1, letters.GetLength());
        pile.tiles = letters.Right(n);
        letters.DropLast(n);
        pile.faceDownCount = std::max(0, pile.Length() - 1);
        AddPile(pile, "pile" + std::to_string(i));
    }
    m_stockWaste.stock.tiles = letters;
    AddPart(m_stockWaste);
    AddPart(m_foundation);
}

// ---------------------------------------------------------------------------
// Layout and painting

void CKlondike::PlacePieces(int width, int height)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int gap = w / 4;
    const int pitch = w + gap;
    const int left = (width + gap - kPiles * pitch) / 2;  // seven columns centred, no trailing gap
    m_stockWaste.Place(left, 10, left + pitch, 10);
    m_foundation.Place(10, left + 2 * pitch, 9 * h / 4 + 10, left + 7 * pitch - gap, left + 2 * pitch + w, 10);
    for (int i = 0; i < kPiles; ++i) {
        m_tableau[i].SetPosition(left + i * pitch, 3 * h + 10);
        m_tableau[i].maxSpan = height - (3 * h + 10) - kWindowEdge;  // a tall column tightens
    }
    m_scorePanel.SetRect(h + 20, left, 2 * h + 10, left + pitch + w);
}

void CKlondike::OnSettingsChanged()
{
    m_foundation.ApplyColorSettings();
    CGame::OnSettingsChanged();
}

// ---------------------------------------------------------------------------
// Mouse

void CKlondike::OnLButtonDown(int x, int y, unsigned keys)
{
    CGame::OnLButtonDown(x, y, keys);
    if (m_stockWaste.IsWasteHit(x, y)) {
        BeginDrag(&m_stockWaste.waste, 1, x, y);
        return;
    }
    for (CTilePile& pile : m_tableau) {
        const int k = pile.IsEmpty() ? -1 : pile.HitTest(m_tileSet, x, y);
        if (k >= 0) {
            // The tile hit and all above it; face-down tiles never leave.
            BeginDrag(&pile, pile.Length() - std::max(k, pile.faceDownCount), x, y);
            return;
        }
    }
}

void CKlondike::OnLButtonUp(int x, int y, unsigned)
{
    ReleaseMouse();
    if (m_dragging) {
        if (m_dragMoved)
            return DropDraggedTiles();
        CancelDrag();
    }
    if (m_stockWaste.IsStockHit(x, y)) {
        DrawFromStock();
        return;
    }
    if (m_suppressNextButtonUp) {
        m_suppressNextButtonUp = false;
        return;
    }
    // A click below a pile plays the waste's top tile there.
    for (int i = 0; i < kPiles; ++i) {
        const CTilePile& pile = m_tableau[i];
        if (!IsBelowPile(m_tileSet, pile, POINT{x, y}))
            continue;
        CStr letter;
        if (!m_stockWaste.waste.IsEmpty())
            letter.AppendChar(m_stockWaste.waste.Top());
        if (pile.IsEmpty() || SpellsWordOn(pile, letter))
            MoveWasteToPile(i);
        break;
    }
}

void CKlondike::OnLButtonDblClk(int x, int y, unsigned keys)
{
    // The top tile of the pile clicked scores when a target word wants it.
    const auto tryScore = [&](CTilePile& pile) {
        if (pile.IsEmpty() || pile.HitTest(m_tileSet, x, y) < 0)
            return false;
        if (!m_foundation.ScoreTopTile(pile)) {
            PlaySound(kSoundRefused);
            return false;
        }
        m_suppressNextButtonUp = true;  // the button-up that follows does nothing
        return true;
    };
    for (CTilePile& pile : m_tableau)
        if (tryScore(pile))
            return;
    if (tryScore(m_stockWaste.waste))
        return;
    return OnLButtonDown(x, y, keys);
}

void CKlondike::OnRButtonDown(int, int, unsigned) {}

void CKlondike::OnRButtonUp(int, int, unsigned)
{
    DrawFromStock();
}

void CKlondike::DropDraggedTiles()
{
    const int target = FindDropTarget(m_tileSet, m_tableau, DragImageCentre(*this));
    if (target < 0) {
        if (!m_foundation.DropDragged())
            CancelDrag();
        return;
    }
    CTilePile& pile = m_tableau[target];
    if (&pile == m_pDragSource || (!pile.IsEmpty() && !SpellsWordOn(pile, m_dragPile.tiles))) {
        CancelDrag();
        return;
    }
    PlaySound(kSoundTileMoved);
    EndDrag(&pile);
}

// ---------------------------------------------------------------------------
// Moves

void CKlondike::ScoreTile(CTilePile& pile) { m_foundation.ScoreTile(pile); }

void CKlondike::DrawFromStock() { m_stockWaste.Turn(); }

void CKlondike::MoveWasteToPile(int pile) { m_stockWaste.PlayWasteOnto(m_tableau[pile]); }

bool CKlondike::SpellsWordOn(const CTilePile& pile, const CStr& letters) const
{
    if (!m_pDictionary)
        return false;
    CStr word = pile.FaceUpLetters();
    word += letters;
    return m_pDictionary->IsWord(word) != 0;
}

std::vector<CMove> CKlondike::FindMoves()
{
    std::vector<CMove> moves;
    m_foundation.AddScoringMoves({&m_stockWaste.waste}, 100, moves);
    m_foundation.AddScoringMoves(m_tableau, 100, moves);
    const auto add = [&](const CTilePile& from, int count, const CTilePile& to, int progress) {
        CMove move;
        move.from = PileIndex(&from);
        move.count = count;
        move.to = PileIndex(&to);
        move.points = progress;
        moves.push_back(std::move(move));
    };
    for (const CTilePile& to : m_tableau) {
        const CTilePile& waste = m_stockWaste.waste;
        if (!waste.IsEmpty() && (to.IsEmpty() || SpellsWordOn(to, CStr(std::string(1, waste.Top())))))
            add(waste, 1, to, 20);
        for (const CTilePile& from : m_tableau) {
            if (&from == &to)
                continue;
            for (int count = 1; count <= from.FaceUpCount(); ++count) {
                const bool whole = count == from.FaceUpCount();
                // A whole pile with nothing under it gains nothing on an empty pile.
                if (to.IsEmpty() && whole && from.faceDownCount == 0)
                    continue;
                if (!to.IsEmpty() && !SpellsWordOn(to, from.tiles.Right(count)))
                    continue;
                add(from, count, to, whole && from.faceDownCount > 0 ? 50 : 10);
            }
        }
    }
    RankByProgress(moves);
    return moves;
}

bool CKlondike::IsFinished()
{
    return m_stockWaste.IsEmpty() &&
           std::all_of(std::begin(m_tableau), std::end(m_tableau), [](const CTilePile& p) { return p.IsEmpty(); });
}

void CKlondike::HandValues(CHandRecord& record)
{
    CGame::HandValues(record);
    record(m_suppressNextButtonUp);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrKlondikeHowTo1, 2}, {kStrKlondikeHowTo2, 4}, {kStrKlondikeHowTo3, 5},
    {kStrKlondikeHowTo4, 4}, {kStrKlondikeHowTo5, 4}, {kStrKlondikeHowTo6, 4}, {kStrKlondikeHowTo7, 5},
    {kStrKlondikeHowTo8, 4}, {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kKlondikeGame{2, "Klondike", kStrKlondikeName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CKlondike>, {kStrKlondikeDescription, 396, kStrDifficultyEasy, kStrScoreFixedPointsPerLetter}};
