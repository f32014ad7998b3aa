// CBackBuffer on a QImage (Format_RGB32) drawn with QPainter and plain pixel
// loops; flushing hands the dirty rectangle to the window. The main window
// shows presented parts straight from this image (see CScreenSource), so
// every change to the pixels first tells it where.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QString>
#include <QStringDecoder>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "framework/BackBuffer.h"
#include "framework/Debug.h"
#include "platform/QtDrawing.h"
#include "platform/QtMainWindow.h"

struct CBackBuffer::Impl : CScreenSource {
    HWND hwnd = nullptr;
    bool open = false;
    bool ownsDc = false;
    bool fillOnOpen = false;
    bool hasBrush = false;
    RECT dirty{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    COLORREF text = RGB(255, 255, 255);
    COLORREF second = RGB(255, 255, 255);
    COLORREF back = RGB(128, 0, 0);
    CBitmap pattern;
    int smallestText = 0;  // pixels; 0: no text drawn since forgotten

    RECT Client() const
    {
        if (hwnd)
            return hwnd->GetClientRect();
        return RECT{0, 0, image.width(), image.height()};
    }
    // Inside out: empty, and the union with the first rectangle drawn is that rectangle.
    void ResetDirty() { dirty = RECT{INT_MAX, INT_MAX, INT_MIN, INT_MIN}; }
    QRect Bounds(const RECT& r) const
    {
        if (r.IsEmpty())
            return QRect();
        return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top).intersected(image.rect());
    }
};

namespace {

// Table text is UTF-8; bytes that are not (an 8-bit file of old) read as Latin-1.
QString TableText(const char* text)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(QByteArrayView(text));
    return utf8.hasError() ? QString::fromLatin1(text) : decoded;
}
Qt::Alignment AlignmentFor(unsigned format)
{
    Qt::Alignment a = (format & DT_CENTER)  ? Qt::AlignHCenter
                      : (format & DT_RIGHT) ? Qt::AlignRight
                                            : Qt::AlignLeft;
    if (format & DT_SINGLELINE)
        a |= (format & DT_VCENTER) ? Qt::AlignVCenter : (format & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
    else
        a |= Qt::AlignTop;
    return a;
}

int TextFlags(unsigned format)
{
    int flags = static_cast<int>(AlignmentFor(format));
    if (format & DT_SINGLELINE)
        flags |= Qt::TextSingleLine;
    else if (format & DT_WORDBREAK)
        flags |= Qt::TextWordWrap;
    return flags;
}

constexpr QRgb kNoKey = 0xFF000000;  // matches no pixel once the alpha byte is masked off

// One row of DrawBitmap: every source pixel but the key colour, made opaque
// and xor-ed with `flip`; four at a time where the processor allows.
void CopyRow(const QRgb* s, QRgb* d, int n, QRgb key, QRgb flip)
{
    int col = 0;
#ifdef __SSE2__
    const __m128i rgb = _mm_set1_epi32(0xFFFFFF), keys = _mm_set1_epi32(static_cast<int>(key));
    const __m128i alpha = _mm_set1_epi32(static_cast<int>(0xFF000000u)), flips = _mm_set1_epi32(static_cast<int>(flip));
    for (; col + 4 <= n; col += 4) {
        const __m128i pixel = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + col)), rgb);
        const __m128i keep = _mm_cmpeq_epi32(pixel, keys);  // all ones where the destination stays
        const __m128i drawn = _mm_or_si128(_mm_xor_si128(pixel, flips), alpha);
        const __m128i old = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + col));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + col),
                         _mm_or_si128(_mm_and_si128(keep, old), _mm_andnot_si128(keep, drawn)));
    }
#endif
    for (; col < n; ++col) {
        const QRgb pixel = s[col] & 0xFFFFFF;
        if (pixel != key)
            d[col] = 0xFF000000 | (pixel ^ flip);
    }
}

