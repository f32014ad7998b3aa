// The embedded art and sounds: sizes and formats the drawing and sound code
// rely on, the transparent colour used exactly, tile frames that join without
// seams, patterns that tile, and sounds that play, short and never clipping.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <set>

#include "app/Catalogue.h"
#include "app/GameFactory.h"
#include "framework/Sound.h"
#include "platform/SoundPlayer.h"
#include "platform/Wave.h"

#include "TestSupport.h"

namespace {

constexpr QRgb kKey = 0xFFFF00FF;  // the sheets' transparent magenta
constexpr int kCell = 64;
constexpr int kSheetIds[] = {382, 380, 381, 389};

QImage Bitmap(int id)
{
    return QImage(QStringLiteral(":/bitmaps/%1.png").arg(id)).convertToFormat(QImage::Format_RGB32);
}

QRgb At(const QImage& img, int x, int y) { return img.pixel(x, y) | 0xFF000000u; }

QRgb CellPixel(const QImage& sheet, int cell, int x, int y)
{
    return At(sheet, (cell % 13) * kCell + x, (cell / 13) * kCell + y);
}

int Luma(QRgb c) { return (qRed(c) * 3 + qGreen(c) * 6 + qBlue(c)) / 10; }

bool IsStandard16(QRgb c)
{
    static const std::set<QRgb> palette = {
        0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
        0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
    return palette.count(c | 0xFF000000u) != 0;
}

}  // namespace

// Every design: tiles with see-through corners and a solid body, the frame and
// the empty-slot marker open in the middle, no pink fringe (and only the
// sixteen standard colours in the 16-colour design), letters distinct and of
// high contrast, frame edges that join without seams (frames are stitched
// from half-tile pieces cut at quarter-tile offsets of cell ':', 39), and
// pressed buttons that look unlike raised ones.
TEST(TileSheets, EveryDesignsCellsCanBeDrawnAsTheCodeCutsThem)
{
    for (int id : kSheetIds) {
        SCOPED_TRACE(id);
        const QImage sheet = Bitmap(id);
        ASSERT_EQ(sheet.width(), 832);
        ASSERT_EQ(sheet.height(), 320);
        // Letters, numbers, blank, symbols, premium squares, the diamond.
        for (int cell : {0, 12, 25, 26, 35, 36, 41, 42, 43, 47, 48, 49, 52}) {
            SCOPED_TRACE(cell);
            EXPECT_EQ(CellPixel(sheet, cell, 0, 0), kKey);
            EXPECT_EQ(CellPixel(sheet, cell, 63, 63), kKey);
            for (int y = 4; y < 60; ++y)
                for (int x = 4; x < 60; ++x)
                    ASSERT_NE(CellPixel(sheet, cell, x, y), kKey) << x << "," << y;
        }
        EXPECT_EQ(CellPixel(sheet, 39, 32, 32), kKey);
        EXPECT_EQ(CellPixel(sheet, 40, 32, 32), kKey);
        EXPECT_NE(CellPixel(sheet, 39, 32, 3), kKey);
        EXPECT_NE(CellPixel(sheet, 40, 32, 2), kKey);

        int fringe = 0, offPalette = 0;
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x) {
                const QRgb c = At(sheet, x, y);
                fringe += c != kKey && qRed(c) > 190 && qBlue(c) > 190 && qGreen(c) < 90;
                offPalette += !IsStandard16(c);
            }
        EXPECT_EQ(fringe, 0);
        EXPECT_TRUE(id != 389 || offPalette == 0) << offPalette;

        std::set<QByteArray> seen;
        for (int cell = 0; cell < 36; ++cell) {
            const QImage img = sheet.copy((cell % 13) * kCell, (cell / 13) * kCell, kCell, kCell);
            seen.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()), int(img.sizeInBytes())));
            int lo = 255, hi = 0;
            for (int y = 16; y < 48; ++y)
                for (int x = 16; x < 48; ++x) {
                    lo = std::min(lo, Luma(CellPixel(sheet, cell, x, y)));
                    hi = std::max(hi, Luma(CellPixel(sheet, cell, x, y)));
                }
            EXPECT_GT(hi - lo, 120) << "cell " << cell;
        }
        EXPECT_EQ(seen.size(), 36u);

        for (int y = 0; y < kCell; ++y)
            for (int x = 16; x < 48; ++x)
                ASSERT_EQ(CellPixel(sheet, 39, x, y), CellPixel(sheet, 39, 16, y)) << x << "," << y;
        for (int x = 0; x < kCell; ++x)
            for (int y = 16; y < 48; ++y)
                ASSERT_EQ(CellPixel(sheet, 39, x, y), CellPixel(sheet, 39, x, 16)) << x << "," << y;
        for (auto [pressed, raised] : {std::pair{37, 38}, std::pair{50, 51}}) {
            int differing = 0;
            for (int y = 0; y < kCell; ++y)
                for (int x = 0; x < kCell; ++x)
                    differing += CellPixel(sheet, pressed, x, y) != CellPixel(sheet, raised, x, y);
            EXPECT_GT(differing, 400) << pressed;
        }
    }
}

