#include "framework/Random.h"

#include <utility>

int CRandom::Next()
{
    m_state = m_state * 214013u + 2531011u;
    return static_cast<int>((m_state >> 16) & 0x7FFF);
}

int CRandom::InRange(int high, int low)
{
    const int r = Next();
    const int value = static_cast<int>(r * (1.0 / 32767.0) * (high - low) + low);
    return value == high ? low : value;
}

void CRandom::Shuffle(std::string& text)
{
    const int n = static_cast<int>(text.size());
    for (int pass = 0; pass < 3; ++pass)
        for (int i = 0; i < n; ++i)
            std::swap(text[static_cast<size_t>(i)], text[static_cast<size_t>(InRange(n, 0))]);
}

CRandom& ProgramRandom()
{
    static CRandom random;
    return random;
}
