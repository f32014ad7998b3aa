#include "app/GameApp.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

#include "app/Catalogue.h"
#include "app/ChooserDialog.h"
#include "app/Commands.h"
#include "app/Dialogs.h"
#include "app/GameFactory.h"
#include "app/HelpDialog.h"
#include "framework/Registry.h"
#include "app/OptionsDialog.h"
#include "app/ProgressDialog.h"
#include "app/RulesDialog.h"
#include "app/SavedHand.h"
#include "dictionary/Dictionary.h"
#include "app/DictionaryDialog.h"
#include "framework/Debug.h"
#include "framework/Files.h"
#include "framework/Game.h"
#include "framework/Random.h"
#include "framework/Resources.h"
#include "framework/TileSet.h"
#include "lists/QuoteList.h"
#include "platform/Modal.h"
#include "platform/TerminationSignals.h"
#include "app/EndOfHand.h"
#include "app/ScoreDialogs.h"
#include "scores/Statistics.h"
#include "resources/StringIds.h"

namespace {
CGameApp* g_app = nullptr;

constexpr unsigned kClockPeriodMs = 1000;

// Counts a game handler while it runs.
class CHandlerScope {
public:
    explicit CHandlerScope(int& depth) : m_depth(depth) { ++m_depth; }
    ~CHandlerScope() { --m_depth; }
    CHandlerScope(const CHandlerScope&) = delete;
    CHandlerScope& operator=(const CHandlerScope&) = delete;

private:
    int& m_depth;
};
}  // namespace

CGameApp* TheApp() { return g_app; }

void ValidatePlacement(CSettings& s, int screenWidth, int screenHeight, int iconSize)
{
    if (s.Left < 0 || s.Left > screenWidth - iconSize)
        s.Left = 0;
    if (s.Top < 0 || s.Top > screenHeight - iconSize)
        s.Top = 0;
    if (s.Width > screenWidth)
        s.Width = 640;
    if (s.Height > screenHeight)
        s.Height = 480;
    if (s.Width < 256)
        s.Width = 458;
    if (s.Height < 256)
        s.Height = 458;
}

bool ApplyColorDepthRule(CSettings& s, int bits)
{
    if (bits >= 24) {
        // Back on a rich display: the rich designs return unless the player changed them.
        if (s.ColorDepth == 0 && s.LetterTileDesign == 16 && s.BackgroundPattern == 0) {
            s.LetterTileDesign = 1;
            s.BackgroundPattern = 1;
        }
        s.ColorDepth = bits;
        return false;
    }
    if (s.ColorDepth == 0)
        return false;
    s.ColorDepth = 0;
    s.LetterTileDesign = 16;
    s.BackgroundPattern = 0;
    return true;
}

CGameApp::CGameApp() : m_dictionary(std::make_unique<CDictionary>()), m_quotes(std::make_unique<CQuoteList>())
{
    g_app = this;
    SetShell(this);
}

CGameApp::~CGameApp()
{
    LoadedSoFar();
    if (g_app == this)
        OnTerminationSignal(nullptr);
    // The game goes first: its tooltips live on the window.
    if (m_window)
        m_window->KillTimer(kClockTimerId);
    m_game.reset();
    m_window.reset();
    // Stores which quotation was played last.
    m_quotes.reset();
    if (g_app == this) {
        g_app = nullptr;
        SetShell(nullptr);
    }
}

HWND CGameApp::MainWindow() const { return m_window.get(); }

// ---------------------------------------------------------------------------
// Start-up and the loop

