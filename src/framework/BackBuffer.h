#pragma once
// CBackBuffer: the off-screen surface every game draws into. It is opened
// around each drawing episode (a paint, a click's redraw, a clock tick);
// everything drawn since then is collected in a dirty rectangle, and only
// that rectangle is handed to the window when the buffer is flushed or closed.
#include <memory>
#include <string>

#include "framework/Bitmap.h"
#include "framework/Window.h"

// Text layout flags for DrawText (the values the game code has always used).
enum : unsigned {
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
};

// No text on the table is drawn smaller than this many pixels high; a part
// whose text would need less shows what fits (a word list its newest words).
inline constexpr int kReadableTextPixels = 10;
inline constexpr int kReadableTextPoints = 8;  // 10.7 pixels at 96 per inch

class CBackBuffer {
public:
    struct Impl;

    CBackBuffer();
    ~CBackBuffer();
    CBackBuffer(const CBackBuffer&) = delete;
    CBackBuffer& operator=(const CBackBuffer&) = delete;

    // Colours: text, the second colour, and the background behind everything.
    void SetColors(COLORREF text, COLORREF second, COLORREF back);
    COLORREF TextColor() const;
    COLORREF SecondColor() const;
    COLORREF BackColor() const;
    void SetTextColor(COLORREF colour);
    void SetFillOnOpen(bool fill);

    // Opening remembers the window; the surface is created at the client size
    // the first time. The dirty rectangle is empty after every flush.
    bool Open(HWND hwnd, HDC hdc = nullptr);
    void Close(const RECT* rect = nullptr);
    // Hands the rectangle (or everything dirty) to the window at once.
    void Flush(const RECT* rect = nullptr);
    bool IsOpen() const;
    HWND Window() const;
    void Resize(HWND hwnd, int width, int height);
    int Width() const;   // -1 before the surface exists
    int Height() const;
    RECT DirtyRect() const;  // inside out (empty) when nothing is dirty
    void MarkDirty(const RECT& rect);

    // Background: the pattern tiled on its own grid, or the solid colour.
    void FillBackground(const RECT* rect = nullptr);
    void FillBackground(int x, int y, int w, int h);
    void SetPattern(unsigned bitmapId);
    bool HasPattern() const;

    // Copies part of a bitmap. Pixels of the transparent colour leave the
    // destination untouched; with `negative` every other pixel is drawn as the
    // colour-inverse of the source.
    void DrawBitmap(const CBitmap& bitmap, int x, int y, int w, int h, int srcX, int srcY,
                    COLORREF transparent, bool negative);
    void DrawBitmapOpaque(const CBitmap& bitmap, int x, int y, int w, int h, int srcX, int srcY);

    // Text in the text colour on a transparent background. Returns the height
    // of the text; with DT_CALCRECT nothing is drawn and `rect` gets the
    // bottom (and, for single lines, the right) of the text.
    int DrawText(const char* text, RECT& rect, const CFont& font, unsigned format);
    int DrawTextWrapped(const char* text, const RECT& rect, const CFont& font);
    int MeasureTextWrapped(const char* text, const RECT& rect, const CFont& font);
    int MeasureTextWidth(const char* text, const CFont& font);  // one line
    // The height in pixels of the smallest font text was drawn in since the
    // last Forget (0: none drawn), so a check can see that every text stays
    // readable (kReadableTextPixels).
    int SmallestTextDrawn() const;
    void ForgetSmallestText();
    // Points are converted at 96 pixels per inch; style bits kFontBold etc.
    CFont CreateFont(int points, const char* face, unsigned style, unsigned pitchAndFamily = 0x20);

    void FillRect(const RECT& rect, COLORREF colour);
    CBitmap CopyArea(int x, int y, int w, int h) const;
    COLORREF GetPixel(int x, int y) const;

    Impl* impl() const { return m_impl.get(); }

private:
    std::unique_ptr<Impl> m_impl;
};
