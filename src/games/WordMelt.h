#pragma once
// Walls of Jericho: 49 letter tiles in a 7 x 7 grid seen as four square walls
// around the centre tile. Spell one word at a time from the outermost wall
// that still stands: a tile of an inner wall can be taken only once the wall
// around it is gone. The word must stay the beginning of some dictionary
// word; a complete word scores 26 points a letter and knocks its tiles out.
// Seven smart stars give a free letter at 25 points each. The hand is over
// when all the walls are down.
#include <array>

#include "framework/SmartStars.h"
#include "framework/TilePile.h"
#include "framework/WordPileGame.h"

class CWordMelt : public CWordPileGame {
public:
    static constexpr int kSide = 7;
    static constexpr int kCells = kSide * kSide;
    static constexpr int kWalls = 4;

    explicit CWordMelt(const CGameContext& context);

    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonDblClk(int x, int y, unsigned keys) override;
    void OnRButtonDown(int x, int y, unsigned keys) override;
    void OnRButtonUp(int x, int y, unsigned keys) override;
    void OnEnterKey() override;
    void OnEscapeKey() override;
    void OnBackspaceKey() override;
    void OnChar(int ch) override;
    bool IsFinished() override { return AllEmpty(m_cells); }

    // Whether the tile of cell (row, column) may be taken: the outer wall
    // always, an inner wall once the wall around it is empty.
    bool IsReachable(int row, int column) const;

    // The piles, for the tests.
    CTilePile& Cell(int row, int column) { return m_cells[row * kSide + column]; }
    CSmartStars& Stars() { return m_stars; }

private:
    void PlacePieces(int width, int height) override;
    void FrameRegions(std::vector<RECT>& regions) const override { regions.push_back(m_frames.rects[0]); }
    void UseStar();
    // Star letters score nothing and were never in the letter bin.
    CStr ScoringLetters(const CStr& tiles) override { return m_stars.TakeStarLetters(tiles); }
    CStr BinLetters(const CStr& letters) const override { return m_stars.WithoutStarLetters(letters); }
    CStr TableLetters() const override { return LettersOf(m_cells); }
    // The finder's view: a tile IsReachable allows.
    void NextTakes(std::vector<int>& piles) const override
    {
        const int first = PileIndex(&m_cells[0]);
        for (int i = 0; i < kCells; ++i)
            if (!m_cells[i].IsEmpty() && IsAlpha(m_cells[i].Top()) && IsReachable(i / kSide, i % kSide))
                piles.push_back(first + i);
    }
    bool TakesTypedLetters() const override { return true; }

    // The wall frames, drawn under the cells.
    class CWallFrames : public CGamePart {
    public:
        void Draw(CBackBuffer& buffer, const CTileSet& tiles) override;
        std::string Describe() const override { return std::string(); }
        std::array<RECT, kWalls> rects{};
    };

    CWallFrames m_frames;
    CTilePile m_cells[kCells];
    CSmartStars m_stars;
};
