#include "app/GameOverDialog.h"

#include <QPushButton>

#include "app/DialogSupport.h"
#include "platform/Icons.h"
#include "platform/Modal.h"
#include "app/ScoreDialogs.h"

namespace {
// Texts: string resources 2320-2325.
enum : unsigned {
    kIdsTitle = 2320,
    kIdsResetStats = 2321,
    kIdsPlayAgain = 2322,
    kIdsDifferentGame = 2323,
    kIdsReplayHand = 2324,
    kIdsQuit = 2325,
};
}  // namespace

CGameOverDialog::CGameOverDialog(QWidget* parent, unsigned gameNameId)
    : CStatisticsDialog(parent, DialogText(kIdsTitle), gameNameId)
{
    AddButton(1013, DialogText(kIdsResetStats));
    AddButtonStretch();
    QPushButton* playAgain = AddButton(kPlayAgain, DialogText(kIdsPlayAgain), true);
    AddButton(kDifferentGame, DialogText(kIdsDifferentGame));
    AddButton(kReplayHand, DialogText(kIdsReplayHand));
    AddButton(kQuit, DialogText(kIdsQuit));
    playAgain->setFocus();
}

int RunGameOverDialog(HWND parent, unsigned gameNameId)
{
    CGameOverDialog dialog(WidgetOf(parent), gameNameId);
    CentreDialog(&dialog);
    const int choice = RunModal(dialog);
    return choice == kPlayAgain || choice == kDifferentGame || choice == kReplayHand ? choice : kQuit;
}
