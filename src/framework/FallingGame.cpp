#include "framework/FallingGame.h"

#include "framework/Shell.h"

CFallingGame::CFallingGame(const CGameContext& context, int rows, int columns) : CGame(context), m_well(rows, columns)
{
    m_hand.gameAmount1 = 1;
    m_hand.secondsFactor = 0;
    m_scorePanel.HideTimeLine();
    AddPart(m_well);
}

void CFallingGame::OnTimer(unsigned timerId)
{
    // The clock itself stands still: only the fall steps count.
    if (IsHandOver())
        return;
    if (m_well.OnTimer(*this, timerId)) {
        ++m_elapsedTicks;
        Step();
    }
}

void CFallingGame::OnPause()
{
    m_well.StopTimer(*this);
}

void CFallingGame::OnResume()
{
    if (!IsHandOver())
        m_well.StartTimer(*this);
}

void CFallingGame::HandValues(CHandRecord& record)
{
    if (record.IsReading() && m_well.IsTimerRunning())
        m_well.StartTimer(*this);
}
