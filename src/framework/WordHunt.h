#pragma once
// The timed word hunts (Jumble, Word Speed, Prospector, Use It or Lose It):
// a handful of letters on a rack of places, and a count-down clock to spell
// as many different words from them as possible. A letter goes from its place
// to the word row by a click or by typing it (the first place showing it);
// the word row must always begin some dictionary word. The checkmark scores a
// new word (one not yet in the word bin) at word factor x length x length,
// and the tiles go back to the places they came from. Undo takes back one
// letter, the X the whole word; a click on a letter of the word takes back
// that letter and every later one. When the clock runs out, a new word still
// in the row is scored and the hand ends as timed out.
//
// A game derives from CWordHunt, deals its letters onto the places, sets the
// clock and places the pieces; it overrides PickTile or ScoreWord when its
// rules differ. The places, the word, the cancel button and the word bin are
// registered here (as "rack", "word", "cancel" and "words").
#include <string>
#include <vector>

#include "framework/Game.h"
#include "framework/TileButton.h"
#include "framework/TilePile.h"
#include "framework/WordListPanel.h"
#include "framework/WordPile.h"

class CWordHunt : public CGame {
public:
    CWordHunt(const CGameContext& context, int rows, int columns);

    int OnSettingsChanged(HWND hwnd, HDC hdc) override;
    int OnLButtonDown(HWND hwnd, int x, int y, unsigned keys) override;
    int OnLButtonUp(HWND hwnd, int x, int y, unsigned keys) override;
    int OnLButtonDblClk(HWND hwnd, int x, int y, unsigned keys) override;
    int OnEnterKey(HWND hwnd) override;
    int OnEscapeKey(HWND hwnd) override;
    int OnBackspaceKey(HWND hwnd) override;
    int OnChar(HWND hwnd, int ch) override;
    CStr CopyCurrentWord() const override { return m_word.Letters(); }
    bool IsFinished(HWND hwnd) override;
    void AfterMove(HWND hwnd, int repaint) override;
    bool OnTimeUp(HWND hwnd) override;
    // A place holds at most one tile; each letter of the word row came from
    // a place that is now empty; the
    // checkmark shows exactly while the row holds a new word.
    bool CheckRules(std::string& why) override;

    // Scores the word lying on the pile (its last `trim` letters when trim >
    // 0): the tiles go back to the places they were picked from.
    virtual bool ScoreWord(CTilePile& pile, HWND hwnd, int trim);
    // The pile's letters (its last `trim` when trim > 0) are a dictionary word
    // that is not in the word bin yet.
    virtual bool IsNewWord(const CTilePile& pile, HWND hwnd, int trim);
    // A letter from a place to the word, when the word can still grow with it.
    virtual void PickTile(HWND hwnd, int row, int column);
    // The checkmark: scores the word in the row when it is a new word.
    bool ScoreCurrentWord(HWND hwnd);

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
    // Places the three buttons at y, the cancel button's left edge at x, the
    // undo button's three quarters of a tile further, the checkmark's five
    // quarters after that.
    void PlaceButtons(int x, int y);
    void SendUndo(HWND hwnd);
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

private:
    bool HitPlace(int x, int y, int& row, int& column) const;
};
