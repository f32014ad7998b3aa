#include "games/Unscramble.h"

#include <algorithm>

#include "framework/LetterSupply.h"

namespace {
constexpr unsigned kShuffleTool = 1250;
constexpr unsigned kAutoSolveTool = 1878;

WordHuntOptions Options()
{
    WordHuntOptions options;
    options.wordBinTooltip = 0;
    options.typing = false;
    options.checkFollowsWord = true;
    return options;
}

std::string Sorted(std::string letters)
{
    std::sort(letters.begin(), letters.end());
    return letters;
}
}  // namespace

CUnscramble::CUnscramble(const CGameContext& context) : CWordHunt(context, kRows, kColumns, Options())
{
    SetTableSize(14, 11);
    m_hand.penaltyPoints = 50;
    m_foundWords.SetFirst("");
    for (int r = 0; r < kRows; ++r) {
        const size_t row = static_cast<size_t>(r);
        m_shuffle[row].image = kButtonLightning;
        m_autoSolve[row].image = kButtonHint;
        AddButton(m_shuffle[row], "shuffle" + std::to_string(r));
        AddButton(m_autoSolve[row], "autoSolve" + std::to_string(r));
        for (int c = 0; c < kColumns; ++c)
            Place(r, c).displayFlags = kPileAllFaceUp;  // an empty cell is not drawn
        m_answers[row] = DealLetters(kSupplyOneWord, RowLength(r));
        CStr scrambled = m_answers[row];
        scrambled.Shuffle(m_random);
        for (int c = 0; c < RowLength(r) && c < scrambled.GetLength(); ++c)
            Place(r, c).Push(scrambled[c]);
        m_shuffle[row].visible = m_autoSolve[row].visible = IsUntouched(r);
    }
}

int CUnscramble::WordRow() const { return m_word.IsEmpty() ? -1 : m_pickPositions[1].y; }

bool CUnscramble::CanPick(int row, int) const { return WordRow() < 0 || WordRow() == row; }

bool CUnscramble::IsUntouched(int row) const
{
    for (int c = 0; c < RowLength(row); ++c)
        if (Place(row, c).IsEmpty())
            return false;
    return true;
}

bool CUnscramble::IsNewWord(const CTilePile& pile, int trim)
{
    // The word in progress must use every letter of its row.
    if (&pile == &m_word.word && (WordRow() < 0 || pile.Length() != RowLength(WordRow())))
        return false;
    return CWordHunt::IsNewWord(pile, trim);
}

void CUnscramble::OnLButtonDown(int x, int y, unsigned keys)
{
    for (int r = 0; r < kRows; ++r) {
        const size_t row = static_cast<size_t>(r);
        if (m_shuffle[row].HitTest(x, y)) {
            m_shuffleHeld = r + 1;
            m_shuffle[row].state = kButtonPressed;
            return;
        }
        if (m_autoSolve[row].HitTest(x, y)) {
            // Charged at the press, whatever the row looks like.
            const int points = m_hand.penaltyPoints * RowLength(r);
            m_hand.score -= points;
            m_charged += points;
            m_autoSolveHeld = r + 1;
            m_autoSolve[row].state = kButtonPressed;
            return;
        }
    }
    return CWordHunt::OnLButtonDown(x, y, keys);
}

void CUnscramble::OnLButtonUp(int x, int y, unsigned keys)
{
    const int held = m_shuffleHeld ? m_shuffleHeld : m_autoSolveHeld;
    if (!held)
        return CWordHunt::OnLButtonUp(x, y, keys);
    ReleaseMouse();
    const bool solve = m_shuffleHeld == 0;
    m_shuffleHeld = m_autoSolveHeld = 0;
    const size_t row = static_cast<size_t>(held - 1);
    (solve ? m_autoSolve[row] : m_shuffle[row]).state = kButtonRaised;
    if (IsUntouched(held - 1)) {
        LayOutRow(held - 1, solve);
    }
}

void CUnscramble::LayOutRow(int row, bool solved)
{
    CStr letters = m_answers[static_cast<size_t>(row)];
    if (!solved)
        letters.Shuffle(m_random);
    for (int c = 0; c < RowLength(row) && c < letters.GetLength(); ++c) {
        Place(row, c).tiles = "";
        Place(row, c).Push(letters[c]);
    }
}

