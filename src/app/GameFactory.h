#pragma once
// The game factory's table: which class each GameId constructs and what must
// be loaded before it. Ids without a row get the title-screen game.
#include <memory>

class CGame;
class CDictionary;
class CQuoteList;

enum class GameNeeds { Nothing, Dictionary, Quotations };

using GameCreator = std::unique_ptr<CGame> (*)(CDictionary* dictionary, CQuoteList* quoteList);

struct GameFactoryRow {
    int gameId;
    GameNeeds needs;
    GameCreator create;
};

// The row of a game id, or null: then CreateTitleGame stands in for it.
const GameFactoryRow* FindGameFactoryRow(int gameId);
std::unique_ptr<CGame> CreateTitleGame(CDictionary* dictionary, CQuoteList* quoteList);
