#pragma once
// Worm Hole: a worm in the middle of a 7 x 7 apple of letters. Spell one word
// at a time by eating letters: a letter may be eaten when it borders the hole
// already eaten out or the worm itself, and the worm moves into the cell it
// ate. A complete word scores by the square of its eaten letters; seven smart
// stars give a free letter at 25 points each. The hand is won when the whole
// apple is eaten. Spelunker is its cave variant and derives from it.
#include <vector>

#include "framework/Digging.h"
#include "framework/SmartStars.h"
#include "framework/TilePile.h"
#include "framework/WordPileGame.h"

class CWormHole : public CWordPileGame {
public:
    static constexpr int kSide = 7;

    explicit CWormHole(const CGameContext& context) : CWormHole(context, kSide, 614) {}

    bool Undo() override;
    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonDblClk(int x, int y, unsigned keys) override;
    void OnRButtonUp(int x, int y, unsigned keys) override;
    bool IsFinished() override { return m_digging.OnlyFaceLeft(); }
    std::optional<CUndoRecord> CreateUndoRecord(CTilePile* from, CTilePile* to, int count) override;

    // The pieces, for the tests.
    CTilePile& Cell(int row, int column) { return m_cells[static_cast<std::size_t>(row * m_side + column)]; }
    CSmartStars& Stars() { return m_stars; }
    CDigging& Digging() { return m_digging; }

protected:
    // Deals a side x side grid of letters around the face at the centre,
    // with the letter bin's tooltip (0 for none).
    CWormHole(const CGameContext& context, int side, unsigned letterBinTooltip);

    // A press on a cell with a tile that the face may take: eats its letter.
    virtual void TakeCell(int cell);
    void PlacePieces(int width, int height) override;
    CStr TableLetters() const override;
    // The finder's view: a face-up letter the face may take, the face
    // moving into its cell.
    void NextTakes(std::vector<int>& piles) const override;
    char Lift(int pile) override;
    void PutBack(int pile, char letter) override;

    int m_side;
    std::vector<CTilePile> m_cells;
    CSmartStars m_stars;
    CDigging m_digging;

private:
    void DrawTable() override;
    void FrameRegions(std::vector<RECT>& regions) const override
    {
        regions.push_back(m_frame);
        regions.push_back(Stalk());
    }
    // The apple's stalk, half a tile above the frame's middle.
    RECT Stalk() const
    {
        const int x = (m_frame.left + m_frame.right) / 2;
        return RECT{x, m_frame.top - m_tileSet.TileHeight() / 2, x + m_tileSet.TileWidth() / 2, m_frame.top};
    }
    void UseStar();
    CStr ScoringLetters(const CStr& tiles) override { return m_stars.TakeStarLetters(tiles); }
    CStr BinLetters(const CStr& letters) const override { return m_stars.WithoutStarLetters(letters); }
    int WordPoints(const CStr& letters) const override { return m_hand.WordScore(letters.GetLength()); }
    void AfterWordScored() override;

    RECT m_frame{};
};