bool CGameApp::Start()
{
    StartDebugOutput();
    LoadSettings();
    StartPreloading();
    ValidatePlacement(g_Settings, ScreenWidth(), ScreenHeight(), IconSize());

    const RECT normal{g_Settings.Left, g_Settings.Top, g_Settings.Left + g_Settings.Width,
                      g_Settings.Top + g_Settings.Height};
    // Restarting the last game, the window is named after it from its first frame.
    if (g_Settings.ShowNagDlg != 1)
        m_gameNameId = ::GameNameId(g_Settings.CurrentGame);
    m_window = CMainWindow::Create(*this, BaseTitle(), normal);
    if (!m_window)
        return false;
    m_window->SetMenu(MainMenu());
    m_window->SetAccelerators(MainAccelerators());
    HWND hwnd = m_window.get();
    // Ended from outside (the session, the terminal): the same close as Quit,
    // with any question or dialog open answered as Escape would.
    OnTerminationSignal([this] {
        EndModalDialogs();
        if (m_window)
            m_window->PostClose();
    });

    m_handNumber = static_cast<unsigned>(std::time(nullptr));
    ProgramRandom().Seed(m_handNumber);

    m_window->Show(g_Settings.MinMax == 2);
    m_window->UpdateWindow();

    const CSettings before = g_Settings;
    const bool colourWarning = ApplyColorDepthRule(g_Settings, m_window->GetColorDepth());
    if (g_Settings.ColorDepth != before.ColorDepth || g_Settings.LetterTileDesign != before.LetterTileDesign ||
        g_Settings.BackgroundPattern != before.BackgroundPattern)
        StoreSettings({"ColorDepth", "LetterTileDesign", "BackgroundPattern"});
    if (colourWarning)
        hwnd->MessageBox(ResString(kStrColorDepthWarning), ResString(kStrWarningCaption), MB_OK | MB_ICONWARNING);
    if (g_Settings.ForegroundColor == g_Settings.BackgroundColor && g_Settings.BackgroundPattern == 0)
        hwnd->MessageBox(ResString(kStrSameColorsWarning), ResString(kStrWarningCaption), MB_OK | MB_ICONWARNING);

    // A hand left unfinished plays on, without the chooser or the rules between.
    if (!ResumeHand(hwnd))
        StartHand(hwnd, g_Settings.ShowNagDlg == 1 ? StartMode::StartupChooser : StartMode::NewHand);
    // Without a game (its word or quotation list failed to load) the program ends
    // here, after the message, without saving anything.
    return m_game != nullptr;
}

int CGameApp::Run() { return m_window ? m_window->RunMessageLoop() : 0; }

// ---------------------------------------------------------------------------
// Hands

void CGameApp::StartHand(HWND hwnd, StartMode mode)
{
    if (m_startingHand)  // a progress dialog's pump must not start another hand
        return;
    struct Guard {
        bool& flag;
        explicit Guard(bool& f) : flag(f) { flag = true; }
        ~Guard() { flag = false; }
    } guard(m_startingHand);

    if (!m_paused)
        SetPaused(hwnd, true);

    int previousId = 0;
    if (m_game) {
        previousId = m_game->GetGameId();
        if (mode == StartMode::ReplayHand) {
            RecordHand(kEndReplayed, m_game->GetScore(), m_game->GetScorePossible());
        } else if (!m_handOver) {
            const bool choosing = mode == StartMode::ChooseGame;
            const int answer = hwnd->MessageBox(ResString(choosing ? kStrChooseQuestion : kStrNewHandQuestion),
                                                ResString(choosing ? kStrChooseCaption : kStrNewHandCaption),
                                                MB_YESNO | MB_ICONQUESTION);
            if (answer != IDYES) {
                SetPaused(hwnd, false);
                return;
            }
            // Counted and recorded together, or not at all.
            RegTransaction([&] {
                CountSkippedHand();
                RecordHand(kEndAbandoned, m_game->GetScore(), m_game->GetScorePossible());
            });
        }
    }

    if (mode == StartMode::StartupChooser) {
        m_game.reset();
        m_window->RemoveAllTools();
        m_game = CreateTitleGame(GameContext());
        SetStatisticsSubkey(m_game->Subkey());
        m_handOver = false;
        hwnd->Invalidate(nullptr, true);
        hwnd->UpdateWindow();
        SetPaused(hwnd, false);
    }

    if (mode == StartMode::StartupChooser || mode == StartMode::ChooseGame) {
        if (RunChooserDialog(hwnd, m_gameNameId) == kChooserQuit) {
            hwnd->PostClose();
            return;
        }
    }

    if (mode != StartMode::ReplayHand)
        m_handNumber = static_cast<unsigned>(ProgramRandom().Next());
    m_gameNameId = ::GameNameId(g_Settings.CurrentGame);  // the title and the statistics name the game
    DealHand(hwnd, mode == StartMode::ReplayHand);

    if (g_Settings.ShowRulesDlg == 1 && g_Settings.CurrentGame != previousId)
        hwnd->PostCommand(IDM_HOWTOPLAY, 0);
}

