#pragma once
// The foundation of the word patience games: four target words spelled out
// letter by letter, and the hidden pile a tile flies into on its way there.
// A tile is scored when it is the next unspelled letter of one of the words
// (the lower-numbered word wins a tie); it earns `pointsPerTile`, never comes
// back, and the undo history is forgotten.
//
// The game owns one CFoundation as a member, registers it as a part (it
// draws itself, with tooltip 621, and counts its spelled letters as tiles of
// the hand), places it and asks it to score a dropped or double-clicked tile.
#include <initializer_list>
#include <string>
#include <vector>

#include "framework/GamePart.h"
#include "framework/TextBoard.h"
#include "framework/TilePile.h"
#include "framework/Window.h"
#include "framework/WordFinder.h"

class CGame;

class CFoundation : public CGamePart {
public:
    explicit CFoundation(CGame& game);

    // The target words from the dealt letters: word 1 is the last quarter of
    // them, word 2 the quarter before, and so on.
    void SetWords(const char* letters);
    // Unspelled letters in the "ForegroundColor" setting, spelled letters in
    // its inverse; at construction and whenever the settings change.
    void ApplyColorSettings();
    // Note the order, as for every board: top, left, bottom, right. The drop
    // pile sits at (dropX, dropY).
    void Place(int top, int left, int bottom, int right, int dropX, int dropY);

    bool Accepts(char letter) const { return words.Accepts(letter); }
    bool IsComplete() const { return words.AllComplete(); }

    // The tile being dragged, released over the foundation: when exactly one
    // tile is in the air, its image touches the foundation and a word wants
    // its letter, the tile flies in and scores (ending the hand when the game
    // is finished). False, with nothing changed, otherwise.
    bool DropDragged();
    // Flies the top tile of `pile` into the foundation and scores it (ending
    // the hand when the game is finished). False, with nothing changed, when
    // the pile is empty or no word wants its letter.
    bool ScoreTopTile(CTilePile& pile);
    // Takes the top tile of `pile` (the last face-down tile turns up when it
    // is uncovered) and spells it into the words: score, repaint, and the
    // undo history is cleared.
    void ScoreTile(CTilePile& pile);

    // For a game's hints: a drag of each face-up top tile of `sources` that
    // a word wants onto the drop pile, worth `progress`.
    void AddScoringMoves(std::initializer_list<const CTilePile*> sources, int progress, std::vector<CMove>& moves) const;
    template <class Piles>
    void AddScoringMoves(const Piles& sources, int progress, std::vector<CMove>& moves) const
    {
        for (const CTilePile& pile : sources)
            AddScoringMoves({&pile}, progress, moves);
    }

    void Draw(CBackBuffer& buffer, const CTileSet& tiles) override;
    std::string Describe() const override;
    void ListPiles(std::vector<const CTilePile*>& piles) const override;
    void AddLook(std::string& look) const override { words.AddLook(look); }
    void Values(CHandRecord& record) override { words.Values(record); }
    void Regions(const CTileSet&, std::vector<RECT>& regions) const override { regions.push_back(words.frameRect); }
    CStr TilesOutsidePiles() const override;  // the letters spelled so far
    void AddTooltips(CTooltips& tooltips, const CTileSet& tiles) const override;

    CFoundationWords words;
    CTilePile dropPile;
    int pointsPerTile = 10;

private:
    void ScoreDraggedTile();
    CGame& m_game;
};
