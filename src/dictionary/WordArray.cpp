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

    // The next block holds at least this many bytes.
    void Reserve(size_t bytes)
    {
        if (m_used + bytes > m_size) m_next = std::max(m_next, bytes);
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
    const std::uint64_t* keys = m_keys.data();
    while (mid != lo) {
        // Both places the next step can look at are fetched while this one compares.
        __builtin_prefetch(keys + (static_cast<unsigned>(lo) + static_cast<unsigned>(mid)) / 2);
        __builtin_prefetch(keys + (static_cast<unsigned>(mid) + static_cast<unsigned>(hi)) / 2);
        const int c = compareAt(mid);
        if (c == 0) return mid;
        // Written so that the step needs no jump the processor must guess.
        const bool less = c < 0;
        lo = less ? mid : lo;
        hi = less ? hi : mid;
        mid = static_cast<int>((static_cast<unsigned>(lo) + static_cast<unsigned>(hi)) / 2);
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

namespace {

// A hash of a word or of its first letters, built one letter at a time so
// that every beginning of a word is hashed on the way.
class CHasher {
public:
    void Add(char c)
    {
        const auto byte = static_cast<std::uint64_t>(Byte(c));
        if (m_length < 8) m_key |= byte << (56 - 8 * m_length);
        else m_tail = (m_tail ^ byte) * 0x100000001B3ull;
        ++m_length;
    }
    std::uint64_t Hash() const
    {
        const std::uint64_t h = (m_key ^ (m_tail << 1) ^ m_length) * 0x9E3779B97F4A7C15ull;
        return h ^ (h >> 31);
    }
    std::uint64_t Key() const { return m_key; }
    size_t Length() const { return m_length; }

private:
    std::uint64_t m_key = 0;
    std::uint64_t m_tail = 0xCBF29CE484222325ull;
    size_t m_length = 0;
};

// One pass over a word: its hash and key, and whether it holds a blank or a capital.
inline CHasher ScanWord(const char* word, bool* plain)
{
    CHasher h;
    *plain = true;
    for (; *word; ++word) {
        if (*word == ' ' || (*word >= 'A' && *word <= 'Z')) *plain = false;
        h.Add(*word);
    }
    return h;
}

}  // namespace

const std::vector<CWordArray::CSlot>& CWordArray::Table() const
{
    if (!m_tableValid) {
        m_table.clear();
        if (m_sorted && m_oddWords == 0 && GetCount() > kLinearLimit) {
            size_t size = 16;
            while (size < 2 * m_words.size())
                size *= 2;
            m_table.assign(size, CSlot{});
            for (size_t k = 0; k < m_words.size(); ++k) {
                const char* w = m_words[k];
                bool plain;
                size_t i = ScanWord(w, &plain).Hash() & (size - 1);
                while (m_table[i].word)
                    i = (i + 1) & (size - 1);
                m_table[i] = CSlot{m_keys[k], w};
            }
        }
        m_tableValid = true;
    }
    return m_table;
}

bool CWordArray::Contains(const char* word) const
{
    if (!word) word = "";
    const std::vector<CSlot>& table = Table();
    if (table.empty()) return Find(word) >= 0;
    bool plain;
    const CHasher probe = ScanWord(word, &plain);
    if (!plain) return Find(word) >= 0;
    const size_t mask = table.size() - 1;
    for (size_t i = probe.Hash() & mask; table[i].word; i = (i + 1) & mask) {
        if (table[i].key != probe.Key()) continue;
        if (probe.Length() < 8 || std::strcmp(table[i].word + 8, word + 8) == 0) return true;
    }
    return false;
}

const std::vector<CWordArray::CSlot>& CWordArray::PrefixTable() const
{
    if (!m_prefixTableValid) {
        m_prefixTable.clear();
        if (m_sorted && m_oddWords == 0 && GetCount() > kLinearLimit) {
            // In order, a word's new beginnings are those longer than what it
            // shares with the word before it.
            std::vector<size_t> shared(m_words.size(), 0);
            size_t total = 0;
            for (size_t k = 0; k < m_words.size(); ++k) {
                const char* w = m_words[k];
                if (k > 0) {
                    const char* p = m_words[k - 1];
                    while (p[shared[k]] && p[shared[k]] == w[shared[k]])
                        ++shared[k];
                }
                total += std::strlen(w) - shared[k];
            }
            size_t size = 16;
            while (size < 2 * total)
                size *= 2;
            m_prefixTable.assign(size, CSlot{});
            for (size_t k = 0; k < m_words.size(); ++k) {
                CHasher h;
                for (const char* c = m_words[k]; *c; ++c) {
                    h.Add(*c);
                    if (h.Length() <= shared[k]) continue;
                    size_t i = h.Hash() & (size - 1);
                    while (m_prefixTable[i].word)
                        i = (i + 1) & (size - 1);
                    m_prefixTable[i] = CSlot{h.Hash(), m_words[k]};
                }
            }
        }
        m_prefixTableValid = true;
    }
    return m_prefixTable;
}

bool CWordArray::ContainsPrefix(const char* letters) const
{
    if (!letters) letters = "";
    const std::vector<CSlot>& table = PrefixTable();
    if (table.empty() || !*letters) return FindPrefix(letters) >= 0;
    bool plain;
    const CHasher probe = ScanWord(letters, &plain);
    if (!plain) return FindPrefix(letters) >= 0;
    const std::uint64_t hash = probe.Hash();
    const size_t mask = table.size() - 1;
    for (size_t i = hash & mask; table[i].word; i = (i + 1) & mask)
        if (table[i].key == hash && std::strncmp(table[i].word, letters, probe.Length()) == 0) return true;
    return false;
}

const char* CWordArray::Store(std::string_view word)
{
    if (!m_owns) return word.data();
    if (!m_pool) m_pool = std::make_unique<CPool>();
    return m_pool->Store(word);
}

void CWordArray::Insert(int index, const char* stored)
{
    const size_t at = static_cast<size_t>(index);
    if ((at > 0 && std::strcmp(m_words[at - 1], stored) > 0) ||
        (at < m_words.size() && std::strcmp(stored, m_words[at]) > 0))
        m_sorted = false;
    Changed();
    m_words.insert(m_words.begin() + index, stored);
    m_keys.insert(m_keys.begin() + index, KeyOf(stored));
    if (!IsPlain(stored)) ++m_oddWords;
}

const char* CWordArray::Append(std::string_view word)
{
    const char* stored = Store(word);
    AppendWithKey(stored, KeyOf(stored));
    return stored;
}

void CWordArray::Reserve(int words, size_t bytes)
{
    if (words <= 0) return;
    m_words.reserve(m_words.size() + static_cast<size_t>(words));
    m_keys.reserve(m_keys.size() + static_cast<size_t>(words));
    if (m_owns) {
        if (!m_pool) m_pool = std::make_unique<CPool>();
        m_pool->Reserve(bytes);
    }
}

void CWordArray::AppendFrom(const CWordArray& source, int index)
{
    const size_t at = static_cast<size_t>(index);
    AppendWithKey(source.m_words[at], source.m_keys[at]);
}

void CWordArray::AppendWithKey(const char* stored, std::uint64_t key)
{
    // Keys order words as strcmp does over their first eight bytes; only a
    // tie needs the words themselves.
    if (m_sorted && !m_words.empty() &&
        (m_keys.back() > key || (m_keys.back() == key && std::strcmp(m_words.back(), stored) > 0)))
        m_sorted = false;
    Changed();
    m_words.push_back(stored);
    m_keys.push_back(key);
    if (!IsPlain(stored)) ++m_oddWords;
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
    Changed();
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
    m_sorted = true;
    Changed();
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
