#pragma once
// The program icon (resource 198) in every size that was embedded.
#include <QIcon>

QIcon ProgramIcon();
// The widget of a window handle (the main window), or null.
class QWidget;
QWidget* WidgetOf(class CWindow* window);

// The application as the program and the driver set it up: its name, icon and
// desktop entry. No display name is set: the platform would append it to
// every window title ("Glyphery - Golf — Glyphery"), and the program's
// titles already name it.
void SetUpApplication();
