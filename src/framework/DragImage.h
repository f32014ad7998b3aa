#pragma once
// CDragImage: the floating picture of tiles in the air. The caller draws the
// tiles at (0, 0) of the back buffer between BeginImage and EndImage; the
// image is then shown over the buffer, moved, and flown from place to place
// (each step handed to the window at once, so the flight is seen even though
// the event loop is not running).
#include "framework/Bitmap.h"

class CBackBuffer;

class CDragImage {
public:
    void BeginImage(CBackBuffer& buffer, int w, int h);
    void EndImage(CBackBuffer& buffer, COLORREF transparent);
    void Show(CBackBuffer& buffer);
    void Hide(CBackBuffer& buffer);
    void MoveTo(CBackBuffer& buffer, int x, int y);
    void Fly(CBackBuffer& buffer, int fromX, int fromY, int toX, int toY, int steps, int pauseMs);
    void Clear();

    bool IsShown() const { return m_shown; }
    // The table under the image was painted again: what the image saved of
    // it is stale, and the image is no longer on it (Show puts it back).
    void Forget()
    {
        m_under = CBitmap();
        m_shown = false;
    }
    bool HasImage() const { return !m_image.IsNull(); }
    int X() const { return m_x; }
    int Y() const { return m_y; }
    int Width() const { return m_w; }
    int Height() const { return m_h; }
    void SetPosition(int x, int y) { m_x = x; m_y = y; }

private:
    COLORREF m_transparent = kMagenta;
    CBitmap m_under;   // what lies under the shown image
    CBitmap m_image;
    CBitmap m_saved;   // the buffer's corner while the image is being drawn
    int m_x = 0;
    int m_y = 0;
    int m_w = -1;
    int m_h = -1;
    bool m_shown = false;
};
