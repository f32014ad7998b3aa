#pragma once
// The undo history: a stack of recorded moves, each a plain value naming
// its piles by their place in the game's registry (CGame::PileIndex), so
// that the history is saved with the hand and read back into another game
// of the same id. The base game records every tile it moves between piles
// (MoveTile, a drop) and undoes a record by moving the tiles back and
// restoring both piles' face-down counts. A game that must restore more
// keeps it in the record's own values (`value1`, `value2`, `text`,
// `piles`, `kind`) and reverses it in its Undo before calling the base.
#include <optional>
#include <vector>

#include "framework/Str.h"

class CHandRecord;

// One recorded move of tiles between two piles.
struct CUndoRecord {
    static constexpr int kNoPile = -1;
    int from = kNoPile;  // registered pile indices
    int to = kNoPile;
    int count = 0;
    int fromFaceDown = 0;
    int toFaceDown = 0;
    // The game's own: what else the move changed.
    char kind = 0;
    int value1 = -1;
    int value2 = -1;
    CStr text;
    std::vector<int> piles;

    void Values(CHandRecord& record);
};

class CUndoStack {
public:
    void Push(CUndoRecord record) { m_records.push_back(std::move(record)); }
    std::optional<CUndoRecord> Pop();  // none when empty
    CUndoRecord* Peek();               // null when empty
    const CUndoRecord* Peek() const;
    void Clear() { m_records.clear(); }
    int Count() const { return static_cast<int>(m_records.size()); }
    bool IsEmpty() const { return m_records.empty(); }
    void Values(CHandRecord& record);
    // Every record names only piles numbered below `count` (or none).
    bool NamesPilesBelow(int count) const;

private:
    std::vector<CUndoRecord> m_records;
};
