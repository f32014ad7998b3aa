#include "app/ScoreDialogSupport.h"

#include "app/DialogSupport.h"
#include "framework/Resources.h"
#include "framework/WinTypes.h"
#include "platform/Modal.h"

QString TitleWithGameName(const QString& title, unsigned gameNameId)
{
    if (gameNameId == 0 || !HasResString(gameNameId))
        return title;
    return QStringLiteral("%1 - %2").arg(title, DialogText(gameNameId));
}

bool AskYesNo(QWidget* parent, unsigned captionId, unsigned textId)
{
    return ShowMessageBox(parent, ResString(textId), ResString(captionId), MB_YESNO | MB_ICONQUESTION) == IDYES;
}
