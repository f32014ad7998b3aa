// The game factory: the list of every game's descriptor (written at the end
// of the game's own file), in the order the chooser offers them, then the
// games played only through a stored game number. Adding a game adds it here.
#include "app/GameFactory.h"

#include <algorithm>
#include <iterator>

#include "framework/Game.h"

extern const GameDescriptor kAnagramsGame;
extern const GameDescriptor kGravityGame;
extern const GameDescriptor kAvalancheGame;
extern const GameDescriptor kCaveinGame;
extern const GameDescriptor kAdlibGame;
extern const GameDescriptor kWordDropGame;
extern const GameDescriptor kEleganceGame;
extern const GameDescriptor kFreeCellGame;
extern const GameDescriptor kGobbleGame;
extern const GameDescriptor kGolfGame;
extern const GameDescriptor kGriddleGame;
extern const GameDescriptor kQuilloQuotesGame;
extern const GameDescriptor kJumbleGame;
extern const GameDescriptor kKlondikeGame;
extern const GameDescriptor kScarabGame;
extern const GameDescriptor kLetterBoxGame;
extern const GameDescriptor kLochnessGame;
extern const GameDescriptor kProspectorGame;
extern const GameDescriptor kPyramidGame;
extern const GameDescriptor kRockPilesGame;
extern const GameDescriptor kSimpleGame;
extern const GameDescriptor kTetrisGame;
extern const GameDescriptor kSlipTrisGame;
extern const GameDescriptor kTrueTrisGame;
extern const GameDescriptor kCollapseGame;
extern const GameDescriptor kTriPeaksGame;
extern const GameDescriptor kUnscrambleGame;
extern const GameDescriptor kVowelsGame;
extern const GameDescriptor kWordMeltGame;
extern const GameDescriptor kWordRaceGame;
extern const GameDescriptor kWormHoleGame;
extern const GameDescriptor kImplosionGame;
extern const GameDescriptor kUseitLoseitGame;
extern const GameDescriptor kSpelunkerGame;
extern const GameDescriptor kBubblesGame;
extern const GameDescriptor kBareGames[3];  // ids 9, 12 and 18: the bare game
extern const GameDescriptor kTitleGame;

namespace {
constexpr const GameDescriptor* kFactory[] = {
    &kAnagramsGame, &kGravityGame, &kAvalancheGame, &kCaveinGame, &kAdlibGame, &kWordDropGame, &kEleganceGame,
    &kFreeCellGame, &kGobbleGame, &kGolfGame, &kGriddleGame, &kQuilloQuotesGame, &kJumbleGame, &kKlondikeGame,
    &kScarabGame, &kLetterBoxGame, &kLochnessGame, &kProspectorGame, &kPyramidGame, &kRockPilesGame, &kSimpleGame,
    &kTetrisGame, &kSlipTrisGame, &kTrueTrisGame, &kCollapseGame, &kTriPeaksGame, &kUnscrambleGame, &kVowelsGame,
    &kWordMeltGame, &kWordRaceGame, &kWormHoleGame, &kImplosionGame, &kUseitLoseitGame, &kSpelunkerGame, &kBubblesGame,
    &kBareGames[0], &kBareGames[1], &kBareGames[2],
};
constexpr int kOffered = 31;
}  // namespace

std::span<const GameDescriptor* const> GameDescriptors() { return kFactory; }
std::span<const GameDescriptor* const> OfferedGames() { return std::span(kFactory).first(kOffered); }

const GameDescriptor* FindGameDescriptor(int gameId)
{
    const auto it = std::find_if(std::begin(kFactory), std::end(kFactory),
                                 [gameId](const GameDescriptor* game) { return game->gameId == gameId; });
    return it == std::end(kFactory) ? nullptr : *it;
}

std::unique_ptr<CGame> CreateGame(const GameDescriptor& game, CGameContext context)
{
    context.descriptor = &game;
    return game.create(context);
}

std::unique_ptr<CGame> CreateTitleGame(const CGameContext& context) { return CreateGame(kTitleGame, context); }
