#include "scores/HighScores.h"

#include <cstdlib>

#include "app/Registry.h"
#include "app/Settings.h"
#include "framework/Random.h"
#include "framework/Resources.h"

namespace {
constexpr unsigned kFirstAuthorName = 328;  // 20 names: 328 ... 347
constexpr int kAuthorNames = 20;
constexpr int kTextBuffer = 256;            // a name of 255 characters and its terminator

std::string ValueName(const char* stem, int index) { return stem + std::to_string(index); }

bool ReadEntry(int index, HighScoreRow& row)
{
    const std::string key = HighScoreKey();
    return ReadRegString(HKEY_CURRENT_USER, key.c_str(), ValueName("Name", index).c_str(), row.name,
                         kTextBuffer) &&
           ReadRegString(HKEY_CURRENT_USER, key.c_str(), ValueName("Score", index).c_str(), row.score,
                         kTextBuffer);
}
}  // namespace

int DefaultHighScore(int j) { return ((50 * j - 45) * j) / 5; }

std::string HighScoreKey() { return g_StatisticsKey + "\\HighScores"; }

int HighScoreThreshold()
{
    std::string text;
    if (!ReadRegString(HKEY_CURRENT_USER, HighScoreKey().c_str(), "score9", text, kTextBuffer))
        return DefaultHighScore(1);
    return std::atoi(text.c_str());
}

HighScoreTable LoadHighScoreTable(bool entryMode, int pendingScore)
{
    HighScoreTable table;
    for (int r = 0; r < kHighScoreRows; ++r) {
        table.rows[r].name = ResString(kFirstAuthorName + RandomInRange(kAuthorNames, 0));
        table.rows[r].score = std::to_string(DefaultHighScore(kHighScoreRows - r));
    }

    // Stored rows replace the defaults from the top; in entry mode the new
    // score goes below every stored score that is not lower than it.
    int row = 0;
    bool inserted = false;
    bool complete = true;
    for (int i = 0; row < kHighScoreRows; ++i) {
        HighScoreRow stored;
        if (i >= kHighScoreRows || !ReadEntry(i, stored)) {
            complete = i >= kHighScoreRows;
            break;
        }
        if (entryMode && !inserted && std::atoi(stored.score.c_str()) < pendingScore) {
            table.rows[row] = HighScoreRow{};
            table.newRow = row++;
            inserted = true;
        }
        if (row < kHighScoreRows)
            table.rows[row++] = stored;
    }

    // A missing or partial list: the new score takes the place of the first
    // default it beats (that default is replaced, not moved down).
    if (!complete && entryMode && !inserted && pendingScore >= 1) {
        for (int j = kHighScoreRows; j >= 1; --j) {
            if (DefaultHighScore(j) < pendingScore) {
                table.newRow = kHighScoreRows - j;
                table.rows[table.newRow] = HighScoreRow{};
                break;
            }
        }
    }
    if (table.newRow >= 0)
        table.rows[table.newRow].score = std::to_string(pendingScore);
    return table;
}

bool SaveHighScoreTable(const HighScoreTable& table)
{
    // One transaction: the list on disk is always a whole list.
    const std::string key = HighScoreKey();
    bool ok = true;
    const bool committed = RegTransaction([&] {
        for (int r = 0; r < kHighScoreRows && ok; ++r) {
            const HighScoreRow& row = table.rows[r];
            ok = WriteRegString(HKEY_CURRENT_USER, key.c_str(), ValueName("Name", r).c_str(), row.name.c_str()) &&
                 WriteRegString(HKEY_CURRENT_USER, key.c_str(), ValueName("Score", r).c_str(), row.score.c_str());
        }
    });
    return ok && committed;
}

bool DeleteHighScores() { return DeleteRegKey(HKEY_CURRENT_USER, HighScoreKey().c_str()); }
