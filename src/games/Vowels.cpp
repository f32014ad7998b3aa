#include "games/Vowels.h"

#include "framework/BackBuffer.h"
#include "framework/LetterSupply.h"
#include "framework/Shell.h"

namespace {
constexpr int kStackHeight = 7;
constexpr int kVowelCount = 4;
constexpr int kPointsPerConsonant = 50;
constexpr int kVowelCost = 25;
constexpr unsigned kLetterBinTooltip = 614;

bool IsVowel(char c) { return std::string_view(CVowels::kVowels).find(ToLowerChar(c)) != std::string_view::npos; }

CStr Consonants(const CStr& letters)
{
    CStr consonants;
    for (const char c : letters.view())
        if (!IsVowel(c))
            consonants.AppendChar(c);
    return consonants;
}
}  // namespace

CVowels::CVowels(const CGameContext& context) : CGame(context), m_word(*this, context.dictionary)
{
    SetTableSize(6, 11);
    m_scorePanel.gameAmount2 = kPointsPerConsonant;
    m_scorePanel.playPenalty = kVowelCost;

    CStr letters = DealLetters(kSupplyConsonantsStandard, 35, 0, 0);
    m_letterBin.SetText(letters, false, true);
    // Stack 0 takes the last seven consonants of the deal; only the top tile of each shows.
    for (int i = 0; i < kStacks; ++i) {
        CTilePile& stack = m_stacks[i];
        stack.Configure(kPileAboveFaceDown | kPileEmptyMarker | kPileCompactFaceDown, kFanDown);
        stack.tag = i;
        stack.tiles = letters.Right(kStackHeight);
        stack.faceDownCount = kStackHeight - 1;
        letters.DropLast(kStackHeight);
        CTilePile& vowels = m_vowelPiles[i];
        vowels.Configure(kPileAboveFaceDown | kPileEmptyMarker | kPileCompactFaceDown, kFanDown);
        vowels.tag = kStacks + i;
        vowels.tiles = std::string(kVowelCount, kVowels[i]);
        vowels.faceDownCount = kVowelCount - 1;
    }

    for (int i = 0; i < kStacks; ++i)
        AddPile(m_stacks[i], "stack" + std::to_string(i));
    AddPart(m_word);
    for (int i = 0; i < kStacks; ++i)
        AddPile(m_vowelPiles[i], std::string("vowels") + static_cast<char>(ToUpperChar(kVowels[i])));
    AddBoard(m_letterBin, "letterBin", kLetterBinTooltip);
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

int CVowels::DeductPenalty(HWND hwnd)
{
    m_scorePanel.score -= m_scorePanel.penaltyPoints;
    m_backBuffer.Open(hwnd);
    DrawScorePanel();
    m_backBuffer.Close();
    return 1;
}

int CVowels::PileAt(const CTilePile* piles, int count, const CTileSet& tiles, int x, int y)
{
    for (int i = 0; i < count; ++i)
        if (piles[i].HitTest(tiles, x, y) >= 0)
            return i;
    return -1;
}

int CVowels::OnLButtonDown(HWND hwnd, int x, int y, unsigned)
{
    m_pressPoint = {x, y};
    hwnd->SetCapture();
    const int vowels = PileAt(m_vowelPiles, kStacks, m_tileSet, x, y);
    if (vowels >= 0) {
        TakeTile(hwnd, m_vowelPiles[vowels], true);
        return 1;
    }
    const int stack = PileAt(m_stacks, kStacks, m_tileSet, x, y);
    if (stack >= 0 && !m_stacks[stack].IsEmpty()) {
        TakeTile(hwnd, m_stacks[stack], false);
        return 1;
    }
    if (m_word.ClickWordTile(hwnd, x, y))
        return 1;
    m_word.PressButtonAt(hwnd, x, y);  // the action follows on button-up
    return 0;
}

int CVowels::OnLButtonUp(HWND hwnd, int, int, unsigned)
{
    hwnd->ReleaseCapture();
    return m_word.OnButtonUp(hwnd, [this, hwnd] { TryScoreWord(hwnd); }) ? 1 : 0;
}

int CVowels::OnLButtonDblClk(HWND hwnd, int x, int y, unsigned keys)
{
    if (PileAt(m_stacks, kStacks, m_tileSet, x, y) >= 0 || m_word.IsOverButton(x, y))
        return OnLButtonDown(hwnd, x, y, keys);
    if (TryScoreWord(hwnd))
        return 1;
    return OnLButtonDown(hwnd, x, y, keys);
}

void CVowels::TakeTile(HWND hwnd, CTilePile& from, bool vowel)
{
    // An empty vowel pile has nothing to give, and charges nothing.
    if (from.IsEmpty() || !m_word.CanExtend(from.Top())) {
        PlaySoundIfEnabled(kSoundRefused);
        return;
    }
    PlaySoundIfEnabled(kSoundTileMoved);
    m_backBuffer.Open(hwnd);
    MoveTile(&from, &m_word.word, 1, 0);
    if (vowel) {
        // The vowel's cost stays charged even when the vowel is undone.
        m_scorePanel.score -= m_scorePanel.playPenalty;
        DrawScorePanel();
    }
    AfterMove(hwnd, 0);
    m_backBuffer.Close();
}

bool CVowels::TryScoreWord(HWND hwnd)
{
    return m_word.TryScoreWord(hwnd, [this, hwnd](CTilePile& sink) { ScoreWord(sink, hwnd); });
}

bool CVowels::ScoreWord(CTilePile& pile, HWND hwnd)
{
    int length = 0;
    if (!m_word.IsWordOnPile(pile, 0, &length))
        return false;
    m_backBuffer.Open(hwnd);
    // Vowels leave play with the word but score nothing; the bin lists only consonants.
    const CStr consonants = Consonants(m_word.TakeTiles(pile, length));
    m_letterBin.StrikeLetters(consonants);
    m_letterBin.Draw(m_backBuffer, &m_tileSet);
    m_scorePanel.score += consonants.GetLength() * m_scorePanel.gameAmount2;
    DrawScorePanel();
    m_undo.Clear();  // a scored word can't be taken back
    m_backBuffer.Close();
    return true;
}

bool CVowels::IsFinished(HWND)
{
    for (const CTilePile& stack : m_stacks)
        if (!stack.IsEmpty())
            return false;
    return true;
}

void CVowels::AfterMove(HWND hwnd, int flag)
{
    m_word.UpdateButtons(hwnd, flag != 0);
    RefreshTooltips();
}

bool CVowels::CheckRules(std::string& why)
{
    CStr onTable = m_word.word.tiles;
    onTable += m_word.sink.tiles;
    for (const CTilePile& stack : m_stacks)
        onTable += stack.tiles;
    return m_letterBin.ShowsLetters(Consonants(onTable), why);
}
