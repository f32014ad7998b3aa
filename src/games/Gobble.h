#pragma once
// Gobble: 16 random letters on a 4 x 4 grid and 120 seconds to spell as many
// different words as possible, each a chain of cells in which every cell
// touches the one before (across, up, down or diagonally) and none is used
// twice. Cells are clicked, or letters typed: a typed letter waits, its
// candidate cells shown inverted, until the path that spells what was typed
// is certain, and then its tiles move to the word. A scored word's tiles go
// back to their cells, so the grid stays the same for the whole hand.
#include <vector>

#include "framework/WordHunt.h"

class CGobble : public CWordHunt {
public:
    void HandValues(CHandRecord& record) override;
    static constexpr int kSide = 4;
    static constexpr int kSeconds = 120;

    explicit CGobble(const CGameContext& context);
    // The same letters all hand: its end shows the words missed.
    bool KeepsItsLetters() const override { return true; }

    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnChar(int ch) override;
    bool Undo() override;
    bool ScoreCurrentWord() override;
    bool IsNewWord(const CTilePile& pile, int trim) override;
    CStr PendingWord() const override;
    // Each letter of the word touches the one before; while the word row is
    // empty the undo history holds exactly one record per typed letter.
    bool CheckRules(std::string& why) override;
    std::string DescribeState() const override;

private:
    void PlacePieces(int width, int height) override;
    bool CanPick(int row, int column) const override;
    void PickTile(int row, int column) override;

    // Looks for the paths from the last cell that spell the typed letters;
    // with `highlight` every cell on one is shown inverted. The letters whose
    // cell is certain (all of them with `force`) move to the word. False when
    // no path exists.
    bool PlaceTyped(bool force, bool highlight);
    bool Search(size_t k, int row, int column, bool highlight);
    // Drops the typed letters and their undo records.
    void ClearTyped();
    void PushTypedRecord(char letter);
    void ClearHighlight();

    CStr m_typed;  // letters typed but not yet placed on the grid
    // Per typed position during a search: the cell last chosen and how many
    // choices led to a full path.
    std::vector<POINT> m_choice;
    std::vector<int> m_count;
    std::vector<bool> m_lifted;
};