// Text in `colour` with a one-pixel outline in black or white, whichever
// differs more from the colour, as a premultiplied image to lay over the
// table: the outline keeps the text readable on every background pattern
// and colour while it stays in the colour the player chose. `area` is where
// the text may show: the box when it clips. The text is laid out and
// rendered once, and the outline is its coverage grown by a pixel.
CFont::Impl::Rendered RenderOutlined(const QString& text, const QFont& font, const QRect& box, const QRect& area,
                                     bool clip, int flags, QRgb colour)
{
    CFont::Impl::Rendered result;
    if (area.isEmpty()) {
        result.height = QFontMetrics(font).boundingRect(box, flags, text).height();
        return result;
    }
    QImage coverage(area.size(), QImage::Format_Alpha8);
    coverage.fill(0);
    QRect drawn;
    {
        QPainter painter(&coverage);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.translate(-area.topLeft());
        if (clip)
            painter.setClipRect(box);
        painter.drawText(box, flags, text, &drawn);
    }
    result.height = drawn.height();
    const bool light = qRed(colour) * 299 + qGreen(colour) * 587 + qBlue(colour) * 114 >= 128000;
    const int edge = light ? 0 : 255;
    const int w = area.width(), h = area.height();
    QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
    int left = w, right = -1, top = h, bottom = -1;
    for (int y = 0; y < h; ++y) {
        const uchar* above = y > 0 ? coverage.constScanLine(y - 1) : nullptr;
        const uchar* here = coverage.constScanLine(y);
        const uchar* below = y + 1 < h ? coverage.constScanLine(y + 1) : nullptr;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int t = here[x];
            const int around = std::max({x > 0 ? here[x - 1] : 0, x + 1 < w ? here[x + 1] : 0, above ? above[x] : 0,
                                         below ? below[x] : 0});
            // The text over its outline, the outline at two thirds strength.
            const int o = around * 170 / 255 * (255 - t) / 255;
            const auto channel = [&](int c) { return (c * t + edge * o + 127) / 255; };
            out[x] = qRgba(channel(qRed(colour)), channel(qGreen(colour)), channel(qBlue(colour)), t + o);
            if (t + o) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
    }
    if (right >= 0) {
        result.image = image.copy(left, top, right - left + 1, bottom - top + 1);
        result.offset = area.topLeft() - box.topLeft() + QPoint(left, top);
    }
    return result;
}
}  // namespace

CBackBuffer::CBackBuffer() : m_impl(std::make_unique<Impl>()) {}

CBackBuffer::~CBackBuffer()
{
    if (!m_impl->image.isNull()) {
        ++DrawCounters().deleteDC;
        ++DrawCounters().deleteObject;
    }
    if (m_impl->hasBrush)
        ++DrawCounters().deleteObject;
}

void CBackBuffer::SetColors(COLORREF text, COLORREF second, COLORREF back)
{
    m_impl->text = text;
    m_impl->second = second;
    if (back != m_impl->back && m_impl->hasBrush) {
        m_impl->hasBrush = false;
        ++DrawCounters().deleteObject;
    }
    m_impl->back = back;
}

COLORREF CBackBuffer::TextColor() const { return m_impl->text; }
COLORREF CBackBuffer::SecondColor() const { return m_impl->second; }
COLORREF CBackBuffer::BackColor() const { return m_impl->back; }
void CBackBuffer::SetTextColor(COLORREF colour) { m_impl->text = colour; }
void CBackBuffer::SetFillOnOpen(bool fill) { m_impl->fillOnOpen = fill; }
bool CBackBuffer::IsOpen() const { return m_impl->open; }
HWND CBackBuffer::Window() const { return m_impl->hwnd; }
int CBackBuffer::Width() const { return m_impl->image.isNull() ? -1 : m_impl->image.width(); }
int CBackBuffer::Height() const { return m_impl->image.isNull() ? -1 : m_impl->image.height(); }
RECT CBackBuffer::DirtyRect() const { return m_impl->dirty; }

bool CBackBuffer::Open(HWND hwnd, HDC hdc)
{
    if (hwnd)
        m_impl->hwnd = hwnd;
    m_impl->ownsDc = hdc == nullptr;
    if (m_impl->ownsDc)
        ++DrawCounters().getDC;
    if (m_impl->image.isNull()) {
        const RECT c = m_impl->Client();
        Resize(m_impl->hwnd, c.Width(), c.Height());
    }
    // What was drawn since the last flush stays dirty: it has not been shown yet.
    m_impl->open = true;
    if (m_impl->fillOnOpen)
        FillBackground(nullptr);
    return true;
}

