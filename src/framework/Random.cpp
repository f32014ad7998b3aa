#include "framework/Random.h"

#include <cstdint>

namespace {
std::uint32_t g_state = 1;
}

void SeedRandom(unsigned seed) { g_state = seed; }

int NextRandom()
{
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int>((g_state >> 16) & 0x7FFF);
}

int RandomInRange(int high, int low)
{
    const int r = NextRandom();
    const int value = static_cast<int>(r * (1.0 / 32767.0) * (high - low) + low);
    return value == high ? low : value;
}

void Shuffle(std::string& text)
{
    const int n = static_cast<int>(text.size());
    for (int pass = 0; pass < 3; ++pass)
        for (int i = 0; i < n; ++i)
            std::swap(text[static_cast<size_t>(i)], text[static_cast<size_t>(RandomInRange(n, 0))]);
}
