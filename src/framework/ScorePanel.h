#pragma once
// CHandScore: the hand's score, its clock and its tile count, and the scoring
// values every game may change in its constructor. CScorePanel: the read-out
// that draws them.
#include "framework/Bitmap.h"
#include "framework/WinTypes.h"
#include "resources/StringIds.h"

class CBackBuffer;

struct CHandScore {
    int AddWordScore(const char* word);  // word factor x length x length
    int AddWordScore(int length);
    // What a scored word (or a tile laid on a foundation word) earned: every
    // way a hand scores its words comes through here, and counts the word.
    void AddWordPoints(int points)
    {
        score += points;
        ++wordsScored;
    }
    int AddTimeBonus();  // clock value x seconds factor, when positive
    // (par - elapsed) x seconds factor, when under par and some word was
    // scored: a hand in which nothing was done earns nothing for its speed.
    int AddSpeedBonus(int elapsedSeconds);
    int WordScore(int length) const { return wordFactor * length * length; }

    int score = 0;
    int wordsScored = 0;
    int clockValue = 0;
    int clockStep = 1;
    int tileCount = 0;

    // Scoring values.
    int gameAmount1 = 20;
    int gameAmount2 = 26;
    int wordFactor = 5;
    int parSeconds = 300;
    int secondsFactor = 1;
    int penaltyPoints = 25;
    int recyclePenalty = 100;
    int playPenalty = 0;
};

class CScorePanel {
public:
    // Note the order: top, left, bottom, right. Also discards the font.
    void SetRect(int top, int left, int bottom, int right);
    const RECT& Rect() const { return m_rect; }
    void Draw(CBackBuffer& buffer, const CHandScore& hand);

    // The lines shown and their texts.
    int showTiles = 0;
    int showScore = 1;
    int showTime = 1;
    unsigned formatBits = 0;  // extra text layout bits for the lines
    unsigned scoreFormatId = kStrScoreFormat;  // "Score: %d"
    unsigned timeFormatId = kStrTimeFormat;    // "Time: %d"
    unsigned tilesFormatId = kStrTilesFormat;  // "Tiles: %d"
    int widestScore = -883355;     // sample value the font is sized with

    // A game that never shows its clock says so once, in its constructor:
    // the time line then stays hidden whatever the Timer option says.
    void HideTimeLine()
    {
        showTime = 0;
        m_timeHidden = true;
    }
    // The Timer option changed: a count-down always shows, a hidden time line never.
    void ApplyTimerOption(bool timer, const CHandScore& hand)
    {
        showTime = !m_timeHidden && (timer || hand.clockStep < 0);
    }

    const CFont& Font() const { return m_font; }

private:
    RECT m_rect{};
    CFont m_font;
    bool m_timeHidden = false;
};
