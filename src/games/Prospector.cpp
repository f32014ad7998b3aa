#include "games/Prospector.h"

#include "framework/LetterSupply.h"

CProspector::CProspector(const CGameContext& context) : CWordHunt(context, 1, kLetters)
{
    SetTableSize(kLetters + 1, 6);  // half a tile clear of either edge
    // Without ten-letter words the deal is empty: an empty rack that only the clock ends.
    m_source = DealLetters(kSupplyOneWord, kLetters);
    if (m_source.GetLength() > kLetters)
        m_source = m_source.Left(kLetters);
    m_foundWords.SetFirst(m_source);
    LayOutLetters(m_source, false);
    SetCountDown(kSeconds);
}

void CProspector::PickTile(int row, int column)
{
    const int before = m_word.word.Length();
    CWordHunt::PickTile(row, column);
    if (m_word.word.Length() == before)
        return;  // refused
    // Every letter left of the pick is thrown away (Undo brings them back).
    for (int k = 0; k < column; ++k)
        DiscardPlace(Place(0, k));
}

bool CProspector::CanPick(int, int column) const
{
    int row = 0, last = 0;
    return !LastPick(row, last) || column > last;
}

void CProspector::ReturnTiles(const CStr&)
{
    // The whole long word stands on the rack again.
    for (int k = 0; k < kLetters && k < m_source.GetLength(); ++k)
        if (Place(0, k).IsEmpty())
            FillPlace(Place(0, k), m_source[k]);
}

bool CProspector::IsFinished() { return !m_source.IsEmpty() && CWordHunt::IsFinished(); }

bool CProspector::CheckRules(std::string& why)
{
    if (!CWordHunt::CheckRules(why))
        return false;
    const int length = m_word.word.Length();
    for (int k = 2; k <= length; ++k)
        if (m_pickPositions[static_cast<size_t>(k)].x <= m_pickPositions[static_cast<size_t>(k - 1)].x) {
            why = "letter " + std::to_string(k) + " of the word stood left of the letter before it";
            return false;
        }
    int row = 0, last = 0;
    if (LastPick(row, last))
        for (int k = 0; k < last; ++k)
            if (!Place(0, k).IsEmpty()) {
                why = "place " + std::to_string(k) + " left of the last pick still holds a tile";
                return false;
            }
    return true;
}

std::string CProspector::DescribeState() const
{
    return CWordHunt::DescribeState() + "source: \"" + m_source.str() + "\"\n";
}

void CProspector::PlacePieces(int width, int height)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int left = (width - kLetters * w) / 2;
    const int wordTop = height - (2 * h + 10);
    const int panelTop = 3 * h / 2 + 10;
    for (int k = 0; k < kLetters; ++k)
        Place(0, k).SetPosition(left + k * w, 10);
    m_foundWords.SetRect(panelTop, left, height - (4 * h + 20) + panelTop, left + 10 * w / 3);
    m_scorePanel.SetRect(9 * h / 8 + wordTop, left, wordTop + 2 * h, left + 2 * w);
    m_word.Place(left, wordTop, left, panelTop + h / 8 + h);
    PlaceButtons(left + 5 * w - 5 * w / 4, h / 4 + h + 10);
}

void CProspector::HandValues(CHandRecord& record)
{
    CWordHunt::HandValues(record);
    record(m_source);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrProspectorHowTo1, 2}, {kStrProspectorHowTo2, 5},
    {kStrProspectorHowTo3, 5}, {kStrProspectorHowTo4, 5}, {kStrProspectorHowTo5, 9}, {kStrProspectorHowTo6, 5},
    {kStrProspectorHowTo7, 5}, {kStrProspectorHowTo8, 5}, {kStrProspectorHowTo9, 5}, {kStrPlayButtonLine, 6}};
}  // namespace

extern const GameDescriptor kProspectorGame{31, "Prospector", kStrProspectorName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CProspector>, {kStrProspectorDescription, 415, kStrDifficultyEasy, kStrScoreSignificantlyMorePointsFor}};
