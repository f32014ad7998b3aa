#pragma once
// What the games need from the application shell. The shell (CGameApp)
// installs itself at start-up; until then a quiet default answers.
#include "framework/Window.h"

enum EndReason : int {
    kEndNone = 0,       // the hand goes on
    kEndFinished = 1,   // won, or no more moves
    kEndAbandoned = 2,  // New Hand / Choose Game during a hand
    kEndTimeUp = 4,     // the game clock ran out
    kEndReplayed = 5,   // Replay Hand
};

class CGameShell {
public:
    virtual ~CGameShell() = default;
    virtual void EndHand(EndReason reason) = 0;
    virtual bool IsHandOver() const = 0;
    virtual HWND MainWindow() const = 0;
    // Plays a sound resource as PlaySoundIfEnabled does.
    virtual void PlaySound(unsigned soundId);
};

// The shell installed at start-up (or a quiet one); QuietShell answers for a
// game made without one.
CGameShell& Shell();
CGameShell& QuietShell();
void SetShell(CGameShell* shell);  // null restores the default

// Plays a sound resource when the "Sound" setting is on (asynchronous, never queued).
void PlaySoundIfEnabled(unsigned soundId);

// The level notices (dialogs 419 "...one letter longer!" and 420 "Getting
// faster..."): modal, closing by themselves after two seconds or at a click.
int RunLevelNotice(HWND hwnd, unsigned dialogId);

// Tests may watch the sounds the game asks for (whether or not the setting lets them play).
using SoundObserver = void (*)(unsigned soundId);
void SetSoundObserver(SoundObserver observer);
