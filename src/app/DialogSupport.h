#pragma once
// Helpers shared by the program's Qt dialogs: dialog units, resource texts and
// bitmaps, and the owner window. Only dialog sources include this header.
#include <QPixmap>
#include <QString>

class QDialog;
class QWidget;

// A string resource as the dialog shows it: "\r\n" line breaks become "\n".
QString DialogText(unsigned stringId);
// An embedded bitmap resource by id; a null pixmap when there is none.
QPixmap ResourceBitmap(unsigned bitmapId);

// Dialog units, from the average character size of the widget's font: a
// horizontal unit is a quarter of the average width, a vertical one an eighth
// of the height.
int DluX(const QWidget* widget, int units);
int DluY(const QWidget* widget, int units);

// Centres the dialog over its parent (or the screen), moved as little as
// needed to lie inside the screen's available area.
void CentreDialog(QDialog* dialog);
