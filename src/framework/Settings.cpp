#include "framework/Settings.h"

CSettings g_Settings;
std::string g_StatisticsKey = std::string(kMainKey) + "\\WordGame";

void SetStatisticsSubkey(const char* subkey)
{
    g_StatisticsKey = std::string(kMainKey) + "\\" + (subkey ? subkey : "");
    if (g_StatisticsKey.size() > 1023)
        g_StatisticsKey.resize(1023);
}

unsigned BackgroundPatternBitmapId(int pattern)
{
    switch (pattern) {
    case 1: return 194;
    case 2: return 247;
    case 3: return 249;
    case 4: return 250;
    case 5: return 373;
    default: return 0;
    }
}

unsigned BackgroundPatternBitmapId() { return BackgroundPatternBitmapId(g_Settings.BackgroundPattern); }

