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
#include <cstring>
#include <filesystem>
#include <optional>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/Registry.h"
#include "app/Settings.h"
#include "dictionary/Dictionary.h"
#include "framework/Random.h"
#include "framework/Shell.h"
#include "framework/TextFile.h"
#include "lists/QuoteList.h"
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

// The lines of a line file, by the format's rules worked out here on their
// own: LF, CR LF and CR each end a line; zero bytes are dropped wherever they
// are; blanks and tabs at a line's end are trimmed; text after the last line
// end is a line; a line longer than 1,023 bytes is skipped, or stands as
// nullopt with `keepLost` (a quotation file drops its pair).
inline std::vector<std::optional<std::string>> ReferenceLinesKeepingLost(std::string_view data)
{
    std::vector<std::optional<std::string>> lines;
    std::string line;
    bool open = false;
    auto finish = [&] {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        if (line.size() <= static_cast<std::size_t>(kMaxLineBytes))
            lines.emplace_back(line);
        else
            lines.emplace_back(std::nullopt);
        line.clear();
        open = false;
    };
    for (std::size_t i = 0; i < data.size(); ++i) {
        const char c = data[i];
        if (c == '\r' || c == '\n') {
            finish();
            if (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n')
                ++i;
            continue;
        }
        open = true;
        if (c != 0)
            line += c;
    }
    if (open)
        finish();
    return lines;
}

inline std::vector<std::string> ReferenceLines(std::string_view data)
{
    std::vector<std::string> lines;
    for (auto& line : ReferenceLinesKeepingLost(data))
        if (line)
            lines.push_back(std::move(*line));
    return lines;
}

// The words a word-list file holds: its lines in lower case (sorted, and
// each once, when they were not in order), those that begin with a letter,
// listed by first letter.
inline std::vector<std::string> ExpectedWords(std::string_view data)
{
    std::vector<std::string> lines;
    for (std::string& line : ReferenceLines(data))
        if (!line.empty()) {
            for (char& c : line)
                c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
            lines.push_back(std::move(line));
        }
    if (!std::is_sorted(lines.begin(), lines.end())) {
        std::sort(lines.begin(), lines.end());
        lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    }
    std::vector<std::string> byLetter[26];
    for (const std::string& line : lines)
        if (IsAsciiLetter(line[0]))
            byLetter[LetterOf(line[0])].push_back(line);
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
        const CStr random = dictionary.GetRandomWord(ProgramRandom(), static_cast<int>(std::min<std::size_t>(word.size(), 30)));
        if (!random.IsEmpty() && std::find(want.begin(), want.end(), random.str()) == want.end() &&
            random.GetLength() <= 21)
            return "a random word that is not in the list: \"" + Show(random.str()) + "\"";
        const std::string start = word.substr(0, 2);
        CWordArray page;
        const int top = dictionary.PositionOf(start.c_str());
        if (dictionary.FillPage(top, page, 12) > 0 &&
            std::all_of(start.begin(), start.end(), [](char c) { return c >= 'a' && c <= 'z'; }) &&
            std::strcmp(page.GetAt(0), start.c_str()) < 0)
            return "a dictionary page that starts below its letters: \"" + Show(start) + "\"";
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
// Quotation files

// The lines of a quotation file that count: a line beginning with '/', ';'
// or '*' is a comment, and a line needs a letter.
inline std::vector<std::string> ExpectedQuoteLines(std::string_view data)
{
    // A line too long to read takes its partner with it.
    std::vector<std::optional<std::string>> counted;
    for (auto& line : ReferenceLinesKeepingLost(data)) {
        const bool comment = line && !line->empty() && ((*line)[0] == '/' || (*line)[0] == ';' || (*line)[0] == '*');
        if (!line || (!comment && std::any_of(line->begin(), line->end(), IsAsciiLetter)))
            counted.push_back(std::move(line));
    }
    std::vector<std::string> lines;
    for (std::size_t i = 0; i + 1 < counted.size(); i += 2)
        if (counted[i] && counted[i + 1]) {
            lines.push_back(std::move(*counted[i]));
            lines.push_back(std::move(*counted[i + 1]));
        }
    return lines;
}

inline std::string CheckQuoteShape(const CStr& text, const char* what)
{
    if (!std::any_of(text.str().begin(), text.str().end(), IsAsciiLetter))
        return std::string(what) + " without a letter: \"" + Show(text.str()) + "\"";
    if (text.str().find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
        return std::string(what) + " holding CR, LF or a zero byte: \"" + Show(text.str()) + "\"";
    if (text.GetLength() > kMaxLineBytes)
        return std::string(what) + " longer than a line may be";
    return {};
}

// The current quotation against what it should be, with its masked copy and
// its letters.
inline std::string CheckCurrentQuote(CQuoteList& list, const std::vector<std::string>& lines, std::size_t index)
{
    if (!list.GetText())
        return "an open list gave no text";
    const CStr text(list.GetText());
    if (text.str() != lines[2 * index] || list.GetAttribution().str() != lines[2 * index + 1])
        return "quotation " + std::to_string(index + 1) + " reads as \"" + Show(text.str()) + "\" / \"" +
               Show(list.GetAttribution().str()) + "\"";
    for (const auto& [part, what] : {std::pair{text, "a quotation"}, std::pair{list.GetAttribution(), "an attribution"}})
        if (std::string why = CheckQuoteShape(part, what); !why.empty())
            return why;
    const CStr& masked = list.GetMaskedText();
    if (masked.GetLength() != text.GetLength())
        return "the masked text is not as long as the text";
    for (int i = 0; i < text.GetLength(); ++i)
        // A letter is hidden as '_'; an accented one (UTF-8: a lead byte and
        // its further bytes) as '_' and places that are never drawn.
        if (masked[i] != (IsAsciiLetter(text[i]) || static_cast<unsigned char>(text[i]) >= 0xC0 ? '_'
                          : static_cast<unsigned char>(text[i]) >= 0x80                         ? '\x01'
                                                                                                 : text[i]))
            return "the masked text differs from the text at " + std::to_string(i) + " beyond hiding a letter";
    std::string letters = list.GetShuffledLetters(ProgramRandom()).str(), want;
    for (const char c : text.str())
        if (IsAsciiLetter(c))
            want += static_cast<char>(c | 0x20);
    std::sort(letters.begin(), letters.end());
    std::sort(want.begin(), want.end());
    if (letters != want)
        return "the shuffled letters are not the quotation's letters";
    return {};
}

// The game's questions on the words of the current quotation: every word
// counts as a word and its beginnings as beginnings, and a word made only of
// letters, apostrophes and hyphens is revealed once per occurrence, no more.
inline std::string CheckQuoteWords(CQuoteList& list)
{
    const std::string text = list.GetText();
    std::vector<std::string> forms, plain;
    bool cut = false;  // more words than are asked about
    const std::string_view separators = " ,\t\n\".,;:!?()&/";
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = text.find_first_not_of(separators, at);
        if (start == std::string::npos)
            break;
        if (forms.size() == 100) {
            cut = true;
            break;
        }
        const std::size_t end = std::min(text.find_first_of(separators, start), text.size());
        const std::string piece = text.substr(start, end - start);
        std::string form;
        for (const char c : piece)  // an accented letter (UTF-8 bytes) has no tile: it is not spelled
            if (c != '\'' && c != '-' && static_cast<unsigned char>(c) < 0x80)
                form += (c >= 'A' && c <= 'Z') ? static_cast<char>(c | 0x20) : c;
        if (!form.empty()) {
            forms.push_back(form);
            if (std::all_of(piece.begin(), piece.end(),
                            [](char c) { return IsWordChar(c) || static_cast<unsigned char>(c) >= 0x80; }))
                plain.push_back(form);
        }
        at = end;
    }
    for (const std::string& form : forms) {
        const int length = static_cast<int>(form.size());
        if (list.IsWordInQuote(form.c_str(), 1) != length || list.IsWordInQuote(("," + form).c_str(), 0) != length)
            return "the word \"" + Show(form) + "\" is not a word of its quotation";
        for (int n = 1; n <= length && n <= 6; ++n)
            if (list.IsPrefixInQuote(form.substr(0, static_cast<std::size_t>(n)).c_str(), 1) != n)
                return "the beginning of \"" + Show(form) + "\" does not begin a word of its quotation";
    }
    list.HideLetters();
    for (const std::string& form : plain)
        if (list.RevealWord(form.c_str()) < 0)
            return "an occurrence of \"" + Show(form) + "\" could not be revealed";
    if (!cut)
        for (const std::string& form : plain)
            if (list.RevealWord(form.c_str()) >= 0)
                return "\"" + Show(form) + "\" was revealed more often than it occurs";
    return {};
}

// Loads `data` as the quotation file from `dir` with a stored "QuoteNum"
// taken from the input, then walks the whole list round, steps back, and asks
// the word questions of the first quotations.
inline std::string CheckQuoteFile(const std::string& dir, std::string_view data)
{
    ClearDir(dir);
    const std::string path = dir + "/quotes.lst";
    WriteFile(path, data);
    const std::vector<std::string> lines = ExpectedQuoteLines(data);
    const std::size_t count = lines.size() / 2;
    std::uint32_t stored = 0;
    for (const char c : data.substr(0, 64))
        stored = stored * 131u + static_cast<unsigned char>(c);
    if (data.size() % 3 == 0)
        stored = 0;
    WriteRegDword(HKEY_CURRENT_USER, kMainKey, "QuoteNum", static_cast<std::int32_t>(stored));

    std::size_t index = 0;
    {
        CQuoteList list;
        const bool loaded = list.Load(path.c_str());
        if (loaded != (count > 0))
            return loaded ? "a file without a whole quotation loaded"
                          : "a file with " + std::to_string(count) + " quotations did not load";
        if (!loaded)
            return list.GetText() || list.ReadNextQuote(0) || list.RewindOne() ? "a list that failed to load still reads" : "";
        index = stored % count;
        if (std::string why = CheckCurrentQuote(list, lines, index); !why.empty())
            return why;
        // Round the whole list (and a little further): it comes back to where it was.
        const std::size_t steps = std::min<std::size_t>(count, 300) + 1;
        for (std::size_t i = 0; i < steps; ++i) {
            if (!list.ReadNextQuote(0))
                return "reading on failed after " + std::to_string(i) + " quotations";
            index = (index + 1) % count;
            if (std::string why = CheckCurrentQuote(list, lines, index); !why.empty())
                return why;
            if (i < 8 || i + 1 == steps) {
                ProgramRandom().Seed(static_cast<unsigned>(i));
                const CStr letters = list.GetShuffledLetters(ProgramRandom());
                if (!list.RewindOne() || !list.ReadNextQuote(0))
                    return "stepping back lost the list";
                ProgramRandom().Seed(static_cast<unsigned>(i));
                if (list.GetShuffledLetters(ProgramRandom()) != letters)
                    return "stepping back dealt other letters";
                if (std::string why = CheckCurrentQuote(list, lines, index); !why.empty())
                    return "after stepping back: " + why;
            }
            if (i < 12)
                if (std::string why = CheckQuoteWords(list); !why.empty())
                    return why;
        }
        if (list.GetQuoteNumber() != static_cast<int>(index) + 1)
            return "the quotation number is " + std::to_string(list.GetQuoteNumber()) + " at quotation " +
                   std::to_string(index + 1);
    }
    // The next run goes on from there.
    if (static_cast<std::size_t>(ReadRegDword(HKEY_CURRENT_USER, kMainKey, "QuoteNum", -1)) != index)
        return "the stored quotation number is not the current one's";
    CQuoteList next;
    if (!next.Load(path.c_str()) || std::string(next.GetText()) != lines[2 * index])
        return "the next run does not start at the last quotation";
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