void CBackBuffer::Close(const RECT* rect)
{
    Flush(rect);
    if (m_impl->open && m_impl->ownsDc)
        ++DrawCounters().releaseDC;
    m_impl->ownsDc = false;
    m_impl->open = false;
}

void CBackBuffer::Flush(const RECT* rect)
{
    const RECT r = rect ? *rect : m_impl->dirty;
    const QRect area = m_impl->Bounds(r);
    if (m_impl->hwnd && !area.isEmpty()) {
        const RECT clip{area.left(), area.top(), area.right() + 1, area.bottom() + 1};
        if (auto* window = dynamic_cast<CQtMainWindow*>(m_impl->hwnd)) {
            window->PresentSource(*m_impl, clip);
        } else {
            const QImage& img = m_impl->image;
            m_impl->hwnd->Present(reinterpret_cast<const std::uint32_t*>(img.constBits()),
                                  static_cast<int>(img.bytesPerLine()), img.width(), img.height(), clip);
        }
    }
    m_impl->ResetDirty();
}

void CBackBuffer::Resize(HWND hwnd, int width, int height)
{
    if (hwnd)
        m_impl->hwnd = hwnd;
    width = std::max(width, 1);
    height = std::max(height, 1);
    QImage& img = m_impl->image;
    if (!img.isNull() && img.width() == width && img.height() == height)
        return;
    if (!img.isNull()) {
        ++DrawCounters().deleteDC;
        ++DrawCounters().deleteObject;
    }
    m_impl->BeforeReplace();
    img = QImage(width, height, QImage::Format_RGB32);
    img.fill(ToQRgb(m_impl->back));
    ++DrawCounters().createDC;
    ++DrawCounters().createBitmap;
    ++DrawCounters().totalBitmaps;
}

void CBackBuffer::MarkDirty(const RECT& r)
{
    if (r.IsEmpty())
        return;
    RECT& d = m_impl->dirty;
    d.left = std::min(d.left, r.left);
    d.top = std::min(d.top, r.top);
    d.right = std::max(d.right, r.right);
    d.bottom = std::max(d.bottom, r.bottom);
}

void CBackBuffer::FillBackground(const RECT* rect)
{
    const RECT r = rect ? *rect : m_impl->Client();
    FillBackground(r.left, r.top, r.Width(), r.Height());
}

void CBackBuffer::FillBackground(int x, int y, int w, int h)
{
    if (w <= 0 || h <= 0 || m_impl->image.isNull())
        return;
    const RECT r{x, y, x + w, y + h};
    const QRect area = m_impl->Bounds(r);
    QImage& image = m_impl->image;
    m_impl->BeforeWrite(area);
    if (const QImage* pattern = ImageOf(m_impl->pattern)) {
        // Copies land on the pattern's own grid from the client's corner: pixel
        // (x, y) is the pattern's pixel (x % width, y % height).
        const int pw = pattern->width(), ph = pattern->height();
        for (int row = area.top(); row <= area.bottom(); ++row) {
            const auto* src = reinterpret_cast<const QRgb*>(pattern->constScanLine(row % ph));
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(row));
            int col = area.left();
            int from = col % pw;
            while (col <= area.right()) {
                const int n = std::min(pw - from, area.right() + 1 - col);
                std::memcpy(out + col, src + from, static_cast<std::size_t>(n) * sizeof(QRgb));
                col += n;
                from = 0;
            }
        }
    } else {
        if (!m_impl->hasBrush) {
            m_impl->hasBrush = true;
            ++DrawCounters().solidBrush;
            ++DrawCounters().totalBrushes;
        }
        QPainter painter(&image);
        painter.fillRect(area, QColor(ToQRgb(m_impl->back)));
    }
    MarkDirty(r);
}

void CBackBuffer::SetPattern(unsigned bitmapId)
{
    m_impl->pattern = CBitmap();
    if (bitmapId != 0) {
        m_impl->pattern = CBitmap::LoadResource(bitmapId);
    } else if (m_impl->hasBrush) {
        m_impl->hasBrush = false;
        ++DrawCounters().deleteObject;
    }
}

