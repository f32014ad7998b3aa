#pragma once
// The program settings of the main key, held in memory while the program
// runs (the shell loads and stores them), and the key the statistics and
// high scores of the game constructed last are kept under.
#include <cstdint>
#include <string>

inline constexpr const char* kMainKey = "Software\\Quirkwood\\Glyphery";

struct CSettings {
    std::int32_t Sound = 1;
    std::int32_t Timer = 0;
    std::int32_t Music = 1;
    std::int32_t ShowNagDlg = 1;
    std::int32_t ShowRulesDlg = 1;
    std::int32_t LayoutVertical = 0;
    std::int32_t BackgroundColor = 128;       // COLORREF: red 128
    std::int32_t ForegroundColor = 0xFFFFFF;  // COLORREF: white
    std::int32_t CurrentGame = 10;
    std::int32_t BackgroundPattern = 1;
    std::int32_t LetterTileDesign = 1;
    std::int32_t ColorDepth = 32;
    std::int32_t Top = 0;
    std::int32_t Left = 0;
    std::int32_t Width = 640;
    std::int32_t Height = 480;
    std::int32_t MinMax = 2;
    // Tiles grow past their natural size to fill the window (0: they stop at it).
    std::int32_t FitTiles = 1;
    // A hand left unfinished (quit, closed, killed) is played on at the next start.
    std::int32_t ContinueHand = 1;
    // Quillo's Quotes writes these at every save; nothing reads them back.
    std::int32_t QuilloFlip3 = 0;
    std::int32_t QuilloSubwords = 1;
    std::int32_t QuilloDragWord = 1;
    std::int32_t QuilloDragTiles = 2;
};

extern CSettings g_Settings;

// The statistics key of the game constructed last ("...\\Glyphery\\Golf").
extern std::string g_StatisticsKey;
void SetStatisticsSubkey(const char* subkey);

// Bitmap id of the current background pattern, 0 for a solid colour.
unsigned BackgroundPatternBitmapId();
unsigned BackgroundPatternBitmapId(int pattern);
