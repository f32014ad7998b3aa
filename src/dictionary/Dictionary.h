#pragma once
// CDictionary: the one word dictionary of the program. It holds up to 25 word
// lists (one per file) in load order, answers the games' two questions (is
// this a word, can these letters begin one), draws random words and shortest
// completions, and lets the Dictionary dialog page, add, remove and save.
//
// Word-list files ("words.lst", "modified.lst", "custom.lst"): text, one
// word per line, cut into lines by the rules of every line file
// (framework/TextFile.h: any line end, trailing blanks trimmed); a line longer
// than 1,023 bytes is skipped whole. Empty lines and lines that do not begin
// with a letter add nothing. Words load lower-cased, in any order. Saved
// lists are written one word per line ended by CR LF, in ascending order.
//
// File names without a '/' are looked up the usual way: reads take the
// player's copy first and then the shipped one, writes always go to the
// player's folder. A name with a '/' is used as the path itself.
#include <memory>
#include <mutex>
#include <utility>
#include <string>
#include <vector>

#include "dictionary/WordArray.h"
#include "dictionary/WordList.h"
#include "framework/Str.h"
#include "framework/TextFile.h"

class CProgressSink;

class CDictionary {
public:
    static constexpr int kMaxLists = 25;
    static constexpr int kMaxLineLength = kMaxLineBytes;  // the line files' limit

    CDictionary();
    virtual ~CDictionary();
    CDictionary(const CDictionary&) = delete;
    CDictionary& operator=(const CDictionary&) = delete;

    // Fills the dictionary once per run, for the shell's LoadDictionary (which
    // shows its progress dialog around the call and passes it as progress):
    // "modified.lst", or else "words.lst" which is then saved as the player's
    // "modified.lst" (a player's copy that gave no words is first moved aside,
    // see KeepAside); then the optional "custom.lst". When neither main list
    // loads, shows the "Error!" box with string 142 over the main window (if
    // there is one) and returns false. True at once when already loaded.
    bool LoadWordLists(CProgressSink* progress = nullptr);

    // Reads one word-list file into a new list appended to the lists: its
    // lines by the rules of TextFile.h, lower-cased, sorted when they were not.
    // False when 25 lists exist, the file cannot be opened or read (a read
    // error drops the whole list), or it holds no word.
    bool LoadList(const std::string& fileName, CProgressSink* progress = nullptr);
    bool IsLoaded() const { return m_loaded; }

    // The word's length if some list holds it, else 0. A word that does not
    // begin with a letter counts as found (a blank first letter is a
    // wildcard); a blank anywhere matches any letter.
    int IsWord(const char* word) const;
    // The letters' length if some word in some list begins with them, else 0.
    int IsPrefix(const char* letters) const;
    // A shortest word beginning with the letters over all lists; "q" gives
    // "qua", empty letters a random two-letter word; empty when none.
    CStr FindShortestWord(const char* letters) const;
    // A random word of exactly that length, the list chosen in proportion to
    // its size (the first list's draw stands when the chosen list has no word
    // of that length); empty when no list has one.
    CStr GetRandomWord(CRandom& random, int length) const;

    int GetWordCount() const { return m_totalWords; }
    int GetListCount() const { return static_cast<int>(m_lists.size()); }
    const CWordList* GetList(int index) const;
    const CWordList* FindList(const std::string& name) const;

    // Inserts the word in sorted place into the list of that name, making the
    // list when there is none yet (unless 25 lists exist). False when nothing
    // was added (the word does not begin with a letter, or no room for a list).
    bool AddWord(const char* word, const std::string& listName);
    // Removes the word from every list that holds it; the number of lists it
    // was removed from.
    int RemoveWord(const char* word);

    // Writes one list as a word-list file (under newName when given, which
    // also renames the list). No list of that name: nothing written, true.
    // The file is written whole to a temporary file beside it and renamed over
    // the old one only when every write succeeded, so a failed save leaves the
    // old file as it was; it then shows the system's error text in a box and
    // returns false.
    bool SaveList(const std::string& name, const std::string& newName = std::string(),
                  CProgressSink* progress = nullptr);
    // SaveList for every list under its own name, going on after a failure;
    // true only if all were saved.
    bool SaveAll(CProgressSink* progress = nullptr);

    // Paging for the Dictionary dialog, through the lists merged into one
    // ascending sequence (a word held by two lists stands twice, the earlier
    // list's first). PositionOf: where the letters (lower-cased) would stand,
    // the number of words below them. FillPage: up to max words from that
    // position on, appended to out in order; the number taken.
    int PositionOf(const char* letters) const;
    int FillPage(int top, CWordArray& out, int max) const;

    // Where a list of this name is read from and written to.
    static std::string ReadPathOf(const std::string& name);
    static std::string WritePathOf(const std::string& name);

private:
    CWordList* FindListByName(const std::string& name);
    bool Save(const CWordList& list, CProgressSink* progress);
    void Recount();
    // A player's own list that exists but gave no words (read error, or none
    // in it) is remembered, and later moved aside (`NAME.unreadable-DATE`)
    // with a box that names the file and why, so nothing the player wrote is
    // overwritten. KeepAside: true when the list's path is free to be written.
    void NoteUnusable(const std::string& name, int error);
    bool KeepAside(const std::string& name);

    std::vector<std::unique_ptr<CWordList>> m_lists;
    std::vector<std::pair<std::string, int>> m_unusable;  // list name, errno (0: no words)
    std::mutex m_unusableMutex;  // lists may be read on the preloading thread
    int m_totalWords = 0;
    bool m_loaded = false;
};
