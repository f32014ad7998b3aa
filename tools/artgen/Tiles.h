#pragma once
// The four tile designs and everything painted in their style: the 53 cells
// of a tile sheet (13 columns by 5 rows of 64-pixel cells, the last row
// holding only the diamond), and single tiles at any size for previews and
// the icon.
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

#include "Textures.h"

namespace art {

struct Design {
    int id;              // the LetterTileDesign setting
    int sheetBitmap;     // resource id of the sheet
    int previewBitmap;   // resource id of the 48 x 48 preview in Options
    Surface surface;
    QColor ink;          // letters
    QColor inkRelief;    // the engraved edge drawn under the letters
    QColor rim;          // outline of tiles and buttons
    QColor disc;         // the disc behind digits
    QColor discInk;      // the digits
    QColor frame;        // frame moulding
    bool sixteenColours; // limited to the 16 standard colours, no texture
};

const Design& DesignById(int id);
const Design* AllDesigns(int& count);

// One cell of the sheet painted at `size` pixels, with real transparency.
// `edge` receives the colour its antialiased outline blends into.
QImage PaintCell(const Design& d, int cell, int size, QColor* edge = nullptr);

// A single letter tile ('A'..'Z', or ' ' for blank) at any size.
QImage PaintLetterTile(const Design& d, char letter, int size, unsigned variant);

// The whole sheet of 13 x 5 cells of `cellSize` pixels (832 x 320 at the
// shipped 64), magenta where transparent.
inline constexpr int kSheetCells = 53;
QImage PaintSheet(const Design& d, int cellSize = 64);

// The large master of a design's sheet: 128-pixel cells, the same layout, read
// by the program only when tiles grow past 64 pixels.
inline constexpr int kLargeCell = 128;
inline int LargeSheetBitmap(const Design& d) { return 1000 + d.sheetBitmap; }

// Restricts a picture to the 16 standard colours (magenta stays magenta);
// the result is a palette image with those 16 entries.
QImage QuantizeTo16(const QImage& img);

}  // namespace art
