#pragma once
// Unscramble: five random words of 4 to 8 letters, each scrambled on a row of
// its own. The player rebuilds one row at a time, its letters in order, into
// a word that uses them all (any such word counts, not only the one picked).
// Beside each untouched row, one button scrambles it again for free and the
// other (Auto Solve) lays it out as the picked word for 50 points a letter.
// The clock counts up; the hand is over when all five rows are spelled.
#include <array>

#include "framework/WordHunt.h"

class CUnscramble : public CWordHunt {
public:
    void HandValues(CHandRecord& record) override;
    static constexpr int kRows = 5;
    static constexpr int kColumns = 8;

    explicit CUnscramble(const CGameContext& context);
    // The same letters all hand: its end shows the words missed.
    bool KeepsItsLetters() const override { return true; }

    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonUp(int x, int y, unsigned keys) override;
    void AfterMove() override;
    void AddTooltips() override;
    bool IsNewWord(const CTilePile& pile, int trim) override;
    // Every letter of the word came from the row in progress; each row not yet
    // spelled still holds (with the word) the letters of its picked word; a
    // row's buttons show exactly while it is untouched.
    bool CheckRules(std::string& why) override;
    std::string DescribeState() const override;

    const CTileButton& ShuffleButton(int row) const { return m_shuffle[static_cast<size_t>(row)]; }
    const CTileButton& AutoSolveButton(int row) const { return m_autoSolve[static_cast<size_t>(row)]; }
    static int RowLength(int row) { return row + 4; }

private:
    void PlacePieces(int width, int height) override;
    bool CanPick(int row, int column) const override;
    void ReturnTiles(const CStr&) override {}  // a spelled row leaves the game
    // The row of the word in progress, or -1.
    int WordRow() const;
    bool IsUntouched(int row) const;
    // Lays the row out anew: shuffled, or as its picked word.
    void LayOutRow(int row, bool solved);

    std::array<CStr, kRows> m_answers;
    std::array<CTileButton, kRows> m_shuffle;
    std::array<CTileButton, kRows> m_autoSolve;
    int m_shuffleHeld = 0;    // row + 1 of the shuffle button held down
    int m_autoSolveHeld = 0;  // row + 1 of the Auto Solve button held down
};
