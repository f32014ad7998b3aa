#include "framework/Shell.h"

#include "framework/GameIds.h"
#include "framework/Settings.h"
#include "framework/Window.h"
#include "framework/Sound.h"

namespace {
class CNoShell final : public CGameShell {
public:
    void EndHand(EndReason) override {}
    bool IsHandOver() const override { return false; }
    HWND MainWindow() const override { return nullptr; }
};
CNoShell g_noShell;
CGameShell* g_shell = &g_noShell;
SoundObserver g_soundObserver = nullptr;
}  // namespace

CGameShell& Shell() { return *g_shell; }
CGameShell& QuietShell() { return g_noShell; }
void CGameShell::PlaySound(unsigned soundId) { PlaySoundIfEnabled(soundId); }
void SetShell(CGameShell* shell) { g_shell = shell ? shell : &g_noShell; }

void SetSoundObserver(SoundObserver observer) { g_soundObserver = observer; }

void PlaySoundIfEnabled(unsigned soundId)
{
    if (g_soundObserver)
        g_soundObserver(soundId);
    if (soundId == kSoundRefused)
        if (HWND window = Shell().MainWindow())
            window->ShowRefusal();
    if (g_Settings.Sound != 0)
        PlayWaveResource(soundId);
}
