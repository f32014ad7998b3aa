#pragma once
// The window host: everything the shell and the games need from the main window.
// The framework and the games see only this interface (HWND is a pointer to it);
// platform/ implements it on Qt.
#include <string>

#include "framework/WinTypes.h"

// Device contexts are opaque tokens here: drawing always goes through CBackBuffer.
// Handlers receive one to keep their signatures; it may be null.
struct CDeviceContext;
using HDC = CDeviceContext*;

// The mouse events the window passes on.
enum class MouseMessage { Move, LButtonDown, LButtonUp, LButtonDblClk, RButtonDown, RButtonUp, RButtonDblClk };

class CWindow {
public:
    virtual ~CWindow() = default;

    // Geometry and display.
    virtual RECT GetClientRect() const = 0;
    virtual int GetColorDepth() const = 0;  // bits per pixel x planes
    // Device pixels per logical pixel: the client area, drawing and the mouse
    // are in device pixels, so text is made this much larger.
    virtual double DevicePixelRatio() const { return 1.0; }

    // Painting. Invalidate queues a paint (optionally with erase); UpdateWindow
    // delivers a queued paint now. Present puts pixels on screen at once, even in
    // the middle of a handler (tile flights rely on it): `pixels` are 0xAARRGGBB,
    // `stride` is in bytes (0 repeats the first row all the way down), and only
    // `rect` (client coordinates) is copied.
    virtual void Invalidate(const RECT* rect, bool erase) = 0;
    virtual void UpdateWindow() = 0;
    virtual void Present(const std::uint32_t* pixels, int stride, int width, int height,
                         const RECT& rect) = 0;
    // Pause inside an animation: the picture stays up, no input is handled.
    virtual void Sleep(int milliseconds) = 0;
    // True when the player's next input (a key, a click) is already waiting:
    // an animation then ends at once instead of holding it up.
    virtual bool InputWaiting() const { return false; }
    // A brief visible sign that an action was refused, beside its sound (so
    // play works with the sound off).
    virtual void ShowRefusal() {}

    // Window timers by id (SetTimer / KillTimer semantics: setting an existing id
    // restarts it). Ticks arrive through the game's OnTimer.
    virtual void SetTimer(unsigned id, unsigned milliseconds) = 0;
    virtual void KillTimer(unsigned id) = 0;

    // Mouse capture.
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;

    // Title bar.
    virtual std::string GetTitle() const = 0;
    virtual void SetTitle(const std::string& title) = 0;

    // Commands: SendCommand runs the command now (re-entrant, like SendMessage);
    // PostCommand queues it behind the current handler (like PostMessage).
    virtual int SendCommand(int id, int code = 0) = 0;
    virtual void PostCommand(int id, int code = 0) = 0;
    virtual void PostClose() = 0;

    // A modal message box; returns IDOK, IDYES, IDNO...
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned style) = 0;

    // The one tooltip control of the window. Tools are rectangles in client
    // coordinates with a text; a tool id replaces the earlier tool of that id.
    virtual void AddTool(unsigned id, const RECT& rect, const std::string& text) = 0;
    virtual void RemoveTool(unsigned id) = 0;
    virtual void RemoveAllTools() = 0;
    virtual void ActivateTools(bool active) = 0;
};

using HWND = CWindow*;
