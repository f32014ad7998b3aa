#pragma once
// The game factory: every game's descriptor (framework/GameDescriptor.h).
// Ids without one get the title-screen game.
#include <memory>
#include <span>

#include "framework/GameDescriptor.h"

// Every game, in the chooser's order, then those it does not offer.
std::span<const GameDescriptor* const> GameDescriptors();
// The games the chooser offers, in its order (which is never re-sorted).
std::span<const GameDescriptor* const> OfferedGames();
// The descriptor of a game id, or null: then CreateTitleGame stands in for it.
const GameDescriptor* FindGameDescriptor(int gameId);
// Makes a game with `context` (whose descriptor is the game's).
std::unique_ptr<CGame> CreateGame(const GameDescriptor& game, CGameContext context);
std::unique_ptr<CGame> CreateTitleGame(const CGameContext& context);
