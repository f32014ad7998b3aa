#include "framework/TextBoard.h"

#include <algorithm>
#include <string>

#include "framework/BackBuffer.h"
#include "framework/HandRecord.h"
#include "framework/TilePile.h"
#include "framework/TileSet.h"

namespace {
RECT Shrunk(const RECT& r, int m) { return RECT{r.left + m, r.top + m, r.right - m, r.bottom - m}; }

// The letters of a bin each once, in order, with how many there are.
std::string CountedLetters(const CStr& shown)
{
    int counts[26] = {};
    for (int i = 0; i < shown.GetLength(); ++i)
        if (shown[i] >= 'A' && shown[i] <= 'Z')
            ++counts[shown[i] - 'A'];
    std::string text;
    for (int c = 0; c < 26; ++c)
        if (counts[c] > 0)
            text += (text.empty() ? "" : " ") + std::string(1, static_cast<char>('A' + c)) + "\xc3\x97" +
                    std::to_string(counts[c]);
    return text;
}

// The widest single word: no line of wrapped text can be narrower.
int WidestWord(CBackBuffer& buffer, const CFont& font, const char* text)
{
    int widest = 0;
    std::string word;
    for (const char* p = text;; ++p) {
        if (*p == 0 || *p == ' ' || *p == '\n' || *p == '\r') {
            if (!word.empty())
                widest = std::max(widest, buffer.MeasureTextWidth(word.c_str(), font));
            word.clear();
            if (*p == 0)
                break;
        } else {
            word += *p;
        }
    }
    return widest;
}
}  // namespace

void CTextBoard::SetText(const char* text, unsigned style)
{
    const bool maskLetters = (style & kTextMasked) != 0, sortLetters = (style & kTextLetterBin) != 0;
    std::string s = text ? text : "";
    if (sortLetters) {
        std::sort(s.begin(), s.end(), [](char a, char b) {
            return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
        });
        std::string spaced;
        for (char c : s) {
            spaced += c;
            spaced += ' ';
        }
        s = spaced;
    }
    CStr upper(s);
    upper.ToUpper();
    m_sortedLetters = sortLetters;
    ShowSource(upper, maskLetters);
}

void CTextBoard::ShowSource(const CStr& text, bool maskLetters)
{
    sourceText = text;
    displayText = sourceText;
    if (maskLetters)
        for (int i = 0; i < displayText.GetLength(); ++i)
            if (IsAlpha(displayText[i]))
                displayText.SetAt(i, '_');
    masked = maskLetters;
    visible = 1;
    font.Reset();  // the new text is fitted again
}

bool CTextBoard::StrikeLetter(char letter)
{
    const int pos = displayText.Find(ToUpperChar(letter));
    if (pos < 0)
        return false;
    displayText.SetAt(pos, masked ? '_' : sourceText.GetAt(pos + 1));
    return true;
}

bool CTextBoard::StrikeLetters(const char* text)
{
    for (const char* p = text; p && *p; ++p)
        if (!StrikeLetter(*p))
            return false;
    return true;
}

int CTextBoard::MeasureTextHeight(CBackBuffer& buffer)
{
    return std::max(buffer.MeasureTextWrapped(sourceText, innerRect, font),
                    buffer.MeasureTextWrapped(displayText, innerRect, font));
}

int CTextBoard::MeasureTextWidth(CBackBuffer& buffer)
{
    return std::max(WidestWord(buffer, font, sourceText), WidestWord(buffer, font, displayText));
}

void CTextBoard::AddLook(std::string& look) const
{
    for (const RECT& r : {rect, innerRect, frameRect})
        AppendLook(look, {r.left, r.top, r.right, r.bottom});
    AppendLook(look, {masked, visible, bold, counted, m_sortedLetters});
    look += displayText.str();
}

void CTextBoard::Values(CHandRecord& record) { record(displayText, sourceText, masked, visible, bold, counted); }

void CFoundationWords::Values(CHandRecord& record)
{
    CTextBoard::Values(record);
    record(words, progress, wordLength);
}

void CFoundationWords::AddLook(std::string& look) const
{
    CTextBoard::AddLook(look);
    AppendLook(look, {progress[0], progress[1], progress[2], progress[3], wordLength, spelledColor, unspelledColor});
    for (const CStr& word : words)
        look += word.str() + '\n';
}

void CTextBoard::SetRect(int top, int left, int bottom, int right)
{
    rect = RECT{left, top, right, bottom};
    font.Reset();
}

int CTextBoard::Margin(const CTileSet* tileSet) const
{
    if (!tileSet)
        return 5;
    return tileSet->IsLoaded() ? tileSet->TileWidth() / 4 : 0;
}

void CTextBoard::FitFont(CBackBuffer& buffer)
{
    int size = 48;
    for (;;) {
        font = buffer.CreateFont(size, "Arial", bold ? kFontBold : 0);
        // Never below the readable size: what does not fit then is cut off.
        const bool fits = MeasureTextWidth(buffer) <= innerRect.Width() && MeasureTextHeight(buffer) <= innerRect.Height();
        counted = !fits && m_sortedLetters && !masked;
        if (size <= kReadableTextPoints || fits)
            break;
        size = std::max(kReadableTextPoints, size * 9 / 10);
    }
    // A letter bin too full for the smallest size is counted instead: its
    // font grows again as far as the counted letters allow.
    while (counted && size < 48) {
        const int larger = size * 10 / 9 + 1;
        const CFont trial = buffer.CreateFont(larger, "Arial", bold ? kFontBold : 0);
        if (buffer.MeasureTextWrapped(CountedLetters(displayText).c_str(), innerRect, trial) > innerRect.Height())
            break;
        font = trial;
        size = larger;
    }
}

