#pragma once
// The one global generator every deal comes from. It must stay exactly this
// sequence: a replayed hand deals the same letters only if it does.
#include <string>

void SeedRandom(unsigned seed);
int NextRandom();                    // 0 .. 32767
int RandomInRange(int high, int low);  // [low, high), high first
void Shuffle(std::string& text);     // three passes of random swaps
