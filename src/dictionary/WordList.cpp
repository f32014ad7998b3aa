#include "dictionary/WordList.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "framework/Random.h"

CWordList::CWordList(std::string name) : m_name(std::move(name))
{
    for (CWordArray& bucket : m_lengths)
        bucket = CWordArray(false);  // they point at the letter buckets' copies
}

CWordList::~CWordList() = default;

int CWordList::BucketOf(const char* word)
{
    if (!word) return -1;
    const char c = ToUpperChar(word[0]);
    return c >= 'A' && c <= 'Z' ? c - 'A' : -1;
}

int CWordList::LengthBucketOf(size_t length)
{
    return length == 0 ? 0 : static_cast<int>(std::min<size_t>(length - 1, kLengthBuckets - 1));
}

bool CWordList::AppendLoadedWord(std::string_view word)
{
    if (word.empty()) return false;
    const char first[2] = {word[0], 0};
    const int bucket = BucketOf(first);
    if (bucket < 0) return false;
    CWordArray& letters = m_letters[static_cast<size_t>(bucket)];
    const char* stored = letters.Append(word);
    if (word.size() <= static_cast<size_t>(kLengthBuckets))
        m_lengths[word.size() - 1].AppendFrom(letters, letters.GetCount() - 1);
    else
        m_lengths[kLengthBuckets - 1].InsertSorted(stored);
    ++m_wordCount;
    return true;
}

void CWordList::ReserveForLoad(const std::vector<std::string_view>& text)
{
    std::array<int, kLetterBuckets> words{};
    std::array<size_t, kLetterBuckets> bytes{};
    std::array<int, kLengthBuckets> lengths{};
    for (std::string_view word : text) {
        const char first[2] = {word.empty() ? '\0' : word[0], 0};
        const int bucket = BucketOf(first);
        if (bucket >= 0) {
            ++words[static_cast<size_t>(bucket)];
            bytes[static_cast<size_t>(bucket)] += word.size() + 1;
            ++lengths[static_cast<size_t>(LengthBucketOf(word.size()))];
        }
    }
    for (int b = 0; b < kLetterBuckets; ++b)
        m_letters[static_cast<size_t>(b)].Reserve(words[static_cast<size_t>(b)], bytes[static_cast<size_t>(b)]);
    for (int k = 0; k < kLengthBuckets; ++k)
        m_lengths[static_cast<size_t>(k)].Reserve(lengths[static_cast<size_t>(k)], 0);
}

bool CWordList::InsertWord(const char* word)
{
    const int bucket = BucketOf(word);
    if (bucket < 0) return false;
    const char* stored = m_letters[static_cast<size_t>(bucket)].InsertSorted(word);
    // The length bucket goes by the stored copy, which may have lost
    // apostrophes and hyphens: a word drawn for a length has that length.
    m_lengths[static_cast<size_t>(LengthBucketOf(std::strlen(stored)))].InsertSorted(stored);
    ++m_wordCount;
    return true;
}

bool CWordList::RemoveWord(const char* word)
{
    const int bucket = BucketOf(word);
    if (bucket < 0) return false;
    CWordArray& letters = m_letters[static_cast<size_t>(bucket)];
    const int at = letters.Find(word);
    if (at < 0) return false;
    // Remove from the length bucket the very string taken out of the letter
    // bucket: with a blank in the word, a search there could land on another
    // word. The string itself stays valid until the bucket is cleared.
    const char* stored = letters.GetAt(at);
    letters.RemoveAt(at);
    --m_wordCount;
    m_lengths[static_cast<size_t>(LengthBucketOf(std::strlen(stored)))].RemovePointer(stored);
    return true;
}

int CWordList::FindWord(const char* word) const
{
    const int bucket = BucketOf(word);
    return bucket < 0 ? -1 : m_letters[static_cast<size_t>(bucket)].Find(word);
}

int CWordList::FindPrefix(const char* letters) const
{
    const int bucket = BucketOf(letters);
    return bucket < 0 ? -1 : m_letters[static_cast<size_t>(bucket)].FindPrefix(letters);
}

