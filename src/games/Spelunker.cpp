#include "games/Spelunker.h"

#include <algorithm>

#include "framework/BackBuffer.h"
#include "framework/Shell.h"

namespace {
constexpr int kDiamondDraws = 4;
constexpr char kGlyphMinerWon = ')';
}  // namespace

CSpelunker::CSpelunker(const CGameContext& context) : CWormHole(context, kSide, 0)
{
    SetTableSize(kSide + 4, kSide + 5);
    m_word.buttonTooltips = false;
    // Every letter is dark until the miner's torch reaches it; a diamond
    // lies lit on its letter. A draw of the miner's cell places no diamond,
    // and a cell may get two.
    for (CTilePile& cell : m_cells)
        cell.Configure(kPileAboveFaceDown, kFanSquared);
    const int centre = m_digging.Face();
    for (int k = 0; k < kDiamondDraws; ++k) {
        const int row = m_random.InRange(kSide, 0), column = m_random.InRange(kSide, 0);
        if (row * kSide + column == centre)
            continue;
        Cell(row, column).Push(kGlyphDiamond);
        ++m_placed;
    }
    Light();
    m_diamonds.Configure(kPileAllFaceUp | kPileEmptyMarker, kFanDown);
    AddPile(m_diamonds, "diamonds");
    AddCancelButton(kStrCancelTooltip);
}

void CSpelunker::PlacePieces(int width, int height)
{
    CWormHole::PlacePieces(width, height);
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    m_diamonds.SetPosition((width + kSide * w) / 2 + w / 2, 5 * h / 2 + 10);
    // The X just left of Undo, on its row above the word, as in the grid games.
    PlaceCancel(m_word.undo.x - 3 * w / 4, m_word.undo.y);
}

bool CSpelunker::IsLit(int cell) const
{
    if (m_cells[static_cast<std::size_t>(cell)].Top() == kGlyphDiamond)
        return true;
    // The torch lights the edge rows and columns as well.
    const int row = cell / kSide, column = cell % kSide;
    for (int r = std::max(row - 1, 0); r <= std::min(row + 1, kSide - 1); ++r)
        for (int c = std::max(column - 1, 0); c <= std::min(column + 1, kSide - 1); ++c)
            if (r * kSide + c == m_digging.Face() || m_cells[static_cast<std::size_t>(r * kSide + c)].IsEmpty())
                return true;
    return false;
}

void CSpelunker::Light()
{
    for (int i = 0; i < kSide * kSide; ++i) {
        CTilePile& cell = m_cells[static_cast<std::size_t>(i)];
        const int down = IsLit(i) ? 0 : cell.Length();
        cell.faceDownCount = down;
    }
}

bool CSpelunker::Undo()
{
    // What the miner's move lit goes dark again.
    const int undone = CWormHole::Undo();
    Light();
    return undone;
}

void CSpelunker::TakeCell(int cell)
{
    CTilePile& pile = m_cells[static_cast<std::size_t>(cell)];
    if (pile.Top() != kGlyphDiamond) {
        CWormHole::TakeCell(cell);
        Light();
        return;
    }
    // A diamond is no letter: it goes to the collected ones, the word and the
    // miner stay, and nothing can take it back.
    PlaySound(kSoundScored);
    while (!pile.IsEmpty() && pile.Top() == kGlyphDiamond)
        m_diamonds.Push(pile.PopTop());
    if (IsFinished())
        m_digging.Celebrate(kGlyphMinerWon);
    // The word in progress still counts when the last diamond ends the hand.
    if (IsFinished() && m_word.IsWord())
        TryScoreWord();
    EndHandIfFinished();
}

bool CSpelunker::IsFinished()
{
    return CWormHole::IsFinished() || (m_placed > 0 && m_diamonds.Length() == m_placed);
}

CStr CSpelunker::TableLetters() const
{
    const CStr table = CWormHole::TableLetters();
    CStr letters;
    for (char tile : table.str())
        if (tile != kGlyphDiamond)
            letters.AppendChar(tile);
    return letters;
}

bool CSpelunker::CheckRules(std::string& why)
{
    int diamonds = m_diamonds.Length();
    for (const CTilePile& cell : m_cells)
        for (char tile : cell.tiles.str())
            diamonds += tile == kGlyphDiamond ? 1 : 0;
    if (diamonds != m_placed) {
        why = std::to_string(diamonds) + " diamonds in play, " + std::to_string(m_placed) + " placed";
        return false;
    }
    for (int i = 0; i < kSide * kSide; ++i) {
        const CTilePile& cell = m_cells[static_cast<std::size_t>(i)];
        if (!cell.IsEmpty() && (cell.faceDownCount == 0) != IsLit(i)) {
            why = "cell " + std::to_string(i / kSide) + " " + std::to_string(i % kSide) +
                  (IsLit(i) ? " is dark where the torch has shone" : " is lit where the torch has not shone");
            return false;
        }
    }
    return CWormHole::CheckRules(why);
}

std::string CSpelunker::DescribeState() const
{
    // The dark cells, '#', one line per row.
    std::string text = CWormHole::DescribeState();
    for (int r = 0; r < kSide; ++r) {
        std::string row;
        for (int c = 0; c < kSide; ++c)
            row += m_cells[static_cast<std::size_t>(r * kSide + c)].faceDownCount > 0 ? '#' : '.';
        text += "dark" + std::to_string(r) + ": \"" + row + "\"\n";
    }
    return text;
}

void CSpelunker::HandValues(CHandRecord& record)
{
    CWormHole::HandValues(record);
    record(m_diamonds, m_placed);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrSpelunkerHowTo1, 2}, {kStrSpelunkerHowTo2, 4}, {kStrSpelunkerHowTo3, 4},
    {kStrSpelunkerHowTo4, 5}, {kStrSpelunkerHowTo5, 3}, {kStrSpelunkerHowTo6, 4}, {kStrSpelunkerHowTo7, 5},
    {kStrSpelunkerHowTo8, 4}, {kStrSpelunkerHowTo9, 4}, {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kSpelunkerGame{33, "Spelunker", kStrSpelunkerName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CSpelunker>, {kStrSpelunkerDescription}};
