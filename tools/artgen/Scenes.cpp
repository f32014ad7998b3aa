#include "Scenes.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "ArtCommon.h"
#include "Textures.h"
#include "Tiles.h"

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Draws `img` centred on (cx, cy), `side` pixels wide, turned by `degrees`.
void DrawTurned(QPainter& p, const QImage& img, double cx, double cy, double side, double degrees)
{
    p.save();
    p.translate(cx, cy);
    p.rotate(degrees);
    p.drawImage(QRectF(-side / 2, -side / 2, side, side), img);
    p.restore();
}

// A soft shadow under a tile, painted as stacked translucent rounded squares.
void DrawShadow(QPainter& p, double cx, double cy, double side, double degrees, double strength)
{
    p.save();
    p.translate(cx, cy);
    p.rotate(degrees);
    p.setPen(Qt::NoPen);
    for (int i = 5; i >= 1; --i) {
        const double grow = side * 0.012 * i;
        p.setBrush(QColor(0, 0, 0, int(strength * 255 / 6)));
        const QRectF r(-side / 2 - grow, -side / 2 - grow, side + 2 * grow, side + 2 * grow);
        p.drawRoundedRect(r, side * 0.14 + grow, side * 0.14 + grow);
    }
    p.restore();
}

QImage Canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

}  // namespace

QImage ProgramIcon(int size)
{
    const Design& light = DesignById(1);
    const Design& dark = DesignById(3);
    QImage icon = Canvas(size, size);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (size < 48) {
        // Small sizes: one tile filling the icon, so the letter stays legible.
        p.drawImage(0, 0, PaintLetterTile(light, 'G', size, 6));
        return icon;
    }
    // Two tiles: a dark one behind, turned, and the light G in front.
    const double back = size * 0.62, front = size * 0.70;
    const QImage backTile = PaintLetterTile(dark, 'W', int(std::lround(back * 1.5)), 22);
    const QImage frontTile = PaintLetterTile(light, 'G', int(std::lround(front * 1.5)), 6);
    const double bx = size * 0.64, by = size * 0.36, fx = size * 0.38, fy = size * 0.62;
    DrawShadow(p, bx + size * 0.015, by + size * 0.02, back, 14, 0.35);
    DrawTurned(p, backTile, bx, by, back, 14);
    DrawShadow(p, fx + size * 0.02, fy + size * 0.025, front, -6, 0.45);
    DrawTurned(p, frontTile, fx, fy, front, -6);
    return icon;
}

QImage LoadingStrip(int side, int frames)
{
    // A tile that turns over and over, showing the letters of WORDS in turn.
    // Each turn takes frames / 5 frames, a quarter of them resting face up.
    const Design& d = DesignById(1);
    const QString letters = "WORDS";
    const int perLetter = frames / letters.size();
    const int scale = 4;  // paint large, then reduce for smooth edges
    const int big = side * scale;
    QImage strip = Canvas(side * frames, side);
    QPainter sp(&strip);
    sp.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int f = 0; f < frames; ++f) {
        const int letter = f / perLetter, step = f % perLetter;
        const int rest = perLetter / 4;
        double turn = step < rest ? 0.0 : double(step - rest) / (perLetter - rest);  // 0..1
        const double angle = turn * kPi;
        const bool second = angle > kPi / 2;
        const QChar shown = letters[second ? (letter + 1) % letters.size() : letter];
        const QImage tile = PaintLetterTile(d, shown.toLatin1(), int(big * 0.72), unsigned(letter));
        const double widthScale = std::max(0.04, std::fabs(std::cos(angle)));
        const double lift = std::sin(angle) * big * 0.12;
        QImage frame = Canvas(big, big);
        QPainter p(&frame);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        // shadow on the table, smaller while the tile is up in the air
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, int(70 - 30 * std::sin(angle))));
        const double sw = big * 0.66 * (0.75 + 0.25 * widthScale);
        p.drawEllipse(QPointF(big / 2.0, big * 0.9), sw / 2, big * 0.05);
        const double tw = tile.width() * widthScale;
        p.drawImage(QRectF(big / 2.0 - tw / 2, big * 0.08 + big * 0.1 - lift, tw, tile.height()), tile);
        p.end();
        sp.drawImage(QRectF(f * side, 0, side, side), frame);
    }
    sp.end();
    return strip;
}

