#pragma once
// CWordListPanel: the framed list of the words found so far, newest first,
// with a sorted set for checking whether a word was already found.
//
// The list is drawn in a font that grows with the tiles (12 points beside
// tiles of the natural 64 pixels, a quarter of the tile height in pixels
// beside larger ones). One word per line, it flows into further columns
// before the font shrinks; the font shrinks by tenths only while the columns
// would not fit across, and never below the readable size: a list too long
// even then shows its newest words.
#include <string>
#include <vector>

#include "dictionary/WordArray.h"
#include "framework/Bitmap.h"
#include "framework/Str.h"
#include "framework/WinTypes.h"

class CBackBuffer;
class CHandRecord;
class CTileSet;

class CWordListPanel {
public:
    explicit CWordListPanel(bool lineBreaks = false) : separator(lineBreaks ? "\n" : ", ") {}

    void SetRect(int top, int left, int bottom, int right);  // note the order; drops the font
    void SetFirst(const char* text);
    void AddWord(const char* word);
    bool Contains(const char* word) const;
    int Count() const { return words.GetCount(); }
    void Clear();
    void Draw(CBackBuffer& buffer, const CTileSet& tileSet);
    // What the list's picture depends on (CGamePart::AddLook).
    void AddLook(std::string& look) const;
    // Writes or reads the words (CHandRecord).
    void Values(CHandRecord& record);
    // After Draw: how many of the words are shown, in how many columns.
    int ShownWords() const { return m_shown; }
    int Columns() const { return m_columns; }

    CWordArray words;  // the words found, sorted
    CStr listText;     // newest first, joined by the separator
    RECT rect{};
    int fontSize = 12;  // points beside natural tiles
    CFont font;
    int visible = 0;
    const char* separator;

private:
    // Chooses the font and the columns for the inner rectangle.
    void Fit(CBackBuffer& buffer, const RECT& inner, int startPoints);
    // The first `count` words of the list joined by the separator.
    std::string JoinedLines(int count) const;

    std::vector<std::string> m_lines;  // the words of listText, newest first
    int m_rows = 0;                     // lines per column
    int m_columnWidth = 0;
    int m_lineHeight = 0;
    int m_columns = 1;
    int m_shown = 0;
    bool m_flowing = false;  // one word per line, in columns
};
