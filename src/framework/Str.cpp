#include "framework/Str.h"

#include "framework/Random.h"
#include "framework/Resources.h"

CStr::CStr(unsigned stringId) : m_s(ResString(stringId)) {}

bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char ToLowerChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char ToUpperChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }
bool IsWordChar(char c) { return IsAlpha(c) || c == '\'' || c == '-'; }

static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

void CStr::Insert(int i, char c)
{
    if (i < 0) i = 0;
    if (i > GetLength()) i = GetLength();
    m_s.insert(m_s.begin() + i, c);
}

char CStr::RemoveAt(int i)
{
    if (i < 0 || i >= GetLength())
        return 0;
    const char c = m_s[static_cast<size_t>(i)];
    m_s.erase(static_cast<size_t>(i), 1);
    return c;
}

void CStr::SetLength(int n) { m_s.resize(n < 0 ? 0 : static_cast<size_t>(n), ' '); }

void CStr::DropLast(int n)
{
    if (n == -1) {
        while (!m_s.empty() && IsSpace(m_s.back()))
            m_s.pop_back();
        return;
    }
    if (n <= 0) return;
    // Erasing the tail only ever shrinks (resize would also hold a growing path).
    m_s.erase(n >= GetLength() ? 0 : m_s.size() - static_cast<size_t>(n));
}

void CStr::DropFirst(int n)
{
    if (n == -1) {
        size_t k = 0;
        while (k < m_s.size() && IsSpace(m_s[k]))
            ++k;
        m_s.erase(0, k);
        return;
    }
    if (n <= 0) return;
    m_s.erase(0, n >= GetLength() ? m_s.size() : static_cast<size_t>(n));
}

CStr CStr::Right(int n) const
{
    if (n >= GetLength()) return *this;
    if (n <= 0) return CStr();
    return CStr(m_s.substr(m_s.size() - static_cast<size_t>(n)));
}

CStr CStr::Left(int n) const
{
    if (n >= GetLength()) return *this;
    if (n <= 0) return CStr();
    return CStr(m_s.substr(0, static_cast<size_t>(n)));
}

CStr CStr::Mid(int first, int count) const
{
    if (first < 0) first = 0;
    if (first >= GetLength() || count <= 0) return CStr();
    return CStr(m_s.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

char CStr::PopLast()
{
    if (m_s.empty()) return 0;
    const char c = m_s.back();
    m_s.pop_back();
    return c;
}

int CStr::Find(char c, int start) const
{
    if (start < 0) start = 0;
    if (start >= GetLength()) return -1;
    const size_t at = m_s.find(c, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

void CStr::LettersOnly()
{
    std::string out;
    out.reserve(m_s.size());
    for (char c : m_s)
        if (IsAlpha(c)) out += ToLowerChar(c);
    m_s.swap(out);
}

void CStr::ToLower() { for (char& c : m_s) c = ToLowerChar(c); }
void CStr::ToUpper() { for (char& c : m_s) c = ToUpperChar(c); }

void CStr::Shuffle(CRandom& random) { random.Shuffle(m_s); }

int CStr::FindWholeWord(const char* word, int start, bool exact) const
{
    if (!word || !*word) return -1;
    // Bytes of UTF-8 letters belong to the word they stand in but, like
    // apostrophes and hyphens, are not compared.
    const auto inWord = [](char c) { return IsWordChar(c) || IsUtf8Byte(c); };
    std::string target(word);
    StripMarks(target);
    std::erase_if(target, IsUtf8Byte);
    if (!exact) for (char& c : target) c = ToLowerChar(c);
    const int n = GetLength();
    for (int i = start < 0 ? 0 : start; i < n; ++i) {
        if (!inWord(m_s[static_cast<size_t>(i)])) continue;
        if (i > 0 && inWord(m_s[static_cast<size_t>(i - 1)])) continue;
        int j = i;
        std::string candidate;
        while (j < n && inWord(m_s[static_cast<size_t>(j)])) {
            const char c = m_s[static_cast<size_t>(j)];
            if (c != '\'' && c != '-' && !IsUtf8Byte(c)) candidate += exact ? c : ToLowerChar(c);
            ++j;
        }
        if (candidate == target) return i;
        i = j;
    }
    return -1;
}

// Blank is the wildcard: it matches any character at its position.
static int WildCompareImpl(const char* a, const char* b, int limit, bool noCase)
{
    if (!a) a = "";
    if (!b) b = "";
    for (int i = 0; limit < 0 || i < limit - 1; ++i) {
        char ca = a[i], cb = b[i];
        if (noCase) { ca = ToLowerChar(ca); cb = ToLowerChar(cb); }
        if (ca == 0 || cb == 0)
            return static_cast<unsigned char>(ca) - static_cast<unsigned char>(cb);
        if (ca == ' ' || cb == ' ') continue;
        if (ca != cb)
            return static_cast<unsigned char>(ca) - static_cast<unsigned char>(cb);
        if (limit < 0) continue;
    }
    // Reached the limit: the character there decides, a blank matching anything.
    const int i = limit - 1;
    char ca = a[i], cb = b[i];
    if (noCase) { ca = ToLowerChar(ca); cb = ToLowerChar(cb); }
    if (ca == ' ' || cb == ' ') return 0;
    return static_cast<unsigned char>(ca) - static_cast<unsigned char>(cb);
}

int WildCompare(const char* a, const char* b) { return WildCompareImpl(a, b, -1, false); }
int WildCompareNoCase(const char* a, const char* b) { return WildCompareImpl(a, b, -1, true); }
int WildCompareN(const char* a, const char* b, int n) { return WildCompareImpl(a, b, n < 1 ? 1 : n, false); }
int WildCompareNoCaseN(const char* a, const char* b, int n) { return WildCompareImpl(a, b, n < 1 ? 1 : n, true); }

void StripMarks(std::string& text)
{
    std::erase_if(text, [](char c) { return c == '\'' || c == '-'; });
}

int CompareSkippingMarks(const char* a, const char* b)
{
    if (!a) a = "";
    if (!b) b = "";
    for (;;) {
        while (*a == '\'' || *a == '-') ++a;
        while (*b == '\'' || *b == '-') ++b;
        if (*a != *b || *a == 0)
            return static_cast<unsigned char>(*a) - static_cast<unsigned char>(*b);
        ++a;
        ++b;
    }
}
