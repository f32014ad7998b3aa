#pragma once
// What names a game, written once at the end of the game's own file: its
// id, the subkey its statistics and high scores are kept under, its shown
// name, what must be loaded before it is dealt, its "How to play" lines, how
// the chooser offers it and the function that makes it. The factory
// (app/GameFactory.cpp) is the list of descriptors; nothing else lists games.
// The shell finds a game's descriptor and makes the game with a
// CGameContext; the base CGame takes the id, the statistics key and the
// lines from it.
#include <memory>
#include <span>

class CGame;
class CDictionary;
class CQuoteList;
class CWindow;
class CGameShell;
struct CSettings;

// One "How to play" line: a string resource shown for `seconds`.
struct InstructionLine {
    unsigned textId;
    int seconds;
};

enum class GameNeeds { Nothing, Dictionary, Quotations };

// The lines of the bare game and the title screen: the Play button's.
inline constexpr InstructionLine kBareHowToPlay[] = {{226, 60}};

struct GameDescriptor;

// What every game is constructed with.
struct CGameContext {
    CDictionary* dictionary = nullptr;
    CQuoteList* quoteList = nullptr;
    const GameDescriptor* descriptor = nullptr;  // none: the bare game, id 0, subkey "Generic"
    CWindow* window = nullptr;                   // where the game is shown (none: drawn off screen only)
    CGameShell* shell = nullptr;                 // sounds and the end of a hand (none: a quiet shell)
    const CSettings* settings = nullptr;         // the player's options (none: the defaults)
    unsigned seed = 1;                           // the hand number: the game's generator starts from it
};

using GameCreator = std::unique_ptr<CGame> (*)(const CGameContext& context);

template <class Game>
std::unique_ptr<CGame> MakeGame(const CGameContext& context)
{
    return std::make_unique<Game>(context);
}

// How the chooser offers a game (string and bitmap resources). A game
// without a preview is not in the chooser's list: it is played through a
// stored game number.
struct ChooserEntry {
    unsigned descriptionId = 0;  // the chooser's description text (0: none)
    unsigned previewId = 0;      // preview bitmap
    unsigned difficultyId = 0;   // 468..472
    unsigned scoringId = 0;      // scoring summary
};

struct GameDescriptor {
    int gameId;
    const char* subkey;  // the statistics key is the main key, a backslash and this
    unsigned nameId;     // the shown name (0: none, the bare game)
    GameNeeds needs;
    std::span<const InstructionLine> howToPlay;
    GameCreator create;
    ChooserEntry chooser{};

    bool Offered() const { return chooser.previewId != 0; }
};

// The line after `currentId`: the entry after the last one whose text id is
// `currentId`, or the first entry after the last one or when `currentId` is
// not in the list (the dialog starts with 0). An empty list gives 0 and 0 seconds.
unsigned NextInstruction(std::span<const InstructionLine> lines, unsigned currentId, int& seconds);
