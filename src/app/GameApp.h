#pragma once
// CGameApp: the shell. It owns the main window, the game of the current hand,
// the dictionary and the quotation list; it turns the window's messages into
// calls on the game, carries out the menu commands, deals every hand
// (StartHand) and runs the end of every hand (EndHand).
#include <future>
#include <memory>

#include "app/Settings.h"
#include "framework/GameDescriptor.h"
#include "framework/Shell.h"
#include "framework/Str.h"
#include "platform/MainWindow.h"

class CGame;
class CDictionary;
class CQuoteList;

// The modes of StartHand.
enum class StartMode : int { StartupChooser = -1000, ChooseGame = 1000, NewHand = 0, ReplayHand = 1024 };

class CGameApp final : public CGameShell, private CWindowProc {
public:
    CGameApp();
    ~CGameApp() override;
    CGameApp(const CGameApp&) = delete;
    CGameApp& operator=(const CGameApp&) = delete;

    // Start-up: settings, the window, the seed, the colour checks, the first
    // hand. False when the program should end at once (no window, or the
    // first game's word or quotation list could not be loaded).
    bool Start();
    // The message loop, until the window has closed; returns the exit code.
    int Run();

    // CGameShell
    void EndHand(EndReason reason) override;
    bool IsHandOver() const override { return m_handOver; }
    HWND MainWindow() const override;

    void StartHand(HWND hwnd, StartMode mode);
    void SetPaused(HWND hwnd, bool on);
    bool IsPaused() const { return m_paused; }
    bool LoadDictionary(HWND hwnd);
    bool LoadQuotations(HWND hwnd);
    // Stores the window's normal rectangle and maximized state, then all settings.
    void StorePlacement();

    // Forwarders for the dialogs; nothing (0, empty) without a game.
    unsigned GetNextInstruction(unsigned currentId, int* seconds);
    CStr CopyCurrentWord() const;

    CGame* CurrentGame() const { return m_game.get(); }
    CMainWindow* Window() const { return m_window.get(); }
    CDictionary& Dictionary() { return *LoadedSoFar(); }
    // What a game made now is given: the word lists, the quotations, the
    // window, this shell and the player's settings.
    CGameContext GameContext();
    CQuoteList& Quotations() { return *m_quotes; }
    unsigned HandNumber() const { return m_handNumber; }
    unsigned GameNameId() const { return m_gameNameId; }
    // The title without the pause suffix: "Glyphery" and the game's name.
    std::string BaseTitle() const;

    // For the driver and tests: deal game `gameId` with this hand number now,
    // asking nothing and recording nothing about the hand it replaces.
    void PlayHand(int gameId, unsigned handNumber);
    // As quitting and starting again: the hand in progress is kept and played
    // on (or, with nothing kept, a new one dealt).
    void Restart();
    // For tests: makes `game` the current hand, running and not over.
    void InstallGame(std::unique_ptr<CGame> game);

private:
    // CWindowProc: the window procedure.
    void OnClose() override;
    void OnEndSession() override;
    void OnSize(int sizeType, int cx, int cy) override;
    void OnEraseBackground(HDC dc) override;
    void OnPaint(HDC dc) override;
    void OnTimer(unsigned id) override;
    void OnInitMenuPopup() override;
    void OnKeyDown(int virtualKey) override;
    void OnChar(int character) override;
    void OnMouse(MouseMessage message, int x, int y, unsigned keyFlags) override;
    int OnCommand(int id, int code) override;
    void OnIdle() override;

    bool AcceptsInput() const { return m_game && !m_paused && !m_handOver; }
    // Keeps the hand in the store when an input moved it on (or `always`),
    // for the next start; ResumeHand plays a kept hand on instead of dealing.
    void KeepHand(bool always = false);
    bool ResumeHand(HWND hwnd);
    int m_keptChanges = -1;
    // StartHand steps 6 to 10: seed, replace the game, show it, resume.
    void DealHand(HWND hwnd, bool rewindQuotation);
    void CreateGame(HWND hwnd);
    // Menu dialogs and Undo: pause, run, resume unless the hand is over.
    template <class F>
    void WhilePaused(F&& run);
    void OpenHelpPage(bool atGame);
    // Start-up work done beside the window's creation and first paint: the
    // player's word lists and the first game's pictures. LoadedSoFar waits
    // for it and is the only way to the dictionary while it may run.
    void StartPreloading();
    CDictionary* LoadedSoFar();

    std::unique_ptr<CMainWindow> m_window;
    bool m_handOver = false;
    bool m_paused = false;
    unsigned m_handNumber = 0;
    unsigned m_gameNameId = 0;  // the chosen game's name string (0 until chosen)
    int m_gameHandlers = 0;     // game handlers running now (a hand is never replaced inside one)
    bool m_startingHand = false;
    std::unique_ptr<CDictionary> m_dictionary;
    std::future<void> m_preload;  // fills *m_dictionary while valid; waited for before it goes
    std::unique_ptr<CQuoteList> m_quotes;
    std::unique_ptr<CGame> m_game;
};

// The running shell (the most recently created one), or null.
CGameApp* TheApp();

// Start-up rules, kept apart so they can be checked on their own.
// The stored placement against the screen: off-screen corners go to 0,
// oversized windows to 640 x 480, undersized ones to 458.
void ValidatePlacement(CSettings& settings, int screenWidth, int screenHeight, int iconSize);
// The colour-depth rule; true when the colour warning (327) is due.
bool ApplyColorDepthRule(CSettings& settings, int bitsPerPixel);
