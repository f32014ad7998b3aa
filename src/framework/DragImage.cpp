#include "framework/DragImage.h"

#include "framework/BackBuffer.h"

void CDragImage::BeginImage(CBackBuffer& buffer, int w, int h)
{
    buffer.Flush();
    m_w = w;
    m_h = h;
    m_image = CBitmap();
    // The tiles are drawn into the buffer's corner over the transparent colour.
    m_saved = buffer.CopyArea(0, 0, w, h);
    buffer.FillRect(RECT{0, 0, w, h}, kMagenta);
}

void CDragImage::EndImage(CBackBuffer& buffer, COLORREF transparent)
{
    m_image = buffer.CopyArea(0, 0, m_w, m_h);
    if (!m_saved.IsNull())
        buffer.DrawBitmapOpaque(m_saved, 0, 0, m_w, m_h, 0, 0);
    m_saved = CBitmap();
    m_transparent = transparent;
}

void CDragImage::Show(CBackBuffer& buffer)
{
    if (m_image.IsNull() || m_shown)
        return;
    m_under = buffer.CopyArea(m_x, m_y, m_w, m_h);
    buffer.DrawBitmap(m_image, m_x, m_y, m_w, m_h, 0, 0, m_transparent, false);
    m_shown = true;
}

void CDragImage::Hide(CBackBuffer& buffer)
{
    if (!m_shown)
        return;
    buffer.DrawBitmapOpaque(m_under, m_x, m_y, m_w, m_h, 0, 0);
    m_under = CBitmap();
    m_shown = false;
}

void CDragImage::MoveTo(CBackBuffer& buffer, int x, int y)
{
    Hide(buffer);
    m_x = x;
    m_y = y;
    Show(buffer);
}

void CDragImage::Fly(CBackBuffer& buffer, int fromX, int fromY, int toX, int toY, int steps, int pauseMs)
{
    if (!m_shown) {
        m_x = fromX;
        m_y = fromY;
    }
    if (steps < 1)
        steps = 1;
    for (int i = 0; i <= steps; ++i) {
        // The player's next key or click is already waiting: the tiles land
        // at once rather than hold it up (the move itself is the same).
        if (HWND hwnd = buffer.Window(); i < steps && hwnd && hwnd->InputWaiting())
            i = steps;
        MoveTo(buffer, fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps);
        // Every step goes to the screen at once: the event loop is not running.
        buffer.Flush();
        if (HWND hwnd = buffer.Window(); hwnd && pauseMs > 0)
            hwnd->Sleep(pauseMs);
    }
}

void CDragImage::Clear()
{
    m_under = CBitmap();
    m_image = CBitmap();
    m_saved = CBitmap();
    m_x = m_y = m_w = m_h = 0;
    m_shown = false;
}
