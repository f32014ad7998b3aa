#pragma once
// CQuoteList: the quotations of Quillo's Quotes. It reads "quotes.lst",
// remembers across runs which quotation was played last ("QuoteNum" under the
// main key), hands out the letters of the current quotation for dealing,
// keeps a masked copy in which the player's words are uncovered one by one,
// answers whether letters spell (or begin) a word of the quotation, and draws
// the quotation with its attribution into a panel of the game window.
//
// The quotation file: lines cut by the rules of every line file
// (framework/TextFile.h: CR ends a line, LF and zero bytes are dropped, text
// after the last CR is not a line, a line over 1,023 bytes is skipped). A line
// beginning with '/', ';' or '*' is a comment, a line without a letter is
// skipped, and the remaining lines pair up: a quotation, then its attribution.
// A quotation without an attribution line after it is not read.
#include <cstddef>
#include <string>
#include <vector>

#include "dictionary/WordArray.h"
#include "framework/Bitmap.h"
#include "framework/LetterSupply.h"
#include "framework/Str.h"
#include "framework/WinTypes.h"

class CHandRecord;
class CBackBuffer;

class CQuoteList : public CQuoteSource {
public:
    static constexpr const char* kFileName = "quotes.lst";
    static constexpr const char* kQuoteNumValue = "QuoteNum";
    static constexpr int kLargestFontSize = 48;

    CQuoteList();
    // When the list is open, stores the number of the current quotation minus
    // one as "QuoteNum", so the next run goes on after it.
    ~CQuoteList() override;
    CQuoteList(const CQuoteList&) = delete;
    CQuoteList& operator=(const CQuoteList&) = delete;

    // Opens the file (found like the word lists) and makes current the
    // quotation that was current at the end of the last run. False when the
    // file cannot be read or holds no complete quotation.
    bool Load(const char* fileName);
    // Makes the next quotation current, starting again from the first one at
    // the end of the file (depth is 0 from outside). False when there is none.
    bool ReadNextQuote(int depth) override;
    // Steps back so that the next ReadNextQuote makes the current quotation
    // current again (Replay Hand). Whether the list is open afterwards; a
    // list that is not open stays closed.
    bool RewindOne();
    // Writes or reads the quotation shown and what of it is uncovered (a
    // saved hand); read back, the list stands where it stood.
    void Values(CHandRecord& record);

    // The current quotation; null when the list is not open.
    const char* GetText() const;
    // The letters of the current quotation, lower case, shuffled in three
    // passes from the program's generator.
    CStr GetShuffledLetters(CRandom& random) override;

    // Places the panel (note the order); the fonts are made again on the next Draw.
    void SetRect(int top, int left, int bottom, int right);
    // Draws the quotation (masked after HideLetters, unless peek) and its
    // attribution into the panel, clearing it first.
    void Draw(CBackBuffer& buffer, int peek);
    void HideLetters() { m_masked = true; }

    // Uncovers the first still hidden occurrence of the word (case, apostrophes
    // and hyphens ignored); each occurrence once. Negative when the quotation
    // has no such word left hidden, else where the word starts.
    int RevealWord(const char* word);
    // The length of the letters when they spell (begin) a word of the
    // quotation, else 0. With whole = 0 the letters count when their last
    // letters do: the length of the longest such ending.
    int IsWordInQuote(const char* letters, int whole);
    int IsPrefixInQuote(const char* letters, int whole);

    bool IsOpen() const { return m_open; }
    const CStr& GetMaskedText() const { return m_maskedText; }
    const CStr& GetAttribution() const { return m_attribution; }
    bool IsMasked() const { return m_masked; }
    // How many quotations have been read since the file was last opened: the
    // number of the current one, counting from 1.
    int GetQuoteNumber() const { return m_quoteNumber; }
    // The part of the panel the last Draw covered.
    const RECT& GetDrawnRect() const { return m_drawnRect; }
    // The size, in points, of the fonts the last Draw used (0 before).
    int GetFontSize() const { return m_fontSize; }

private:
    bool OpenFile();
    void CloseFile();
    void MakeFonts(CBackBuffer& buffer);
    void BuildWordSet();
    int MatchInQuote(const char* letters, int whole, bool prefix);

    CStr m_maskedText;
    CStr m_text;
    CStr m_attribution;
    std::string m_fileName;
    bool m_open = false;
    // The file's lines that count (neither comments nor without a letter), in
    // order, and the one the next quotation starts at.
    std::vector<std::string> m_lines;
    std::size_t m_nextLine = 0;
    RECT m_rect{};
    RECT m_drawnRect{};
    CFont m_quoteFont;
    CFont m_attributionFont;
    int m_fontSize = 0;
    bool m_masked = false;
    bool m_wordSetBuilt = false;
    CWordArray m_words;
    int m_quoteNumber = 0;
};
