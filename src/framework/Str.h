#pragma once
// CStr: the program's growable 8-bit string. Index reads outside the string
// return 0 and writes outside it are dropped. Operations that make a new
// string return it by value.
#include <cstddef>
#include <string>
#include <string_view>

class CRandom;

class CStr {
public:
    CStr() = default;
    CStr(const char* text) : m_s(text ? text : "") {}  // NOLINT(implicit)
    CStr(std::string_view text) : m_s(text) {}         // NOLINT(implicit)
    CStr(std::string text) : m_s(std::move(text)) {}   // NOLINT(implicit)
    explicit CStr(unsigned stringId);                   // loads a string resource

    int GetLength() const { return static_cast<int>(m_s.size()); }
    bool IsEmpty() const { return m_s.empty(); }
    const char* c_str() const { return m_s.c_str(); }
    operator const char*() const { return m_s.c_str(); }  // NOLINT(implicit)
    const std::string& str() const { return m_s; }
    std::string_view view() const { return m_s; }

    void Empty() { m_s.clear(); }
    char GetAt(int i) const { return i >= 0 && i < GetLength() ? m_s[static_cast<size_t>(i)] : 0; }
    void SetAt(int i, char c)
    {
        if (i >= 0 && i < GetLength())
            m_s[static_cast<size_t>(i)] = c;
    }
    char operator[](int i) const { return GetAt(i); }

    void Append(const CStr& s) { m_s += s.m_s; }
    void Append(const char* text)
    {
        if (text)
            m_s += text;
    }
    void Append(std::string_view text) { m_s += text; }
    void AppendChar(char c) { m_s += c; }
    void Prepend(char c) { m_s.insert(m_s.begin(), c); }
    void Insert(int i, char c);   // at i (clamped to 0..length)
    char RemoveAt(int i);         // 0 when i is outside the string
    void SetLength(int n);        // new characters are blanks
    void DropLast(int n);         // -1: trailing white space
    void DropFirst(int n);        // -1: leading white space
    CStr Right(int n) const;
    CStr Left(int n) const;
    CStr Mid(int first, int count) const;
    char PopLast();
    int Find(char c, int start = 0) const;  // -1 when absent
    void LettersOnly();           // alphabetic only, lower-cased
    void ToLower();
    void ToUpper();
    void Shuffle(CRandom& random);  // three passes of random swaps
    // Index of the next whole word at or after `start` equal to `word`
    // (apostrophes and hyphens ignored; `exact` also compares case), or -1.
    int FindWholeWord(const char* word, int start, bool exact) const;

    CStr& operator+=(const CStr& s) { Append(s); return *this; }
    CStr& operator+=(const char* s) { Append(s); return *this; }
    CStr& operator+=(char c) { AppendChar(c); return *this; }
    bool operator==(const CStr& o) const { return m_s == o.m_s; }
    bool operator==(const char* o) const { return m_s == (o ? o : ""); }

private:
    std::string m_s;
};

// Text comparisons in which a blank matches any character.
int WildCompare(const char* a, const char* b);
int WildCompareNoCase(const char* a, const char* b);
int WildCompareN(const char* a, const char* b, int n);
int WildCompareNoCaseN(const char* a, const char* b, int n);
bool IsWordChar(char c);  // alphabetic, apostrophe or hyphen
// A byte of a UTF-8 letter beyond ASCII (an accented letter): no tile spells it.
inline bool IsUtf8Byte(char c) { return static_cast<unsigned char>(c) >= 0x80; }
void StripMarks(std::string& text);  // removes apostrophes and hyphens
int CompareSkippingMarks(const char* a, const char* b);
bool IsVowel(char c);     // a, e, i, o, u only
bool IsAlpha(char c);
char ToLowerChar(char c);
char ToUpperChar(char c);
