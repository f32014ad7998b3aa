#pragma once
// CTextBoard: a framed text panel (messages, a quotation, a puzzle with its
// letters masked). CFoundationWords: a board holding four target words that
// are spelled out letter by letter.
#include <string>

#include "framework/Bitmap.h"
#include "framework/Str.h"
#include "framework/WinTypes.h"

class CBackBuffer;
class CHandRecord;
class CTileSet;

// How a board shows its text (flags).
enum TextStyle : unsigned {
    kTextAsIs = 0,
    kTextMasked = 1,     // every letter replaced by '_'
    kTextLetterBin = 2,  // the characters sorted, each followed by a blank
    kTextBold = 4,       // the foundation words' letters
};

class CTextBoard {
public:
    virtual ~CTextBoard() = default;

    // The text is shown in capitals, as `style` (TextStyle flags) says.
    virtual void SetText(const char* text, unsigned style = kTextAsIs);
    // tileSet may be null (a plain board with a 5-pixel margin).
    virtual void Draw(CBackBuffer& buffer, const CTileSet* tileSet, bool reveal = false);
    // What the board's picture depends on (CGamePart::AddLook).
    virtual void AddLook(std::string& look) const;
    // Writes or reads the text and how it shows (CHandRecord).
    virtual void Values(CHandRecord& record);
    virtual bool StrikeLetter(char letter);
    virtual bool StrikeLetters(const char* text);
    // Whether the board shows exactly `letters` (in any order and case), as
    // a letter bin must show the letters still in play; `why` says what differs.
    bool ShowsLetters(const CStr& letters, std::string& why) const;
    virtual int MeasureTextHeight(CBackBuffer& buffer);
    virtual int MeasureTextWidth(CBackBuffer& buffer);

    // Note the order: top, left, bottom, right. Also discards the font.
    void SetRect(int top, int left, int bottom, int right);
    void Hide() { visible = 0; }

    CStr displayText;
    CStr sourceText;
    RECT rect{};
    RECT innerRect{};
    RECT frameRect{};
    CFont font;
    int masked = 0;
    int visible = 0;
    int bold = 0;
    // A letter bin (sorted letters) too full to be read letter by letter
    // shows each letter once with its count ("A×14 B×5 ..."): set by the fit.
    bool counted = false;

protected:
    bool m_sortedLetters = false;  // the text is a letter bin's
    // Shows `text` (already in its final case), masked or not, and fits the font again.
    void ShowSource(const CStr& text, bool maskLetters);
    void FitFont(CBackBuffer& buffer);
    int Margin(const CTileSet* tileSet) const;
    // Draws the text inside innerRect, in the board's font; returns its height
    // (Draw has cleared the board before, and frames it afterwards).
    virtual int DrawContent(CBackBuffer& buffer, bool reveal);
};

class CFoundationWords : public CTextBoard {
public:
    CFoundationWords();
    // Four words taken from the end of the letters: word 1 is the last
    // wordLength letters, word 2 the ones before, and so on.
    void SetWords(const char* letters, unsigned style = kTextAsIs);
    void SetText(const char* text, unsigned style = kTextAsIs) override;
    bool Accepts(char letter) const;
    bool Add(char letter);
    bool StrikeLetter(char letter) override { return Add(letter); }
    bool IsComplete(int word) const;  // word 0..3
    bool AllComplete() const;
    int MeasureTextHeight(CBackBuffer& buffer) override;
    int MeasureTextWidth(CBackBuffer& buffer) override;
    void AddLook(std::string& look) const override;
    void Values(CHandRecord& record) override;

    CStr words[4];
    int progress[4] = {};
    int wordLength = 0;
    COLORREF spelledColor = RGB(255, 255, 255);
    COLORREF unspelledColor = RGB(128, 128, 128);

protected:
    // One word a line, spelled letters in one colour and the rest in the other.
    int DrawContent(CBackBuffer& buffer, bool reveal) override;
};
