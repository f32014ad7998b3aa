#pragma once
// Sound effects: WAVE resources by id, decoded once, played asynchronously.
// When a sound is already playing the new one is dropped (never queued); on a
// machine without an audio device nothing plays.
void PlayWaveResource(unsigned soundId);
bool IsSoundPlaying();