void CTextBoard::Draw(CBackBuffer& buffer, const CTileSet* tileSet, bool reveal)
{
    if (!visible || rect.IsEmpty())
        return;
    const int margin = Margin(tileSet);
    innerRect = Shrunk(rect, margin);
    if (font.IsNull())
        FitFont(buffer);
    buffer.FillBackground(&rect);
    const int textHeight = DrawContent(buffer, reveal);
    if (!tileSet || !tileSet->IsLoaded())
        return;
    // The frame reaches down to the text, not to the bottom of the area.
    const int height = std::clamp(textHeight + 3 * margin, tileSet->TileHeight(), rect.Height());
    tileSet->DrawFrame(buffer, rect.left, rect.top, rect.Width(), height);
    frameRect = RECT{rect.left, rect.top, rect.right, rect.top + height};
}

int CTextBoard::DrawContent(CBackBuffer& buffer, bool reveal)
{
    if (counted)
        return buffer.DrawTextWrapped(CountedLetters(reveal ? sourceText : displayText).c_str(), innerRect, font);
    return buffer.DrawTextWrapped(reveal ? sourceText : displayText, innerRect, font);
}

CFoundationWords::CFoundationWords() { bold = 1; }

void CFoundationWords::SetWords(const char* letters, unsigned style)
{
    const CStr all(letters ? letters : "");
    wordLength = all.GetLength() / 4;
    std::string source;
    for (int k = 0; k < 4; ++k) {
        words[k] = all.Mid(all.GetLength() - (k + 1) * wordLength, wordLength);
        words[k].ToLower();
        progress[k] = 0;
        source += words[k].str();
        source += ' ';
    }
    bold = (style & kTextBold) != 0;
    ShowSource(CStr(source), (style & kTextMasked) != 0);
}

void CFoundationWords::SetText(const char* text, unsigned style)
{
    SetWords(text, (style & kTextMasked) | (bold ? kTextBold : kTextAsIs));
}

bool CFoundationWords::Accepts(char letter) const
{
    const char l = ToLowerChar(letter);
    for (int k = 0; k < 4; ++k)
        if (progress[k] < wordLength && words[k][progress[k]] == l)
            return true;
    return false;
}

bool CFoundationWords::Add(char letter)
{
    const char l = ToLowerChar(letter);
    for (int k = 0; k < 4; ++k) {
        if (progress[k] < wordLength && words[k][progress[k]] == l) {
            words[k].SetAt(progress[k], ToUpperChar(l));
            ++progress[k];
            return true;
        }
    }
    return false;
}

bool CFoundationWords::IsComplete(int word) const
{
    return word >= 0 && word < 4 && progress[word] == wordLength;
}

bool CFoundationWords::AllComplete() const
{
    return IsComplete(0) && IsComplete(1) && IsComplete(2) && IsComplete(3);
}

int CFoundationWords::MeasureTextHeight(CBackBuffer& buffer)
{
    RECT r = innerRect;
    return 4 * buffer.DrawText("W", r, font, DT_SINGLELINE | DT_CALCRECT);
}

int CFoundationWords::MeasureTextWidth(CBackBuffer& buffer)
{
    // Measured as DrawContent lays the letters, one by one (which runs wider
    // than the word drawn whole), and the widest letter drawn in each place,
    // so that the longest target fits whatever is spelled of it.
    int widest = 0;
    for (const CStr& word : words) {
        int width = 0;
        for (int i = 0; i < word.GetLength(); ++i) {
            const char shown[2] = {ToUpperChar(word[i]), 0};
            width += std::max(buffer.MeasureTextWidth(shown, font), buffer.MeasureTextWidth("_", font));
        }
        widest = std::max(widest, width + 2);  // the letters' outline
    }
    return widest;
}

int CFoundationWords::DrawContent(CBackBuffer& buffer, bool reveal)
{
    const COLORREF saved = buffer.TextColor();
    RECT probe = innerRect;
    const int lineHeight = buffer.DrawText("W", probe, font, DT_SINGLELINE | DT_CALCRECT);
    int top = innerRect.top;
    // One word a line; spelled letters (upper case) in one colour, the rest in the other.
    for (const CStr& word : words) {
        int left = innerRect.left;
        for (int i = 0; i < word.GetLength(); ++i) {
            const char c = word[i];
            const bool spelled = c >= 'A' && c <= 'Z';
            const char shown[2] = {(masked && !spelled && !reveal) ? '_' : ToUpperChar(c), 0};
            buffer.SetTextColor(spelled ? spelledColor : unspelledColor);
            RECT r{left, top, innerRect.right, top + lineHeight};
            buffer.DrawText(shown, r, font, DT_SINGLELINE | DT_NOCLIP);
            left += buffer.MeasureTextWidth(shown, font);
        }
        top += lineHeight;
    }
    buffer.SetTextColor(saved);
    return top - innerRect.top;
}

bool CTextBoard::ShowsLetters(const CStr& letters, std::string& why) const
{
    const auto sorted = [](std::string_view text) {
        std::string out;
        for (const char c : text)
            if (IsAlpha(c))
                out += ToUpperChar(c);
        std::sort(out.begin(), out.end());
        return out;
    };
    const std::string shown = sorted(displayText.view()), expected = sorted(letters.view());
    if (shown == expected)
        return true;
    why = "the letter bin shows \"" + shown + "\" but the table holds \"" + expected + "\"";
    return false;
}
