#include "framework/FallingGame.h"

#include "framework/Shell.h"

CFallingGame::CFallingGame(const CGameContext& context, int rows, int columns) : CGame(context), m_well(rows, columns)
{
    m_scorePanel.gameAmount1 = 1;
    m_scorePanel.secondsFactor = 0;
    m_scorePanel.HideTimeLine();
    AddPart(m_well);
}

int CFallingGame::OnTimer(HWND hwnd, unsigned timerId)
{
    // The clock itself stands still: only the fall steps count.
    if (Shell().IsHandOver())
        return 1;
    if (m_well.OnTimer(hwnd, timerId)) {
        ++m_elapsedTicks;
        Step(hwnd);
    }
    return 1;
}

int CFallingGame::OnPause(HWND hwnd)
{
    m_well.StopTimer(hwnd);
    return 1;
}

int CFallingGame::OnResume(HWND hwnd)
{
    if (!Shell().IsHandOver())
        m_well.StartTimer(hwnd);
    return 1;
}
