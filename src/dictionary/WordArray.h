#pragma once
// CWordArray: a growable array of words kept in ascending order.
//
// The search rules are part of the game: which word FindPrefix lands on and
// where an equal word is inserted decide what games deal and accept, so they
// must not change.
//  - In every comparison a blank ' ' matches any one character on either side.
//  - Arrays of up to 64 words are scanned from the start, comparing without
//    regard to case; larger ones are searched by halving, comparing bytes.
//  - Find and FindPrefix return the index of a matching word, or the
//    complement (~) of the index where the word would be inserted.
//
// An owning array keeps its own copy of every word in a few large blocks, so
// a list of many words is not many small allocations; a non-owning array
// keeps the caller's pointers, which must outlive it.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class CWordArray {
public:
    static constexpr int kLinearLimit = 64;  // at most this many words: linear scan

    explicit CWordArray(bool ownsStrings = true);
    virtual ~CWordArray();
    CWordArray(const CWordArray&) = delete;
    CWordArray& operator=(const CWordArray&) = delete;
    CWordArray(CWordArray&&) noexcept;
    CWordArray& operator=(CWordArray&&) noexcept;

    int Find(const char* word) const;
    int FindPrefix(const char* letters) const;
    // Find(word) >= 0, answered through a hash table when the array is in
    // order (as every loaded word list is): the search then finds a word
    // exactly when it is there, so the table gives the same answer.
    bool Contains(const char* word) const;
    // FindPrefix(letters) >= 0, the same way: a table of every beginning of
    // every word answers.
    bool ContainsPrefix(const char* letters) const;

    // Stores the word at the end (a copy, byte for byte, if owning) and
    // returns the stored pointer.
    const char* Append(std::string_view word);
    // Appends the word at `index` of another array, which keeps it: the
    // same pointer, for a non-owning array over an owning one's words.
    void AppendFrom(const CWordArray& source, int index);
    // Room for this many more words, of about this many bytes in all.
    void Reserve(int words, size_t bytes);
    // Stores the word at the place Find gives (before an equal word). An
    // owning array's copy loses its apostrophes and hyphens. Returns the
    // stored pointer.
    const char* InsertSorted(const char* word);
    void RemoveAt(int index);
    // Find, then RemoveAt when found.
    bool Remove(const char* word);
    // Removes the entry that is this very pointer (not just an equal word).
    bool RemovePointer(const char* stored);
    void Clear();

    int GetCount() const { return static_cast<int>(m_words.size()); }
    bool IsEmpty() const { return m_words.empty(); }
    bool OwnsStrings() const { return m_owns; }
    // The word at index, or "" when the index is out of range.
    const char* GetAt(int index) const;
    const char* operator[](int index) const { return GetAt(index); }
    // Iteration; null after the last word.
    const char* GetFirst();
    const char* GetNext();

private:
    class CPool;
    template <class Compare>
    int Search(const Compare& compareAt) const;
    const char* Store(std::string_view word);
    void Insert(int index, const char* stored);
    void AppendWithKey(const char* stored, std::uint64_t key);
    static bool IsPlain(const char* word);

    // The words by hash, for arrays in order without blanks or capitals;
    // rebuilt when next asked after a change. Empty when not usable.
    struct CSlot {
        std::uint64_t key = 0;  // checked before the word: its first eight bytes, or a hash
        const char* word = nullptr;
    };
    const std::vector<CSlot>& Table() const;
    const std::vector<CSlot>& PrefixTable() const;
    void Changed() { m_tableValid = m_prefixTableValid = false; }

    std::vector<const char*> m_words;
    std::vector<std::uint64_t> m_keys;  // first eight bytes of each word, big-endian
    std::unique_ptr<CPool> m_pool;       // owning arrays only
    int m_oddWords = 0;                  // words holding a blank or a capital
    int m_iter = 0;
    bool m_owns;
    bool m_sorted = true;                // every word >= the one before, byte by byte
    mutable bool m_tableValid = false;
    mutable std::vector<CSlot> m_table;
    mutable bool m_prefixTableValid = false;
    mutable std::vector<CSlot> m_prefixTable;  // hash of a beginning, a word that has it
};
