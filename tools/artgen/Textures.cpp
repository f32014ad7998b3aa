#include "Textures.h"

#include <cmath>

#include "ArtCommon.h"

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;

double Frac(double v) { return v - std::floor(v); }

QColor Wood(double x, double y, uint32_t seed, const QColor& light, const QColor& dark,
            double ringStrength)
{
    // Long horizontal boards: the grain runs along x, wobbling slowly.
    const double warp = Fbm(x / 95.0, y / 26.0, seed, 4);
    const double r = y / 7.5 + warp * 3.2 + 0.35 * std::sin(x / 41.0 + seed % 7);
    const double ring = std::pow(0.5 + 0.5 * std::sin(2 * kPi * r), 3.0);
    const double late = std::pow(Frac(r), 5.0);  // the thin dark late-wood edge
    const double fibre = ValueNoise(x / 34.0, y * 1.4, seed + 17);
    const double broad = Fbm(x / 180.0, y / 120.0, seed + 29, 2);
    double t = 0.18 + ringStrength * (0.55 * ring + 0.45 * late) + 0.22 * (fibre - 0.5) +
               0.35 * (broad - 0.5);
    return Mix(light, dark, t);
}

QColor Clay(double x, double y, uint32_t seed)
{
    // Two clays folded together: bands of terracotta and buff that flow in
    // swirls, with pale streaks where the buff is thinnest.
    const QColor terracotta(198, 116, 80), rust(176, 94, 62), buff(228, 182, 140), cream(242, 218, 186);
    const double turb = Fbm(x / 64.0, y / 64.0, seed, 3) + 0.15 * Fbm(x / 12.0, y / 12.0, seed + 5, 2);
    const double s = std::sin(x * 0.06 + y * 0.03 + turb * 5.5);
    const double s2 = std::sin(x * 0.021 - y * 0.047 + turb * 4.0 + 1.3);
    QColor c = Mix(rust, terracotta, SmoothStep(-1.0, -0.3, s2));
    c = Mix(c, buff, SmoothStep(-0.15, 0.1, s));
    c = Mix(c, cream, 0.8 * SmoothStep(0.78, 0.95, s));
    // a thin dark line along the edge of each fold
    c = Mix(c, rust, 0.5 * std::exp(-std::pow((s + 0.02) / 0.045, 2.0)));
    const double speck = Hash01(static_cast<int>(x), static_cast<int>(y), seed + 3);
    return Scale(c, 0.975 + 0.05 * speck);
}

}  // namespace

QColor SurfaceColour(Surface s, double x, double y, uint32_t seed)
{
    switch (s) {
    case Surface::LightWood:
        return Wood(x, y, seed, QColor(240, 212, 162), QColor(196, 148, 92), 0.55);
    case Surface::DarkWood:
        return Wood(x, y, seed, QColor(112, 66, 38), QColor(56, 30, 16), 0.7);
    case Surface::MarbledClay:
        return Clay(x, y, seed);
    case Surface::Paper:
        return QColor(255, 255, 255);
    }
    return QColor(255, 255, 255);
}

// A sum of waves with whole numbers of periods across the picture: seamless
// by construction, whatever the picture's size.
static double Wave(double x, double y, int w, int h, int kx, int ky, double phase)
{
    return std::sin(2 * kPi * (kx * x / w + ky * y / h) + phase);
}

QImage DeepRedSatin(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    const QColor deep(88, 0, 6), mid(140, 6, 16), sheen(214, 70, 78);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // Broad diagonal folds, bent by a gentle periodic warp.
            const double warp = 0.9 * Wave(x, y, w, h, 1, -1, 0.7) + 0.5 * Wave(x, y, w, h, 2, 1, 2.1);
            const double folds = 0.55 * Wave(x + 14 * warp, y, w, h, 2, 2, 0.3 + warp) +
                                 0.3 * Wave(x, y + 10 * warp, w, h, 3, 1, 1.9) +
                                 0.15 * Wave(x, y, w, h, 1, 3, 4.0);
            const double t = 0.5 + 0.5 * folds;
            QColor c = Mix(deep, mid, SmoothStep(0.05, 0.75, t));
            c = Mix(c, sheen, 0.55 * std::pow(SmoothStep(0.6, 1.0, t), 2.0));
            // The fine weave of the cloth.
            const double thread = ValueNoise(x * 66.0 / w, y * 128.0 / h, 5u, 66, 128);
            const double weave = 0.05 * (thread - 0.5) + 0.02 * (Hash01(x, y, 6u) - 0.5);
            img.setPixel(x, y, Scale(c, 0.985 + weave).rgb());
        }
    }
    return img;
}

