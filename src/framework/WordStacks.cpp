#include "framework/WordStacks.h"

#include <algorithm>

#include "dictionary/Dictionary.h"
#include "framework/BackBuffer.h"
#include "framework/DropTarget.h"
#include "framework/Game.h"
#include "framework/HandRecord.h"
#include "framework/Shell.h"
#include "framework/TextBoard.h"
#include "resources/StringIds.h"

namespace {

CStr LastLetters(const CTilePile& pile, int count)
{
    const CStr up = pile.FaceUpLetters();
    return count > 0 ? up.Right(count) : up;
}
}  // namespace

CWordStacks::CWordStacks(CGame& game, std::span<CTilePile> stacks, unsigned firstToolId, CTextBoard* letterBin)
    : m_game(game), m_stacks(stacks.first(std::min<std::size_t>(stacks.size(), kMaxStacks))),
      m_firstToolId(firstToolId), m_letterBin(letterBin)
{
    sink.Configure(kPileHidden, kFanRight);
    for (CTileButton& flag : m_flags)
        flag.image = kButtonAccept;
}

bool CWordStacks::IsWord(int stack, int count) const
{
    const CTilePile& pile = m_stacks[static_cast<std::size_t>(stack)];
    const CDictionary* dictionary = m_game.Dictionary();
    if (pile.FaceUpCount() == 0 || count > pile.FaceUpCount() || !dictionary)
        return false;
    return dictionary->IsWord(LastLetters(pile, count)) != 0;
}

bool CWordStacks::Accepts(int stack, const CStr& letters) const
{
    const CTilePile& pile = m_stacks[static_cast<std::size_t>(stack)];
    if (pile.IsEmpty())
        return true;
    const CDictionary* dictionary = m_game.Dictionary();
    CStr text = pile.FaceUpLetters();
    text += letters;
    return dictionary && dictionary->IsPrefix(text) != 0;
}

CWordStacks::DropResult CWordStacks::DropDragged()
{
    const int target = StackAt(DragImageCentre(m_game));
    if (target < 0)
        return kMissed;
    CTilePile& pile = m_stacks[static_cast<std::size_t>(target)];
    if (&pile == m_game.DragSource() || !Accepts(target, m_game.DragPile().tiles)) {
        m_game.CancelDrag();
        return kRefused;
    }
    m_game.PlaySound(kSoundTileMoved);
    m_game.EndDrag(&pile);
    UpdateFlags();
    return kDropped;
}

bool CWordStacks::LiftAt(int x, int y)
{
    for (CTilePile& pile : m_stacks) {
        const int k = pile.IsEmpty() ? -1 : pile.HitTest(m_game.TileSet(), x, y);
        if (k >= 0) {
            m_game.BeginDrag(&pile, pile.Length() - std::max(k, pile.faceDownCount), x, y);
            return true;
        }
    }
    return false;
}

int CWordStacks::StackAt(POINT point) const
{
    return FindDropTarget(m_game.TileSet(), m_stacks, point);
}

void CWordStacks::UpdateFlags()
{
    // Before the first layout (at the deal) only the flags' state is set.
    const bool draw = m_game.IsLayoutValid();
    for (std::size_t i = 0; i < m_stacks.size(); ++i) {
        CTileButton& flag = m_flags[i];
        const bool word = IsWord(static_cast<int>(i));
        if (draw && word)
            flag.visible = 1, flag.Draw(m_game.BackBuffer(), m_game.TileSet());
        else if (draw && flag.visible)
            flag.Erase(m_game.BackBuffer(), m_game.TileSet());
        flag.visible = word ? 1 : 0;
    }
    if (draw) {
        m_game.RefreshTooltips();
    }
}

int CWordStacks::PressFlagAt(int x, int y)
{
    for (std::size_t i = 0; i < m_stacks.size(); ++i) {
        if (!m_flags[i].HitTest(x, y))
            continue;
        m_flags[i].state = kButtonPressed;
        m_flags[i].Draw(m_game.BackBuffer(), m_game.TileSet());
        m_heldFlag = static_cast<int>(i);
        return m_heldFlag;
    }
    return -1;
}

int CWordStacks::ReleaseFlag()
{
    const int held = m_heldFlag;
    m_heldFlag = -1;
    if (held < 0)
        return -1;
    m_flags[held].state = kButtonRaised;
    m_flags[held].Draw(m_game.BackBuffer(), m_game.TileSet());
    return held;
}

