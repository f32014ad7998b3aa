#include "lists/QuoteList.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "framework/HandRecord.h"
#include "framework/Registry.h"
#include "framework/Settings.h"
#include "framework/BackBuffer.h"
#include "framework/Files.h"
#include "framework/TextFile.h"

namespace {

// Where the text is cut into the words of the word set.
constexpr const char* kSeparators = " ,\t\n\".,;:!?()&/";

bool IsComment(std::string_view line) { return !line.empty() && (line[0] == '/' || line[0] == ';' || line[0] == '*'); }

bool HasLetter(std::string_view line) { return std::any_of(line.begin(), line.end(), IsAlpha); }

// The masked text holds this in place of the further bytes of a hidden
// accented letter.
constexpr char kHiddenByte = '\x01';

// The masked text as drawn: without the places of hidden further bytes.
std::string Shown(const CStr& masked)
{
    std::string text = masked.str();
    std::erase(text, kHiddenByte);
    return text;
}


// The form words take in the word set and in its searches: without
// apostrophes and hyphens, in lower case, and without accented letters (UTF-8
// bytes), which no tile spells: they are uncovered with the rest of the word. One form for both keeps the set in
// the order its searches assume, at any size.
std::string SetForm(const char* word)
{
    std::string s(word ? word : "");
    StripMarks(s);
    std::erase_if(s, IsUtf8Byte);
    for (char& c : s)
        c = ToLowerChar(c);
    return s;
}

}  // namespace

CQuoteList::CQuoteList() = default;

CQuoteList::~CQuoteList()
{
    if (!m_open)
        return;
    CloseFile();
    WriteRegDword(HKEY_CURRENT_USER, kMainKey, kQuoteNumValue, std::max(m_quoteNumber - 1, 0));
}

bool CQuoteList::OpenFile()
{
    CloseFile();
    std::string data;
    if (m_fileName.empty() || !ReadWholeFile(FindReadablePath(m_fileName), data))
        return false;
    // A quotation and its attribution go together: a line too long to read
    // takes its partner with it, so every later quotation keeps its own.
    std::vector<std::string> lines;
    std::vector<bool> lost;
    ForEachLine(
        data,
        [&](std::string_view line) {
            if (!IsComment(line) && HasLetter(line)) {
                lines.emplace_back(line);
                lost.push_back(false);
            }
        },
        [&] {
            lines.emplace_back();
            lost.push_back(true);
        });
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2)
        if (!lost[i] && !lost[i + 1]) {
            m_lines.push_back(std::move(lines[i]));
            m_lines.push_back(std::move(lines[i + 1]));
        }
    m_nextLine = 0;
    m_open = true;
    m_quoteNumber = 0;
    return true;
}

void CQuoteList::CloseFile()
{
    m_open = false;
    m_lines.clear();
    m_lines.shrink_to_fit();
    m_nextLine = 0;
}

bool CQuoteList::Load(const char* fileName)
{
    m_fileName = fileName ? fileName : "";
    if (!OpenFile())
        return false;
    // The stored number is a DWORD that may be anything. Reading it + 1
    // quotations would go round the file as often as it says; going round
    // lands where its remainder does, so only that many are read.
    const auto stored = static_cast<std::uint32_t>(ReadRegDword(HKEY_CURRENT_USER, kMainKey, kQuoteNumValue, 0));
    const std::size_t quotations = m_lines.size() / 2;
    const std::size_t reads = quotations == 0 ? 1 : stored % quotations + 1;
    for (std::size_t i = 0; i < reads && m_open; ++i)
        m_open = ReadNextQuote(0);
    return m_open;
}

