#include "ArtCommon.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace art {

double Hash01(int x, int y, uint32_t seed)
{
    uint64_t h = static_cast<uint64_t>(static_cast<uint32_t>(x)) * 0x9E3779B97F4A7C15ull;
    h ^= static_cast<uint64_t>(static_cast<uint32_t>(y)) * 0xC2B2AE3D27D4EB4Full;
    h ^= static_cast<uint64_t>(seed) * 0x165667B19E3779F9ull;
    // splitmix64 finaliser
    h ^= h >> 30;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 27;
    h *= 0x94D049BB133111EBull;
    h ^= h >> 31;
    return static_cast<double>(h >> 11) / static_cast<double>(1ull << 53);
}

static int Wrap(int i, int period)
{
    if (period <= 0)
        return i;
    i %= period;
    return i < 0 ? i + period : i;
}

double ValueNoise(double u, double v, uint32_t seed, int periodX, int periodY)
{
    const double fu = std::floor(u), fv = std::floor(v);
    const int iu = static_cast<int>(fu), iv = static_cast<int>(fv);
    double tu = u - fu, tv = v - fv;
    tu = tu * tu * tu * (tu * (tu * 6 - 15) + 10);
    tv = tv * tv * tv * (tv * (tv * 6 - 15) + 10);
    const int x0 = Wrap(iu, periodX), x1 = Wrap(iu + 1, periodX);
    const int y0 = Wrap(iv, periodY), y1 = Wrap(iv + 1, periodY);
    const double a = Hash01(x0, y0, seed), b = Hash01(x1, y0, seed);
    const double c = Hash01(x0, y1, seed), d = Hash01(x1, y1, seed);
    const double top = a + (b - a) * tu, bottom = c + (d - c) * tu;
    return top + (bottom - top) * tv;
}

double Fbm(double u, double v, uint32_t seed, int octaves, int periodX, int periodY)
{
    double sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * ValueNoise(u, v, seed + 101u * static_cast<uint32_t>(o), periodX, periodY);
        norm += amp;
        amp *= 0.5;
        u *= 2;
        v *= 2;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / norm;
}

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double SmoothStep(double e0, double e1, double x)
{
    const double t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

QColor Mix(const QColor& a, const QColor& b, double t)
{
    t = Clamp01(t);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor Scale(const QColor& c, double f)
{
    return QColor::fromRgbF(static_cast<float>(Clamp01(c.redF() * f)),
                            static_cast<float>(Clamp01(c.greenF() * f)),
                            static_cast<float>(Clamp01(c.blueF() * f)), c.alphaF());
}

QImage KeyToMagenta(const QImage& argb, const QColor& edge)
{
    const QImage src = argb.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < 128) {
                o[x] = kMagenta;
                continue;
            }
            const int r = qRed(in[x]) + edge.red() * (255 - a) / 255;
            const int g = qGreen(in[x]) + edge.green() * (255 - a) / 255;
            const int b = qBlue(in[x]) + edge.blue() * (255 - a) / 255;
            QRgb c = qRgb(std::min(r, 255), std::min(g, 255), std::min(b, 255));
            if (c == kMagenta)  // never let a drawn pixel become see-through
                c = qRgb(254, 0, 255);
            o[x] = c;
        }
    }
    return out;
}

QImage Over(const QImage& top, const QImage& background)
{
    QImage out = background.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&out);
    p.drawImage(0, 0, top);
    p.end();
    return out.convertToFormat(QImage::Format_RGB32);
}

QImage TilePattern(const QImage& pattern, int w, int h)
{
    QImage out(w, h, QImage::Format_RGB32);
    QPainter p(&out);
    for (int y = 0; y < h; y += pattern.height())
        for (int x = 0; x < w; x += pattern.width())
            p.drawImage(x, y, pattern);
    p.end();
    return out;
}

bool SavePng(const QImage& img, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Opaque pictures are stored without an alpha channel; the compression
    // level is fixed so the files are the same on every run.
    QImage toSave = img.format() == QImage::Format_Indexed8 ? img
                    : img.hasAlphaChannel()                ? img.convertToFormat(QImage::Format_ARGB32)
                                                           : img.convertToFormat(QImage::Format_RGB32);
    if (!toSave.save(path, "PNG", 9)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s (%dx%d)\n", qPrintable(path), img.width(), img.height());
    return true;
}

}  // namespace art
