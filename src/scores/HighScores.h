#pragma once
// The top-ten list of each game, stored under the game's statistics key in
// "HighScores" as text values "Name0".."Name9" and "Score0".."Score9" (row 0 is
// the best). Until a list is stored, a default list with generated scores and
// random author names stands in for it.
#include <array>
#include <string>

inline constexpr int kHighScoreRows = 10;
inline constexpr int kHighScoreNameMax = 255;  // characters a name may have

// Default score of row 10 - j: d(j) = ((50j - 45) j) / 5, so 910 ... 1 from the top.
int DefaultHighScore(int j);
// The stored tenth score ("Score9" read as a number), or d(1) = 1 when none is stored.
int HighScoreThreshold();
std::string HighScoreKey();

struct HighScoreRow {
    std::string name;
    std::string score;  // as shown and stored: decimal text
};

struct HighScoreTable {
    std::array<HighScoreRow, kHighScoreRows> rows;
    int newRow = -1;  // the empty row waiting for the player's name, or -1
};

// The list as the dialog shows it: the defaults (with random names drawn from
// the program's generator), overlaid by the stored rows; in entry mode an
// empty row is opened where `pendingScore` belongs. The new row's score text
// is filled in.
HighScoreTable LoadHighScoreTable(bool entryMode, int pendingScore);
// Writes all ten rows; stops at the first failed write.
bool SaveHighScoreTable(const HighScoreTable& table);
// Forgets the stored list (the defaults come back).
bool DeleteHighScores();
