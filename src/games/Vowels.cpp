#include "games/Vowels.h"

#include <algorithm>
#include <string_view>

#include "framework/BackBuffer.h"
#include "framework/LetterSupply.h"

namespace {
constexpr int kStackHeight = 7;
constexpr int kVowelCount = 4;
constexpr int kPointsPerConsonant = 50;
constexpr int kVowelCost = 25;
}  // namespace

CVowels::CVowels(const CGameContext& context) : CWordPileGame(context)
{
    SetTableSize(6, 11);
    m_hand.gameAmount2 = kPointsPerConsonant;
    m_hand.playPenalty = kVowelCost;

    CStr letters = DealLetters(kSupplyConsonantsStandard, 35);
    m_letterBin.SetText(letters, kTextLetterBin);
    // Only the top tile of each stack shows its letter.
    const unsigned flags = kPileAboveFaceDown | kPileEmptyMarker | kPileCompactFaceDown;
    DealStacks(m_stacks, letters, kStackHeight, 1, flags);
    for (int i = 0; i < kStacks; ++i) {
        CTilePile& vowels = m_vowelPiles[i];
        vowels.Configure(flags, kFanDown);
        vowels.tag = kStacks + i;
        vowels.tiles = std::string(kVowelCount, kVowels[i]);
        vowels.faceDownCount = kVowelCount - 1;
    }

    for (int i = 0; i < kStacks; ++i)
        AddPile(m_stacks[i], "stack" + std::to_string(i));
    AddPart(m_word);
    for (int i = 0; i < kStacks; ++i)
        AddPile(m_vowelPiles[i], std::string("vowels") + ToUpperChar(kVowels[i]));
    AddBoard(m_letterBin, "letterBin", kStrLetterBinTooltip);
}

void CVowels::PlacePieces(int width, int)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();

    const int pitch = w + w / 4;
    const int rowWidth = kStacks * pitch - w / 4;
    const int left = (width - rowWidth) / 2;
    const int vowelRow = 2 * h + h / 4 + 10;
    const int stackRow = vowelRow + 2 * h + h / 4;
    const int wordRow = stackRow + 2 * (2 * h + h / 4);
    for (int i = 0; i < kStacks; ++i) {
        m_vowelPiles[i].SetPosition(left + i * pitch, vowelRow);
        m_stacks[i].SetPosition(left + i * pitch, stackRow);
    }
    m_letterBin.SetRect(10, left, 2 * h + 10, left + rowWidth);
    m_word.Place(left, wordRow, left + w, 10);
    m_scorePanel.SetRect(wordRow + h + 10, left, wordRow + 2 * h + 10, left + 2 * w);
}

void CVowels::OnLButtonDown(int x, int y, unsigned)
{
    m_pressPoint = {x, y};
    CaptureMouse();
    // An empty vowel pile has nothing to give, and charges nothing.
    const int vowels = PileAt(m_vowelPiles, x, y);
    if (vowels >= 0) {
        if (TakeIntoWord(m_vowelPiles[vowels])) {
            // The vowel's cost stays charged even when the vowel is undone.
            m_hand.score -= m_hand.playPenalty;
        }
        return;
    }
    if (!TakeFromPileAt(m_stacks, x, y))
        PressWordOrButton(x, y);
}

void CVowels::OnLButtonDblClk(int x, int y, unsigned keys)
{
    return DoubleClick(x, y, keys, PileAt(m_stacks, x, y) >= 0);
}

CStr CVowels::BinLetters(const CStr& letters) const
{
    CStr consonants;
    for (const char c : letters.view())
        if (std::string_view(kVowels).find(ToLowerChar(c)) == std::string_view::npos)
            consonants.AppendChar(c);
    return consonants;
}

int CVowels::WordValue(const CStr& word, std::span<const int> takes)
{
    const int vowels = PileIndex(&m_vowelPiles[0]);
    const auto bought = std::count_if(takes.begin(), takes.end(), [&](int pile) { return pile - vowels < kStacks && pile >= vowels; });
    return CWordPileGame::WordValue(word, takes) - static_cast<int>(bought) * m_hand.playPenalty;
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrVowelStrengthHowTo1, 2}, {kStrVowelStrengthHowTo2, 4},
    {kStrVowelStrengthHowTo3, 5}, {kStrVowelStrengthHowTo4, 6}, {kStrVowelStrengthHowTo5, 4},
    {kStrVowelStrengthHowTo6, 5}, {kStrVowelStrengthHowTo7, 5}, {kStrVowelStrengthHowTo8, 4}, {kStrPlayButtonLine, 3}};
}  // namespace

extern const GameDescriptor kVowelsGame{13, "Vowels", kStrVowelStrengthName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CVowels>, {kStrVowelStrengthDescription, 411, kStrDifficultyModerate, kStrScoreFixedPointsPerLetter}};
