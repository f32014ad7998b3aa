#include "Tiles.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <functional>

#include "ArtCommon.h"

namespace art {

namespace {

constexpr double kUnit = 64.0;  // every cell is designed in 64 x 64 units
constexpr double kPi = 3.14159265358979323846;

const Design kDesigns[] = {
    {1, 382, 378, Surface::LightWood, QColor(52, 30, 14), QColor(255, 244, 214, 170),
     QColor(120, 80, 44), QColor(70, 40, 20), QColor(252, 236, 200), QColor(150, 98, 50), false},
    {2, 380, 376, Surface::MarbledClay, QColor(56, 22, 10), QColor(255, 232, 205, 150),
     QColor(110, 52, 32), QColor(72, 30, 16), QColor(250, 228, 200), QColor(128, 62, 38), false},
    {3, 381, 377, Surface::DarkWood, QColor(250, 234, 200), QColor(0, 0, 0, 190),
     QColor(34, 18, 8), QColor(236, 214, 170), QColor(60, 32, 14), QColor(96, 58, 30), false},
    {16, 389, 391, Surface::Paper, QColor(0, 0, 0), QColor(0, 0, 0, 0), QColor(0, 0, 0),
     QColor(0, 0, 0), QColor(255, 255, 255), QColor(128, 128, 128), true},
};

using FaceFn = std::function<QColor(double, double)>;

struct Slab {
    QRectF r;             // in units
    double radius = 7;
    double bevel = 3.5;
    double light = 1;     // +1 raised (lit from the upper left), -1 pressed
    QColor rim;
    double rimWidth = 1;
};

double RoundRectSdf(double px, double py, const QRectF& r, double rad)
{
    const double qx = std::fabs(px - r.center().x()) - r.width() / 2 + rad;
    const double qy = std::fabs(py - r.center().y()) - r.height() / 2 + rad;
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - rad;
}

void Blend(QImage& img, int x, int y, const QColor& c, double coverage)
{
    if (coverage <= 0 || x < 0 || y < 0 || x >= img.width() || y >= img.height())
        return;
    QRgb* px = reinterpret_cast<QRgb*>(img.scanLine(y)) + x;
    const double a = Clamp01(coverage) * c.alphaF();
    const double keep = 1 - a;
    const int r = int(std::lround(c.red() * a + qRed(*px) * keep));
    const int g = int(std::lround(c.green() * a + qGreen(*px) * keep));
    const int b = int(std::lround(c.blue() * a + qBlue(*px) * keep));
    const int al = int(std::lround(255 * a + qAlpha(*px) * keep));
    *px = qRgba(std::min(r, al), std::min(g, al), std::min(b, al), al);
}

// Lighting of a bevelled edge: outward normal (nx, ny) against a light from
// the upper left. Positive = facing the light.
double Lit(double nx, double ny)
{
    const double lx = -0.6, ly = -0.8;
    return nx * lx + ny * ly;
}

QColor Shade(const QColor& c, double lit, double strength)
{
    return lit > 0 ? Mix(c, Qt::white, 0.55 * lit * strength)
                   : Mix(c, Qt::black, 0.45 * -lit * strength);
}

// Paints a bevelled rounded slab (a tile or a button body) with antialiased
// edges into a premultiplied image whose pixels are `scale` per unit.
void PaintSlab(QImage& img, double scale, const Slab& s, const FaceFn& face)
{
    const int x0 = std::max(0, int(std::floor(s.r.left() * scale)) - 1);
    const int x1 = std::min(img.width() - 1, int(std::ceil(s.r.right() * scale)) + 1);
    const int y0 = std::max(0, int(std::floor(s.r.top() * scale)) - 1);
    const int y1 = std::min(img.height() - 1, int(std::ceil(s.r.bottom() * scale)) + 1);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double ux = (x + 0.5) / scale, uy = (y + 0.5) / scale;
            const double d = RoundRectSdf(ux, uy, s.r, s.radius);
            const double cov = Clamp01(0.5 - d * scale);
            if (cov <= 0)
                continue;
            const double e = 0.05;
            double nx = RoundRectSdf(ux + e, uy, s.r, s.radius) - RoundRectSdf(ux - e, uy, s.r, s.radius);
            double ny = RoundRectSdf(ux, uy + e, s.r, s.radius) - RoundRectSdf(ux, uy - e, s.r, s.radius);
            const double len = std::hypot(nx, ny);
            if (len > 0) {
                nx /= len;
                ny /= len;
            }
            const double depth = -d;
            QColor c = face(ux, uy);
            // a gentle sheen across the face, lighter at the top
            const double across = (uy - s.r.top()) / s.r.height();
            c = Scale(c, 1 + 0.06 * s.light * (0.5 - across));
            const double w = 1 - SmoothStep(s.bevel * 0.5, s.bevel, depth);
            c = Shade(c, Lit(nx, ny) * s.light, w);
            const double rimT = 1 - SmoothStep(s.rimWidth * 0.6, s.rimWidth * 1.3, depth);
            c = Mix(c, s.rim, 0.85 * rimT);
            Blend(img, x, y, c, cov);
        }
    }
}

