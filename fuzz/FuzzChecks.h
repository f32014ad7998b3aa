#pragma once
// What the fuzz targets check, shared with the normal test suite (which runs
// every seed and every past finding through the same checks). Each check
// feeds one input to a reader of the program and returns "" when all is
// well, or what went wrong.
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/Registry.h"
#include "app/Settings.h"
#include "dictionary/Dictionary.h"
#include "framework/Shell.h"
#include "scores/HighScores.h"
#include "scores/Statistics.h"

namespace fuzzcheck {

inline void WriteFile(const std::string& path, std::string_view data)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Empties a folder, keeping the folder.
inline void ClearDir(const std::string& dir)
{
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        std::filesystem::remove_all(entry.path(), ec);
}

// ---------------------------------------------------------------------------
// Word-list files

inline bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline int LetterOf(char c) { return (c | 0x20) - 'a'; }

// The words a word-list file holds, by the file format's rules worked out
// here on their own: only CR ends a line; LF and zero bytes are dropped
// wherever they are; text after the last CR is not a line; a line that is
// empty, longer than 1,023 bytes or does not begin with a letter is no word.
// Listed by first letter, each letter's words in file order (as the list
// hands them out).
inline std::vector<std::string> ExpectedWords(std::string_view data)
{
    std::vector<std::string> byLetter[26];
    std::string line;
    for (const char c : data) {
        if (c == '\n' || c == 0)
            continue;
        if (c != '\r') {
            line += c;
            continue;
        }
        if (!line.empty() && line.size() <= static_cast<std::size_t>(CDictionary::kMaxLineLength) &&
            IsAsciiLetter(line[0]))
            byLetter[LetterOf(line[0])].push_back(line);
        line.clear();
    }
    std::vector<std::string> words;
    for (const auto& bucket : byLetter)
        words.insert(words.end(), bucket.begin(), bucket.end());
    return words;
}

inline std::vector<std::string> ListedWords(CWordList& list)
{
    std::vector<std::string> words;
    for (CStr w = list.GetFirstWord(); !w.IsEmpty(); w = list.GetNextWord())
        words.push_back(w.str());
    return words;
}

inline std::string Show(const std::string& word)
{
    std::string out;
    for (const char c : word.substr(0, 40)) {
        if (c >= ' ' && c < 127) {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
            out += hex;
        }
    }
    return word.size() > 40 ? out + "...(" + std::to_string(word.size()) + " bytes)" : out;
}

inline std::string CompareWords(const std::vector<std::string>& got, const std::vector<std::string>& want,
                                const char* what)
{
    if (got.size() != want.size())
        return std::string(what) + ": " + std::to_string(got.size()) + " words instead of " +
               std::to_string(want.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        if (got[i] != want[i])
            return std::string(what) + ": word " + std::to_string(i) + " is \"" + Show(got[i]) + "\", not \"" +
                   Show(want[i]) + "\"";
    return {};
}

// Loads `data` as a word-list file from `dir`, checks the words against the
// rules, runs the lookups over them, saves the list and loads it back.
inline std::string CheckWordListFile(const std::string& dir, std::string_view data)
{
    ClearDir(dir);
    const std::string path = dir + "/fuzz.lst", copy = dir + "/copy.lst";
    WriteFile(path, data);
    const std::vector<std::string> want = ExpectedWords(data);

    CDictionary dictionary;
    const bool loaded = dictionary.LoadList(path);
    if (loaded != !want.empty())
        return loaded ? "a list without words loaded" : "a list with " + std::to_string(want.size()) + " words did not load";
    if (!loaded)
        return {};
    CWordList& list = const_cast<CWordList&>(*dictionary.GetList(0));
    const std::vector<std::string> got = ListedWords(list);
    if (std::string why = CompareWords(got, want, "loaded"); !why.empty())
        return why;
    if (dictionary.GetWordCount() != static_cast<int>(want.size()))
        return "word count " + std::to_string(dictionary.GetWordCount()) + " for " + std::to_string(want.size()) + " words";

    // The lookups games make, on the words and on pieces of them.
    for (std::size_t i = 0; i < want.size() && i < 64; ++i) {
        const std::string& word = want[(i * 7919) % want.size()];
        dictionary.IsWord(word.c_str());
        for (std::size_t n = 1; n <= word.size() && n <= 4; ++n) {
            const std::string prefix = word.substr(0, n);
            dictionary.IsPrefix(prefix.c_str());
            dictionary.FindShortestWord(prefix.c_str());
        }
        std::string blanked = word;
        blanked[blanked.size() / 2] = ' ';
        dictionary.IsWord(blanked.c_str());
        const CStr random = dictionary.GetRandomWord(static_cast<int>(std::min<std::size_t>(word.size(), 30)));
        if (!random.IsEmpty() && std::find(want.begin(), want.end(), random.str()) == want.end() &&
            random.GetLength() <= 21)
            return "a random word that is not in the list: \"" + Show(random.str()) + "\"";
        int top = 0;
        CWordArray page;
        dictionary.FillPage(word.substr(0, 2).c_str(), top, page, 12);
    }

    // Saved and loaded again, the list is the same, and the file is its words with CR LF.
    if (!dictionary.SaveList(path, copy))
        return "the list could not be saved";
    std::string text;
    for (const std::string& w : want)
        text += w + "\r\n";
    if (ReadFile(copy) != text)
        return "the saved file is not the words each followed by CR LF";
    CDictionary again;
    if (!again.LoadList(copy))
        return "the saved list does not load";
    if (std::string why = CompareWords(ListedWords(const_cast<CWordList&>(*again.GetList(0))), want, "reloaded");
        !why.empty())
        return why;

    // Adding and removing keep the count.
    const int before = again.GetWordCount();
    const std::string extra = want.front() + "zz";
    if (!again.AddWord(extra.c_str(), copy) || again.GetWordCount() != before + 1)
        return "adding \"" + Show(extra) + "\" did not add one word";
    const int removed = again.RemoveWord(extra.c_str());
    if (again.GetWordCount() != before + 1 - removed)
        return "removing a word left the count wrong";
    return {};
}

// ---------------------------------------------------------------------------
// The settings store

inline const char* const kGameKeys[] = {
    "Software\\Quirkwood\\Glyphery",
    "Software\\Quirkwood\\Glyphery\\Golf",
    "Software\\Quirkwood\\Glyphery\\Golf\\HighScores",
    "Software\\Quirkwood\\Glyphery\\Klondike",
};
inline const char* const kValueNames[] = {
    "Sound",         "CurrentGame",  "Width",        "BackgroundColor", "QuoteNum",    "GamesPlayed",
    "GamesSkipped",  "GamesWon",     "AverageScore", "BestScore",       "WorstScore",  "LatestScore",
    "Name0",         "Score0",       "Name9",        "Score9",          "Score5",      "GamesReplayed",
};

// Builds a store from a description of rows: for each row a key, a value
// name, a type and a value stored in whichever form SQLite takes (number,
// real, text with any bytes, blob, null).
inline void BuildStore(const std::string& path, std::string_view data)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        return;
    }
    sqlite3_exec(db,
                 "CREATE TABLE reg_values(key TEXT NOT NULL COLLATE NOCASE, name TEXT NOT NULL COLLATE NOCASE,"
                 " type INTEGER NOT NULL, dword INTEGER, text TEXT, PRIMARY KEY(key, name)) WITHOUT ROWID",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT OR REPLACE INTO reg_values VALUES(?1, ?2, ?3, ?4, ?5)", -1, &insert, nullptr);
    std::size_t at = 0;
    auto byte = [&]() -> unsigned { return at < data.size() ? static_cast<unsigned char>(data[at++]) : 0u; };
    auto bytes = [&](std::size_t n) {
        const std::string_view piece = data.substr(std::min(at, data.size()), n);
        at += piece.size();
        return piece;
    };
    while (at < data.size() && insert) {
        const unsigned keyChoice = byte(), nameChoice = byte(), typeChoice = byte(), form = byte();
        const std::string_view text = bytes(byte());
        const std::string key = keyChoice < 200 ? kGameKeys[keyChoice % std::size(kGameKeys)] : std::string(text);
        const std::string name =
            nameChoice < 230 ? kValueNames[nameChoice % std::size(kValueNames)] : std::string(text.substr(0, 8));
        sqlite3_bind_text(insert, 1, key.data(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 3, typeChoice % 8 < 4 ? 4 : typeChoice % 8 < 7 ? 1 : static_cast<int>(typeChoice));
        std::int64_t number = 0;
        for (std::size_t i = 0; i < 8 && i < text.size(); ++i)
            number = (number << 8) | static_cast<unsigned char>(text[i]);
        switch (form % 6) {
        case 0: sqlite3_bind_int64(insert, 4, number); break;
        case 1: sqlite3_bind_int64(insert, 4, static_cast<std::int32_t>(number)); break;
        case 2: sqlite3_bind_double(insert, 4, static_cast<double>(number) / 3.0); break;
        case 3: sqlite3_bind_text(insert, 4, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT); break;
        case 4: sqlite3_bind_blob(insert, 4, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT); break;
        default: sqlite3_bind_null(insert, 4); break;
        }
        switch ((form / 6) % 4) {
        case 0: sqlite3_bind_text(insert, 5, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT); break;
        case 1: sqlite3_bind_blob(insert, 5, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT); break;
        case 2: sqlite3_bind_int64(insert, 5, number); break;
        default: sqlite3_bind_null(insert, 5); break;
        }
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_close(db);
}

// Opens a store made from `data` (the first byte chooses: the rest of the
// input as the store file itself, or rows put into a well-formed store) and
// reads it the way the program does: the settings, the statistics with a
// hand recorded on top of them, the high-score list. Afterwards the store
// must still take and give back a value.
inline std::string CheckStoreInput(const std::string& dir, std::string_view data)
{
    ClearDir(dir);
    const std::string path = dir + "/glyphery.db";
    CloseRegistry();
    SetRegistryPath(path);
    if (!data.empty() && (data[0] & 1))
        BuildStore(path, data.substr(1));
    else
        WriteFile(path, data.empty() ? data : data.substr(1));

    LoadSettings();
    // Every value read both ways in one transaction (one open of the store);
    // strings also into small buffers.
    std::string why;
    RegTransaction([&] {
        for (const char* key : kGameKeys)
            for (const char* name : kValueNames) {
                ReadRegDword(HKEY_CURRENT_USER, key, name, -7);
                std::string text;
                for (const int size : {1, 16, 256})
                    if (ReadRegString(HKEY_CURRENT_USER, key, name, text, size) &&
                        text.size() + 1 > static_cast<std::size_t>(size) && why.empty())
                        why = "a string of " + std::to_string(text.size()) + " bytes came back for a buffer of " +
                              std::to_string(size);
            }
    });
    if (!why.empty())
        return why;
    SetStatisticsSubkey("Golf");
    FormatStatistics();
    const int threshold = HighScoreThreshold();
    const int above = threshold < INT_MAX ? threshold + 1 : threshold;
    for (const int score : {0, 1, threshold, above, 1000000, -5}) {
        const HighScoreTable table = LoadHighScoreTable(true, score);
        if (table.newRow >= 0 && table.rows[static_cast<std::size_t>(table.newRow)].score != std::to_string(score))
            return "the new high-score row does not show the score " + std::to_string(score);
        LoadHighScoreTable(false, score);
    }
    RecordHand(kEndFinished, threshold, 100);
    CountSkippedHand();
    FormatStatistics();

    // Whatever was there, the store now works.
    const char* key = "Software\\Quirkwood\\Glyphery\\FuzzCheck";
    if (!WriteRegDword(HKEY_CURRENT_USER, key, "Value", 12345) ||
        ReadRegDword(HKEY_CURRENT_USER, key, "Value", 0) != 12345)
        return "the store no longer keeps a value";
    std::string text;
    if (!WriteRegString(HKEY_CURRENT_USER, key, "Text", "kept") ||
        !ReadRegString(HKEY_CURRENT_USER, key, "Text", text, 16) || text != "kept")
        return "the store no longer keeps a string";
    CloseRegistry();
    return {};
}

}  // namespace fuzzcheck
