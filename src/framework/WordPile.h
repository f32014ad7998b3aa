#pragma once
// The word being spelled in the games that build one word at a time from
// tiles taken elsewhere (Golf, Loch Ness, Pyramid, Tri Peaks and others):
// the word pile, the tick button that follows the word while it is a
// dictionary word, the Undo button, a click on a word tile that sends that
// tile and every later one back, and the hidden sink pile a scored word
// flies into before it leaves the game.
//
// The game owns one CWordPile as a member and forwards to it; the rules of
// the game (which letters may be taken, what a word scores) stay the game's.
#include <functional>
#include <string>

#include "framework/GamePart.h"
#include "framework/Str.h"
#include "framework/TileButton.h"
#include "framework/TilePile.h"
#include "framework/Window.h"

class CDictionary;
class CTextBoard;
class CGame;

class CWordPile : public CGamePart {
public:
    enum Button { kNoButton = 0, kCheckButton = 1, kUndoButton = 2 };

    CWordPile(CGame& game, CDictionary* dictionary);

    // Layout: the word's first tile at (x, y), the sink pile at (sinkX,
    // sinkY); the check button waits a quarter tile right of the first tile
    // (UpdateButtons moves it), the undo button sits three quarters of a tile
    // above the word. A long word's fan tightens so that the word, and the
    // check button following it, stay left of `right` (0: the window's edge).
    void Place(int x, int y, int sinkX, int sinkY, int right = 0);

    // The word: the pile's letters from its face-down count on.
    CStr Letters() const { return word.FaceUpLetters(); }
    bool IsEmpty() const { return word.IsEmpty(); }
    // Whether the word followed by `letter` still begins a dictionary word.
    bool CanExtend(char letter) const;
    // Whether a pile's letters (only its last `tail` letters when tail > 0)
    // form a dictionary word; `length` receives the length of that word.
    bool IsWordOnPile(const CTilePile& pile, int tail = 0, int* length = nullptr) const;
    bool IsWord() const { return !word.IsEmpty() && IsWordOnPile(word); }

    // A press on tile k of the word takes back moves (the game's Undo) until k tiles
    // remain (or nothing is left to undo). True when a word tile was hit.
    bool ClickWordTile(int x, int y);
    // Takes back moves (the game's Undo) until the word holds `length` letters, or
    // nothing more is taken back.
    void UndoTo(int length);
    // A press on a shown button draws it pressed and holds it until the
    // button goes up. True when a button was hit.
    bool PressButtonAt(int x, int y);
    bool IsOverButton(int x, int y) const;
    // Button up: raises the held button; returns which one it was.
    Button ReleaseButton();
    // Button up, the usual way: the check button scores through `tryScore`,
    // the undo button takes back one move. True when a button was held.
    bool OnButtonUp(const std::function<void()>& tryScore);

    // Scores the word the usual way: when it is a dictionary word, plays the
    // scoring sound, flies it into the sink, calls `scoreWord` (which takes
    // the tiles off the sink, adds the points and clears the undo history),
    // updates the game (AfterMove) and ends the hand when the
    // game is finished. False when there was no word to score.
    bool TryScoreWord(const std::function<void(CTilePile& sink)>& scoreWord);
    // Scores the word the way every word game does, through TryScoreWord:
    // its tiles leave play; `score` gets their letters, keeps those that
    // count (a star's letter does not) and returns what they earn; the kept
    // letters are struck from `letterBin` when there is one, the points added
    // and the undo history forgotten.
    bool ScoreWord(CTextBoard* letterBin, const std::function<int(CStr& letters)>& score);
    // Takes the last `count` tiles off `pile` for scoring and redraws the pile
    //. A face-down count equal to the new length
    // is lowered by one. The tiles leave play (CGame::TilesLeftPlay).
    CStr TakeTiles(CTilePile& pile, int count);

    // After every move: shows the check button (a quarter tile right of the
    // word unless it has a place of its own) while the word is a dictionary word, hides it otherwise, and shows
    // the undo button exactly while there is something to undo.
    void UpdateButtons();
    // Draws the word and the shown buttons.
    void Draw(CBackBuffer& buffer, const CTileSet& tiles) override;
    // The tooltips of the shown buttons (610 check, 611 undo), unless
    // buttonTooltips is off.
    void AddTooltips(CTooltips& tooltips, const CTileSet& tiles) const override;
    std::string Describe() const override;
    void ListPiles(std::vector<const CTilePile*>& piles) const override;
    void AddLook(std::string& look) const override;
    void Values(CHandRecord& record) override;
    // The word and the shown buttons.
    void Regions(const CTileSet& tiles, std::vector<RECT>& regions) const override;
    // The word always begins a dictionary word.
    bool CheckInvariants(std::string& why) const override;

    CTilePile word;
    CTilePile sink;
    CTileButton check{0, kButtonAccept};
    CTileButton undo{0, kButtonUndo};
    bool buttonTooltips = true;  // AddTooltips names the shown buttons
    // The check button stands a quarter tile right of the word; a game that
    // gives it a place of its own on a button row clears this.
    bool checkFollowsWord = true;

private:
    // Draws the button pressed or raised, at once.
    void ShowButtonState(CTileButton& button, int state);

    CGame& m_game;
    CDictionary* m_dictionary;
    Button m_held = kNoButton;
};
