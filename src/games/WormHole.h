#pragma once
// Worm Hole: a worm in the middle of a 7 x 7 apple of letters. Spell one word
// at a time by eating letters: a letter may be eaten when it borders the hole
// already eaten out or the worm itself, and the worm moves into the cell it
// ate. A complete word scores by the square of its eaten letters; seven smart
// stars give a free letter at 25 points each. The hand is won when the whole
// apple is eaten.
#include "framework/Digging.h"
#include "framework/SmartStars.h"
#include "framework/TilePile.h"
#include "framework/WordPileGame.h"

class CWormHole : public CWordPileGame {
public:
    static constexpr int kSide = 7;
    static constexpr int kCells = kSide * kSide;

    explicit CWormHole(const CGameContext& context);

    int Undo(HWND hwnd) override;
    int OnLButtonDown(HWND hwnd, int x, int y, unsigned keys) override;
    int OnLButtonDblClk(HWND hwnd, int x, int y, unsigned keys) override;
    int OnRButtonUp(HWND hwnd, int x, int y, unsigned keys) override;
    bool IsFinished(HWND) override { return m_digging.OnlyFaceLeft(); }
    std::unique_ptr<CUndoRecord> CreateUndoRecord(CTilePile* from, CTilePile* to, int count) override;

    // The pieces, for the tests.
    CTilePile& Cell(int row, int column) { return m_cells[row * kSide + column]; }
    CSmartStars& Stars() { return m_stars; }
    CDigging& Digging() { return m_digging; }

private:
    void PlacePieces(int width, int height) override;
    void DrawTable() override;
    void UseStar(HWND hwnd);
    CStr ScoringLetters(const CStr& tiles) override { return m_stars.TakeStarLetters(tiles); }
    CStr BinLetters(const CStr& letters) const override { return m_stars.WithoutStarLetters(letters); }
    int WordPoints(const CStr& letters) const override { return m_scorePanel.WordScore(letters.GetLength()); }
    void AfterWordScored() override;
    CStr TableLetters() const override;

    CTilePile m_cells[kCells];
    CSmartStars m_stars;
    CDigging m_digging;
    RECT m_frame{};
};
