#pragma once
// What the Qt implementations of CBitmap, CFont and CBackBuffer share.
#include <QFont>
#include <QImage>
#include <string>
#include <unordered_map>

#include "framework/Bitmap.h"

class CQtMainWindow;

struct CBitmap::Impl {
    QImage image;  // always Format_RGB32
};

struct CFont::Impl {
    QFont font;
    // One-line text widths measured in this font so far (the font never changes).
    std::unordered_map<std::string, int> widths;
    // Table texts rendered in this font with their outline, ready to lay over
    // the table, by text, colour, box size and format (see DrawText).
    struct Rendered {
        QImage image;       // premultiplied; null when nothing shows
        QPoint offset;      // of the image from the box's top left
        int height = 0;     // of the laid-out text
    };
    std::unordered_map<std::string, Rendered> rendered;
    std::size_t renderedBytes = 0;
    ~Impl();
};

// A back buffer's pixels as the window may show them without copying: a
// present only notes where the screen now shows the surface, and the window
// copies those parts out before the surface changes there (BeforeWrite) or
// goes away. While the window delivers a paint, nothing is copied: what that
// paint draws, it presents.
struct CScreenSource {
    QImage image;                      // Format_RGB32
    CQtMainWindow* shownOn = nullptr;  // the window showing part of it

    CScreenSource() = default;
    CScreenSource(const CScreenSource&) = delete;
    CScreenSource& operator=(const CScreenSource&) = delete;
    ~CScreenSource();
    // Whether BeforeWrite has any use now (to spare working out the area).
    bool WritesWatched() const;
    // Call before changing the pixels of `area` (or replacing the image).
    void BeforeWrite(const QRect& area);
    void BeforeReplace();
};

inline QRgb ToQRgb(COLORREF c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }
inline COLORREF FromQRgb(QRgb c) { return RGB(qRed(c), qGreen(c), qBlue(c)); }

// A bitmap handle around an image (counted as a created bitmap).
CBitmap BitmapFromImage(QImage image);
const QImage* ImageOf(const CBitmap& bitmap);  // null for a null bitmap
