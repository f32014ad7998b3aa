#pragma once
// Test doubles for the framework: a window host that keeps what is presented
// as a screen of pixels, a shell that records how hands end, and synthetic
// tile sheets whose pixels say which cell (and which spot of it) they came from.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "framework/Bitmap.h"
#include "framework/Shell.h"
#include "framework/TileSet.h"
#include "framework/Window.h"

namespace frametest {

class TestWindow : public CWindow {
public:
    explicit TestWindow(int width = 640, int height = 480)
        : client{0, 0, width, height}, screen(static_cast<size_t>(width * height), 0)
    {
    }

    RECT GetClientRect() const override { return client; }
    int GetColorDepth() const override { return 32; }
    void Invalidate(const RECT*, bool erase) override { invalidated.push_back(erase); }
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
    }
    void SetTimer(unsigned id, unsigned ms) override { timers[id] = ms; }
    void KillTimer(unsigned id) override { timers.erase(id); }
    void SetCapture() override { captured = true; }
    void ReleaseCapture() override { captured = false; }
    std::string GetTitle() const override { return title; }
    void SetTitle(const std::string& t) override { title = t; }
    int SendCommand(int id, int) override
    {
        commands.push_back(id);
        return 0;
    }
    void PostCommand(int id, int) override { commands.push_back(id); }
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
    std::vector<std::uint32_t> screen;
    int presents = 0;
    std::vector<RECT> presented;
    std::vector<int> sleeps;
    std::vector<int> presentsAtSleep;
    std::vector<bool> invalidated;
    std::map<unsigned, unsigned> timers;
    bool captured = false;
    std::string title;
    std::vector<int> commands;
    std::vector<Box> boxes;
    std::map<unsigned, std::string> tools;
    bool toolsActive = false;
};

// Installs itself as the shell for the life of the object.
class TestShell : public CGameShell {
public:
    explicit TestShell(HWND window = nullptr) : window(window) { SetShell(this); }
    ~TestShell() override { SetShell(nullptr); }
    void EndHand(HWND, int reason) override
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

// The colour of a synthetic sheet pixel: the cell in red, the spot in the
// cell in green and blue (never magenta, never the cell border).
inline COLORREF SheetColour(int cell, int dx, int dy) { return RGB(cell * 4, dx * 3 + 1, dy * 3 + 1); }

// A 13 x 4 sheet of `cell`-pixel cells. Each cell has a transparent (magenta)
// border `border` pixels wide; the frame-piece cell ':' has none.
inline CBitmap MakeTestSheet(int cell = 64, int border = 4)
{
    CBitmap sheet(13 * cell, 4 * cell, kMagenta);
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

// Keeps the settings a test changes from leaking into the next.
class SettingsGuard {
public:
    SettingsGuard() : saved(g_Settings) {}
    ~SettingsGuard() { g_Settings = saved; }
    CSettings saved;
};

}  // namespace frametest
