// The game factory table. Each game class adds its row here (and its include);
// every id without a row, and 24, 27, 28 and anything outside 1..41, shows
// the title screen.
#include "app/GameFactory.h"

#include <algorithm>
#include <iterator>

#include "app/HowToPlay.h"
#include "framework/Game.h"
#include "framework/TitleGame.h"
#include "games/Adlib.h"
#include "games/Golf.h"
#include "games/Jumble.h"
#include "games/Klondike.h"
#include "games/Scarab.h"

namespace {
template <class T>
std::unique_ptr<CGame> Make(const CGameContext& context)
{
    return std::make_unique<T>(context);
}

// One row per game, in id order.
constexpr GameFactoryRow kFactory[] = {
    // id  subkey          loads first             "How to play"        class
    // Quillo's Quotes: the title screen until the game is built, on the quotations.
    {1, "Generic", GameNeeds::Quotations, kHowToPlayBare, Make<CTitleGame>},
    {2, "Klondike", GameNeeds::Dictionary, kHowToPlayKlondike, Make<CKlondike>},
    {5, "Golf", GameNeeds::Dictionary, kHowToPlayGolf, Make<CGolf>},
    {9, "Generic", GameNeeds::Dictionary, kHowToPlayBare, Make<CGame>},   // the bare game: score panel and clock
    {12, "Generic", GameNeeds::Dictionary, kHowToPlayBare, Make<CGame>},  // the same
    {17, "Adlib", GameNeeds::Dictionary, kHowToPlayCrossWays, Make<CAdlib>},
    {18, "Generic", GameNeeds::Dictionary, kHowToPlayBare, Make<CGame>},  // the same
    {19, "Scarab", GameNeeds::Dictionary, kHowToPlayLeScarab, Make<CScarab>},
    {20, "Jumble", GameNeeds::Dictionary, kHowToPlayJumble, Make<CJumble>},
};

constexpr GameFactoryRow kTitleRow = {0, "Generic", GameNeeds::Nothing, kHowToPlayBare, Make<CTitleGame>};
}  // namespace

std::span<const GameFactoryRow> GameFactoryRows() { return kFactory; }

const GameFactoryRow* FindGameFactoryRow(int gameId)
{
    const auto it = std::find_if(std::begin(kFactory), std::end(kFactory),
                                 [gameId](const GameFactoryRow& row) { return row.gameId == gameId; });
    return it == std::end(kFactory) ? nullptr : it;
}

std::unique_ptr<CGame> CreateGame(const GameFactoryRow& row, CDictionary* dictionary, CQuoteList* quoteList)
{
    return row.create(CGameContext{dictionary, quoteList, &row});
}

std::unique_ptr<CGame> CreateTitleGame(CDictionary* dictionary, CQuoteList* quoteList)
{
    return CreateGame(kTitleRow, dictionary, quoteList);
}
