#pragma once
// Bitmaps and fonts as the game code sees them: plain value handles whose
// pixels and faces live in the platform layer. Creating and releasing them is
// counted (see Debug.h).
#include <memory>

#include "framework/WinTypes.h"

// Passed as the transparent colour of a copy that has none.
inline constexpr COLORREF kNoTransparentColor = 0xFFFFFFFFu;

class CBitmap {
public:
    struct Impl;

    CBitmap();
    CBitmap(int width, int height, COLORREF fill = RGB(0, 0, 0));  // a blank bitmap
    CBitmap(const CBitmap& other);
    CBitmap(CBitmap&& other) noexcept;
    CBitmap& operator=(const CBitmap& other);
    CBitmap& operator=(CBitmap&& other) noexcept;
    ~CBitmap();

    // The embedded bitmap :/bitmaps/<id>.png; a null bitmap when there is none.
    // Each is decoded once per run.
    static CBitmap LoadResource(unsigned bitmapId);
    // Decodes the embedded bitmap now, on any thread, for a later LoadResource
    // (which waits for a decoding under way rather than starting its own).
    static void DecodeResource(unsigned bitmapId);
    // Tests and tools may stand in a bitmap for a resource id (a null bitmap removes it).
    static void OverrideResource(unsigned bitmapId, const CBitmap& bitmap);

    bool IsNull() const;
    int Width() const;
    int Height() const;
    COLORREF GetPixel(int x, int y) const;  // kNoTransparentColor outside the bitmap
    void SetPixel(int x, int y, COLORREF colour);
    void Fill(int x, int y, int w, int h, COLORREF colour);

    // A copy scaled to width x height in which every pixel of `transparent`
    // stays exactly that colour: the picture is filtered smoothly, the
    // transparent mask is sampled without filtering, then the two are combined.
    CBitmap ScaledKeepingColour(int width, int height, COLORREF transparent) const;

    Impl* impl() const { return m_impl.get(); }

private:
    std::unique_ptr<Impl> m_impl;
};

// Font style bits for CBackBuffer::CreateFont.
inline constexpr unsigned kFontBold = 0x1;
inline constexpr unsigned kFontItalic = 0x2;
inline constexpr unsigned kFontUnderline = 0x4;
inline constexpr unsigned kFontStrikeOut = 0x8;

class CFont {
public:
    struct Impl;

    CFont() = default;
    explicit CFont(std::shared_ptr<Impl> impl) : m_impl(std::move(impl)) {}
    bool IsNull() const { return !m_impl; }
    void Reset() { m_impl.reset(); }
    int PixelHeight() const;  // the character height in pixels
    Impl* impl() const { return m_impl.get(); }

private:
    std::shared_ptr<Impl> m_impl;
};