QImage NamePreview(const QString& name, int w, int h)
{
    // Break the name at spaces into one to three lines, choosing the break
    // that gives the largest tiles; a space or punctuation takes half a cell.
    // A hyphen is a break opportunity too; it stays at the end of its line.
    QStringList words;
    for (const QString& word : name.toUpper().split(' ', Qt::SkipEmptyParts)) {
        QString rest = word;
        int dash;
        while ((dash = rest.indexOf('-')) > 0 && dash < rest.size() - 1) {
            words << rest.left(dash + 1) + QChar(0x1);  // marks "no space after"
            rest = rest.mid(dash + 1);
        }
        words << rest;
    }
    auto cells = [](const QString& s) {
        double n = 0;
        for (QChar c : s)
            n += c.isLetter() ? 1.0 : c == QChar(0x1) ? 0.0 : 0.5;
        return n;
    };
    const double margin = w * 0.04;
    QStringList best;
    double bestTile = 0;
    const int n = int(words.size());
    for (int mask = 0; mask < (1 << std::max(0, n - 1)); ++mask) {
        QStringList lines{words[0]};
        for (int i = 1; i < n; ++i) {
            if (mask & (1 << (i - 1)))
                lines << words[i];
            else
                lines.last() += (lines.last().endsWith(QChar(0x1)) ? QString() : QString(' ')) + words[i];
        }
        if (lines.size() > 3)
            continue;
        double widest = 0;
        for (const QString& l : lines)
            widest = std::max(widest, cells(l));
        const double tile = std::min((w - 2 * margin) / widest, (h - 2 * margin) / (lines.size() + 0.25 * (lines.size() - 1)));
        if (tile > bestTile + 0.01) {
            bestTile = tile;
            best = lines;
        }
    }
    const double tile = std::min(bestTile, h * 0.4);
    const double gap = tile * 0.25;

    const int scale = 4;
    QImage layer = Canvas(w * scale, h * scale);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    const Design& d = DesignById(1);
    const double total = best.size() * tile + (best.size() - 1) * gap;
    double y = (h - total) / 2;
    unsigned variant = 0;
    for (const QString& line : best) {
        double x = (w - cells(line) * tile) / 2;
        if (line.endsWith(QChar(0x1)))  // centre on the letters, the hyphen hangs out
            x += tile / 4;
        for (QChar c : line) {
            if (c == QChar(0x1))
                continue;
            ++variant;
            if (c.isLetter()) {
                const double turn = (Hash01(int(variant), int(qHash(name) % 977), 31u) - 0.5) * 5.0;
                const double cx = x + tile / 2, cy = y + tile / 2;
                DrawShadow(p, cx + tile * 0.03, cy + tile * 0.05, tile * 0.96, turn, 0.35);
                DrawTurned(p, PaintLetterTile(d, c.toLatin1(), int(tile * scale), variant), cx, cy, tile, turn);
                x += tile;
            } else {
                if (c != ' ') {
                    QFont f("Liberation Sans");
                    f.setBold(true);
                    f.setPixelSize(std::max(1, int(tile * 0.7)));
                    p.setFont(f);
                    p.setPen(QColor(255, 246, 230));
                    p.drawText(QRectF(x, y, tile / 2, tile), Qt::AlignCenter, QString(c));
                }
                x += tile / 2;
            }
        }
        y += tile + gap;
    }
    p.end();
    const QImage tiles = layer.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return Over(tiles, TilePattern(DeepRedSatin(265, 256), w, h));
}

}  // namespace art
