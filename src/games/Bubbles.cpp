#include "games/Bubbles.h"

#include "framework/BackBuffer.h"
#include "framework/FallingWell.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr int kRows = 10;
constexpr int kColumns = 5;
constexpr int kFirstColumn = 3;
constexpr int kPointsPerLetter = 5;
constexpr int kRefill = 50;
constexpr int kLadder[] = {12, 30, 45, 60, 100, 1000};  // clearings
constexpr unsigned kLongerNotice = 419;

// The digit tile showing a word length.
char LengthGlyph(int length) { return static_cast<char>(64 + length); }
}  // namespace

CBubbles::CBubbles(const CGameContext& context) : CLetterDropGame(context, kRows, kColumns, kFirstColumn)
{
    m_hand.gameAmount2 = kPointsPerLetter;
    m_well.SetLadder(kLadder, kLongerNotice, false);
    FillQueue();
    m_minimum.Configure(kPileAllFaceUp, kFanSquared);
    m_minimum.Push(LengthGlyph(m_minWordLength));
    AddPile(m_queue, "queue");
    AddPile(m_minimum, "minimum");
}

void CBubbles::PlacePieces(int width, int height)
{
    CLetterDropGame::PlacePieces(width, height);
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int top = m_well.CellY(0);
    m_minimum.SetPosition(SideX(), top + 5 * h / 4);
    m_scorePanel.SetRect(top + 5 * h / 2, SideX(), top + 5 * h / 2 + h, SideX() + 2 * w);
}

char CBubbles::NextLetter()
{
    if (m_random.InRange(100, 0) < m_bombChance)
        return kGlyphBomb;
    return TakeLetter(*this, m_letters, kSupplyStandard, kRefill);
}

void CBubbles::PlayLandingSound(int row, int column)
{
    // A bomb goes off first; the landing is heard beside it.
    if (m_well.Cell(row, column).Top() == kGlyphBomb)
        PlaySound(kSoundPenalty);
    PlaySound(kSoundTileMoved);
}

bool CBubbles::AfterLanding(int row, int column)
{
    if (m_well.Cell(row, column).Top() == kGlyphBomb) {
        TilesLeftPlay(m_well.Blast(row, column));
    } else {
        m_well.HighlightWords(row, column, m_minWordLength, m_pDictionary);
    }
    return m_well.AnyLit();
}

void CBubbles::ClearWaiting()
{
    const CStr taken = m_well.RemoveLit();
    TilesLeftPlay(taken);
    m_removed += taken.GetLength();
    m_hand.AddWordPoints(taken.GetLength() * m_hand.gameAmount2);
    if (m_well.CheckLevel(*this, ++m_clearings)) {
        TilesLeftPlay(m_minimum.tiles);
        m_minWordLength = 2 + m_well.Level();
        m_minimum.tiles = CStr(std::string(1, LengthGlyph(m_minWordLength)));
        TilesJoinedPlay(m_minimum.tiles);
        if (!IsHandOver())
            RepaintAll();
    }
    m_bombChance = 2 * m_well.Level() + 1;
}

bool CBubbles::CheckRules(std::string& why)
{
    if (!CLetterDropGame::CheckRules(why))
        return false;
    // A point a landing and 5 a letter taken out by a word; bombs earn nothing.
    const int expected = Landings() + m_removed * kPointsPerLetter;
    if (m_hand.score != expected) {
        why = "the score is " + std::to_string(m_hand.score) + ", landings and words make " +
              std::to_string(expected);
        return false;
    }
    if (m_minimum.Top() != LengthGlyph(m_minWordLength)) {
        why = "the digit tile shows " + m_minimum.Describe("minimum");
        return false;
    }
    return true;
}

void CBubbles::HandValues(CHandRecord& record)
{
    CLetterDropGame::HandValues(record);
    record(m_letters, m_minimum, m_minWordLength, m_bombChance, m_clearings, m_removed);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kBubblesGame{35, "Bubbles", kStrBubblesName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CBubbles>};
