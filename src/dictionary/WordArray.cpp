#include "dictionary/WordArray.h"

#include <cstring>

#include "framework/Str.h"

// Words are copied into large blocks; a removed word's bytes stay in its
// block until the array is cleared, which keeps every pointer handed out
// (the word lists' length buckets share them) valid for the array's life.
class CWordArray::CPool {
public:
    const char* Store(std::string_view word)
    {
        const size_t need = word.size() + 1;
        if (m_used + need > m_size) {
            m_size = std::max(need, m_next);
            if (m_next < kMaxBlock) m_next *= 2;
            m_blocks.push_back(std::make_unique<char[]>(m_size));
            m_used = 0;
        }
        char* out = m_blocks.back().get() + m_used;
        std::memcpy(out, word.data(), word.size());
        out[word.size()] = 0;
        m_used += need;
        return out;
    }

private:
    static constexpr size_t kMaxBlock = 64 * 1024;
    std::vector<std::unique_ptr<char[]>> m_blocks;
    size_t m_used = 0;
    size_t m_size = 0;
    size_t m_next = 512;
};

namespace {

inline int Byte(char c) { return static_cast<unsigned char>(c); }
inline int Lower(char c) { return Byte(ToLowerChar(c)); }

// The first eight bytes of a word as one big-endian number, zero-padded, so
// that comparing two keys compares the words' beginnings byte by byte.
inline std::uint64_t KeyOf(const char* word)
{
    std::uint64_t key = 0;
    for (int i = 0; i < 8 && word[i]; ++i)
        key |= static_cast<std::uint64_t>(Byte(word[i])) << (56 - 8 * i);
    return key;
}

// Whole-word comparison of a stored word with the word looked for: walk both
// while the stored word lasts, a blank on either side matching anything; the
// result is the difference of the characters where the walk stopped.
int CompareWord(const char* stored, const char* target, bool noCase)
{
    for (;; ++stored, ++target) {
        const int a = noCase ? Lower(*stored) : Byte(*stored);
        const int b = noCase ? Lower(*target) : Byte(*target);
        if (a == 0 || b == 0) return a - b;
        if (a != b && a != ' ' && b != ' ') return a - b;
    }
}

// The same over the first n characters; where the walk stops early a blank on
// either side still counts as a match.
int ComparePrefix(const char* stored, const char* letters, int n, bool noCase)
{
    for (int i = 0; i < n; ++i) {
        const int a = noCase ? Lower(stored[i]) : Byte(stored[i]);
        const int b = noCase ? Lower(letters[i]) : Byte(letters[i]);
        if (a == ' ' || b == ' ') {
            if (a == 0 || b == 0) return 0;
            continue;
        }
        if (a != b || a == 0) return a - b;
    }
    return 0;
}

// A word without blanks and capitals compares the same way in both forms,
// and byte order is then plain string order: the keys can decide.
struct Probe {
    bool plain = true;
    int length = 0;
};

Probe Inspect(const char* word)
{
    Probe p;
    for (const char* s = word; *s; ++s)
        if (*s == ' ' || (*s >= 'A' && *s <= 'Z')) p.plain = false;
    p.length = static_cast<int>(std::strlen(word));
    return p;
}

inline int Sign(std::uint64_t a, std::uint64_t b) { return a < b ? -1 : 1; }

}  // namespace

CWordArray::CWordArray(bool ownsStrings) : m_owns(ownsStrings)
{
    m_words.reserve(128);
    m_keys.reserve(128);
}

CWordArray::~CWordArray() = default;
CWordArray::CWordArray(CWordArray&&) noexcept = default;
CWordArray& CWordArray::operator=(CWordArray&&) noexcept = default;

bool CWordArray::IsPlain(const char* word)
{
    for (; *word; ++word)
        if (*word == ' ' || (*word >= 'A' && *word <= 'Z')) return false;
    return true;
}

template <class Compare>
int CWordArray::Search(const Compare& compareAt) const
{
    const int count = GetCount();
    if (count == 0) return ~0;
    if (count <= kLinearLimit) {
        for (int i = 0; i < count; ++i) {
            const int c = compareAt(i);
            if (c >= 0) return c == 0 ? i : ~i;
        }
        return ~count;
    }
    int lo = 0, hi = count - 1, mid = count / 2;
    while (mid != lo) {
        const int c = compareAt(mid);
        if (c == 0) return mid;
        if (c < 0) lo = mid;
        else hi = mid;
        mid = (lo + hi) / 2;
    }
    int c = compareAt(lo);
    if (c == 0) return lo;
    if (c > 0) return ~lo;
    c = compareAt(hi);
    if (c == 0) return hi;
    if (c > 0) return ~hi;
    return ~(hi + 1);
}