void CGameApp::DealHand(HWND hwnd, bool rewindQuotation)
{
    // A replayed Quillo's Quotes deals the same quotation again. (A list that
    // is not open yet is loaded by CreateGame, at the stored quotation.)
    const GameDescriptor* row = FindGameDescriptor(g_Settings.CurrentGame);
    if (rewindQuotation && row && row->needs == GameNeeds::Quotations && m_quotes->IsOpen())
        m_quotes->RewindOne();
    // The next random hand number follows from this one, so a run of hands
    // replays from its first hand number (the soak's reports rely on it).
    ProgramRandom().Seed(m_handNumber);
    m_game.reset();
    m_window->RemoveAllTools();  // a deleted game's tooltips never show
    ForgetSavedHand();           // the hand it kept is over, or given up
    m_keptChanges = -1;
    CreateGame(hwnd);
    m_handOver = false;
    hwnd->Invalidate(nullptr, true);
    hwnd->UpdateWindow();
    SetPaused(hwnd, false);
}

void CGameApp::CreateGame(HWND hwnd)
{
    const GameDescriptor* row = FindGameDescriptor(g_Settings.CurrentGame);
    if (row && row->needs == GameNeeds::Dictionary && !LoadDictionary(hwnd))
        return;
    if (row && row->needs == GameNeeds::Quotations && !LoadQuotations(hwnd))
        return;
    // Constructors deal from the game's generator, seeded with the hand number.
    m_game = row ? ::CreateGame(*row, GameContext()) : CreateTitleGame(GameContext());
    SetStatisticsSubkey(m_game->Subkey());
}

CGameContext CGameApp::GameContext()
{
    return CGameContext{LoadedSoFar(), m_quotes.get(), nullptr, m_window.get(), this, &g_Settings, m_handNumber};
}

void CGameApp::PlayHand(int gameId, unsigned handNumber)
{
    if (!m_paused)
        SetPaused(m_window.get(), true);
    g_Settings.CurrentGame = gameId;
    StoreSettings({"CurrentGame"});
    m_gameNameId = ::GameNameId(gameId);
    m_handNumber = handNumber;
    DealHand(m_window.get(), false);
}

void CGameApp::InstallGame(std::unique_ptr<CGame> game)
{
    HWND hwnd = m_window.get();
    if (!m_paused)
        SetPaused(hwnd, true);
    m_game.reset();
    m_window->RemoveAllTools();
    m_game = std::move(game);
    if (m_game)
        SetStatisticsSubkey(m_game->Subkey());
    m_handOver = false;
    hwnd->Invalidate(nullptr, true);
    hwnd->UpdateWindow();
    SetPaused(hwnd, false);
}

void CGameApp::EndHand(EndReason reason)
{
    if (m_handOver)  // a hand ends once
        return;
    ForgetSavedHand();
    HWND hwnd = m_window.get();
    m_handOver = true;
    SetPaused(hwnd, true);
    if (!m_game)
        return;
    m_game->HandOver();
    // Statistics, the high-score check and the Game Over dialog; the command
    // the player chose replaces the game once the game's handler has returned.
    // A hand in which a hint was shown does not enter the high-score table.
    const std::optional<HuntSummary> hunt = m_game->SummariseHunt();
    const int command = FinishHand(hwnd, reason, m_game->GetScore(), m_game->GetScorePossible(), m_gameNameId,
                                   !m_game->HintWasShown(), hunt ? &*hunt : nullptr);
    if (command != 0)
        hwnd->PostCommand(command, 0);
}

std::string CGameApp::BaseTitle() const
{
    std::string title = ResString(kStrAppTitle);
    if (m_gameNameId != 0)
        title += std::string(" - ") + ResString(m_gameNameId);
    return title;
}

void CGameApp::SetPaused(HWND hwnd, bool on)
{
    if (!hwnd)
        hwnd = m_window.get();
    if (on) {
        // Built from the base title each time, so the suffix never doubles.
        hwnd->SetTitle(BaseTitle() + " - " + ResString(m_handOver ? kStrGameOver : kStrPaused));
        if (!m_paused) {
            m_paused = true;
            hwnd->KillTimer(kClockTimerId);
            if (m_game) {
                CHandlerScope scope(m_gameHandlers);
                m_game->Pause(true);
            }
        }
        return;
    }
    hwnd->SetTitle(BaseTitle());
    if (m_paused) {
        m_paused = false;
        hwnd->SetTimer(kClockTimerId, kClockPeriodMs);
        if (m_game) {
            CHandlerScope scope(m_gameHandlers);
            m_game->Pause(false);
        }
    }
}