bool CWordList::HasWord(const char* word) const
{
    const int bucket = BucketOf(word);
    return bucket >= 0 && m_letters[static_cast<size_t>(bucket)].Contains(word);
}

bool CWordList::HasPrefix(const char* letters) const
{
    const int bucket = BucketOf(letters);
    return bucket >= 0 && m_letters[static_cast<size_t>(bucket)].ContainsPrefix(letters);
}

CStr CWordList::FindShortestWord(const char* letters) const
{
    if (!letters || !*letters) return m_lengths[1].GetCount() > 0 ? CStr(m_lengths[1].GetAt(0)) : CStr();
    const size_t length = std::strlen(letters);
    for (size_t k = length - 1; k < static_cast<size_t>(kLengthBuckets); ++k) {
        const int at = m_lengths[k].FindPrefix(letters);
        if (at >= 0) return CStr(m_lengths[k].GetAt(at));
    }
    return CStr();
}

CStr CWordList::GetRandomWord(CRandom& random, int n) const
{
    if (n < 1) return CStr();
    if (n < kLengthBuckets) {
        const CWordArray& bucket = m_lengths[static_cast<size_t>(n - 1)];
        return CStr(bucket.GetAt(random.InRange(bucket.GetCount(), 0)));
    }
    const CWordArray& longest = m_lengths[kLengthBuckets - 1];
    const int count = longest.GetCount();
    for (int tries = 0; tries < 2 * count; ++tries) {
        const char* word = longest.GetAt(random.InRange(count, 0));
        if (std::strlen(word) == static_cast<size_t>(n)) return CStr(word);
    }
    return CStr();
}

int CWordList::GetLetterCount(int letter) const
{
    if (letter >= 'a' && letter <= 'z') letter -= 'a';
    else if (letter >= 'A' && letter <= 'Z') letter -= 'A';
    if (letter < 0 || letter >= kLetterBuckets) return 0;
    return m_letters[static_cast<size_t>(letter)].GetCount();
}

CStr CWordList::GetFirstWord()
{
    m_cursor = 0;
    const char* word = m_letters[0].GetFirst();
    while (!word) {
        if (++m_cursor >= kLetterBuckets) return CStr();
        word = m_letters[static_cast<size_t>(m_cursor)].GetFirst();
    }
    return CStr(word);
}

CStr CWordList::GetNextWord()
{
    if (m_cursor >= kLetterBuckets) return CStr();
    const char* word = m_letters[static_cast<size_t>(m_cursor)].GetNext();
    while (!word) {
        if (++m_cursor >= kLetterBuckets) return CStr();
        word = m_letters[static_cast<size_t>(m_cursor)].GetFirst();
    }
    return CStr(word);
}

int CWordList::CountBelow(const char* word, bool orEqual) const
{
    // The word is lower case, as every stored word is; one that does not
    // begin with a letter sorts before them all, or after them past 'z'.
    const int bucket = BucketOf(word);
    if (bucket < 0)
        return static_cast<unsigned char>(word[0]) > 'z' ? m_wordCount : 0;
    int below = 0;
    for (int b = 0; b < bucket; ++b)
        below += m_letters[static_cast<size_t>(b)].GetCount();
    // Loaded and inserted words are kept in byte order within their bucket.
    const CWordArray& words = m_letters[static_cast<size_t>(bucket)];
    int low = 0;
    int high = words.GetCount();
    while (low < high) {
        const int mid = (low + high) / 2;
        const int order = std::strcmp(words.GetAt(mid), word);
        if (order < 0 || (orEqual && order == 0)) low = mid + 1;
        else high = mid;
    }
    return below + low;
}

const char* CWordList::WordAt(int position) const
{
    if (position < 0)
        return nullptr;
    for (const CWordArray& words : m_letters) {
        if (position < words.GetCount())
            return words.GetAt(position);
        position -= words.GetCount();
    }
    return nullptr;
}
