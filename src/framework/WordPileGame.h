#pragma once
// CWordPileGame: the games that spell one word at a time on a CWordPile from
// tiles taken off the table and keep a letter bin of the letters in play
// (Golf, Loch Ness, Vowel Strength, Griddle, Walls of Jericho and their
// kin). It answers what those games share: a tile taken into the word only
// while the word still begins a dictionary word, a press on a word tile or
// a button, the button acting on release, a double click that scores, the
// usual penalty command, and the scoring of a word (its tiles leave play,
// the bin strikes them, the score grows, the undo history is cleared).
//
// A game derives from it, registers m_word and m_letterBin among its parts
// in its constructor, and says what differs: which letters of a scored word
// the bin lists and score (ScoringLetters, BinLetters), what they earn
// (WordPoints), what else a scored word changes (AfterWordScored), and the
// letters on its table apart from the word (TableLetters), which the bin
// must show for the self-check. A game without a letter bin clears
// m_keepsLetterBin: nothing is struck then, and the bin is not checked. A game
// whose word can be cancelled whole adds the X button (AddCancelButton) and
// places it (PlaceCancel): it shows while there is something to undo, and it
// and Escape send the whole word back.
#include <span>
#include <string>

#include "framework/Game.h"
#include "framework/TextBoard.h"
#include "framework/TilePile.h"
#include "framework/WordPile.h"

class CWordPileGame : public CGame, public CWordSource {
public:
    // Hints: the words the game's NextTakes lets the player spell now.
    bool HasHints() const override { return true; }
    CWordSource* WordSource() override { return this; }
    // Enter scores the word, as the check button does.
    void OnEnterKey() override { TryScoreWord(); }
    void HandValues(CHandRecord& record) override;
    // The usual penalty: the score loses the penalty points.
    // A held check button scores the word, a held undo button undoes, a held
    // cancel button sends the word back.
    void OnLButtonUp(int x, int y, unsigned keys) override;
    // With a cancel button: the whole word goes back.
    void OnEscapeKey() override;
    CStr CopyCurrentWord() const override { return m_word.Letters(); }
    // Keeps the word's buttons in step with the word.
    void AfterMove() override;
    // The letter bin shows exactly the letters it lists on the table and in the word.
    bool CheckRules(std::string& why) override;

    // Scores the word when it is a dictionary word (the check button, a
    // double click, a smart star on a complete word); false when it is not.
    bool TryScoreWord();

    CWordPile& Word() { return m_word; }
    CTextBoard& LetterBin() { return m_letterBin; }
    CTileButton& Cancel() { return m_cancel; }

protected:
    explicit CWordPileGame(const CGameContext& context);

    // Deals the stacks, left to right, from the end of `letters` (stack 0
    // takes the last `height` letters), all but `faceUp` tiles of each face
    // down, and drops what they took.
    static void DealStacks(std::span<CTilePile> stacks, CStr& letters, int height, int faceUp, unsigned flags);
    // The first of `piles` under the point (a tile or an empty marker), or -1.
    int PileAt(std::span<const CTilePile> piles, int x, int y) const;
    // A press on a pile of `piles` that holds tiles offers its top tile to
    // the word (TakeIntoWord); true when the point was on one.
    bool TakeFromPileAt(std::span<CTilePile> piles, int x, int y);
    // Moves the top tile of `from` into the word when the word followed by
    // it still begins a dictionary word; otherwise plays the refusal and
    // changes nothing. True when the tile was taken.
    bool TakeIntoWord(CTilePile& from);
    // The rest of a press that took no tile: a word tile sends itself and
    // the later ones back; a shown button is held until the button goes up.
    void PressWordOrButton(int x, int y);
    // The X button, registered as "cancel" with its tooltip, and its place.
    void AddCancelButton(unsigned tooltip);
    void PlaceCancel(int x, int y) { m_cancel.SetPosition(x, y); }
    // A press on the shown cancel button holds it; true when it was hit.
    bool PressCancelAt(int x, int y);
    // Draws a shown button raised or pressed at once.
    void ShowButton(CTileButton& button, int state);
    // Shows and draws the button, or hides and erases it.
    void ShowButtonIf(CTileButton& button, bool shown);
    // A double click on a tile (`onTile`) or a button is a press; elsewhere
    // it scores a complete word, or else it is a press.
    void DoubleClick(int x, int y, unsigned keys, bool onTile);
    // The button-up of the word's buttons and the cancel button: true when one was held.
    bool ReleaseButtons();
    static bool AllEmpty(std::span<const CTilePile> piles);
    // Every tile of the piles, in order.
    static CStr LettersOf(std::span<const CTilePile> piles);

    // The word finder's view (WordFinder.h): a game says in NextTakes which
    // piles may give the next letter; a tile is lifted off its pile's top.
    char Lift(int pile) override { return LiftTop(pile); }
    void PutBack(int pile, char letter) override { PutTop(pile, letter); }
    int WordValue(const CStr& word, std::span<const int> takes) override;
    CStr WordSoFar() const override { return m_word.Letters(); }
    const CTileButton& ScoreButton() const override { return m_word.check; }
    // The registered piles among `piles` whose top tile is a face-up letter.
    void TopsOf(std::span<const CTilePile> piles, std::vector<int>& out) const;

    // Of the tiles of a scored word, the letters that score and leave the
    // letter bin (all of them unless the game says otherwise).
    virtual CStr ScoringLetters(const CStr& tiles) { return BinLetters(tiles); }
    // Of letters in play, those the letter bin lists.
    virtual CStr BinLetters(const CStr& letters) const { return letters; }
    // What the scoring letters of a word earn: the game amount for each.
    virtual int WordPoints(const CStr& letters) const;
    virtual void AfterWordScored() {}
    // The letters of the table apart from the word, as the bin lists them.
    virtual CStr TableLetters() const = 0;

    CWordPile m_word;
    CTextBoard m_letterBin;
    bool m_keepsLetterBin = true;
    CTileButton m_cancel{0, kButtonCancel};
    bool m_hasCancel = false;
    bool m_cancelHeld = false;
};