int CWordArray::Find(const char* word) const
{
    if (!word) word = "";
    if (m_oddWords == 0 && IsPlain(word)) {
        const std::uint64_t key = KeyOf(word);
        return Search([&](int i) {
            const std::uint64_t k = m_keys[static_cast<size_t>(i)];
            if (k != key) return Sign(k, key);
            if ((k & 0xFF) == 0) return 0;  // both ended within the key
            return std::strcmp(m_words[static_cast<size_t>(i)] + 8, word + 8);
        });
    }
    const bool noCase = GetCount() <= kLinearLimit;
    return Search([&](int i) { return CompareWord(m_words[static_cast<size_t>(i)], word, noCase); });
}

int CWordArray::FindPrefix(const char* letters) const
{
    if (!letters) letters = "";
    const Probe p = Inspect(letters);
    const int n = p.length;
    if (m_oddWords == 0 && p.plain) {
        const std::uint64_t key = KeyOf(letters);
        if (n < 8) {
            const std::uint64_t mask = n == 0 ? 0 : ~std::uint64_t{0} << (64 - 8 * n);
            return Search([&](int i) {
                const std::uint64_t k = m_keys[static_cast<size_t>(i)] & mask;
                return k == key ? 0 : Sign(k, key);
            });
        }
        return Search([&](int i) {
            const std::uint64_t k = m_keys[static_cast<size_t>(i)];
            if (k != key) return Sign(k, key);
            return std::strncmp(m_words[static_cast<size_t>(i)] + 8, letters + 8, static_cast<size_t>(n - 8));
        });
    }
    const bool noCase = GetCount() <= kLinearLimit;
    return Search([&](int i) { return ComparePrefix(m_words[static_cast<size_t>(i)], letters, n, noCase); });
}

const char* CWordArray::Store(std::string_view word)
{
    if (!m_owns) return word.data();
    if (!m_pool) m_pool = std::make_unique<CPool>();
    return m_pool->Store(word);
}

void CWordArray::Insert(int index, const char* stored)
{
    m_words.insert(m_words.begin() + index, stored);
    m_keys.insert(m_keys.begin() + index, KeyOf(stored));
    if (!IsPlain(stored)) ++m_oddWords;
}

const char* CWordArray::Append(std::string_view word)
{
    const char* stored = Store(word);
    m_words.push_back(stored);
    m_keys.push_back(KeyOf(stored));
    if (!IsPlain(stored)) ++m_oddWords;
    return stored;
}

const char* CWordArray::InsertSorted(const char* word)
{
    if (!word) word = "";
    int at = Find(word);
    if (at < 0) at = ~at;
    const char* stored = word;
    if (m_owns) {
        std::string copy(word);
        StripMarks(copy);
        stored = Store(copy);
    }
    Insert(at, stored);
    return stored;
}

void CWordArray::RemoveAt(int index)
{
    if (index < 0 || index >= GetCount()) return;
    if (!IsPlain(m_words[static_cast<size_t>(index)])) --m_oddWords;
    m_words.erase(m_words.begin() + index);
    m_keys.erase(m_keys.begin() + index);
}

bool CWordArray::Remove(const char* word)
{
    const int at = Find(word);
    if (at < 0) return false;
    RemoveAt(at);
    return true;
}

bool CWordArray::RemovePointer(const char* stored)
{
    if (!stored) return false;
    const int count = GetCount();
    auto removeIfSame = [&](int i) {
        if (m_words[static_cast<size_t>(i)] != stored) return false;
        RemoveAt(i);
        return true;
    };
    auto equal = [&](int i) { return std::strcmp(m_words[static_cast<size_t>(i)], stored) == 0; };
    // Equal words sit together; start where a search for the word lands.
    int at = Find(stored);
    if (at < 0) at = ~at;
    for (int i = at; i < count && equal(i); ++i)
        if (removeIfSame(i)) return true;
    for (int i = at - 1; i >= 0 && equal(i); --i)
        if (removeIfSame(i)) return true;
    for (int i = 0; i < count; ++i)  // not where it should be: the array is out of order
        if (removeIfSame(i)) return true;
    return false;
}

void CWordArray::Clear()
{
    m_words.clear();
    m_keys.clear();
    m_pool.reset();
    m_oddWords = 0;
    m_iter = 0;
}

const char* CWordArray::GetAt(int index) const
{
    if (index < 0 || index >= GetCount()) return "";
    return m_words[static_cast<size_t>(index)];
}

const char* CWordArray::GetFirst()
{
    m_iter = 0;
    return m_words.empty() ? nullptr : m_words[0];
}

const char* CWordArray::GetNext()
{
    if (m_iter + 1 >= GetCount()) {
        m_iter = GetCount();
        return nullptr;
    }
    return m_words[static_cast<size_t>(++m_iter)];
}
