#pragma once
// What the tests share: recording window hosts, window procedures and shells,
// the sounds asked for, synthetic tile sheets whose pixels say which cell (and
// spot) they came from, scratch files, and driving modal dialogs.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <sqlite3.h>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "app/Settings.h"
#include "framework/Bitmap.h"
#include "framework/Files.h"
#include "framework/Game.h"
#include "framework/Shell.h"
#include "framework/Sound.h"
#include "framework/TileSet.h"
#include "framework/Window.h"
#include "platform/MainWindow.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace testsupport {

// What the tests' own games are made with: the row of a game 9 without
// dictionary or quotations.
inline constexpr InstructionLine kTestHowToPlay[] = {{226, 60}};
inline constexpr GameDescriptor kTestGameRow = {9, "Generic", 0, GameNeeds::Nothing, kTestHowToPlay, nullptr};
// The game is shown in the shell's main window (the TestShell's, or the application's).
inline CGameContext TestGameContext(CDictionary* dictionary = nullptr)
{
    return CGameContext{dictionary, nullptr, &kTestGameRow, Shell().MainWindow(), &Shell(), &g_Settings};
}

// ---- Window and shell

// A window host without a screen of its own.
class TestWindow : public CWindow {
public:
    explicit TestWindow(int width = 640, int height = 480)
        : client{0, 0, width, height}, screen(static_cast<size_t>(width * height), 0)
    {
    }

    RECT GetClientRect() const override { return client; }
    int GetColorDepth() const override { return colorDepth; }
    void Invalidate(const RECT*, bool) override {}
    void UpdateWindow() override {}
    void Present(const std::uint32_t* pixels, int stride, int width, int height, const RECT& rect) override
    {
        ++presents;
        presented.push_back(rect);
        for (int y = std::max(rect.top, 0); y < std::min({rect.bottom, height, client.bottom}); ++y)
            for (int x = std::max(rect.left, 0); x < std::min({rect.right, width, client.right}); ++x)
                screen[static_cast<size_t>(y * client.right + x)] =
                    pixels[static_cast<size_t>(y) * static_cast<size_t>(stride / 4) + static_cast<size_t>(x)];
    }
    void Sleep(int ms) override
    {
        sleeps.push_back(ms);
        presentsAtSleep.push_back(presents);
        if (onSleep)
            onSleep();
    }
    void SetTimer(unsigned, unsigned) override {}
    void KillTimer(unsigned) override {}
    void SetCapture() override { captured = true; }
    void ReleaseCapture() override { captured = false; }
    std::string GetTitle() const override { return title; }
    void SetTitle(const std::string& t) override { title = t; }
    int SendCommand(int id, int) override
    {
        sentCommands.push_back(id);
        return 0;
    }
    void PostCommand(int, int) override {}
    void PostClose() override {}
    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override
    {
        boxes.push_back({text, caption, style});
        return IDOK;
    }
    void AddTool(unsigned id, const RECT&, const std::string& text) override { tools[id] = text; }
    void RemoveTool(unsigned id) override { tools.erase(id); }
    void RemoveAllTools() override { tools.clear(); }
    void ActivateTools(bool active) override { toolsActive = active; }

    // A new client size, with a blank screen.
    void Resize(int width, int height)
    {
        client = RECT{0, 0, width, height};
        screen.assign(static_cast<size_t>(width * height), 0);
    }
    // The presented colour at (x, y) as a COLORREF.
    COLORREF ScreenPixel(int x, int y) const
    {
        const std::uint32_t p = screen[static_cast<size_t>(y * client.right + x)];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

    struct Box {
        std::string text, caption;
        unsigned style;
    };
    RECT client;
    int colorDepth = 32;
    std::vector<std::uint32_t> screen;
    int presents = 0;
    std::vector<RECT> presented;
    std::vector<int> sleeps;
    std::function<void()> onSleep;  // a flight's every step, seen on the screen
    std::vector<int> presentsAtSleep;
    bool captured = false;
    std::string title;
    std::vector<int> sentCommands;
    std::vector<Box> boxes;
    std::map<unsigned, std::string> tools;
    bool toolsActive = false;
};

// Installs itself as the shell for the life of the object.
class TestShell : public CGameShell {
public:
    explicit TestShell(HWND window = nullptr) : window(window) { SetShell(this); }
    ~TestShell() override { SetShell(nullptr); }
    void EndHand(EndReason reason) override
    {
        endReasons.push_back(reason);
        over = true;
    }
    bool IsHandOver() const override { return over; }
    HWND MainWindow() const override { return window; }