bool CQuoteList::ReadNextQuote(int depth)
{
    if (!m_open || depth >= 2)
        return false;
    m_text.Empty();
    m_attribution.Empty();
    m_maskedText.Empty();
    m_masked = false;
    m_wordSetBuilt = false;
    // Another quotation is fitted to the panel again.
    m_quoteFont.Reset();
    m_attributionFont.Reset();
    if (m_nextLine + 1 >= m_lines.size()) {
        // The end of the file came before a whole quotation: start again from
        // the first one. A file without any fails on the second pass.
        if (!OpenFile())
            return false;
        const bool read = ReadNextQuote(depth + 1);
        if (!read)
            CloseFile();
        return read;
    }
    m_text = CStr(m_lines[m_nextLine]);
    m_attribution = CStr(m_lines[m_nextLine + 1]);
    m_nextLine += 2;
    // Every letter is hidden, an accented one (several UTF-8 bytes) by one
    // '_' like the others: its further bytes stand as kHiddenByte, which is
    // never drawn.
    m_maskedText = m_text;
    for (int i = 0; i < m_maskedText.GetLength(); ++i) {
        const auto byte = static_cast<unsigned char>(m_maskedText[i]);
        if (IsAlpha(m_maskedText[i]) || byte >= 0xC0)
            m_maskedText.SetAt(i, '_');
        else if (byte >= 0x80)
            m_maskedText.SetAt(i, kHiddenByte);
    }
    ++m_quoteNumber;
    return true;
}

bool CQuoteList::RewindOne()
{
    // A list that is not open has nothing to step back to; reopening it here
    // would leave it open without a quotation, and its number stored at exit.
    if (!m_open)
        return false;
    const int again = m_quoteNumber - 1;
    if (!OpenFile())
        return false;
    for (int i = 0; i < again && m_open; ++i)
        if (!ReadNextQuote(0))
            break;
    return m_open;
}

void CQuoteList::Values(CHandRecord& record)
{
    int number = m_quoteNumber;
    record(number);
    if (record.IsReading() && number != m_quoteNumber && number > 0 && m_open) {
        m_quoteNumber = number + 1;
        RewindOne();
    }
    record(m_text, m_attribution, m_maskedText, m_masked);
    if (!record.IsReading())
        return;
    if (m_maskedText.GetLength() != m_text.GetLength()) {
        record.Fail();
        m_maskedText = m_text;
    }
    m_quoteFont.Reset();
    m_attributionFont.Reset();
    // The words still to find: every word of the quotation but those uncovered.
    m_wordSetBuilt = false;
    BuildWordSet();
    const std::string& text = m_text.str();
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = text.find_first_not_of(kSeparators, at);
        if (start == std::string::npos)
            break;
        const std::size_t end = std::min(text.find_first_of(kSeparators, start), text.size());
        std::size_t first = start;
        while (first < end && !IsAlpha(text[first]))
            ++first;
        if (first < end && m_maskedText[static_cast<int>(first)] != '_')
            m_words.Remove(SetForm(text.substr(start, end - start).c_str()).c_str());
        at = end;
    }
}

const char* CQuoteList::GetText() const { return m_open ? m_text.c_str() : nullptr; }

CStr CQuoteList::GetShuffledLetters(CRandom& random)
{
    CStr letters = m_text;
    letters.LettersOnly();
    letters.Shuffle(random);
    return letters;
}

// ---------------------------------------------------------------------------
// The word set

void CQuoteList::BuildWordSet()
{
    if (m_wordSetBuilt)
        return;
    m_words.Clear();
    const std::string& text = m_text.str();
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(kSeparators, at);
        if (start == std::string::npos)
            break;
        std::size_t end = text.find_first_of(kSeparators, start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = SetForm(text.substr(start, end - start).c_str());
        if (!word.empty())  // a piece of nothing but apostrophes and hyphens
            m_words.InsertSorted(word.c_str());
        at = end;
    }
    m_wordSetBuilt = true;
}

