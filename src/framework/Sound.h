#pragma once
// Sound effects: WAVE resources by id, decoded once, played asynchronously
// on a few voices, so sounds asked for together overlap (nothing is queued);
// on a machine without an audio device nothing plays.
void PlayWaveResource(unsigned soundId);
bool IsSoundPlaying();
