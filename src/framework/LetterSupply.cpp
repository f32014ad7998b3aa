// The letter supply. For now only the default supply: the alphabet once, shuffled.
#include "framework/Game.h"

CStr* CGame::DealLetters(int, int, int, int)
{
    CStr letters("abcdefghijklmnopqrstuvwxyz");
    letters.Shuffle();
    m_pLetters = std::make_unique<CStr>(letters);
    return m_pLetters.get();
}
