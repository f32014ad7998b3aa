#pragma once
// What the Qt implementations of CBitmap, CFont and CBackBuffer share.
#include <QFont>
#include <QImage>

#include "framework/Bitmap.h"

struct CBitmap::Impl {
    QImage image;  // always Format_RGB32
};

struct CFont::Impl {
    QFont font;
    ~Impl();
};

inline QRgb ToQRgb(COLORREF c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }
inline COLORREF FromQRgb(QRgb c) { return RGB(qRed(c), qGreen(c), qBlue(c)); }

// A bitmap handle around an image (counted as a created bitmap).
CBitmap BitmapFromImage(QImage image);
const QImage* ImageOf(const CBitmap& bitmap);  // null for a null bitmap
