#pragma once
// CWordList: the words of one word-list file. Each word is stored once, in
// the letter bucket of its first letter; 21 length buckets point at the same
// strings (bucket k holds the words of k + 1 characters, bucket 20 every word
// of 21 or more) so that a random word of a given length is one draw.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/WordArray.h"
#include "framework/Str.h"

class CWordList {
public:
    static constexpr int kLetterBuckets = 26;
    static constexpr int kLengthBuckets = 21;

    explicit CWordList(std::string name);
    virtual ~CWordList();
    CWordList(const CWordList&) = delete;
    CWordList& operator=(const CWordList&) = delete;

    const std::string& GetName() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }
    int GetWordCount() const { return m_wordCount; }

    // A word read from a file, in file order. Words that do not begin with a
    // letter are skipped (false).
    bool AppendLoadedWord(std::string_view word);
    // Makes room for the words about to be appended.
    void ReserveForLoad(const std::vector<std::string_view>& words);
    // Inserts in sorted place; the stored copy loses apostrophes and hyphens.
    // Does not refuse a word that is already there. False when the word does
    // not begin with a letter.
    bool InsertWord(const char* word);
    // Removes one occurrence; false when the list does not hold the word.
    bool RemoveWord(const char* word);

    // Index in the word's letter bucket, or negative.
    int FindWord(const char* word) const;
    int FindPrefix(const char* letters) const;
    // FindWord(word) >= 0 and FindPrefix(letters) >= 0, the quick way.
    bool HasWord(const char* word) const;
    bool HasPrefix(const char* letters) const;
    // A shortest word beginning with the letters; empty when there is none.
    // Empty letters give a random two-letter word.
    CStr FindShortestWord(const char* letters) const;
    // A random word of exactly n letters; empty when none was drawn.
    CStr GetRandomWord(CRandom& random, int n) const;

    int GetLetterCount(int letter) const;  // letter: 0..25, or 'a'..'z' / 'A'..'Z'
    const CWordArray& LetterBucket(int i) const { return m_letters[static_cast<size_t>(i)]; }
    const CWordArray& LengthBucket(int k) const { return m_lengths[static_cast<size_t>(k)]; }

    // All words, bucket 'a' to 'z', each in its order; empty after the last.
    CStr GetFirstWord();
    CStr GetNextWord();

    // The list's words in order, bucket 'a' to 'z': how many stand below the
    // word (or below or equal to it), and the word at a position (nullptr
    // past the end). For paging through the merged lists.
    int CountBelow(const char* word, bool orEqual) const;
    const char* WordAt(int position) const;

    // The letter bucket of a word (0..25), or -1 when it does not begin with a letter.
    static int BucketOf(const char* word);

private:
    static int LengthBucketOf(size_t length);

    std::string m_name;
    std::array<CWordArray, kLetterBuckets> m_letters;
    std::array<CWordArray, kLengthBuckets> m_lengths;
    int m_wordCount = 0;
    int m_cursor = 0;  // letter bucket of the word iteration
};
