#pragma once
// The debug channel and the counters kept on drawing resources.
//
// DebugOut is the program's trace call. It writes nothing unless the
// environment variable GLYPHERY_DEBUG is set (to anything but "0"), in which
// case each line goes to standard error.

struct CDrawCounters {
    int getDC = 0;           // window surfaces taken for drawing
    int releaseDC = 0;
    int createDC = 0;        // off-screen surfaces created
    int deleteDC = 0;
    int loadBitmap = 0;      // bitmap resources loaded
    int createBitmap = 0;    // blank bitmaps created
    int solidBrush = 0;
    int patternBrush = 0;
    int indirectBrush = 0;
    int createFont = 0;
    int deleteObject = 0;    // bitmaps, brushes and fonts released
    int totalBitmaps = 0;    // running totals
    int totalBrushes = 0;
};

CDrawCounters& DrawCounters();

void DebugOut(const char* text);
bool DebugEnabled();
// Writes the opening line and arranges for the counter summary at exit.
void StartDebugOutput();
// The counter summary lines, as written at exit.
void WriteDrawCounterSummary();