TEST(Patterns, SizesAndSeamlessTiling)
{
    const struct {
        int id, w, h;
    } patterns[] = {{194, 265, 256}, {247, 360, 360}, {373, 256, 256}};
    auto diff = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    };
    for (const auto& p : patterns) {
        SCOPED_TRACE(p.id);
        const QImage img = Bitmap(p.id);
        ASSERT_EQ(img.width(), p.w);
        ASSERT_EQ(img.height(), p.h);
        // The step across the wrap must look like any step inside.
        double inside = 0, wrapX = 0, wrapY = 0;
        for (int y = 0; y < p.h; ++y) {
            inside += diff(At(img, p.w / 2, y), At(img, p.w / 2 + 1, y));
            wrapX += diff(At(img, p.w - 1, y), At(img, 0, y));
        }
        for (int x = 0; x < p.w; ++x)
            wrapY += diff(At(img, x, p.h - 1), At(img, x, 0));
        inside /= p.h;
        wrapX /= p.h;
        wrapY /= p.w;
        EXPECT_LT(wrapX, inside * 2.5 + 6);
        EXPECT_LT(wrapY, inside * 2.5 + 6);
    }
}

// The pictures decoded while the program starts (tile sheets of 24-bit
// colour, background patterns) keep their pixels in stored deflate blocks,
// unfiltered (tools/png_stored.py): decoding them is nearly a copy.
TEST(StartupPictures, StoredUncompressedAndUnfiltered)
{
    for (int id : {382, 380, 381, 194, 247, 373}) {
        SCOPED_TRACE(id);
        QFile file(QStringLiteral(":/bitmaps/%1.png").arg(id));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray png = file.readAll();
        const auto word = [&](qsizetype at) {
            return static_cast<std::uint32_t>(static_cast<unsigned char>(png[at]) << 24 |
                                              static_cast<unsigned char>(png[at + 1]) << 16 |
                                              static_cast<unsigned char>(png[at + 2]) << 8 |
                                              static_cast<unsigned char>(png[at + 3]));
        };
        qsizetype at = 8;
        while (at + 8 <= png.size() && png.mid(at + 4, 4) != "IDAT")
            at += 12 + static_cast<qsizetype>(word(at));
        ASSERT_LE(at + 16, png.size());
        const qsizetype data = at + 8 + 2;  // past the zlib header
        EXPECT_EQ(static_cast<unsigned char>(png[data]) & 0x06, 0) << "a compressed deflate block";
        EXPECT_EQ(png[data + 5], 0) << "a filtered first row";  // after the block's length words
    }
}

TEST(Previews, OptionsAndChooserPicturesExist)
{
    for (int id : {376, 377, 378, 391})
        EXPECT_EQ(Bitmap(id).size(), QSize(48, 48)) << id;
    for (const GameDescriptor* game : OfferedGames())
        EXPECT_EQ(Bitmap(int(game->chooser.previewId)).size(), QSize(160, 124)) << "game " << game->gameId;
}

TEST(Icons, EverySizeSquareWithTransparency)
{
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage img(QStringLiteral(":/icons/198-%1.png").arg(size));
        ASSERT_FALSE(img.isNull()) << size;
        EXPECT_EQ(img.size(), QSize(size, size));
        EXPECT_TRUE(img.hasAlphaChannel());
        EXPECT_LT(qAlpha(img.pixel(0, 0)), 64) << size;  // a rounded, see-through corner
        EXPECT_EQ(qAlpha(img.pixel(size / 2, size / 2)), 255) << size;
    }
}

// Every sound of the game is one the player reads: short, never clipped,
// fading in and out; and the device plays it.
TEST(Sounds, ShortQuietEdgedPcmThatNeverClips)
{
    for (unsigned id : {236u, 238u, 239u, 244u, 245u, 423u, 431u}) {
        SCOPED_TRACE(id);
        QFile file(QStringLiteral(":/sounds/%1.wav").arg(id));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        CWave wav;
        ASSERT_TRUE(ParseWave(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size(), wav));
        EXPECT_EQ(wav.channels, 1);
        EXPECT_EQ(wav.sampleRate, 22050);
        ASSERT_EQ(wav.bitsPerSample, 16);
        std::vector<std::int16_t> samples(wav.samples.size() / 2);
        std::memcpy(samples.data(), wav.samples.data(), samples.size() * 2);
        const double seconds = double(samples.size()) / wav.sampleRate;
        EXPECT_LT(seconds, id == 236 ? 0.15 : 1.5);
        EXPECT_GT(seconds, 0.05);
        int peak = 0;
        for (std::int16_t v : samples)
            peak = std::max(peak, std::abs(int(v)));
        EXPECT_LT(peak, 30000);  // headroom: never at full scale
        EXPECT_GT(peak, 8000);   // but clearly audible
        EXPECT_LT(std::abs(int(samples.front())), 200);  // fades in and out, no click
        EXPECT_LT(std::abs(int(samples.back())), 200);
    }
    ASSERT_TRUE(testsupport::WaitUntilQuiet());
    EXPECT_TRUE(StartWave(236));
    EXPECT_TRUE(testsupport::WaitUntilQuiet());
    ShutdownSound();
}
