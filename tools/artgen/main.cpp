// glyphery-artgen: paints every bitmap and icon of the game.
//
//   QT_QPA_PLATFORM=offscreen glyphery-artgen <resources folder>
//
// writes <folder>/bitmaps/<id>.png, the icon <folder>/icons/198-<size>.png
// and the animation <folder>/animations/434.png.
// Everything is drawn from code with fixed seeds, so a run reproduces the
// committed files exactly (given the same Qt and Liberation fonts).
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

#include "ArtCommon.h"
#include "Scenes.h"
#include "Textures.h"
#include "Tiles.h"

using namespace art;

namespace {

QString g_out;

QString BitmapPath(int id) { return QStringLiteral("%1/bitmaps/%2.png").arg(g_out).arg(id); }

bool WriteSheetsAndPreviews()
{
    bool ok = true;
    int count = 0;
    const Design* designs = AllDesigns(count);
    const QImage satin = DeepRedSatin(265, 256);
    for (int i = 0; i < count; ++i) {
        const Design& d = designs[i];
        ok &= SavePng(PaintSheet(d), BitmapPath(d.sheetBitmap));
        ok &= SavePng(PaintSheet(d, kLargeCell), BitmapPath(LargeSheetBitmap(d)));
        // Options preview, 48 x 48: a tile lying on the default table cloth.
        QImage tile = PaintLetterTile(d, 'A', 192, 3);
        QImage big = TilePattern(satin, 192, 192);
        QPainter p(&big);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(14, 14, 164, 164), tile);
        p.end();
        QImage preview = big.scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (d.sixteenColours)
            preview = QuantizeTo16(preview);
        ok &= SavePng(preview, BitmapPath(d.previewBitmap));
    }
    return ok;
}

bool WritePatterns()
{
    bool ok = SavePng(DeepRedSatin(265, 256), BitmapPath(194));
    ok &= SavePng(RadioactiveWater(360, 360), BitmapPath(247));
    ok &= SavePng(TanStucco(256, 256), BitmapPath(373));
    return ok;
}

// The chooser's stand-in previews: each game's name in tiles, at twice the
// size of the 80 x 62 dialog-unit picture.
bool WriteChooserPreviews()
{
    const struct {
        int bitmap;
        const char* name;
    } previews[] = {
        {406, "Anagrammer"}, {394, "Anti-Gravity"}, {407, "Avalanche"}, {408, "Cave In"},
        {409, "Cross Ways"}, {460, "Dead Lines"}, {401, "Elegance"}, {402, "Free Cell"},
        {412, "Gobble"}, {395, "Golf"}, {400, "Griddle"}, {403, "Quillo's Quotes"},
        {413, "Jumble"}, {396, "Klondike"}, {410, "Le Scarab"}, {470, "Letter Box"},
        {399, "Loch Ness"}, {415, "Prospector"}, {404, "Pyramid"}, {427, "Rock Piles"},
        {397, "Simple Stacks"}, {425, "Tetris (Sticky)"}, {429, "Tetris (Slippery)"},
        {428, "Tetris (Classic)"}, {479, "Tower of Babble"}, {426, "Tri Peaks"},
        {417, "Unscramble"}, {411, "Vowel Strength"}, {398, "Walls of Jericho"},
        {484, "Word Speed"}, {405, "Worm Hole"},
    };
    bool ok = true;
    for (const auto& p : previews)
        ok &= SavePng(NamePreview(QString::fromLatin1(p.name), 160, 124), BitmapPath(p.bitmap));
    return ok;
}

bool WriteIcons()
{
    bool ok = true;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        ok &= SavePng(ProgramIcon(size), QStringLiteral("%1/icons/198-%2.png").arg(g_out).arg(size));
    return ok;
}

// The loading animation: a strip of square frames played left to right,
// one every 100 ms, over and over.
bool WriteAnimation()
{
    return SavePng(LoadingStrip(48, 40), QStringLiteral("%1/animations/434.png").arg(g_out));
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    g_out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QFontDatabase::families().contains("Liberation Sans")) {
        std::fprintf(stderr, "the Liberation Sans font is missing (package fonts-liberation2)\n");
        return 1;
    }
    bool ok = WriteSheetsAndPreviews();
    ok &= WritePatterns();
    ok &= WriteIcons();
    ok &= WriteAnimation();
    ok &= WriteChooserPreviews();
    return ok ? 0 : 1;
}