bool CBackBuffer::HasPattern() const { return !m_impl->pattern.IsNull(); }

void CBackBuffer::DrawBitmap(const CBitmap& bitmap, int x, int y, int w, int h, int srcX, int srcY,
                             COLORREF transparent, bool negative)
{
    const QImage* source = ImageOf(bitmap);
    QImage& dest = m_impl->image;
    if (!source || dest.isNull() || w <= 0 || h <= 0)
        return;
    // The part of the rectangle inside both images.
    const int left = std::max({0, -x, -srcX}), right = std::min({w, dest.width() - x, source->width() - srcX});
    const int top = std::max({0, -y, -srcY}), bottom = std::min({h, dest.height() - y, source->height() - srcY});
    if (left < right && top < bottom) {
        m_impl->BeforeWrite(QRect(x + left, y + top, right - left, bottom - top));
        const bool keyed = transparent != kNoTransparentColor;
        const QRgb key = ToQRgb(transparent) & 0xFFFFFF;
        const QRgb flip = negative ? 0xFFFFFF : 0;
        for (int row = top; row < bottom; ++row) {
            const auto* s = reinterpret_cast<const QRgb*>(source->constScanLine(srcY + row)) + srcX + left;
            auto* d = reinterpret_cast<QRgb*>(dest.scanLine(y + row)) + x + left;
            const int n = right - left;
            CopyRow(s, d, n, keyed ? key : kNoKey, flip);
        }
    }
    MarkDirty(RECT{x, y, x + w, y + h});
}

void CBackBuffer::DrawBitmapOpaque(const CBitmap& bitmap, int x, int y, int w, int h, int srcX, int srcY)
{
    DrawBitmap(bitmap, x, y, w, h, srcX, srcY, kNoTransparentColor, false);
}

int CBackBuffer::DrawText(const char* text, RECT& rect, const CFont& font, unsigned format)
{
    if (!text || font.IsNull() || m_impl->image.isNull())
        return 0;
    const QString s = TableText(text);
    const QRect box(rect.left, rect.top, std::max(rect.right - rect.left, 0), std::max(rect.bottom - rect.top, 0));
    const int flags = TextFlags(format);
    if (format & DT_CALCRECT) {
        const QFontMetrics metrics(font.impl()->font);
        // Measuring lays the text out in the given width with unlimited height.
        const QRect measured = metrics.boundingRect(QRect(box.left(), box.top(), box.width(), 1 << 20),
                                                    flags & ~(Qt::AlignVCenter | Qt::AlignBottom), s);
        const int height = s.isEmpty() ? metrics.height() : measured.height();
        rect.bottom = rect.top + height;
        if (format & DT_SINGLELINE || !(format & DT_WORDBREAK))
            rect.right = rect.left + measured.width();
        return height;
    }
    // Table texts mostly come back unchanged from one paint to the next, so
    // each is rendered with its outline once and then only laid over the table.
    const QRgb colour = ToQRgb(m_impl->text);
    CFont::Impl& cache = *font.impl();
    auto& rendered = cache.rendered;
    std::string key = text;
    for (const int n : {flags, format & DT_NOCLIP ? 1 : 0, box.width(), box.height(), static_cast<int>(colour)})
        key.append(reinterpret_cast<const char*>(&n), sizeof n);
    auto it = rendered.find(key);
    if (it == rendered.end()) {
        if (rendered.size() >= 256 || cache.renderedBytes >= (8u << 20)) {  // texts that come and go: start again
            rendered.clear();
            cache.renderedBytes = 0;
        }
        const bool clip = !(format & DT_NOCLIP);
        QRect area = box;
        if (!clip) {
            // Ink may reach a little past the laid-out lines (bearings,
            // slanted letters): take in half a line more on every side.
            const QFontMetrics metrics(cache.font);
            const int spill = metrics.height() / 2 + 2;
            area = metrics.boundingRect(box, flags, s).united(box).adjusted(-spill, -spill, spill, spill);
        }
        it = rendered.emplace(std::move(key), RenderOutlined(s, cache.font, box, area, clip, flags, colour))
                 .first;
        cache.renderedBytes += static_cast<std::size_t>(it->second.image.sizeInBytes()) + it->first.size();
    }
    const auto& [image, offset, height] = it->second;
    if (!s.isEmpty()) {
        const double ratio = m_impl->hwnd ? m_impl->hwnd->DevicePixelRatio() : 1.0;
        const int pixels = static_cast<int>(std::lround(cache.font.pixelSize() / ratio));
        if (m_impl->smallestText == 0 || pixels < m_impl->smallestText)
            m_impl->smallestText = pixels;
    }
    if (!image.isNull()) {
        const QPoint at = box.topLeft() + offset;
        m_impl->BeforeWrite(QRect(at, image.size()).intersected(m_impl->image.rect()));
        QPainter painter(&m_impl->image);
        painter.drawImage(at, image);
    }
    MarkDirty(rect);
    return height;
}

