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
#include "games/Anagrams.h"
#include "games/Bubbles.h"
#include "games/Avalanche.h"
#include "games/Cavein.h"
#include "games/Collapse.h"
#include "games/Elegance.h"
#include "games/FreeCell.h"
#include "games/Gobble.h"
#include "games/Golf.h"
#include "games/Gravity.h"
#include "games/Griddle.h"
#include "games/Implosion.h"
#include "games/Jumble.h"
#include "games/Klondike.h"
#include "games/LetterBox.h"
#include "games/Lochness.h"
#include "games/Prospector.h"
#include "games/Pyramid.h"
#include "games/QuilloQuotes.h"
#include "games/RockPiles.h"
#include "games/Scarab.h"
#include "games/Simple.h"
#include "games/SlipTris.h"
#include "games/Spelunker.h"
#include "games/Tetris.h"
#include "games/TriPeaks.h"
#include "games/TrueTris.h"
#include "games/Unscramble.h"
#include "games/UseitLoseit.h"
#include "games/Vowels.h"
#include "games/WordDrop.h"
#include "games/WordMelt.h"
#include "games/WordRace.h"
#include "games/WormHole.h"

namespace {
template <class T>
std::unique_ptr<CGame> Make(const CGameContext& context)
{
    return std::make_unique<T>(context);
}

// One row per game, in id order.
constexpr GameFactoryRow kFactory[] = {
    // id  subkey          loads first             "How to play"        class
    {1, "QuilloQuotes", GameNeeds::Quotations, kHowToPlayQuilloQuotes, Make<CQuilloQuotes>},
    {2, "Klondike", GameNeeds::Dictionary, kHowToPlayKlondike, Make<CKlondike>},
    {3, "Lochness", GameNeeds::Dictionary, kHowToPlayLochNess, Make<CLochness>},
    {4, "Pyramid", GameNeeds::Dictionary, kHowToPlayPyramid, Make<CPyramid>},
    {5, "Golf", GameNeeds::Dictionary, kHowToPlayGolf, Make<CGolf>},
    {6, "Griddle", GameNeeds::Dictionary, kHowToPlayGriddle, Make<CGriddle>},
    {7, "Simple", GameNeeds::Dictionary, kHowToPlaySimpleStacks, Make<CSimple>},
    {8, "FreeCell", GameNeeds::Dictionary, kHowToPlayFreeCell, Make<CFreeCell>},
    {9, "Generic", GameNeeds::Dictionary, kHowToPlayBare, Make<CGame>},   // the bare game: score panel and clock
    {10, "Gobble", GameNeeds::Dictionary, kHowToPlayGobble, Make<CGobble>},
    {11, "WormHole", GameNeeds::Dictionary, kHowToPlayWormHole, Make<CWormHole>},
    {12, "Generic", GameNeeds::Dictionary, kHowToPlayBare, Make<CGame>},  // the same
    {13, "Vowels", GameNeeds::Dictionary, kHowToPlayVowelStrength, Make<CVowels>},
    {14, "WordMelt", GameNeeds::Dictionary, kHowToPlayWallsOfJericho, Make<CWordMelt>},
    {15, "Elegance", GameNeeds::Dictionary, kHowToPlayElegance, Make<CElegance>},
    {16, "Tetris", GameNeeds::Dictionary, kHowToPlayTetrisSticky, Make<CTetris>},
    {17, "Adlib", GameNeeds::Dictionary, kHowToPlayCrossWays, Make<CAdlib>},
    {18, "Generic", GameNeeds::Dictionary, kHowToPlayBare, Make<CGame>},  // the same
    {19, "Scarab", GameNeeds::Dictionary, kHowToPlayLeScarab, Make<CScarab>},
    {20, "Jumble", GameNeeds::Dictionary, kHowToPlayJumble, Make<CJumble>},
    {21, "Anagrams", GameNeeds::Dictionary, kHowToPlayAnagrammer, Make<CAnagrams>},
    {22, "WordRace", GameNeeds::Dictionary, kHowToPlayWordSpeed, Make<CWordRace>},
    {23, "Gravity", GameNeeds::Dictionary, kHowToPlayAntiGravity, Make<CGravity>},
    {25, "Cavein", GameNeeds::Dictionary, kHowToPlayCaveIn, Make<CCavein>},
    {26, "Avalanche", GameNeeds::Dictionary, kHowToPlayAvalanche, Make<CAvalanche>},
    {29, "Implosion", GameNeeds::Dictionary, kHowToPlayImplosion, Make<CImplosion>},
    {30, "UseitLoseit", GameNeeds::Dictionary, kHowToPlayUseItOrLoseIt, Make<CUseitLoseit>},
    {31, "Prospector", GameNeeds::Dictionary, kHowToPlayProspector, Make<CProspector>},
    {32, "Unscramble", GameNeeds::Dictionary, kHowToPlayUnscramble, Make<CUnscramble>},
    {33, "Spelunker", GameNeeds::Dictionary, kHowToPlaySpelunker, Make<CSpelunker>},
    {34, "WordDrop", GameNeeds::Dictionary, kHowToPlayDeadLines, Make<CWordDrop>},
    {35, "Bubbles", GameNeeds::Dictionary, kHowToPlayBubbles, Make<CBubbles>},
    {36, "TriPeaks", GameNeeds::Dictionary, kHowToPlayTriPeaks, Make<CTriPeaks>},
    {37, "RockPiles", GameNeeds::Dictionary, kHowToPlayRockPiles, Make<CRockPiles>},
    {38, "TrueTris", GameNeeds::Dictionary, kHowToPlayTetrisClassic, Make<CTrueTris>},
    {39, "SlipTris", GameNeeds::Dictionary, kHowToPlayTetrisSlippery, Make<CSlipTris>},
    {40, "LetterBox", GameNeeds::Dictionary, kHowToPlayLetterBox, Make<CLetterBox>},
    {41, "Collapse", GameNeeds::Dictionary, kHowToPlayTowerOfBabble, Make<CCollapse>},
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

std::unique_ptr<CGame> CreateGame(const GameFactoryRow& row, CDictionary* dictionary, CQuoteList* quoteList,
                                  CWindow* window)
{
    return row.create(CGameContext{dictionary, quoteList, &row, window});
}

std::unique_ptr<CGame> CreateTitleGame(CDictionary* dictionary, CQuoteList* quoteList, CWindow* window)
{
    return CreateGame(kTitleRow, dictionary, quoteList, window);
}
