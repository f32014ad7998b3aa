#pragma once
// Letter Box: 49 letter tiles in two sets of staggered columns inside a box,
// one set at the left and one at the right, two tile widths apart. Words are
// spelled from the tiles on the inner edge of either set; a tile may be
// parked in one of three free cells with the right button. Each scored word
// (5 x n x n points for n letters) moves both sets half a tile closer. The
// hand ends when the sets would touch, or, with a bonus for speed, when the
// box is empty.
#include "framework/Game.h"
#include "framework/TileLayout.h"
#include "framework/WordPile.h"

class CLetterBox : public CGame, public CWordSource {
public:
    // Hints: the words the free tiles and the free cells spell.
    bool HasHints() const override { return true; }
    CWordSource* WordSource() override { return this; }
    void OnEnterKey() override { TryScoreWord(); }
    void HandValues(CHandRecord& record) override;
    static constexpr int kRows = 15;       // half a tile height apart
    static constexpr int kPositions = 31;  // half a tile width apart
    static constexpr int kFreeCells = 3;
    // Marks a cell whose tile belongs to the right set (the drawing ignores it).
    static constexpr unsigned kRightSet = 0x800;

    explicit CLetterBox(const CGameContext& context);

    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonUp(int x, int y, unsigned keys) override;
    void OnLButtonDblClk(int x, int y, unsigned keys) override;
    void OnRButtonDown(int x, int y, unsigned keys) override;
    CStr CopyCurrentWord() const override { return m_word.Letters(); }
    // Only an emptied box earns the speed bonus; sets that touched earn none.
    void OnGameOver() override;
    // The box is empty and no word is left unscored (the free cells don't count).
    bool IsFinished() override;
    void AfterMove() override;
    void AddTooltips() override;
    // No tile of one set overlaps a tile of the other.
    bool CheckRules(std::string& why) override;

    // Scores the word, then moves the sets closer; false when there was no word.
    bool TryScoreWord();

    CTileLayout& Box() { return m_box; }
    CTilePile& FreeCell(int k) { return m_freeCells[k]; }
    CWordPile& Word() { return m_word; }

private:
    // The finder's view: a free tile of either set, or a parked one.
    void NextTakes(std::vector<int>& piles) const override;
    char Lift(int pile) override { return LiftTop(pile); }
    void PutBack(int pile, char letter) override { PutTop(pile, letter); }
    int WordValue(const CStr& word, std::span<const int>) override { return m_hand.WordScore(word.GetLength()); }
    CStr WordSoFar() const override { return m_word.Letters(); }
    const CTileButton& ScoreButton() const override { return m_word.check; }

    void PlacePieces(int width, int height) override;
    void DrawTable() override;
    void FrameRegions(std::vector<RECT>& regions) const override { regions.push_back(m_frame); }
    char NextLetter();
    bool IsRight(int row, int position) const { return (m_box.Cell(row, position).displayFlags & kRightSet) != 0; }
    // A tile of the given set lies in that cell (none outside the box).
    bool HoldsSet(int row, int position, bool right) const;
    // A tile of the given set lies in rows row - 1 to row + 1 at either position.
    bool SetNear(int row, int position1, int position2, bool right) const;
    bool IsFree(int row, int position) const;
    void PlayFreeCell(int k);
    // After every scored word: the right set moves half a tile left, the left
    // set half a tile right; false (the hand is lost) when a tile would touch
    // the other set or leave the box.
    bool MoveSets();
    void MoveTileInBox(int row, int from, int to, bool right);

    CTileLayout m_box;
    CTilePile m_freeCells[kFreeCells];
    CWordPile m_word;
    CStr m_supply;  // letters still to be dealt
    RECT m_frame{};
};
