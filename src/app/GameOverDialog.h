#pragma once
// Dialog 193, "Game Over": the statistics of the game after the hand was
// recorded, and the choice of what comes next.
#include "app/StatisticsDialog.h"

class QPlainTextEdit;
struct HuntSummary;

class CGameOverDialog : public CStatisticsDialog {
    Q_OBJECT
public:
    // After a hunt that kept its letters, `hunt` adds how many words were
    // found of how many, the best possible score and the words missed.
    CGameOverDialog(QWidget* parent, unsigned gameNameId, const HuntSummary* hunt = nullptr);

    QLabel* HuntLine() const { return m_huntLine; }
    QPlainTextEdit* MissedWords() const { return m_missed; }

private:
    QLabel* m_huntLine = nullptr;
    QPlainTextEdit* m_missed = nullptr;
};
