#pragma once
// Dialog 193, "Game Over": the statistics of the game after the hand was
// recorded, and the choice of what comes next.
#include "app/StatisticsDialog.h"

class CGameOverDialog : public CStatisticsDialog {
    Q_OBJECT
public:
    CGameOverDialog(QWidget* parent, unsigned gameNameId);
};