// Distance from (u, v) to the border between the two nearest of a set of
// jittered points, one per cell of a grid that wraps after `cells` cells.
static double CellEdge(double u, double v, int cells, uint32_t seed)
{
    double d1 = 1e9, d2 = 1e9;
    const int iu = int(std::floor(u)), iv = int(std::floor(v));
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const int cx = iu + dx, cy = iv + dy;
            const int wx = ((cx % cells) + cells) % cells, wy = ((cy % cells) + cells) % cells;
            const double px = cx + 0.1 + 0.8 * Hash01(wx, wy, seed);
            const double py = cy + 0.1 + 0.8 * Hash01(wx, wy, seed + 1);
            const double d = std::hypot(px - u, py - v);
            if (d < d1) {
                d2 = d1;
                d1 = d;
            } else if (d < d2) {
                d2 = d;
            }
        }
    }
    return d2 - d1;
}

QImage RadioactiveWater(int w, int h)
{
    // Two layers of caustics (the bright net light makes under rippling
    // water), bent by periodic noise so the net wobbles, glowing green.
    QImage img(w, h, QImage::Format_RGB32);
    const QColor abyss(3, 34, 18), water(14, 96, 40), glow(110, 245, 70), hot(225, 255, 175);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double fx = double(x) / w, fy = double(y) / h;  // 0..1, wrapping
            auto layer = [&](int cells, uint32_t seed, double sharp) {
                const double u = fx * cells, v = fy * cells;
                const double wu = u + 0.55 * (Fbm(u * 0.5, v * 0.5, seed + 10, 3, cells / 2, cells / 2) - 0.5);
                const double wv = v + 0.55 * (Fbm(u * 0.5, v * 0.5, seed + 20, 3, cells / 2, cells / 2) - 0.5);
                const double e = CellEdge(wu, wv, cells, seed);
                return std::pow(1.0 - SmoothStep(0.0, sharp, e), 2.2);
            };
            const double big = layer(6, 77u, 0.32);
            const double fine = layer(12, 177u, 0.26);
            const double depth = Fbm(fx * 4, fy * 4, 91u, 3, 4, 4);
            const double shimmer = Fbm(fx * 8, fy * 8, 93u, 2, 8, 8);
            QColor c = Mix(abyss, water, 0.25 + 0.75 * depth);
            const double light = Clamp01(0.8 * big * (0.6 + 0.6 * shimmer) + 0.22 * fine);
            c = Mix(c, glow, light);
            c = Mix(c, hot, 0.7 * std::pow(light, 3.0));
            img.setPixel(x, y, c.rgb());
        }
    }
    return img;
}

QImage TanStucco(int w, int h)
{
    // A height field of periodic noise, lit from the upper left.
    constexpr int kPeriod = 16;
    auto height = [&](double x, double y) {
        const double u = x * kPeriod / w, v = y * kPeriod / h;
        const double blobs = Fbm(u, v, 311u, 5, kPeriod, kPeriod);
        const double trowel = Fbm(u * 0.25, v * 0.25, 419u, 2, kPeriod / 4, kPeriod / 4);
        return 6.0 * std::pow(blobs, 1.6) + 2.5 * SmoothStep(0.45, 0.6, trowel);
    };
    QImage img(w, h, QImage::Format_RGB32);
    const QColor tan(212, 184, 144), shadow(160, 128, 92), light(238, 220, 188);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double gx = height(x + 1, y) - height(x - 1, y);
            const double gy = height(x, y + 1) - height(x, y - 1);
            const double lit = -(gx + gy) * 0.5;  // light from the upper left
            QColor c = tan;
            if (lit > 0)
                c = Mix(c, light, std::min(1.0, lit * 0.9));
            else
                c = Mix(c, shadow, std::min(1.0, -lit * 0.9));
            const double grit = Hash01(x, y, 5u);
            img.setPixel(x, y, Scale(c, 0.97 + 0.05 * grit).rgb());
        }
    }
    return img;
}

}  // namespace art