void CUnscramble::AfterMove()
{
    CWordHunt::AfterMove();
    for (int r = 0; r < kRows; ++r) {
        ShowButton(m_shuffle[static_cast<size_t>(r)], IsUntouched(r));
        ShowButton(m_autoSolve[static_cast<size_t>(r)], IsUntouched(r));
    }
    RefreshTooltips();
}

void CUnscramble::AddTooltips()
{
    for (unsigned r = 0; r < kRows; ++r) {
        if (m_shuffle[r].visible)
            m_tooltips.AddTool(m_shuffle[r].rect, kStrShuffleTooltip, kShuffleTool + r);
        if (m_autoSolve[r].visible)
            m_tooltips.AddTool(m_autoSolve[r].rect, kStrAutoSolveTooltip, kAutoSolveTool + r);
    }
}

bool CUnscramble::CheckRules(std::string& why)
{
    if (!CWordHunt::CheckRules(why))
        return false;
    for (int k = 1; k <= m_word.word.Length(); ++k)
        if (m_pickPositions[static_cast<size_t>(k)].y != WordRow()) {
            why = "letter " + std::to_string(k) + " of the word came from another row";
            return false;
        }
    for (int r = 0; r < kRows; ++r) {
        std::string letters = r == WordRow() ? m_word.Letters().str() : "";
        for (int c = 0; c < kColumns; ++c)
            letters += Place(r, c).tiles.str();
        if (!letters.empty() && Sorted(letters) != Sorted(m_answers[static_cast<size_t>(r)].str())) {
            why = "row " + std::to_string(r) + " holds \"" + letters + "\", not the letters of its word";
            return false;
        }
        if ((m_shuffle[static_cast<size_t>(r)].visible != 0) != IsUntouched(r)) {
            why = "the buttons of row " + std::to_string(r) + " show wrongly";
            return false;
        }
    }
    return true;
}

std::string CUnscramble::DescribeState() const
{
    std::string text = CWordHunt::DescribeState() + "answers:";
    for (const CStr& answer : m_answers)
        text += " " + answer.str();
    return text + "\n";
}

void CUnscramble::PlacePieces(int width, int height)
{
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int left = (width - 13 * w) / 2;
    const int rowStep = h + 6 * h / 8;
    const int wordTop = height - (2 * h + 10);
    const int listLeft = left + 8 * w + 3 * w / 2;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c)
            Place(r, c).SetPosition(left + c * w, 10 + r * rowStep);
        const int y = h / 4 + 10 + r * rowStep;
        m_shuffle[static_cast<size_t>(r)].SetPosition(left + 4 * w + w / 4 + r * w, y);
        m_autoSolve[static_cast<size_t>(r)].SetPosition(left + 4 * w + 7 * w / 8 + r * w, y);
    }
    m_foundWords.SetRect(10, listLeft, height - 10, listLeft + 4 * w);
    m_scorePanel.SetRect(wordTop + 9 * h / 8, left, height - 10, left + 2 * w);
    m_word.Place(left, wordTop, listLeft, 6 * h / 8 + h + 10, listLeft - w / 8);
    PlaceButtons(left, wordTop - 3 * h / 4);
}

void CUnscramble::HandValues(CHandRecord& record)
{
    CWordHunt::HandValues(record);
    record(m_answers, m_shuffle, m_autoSolve, m_shuffleHeld, m_autoSolveHeld);
}

namespace {
constexpr InstructionLine kHowToPlay[] = {{kStrUnscrambleHowTo1, 2}, {kStrUnscrambleHowTo2, 5},
    {kStrUnscrambleHowTo3, 4}, {kStrUnscrambleHowTo4, 6}, {kStrUnscrambleHowTo5, 6}, {kStrUnscrambleHowTo6, 7},
    {kStrUnscrambleHowTo7, 5}, {kStrPlayButtonLine, 6}};
}  // namespace

extern const GameDescriptor kUnscrambleGame{32, "Unscramble", kStrUnscrambleName, GameNeeds::Dictionary, kHowToPlay,
    MakeGame<CUnscramble>, {kStrUnscrambleDescription, 417, kStrDifficultyDifficult, kStrScoreFixedPointsPerLetter}};
