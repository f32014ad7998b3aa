#pragma once
// Small pieces shared by the score dialogs (Qt side only).
#include <QString>

#include "framework/Window.h"

class QWidget;

// The Qt widget behind the main window handle (or the active window).
QWidget* DialogParent(HWND window);
// "title - game name"; just the title while no game name is known.
QString TitleWithGameName(const QString& title, unsigned gameNameId);
// A string resource as a QString.
QString ResText(unsigned id);
// A Yes/No question box; true for Yes.
bool AskYesNo(QWidget* parent, unsigned captionId, unsigned textId);
