#include "framework/Debug.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

CDrawCounters& DrawCounters()
{
    static CDrawCounters counters;
    return counters;
}

bool DebugEnabled()
{
    const char* v = std::getenv("GLYPHERY_DEBUG");
    return v && *v && std::strcmp(v, "0") != 0;
}

void DebugOut(const char* text)
{
    if (text && DebugEnabled()) {
        std::fputs(text, stderr);
        std::fputc('\n', stderr);
    }
}

void WriteDrawCounterSummary()
{
    const CDrawCounters& c = DrawCounters();
    char line[256];
    std::snprintf(line, sizeof line, "GetDC(%d) vs. ReleaseDC(%d)", c.getDC, c.releaseDC);
    DebugOut(line);
    std::snprintf(line, sizeof line, "CreateDC(%d) vs. DeleteDC(%d)", c.createDC, c.deleteDC);
    DebugOut(line);
    std::snprintf(line, sizeof line, "LoadBitmap(%d) and CreateCompatibleBitmap(%d)", c.loadBitmap,
                  c.createBitmap);
    DebugOut(line);
    std::snprintf(line, sizeof line, "SolidBrush(%d) and PatternBrush(%d) and IndirectBrush(%d)",
                  c.solidBrush, c.patternBrush, c.indirectBrush);
    DebugOut(line);
    std::snprintf(line, sizeof line,
                  "CreateBMP(%d) + CreateBrush(%d) + CreateFont(%d) vs. DeleteObject(%d)",
                  c.totalBitmaps, c.totalBrushes, c.createFont, c.deleteObject);
    DebugOut(line);
}

void StartDebugOutput()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    DebugOut("--- This is the beginning of the debug output system ---");
    std::atexit(WriteDrawCounterSummary);
}