    HWND window;
    std::vector<int> endReasons;
    bool over = false;
};

// A window procedure that writes down every message, and paints the client
// area in one colour.
class RecordingProc final : public CWindowProc {
public:
    std::vector<std::string> log;
    CWindow* window = nullptr;
    std::uint32_t paintColour = 0xFF336699;

    void OnClose() override { log.push_back("close"); }
    void OnEndSession() override { log.push_back("endsession"); }
    void OnSize(int, int cx, int cy) override { log.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy)); }
    void OnEraseBackground(HDC) override { log.push_back("erase"); }
    void OnPaint(HDC) override
    {
        log.push_back("paint");
        if (!window)
            return;
        const RECT r = window->GetClientRect();
        std::vector<std::uint32_t> pixels(static_cast<size_t>(r.Width() * r.Height()), paintColour);
        window->Present(pixels.data(), r.Width() * 4, r.Width(), r.Height(), r);
    }
    void OnTimer(unsigned id) override { log.push_back("timer " + std::to_string(id)); }
    void OnInitMenuPopup() override { log.push_back("initmenu"); }
    void OnKeyDown(int vk) override { log.push_back("key " + std::to_string(vk)); }
    void OnChar(int c) override { log.push_back("char " + std::to_string(c)); }
    void OnMouse(MouseMessage m, int x, int y, unsigned flags) override
    {
        static const char* names[] = {"move", "ldown", "lup", "ldbl", "rdown", "rup", "rdbl"};
        log.push_back(std::string(names[static_cast<int>(m)]) + " " + std::to_string(x) + "," + std::to_string(y) +
                      " f" + std::to_string(flags));
    }
    int OnCommand(int id, int code) override
    {
        log.push_back("command " + std::to_string(id) + " " + std::to_string(code));
        return 1;
    }
    void OnIdle() override {}

    bool Has(const std::string& entry) const { return std::find(log.begin(), log.end(), entry) != log.end(); }
};

// A shell whose main window is a TestWindow, for code that shows message boxes.
struct TestShellWithWindow {
    TestWindow window;
    TestShell shell{&window};
};

// Keeps the settings a test changes from leaking into the next.
class SettingsGuard {
public:
    SettingsGuard() : saved(g_Settings) {}
    ~SettingsGuard() { g_Settings = saved; }
    CSettings saved;
};

// ---- Sounds

// The sounds asked for while a SoundRecording lives (played or not).
inline std::vector<unsigned>& Sounds()
{
    static std::vector<unsigned> sounds;
    return sounds;
}

struct SoundRecording {
    SoundRecording()
    {
        Sounds().clear();
        SetSoundObserver([](unsigned id) { Sounds().push_back(id); });
    }
    ~SoundRecording() { SetSoundObserver(nullptr); }
};

// ---- Synthetic tile sheets

// The colour of a synthetic sheet pixel: the cell in red, the spot in the
// cell in green and blue (never magenta, never the cell border).
inline COLORREF SheetColour(int cell, int dx, int dy) { return RGB(cell * 4, dx * 3 + 1, dy * 3 + 1); }

// A sheet of `cell`-pixel cells, 13 to a row. Each cell has a transparent
// (magenta) border `border` pixels wide; the frame-piece cell ':' has none.
inline CBitmap MakeTestSheet(int cell = 64, int border = 4)
{
    CBitmap sheet(13 * cell, (CTileSet::kCellCount + 12) / 13 * cell, kMagenta);
    for (int k = 0; k < CTileSet::kCellCount; ++k) {
        const int b = CTileSet::kCellCodes[k] == ':' ? 0 : border;
        for (int dy = b; dy < cell - b; ++dy)
            for (int dx = b; dx < cell - b; ++dx)
                sheet.SetPixel(k % 13 * cell + dx, k / 13 * cell + dy, SheetColour(k, dx, dy));
    }
    return sheet;
}

