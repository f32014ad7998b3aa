#include "app/GameOverDialog.h"

#include <QPushButton>

#include "app/DialogSupport.h"
#include "platform/Icons.h"
#include "platform/Modal.h"
#include "app/ScoreDialogs.h"
#include "resources/StringIds.h"

namespace {
}  // namespace

CGameOverDialog::CGameOverDialog(QWidget* parent, unsigned gameNameId)
    : CStatisticsDialog(parent, DialogText(kStrGameOverTitle), gameNameId)
{
    AddButton(1013, DialogText(kStrGameOverResetStats));
    AddButtonStretch();
    QPushButton* playAgain = AddButton(kPlayAgain, DialogText(kStrGameOverPlayAgain), true);
    AddButton(kDifferentGame, DialogText(kStrGameOverDifferentGame));
    AddButton(kReplayHand, DialogText(kStrGameOverReplayHand));
    AddButton(kQuit, DialogText(kStrGameOverQuit));
    playAgain->setFocus();
}

int RunGameOverDialog(HWND parent, unsigned gameNameId)
{
    CGameOverDialog dialog(WidgetOf(parent), gameNameId);
    CentreDialog(&dialog);
    const int choice = RunModal(dialog);
    return choice == kPlayAgain || choice == kDifferentGame || choice == kReplayHand ? choice : kQuit;
}
