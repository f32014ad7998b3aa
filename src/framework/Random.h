#pragma once
// CRandom: the generator every deal comes from. It must stay exactly this
// sequence: a replayed hand deals the same letters only if it does. Each hand
// draws from its game's own generator (CGame::Random), seeded with the hand
// number, and nothing else draws from it; the shell draws hand numbers and
// the default high-score names from the program's (ProgramRandom).
#include <cstdint>
#include <string>

class CRandom {
public:
    explicit CRandom(unsigned seed = 1) : m_state(seed) {}
    void Seed(unsigned seed) { m_state = seed; }
    int Next();                      // 0 .. 32767
    int InRange(int high, int low);  // [low, high), high first
    void Shuffle(std::string& text);  // three passes of random swaps
    std::uint32_t State() const { return m_state; }

private:
    std::uint32_t m_state;
};

CRandom& ProgramRandom();
