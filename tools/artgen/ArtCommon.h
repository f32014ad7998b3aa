#pragma once
// Small helpers shared by the art generator: a reproducible hash-based
// random source, periodic value noise, colour mixing and the magenta key.
#include <QColor>
#include <QImage>
#include <cstdint>

namespace art {

inline constexpr QRgb kMagenta = 0xFFFF00FF;

// A number in [0, 1) that depends only on its arguments (no hidden state),
// so every texture comes out identical on every run and machine.
double Hash01(int x, int y, uint32_t seed);

// Smooth value noise in [0, 1]. When periodX/periodY are positive the
// lattice wraps with that many cells, making the noise seamless over
// u in [0, periodX) and v in [0, periodY).
double ValueNoise(double u, double v, uint32_t seed, int periodX = 0, int periodY = 0);

// Fractal sum of octaves of value noise, normalised to [0, 1].
double Fbm(double u, double v, uint32_t seed, int octaves, int periodX = 0, int periodY = 0);

double Clamp01(double v);
double SmoothStep(double e0, double e1, double x);
QColor Mix(const QColor& a, const QColor& b, double t);
QColor Scale(const QColor& c, double f);

// Turns an image with alpha into a colour-keyed one: pixels at most half
// covered become magenta, the others are laid over `edge` and made opaque.
// Antialiased borders therefore blend into the edge colour, never into pink.
QImage KeyToMagenta(const QImage& argb, const QColor& edge);

// Lays an image with alpha over an opaque background image.
QImage Over(const QImage& top, const QImage& background);

// Repeats a pattern over an area of the given size.
QImage TilePattern(const QImage& pattern, int w, int h);

bool SavePng(const QImage& img, const QString& path);

}  // namespace art
