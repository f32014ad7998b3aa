#include "framework/ScorePanel.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "framework/BackBuffer.h"
#include "framework/Resources.h"

namespace {
constexpr int kWidestTime = 86400;
constexpr int kWidestTiles = 10000;

std::string FormatLine(unsigned formatId, int value)
{
    char line[128];
    std::snprintf(line, sizeof line, ResString(formatId), value);
    return line;
}
}  // namespace


void CScorePanel::SetRect(int top, int left, int bottom, int right)
{
    m_rect = RECT{left, top, right, bottom};
    m_font.Reset();
}

int CHandScore::AddWordScore(const char* word)
{
    return AddWordScore(word ? static_cast<int>(std::strlen(word)) : 0);
}

int CHandScore::AddWordScore(int length)
{
    AddWordPoints(WordScore(length));
    return score;
}

int CHandScore::AddTimeBonus()
{
    if (clockValue > 0)
        score += clockValue * secondsFactor;
    return score;
}

int CHandScore::AddSpeedBonus(int elapsedSeconds)
{
    if (wordsScored > 0 && elapsedSeconds < parSeconds)
        score += (parSeconds - elapsedSeconds) * secondsFactor;
    return score;
}

void CScorePanel::Draw(CBackBuffer& buffer, const CHandScore& hand)
{
    if (m_rect.top == 0 && m_rect.bottom == 0)
        return;
    struct Line {
        bool shown;
        unsigned formatId;
        int value;
        int sample;
    };
    const Line lines[] = {
        {showScore != 0, scoreFormatId, hand.score, widestScore},
        {showTime != 0, timeFormatId, hand.clockValue, kWidestTime},
        {showTiles != 0, tilesFormatId, hand.tileCount, kWidestTiles},
    };
    const unsigned format = formatBits | DT_SINGLELINE;
    if (m_font.IsNull()) {
        // The largest bold Arial up to 36 points in which every shown line fits.
        int size = 36;
        for (;;) {
            m_font = buffer.CreateFont(size, "Arial", kFontBold);
            int height = 0, width = 0;
            for (const Line& line : lines) {
                if (!line.shown)
                    continue;
                RECT r = m_rect;
                height += buffer.DrawText(FormatLine(line.formatId, line.sample).c_str(), r, m_font,
                                          format | DT_CALCRECT);
                width = std::max(width, r.right - r.left);
            }
            if (size <= kReadableTextPoints || (height <= m_rect.Height() && width <= m_rect.Width()))
                break;
            size = std::max(kReadableTextPoints, size * 9 / 10);
        }
    }
    buffer.FillBackground(&m_rect);
    int top = m_rect.top;
    for (const Line& line : lines) {
        if (!line.shown)
            continue;
        RECT r{m_rect.left, top, m_rect.right, m_rect.bottom};
        top += buffer.DrawText(FormatLine(line.formatId, line.value).c_str(), r, m_font, format);
    }
}
