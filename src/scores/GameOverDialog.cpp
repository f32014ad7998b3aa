#include "scores/GameOverDialog.h"

#include <QPushButton>

#include "app/DialogSupport.h"
#include "platform/Icons.h"
#include "platform/Modal.h"
#include "scores/ScoreDialogs.h"

CGameOverDialog::CGameOverDialog(QWidget* parent, unsigned gameNameId)
    : CStatisticsDialog(parent, QStringLiteral("Game Over"), gameNameId)
{
    AddButton(1013, QStringLiteral("&Reset Stats"));
    AddButtonStretch();
    QPushButton* playAgain = AddButton(kPlayAgain, QStringLiteral("&Play Again"), true);
    AddButton(kDifferentGame, QStringLiteral("&Different Game"));
    AddButton(kReplayHand, QStringLiteral("Replay &Hand"));
    AddButton(kQuit, QStringLiteral("&Quit"));
    playAgain->setFocus();
}

int RunGameOverDialog(HWND parent, unsigned gameNameId)
{
    CGameOverDialog dialog(WidgetOf(parent), gameNameId);
    CentreDialog(&dialog);
    const int choice = RunModal(dialog);
    return choice == kPlayAgain || choice == kDifferentGame || choice == kReplayHand ? choice : kQuit;
}
