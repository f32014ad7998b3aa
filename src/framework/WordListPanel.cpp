#include "framework/WordListPanel.h"

#include <algorithm>

#include "framework/BackBuffer.h"
#include "framework/HandRecord.h"
#include "framework/TilePile.h"
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

void CWordListPanel::AddLook(std::string& look) const
{
    AppendLook(look, {rect.left, rect.top, rect.right, rect.bottom, fontSize, visible});
    look += listText.str();
}

void CWordListPanel::Values(CHandRecord& record)
{
    std::vector<std::string> list;
    for (int i = 0; i < words.GetCount(); ++i)
        list.emplace_back(words.GetAt(i));
    record(list, listText, visible);
    if (record.IsReading()) {
        words.Clear();
        for (const std::string& word : list)
            words.Append(word);
        font.Reset();  // fitted again to the words at the next drawing
    }
}

void CWordListPanel::Clear()
{
    words.Clear();
    listText.Empty();
    font.Reset();
}

std::string CWordListPanel::JoinedLines(int count) const
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += (i ? separator : "") + m_lines[static_cast<std::size_t>(i)];
    return text;
}

void CWordListPanel::Fit(CBackBuffer& buffer, const RECT& inner, int startPoints)
{
    m_lines.clear();
    const std::string text = listText.str();
    const std::string sep(separator);
    m_flowing = sep == "\n";
    for (std::size_t at = 0; at <= text.size() && !text.empty();) {
        const std::size_t end = std::min(text.find(sep, at), text.size());
        m_lines.push_back(text.substr(at, end - at));
        at = end + sep.size();
    }
    const int count = static_cast<int>(m_lines.size());
    for (int points = startPoints;; points = std::max(kReadableTextPoints, points * 9 / 10)) {
        font = buffer.CreateFont(points, "Arial", 0);
        const bool smallest = points <= kReadableTextPoints;
        if (!m_flowing) {
            // Words run on in lines; at the smallest size the oldest that do
            // not fit are left out.
            m_shown = count;
            m_columns = 1;
            if (buffer.MeasureTextWrapped(listText, inner, font) <= inner.Height())
                return;
            if (!smallest)
                continue;
            while (m_shown > 1) {
                --m_shown;
                if (buffer.MeasureTextWrapped(JoinedLines(m_shown).c_str(), inner, font) <= inner.Height())
                    break;
            }
            return;
        }
        RECT line = inner;
        m_lineHeight = std::max(1, buffer.DrawText("Wg", line, font, DT_SINGLELINE | DT_CALCRECT));
        m_rows = std::max(1, inner.Height() / m_lineHeight);
        int widest = 0;
        for (const std::string& word : m_lines)
            widest = std::max(widest, buffer.MeasureTextWidth(word.c_str(), font));
        const int gap = m_lineHeight;
        m_columnWidth = widest + gap;
        const int columnsAcross = std::max(1, (inner.Width() + gap) / m_columnWidth);
        m_columns = std::max(1, (count + m_rows - 1) / m_rows);
        const bool rowsFit = inner.Height() >= m_lineHeight || count == 0;
        if ((m_columns <= columnsAcross && rowsFit) || smallest) {
            m_columns = std::min(m_columns, columnsAcross);
            m_shown = std::min(count, m_columns * m_rows);
            return;
        }
    }
}

void CWordListPanel::Draw(CBackBuffer& buffer, const CTileSet& tileSet)
{
    if (!visible || rect.IsEmpty())
        return;
    const int m = tileSet.IsLoaded() ? tileSet.TileWidth() / 4 : 5;
    const RECT inner{rect.left + m, rect.top + m, rect.right - m, rect.bottom - m};
    if (font.IsNull()) {
        // Beside tiles larger than the natural 64 pixels the font grows: a
        // quarter of the tile height in pixels, three sixteenths in points.
        const int tile = tileSet.IsLoaded() ? tileSet.TileHeight() : 0;
        Fit(buffer, inner, std::max(fontSize, tile * 3 / 16));
    }
    buffer.FillBackground(&rect);
    if (!m_flowing) {
        buffer.DrawTextWrapped(JoinedLines(m_shown).c_str(), inner, font);
    } else {
        for (int i = 0; i < m_shown; ++i) {
            const int left = inner.left + (i / m_rows) * m_columnWidth, top = inner.top + (i % m_rows) * m_lineHeight;
            RECT line{left, top, std::min(inner.right, left + m_columnWidth), top + m_lineHeight};
            buffer.DrawText(m_lines[static_cast<std::size_t>(i)].c_str(), line, font, DT_SINGLELINE);
        }
    }
    tileSet.DrawFrame(buffer, rect.left, rect.top, rect.Width(), rect.Height());
}
