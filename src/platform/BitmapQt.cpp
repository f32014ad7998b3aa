// CBitmap and CFont on QImage and QFont.
#include <QFontMetrics>
#include <QImage>
#include <QString>
#include <future>
#include <map>
#include <mutex>

#include "framework/Debug.h"
#include "platform/QtDrawing.h"

namespace {
std::map<unsigned, QImage>& Overrides()
{
    static std::map<unsigned, QImage> overrides;
    return overrides;
}

// Embedded bitmaps decoded so far (or being decoded), by id; any thread.
struct CDecodedResources {
    std::mutex mutex;
    std::map<unsigned, std::shared_future<QImage>> images;
};

CDecodedResources& Decoded()
{
    static CDecodedResources decoded;
    return decoded;
}

QImage DecodedResource(unsigned bitmapId)
{
    CDecodedResources& decoded = Decoded();
    std::unique_lock lock(decoded.mutex);
    if (auto it = decoded.images.find(bitmapId); it != decoded.images.end()) {
        std::shared_future<QImage> image = it->second;
        lock.unlock();
        return image.get();
    }
    std::promise<QImage> promise;
    decoded.images.emplace(bitmapId, promise.get_future().share());
    lock.unlock();
    QImage image(QStringLiteral(":/bitmaps/%1.png").arg(bitmapId));
    if (!image.isNull() && image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    promise.set_value(image);
    return image;
}

void CountCreated()
{
    ++DrawCounters().createBitmap;
    ++DrawCounters().totalBitmaps;
}
}  // namespace

CFont::Impl::~Impl() { ++DrawCounters().deleteObject; }

int CFont::PixelHeight() const { return m_impl ? m_impl->font.pixelSize() : 0; }

CBitmap BitmapFromImage(QImage image)
{
    CBitmap bitmap;
    if (!image.isNull()) {
        bitmap = CBitmap(1, 1);  // counted as created
        bitmap.impl()->image = image.format() == QImage::Format_RGB32
                                   ? std::move(image)
                                   : image.convertToFormat(QImage::Format_RGB32);
    }
    return bitmap;
}

const QImage* ImageOf(const CBitmap& bitmap)
{
    return bitmap.impl() && !bitmap.impl()->image.isNull() ? &bitmap.impl()->image : nullptr;
}

CBitmap::CBitmap() = default;

CBitmap::CBitmap(int width, int height, COLORREF fill) : m_impl(std::make_unique<Impl>())
{
    m_impl->image = QImage(width > 0 ? width : 1, height > 0 ? height : 1, QImage::Format_RGB32);
    m_impl->image.fill(ToQRgb(fill));
    CountCreated();
}

CBitmap::CBitmap(const CBitmap& other)
{
    if (other.m_impl) {
        m_impl = std::make_unique<Impl>(*other.m_impl);
        CountCreated();
    }
}

CBitmap::CBitmap(CBitmap&& other) noexcept = default;

CBitmap& CBitmap::operator=(const CBitmap& other)
{
    if (this != &other) {
        CBitmap copy(other);
        *this = std::move(copy);
    }
    return *this;
}

CBitmap& CBitmap::operator=(CBitmap&& other) noexcept
{
    if (this != &other) {
        if (m_impl)
            ++DrawCounters().deleteObject;
        m_impl = std::move(other.m_impl);
    }
    return *this;
}

CBitmap::~CBitmap()
{
    if (m_impl)
        ++DrawCounters().deleteObject;
}

CBitmap CBitmap::LoadResource(unsigned bitmapId)
{
    QImage image;
    if (auto it = Overrides().find(bitmapId); it != Overrides().end())
        image = it->second;
    else
        image = DecodedResource(bitmapId);
    if (image.isNull())
        return CBitmap();
    ++DrawCounters().loadBitmap;
    CBitmap bitmap = BitmapFromImage(std::move(image));
    --DrawCounters().createBitmap;  // counted as loaded, not created
    return bitmap;
}

void CBitmap::DecodeResource(unsigned bitmapId) { DecodedResource(bitmapId); }

void CBitmap::OverrideResource(unsigned bitmapId, const CBitmap& bitmap)
{
    if (const QImage* image = ImageOf(bitmap))
        Overrides()[bitmapId] = *image;
    else
        Overrides().erase(bitmapId);
}

bool CBitmap::IsNull() const { return ImageOf(*this) == nullptr; }
int CBitmap::Width() const { return m_impl ? m_impl->image.width() : 0; }
int CBitmap::Height() const { return m_impl ? m_impl->image.height() : 0; }

COLORREF CBitmap::GetPixel(int x, int y) const
{
    if (!m_impl || !m_impl->image.valid(x, y))
        return kNoTransparentColor;
    return FromQRgb(m_impl->image.pixel(x, y));
}

void CBitmap::SetPixel(int x, int y, COLORREF colour)
{
    if (m_impl && m_impl->image.valid(x, y))
        m_impl->image.setPixel(x, y, ToQRgb(colour));
}

void CBitmap::Fill(int x, int y, int w, int h, COLORREF colour)
{
    if (!m_impl)
        return;
    const QRect area = QRect(x, y, w, h).intersected(m_impl->image.rect());
    const QRgb c = ToQRgb(colour);
    for (int row = area.top(); row <= area.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(m_impl->image.scanLine(row));
        for (int col = area.left(); col <= area.right(); ++col)
            line[col] = c;
    }
}

CBitmap CBitmap::ScaledKeepingColour(int width, int height, COLORREF transparent) const
{
    const QImage* source = ImageOf(*this);
    if (!source || width <= 0 || height <= 0)
        return CBitmap();
    const QRgb key = ToQRgb(transparent) & 0xFFFFFF;

    // The picture with the transparent pixels as true transparency, so that
    // smooth filtering does not bleed the key colour into the tile edges.
    QImage withAlpha = source->convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < withAlpha.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(withAlpha.scanLine(row));
        for (int col = 0; col < withAlpha.width(); ++col)
            if ((line[col] & 0xFFFFFF) == key)
                line[col] = 0;
    }
    const QImage smooth = withAlpha.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_ARGB32);
    // The mask (and a fallback colour) sampled without filtering.
    const QImage nearest = source->scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                               .convertToFormat(QImage::Format_RGB32);

    QImage result(width, height, QImage::Format_RGB32);
    const QRgb nearKey = qRgb(qRed(key) ^ 1, qGreen(key), qBlue(key) ^ 1);
    for (int row = 0; row < height; ++row) {
        const auto* s = reinterpret_cast<const QRgb*>(smooth.constScanLine(row));
        const auto* n = reinterpret_cast<const QRgb*>(nearest.constScanLine(row));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(row));
        for (int col = 0; col < width; ++col) {
            if ((n[col] & 0xFFFFFF) == key) {
                out[col] = 0xFF000000 | key;
                continue;
            }
            QRgb c = qAlpha(s[col]) >= 128 ? (s[col] | 0xFF000000) : n[col];
            if ((c & 0xFFFFFF) == key)  // a drawn pixel must never turn transparent
                c = nearKey;
            out[col] = c;
        }
    }
    return BitmapFromImage(std::move(result));
}
