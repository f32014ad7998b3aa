#include "scores/HighScores.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "framework/Registry.h"
#include "framework/Settings.h"
#include "framework/Random.h"
#include "framework/Resources.h"
#include "resources/StringIds.h"

namespace {
constexpr unsigned kFirstAuthorName = kStrAuthorName1;  // 20 names
constexpr int kAuthorNames = 20;
constexpr int kTextBuffer = 256;            // a name of 255 characters and its terminator

std::string ValueName(const char* stem, int index) { return stem + std::to_string(index); }

// A stored score's text as a number, as atoi reads it (leading blanks, a
// sign, digits, anything after ignored), held within int's range: the text
// may have been written by anything.
int ScoreValue(const std::string& text)
{
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

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
    return ScoreValue(text);
}

HighScoreTable LoadHighScoreTable(bool entryMode, int pendingScore)
{
    HighScoreTable table;
    for (int r = 0; r < kHighScoreRows; ++r) {
        table.rows[r].name = ResString(kFirstAuthorName + ProgramRandom().InRange(kAuthorNames, 0));
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
        if (entryMode && !inserted && ScoreValue(stored.score) < pendingScore) {
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

namespace {
// The list with a new row in it, as stored now: another running instance may
// have stored a list since this one was read for the dialog. The new row goes
// below every stored score that is not lower than it, as when it was opened.
// False when no whole list is stored (the dialog's list then stands).
bool MergeIntoStoredList(const HighScoreTable& table, HighScoreTable& merged)
{
    std::array<HighScoreRow, kHighScoreRows> stored;
    for (int r = 0; r < kHighScoreRows; ++r)
        if (!ReadEntry(r, stored[static_cast<std::size_t>(r)]))
            return false;
    const HighScoreRow& added = table.rows[static_cast<std::size_t>(table.newRow)];
    const int score = ScoreValue(added.score);
    int from = 0;
    merged.newRow = -1;
    for (int r = 0; r < kHighScoreRows; ++r) {
        if (merged.newRow < 0 && (from >= kHighScoreRows || ScoreValue(stored[static_cast<std::size_t>(from)].score) < score)) {
            merged.rows[static_cast<std::size_t>(r)] = added;
            merged.newRow = r;
        } else {
            merged.rows[static_cast<std::size_t>(r)] = stored[static_cast<std::size_t>(from++)];
        }
    }
    return true;
}
}  // namespace

bool SaveHighScoreTable(const HighScoreTable& table)
{
    // One transaction: the list on disk is always a whole list, and a new
    // score joins the list as stored at that moment, so two running
    // instances entering scores at the same time both keep theirs.
    const std::string key = HighScoreKey();
    bool ok = true;
    const bool committed = RegTransaction([&] {
        HighScoreTable rows = table;
        if (table.newRow >= 0 && table.newRow < kHighScoreRows)
            MergeIntoStoredList(table, rows);
        for (int r = 0; r < kHighScoreRows && ok; ++r) {
            const HighScoreRow& row = rows.rows[static_cast<std::size_t>(r)];
            ok = WriteRegString(HKEY_CURRENT_USER, key.c_str(), ValueName("Name", r).c_str(), row.name.c_str()) &&
                 WriteRegString(HKEY_CURRENT_USER, key.c_str(), ValueName("Score", r).c_str(), row.score.c_str());
        }
    });
    return ok && committed;
}

bool DeleteHighScores() { return DeleteRegKey(HKEY_CURRENT_USER, HighScoreKey().c_str()); }
