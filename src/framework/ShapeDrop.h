#pragma once
// CShapeDropGame: the base of the games in which shapes of tiles, each in a
// square box, fall into a well (CFallingWell) one at a time. It owns the
// well, the box of the falling shape and the preview box of the next one,
// and plays what these games share: each fall step moves the shape down
// one step (a row is `stepsPerRow` steps); Left and Right move it a column,
// refused where a tile would leave the well or cover a tile in a row the
// box overlaps; Up and Space turn it a quarter counter-clockwise, tried in
// its column, then one column right, then one left, and refused when none
// fits; Down drops it at once. A shape's fit is tested on its filled cells
// only, so the box's empty columns may hang outside the well. The shape
// lands when it can fall no further: on the stack, or with its lowest tile
// level with the top of the bottom row. A landed tile scores the first
// game-defined amount; the game (AfterLanding) says how many fall steps
// the tiles it lit wait before they go (ClearWaiting), which counts one
// clearing for the well's levels; the next shape enters in the spawn
// column at the next step, or at once when nothing waits. The hand ends,
// finished, when a new shape cannot enter the well, or when a shape could
// only come to rest above row 0. Keys do nothing while no shape falls, the
// mouse never does anything, and nothing is undone.
//
// A game derives from it, sets the well's ladder, answers DealShape (every
// tile dealt after the constructor joins play there), AfterLanding and
// ClearWaiting, calls DealFirstShape at the end of its constructor, places
// its score panel after PlacePieces, and passes the tiles its rules take
// out to TilesLeftPlay. Settle may be overridden where landed tiles do not
// stay where the box put them.
#include <span>
#include <utility>
#include <vector>

#include "framework/FallingGame.h"

class CShapeDropGame : public CFallingGame {
public:
    using CellAt = std::pair<int, int>;  // well row, column

    CShapeDropGame(const CGameContext& context, int rows, int columns, int box, int spawnColumn, int stepsPerRow);

    void OnArrowLeft() override { Move(-1); }
    void OnArrowRight() override { Move(+1); }
    void OnArrowDown() override;
    void OnArrowUp() override { Rotate(); }
    void OnSpaceKey() override { Rotate(); }
    bool IsFinished() override;
    void AddTooltips() override;
    std::string DescribeState() const override;
    bool CheckRules(std::string& why) override;
    void HandValues(CHandRecord& record) override;

    CTilePile& Box(int i, int j) { return m_shape[Index(i, j)]; }
    CTilePile& Preview(int i, int j) { return m_preview[Index(i, j)]; }
    int Column() const { return m_column; }
    int Height() const { return m_height; }  // steps below row 0
    bool IsFalling() const { return m_active; }
    int Landed() const { return m_landed; }
    int Clearings() const { return m_clearings; }

protected:
    // Fills the next shape: `cells` is the box, row-major, all empty; the
    // game puts a tile in every cell of the shape it chooses.
    virtual void DealShape(std::span<char> cells) = 0;
    // Puts the shape's tiles into the well with the box's top on `row`;
    // their cells, in the box's row-major order. Here
    // each tile goes where the box holds it.
    virtual std::vector<CellAt> Settle(int row);
    // After a landing in `cells`: fall steps until the lit tiles go, 0 when none wait.
    virtual int AfterLanding(const std::vector<CellAt>& cells) = 0;
    // Takes out the lit tiles.
    virtual void ClearWaiting() = 0;

    void DealFirstShape();
    // The well and the preview; the game places its panel after.
    void PlacePieces(int width, int height) override;
    int SideX() const { return m_well.Right() + m_tileSet.TileWidth() / 2; }
    // Places the falling shape's piles where the shape now is.
    void PlaceShape();


private:
    static constexpr int kFalls = -1000;  // RestRow: the shape is still falling

    std::size_t Index(int i, int j) const { return static_cast<std::size_t>(i * m_box + j); }
    // The box's tiles (row-major), 0 for an empty cell.
    std::vector<char> Cells() const;
    // Every tile of `cells` inside the well on an empty cell with the box's top on `row`.
    bool Fits(const std::vector<char>& cells, int row, int column) const;
    // ... in every row the box overlaps at the present height.
    bool FitsHere(const std::vector<char>& cells, int column) const;
    // The row the box's top comes to rest on with its top `height` steps
    // below row 0, or kFalls while it may be there.
    int RestRow(int height) const;
    void Step() override;
    void Spawn();
    void Land(int row);
    int Move(int dx);
    int Rotate();
    bool Playing() const;

    int m_box;
    int m_steps;
    int m_spawnColumn;
    std::vector<CTilePile> m_preview;
    std::vector<CTilePile> m_shape;
    int m_column;
    int m_height = 0;
    int m_flightY = -1;  // pixels below row 0 while the landing shape flies there
    bool m_active = false;
    bool m_blocked = false;  // a shape found no room: the hand is over
    int m_clearDelay = 0;
    int m_clearings = 0;
    int m_landed = 0;  // tiles
};