template <class F>
void CGameApp::WhilePaused(F&& run)
{
    HWND hwnd = m_window.get();
    if (!m_paused)
        SetPaused(hwnd, true);
    run();
    if (!m_handOver)
        SetPaused(hwnd, false);
}

// The player's own copy of the word lists is read on a second thread while
// the window is made and first painted; only the shipped list's first use
// (which writes that copy, and may have to say it failed) stays with
// LoadDictionary. The pictures the first game draws with are decoded there
// too.
void CGameApp::StartPreloading()
{
    if (m_preload.valid() || m_dictionary->IsLoaded())
        return;
    std::vector<unsigned> bitmaps{BackgroundPatternBitmapId()};
    for (const CTileDesign& design : CTileSet::kDesigns)
        if (design.id == g_Settings.LetterTileDesign)
            bitmaps.push_back(design.bitmapId);
    CDictionary* dictionary = m_dictionary.get();
    m_preload = std::async(std::launch::async, [dictionary, bitmaps] {
        // As LoadWordLists does when the player's copy is there.
        if (dictionary->LoadList("modified.lst"))
            dictionary->LoadList("custom.lst");
        for (unsigned id : bitmaps)
            if (id != 0)
                CBitmap::DecodeResource(id);
    });
}

CDictionary* CGameApp::LoadedSoFar()
{
    if (m_preload.valid())
        m_preload.get();
    return m_dictionary.get();
}

bool CGameApp::LoadDictionary(HWND hwnd)
{
    if (LoadedSoFar()->IsLoaded())  // usually by the start-up work
        return true;
    CProgressDialog progress(434, 434);
    progress.Create(hwnd);
    const bool loaded = LoadedSoFar()->LoadWordLists(&progress);  // shows the error box itself
    progress.Destroy();
    return loaded;
}

bool CGameApp::LoadQuotations(HWND hwnd)
{
    if (m_quotes->IsOpen())
        return true;
    if (m_quotes->Load(CQuoteList::kFileName))
        return true;
    if (!hwnd)
        hwnd = m_window.get();
    if (hwnd)
        hwnd->MessageBox(ResString(kStrQuotationsLoadFailed), ResString(kStrErrorCaption), MB_OK | MB_ICONERROR);
    return false;
}

void CGameApp::StorePlacement()
{
    if (!m_window)
        return;
    const WindowPlacement p = m_window->GetPlacement();
    g_Settings.Left = p.normal.left;
    g_Settings.Top = p.normal.top;
    g_Settings.Width = p.normal.Width();
    g_Settings.Height = p.normal.Height();
    g_Settings.MinMax = p.maximized ? 2 : 0;
    SaveSettings();
}

unsigned CGameApp::GetNextInstruction(unsigned currentId, int* seconds)
{
    if (!m_game) {
        if (seconds)
            *seconds = 0;
        return 0;
    }
    return m_game->GetNextInstruction(currentId, seconds);
}

CStr CGameApp::CopyCurrentWord() const { return m_game ? m_game->CopyCurrentWord() : CStr(); }

// ---------------------------------------------------------------------------
// The window procedure

void CGameApp::OnClose()
{
    KeepHand(true);
    StorePlacement();
}

void CGameApp::OnEndSession()
{
    KeepHand(true);
    StorePlacement();
}

void CGameApp::KeepHand(bool always)
{
    if (!m_game || m_handOver || m_game->GetGameId() == 0 || !g_Settings.ContinueHand)
        return;
    // A drag under way is kept when it lands: saving now would put its tiles back.
    if (!always && (m_game->Changes() == m_keptChanges || m_game->IsDragging()))
        return;
    CHandlerScope scope(m_gameHandlers);
    KeepSavedHand(m_game->Save());
    m_keptChanges = m_game->Changes();
}