int CBackBuffer::SmallestTextDrawn() const { return m_impl->smallestText; }
void CBackBuffer::ForgetSmallestText() { m_impl->smallestText = 0; }

int CBackBuffer::DrawTextWrapped(const char* text, const RECT& rect, const CFont& font)
{
    RECT r = rect;
    return DrawText(text, r, font, DT_WORDBREAK);
}

int CBackBuffer::MeasureTextWrapped(const char* text, const RECT& rect, const CFont& font)
{
    RECT r = rect;
    return DrawText(text, r, font, DT_WORDBREAK | DT_CALCRECT);
}

int CBackBuffer::MeasureTextWidth(const char* text, const CFont& font)
{
    if (!text || font.IsNull())
        return 0;
    auto& widths = font.impl()->widths;
    if (auto it = widths.find(text); it != widths.end())
        return it->second;
    if (widths.size() >= 1024)  // texts that come and go: start again
        widths.clear();
    const int width = QFontMetrics(font.impl()->font).horizontalAdvance(TableText(text));
    widths.emplace(text, width);
    return width;
}

CFont CBackBuffer::CreateFont(int points, const char* face, unsigned style, unsigned pitchAndFamily)
{
    auto impl = std::make_shared<CFont::Impl>();
    QFont& f = impl->font;
    f.setFamily(QString::fromLatin1(face ? face : "Arial"));
    // Points to pixels at 96 per inch, rounded.
    int pixels = (std::max(points, 1) * 96 + 36) / 72;
    // Before the buffer has met its window, the screens' ratio stands in.
    const double ratio = m_impl->hwnd ? m_impl->hwnd->DevicePixelRatio()
                         : qGuiApp    ? qGuiApp->devicePixelRatio()
                                      : 1.0;
    if (ratio != 1.0)
        pixels = static_cast<int>(std::lround(pixels * ratio));
    f.setPixelSize(std::max(pixels, 1));
    f.setWeight((style & kFontBold) ? QFont::Bold : QFont::Normal);
    f.setItalic((style & kFontItalic) != 0);
    f.setUnderline((style & kFontUnderline) != 0);
    f.setStrikeOut((style & kFontStrikeOut) != 0);
    const unsigned family = pitchAndFamily & 0xF0;
    f.setStyleHint(family == 0x10 ? QFont::Serif : family == 0x30 ? QFont::TypeWriter : QFont::SansSerif);
    ++DrawCounters().createFont;
    return CFont(std::move(impl));
}

void CBackBuffer::FillRect(const RECT& rect, COLORREF colour)
{
    if (m_impl->image.isNull() || rect.IsEmpty())
        return;
    ++DrawCounters().solidBrush;
    ++DrawCounters().totalBrushes;
    m_impl->BeforeWrite(m_impl->Bounds(rect));
    QPainter painter(&m_impl->image);
    painter.fillRect(m_impl->Bounds(rect), QColor(ToQRgb(colour)));
    ++DrawCounters().deleteObject;
    MarkDirty(rect);
}

CBitmap CBackBuffer::CopyArea(int x, int y, int w, int h) const
{
    if (m_impl->image.isNull() || w <= 0 || h <= 0)
        return CBitmap();
    return BitmapFromImage(m_impl->image.copy(x, y, w, h));
}

COLORREF CBackBuffer::GetPixel(int x, int y) const
{
    if (!m_impl->image.valid(x, y))
        return kNoTransparentColor;
    return FromQRgb(m_impl->image.pixel(x, y));
}
