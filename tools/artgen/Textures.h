#pragma once
// Surface textures for the tile designs and the three background patterns.
// Every function depends only on its arguments, so the art is reproducible.
#include <QColor>
#include <QImage>
#include <cstdint>

namespace art {

enum class Surface { LightWood, MarbledClay, DarkWood, Paper };

// The colour of a surface at a point; (x, y) are in pixels of a 64-pixel
// tile, so textures keep their scale when tiles are painted larger.
QColor SurfaceColour(Surface s, double x, double y, uint32_t seed);

// The background patterns. Each tiles seamlessly with itself.
QImage DeepRedSatin(int w, int h);       // bitmap 194
QImage RadioactiveWater(int w, int h);   // bitmap 247
QImage TanStucco(int w, int h);          // bitmap 373

}  // namespace art
