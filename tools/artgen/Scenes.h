#pragma once
// Pictures composed from tiles: the program icon, the loading animation and
// the stand-in chooser previews.
#include <QImage>
#include <QString>

namespace art {

// The program icon at one size, with real transparency.
QImage ProgramIcon(int size);

// The loading animation: `frames` square frames of `side` pixels side by
// side, with real transparency.
QImage LoadingStrip(int side, int frames);

// A chooser preview: the game's name spelled in tiles on the table cloth.
QImage NamePreview(const QString& name, int w, int h);

}  // namespace art