QImage NewCell(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// The face colour of a design's tiles: its texture, seen through a window
// that differs for every cell so no two tiles have the same grain.
FaceFn SurfaceFace(const Design& d, unsigned variant, const QColor& tint = QColor(), double tintAmount = 0)
{
    const double ox = Hash01(int(variant), 1, 4242u) * 900.0;
    const double oy = Hash01(int(variant), 2, 4242u) * 900.0;
    const uint32_t seed = 1000u + (d.surface == Surface::DarkWood ? 7u : 0u);
    return [=](double ux, double uy) {
        QColor c = SurfaceColour(d.surface, ux + ox, uy + oy, seed);
        if (tint.isValid())
            c = Mix(c, tint, tintAmount);
        return c;
    };
}

Slab TileSlab(const Design& d)
{
    Slab s;
    s.r = QRectF(1, 1, 62, 62);
    s.radius = 7;
    s.bevel = d.sixteenColours ? 3 : 4;
    s.rim = d.rim;
    s.rimWidth = d.sixteenColours ? 1.6 : 1.0;
    return s;
}

void PaintTileBody(QImage& img, const Design& d, unsigned variant, const QColor& tint = QColor(),
                   double tintAmount = 0)
{
    PaintSlab(img, img.width() / kUnit, TileSlab(d), SurfaceFace(d, variant, tint, tintAmount));
}

QFont BoldSans()
{
    QFont f("Liberation Sans");
    f.setBold(true);
    f.setPixelSize(200);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Text outline whose capital letters are `capHeight` units tall, centred on
// (cx, cy), narrowed to maxWidth when needed.
QPainterPath TextPath(const QString& text, double cx, double cy, double capHeight, double maxWidth)
{
    const QFont f = BoldSans();
    QPainterPath path;
    path.addText(0, 0, f, text);
    const double cap = QFontMetricsF(f).capHeight();
    double k = capHeight / cap;
    const QRectF b = path.boundingRect();
    double kx = k;
    if (b.width() * k > maxWidth)
        kx = maxWidth / b.width();
    QTransform t;
    t.translate(cx - b.center().x() * kx, cy + cap * k / 2);
    t.scale(kx, k);
    return t.map(path);
}

void DrawEngraved(QPainter& p, const QPainterPath& path, const QColor& ink, const QColor& relief,
                  double offset)
{
    if (relief.alpha() > 0) {
        p.fillPath(path.translated(offset, offset), relief);
    }
    p.fillPath(path, ink);
}

QPainter* Begin(QPainter& p, QImage& img)
{
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(img.width() / kUnit, img.height() / kUnit);
    return &p;
}

QPolygonF BoltPolygon(const QRectF& box)
{
    static const double pts[][2] = {{0.60, 0.00}, {0.12, 0.56}, {0.44, 0.56}, {0.30, 1.00},
                                    {0.88, 0.38}, {0.55, 0.38}, {0.78, 0.00}};
    QPolygonF poly;
    for (const auto& pt : pts)
        poly << QPointF(box.left() + pt[0] * box.width(), box.top() + pt[1] * box.height());
    return poly;
}

QPolygonF StarPolygon(QPointF c, double outer, double inner, int points, double rotation = -kPi / 2)
{
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const double r = (i % 2) ? inner : outer;
        const double a = rotation + i * kPi / points;
        poly << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    return poly;
}

void DrawBolt(QPainter& p, const QRectF& box, const Design& d, double outline)
{
    const QPolygonF poly = BoltPolygon(box);
    if (d.sixteenColours) {
        p.setPen(QPen(Qt::black, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(128, 128, 128));
    } else {
        QLinearGradient g(box.topLeft(), box.bottomRight());
        g.setColorAt(0, QColor(255, 246, 120));
        g.setColorAt(1, QColor(250, 150, 20));
        p.setPen(QPen(QColor(110, 50, 0), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(g);
    }
    p.drawPolygon(poly);
}

void DrawStarSymbol(QPainter& p, const Design& d)
{
    const QPolygonF star = StarPolygon(QPointF(32, 34), 23, 10, 5);
    if (d.sixteenColours) {
        p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(192, 192, 192));
        p.drawPolygon(star);
        return;
    }
    QRadialGradient g(QPointF(28, 28), 26);
    g.setColorAt(0, QColor(255, 250, 170));
    g.setColorAt(0.6, QColor(255, 208, 50));
    g.setColorAt(1, QColor(224, 140, 10));
    p.setPen(QPen(QColor(112, 62, 0), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPolygon(star);
}

// A cut gem seen from the side: the crown with its table on top, the
// pavilion narrowing to a point below, and the facets between them.
void DrawDiamondSymbol(QPainter& p, const Design& d)
{
    const QPointF tl(21, 14), tr(43, 14), gl(9, 26), gr(55, 26), apex(32, 55);
    const QPolygonF crown({tl, tr, gr, gl});
    const QPolygonF pavilion({gl, gr, apex});
    const QColor outline = d.sixteenColours ? QColor(0, 0, 128) : QColor(20, 60, 110);
    p.setPen(QPen(outline, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (d.sixteenColours) {
        p.setBrush(QColor(0, 255, 255));
        p.drawPolygon(crown);
        p.setBrush(QColor(0, 128, 128));
        p.drawPolygon(pavilion);
    } else {
        QLinearGradient top(QPointF(0, 14), QPointF(0, 26));
        top.setColorAt(0, QColor(225, 250, 255));
        top.setColorAt(1, QColor(120, 200, 245));
        p.setBrush(top);
        p.drawPolygon(crown);
        QLinearGradient bottom(QPointF(10, 26), QPointF(54, 50));
        bottom.setColorAt(0, QColor(90, 175, 240));
        bottom.setColorAt(0.55, QColor(40, 110, 200));
        bottom.setColorAt(1, QColor(15, 55, 130));
        p.setBrush(bottom);
        p.drawPolygon(pavilion);
    }
    // The facets.
    p.setPen(QPen(d.sixteenColours ? QColor(0, 0, 128) : QColor(20, 60, 110, 170), 1.0));
    const QPointF m1(26, 26), m2(38, 26);
    for (const auto& [a, b] : {std::pair{tl, m1}, {m1, tr}, {tr, m2}, {m2, tl}, {m1, apex}, {m2, apex},
                               {gl, QPointF(15, 26)}})
        p.drawLine(a, b);
    p.drawLine(QPointF(tl.x() - 6, 20), m1);
    p.drawLine(QPointF(tr.x() + 6, 20), m2);
    // A glint on the table.
    p.setPen(Qt::NoPen);
    p.setBrush(d.sixteenColours ? QColor(255, 255, 255) : QColor(255, 255, 255, 220));
    p.drawPolygon(StarPolygon(QPointF(24, 18), 5.5, 1.6, 4, 0.0));
}

void DrawBombSymbol(QPainter& p, const Design& d)
{
    const QPointF c(29, 38);
    const double r = 15.5;
    // fuse first, so the body covers its root
    QPainterPath fuse(QPointF(38, 27));
    fuse.cubicTo(QPointF(42, 20), QPointF(47, 21), QPointF(50, 14));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(d.sixteenColours ? QColor(128, 128, 128) : QColor(150, 110, 60), 2.6,
                  Qt::SolidLine, Qt::RoundCap));
    p.drawPath(fuse);
    // the cap
    p.save();
    p.translate(38.5, 27.5);
    p.rotate(45);
    p.setPen(Qt::NoPen);
    p.setBrush(d.sixteenColours ? QColor(0, 0, 0) : QColor(70, 70, 78));
    p.drawRoundedRect(QRectF(-5, -4, 10, 8), 1.5, 1.5);
    p.restore();
    if (d.sixteenColours) {
        p.setBrush(Qt::black);
        p.drawEllipse(c, r, r);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(23, 32), 3.5, 3.5);
    } else {
        QRadialGradient g(QPointF(23, 31), 20);
        g.setColorAt(0, QColor(120, 120, 132));
        g.setColorAt(0.45, QColor(40, 40, 46));
        g.setColorAt(1, QColor(8, 8, 10));
        p.setPen(QPen(QColor(0, 0, 0), 1.2));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawEllipse(QPointF(23, 31.5), 4.2, 3.0);
    }
    // the spark
    const QPolygonF spark = StarPolygon(QPointF(51, 13), 8, 3, 8, 0.2);
    p.setPen(d.sixteenColours ? QPen(Qt::black, 1) : QPen(QColor(200, 60, 0), 1));
    p.setBrush(d.sixteenColours ? QColor(255, 255, 255) : QColor(255, 200, 40));
    p.drawPolygon(spark);
    if (!d.sixteenColours) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 210));
        p.drawEllipse(QPointF(51, 13), 2.2, 2.2);
    }
}

void DrawFace(QPainter& p, const Design& d, int mood)
{
    const QPointF c(32, 32);
    const QColor line = d.sixteenColours ? QColor(0, 0, 0) : QColor(92, 52, 0);
    if (d.sixteenColours) {
        p.setPen(QPen(line, 2.2));
        p.setBrush(Qt::white);
    } else {
        QRadialGradient g(QPointF(26, 24), 34);
        g.setColorAt(0, QColor(255, 246, 150));
        g.setColorAt(0.55, QColor(255, 214, 60));
        g.setColorAt(1, QColor(232, 150, 10));
        p.setPen(QPen(line, 2.0));
        p.setBrush(g);
    }
    p.drawEllipse(c, 29, 29);
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    p.drawEllipse(QPointF(22.5, 24), 3.4, 5.2);
    p.drawEllipse(QPointF(41.5, 24), 3.4, 5.2);
    QPainterPath mouth;
    if (mood > 0) {
        mouth.moveTo(17, 37);
        mouth.quadTo(32, 55, 47, 37);
    } else if (mood == 0) {
        mouth.moveTo(20, 43);
        mouth.lineTo(44, 43);
    } else {
        mouth.moveTo(18, 49);
        mouth.quadTo(32, 34, 46, 49);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(line, 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(mouth);
}

void DrawScarab(QPainter& p, const Design& d)
{
    const QColor body = d.sixteenColours ? QColor(0, 0, 0) : QColor(24, 74, 78);
    const QColor shine = d.sixteenColours ? QColor(255, 255, 255) : QColor(120, 200, 190);
    // legs: three on each side, each with a knee
    p.setPen(QPen(body, 2.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const double legs[3][6] = {{24, 26, 15, 22, 12, 14}, {21, 35, 11, 34, 8, 41}, {22, 45, 13, 50, 11, 58}};
    for (const auto& l : legs) {
        for (int side = -1; side <= 1; side += 2) {
            auto X = [&](double x) { return side < 0 ? x : 64 - x; };
            QPainterPath leg(QPointF(X(l[0]), l[1]));
            leg.lineTo(X(l[2]), l[3]);
            leg.lineTo(X(l[4]), l[5]);
            p.drawPath(leg);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    // head with its toothed front
    QPainterPath head;
    head.moveTo(25, 19);
    head.cubicTo(25, 11, 39, 11, 39, 19);
    head.closeSubpath();
    p.drawPath(head);
    p.drawPolygon(StarPolygon(QPointF(32, 13.5), 5.5, 2.5, 5));
    // thorax and wing cases
    p.drawEllipse(QPointF(32, 24.5), 11, 6.5);
    p.drawEllipse(QPointF(32, 40.5), 13.5, 15);
    // shine and the seam of the wing cases
    p.setPen(QPen(shine, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 27), QPointF(32, 54));
    p.setPen(QPen(shine, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(21, 30, 10, 20), 100 * 16, 70 * 16);
    p.drawArc(QRectF(25, 20, 14, 8), 60 * 16, 60 * 16);
}

void DrawSmallIcon(QPainter& p, const Design& d, int which, QPointF c)
{
    auto twoStroke = [&](const QPainterPath& path, const QColor& outer, const QColor& inner, double w) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(outer, w + 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(QPen(inner, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    };
    const bool bw = d.sixteenColours;
    switch (which) {
    case 0: {  // cross: cancel
        QPainterPath x;
        x.moveTo(c + QPointF(-6.5, -6.5));
        x.lineTo(c + QPointF(6.5, 6.5));
        x.moveTo(c + QPointF(6.5, -6.5));
        x.lineTo(c + QPointF(-6.5, 6.5));
        twoStroke(x, bw ? Qt::black : QColor(100, 0, 0), bw ? Qt::black : QColor(222, 40, 36), 4.0);
        break;
    }
    case 1: {  // tick: accept
        QPainterPath t;
        t.moveTo(c + QPointF(-8, 0.5));
        t.lineTo(c + QPointF(-2.5, 6.5));
        t.lineTo(c + QPointF(8, -7));
        twoStroke(t, bw ? Qt::black : QColor(0, 70, 10), bw ? Qt::black : QColor(40, 170, 50), 4.0);
        break;
    }
    case 2: {  // question mark: hint
        const QPainterPath q = TextPath("?", c.x(), c.y(), 17, 20);
        if (!bw)
            p.fillPath(q.translated(0.8, 0.8), QColor(0, 0, 40, 120));
        p.fillPath(q, bw ? QColor(0, 0, 0) : QColor(30, 80, 200));
        break;
    }
    case 3:  // lightning
        DrawBolt(p, QRectF(c.x() - 7.5, c.y() - 10, 15, 20), d, 1.3);
        break;
    }
}

// A button body in the design's material, raised or pressed.
void PaintButton(QImage& img, const Design& d, const QRectF& r, double radius, double bevel,
                 bool pressed, unsigned variant)
{
    Slab s;
    s.r = r;
    s.radius = radius;
    s.bevel = bevel;
    s.light = pressed ? -1 : 1;
    s.rim = d.rim;
    s.rimWidth = d.sixteenColours ? 1.4 : 1.0;
    FaceFn face;
    if (d.sixteenColours) {
        face = [pressed](double, double) { return pressed ? QColor(160, 160, 160) : QColor(192, 192, 192); };
    } else {
        const FaceFn base = SurfaceFace(d, variant);
        face = [base, pressed](double x, double y) { return Scale(base(x, y), pressed ? 0.86 : 1.04); };
    }
    PaintSlab(img, img.width() / kUnit, s, face);
}

// Cell 39: a moulded frame whose quarters are the pieces of every frame the
// games draw. The edges between a quarter and three quarters of the cell are
// straight and uniform, so pieces cut from there join without seams.
void PaintFrameCell(QImage& img, const Design& d)
{
    const double scale = img.width() / kUnit;
    const QRectF outer(0.5, 0.5, 63, 63), inner(8.5, 8.5, 47, 47);
    const double outerR = 5, innerR = 2, width = 8;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const double ux = (x + 0.5) / scale, uy = (y + 0.5) / scale;
            const double dOut = RoundRectSdf(ux, uy, outer, outerR);
            const double dIn = RoundRectSdf(ux, uy, inner, innerR);
            const double cov = Clamp01(0.5 - dOut * scale) * Clamp01(0.5 + dIn * scale);
            if (cov <= 0)
                continue;
            const double e = 0.05;
            double nx = RoundRectSdf(ux + e, uy, outer, outerR) - RoundRectSdf(ux - e, uy, outer, outerR);
            double ny = RoundRectSdf(ux, uy + e, outer, outerR) - RoundRectSdf(ux, uy - e, outer, outerR);
            const double len = std::hypot(nx, ny);
            if (len > 0) {
                nx /= len;
                ny /= len;
            }
            const double a = Clamp01(-dOut / width);  // 0 at the outer edge, 1 at the inner
            QColor c;
            if (d.sixteenColours) {
                // black lines either side of a grey band with a white top-left
                if (a < 0.18 || a > 0.82)
                    c = Qt::black;
                else
                    c = Lit(nx, ny) * (a < 0.5 ? 1 : -1) > 0.3 ? QColor(255, 255, 255) : QColor(128, 128, 128);
            } else {
                // a rounded moulding: its slope faces outwards first, then inwards
                const double slope = std::cos(kPi * a);
                c = Shade(d.frame, Lit(nx, ny) * slope, 0.9);
                const double edgeLine = std::max(1 - SmoothStep(0.0, 0.14, a), SmoothStep(0.86, 1.0, a));
                c = Mix(c, Scale(d.frame, 0.45), 0.8 * edgeLine);
            }
            Blend(img, x, y, c, cov);
        }
    }
}

// Cell 40: the empty-slot marker, a groove in the shape of a tile.
void PaintSlotCell(QImage& img, const Design& d)
{
    const double scale = img.width() / kUnit;
    const QRectF r(1.5, 1.5, 61, 61);
    const double rad = 7, width = 3.2;
    const QColor dark = d.sixteenColours ? QColor(0, 0, 0) : Scale(d.frame, 0.55);
    const QColor light = d.sixteenColours ? QColor(255, 255, 255) : Mix(d.frame, Qt::white, 0.55);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const double ux = (x + 0.5) / scale, uy = (y + 0.5) / scale;
            const double dOut = RoundRectSdf(ux, uy, r, rad);
            const double cov = Clamp01(0.5 - dOut * scale) * Clamp01(0.5 + (dOut + width) * scale);
            if (cov <= 0)
                continue;
            const double a = Clamp01(-dOut / width);
            Blend(img, x, y, a < 0.5 ? dark : light, cov);
        }
    }
}

}  // namespace

const Design& DesignById(int id)
{
    for (const Design& d : kDesigns)
        if (d.id == id)
            return d;
    return kDesigns[0];
}

const Design* AllDesigns(int& count)
{
    count = int(std::size(kDesigns));
    return kDesigns;
}

QImage PaintLetterTile(const Design& d, char letter, int size, unsigned variant)
{
    QImage img = NewCell(size);
    PaintTileBody(img, d, variant);
    if (letter != ' ') {
        QPainter p;
        Begin(p, img);
        const QPainterPath path = TextPath(QString(QChar(letter)), 32, 32, 38, 48);
        DrawEngraved(p, path, d.ink, d.inkRelief, 1.1);
    }
    return img;
}

QImage PaintCell(const Design& d, int cell, int size, QColor* edge)
{
    QColor rim = d.rim;
    QImage img = NewCell(size);
    QPainter p;
    if (cell <= 25) {
        img = PaintLetterTile(d, char('A' + cell), size, unsigned(cell));
    } else if (cell <= 35) {
        PaintTileBody(img, d, unsigned(cell));
        Begin(p, img);
        p.setPen(d.sixteenColours ? QPen(Qt::NoPen) : QPen(Scale(d.disc, 0.6), 1.2));
        p.setBrush(d.disc);
        p.drawEllipse(QPointF(32, 32), 22, 22);
        const int digit = (cell - 26 + 1) % 10;
        const QPainterPath path = TextPath(QString::number(digit), 32, 32, 28, 34);
        p.fillPath(path, d.discInk);
    } else if (cell == 36) {
        PaintTileBody(img, d, unsigned(cell));
    } else if (cell == 37 || cell == 38) {
        const bool pressed = cell == 37;
        PaintButton(img, d, QRectF(1.5, 1.5, 61, 29), 6, 3, pressed, 37);
        PaintButton(img, d, QRectF(1.5, 33.5, 61, 29), 6, 3, pressed, 38);
        Begin(p, img);
        const double off = pressed ? 1 : 0;
        DrawEngraved(p, TextPath("Begin", 32 + off, 16 + off, 12, 50), d.ink, d.inkRelief, 0.8);
        DrawEngraved(p, TextPath("Undo", 32 + off, 48 + off, 12, 50), d.ink, d.inkRelief, 0.8);
    } else if (cell == 39) {
        PaintFrameCell(img, d);
        rim = Scale(d.frame, 0.45);
    } else if (cell == 40) {
        PaintSlotCell(img, d);
        rim = Scale(d.frame, 0.55);
    } else if (cell >= 41 && cell <= 43) {
        PaintTileBody(img, d, unsigned(cell));
        Begin(p, img);
        if (cell == 41)
            DrawStarSymbol(p, d);
        else if (cell == 42)
            DrawBolt(p, QRectF(17, 8, 30, 48), d, 1.8);
        else
            DrawBombSymbol(p, d);
    } else if (cell >= 44 && cell <= 46) {
        Begin(p, img);
        DrawFace(p, d, 45 - cell);
        rim = d.sixteenColours ? QColor(0, 0, 0) : QColor(92, 52, 0);
    } else if (cell == 47 || cell == 48) {
        const bool triple = cell == 48;
        if (d.sixteenColours) {
            PaintSlab(img, size / kUnit, TileSlab(d), [triple](double, double) {
                return triple ? QColor(0, 0, 0) : QColor(192, 192, 192);
            });
        } else {
            PaintTileBody(img, d, unsigned(cell), triple ? QColor(196, 36, 40) : QColor(240, 150, 160),
                          0.78);
        }
        Begin(p, img);
        const QColor ink = d.sixteenColours ? (triple ? QColor(255, 255, 255) : QColor(0, 0, 0))
                                            : (triple ? QColor(255, 246, 236) : QColor(110, 12, 24));
        const QColor relief = d.sixteenColours ? QColor(0, 0, 0, 0)
                                               : (triple ? QColor(60, 0, 0, 170) : QColor(255, 240, 240, 160));
        DrawEngraved(p, TextPath(triple ? "TW" : "DW", 32, 32, 24, 46), ink, relief, 1.0);
    } else if (cell == 49) {
        if (d.sixteenColours)
            PaintTileBody(img, d, unsigned(cell));
        else
            PaintTileBody(img, d, unsigned(cell), QColor(236, 196, 84), 0.72);
        Begin(p, img);
        DrawScarab(p, d);
    } else if (cell == 52) {
        PaintTileBody(img, d, unsigned(cell));
        Begin(p, img);
        DrawDiamondSymbol(p, d);
    } else if (cell == 50 || cell == 51) {
        const bool pressed = cell == 50;
        for (int q = 0; q < 4; ++q) {
            const double qx = (q % 2) * 32, qy = (q / 2) * 32;
            PaintButton(img, d, QRectF(qx + 1.5, qy + 1.5, 29, 29), 5, 2.5, pressed, 50u + unsigned(q));
        }
        Begin(p, img);
        for (int q = 0; q < 4; ++q) {
            const double off = pressed ? 0.8 : 0;
            DrawSmallIcon(p, d, q, QPointF((q % 2) * 32 + 16 + off, (q / 2) * 32 + 16 + off));
        }
    }
    if (p.isActive())
        p.end();
    if (edge)
        *edge = rim;
    return img;
}

QImage QuantizeTo16(const QImage& img)
{
    static const QRgb palette[] = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    QImage out = img.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((row[x] | 0xFF000000u) == kMagenta)
                continue;
            int best = 0, bestDist = 1 << 30;
            for (int i = 0; i < 16; ++i) {
                if (palette[i] == kMagenta)
                    continue;  // only the background may be see-through
                const int dr = qRed(row[x]) - qRed(palette[i]);
                const int dg = qGreen(row[x]) - qGreen(palette[i]);
                const int db = qBlue(row[x]) - qBlue(palette[i]);
                const int dist = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                if (dist < bestDist) {
                    bestDist = dist;
                    best = i;
                }
            }
            row[x] = palette[best];
        }
    }
    // Stored as a 16-entry palette image, as a 16-colour bitmap would be.
    const QList<QRgb> table(std::begin(palette), std::end(palette));
    return out.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither | Qt::AvoidDither);
}

QImage PaintSheet(const Design& d, int cellSize)
{
    QImage sheet(13 * cellSize, 5 * cellSize, QImage::Format_RGB32);
    sheet.fill(kMagenta);
    QPainter p(&sheet);
    for (int k = 0; k < kSheetCells; ++k) {
        QColor edge;
        const QImage cell = PaintCell(d, k, cellSize, &edge);
        p.drawImage((k % 13) * cellSize, (k / 13) * cellSize, KeyToMagenta(cell, edge));
    }
    p.end();
    return d.sixteenColours ? QuantizeTo16(sheet) : sheet;
}

}  // namespace art
