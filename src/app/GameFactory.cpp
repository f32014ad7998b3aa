// The game factory table. Each game class adds its row here (and its include);
// every id without a row, and 24, 27, 28 and anything outside 1..41, shows
// the title screen.
#include "app/GameFactory.h"

#include <algorithm>
#include <iterator>

#include "framework/Game.h"
#include "framework/TitleGame.h"
#include "games/Golf.h"
#include "games/Jumble.h"
#include "games/Klondike.h"

namespace {
template <class T>
std::unique_ptr<CGame> Make(CDictionary* dictionary, CQuoteList* quoteList)
{
    return std::make_unique<T>(dictionary, quoteList);
}

// One row per game class.
constexpr GameFactoryRow kFactory[] = {
    // id  loads first             class
    {2, GameNeeds::Dictionary, Make<CKlondike>},
    {5, GameNeeds::Dictionary, Make<CGolf>},
    {9, GameNeeds::Dictionary, Make<CGame>},   // the bare game: score panel and clock
    {12, GameNeeds::Dictionary, Make<CGame>},  // the same
    {18, GameNeeds::Dictionary, Make<CGame>},  // the same
    {20, GameNeeds::Dictionary, Make<CJumble>},
};
}  // namespace

const GameFactoryRow* FindGameFactoryRow(int gameId)
{
    const auto it = std::find_if(std::begin(kFactory), std::end(kFactory),
                                 [gameId](const GameFactoryRow& row) { return row.gameId == gameId; });
    return it == std::end(kFactory) ? nullptr : it;
}

std::unique_ptr<CGame> CreateTitleGame(CDictionary* dictionary, CQuoteList* quoteList)
{
    return std::make_unique<CTitleGame>(dictionary, quoteList);
}
