#pragma once
// What names a game: one row of the factory table gives its id, the subkey
// its statistics and high scores are kept under, what must be loaded before
// it is dealt, its "How to play" lines and the function that makes it. The
// shell finds the row and makes the game with a CGameContext; the base CGame
// takes the id, the statistics key and the lines from the row.
#include <memory>
#include <span>

class CGame;
class CDictionary;
class CWindow;
class CQuoteList;

// One "How to play" line: a string resource shown for `seconds`.
struct InstructionLine {
    unsigned textId;
    int seconds;
};

enum class GameNeeds { Nothing, Dictionary, Quotations };

struct GameFactoryRow;

// What every game is constructed with.
struct CGameContext {
    CDictionary* dictionary = nullptr;
    CQuoteList* quoteList = nullptr;
    const GameFactoryRow* row = nullptr;  // none: the bare game, id 0, subkey "Generic"
    CWindow* window = nullptr;            // where the game is shown (none: drawn off screen only)
};

using GameCreator = std::unique_ptr<CGame> (*)(const CGameContext& context);

struct GameFactoryRow {
    int gameId;
    const char* subkey;  // the statistics key is the main key, a backslash and this
    GameNeeds needs;
    std::span<const InstructionLine> howToPlay;
    GameCreator create;
};

// The line after `currentId`: the entry after the last one whose text id is
// `currentId`, or the first entry after the last one or when `currentId` is
// not in the list (the dialog starts with 0). An empty list gives 0 and 0 seconds.
unsigned NextInstruction(std::span<const InstructionLine> lines, unsigned currentId, int& seconds);
