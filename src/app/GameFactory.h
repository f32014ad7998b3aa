#pragma once
// The game factory's table: one row names each game (framework/GameRow.h).
// Ids without a row get the title-screen game.
#include <memory>
#include <span>

#include "framework/GameRow.h"

// Every row, in id order.
std::span<const GameFactoryRow> GameFactoryRows();
// The row of a game id, or null: then CreateTitleGame stands in for it.
const GameFactoryRow* FindGameFactoryRow(int gameId);
// Makes the game of a row, shown in `window` (none: drawn off screen only).
std::unique_ptr<CGame> CreateGame(const GameFactoryRow& row, CDictionary* dictionary, CQuoteList* quoteList,
                                  CWindow* window = nullptr);
std::unique_ptr<CGame> CreateTitleGame(CDictionary* dictionary, CQuoteList* quoteList, CWindow* window = nullptr);