void CGameApp::Restart()
{
    HWND hwnd = m_window.get();
    KeepHand(true);
    if (!m_paused)
        SetPaused(hwnd, true);
    m_game.reset();
    m_window->RemoveAllTools();
    m_handOver = false;
    if (!ResumeHand(hwnd))
        StartHand(hwnd, StartMode::NewHand);
}

bool CGameApp::ResumeHand(HWND hwnd)
{
    const std::string closed = TakeSavedHand();
    if (closed.empty() || !g_Settings.ContinueHand)
        return false;
    int gameId = 0;
    std::string body, why;
    const GameDescriptor* row = nullptr;
    if (CHandRecord::Open(closed, 0, body, why, &gameId)) {
        row = FindGameDescriptor(gameId);
        if (!row)
            why = "a saved hand of game " + std::to_string(gameId) + ", which is not one of the games";
    }
    if (row) {
        g_Settings.CurrentGame = gameId;
        StoreSettings({"CurrentGame"});
        m_gameNameId = ::GameNameId(gameId);
        m_game.reset();
        m_window->RemoveAllTools();
        CreateGame(hwnd);
        if (!m_game)
            why = "its game could not be made";
        else if (CHandlerScope scope(m_gameHandlers); !m_game->Load(closed, why))
            m_game.reset();
    }
    if (!m_game) {
        std::fprintf(stderr, "glyphery: an unfinished hand was dropped: %s\n", why.c_str());
        return false;
    }
    SetStatisticsSubkey(m_game->Subkey());
    m_handNumber = m_game->HandNumber();
    m_handOver = false;
    hwnd->Invalidate(nullptr, true);
    hwnd->UpdateWindow();
    // A hand against time waits for the player, its clock where it stopped.
    SetPaused(hwnd, m_game->PlaysAgainstTime());
    KeepHand(true);
    return true;
}

void CGameApp::OnSize(int sizeType, int cx, int cy)
{
    if (m_game) {
        CHandlerScope scope(m_gameHandlers);
        m_game->Resize(sizeType, cx, cy);
    }
}

