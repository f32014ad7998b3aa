#pragma once
// The undo history: a stack of recorded moves. The base game records every
// tile it moves between piles (MoveTile, a drop) and undoes a record by
// moving the tiles back and restoring both piles' face-down counts. A game
// that must restore more derives its own record and reverses it in its Undo
// before calling the base.
#include <memory>
#include <vector>

#include "framework/TilePile.h"

// One recorded move of tiles between two piles.
struct CUndoRecord {
    CUndoRecord() = default;
    CUndoRecord(CTilePile* from, CTilePile* to, int count)
        : from(from), to(to), count(count),
          fromFaceDown(from ? from->faceDownCount : 0), toFaceDown(to ? to->faceDownCount : 0)
    {
    }
    virtual ~CUndoRecord() = default;

    CTilePile* from = nullptr;
    CTilePile* to = nullptr;
    int count = 0;
    int fromFaceDown = 0;
    int toFaceDown = 0;
};

// A move that also restores two values of the game's own and a flag.
struct CUndoRecordEx : CUndoRecord {
    CUndoRecordEx(CTilePile* from, CTilePile* to, int count, int value1 = -1, int value2 = -1)
        : CUndoRecord(from, to, count), value1(value1), value2(value2)
    {
    }
    int value1;
    int value2;
    char flag = 0;
};

class CUndoStack {
public:
    void Push(std::unique_ptr<CUndoRecord> record);
    std::unique_ptr<CUndoRecord> Pop();  // null when empty
    CUndoRecord* Peek() const;           // null when empty
    void Clear() { m_records.clear(); }
    int Count() const { return static_cast<int>(m_records.size()); }
    bool IsEmpty() const { return m_records.empty(); }

private:
    std::vector<std::unique_ptr<CUndoRecord>> m_records;
};
