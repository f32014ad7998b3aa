#include "framework/TitleGame.h"
#include "resources/StringIds.h"

CTitleGame::CTitleGame(const CGameContext& context) : CGame(context)
{
    SetTableSize(10, 10, 0);
    for (CTilePile* pile : {&m_first, &m_second})
        pile->Configure(kPileAllFaceUp, kFanRight);
    m_first.AppendString(CStr(kStrTitleFirstWord));   // "glyph"
    m_second.AppendString(CStr(kStrTitleSecondWord));  // "ery"
    AddPile(m_first, "first word");
    AddPile(m_second, "second word");
}

void CTitleGame::PlacePieces(int width, int height)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    // The two words are staggered: each is placed by the other's length.
    m_first.SetPosition((width - w * m_second.Length()) / 2, h / 2);
    m_second.SetPosition((width - w * m_first.Length()) / 2, height - 3 * h / 2);
}

void CTitleGame::OnTimer(unsigned) {}

extern const GameDescriptor kTitleGame{0, "Generic", 0, GameNeeds::Nothing, kBareHowToPlay, MakeGame<CTitleGame>};
