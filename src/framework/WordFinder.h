#pragma once
// The word finder: every dictionary word the player could spell now from the
// tiles a game lets them take, with the takes that spell it. A game that
// spells its words from taken tiles (the free-tile patiences, the seven
// stacks, the grids traced letter by letter, the rack hunts) is a
// CWordSource: it says which registered piles may give the next letter (the
// top tile of each), and lets the finder lift that tile for a look and put
// it back, so that its own rules (a free test, a path's reach, a rack's
// order) decide what comes next exactly as they do for a click. The search
// walks those takes depth first and leaves a branch as soon as its letters
// begin no dictionary word; nothing it does is seen, drawn or recorded, and
// the hand is as it was when it returns.
//
// The moves it finds serve the Hint command, the words a hunt missed, and
// the soak, which plays them as clicks on the piles and Enter.
#include <algorithm>
#include <span>
#include <vector>

#include "framework/Str.h"

class CDictionary;
class CTileButton;

// A move a finder found, as the player makes it: the top tiles of the
// registered piles `takes`, in order, spell `word`, which then scores
// (Enter, or the check button) for `points`. A drag moves `count` tiles from
// the registered pile `from` onto `to`; with no `to`, the last `count` tiles
// of `from` score where they stand (a double click on the first of them).
// A drag game's `points` rank its moves by the progress they make.
struct CMove {
    CStr word;
    int points = 0;
    std::vector<int> takes;
    int from = -1;
    int count = 0;
    int to = -1;

    bool IsDrag() const { return from >= 0 && to >= 0; }
    bool ScoresInPlace() const { return from >= 0 && to < 0; }
};

// A drag game's moves, most progress first (ties keep their order).
inline void RankByProgress(std::vector<CMove>& moves)
{
    std::stable_sort(moves.begin(), moves.end(), [](const CMove& a, const CMove& b) { return a.points > b.points; });
}

class CWordSource {
public:
    virtual ~CWordSource() = default;
    // The registered piles whose top tile may be the next letter now.
    virtual void NextTakes(std::vector<int>& piles) const = 0;
    // Takes that tile off its pile for a look (a path goes on from there)
    // and returns its letter; PutBack undoes exactly that.
    virtual char Lift(int pile) = 0;
    virtual void PutBack(int pile, char letter) = 0;
    // What the word spelled by these takes would earn, or -1 when the game
    // would not score it (too short, found already).
    virtual int WordValue(const CStr& word, std::span<const int> takes) = 0;
    // The letters already spelled, which every word found goes on from.
    virtual CStr WordSoFar() const = 0;
    // The button that scores a spelled word (shown once it is one).
    virtual const CTileButton& ScoreButton() const = 0;
};

struct FinderLimits {
    int maxLength = 16;        // no word found is longer
    long maxSteps = 200000;    // lifts before the search gives up (what it found stands)
};

// Every word the source can spell now, each once (its best takes), best
// first: more points, then longer, then in the order the search met them.
std::vector<CMove> FindWords(CWordSource& source, const CDictionary& dictionary, const FinderLimits& limits = {});
