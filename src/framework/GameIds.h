#pragma once
// The window timers, sounds and commands every game and the shell share.

// Window timers.
enum : unsigned {
    kClockTimerId = 702,        // the one-second game clock
    kInstructionTimerId = 704,  // "How to play" lines
    kLevelNoticeTimerId = 705,  // closes the level notice
    kFallTimerId = 706,         // falling-block games
    kHintTimerId = 707,         // takes a hint off the table
};

// Sound resources.
enum : unsigned {
    kSoundTileMoved = 236,
    kSoundHandOver = 238,
    kSoundRefused = 239,
    kSoundPenalty = 244,
    kSoundScored = 245,
    kSoundHighScore = 423,
    kSoundClockWarning = 431,
};

inline constexpr int kPauseCommand = 32781;  // pauses, or resumes a paused hand
