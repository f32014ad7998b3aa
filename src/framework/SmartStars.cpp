#include "framework/SmartStars.h"

#include <algorithm>
#include <string>

#include "dictionary/Dictionary.h"
#include "framework/BackBuffer.h"
#include "framework/Game.h"
#include "framework/HandRecord.h"
#include "framework/Shell.h"
#include "framework/WordPile.h"
#include "resources/StringIds.h"

void CSmartStars::Values(CHandRecord& record) { record(letters); }

namespace {

// Picks the star letters out of `word` from its end, each against the newest
// one not yet matched; `stars` keeps those never found.
CStr PickOut(const CStr& word, CStr& stars)
{
    CStr rest;
    for (int i = word.GetLength() - 1; i >= 0; --i) {
        if (!stars.IsEmpty() && word[i] == stars[stars.GetLength() - 1])
            stars.PopLast();
        else
            rest.Prepend(word[i]);
    }
    return rest;
}
}  // namespace

CSmartStars::CSmartStars(CGame& game, CDictionary* dictionary, CWordPile& word)
    : m_game(game), m_dictionary(dictionary), m_word(word)
{
    pile.Configure(kPileAllFaceUp | kPileEmptyMarker, kFanSquared);
}

void CSmartStars::Deal(int count)
{
    for (int i = 0; i < count; ++i)
        pile.Push(kGlyphStar);
}

bool CSmartStars::HitTest(int x, int y) const { return pile.HitTest(m_game.TileSet(), x, y) >= 0; }

char CSmartStars::LetterAfter(const CStr& word) const
{
    if (!m_dictionary || word.IsEmpty())
        return 0;
    // Nothing is found for a word longer than any in the dictionary.
    const CStr shortest = m_dictionary->FindShortestWord(word);
    if (shortest.GetLength() <= word.GetLength() || shortest.Left(word.GetLength()) != word)
        return 0;
    const char letter = shortest[word.GetLength()];
    return letter >= 'a' && letter <= 'z' ? letter : 0;
}

bool CSmartStars::Use(const std::function<bool()>& tryScore)
{
    if (pile.IsEmpty())
        return false;
    char letter = static_cast<char>(m_game.Random().InRange(123, 97));
    if (!m_word.IsEmpty())
        letter = LetterAfter(m_word.Letters());
    if (!letter) {
        if (!tryScore())
            m_game.AfterMove();
        return false;
    }
    m_game.PlaySound(kSoundTileMoved);
    CBackBuffer& buffer = m_game.BackBuffer();
    pile.Push(letter);
    m_game.TilesJoinedPlay(CStr(std::string(1, letter)));
    m_game.MoveTile(&pile, &m_word.word, CGame::kFlyFaceDown);
    letters.AppendChar(letter);
    m_game.TilesLeftPlay(CStr(std::string(1, pile.PopTop())));
    Draw(buffer, m_game.TileSet());
    CHandScore& hand = m_game.Hand();
    hand.score -= hand.playPenalty;
    m_game.UndoStack().Clear();  // a star can't be taken back
    m_game.AfterMove();
    return true;
}

CStr CSmartStars::TakeStarLetters(const CStr& taken) { return PickOut(taken, letters); }

CStr CSmartStars::WithoutStarLetters(const CStr& word) const
{
    CStr stars = letters;
    return PickOut(word, stars);
}

namespace {
// Where the count of stars left stands: a tile's width just right of the pile.
RECT CountBox(const CTilePile& pile, const CTileSet& tiles)
{
    const int w = tiles.TileWidth(), h = tiles.TileHeight();
    return RECT{pile.x + w + w / 8, pile.y, pile.x + 2 * w - w / 8, pile.y + h};
}
}  // namespace

void CSmartStars::Regions(const CTileSet& tiles, std::vector<RECT>& regions) const
{
    AddPileRegion(pile, tiles, regions);
    regions.push_back(CountBox(pile, tiles));
}

void CSmartStars::Draw(CBackBuffer& buffer, const CTileSet& tiles)
{
    pile.Draw(buffer, tiles);
    RECT count = CountBox(pile, tiles);
    const int h = tiles.TileHeight();
    buffer.FillBackground(&count);
    if (pile.IsEmpty())
        return;
    if (m_countFont.IsNull() || m_countFontHeight != h) {
        m_countFont = buffer.CreateFont(std::max(6, h * 3 / 8), "Arial", kFontBold);
        m_countFontHeight = h;
    }
    buffer.DrawText(std::to_string(pile.Length()).c_str(), count, m_countFont, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

std::string CSmartStars::Describe() const
{
    return pile.Describe("stars") + "starLetters: \"" + letters.str() + "\"\n";
}

void CSmartStars::AddTooltips(CTooltips& tooltips, const CTileSet& tiles) const
{
    tooltips.AddTool(pile.Rect(tiles), kStrStarTooltip, kStrStarTooltip);
}

bool CSmartStars::CheckInvariants(std::string& why) const
{
    CStr stars = letters;
    PickOut(m_word.Letters(), stars);
    if (stars.IsEmpty())
        return true;
    why = "star letters \"" + letters.str() + "\" are not in the word \"" + m_word.Letters().str() + "\"";
    return false;
}