int CQuoteList::MatchInQuote(const char* letters, int whole, bool prefix)
{
    if (!letters || !*letters)
        return 0;
    BuildWordSet();
    std::string probe(letters);
    for (char& c : probe)
        c = ToLowerChar(c);
    const auto passes = [&](const char* s) { return (prefix ? m_words.FindPrefix(s) : m_words.Find(s)) >= 0; };
    const int length = static_cast<int>(probe.size());
    if (whole)
        return passes(probe.c_str()) ? length : 0;
    for (int k = 0; k < length; ++k)
        if (passes(probe.c_str() + k))
            return length - k;
    return 0;
}

int CQuoteList::IsWordInQuote(const char* letters, int whole) { return MatchInQuote(letters, whole, false); }

int CQuoteList::IsPrefixInQuote(const char* letters, int whole) { return MatchInQuote(letters, whole, true); }

int CQuoteList::RevealWord(const char* word)
{
    BuildWordSet();
    const std::string form = SetForm(word);
    if (form.empty())
        return -1;
    const int entry = m_words.Find(form.c_str());
    if (entry < 0)
        return entry;
    // The first occurrence still hidden: its first letter is still '_' (a
    // word may begin with an apostrophe, which is never hidden).
    for (int at = m_text.FindWholeWord(word, 0, false); at >= 0; at = m_text.FindWholeWord(word, at + 1, false)) {
        int first = at;
        while (first < m_text.GetLength() && !IsAlpha(m_text[first]))
            ++first;
        if (m_maskedText[first] != '_')
            continue;
        for (int i = at; i < m_text.GetLength() && (IsWordChar(m_text[i]) || IsUtf8Byte(m_text[i])); ++i)
            m_maskedText.SetAt(i, m_text[i]);
        m_words.RemoveAt(entry);
        return at;
    }
    return -1;
}

// ---------------------------------------------------------------------------
// Drawing

void CQuoteList::SetRect(int top, int left, int bottom, int right)
{
    m_rect = RECT{left, top, right, bottom};
    m_quoteFont.Reset();
    m_attributionFont.Reset();
}

void CQuoteList::MakeFonts(CBackBuffer& buffer)
{
    // Roman, variable pitch: the attribution's serif face.
    constexpr unsigned kRomanFamily = 0x12;
    const auto singleLineHeight = [&](const char* text) {
        RECT r = m_rect;
        return buffer.DrawText(text, r, m_attributionFont, DT_SINGLELINE | DT_CALCRECT);
    };
    int size = kLargestFontSize;
    for (;;) {
        m_quoteFont = buffer.CreateFont(size, "Arial", kFontBold);
        m_attributionFont = buffer.CreateFont(size, "Times New Roman", kFontItalic, kRomanFamily);
        const int quote = std::max(buffer.MeasureTextWrapped(m_text.c_str(), m_rect, m_quoteFont),
                                   buffer.MeasureTextWrapped(Shown(m_maskedText).c_str(), m_rect, m_quoteFont));
        const int measure = quote + singleLineHeight(m_attribution.c_str()) + 4;
        if (measure <= m_rect.Height() - 20 || size <= 2)
            break;
        size = size * 9 / 10;
    }
    m_fontSize = size;
}

void CQuoteList::Draw(CBackBuffer& buffer, int peek)
{
    if (!m_open || m_rect.IsEmpty())
        return;
    if (m_quoteFont.IsNull() || m_attributionFont.IsNull())
        MakeFonts(buffer);
    buffer.FillBackground(&m_rect);
    const std::string shown = m_masked && !peek ? Shown(m_maskedText) : m_text.str();
    const int h1 = buffer.DrawTextWrapped(shown.c_str(), m_rect, m_quoteFont);
    RECT below = m_rect;
    below.top += h1 + 4;
    below.bottom += h1 + 4;
    const int h2 = buffer.DrawText(m_attribution.c_str(), below, m_attributionFont, DT_SINGLELINE);
    m_drawnRect = RECT{m_rect.left, m_rect.top, m_rect.right, m_rect.top + h1 + 4 + h2};
}
