#pragma once
// CWordListPanel: the framed list of the words found so far, newest first,
// with a sorted set for checking whether a word was already found.
#include "dictionary/WordArray.h"
#include "framework/Bitmap.h"
#include "framework/Str.h"
#include "framework/WinTypes.h"

class CBackBuffer;
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

    CWordArray words;  // the words found, sorted
    CStr listText;
    RECT rect{};
    int fontSize = 12;
    CFont font;
    int visible = 0;
    const char* separator;
};