void CGameApp::OnEraseBackground(HDC dc)
{
    HWND hwnd = m_window.get();
    if (m_game) {
        CHandlerScope scope(m_gameHandlers);
        m_game->EraseBackground(dc);
        return;
    }
    // No game: the solid background colour.
    const RECT client = hwnd->GetClientRect();
    if (client.IsEmpty())
        return;
    const COLORREF c = static_cast<COLORREF>(g_Settings.BackgroundColor);
    const std::uint32_t argb = 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
                               (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
    // One row, repeated down the window.
    const std::vector<std::uint32_t> row(static_cast<std::size_t>(client.Width()), argb);
    hwnd->Present(row.data(), 0, client.Width(), client.Height(), client);
}

void CGameApp::OnPaint(HDC dc)
{
    if (m_game) {
        CHandlerScope scope(m_gameHandlers);
        m_game->Paint(dc);
    }
}

void CGameApp::OnTimer(unsigned id)
{
    if (m_game) {  // also while paused: the games' own timers keep running
        CHandlerScope scope(m_gameHandlers);
        m_game->Tick(id);
    }
}

void CGameApp::OnInitMenuPopup()
{
    m_window->EnableMenuItem(IDM_UNDO, m_game && m_game->CanUndo());
    m_window->EnableMenuItem(IDM_REDO, m_game && m_game->CanRedo());
    m_window->EnableMenuItem(IDM_HINT, m_game && m_game->HasHints() && !m_handOver);
}

void CGameApp::OnKeyDown(int vk)
{
    if (!AcceptsInput() || vk < 8 || vk > 104)
        return;
    CHandlerScope scope(m_gameHandlers);
    m_game->Key(vk);
    KeepHand();
}

void CGameApp::OnChar(int character)
{
    if (!AcceptsInput())
        return;
    // H asks for a hint where letters are not typed into the game.
    if ((character == 'h' || character == 'H') && !m_game->TakesTypedLetters()) {
        OnCommand(IDM_HINT, 0);
        return;
    }
    CHandlerScope scope(m_gameHandlers);
    m_game->Char(character);
    KeepHand();
}

void CGameApp::OnMouse(MouseMessage message, int x, int y, unsigned keyFlags)
{
    // The tooltip control has seen the message already (the window relays it).
    if (!AcceptsInput())
        return;
    CHandlerScope scope(m_gameHandlers);
    m_game->Mouse(message, x, y, keyFlags);
    KeepHand();
}

void CGameApp::OnIdle()
{
    if (m_game)
        m_game->OnIdle();
}

int CGameApp::OnCommand(int id, int code)
{
    HWND hwnd = m_window.get();
    switch (id) {
    case IDM_NEWHAND:
    case IDM_REPLAY:
    case IDM_CHOOSEGAME:
        // Sent from inside a game's own handler: the game must outlive it.
        if (m_gameHandlers > 0) {
            hwnd->PostCommand(id, code);
            return 1;
        }
        break;
    default:
        break;
    }

    switch (id) {
    case IDM_NEWHAND:
        StartHand(hwnd, StartMode::NewHand);
        return 1;
    case IDM_REPLAY: {
        if (!m_paused)
            SetPaused(hwnd, true);
        if (RunReplayHandDialog(hwnd, m_handNumber) == 1)
            StartHand(hwnd, StartMode::ReplayHand);
        else if (!m_handOver)
            SetPaused(hwnd, false);
        return 1;
    }
    case IDM_CHOOSEGAME:
        StartHand(hwnd, StartMode::ChooseGame);
        return 1;
    case IDM_UNDO:
        WhilePaused([&] {
            if (m_game && m_game->CanUndo()) {  // the games without undo never see it
                CHandlerScope scope(m_gameHandlers);
                m_game->TakeBack();
                KeepHand();
            }
        });
        return 1;
    case IDM_REDO:
        WhilePaused([&] {
            if (m_game && m_game->CanRedo()) {
                CHandlerScope scope(m_gameHandlers);
                m_game->TakeForward();
                KeepHand();
            }
        });
        return 1;
    case IDM_HINT:
        if (m_game && !m_handOver && !m_paused) {
            CHandlerScope scope(m_gameHandlers);
            m_game->Hint();
            KeepHand();
        }
        return 1;
    case IDM_PAUSE:
        if (!m_handOver)
            SetPaused(hwnd, !m_paused);
        return 1;
    case IDM_DICTIONARY:
        WhilePaused([&] {
            RunDictionaryDialog(hwnd, *LoadedSoFar(), CopyCurrentWord().str(),
                                [this, hwnd] { return LoadDictionary(hwnd); },
                                [this, hwnd] {
                                    // The word being spelled may have become a word, or stopped being one.
                                    if (m_game && !m_handOver) {
                                        CHandlerScope scope(m_gameHandlers);
                                        m_game->Refresh();
                                    }
                                });
        });
        return 1;
    case IDM_HIGHSCORES:
        WhilePaused([&] { RunHighScoreDialog(hwnd, false, 0, m_gameNameId); });
        return 1;
    case IDM_STATISTICS:
        WhilePaused([&] { ShowStatisticsDialog(hwnd, m_gameNameId); });
        return 1;
    case IDM_OPTIONS:
        WhilePaused([&] {
            if (RunOptionsDialog(hwnd) == kOptionsChanged && m_game) {
                CHandlerScope scope(m_gameHandlers);
                m_game->ApplySettings();
            }
        });
        return 1;
    case IDM_QUIT:
        hwnd->PostClose();
        return 1;
    case IDM_HELP:
    case IDM_WEBSITE:
        OpenHelpPage(id == IDM_HELP);
        return 1;
    case IDM_HOWTOPLAY:
        WhilePaused([&] {
            RunRulesDialog(hwnd, [this](unsigned current, int& seconds) {
                return GetNextInstruction(current, &seconds);
            });
        });
        return 1;
    case IDM_ABOUT:
        WhilePaused([&] { RunAboutDialog(hwnd); });
        return 1;
    default:
        break;
    }
    return 0;
}

// "Help With Glyphery" shows the help page that ships beside the program, in
// the program's own help window, at the current game's section. "Go To Web
// Site" opens the project's home page in the player's browser, and the help
// page at its top when no browser can be started.
void CGameApp::OpenHelpPage(bool atGame)
{
    if (!atGame && OpenDocument(GLYPHERY_HOMEPAGE))
        return;
    ShowGameHelp(m_window.get(), atGame && m_game ? g_Settings.CurrentGame : 0);
}
