#include "framework/WordListPanel.h"

#include "framework/BackBuffer.h"
#include "framework/TileSet.h"

void CWordListPanel::SetRect(int top, int left, int bottom, int right)
{
    rect = RECT{left, top, right, bottom};
    font.Reset();
}

void CWordListPanel::SetFirst(const char* text)
{
    fontSize = 12;
    visible = 1;
    font.Reset();
    if (text && *text) {
        if (!Contains(text))
            words.InsertSorted(text);
        listText = text;
    }
}

void CWordListPanel::AddWord(const char* word)
{
    if (!word || !*word)
        return;
    if (!Contains(word))
        words.InsertSorted(word);
    // Newest first.
    CStr text(word);
    if (!listText.IsEmpty()) {
        text.Append(separator);
        text.Append(listText);
    }
    listText = text;
    font.Reset();
}

bool CWordListPanel::Contains(const char* word) const { return word && *word && words.Find(word) >= 0; }

void CWordListPanel::Clear()
{
    words.Clear();
    listText.Empty();
    font.Reset();
}

void CWordListPanel::Draw(CBackBuffer& buffer, const CTileSet& tileSet)
{
    if (!visible || rect.IsEmpty())
        return;
    const int m = tileSet.IsLoaded() ? tileSet.TileWidth() / 4 : 5;
    const RECT inner{rect.left + m, rect.top + m, rect.right - m, rect.bottom - m};
    if (font.IsNull()) {
        // Shrink by tenths from the panel's size until the list fits.
        int size = fontSize;
        for (;;) {
            font = buffer.CreateFont(size, "Arial", 0);
            if (size <= 2 || buffer.MeasureTextWrapped(listText, inner, font) <= inner.Height())
                break;
            size = size * 9 / 10;
        }
    }
    buffer.FillBackground(&rect);
    buffer.DrawTextWrapped(listText, inner, font);
    tileSet.DrawFrame(buffer, rect.left, rect.top, rect.Width(), rect.Height());
}
