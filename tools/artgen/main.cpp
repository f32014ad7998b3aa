// glyphery-artgen: paints every bitmap and icon of the game.
//
//   QT_QPA_PLATFORM=offscreen glyphery-artgen <resources folder>
//
// writes <folder>/bitmaps/<id>.png and <folder>/icons/glyphery-<size>.png.
// Everything is drawn from code with fixed seeds, so a run reproduces the
// committed files exactly (given the same Qt and Liberation fonts).
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

#include "ArtCommon.h"
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
    return ok ? 0 : 1;
}
