#include "framework/TitleGame.h"

CTitleGame::CTitleGame(CDictionary* dictionary, CQuoteList* quoteList) : CGame(dictionary, quoteList)
{
    for (CTilePile* pile : {&m_first, &m_second})
        pile->Configure(kPileAllFaceUp, kFanRight);
    m_first.AppendString(CStr(166u));   // "glyph"
    m_second.AppendString(CStr(167u));  // "ery"
}

int CTitleGame::OnPaint(HWND hwnd, HDC hdc)
{
    if (!m_layoutValid)
        Layout(hwnd, hdc);
    const RECT client = hwnd ? hwnd->GetClientRect() : RECT{0, 0, m_backBuffer.Width(), m_backBuffer.Height()};
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    // The two words are staggered: each is placed by the other's length.
    m_first.SetPosition((client.Width() - w * m_second.Length()) / 2, h / 2);
    m_second.SetPosition((client.Width() - w * m_first.Length()) / 2, client.Height() - 3 * h / 2);
    m_backBuffer.Open(hwnd, hdc);
    m_first.Draw(m_backBuffer, m_tileSet);
    m_second.Draw(m_backBuffer, m_tileSet);
    m_backBuffer.Close();
    return 1;
}

int CTitleGame::OnTimer(HWND, unsigned) { return 1; }

std::string CTitleGame::DescribeState() const
{
    return DescribeBase("Title") + m_first.Describe("first word") + m_second.Describe("second word");
}

void CTitleGame::ListPiles(std::vector<const CTilePile*>& piles) const
{
    CGame::ListPiles(piles);
    piles.push_back(&m_first);
    piles.push_back(&m_second);
}
