#pragma once
// Reading WAVE files: RIFF "WAVE" with a PCM "fmt " chunk (8 or 16 bits,
// mono or stereo) and a "data" chunk. Other chunks are skipped.
#include <cstddef>
#include <cstdint>
#include <vector>

struct CWave {
    int channels = 0;        // 1 or 2
    int bitsPerSample = 0;   // 8 (unsigned) or 16 (signed, in host byte order after parsing)
    int sampleRate = 0;
    std::vector<std::uint8_t> samples;  // whole frames only
};

// False for anything that is not a playable PCM WAVE file.
bool ParseWave(const std::uint8_t* data, std::size_t size, CWave& out);
