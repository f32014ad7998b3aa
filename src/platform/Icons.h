#pragma once
// The program icon (resource 198) in every size that was embedded.
#include <QIcon>

QIcon ProgramIcon();
// The widget of a window handle (the main window), or null.
class QWidget;
QWidget* WidgetOf(class CWindow* window);