std::vector<CMove> CWordStacks::FindMoves(bool scores, std::span<const CTilePile> sources) const
{
    std::vector<CMove> moves;
    const CDictionary* dictionary = m_game.Dictionary();
    if (!dictionary)
        return moves;
    const auto add = [&](const CTilePile& from, int count, const CTilePile* to, int progress) {
        CMove move;
        move.from = m_game.PileIndex(&from);
        move.count = count;
        move.to = to ? m_game.PileIndex(to) : -1;
        move.points = progress;
        moves.push_back(std::move(move));
    };
    const int stacks = static_cast<int>(m_stacks.size());
    if (scores)
        for (int i = 0; i < stacks; ++i)
            for (int count = m_stacks[static_cast<std::size_t>(i)].FaceUpCount(); count > 0; --count)
                if (IsWord(i, count))
                    add(m_stacks[static_cast<std::size_t>(i)], count, nullptr, 100 + count);
    const auto onto = [&](const CTilePile& from, int count, bool fromStack) {
        const CStr run = from.tiles.Right(count);
        const bool whole = count == from.FaceUpCount();
        for (int j = 0; j < stacks; ++j) {
            const CTilePile& to = m_stacks[static_cast<std::size_t>(j)];
            if (&to == &from || !Accepts(j, run))
                continue;
            // A whole stack with nothing under it gains nothing on an empty stack.
            if (fromStack && to.IsEmpty() && whole && from.faceDownCount == 0)
                continue;
            CStr letters = to.FaceUpLetters();
            letters += run;
            const int progress = fromStack && whole && from.faceDownCount > 0 ? 50
                               : dictionary->IsWord(letters) != 0           ? 40
                               : fromStack                                  ? 10
                                                                            : 20;
            add(from, count, &to, progress);
        }
    };
    for (const CTilePile& from : m_stacks)
        for (int count = 1; count <= from.FaceUpCount(); ++count)
            onto(from, count, true);
    for (const CTilePile& from : sources)
        if (!from.IsEmpty())
            onto(from, 1, false);
    RankByProgress(moves);
    return moves;
}

CStr CWordStacks::ScoreStack(int stack, int count)
{
    if (!IsWord(stack, count))
        return CStr();
    CTilePile& pile = m_stacks[static_cast<std::size_t>(stack)];
    m_game.BeginDrag(&pile, count > 0 ? count : pile.FaceUpCount(), pile.TopTileX(m_game.TileSet()),
                     pile.TopTileY(m_game.TileSet()));
    return ScoreLifted();
}

CStr CWordStacks::ScoreLifted()
{
    const CDictionary* dictionary = m_game.Dictionary();
    const CTilePile* source = m_game.DragSource();
    if (!m_game.IsDragging() || !dictionary || !dictionary->IsWord(m_game.DragPile().tiles) ||
        std::none_of(m_stacks.begin(), m_stacks.end(), [source](const CTilePile& p) { return &p == source; }))
        return CStr();
    m_game.PlaySound(kSoundScored);
    m_game.EndDrag(&sink);  // the stack's next tile turns face up
    const CStr word = sink.RemoveAll();
    m_game.TilesLeftPlay(word);
    CBackBuffer& buffer = m_game.BackBuffer();
    if (m_letterBin) {
        m_letterBin->StrikeLetters(word);
        m_letterBin->Draw(buffer, &m_game.TileSet());
    }
    m_game.Hand().AddWordPoints(wordPoints(word.GetLength()));
    m_game.DrawScorePanel();
    m_game.UndoStack().Clear();  // a scored word can't be taken back
    UpdateFlags();
    return word;
}

void CWordStacks::Draw(CBackBuffer& buffer, const CTileSet& tiles)
{
    for (std::size_t i = 0; i < m_stacks.size(); ++i)
        m_flags[i].Draw(buffer, tiles);
}

std::string CWordStacks::Describe() const
{
    std::string text = "flags: ";
    for (std::size_t i = 0; i < m_stacks.size(); ++i)
        text += m_flags[i].visible ? '1' : '0';
    return text + "\n" + sink.Describe("sink");
}

void CWordStacks::Regions(const CTileSet&, std::vector<RECT>& regions) const
{
    for (std::size_t i = 0; i < m_stacks.size(); ++i)
        if (m_flags[i].visible)
            regions.push_back(m_flags[i].rect);
}

void CWordStacks::AddLook(std::string& look) const
{
    for (std::size_t i = 0; i < m_stacks.size(); ++i)
        m_flags[i].AddLook(look);
}

void CWordStacks::Values(CHandRecord& record)
{
    for (std::size_t i = 0; i < m_stacks.size(); ++i)
        m_flags[i].Values(record);
    record(m_heldFlag);
}

void CWordStacks::ListPiles(std::vector<const CTilePile*>& piles) const { piles.push_back(&sink); }

void CWordStacks::AddTooltips(CTooltips& tooltips, const CTileSet&) const
{
    for (std::size_t i = 0; i < m_stacks.size(); ++i)
        if (m_flags[i].visible)
            tooltips.AddTool(m_flags[i].rect, kStrWordFlagTooltip, m_firstToolId + static_cast<unsigned>(i));
}

bool CWordStacks::CheckInvariants(std::string& why) const
{
    if (m_game.IsDragging())  // the flags follow at the drop
        return true;
    CStr inPlay;
    for (std::size_t i = 0; i < m_stacks.size(); ++i) {
        if ((m_flags[i].visible != 0) != IsWord(static_cast<int>(i))) {
            why = "the flag of stack " + std::to_string(i) + " is " + (m_flags[i].visible ? "shown" : "hidden") +
                  " over \"" + m_stacks[i].FaceUpLetters().str() + "\"";
            return false;
        }
        inPlay += m_stacks[i].tiles;
    }
    return !m_letterBin || m_letterBin->ShowsLetters(inPlay, why);
}
