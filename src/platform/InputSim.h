#pragma once
// Synthetic input for the driver and the tests: the same Qt events a person
// makes, sent straight to a widget.
#include <QString>
#include <Qt>

#include "platform/MainWindow.h"

class QWidget;

// One mouse message at `pos`; `held` are the buttons down before it. Returns
// the buttons down after it.
Qt::MouseButtons SimulateMouse(QWidget* widget, MouseMessage message, int x, int y, Qt::KeyboardModifiers modifiers,
                               Qt::MouseButtons held);
// One key press and release; `text` is what the key types ("" for none).
void SimulateKey(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);
