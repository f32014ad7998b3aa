#pragma once
// The program's one top-level window, as the shell sees it: a CWindow plus
// the menu, the accelerators, the placement and the message loop. The shell
// receives the window's messages through CWindowProc. This header is free of
// Qt; the window itself is a QMainWindow (QtMainWindow.h).
#include <memory>
#include <string>
#include <vector>

#include "framework/Window.h"


// The window procedure: what the window hands to its owner, one call per message.
class CWindowProc {
public:
    virtual ~CWindowProc() = default;
    virtual void OnClose() = 0;       // the window is about to close (placement still readable)
    virtual void OnEndSession() = 0;  // the desktop session ends
    virtual void OnSize(int sizeType, int cx, int cy) = 0;
    virtual void OnEraseBackground(HDC dc) = 0;
    virtual void OnPaint(HDC dc) = 0;
    virtual void OnTimer(unsigned id) = 0;
    virtual void OnInitMenuPopup() = 0;
    virtual void OnKeyDown(int virtualKey) = 0;
    virtual void OnChar(int character) = 0;
    virtual void OnMouse(MouseMessage message, int x, int y, unsigned keyFlags) = 0;
    virtual int OnCommand(int id, int code) = 0;
    virtual void OnIdle() = 0;
};

// Menu resource: pop-ups of items; an item with id 0 is a separator.
struct MenuItem {
    int id;
    const char* text;  // "&New Hand\tCtrl+N": the part after the tab is shown right-aligned
    bool grayed;
};
struct MenuPopup {
    const char* title;
    std::vector<MenuItem> items;
};

// Accelerator table entry: a virtual-key code with modifiers, and the command it sends.
enum : unsigned { ACCEL_CONTROL = 0x1, ACCEL_ALT = 0x2, ACCEL_SHIFT = 0x4 };
struct Accelerator {
    int virtualKey;
    unsigned modifiers;
    int command;
};

struct WindowPlacement {
    RECT normal;  // the restored (not maximized) rectangle
    bool maximized = false;
};

class CMainWindow : public CWindow {
public:
    // `normal` is the window rectangle (left, top, right, bottom) it opens with.
    static std::unique_ptr<CMainWindow> Create(CWindowProc& proc, const std::string& title, const RECT& normal);

    virtual void SetMenu(const std::vector<MenuPopup>& menu) = 0;
    virtual void EnableMenuItem(int id, bool enabled) = 0;
    virtual void SetAccelerators(const std::vector<Accelerator>& table) = 0;
    // The accelerator table applied to one key press; true when it sent a command.
    virtual bool TranslateAccelerator(int virtualKey, unsigned modifiers) = 0;

    virtual void Show(bool maximized) = 0;
    virtual WindowPlacement GetPlacement() const = 0;
    virtual void SetClientSize(int width, int height) = 0;
    // Runs the message loop until the window has closed; returns the quit code.
    virtual int RunMessageLoop() = 0;
    // Delivers what is queued (posted commands, pending paints) without waiting.
    virtual void ProcessPending() = 0;
    virtual bool IsClosed() const = 0;

    // Scripted time, for the driver and tests: timers stop following the real
    // clock and fire only when the clock is advanced; Sleep returns at once.
    virtual void UseManualClock() = 0;
    virtual void AdvanceClock(int milliseconds) = 0;
    virtual bool FireTimer(unsigned id) = 0;  // false when no such timer is set
    virtual bool IsTimerSet(unsigned id) const = 0;
    virtual unsigned TimerPeriod(unsigned id) const = 0;  // 0 when not set
    // On scripted time: the milliseconds animations paused for (Sleep) so far.
    virtual long long AnimationTime() const = 0;
    // For the driver: this many input events count as waiting (InputWaiting).
    virtual void SetScriptedInputWaiting(int events) = 0;

    // The tooltip text currently shown (empty when none).
    virtual std::string ShownTooltip() const = 0;
    // Counts Present calls made outside painting (flights and direct redraws).
    virtual int DirectPresentCount() const = 0;
    // Saves a picture of the whole window (menu included) or only the client area.
    virtual bool SaveScreenshot(const std::string& path, bool clientOnly) const = 0;
};

// Windows created from now on start on scripted time (see UseManualClock).
void UseManualClockForNewWindows(bool on);

// Screen and desktop.
int ScreenWidth();
int ScreenHeight();
int IconSize();  // width and height of a large icon
// Opens a file or URL with the desktop's default handler; false on failure.
bool OpenDocument(const std::string& pathOrUrl);
// For the driver and tests: record what would be opened instead of opening it.
void SetDocumentOpener(bool (*opener)(const std::string& pathOrUrl));
