#pragma once
// Smart stars, the free letters of the games that spell one word at a time
// on a CWordPile (Loch Ness, Walls of Jericho, Worm Hole, Spelunker). A star
// gives a random letter 'a' to 'z' when the word is empty, otherwise the
// letter that follows the word in the shortest dictionary word beginning
// with it. When the word already is its own shortest word, the star scores
// it instead and is not spent; when no dictionary word is long enough to
// continue the word, the star gives nothing and is not spent either. A spent
// star costs the score panel's play penalty and clears the undo history, so
// a star letter can never be taken back. Star letters come from outside the
// deal: they are never scored and never struck from a letter bin, and when a
// word is scored its star letters are picked out newest first.
//
// The game owns one CSmartStars beside its CWordPile, registers it as a part
// (it draws the star pile and how many stars are left just right of it, describes the pile and the star letters, gives
// tooltip 616 and checks that the star letters are in the word), places it,
// and calls Use on a click on the pile or a right-button release. When it
// scores a word it passes the tiles taken off the sink through
// TakeStarLetters and scores and strikes only what that returns.
#include <functional>
#include <string>

#include "framework/Bitmap.h"
#include "framework/GamePart.h"
#include "framework/Str.h"
#include "framework/TilePile.h"
#include "framework/Window.h"

class CDictionary;
class CGame;
class CWordPile;

class CSmartStars : public CGamePart {
public:
    CSmartStars(CGame& game, CDictionary* dictionary, CWordPile& word);

    // Puts `count` star tiles on the pile (the deal).
    void Deal(int count);
    void Place(int x, int y) { pile.SetPosition(x, y); }
    bool HitTest(int x, int y) const;

    // The letter a star gives after `word` (not empty): the next letter of
    // the shortest word beginning with it, or 0 when the word is its own
    // shortest word or nothing continues it.
    char LetterAfter(const CStr& word) const;
    // Spends a star (a random number is drawn first in any case): with a
    // letter, it flies from the star pile into the word at the play penalty
    // and the undo history is cleared; without one, `tryScore` scores the
    // word if it is complete (true when it did). Nothing happens when no
    // star is left. True when a star was spent.
    bool Use(const std::function<bool()>& tryScore);

    // The tiles of a scored word without its star letters, matched from the
    // word's end against the newest star letter still recorded; those star
    // letters are forgotten.
    CStr TakeStarLetters(const CStr& taken);
    // The same without forgetting anything: the word's letters that came from play.
    CStr WithoutStarLetters(const CStr& letters) const;

    void Draw(CBackBuffer& buffer, const CTileSet& tiles) override;
    std::string Describe() const override;
    void ListPiles(std::vector<const CTilePile*>& piles) const override { piles.push_back(&pile); }
    void Values(CHandRecord& record) override;
    // The pile and the count beside it.
    void Regions(const CTileSet& tiles, std::vector<RECT>& regions) const override;
    void AddTooltips(CTooltips& tooltips, const CTileSet& tiles) const override;
    // The star letters lie in the word, in the order given.
    bool CheckInvariants(std::string& why) const override;

    CTilePile pile;
    CStr letters;  // the star letters still in the word, oldest first

private:
    CGame& m_game;
    CDictionary* m_dictionary;
    CWordPile& m_word;
    CFont m_countFont;  // the stars-left count, made for the tile height it was drawn at
    int m_countFontHeight = 0;
};
