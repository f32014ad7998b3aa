#include "framework/WordPile.h"

#include <algorithm>

#include "dictionary/Dictionary.h"
#include "framework/BackBuffer.h"
#include "framework/Game.h"
#include "framework/HandRecord.h"
#include "framework/Shell.h"
#include "framework/TextBoard.h"
#include "resources/StringIds.h"

namespace {
}  // namespace

CWordPile::CWordPile(CGame& game, CDictionary* dictionary) : m_game(game), m_dictionary(dictionary)
{
    word.Configure(kPileAllFaceUp | kPileEmptyMarker, kFanRight);
    sink.Configure(kPileHidden, kFanRight);
}

void CWordPile::Place(int x, int y, int sinkX, int sinkY, int right)
{
    const CTileSet& tiles = m_game.TileSet();
    const int w = tiles.TileWidth(), h = tiles.TileHeight();
    word.SetPosition(x, y);
    if (right <= 0)
        right = m_game.LaidOutSize().x - w / 8;
    word.maxSpan = right > x ? std::max(w, right - x - (checkFollowsWord ? w + w / 4 : 0)) : 0;
    sink.SetPosition(sinkX, sinkY);
    // A shown check button keeps its place beside the word at the new size.
    const int checkX = check.visible ? word.Rect(tiles).right + w / 4 : x + 5 * w / 4;
    check.SetPosition(checkX, y + h / 4);
    undo.SetPosition(x, y - 3 * h / 4);
}

bool CWordPile::CanExtend(char letter) const
{
    if (!m_dictionary)
        return false;
    CStr letters = Letters();
    letters.AppendChar(letter);
    return m_dictionary->IsPrefix(letters) != 0;
}

bool CWordPile::IsWordOnPile(const CTilePile& pile, int tail, int* length) const
{
    CStr letters = pile.FaceUpLetters();
    if (tail > 0) {
        if (tail > letters.GetLength())
            return false;
        letters = letters.Right(tail);
    }
    const int found = m_dictionary ? m_dictionary->IsWord(letters) : 0;
    if (length)
        *length = found;
    return found != 0;
}

bool CWordPile::ClickWordTile(int x, int y)
{
    if (word.IsEmpty())
        return false;
    const int k = word.HitTest(m_game.TileSet(), x, y);
    if (k < 0)
        return false;
    UndoTo(k);
    return true;
}

void CWordPile::UndoTo(int length)
{
    // A stock turn made after the letters is taken back on the way; only an
    // Undo that took nothing back (the history did not shrink) stops the loop.
    while (m_game.CanUndo() && word.Length() > length) {
        const int before = m_game.UndoStack().Count();
        m_game.Undo();
        if (m_game.UndoStack().Count() >= before)
            break;
    }
}

bool CWordPile::IsOverButton(int x, int y) const { return check.HitTest(x, y) || undo.HitTest(x, y); }

bool CWordPile::PressButtonAt(int x, int y)
{
    CTileButton* button = check.HitTest(x, y) ? &check : undo.HitTest(x, y) ? &undo : nullptr;
    if (!button)
        return false;
    m_held = button == &check ? kCheckButton : kUndoButton;
    ShowButtonState(*button, kButtonPressed);
    return true;
}

CWordPile::Button CWordPile::ReleaseButton()
{
    const Button held = m_held;
    m_held = kNoButton;
    CTileButton* button = held == kCheckButton ? &check : held == kUndoButton ? &undo : nullptr;
    if (button)
        ShowButtonState(*button, kButtonRaised);
    return held;
}

void CWordPile::ShowButtonState(CTileButton& button, int state) { button.state = state; }

bool CWordPile::OnButtonUp(const std::function<void()>& tryScore)
{
    switch (ReleaseButton()) {
    case kCheckButton: tryScore(); return true;
    case kUndoButton: m_game.Undo(); return true;
    default: return false;
    }
}

bool CWordPile::TryScoreWord(const std::function<void(CTilePile& sink)>& scoreWord)
{
    if (!IsWord())
        return false;
    m_game.PlaySound(kSoundScored);
    m_game.BeginDrag(&word, word.Length(), 0, 0);
    m_game.EndDrag(&sink);
    scoreWord(sink);
    m_game.AfterMove();
    m_game.EndHandIfFinished();
    return true;
}

bool CWordPile::ScoreWord(CTextBoard* letterBin, const std::function<int(CStr& letters)>& score)
{
    return TryScoreWord([&](CTilePile& sink) {
        int length = 0;
        if (!IsWordOnPile(sink, 0, &length))
            return;
        CStr letters = TakeTiles(sink, length);
        const int points = score(letters);
        if (letterBin)
            letterBin->StrikeLetters(letters);
        m_game.Hand().AddWordPoints(points);
        m_game.UndoStack().Clear();  // a scored word can't be taken back
    });
}

CStr CWordPile::TakeTiles(CTilePile& pile, int count)
{
    CStr taken = pile.RemoveTop(count);
    pile.TurnTopFaceUp();
    m_game.TilesLeftPlay(taken);
    return taken;
}

void CWordPile::UpdateButtons()
{
    const CTileSet& tiles = m_game.TileSet();
    if (IsWord() && checkFollowsWord)
        check.SetPosition(word.Rect(tiles).right + tiles.TileWidth() / 4, word.y + tiles.TileHeight() / 4);
    check.visible = IsWord() ? 1 : 0;
    undo.visible = m_game.CanUndo() ? 1 : 0;
}

void CWordPile::Draw(CBackBuffer& buffer, const CTileSet& tiles)
{
    word.Draw(buffer, tiles);
    check.Draw(buffer, tiles);
    undo.Draw(buffer, tiles);
}

void CWordPile::AddTooltips(CTooltips& tips, const CTileSet&) const
{
    // Only over a shown button: a hidden one may have left its old rectangle behind.
    if (!buttonTooltips)
        return;
    if (undo.visible)
        tips.AddTool(undo.rect, kStrUndoTooltip, kStrUndoTooltip);
    if (check.visible)
        tips.AddTool(check.rect, kStrCheckTooltip, kStrCheckTooltip);
}

bool CWordPile::CheckInvariants(std::string& why) const
{
    const CStr letters = Letters();
    if (letters.IsEmpty() || !m_dictionary || m_dictionary->IsPrefix(letters))
        return true;
    why = "the word \"" + letters.str() + "\" begins no dictionary word";
    return false;
}

void CWordPile::Regions(const CTileSet& tiles, std::vector<RECT>& regions) const
{
    AddPileRegion(word, tiles, regions);
    for (const CTileButton* button : {&check, &undo})
        if (button->visible)
            regions.push_back(button->rect);
}

void CWordPile::AddLook(std::string& look) const
{
    CGamePart::AddLook(look);
    check.AddLook(look);
    undo.AddLook(look);
}

void CWordPile::Values(CHandRecord& record)
{
    check.Values(record);
    undo.Values(record);
    record(m_held);
}

void CWordPile::ListPiles(std::vector<const CTilePile*>& piles) const
{
    piles.push_back(&word);
    piles.push_back(&sink);
}

std::string CWordPile::Describe() const
{
    std::string text = word.Describe("word");
    text += "check: ";
    text += check.visible ? "shown" : "hidden";
    text += "\nundo: ";
    text += undo.visible ? "shown" : "hidden";
    text += "\n";
    return text;
}