// Stands synthetic sheets in for the four tile designs while it lives.
class TestSheets {
public:
    explicit TestSheets(int cell = 64)
    {
        const CBitmap sheet = MakeTestSheet(cell);
        for (const CTileDesign& d : CTileSet::kDesigns)
            CBitmap::OverrideResource(d.bitmapId, sheet);
    }
    ~TestSheets()
    {
        for (const CTileDesign& d : CTileSet::kDesigns)
            CBitmap::OverrideResource(d.bitmapId, CBitmap());
    }
};

// A game played on a TestWindow with synthetic sheets, silent, its sounds
// recorded, the settings restored afterwards.
struct GameTestBase : ::testing::Test {
    SettingsGuard settings;
    TestSheets sheets;
    TestWindow window{640, 640};
    TestShell shell{&window};
    SoundRecording sounds;

    GameTestBase() { g_Settings.Sound = 0; }
    // Lays the game out for a window of this size and paints it.
    void Show(CGame& game, int width = 640, int height = 640)
    {
        window.Resize(width, height);
        game.Resize(SIZE_RESTORED, width, height);
        game.EraseBackground(nullptr);
        game.Paint(nullptr);
    }
};

// Waits up to ten seconds for the sound player to fall silent.
inline bool WaitUntilQuiet()
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (IsSoundPlaying() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return !IsSoundPlaying();
}

// ---- Files

// What SQLite's integrity check says of the store file at `path`.
inline std::string StoreIntegrity(const std::string& path)
{
    sqlite3* db = nullptr;
    sqlite3_stmt* q = nullptr;
    std::string result = "cannot open";
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &q, nullptr) == SQLITE_OK && sqlite3_step(q) == SQLITE_ROW)
        result = reinterpret_cast<const char*>(sqlite3_column_text(q, 0));
    sqlite3_finalize(q);
    sqlite3_close(db);
    return result;
}

// Bytes in and out of a file.
inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A folder of scratch files inside the test's own data folder.
inline std::string ScratchDir()
{
    const std::string dir = UserDataDir() + "/scratch";
    std::filesystem::create_directories(dir);
    return dir;
}

inline std::string ScratchPath(const std::string& name) { return ScratchDir() + "/" + name; }

inline std::vector<std::string> FilesIn(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    return names;
}

// Word-list text: every word followed by CR LF.
inline std::string ListText(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& w : words)
        text += w + "\r\n";
    return text;
}

// Empties the player's data folder, where the word lists are read and written.
inline void ClearUserData()
{
    std::error_code ec;
    std::filesystem::remove_all(UserDataDir(), ec);
    std::filesystem::create_directories(UserDataDir(), ec);
}

// The player's word list, as the program reads it at start-up.
inline void WritePlayersWords(const std::vector<std::string>& words)
{
    ClearUserData();
    WriteBytes(UserDataDir() + "/modified.lst", ListText(words));
}

// ---- Modal dialogs

// WhenModal actions scheduled and not yet run, and the round (test) they belong to.
inline int g_unrunModalActions = 0;
inline int g_modalRound = 0;

// Runs `action` with the active modal dialog as soon as the event loop of the
// next exec() is running, skipping `previous` (a dialog already open).
// Schedule it before the call that opens the dialog.
inline void WhenModal(std::function<void(QWidget*)> action, QWidget* previous = nullptr)
{
    ++g_unrunModalActions;
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, poll, previous, round = g_modalRound] {
        if (round != g_modalRound) {  // its test is over
            *poll = nullptr;
            return;
        }
        if (QWidget* w = QApplication::activeModalWidget(); w && w != previous && w->isVisible()) {
            --g_unrunModalActions;
            action(w);
            *poll = nullptr;  // break the cycle
            return;
        }
        QTimer::singleShot(0, *poll);
    };
    QTimer::singleShot(0, *poll);
}

// Every dialog a test waited for really opened: no action is left unrun. The
// actions left are dropped, so they never touch a later test's dialogs.
inline void ExpectEveryDialogOpened()
{
    EXPECT_EQ(g_unrunModalActions, 0) << "a dialog the test waited for never opened";
    g_unrunModalActions = 0;
    ++g_modalRound;
}

template <class T>
T* Child(QWidget* dialog, const char* name)
{
    return dialog->findChild<T*>(QString::fromLatin1(name));
}

inline void Click(QWidget* dialog, const char* buttonName)
{
    if (auto* b = Child<QAbstractButton>(dialog, buttonName))
        b->click();
}

}  // namespace testsupport
