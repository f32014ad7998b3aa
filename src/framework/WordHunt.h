#pragma once
// The rack hunts (Jumble, Word Speed, Prospector, Use It or Lose It, Gobble,
// Unscramble): a handful of letters on a rack of places, and a clock (most
// often a count-down) to spell as many different words from them as possible. A letter goes from its place
// to the word row by a click or by typing it (the first place showing it);
// the word row must always begin some dictionary word. The checkmark scores a
// new word (one not yet in the word bin) at word factor x length x length,
// and the tiles go back to the places they came from. Undo takes back one
// letter, the X the whole word; a click on a letter of the word takes back
// that letter and every later one. When a count-down runs out, a new word
// still in the row is scored and the hand ends as timed out.
//
// A game derives from CWordHunt, deals its letters onto the places, sets the
// clock and places the pieces. Where the hunts differ it says so through
// WordHuntOptions (tooltips, typing, a checkmark that follows the word) and
// the hooks below: CanPick limits which places may give the next letter,
// ReturnTiles decides where a scored word's tiles go (back to their places by
// default; a game may instead throw the rack away or refill it), and every
// pick's undo record keeps the rack as it stood, so a rule that throws tiles
// away after a pick is taken back with it. The places, the word, the cancel
// button and the word bin are registered here (as "rack", "word", "cancel"
// and "words"). The score always equals what the words earned less what the
// game charged (m_charged).
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/Game.h"
#include "framework/TileButton.h"
#include "framework/TilePile.h"
#include "framework/WordListPanel.h"
#include "framework/WordPile.h"

struct WordHuntOptions {
    unsigned cancelTooltip = 612;   // 0: none
    unsigned wordBinTooltip = 615;  // 0: none
    bool buttonTooltips = true;     // 610 and 611 over the checkmark and Undo
    bool typing = true;             // letters, Enter, Space, Escape and Backspace work
    bool checkFollowsWord = false;  // the checkmark stands just right of the word
    bool doubleClickButtons = false;  // a double click on a button presses it rather than scoring
};

class CWordHunt : public CGame, public CWordSource {
public:
    void HandValues(CHandRecord& record) override;
    // Hints: the new words the places the game lets the player pick spell now.
    bool HasHints() const override { return true; }
    CWordSource* WordSource() override { return this; }
    bool TakesTypedLetters() const override { return m_typing; }
    CWordHunt(const CGameContext& context, int rows, int columns, const WordHuntOptions& options = {});

    void OnLButtonDown(int x, int y, unsigned keys) override;
    void OnLButtonUp(int x, int y, unsigned keys) override;
    void OnLButtonDblClk(int x, int y, unsigned keys) override;
    void OnEnterKey() override;
    void OnEscapeKey() override;
    void OnBackspaceKey() override;
    void OnChar(int ch) override;
    CStr CopyCurrentWord() const override { return m_word.Letters(); }
    bool IsFinished() override;
    void AfterMove() override;
    bool OnTimeUp() override;
    bool Undo() override;
    std::optional<CUndoRecord> CreateUndoRecord(CTilePile* from, CTilePile* to, int count) override;
    // A place holds at most one tile; each letter of the word row came from
    // a place that is now empty; the
    // checkmark shows exactly while the row holds a new word; the score is
    // what the words earned less what was charged.
    bool CheckRules(std::string& why) override;

    // Scores the word lying on the pile (its last `trim` letters when trim >
    // 0): the tiles go back to the places they were picked from.
    virtual bool ScoreWord(CTilePile& pile, int trim);
    // The pile's letters (its last `trim` when trim > 0) are a dictionary word
    // that is not in the word bin yet.
    virtual bool IsNewWord(const CTilePile& pile, int trim);
    // A letter from a place to the word, when the word can still grow with it.
    virtual void PickTile(int row, int column);
    // Whether the place may give the next letter (a click elsewhere is
    // ignored; typing looks only at such places).
    virtual bool CanPick(int /*row*/, int /*column*/) const { return true; }
    // The scored word's tiles, off the board: by default each goes back to
    // the place it was picked from.
    virtual void ReturnTiles(const CStr& word);
    // The checkmark: scores the word in the row when it is a new word.
    virtual bool ScoreCurrentWord();
    // The word the checkmark judges: the word row's letters, and in a game
    // that keeps typed letters pending, those after them.
    virtual CStr PendingWord() const { return m_word.Letters(); }

    const CWordPile& Word() const { return m_word; }
    int Rows() const { return m_rows; }
    int Columns() const { return m_columns; }

protected:
    CTilePile& Place(int row, int column) { return m_rack[static_cast<size_t>(row * m_columns + column)]; }
    const CTilePile& Place(int row, int column) const
    {
        return m_rack[static_cast<size_t>(row * m_columns + column)];
    }
    // A count-down of `seconds`, with the time line always shown.
    void SetCountDown(int seconds);
    // The places, row by row, take the letters in order, or from the end
    // (the first place the last letter) when `fromEnd`.
    void LayOutLetters(const CStr& letters, bool fromEnd);
    // The place the word's last letter came from; false when the word is empty.
    bool LastPick(int& row, int& column) const;
    // A place's tile leaves play, or a letter joins play on an empty place
    //.
    void DiscardPlace(CTilePile& place);
    void FillPlace(CTilePile& place, char letter);
    // Places the three buttons at y, the cancel button's left edge at x, the
    // undo button's three quarters of a tile further, the checkmark's five
    // quarters after that.
    void PlaceButtons(int x, int y);
    // Shows and draws a button, or erases and hides it.
    void ShowButton(CTileButton& button, bool show);

    // The finder's view (WordFinder.h): a place CanPick allows; a letter
    // lifted for a look goes onto the word row, so CanPick sees the path.
    void NextTakes(std::vector<int>& piles) const override;
    char Lift(int pile) override;
    void PutBack(int pile, char letter) override;
    int WordValue(const CStr& word, std::span<const int> takes) override;
    CStr WordSoFar() const override { return m_word.Letters(); }
    const CTileButton& ScoreButton() const override { return m_word.check; }
    void ClearPickPositions();

    int m_rows;
    int m_columns;
    std::vector<CTilePile> m_rack;  // row by row
    CWordPile m_word;               // the word row, the sink, the checkmark and Undo
    CTileButton m_cancel{0, kButtonCancel};
    CWordListPanel m_foundWords{true};
    // The place (column, row) each letter of the word came from: entry k for
    // the k-th letter, from 1.
    std::vector<POINT> m_pickPositions;
    bool m_cancelHeld = false;
    bool m_typing = true;  // letters, Enter, Space, Escape and Backspace work
    bool m_checkFollowsWord = false;
    bool m_doubleClickButtons = false;
    int m_earned = 0;   // what the scored words earned
    int m_charged = 0;  // points the game took away

private:
    bool HitPlace(int x, int y, int& row, int& column) const;
    std::vector<POINT> m_looks;  // the finder's way back: the pick positions it wrote over
};
