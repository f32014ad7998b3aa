#pragma once
// Stacks that must always spell a word or the beginning of one, with a check
// flag for each that shows while the stack spells a whole word. A stack that
// is not empty accepts dropped tiles only when its face-up letters followed by
// theirs still begin a dictionary word; an empty stack takes anything. A
// stack's word is scored by flying its tiles into a hidden sink: they leave
// play, are struck from the letter bin (when the game has one), earn
// `wordPoints` (5 x length x length unless the game says otherwise), and the
// undo history is forgotten.
//
// The game owns the stacks, registers them as piles and places them; it owns
// one CWordStacks, registers it as a part after the stacks (it draws the
// flags, describes them, lists the sink and adds the flags' tooltips, text
// 628, tool ids from `firstToolId` on), places the flags and the sink, and
// calls DropDragged from its button-up and UpdateFlags after every move.
#include <span>
#include <string>
#include <vector>

#include "framework/GamePart.h"
#include "framework/TileButton.h"
#include "framework/TilePile.h"
#include "framework/Window.h"
#include "framework/WordFinder.h"

class CGame;
class CTextBoard;

class CWordStacks : public CGamePart {
public:
    static constexpr int kMaxStacks = 7;
    enum DropResult { kMissed, kRefused, kDropped };

    CWordStacks(CGame& game, std::span<CTilePile> stacks, unsigned firstToolId, CTextBoard* letterBin = nullptr);

    void PlaceFlag(int stack, int x, int y) { m_flags[stack].SetPosition(x, y); }
    const CTileButton& Flag(int stack) const { return m_flags[stack]; }

    // Whether stack i, not empty, spells a word: all its face-up letters, or
    // only the last `count` of them (false when it has fewer).
    bool IsWord(int stack, int count = 0) const;
    // Whether `letters` may join the stack: it is empty, or its face-up
    // letters followed by them begin a word.
    bool Accepts(int stack, const CStr& letters) const;
    // Lifts the tile of a stack under the point and every tile above it (all
    // the face-up tiles when a face-down one is hit); false when no tile is there.
    bool LiftAt(int x, int y);
    // The stack a drop at the point lands on: one of its tiles, its empty
    // slot, or past its last tile (below a column, beside a row); -1 when none.
    int StackAt(POINT point) const;
    // The tiles in the air, released: onto the stack under the centre of
    // their image when it is not their own and accepts them (sound, drop
    // recorded for Undo, flags updated). kRefused: they flew back; kMissed: no
    // stack there, they are still in the air.
    DropResult DropDragged();
    // Shows the flag of every stack that spells a word and hides the rest
    // (also at the deal, before anything is drawn).
    void UpdateFlags();

    // The flag under the point, pressed and held (-1 when none).
    int PressFlagAt(int x, int y);
    // Raises the held flag; which one it was (-1 when none).
    int ReleaseFlag();

    // Scores the last `count` face-up tiles of stack i (0: all of them) when
    // they spell a word; the word scored, or empty with nothing changed.
    CStr ScoreStack(int stack, int count);
    // The tiles in the air, lifted off a stack, score the same way when they
    // spell a word: they fly straight into the sink. The word scored, or
    // empty with the tiles still in the air.
    CStr ScoreLifted();

    // For a game's hints, best first: with `scores`, a stack's word scored
    // where it stands (the move names the stack and the count, no target);
    // then runs moved between stacks, the tiles of `sources` too (single
    // tiles), preferring one that uncovers a tile or completes a word.
    std::vector<CMove> FindMoves(bool scores, std::span<const CTilePile> sources = {}) const;

    void Draw(CBackBuffer& buffer, const CTileSet& tiles) override;
    std::string Describe() const override;
    void ListPiles(std::vector<const CTilePile*>& piles) const override;
    void AddLook(std::string& look) const override;
    void Values(CHandRecord& record) override;
    // The shown flags (the stacks are the game's own parts).
    void Regions(const CTileSet& tiles, std::vector<RECT>& regions) const override;
    void AddTooltips(CTooltips& tooltips, const CTileSet& tiles) const override;
    // The flags show exactly the stacks that spell words, and the letter bin
    // shows exactly the letters in play.
    bool CheckInvariants(std::string& why) const override;

    CTilePile sink;
    int (*wordPoints)(int length) = [](int length) { return 5 * length * length; };

private:
    CGame& m_game;
    std::span<CTilePile> m_stacks;
    CTileButton m_flags[kMaxStacks];
    unsigned m_firstToolId;
    CTextBoard* m_letterBin;
    int m_heldFlag = -1;
};
