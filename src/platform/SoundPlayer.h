#pragma once
// The sound player behind PlayWaveResource: a few OpenAL voices, WAVE files
// decoded once into buffers. Opened on the first sound, closed at exit.
#include <cstdint>
#include <functional>
#include <vector>

// Fetches the bytes of the WAVE file with a sound id; false when there is none.
using WaveLoader = std::function<bool(unsigned soundId, std::vector<std::uint8_t>& bytes)>;

// Replaces where sounds come from (by default the embedded ":/sounds/<id>.wav")
// and forgets the sounds decoded so far. An empty loader restores the default.
void SetWaveLoader(WaveLoader loader);
// Starts a sound on a free voice, or on the voice that started longest ago
// when all are busy: false only without an audio device or such a sound.
bool StartWave(unsigned soundId);
// Whether an audio device is open (opening it on first use).
bool SoundDeviceAvailable();
// Stops the sound and closes the audio device; the next sound opens it again.
void ShutdownSound();
