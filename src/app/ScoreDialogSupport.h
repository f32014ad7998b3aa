#pragma once
// Small pieces shared by the score dialogs (Qt side only).
#include <QString>

class QWidget;

// "title - game name"; just the title while no game name is known.
QString TitleWithGameName(const QString& title, unsigned gameNameId);
// A Yes/No question box with string resources; true for Yes.
bool AskYesNo(QWidget* parent, unsigned captionId, unsigned textId);
