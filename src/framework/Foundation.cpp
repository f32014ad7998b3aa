#include "framework/Foundation.h"

#include "framework/Settings.h"
#include "framework/BackBuffer.h"
#include "framework/Game.h"
#include "framework/Shell.h"
#include "resources/StringIds.h"

namespace {
}  // namespace

CFoundation::CFoundation(CGame& game) : m_game(game)
{
    dropPile.Configure(kPileHidden, kFanRight);
    ApplyColorSettings();
}

void CFoundation::SetWords(const char* letters) { words.SetWords(letters, kTextBold); }

void CFoundation::ApplyColorSettings()
{
    const COLORREF foreground = static_cast<COLORREF>(m_game.Settings().ForegroundColor) & 0xFFFFFF;
    words.unspelledColor = foreground;
    words.spelledColor = foreground ^ 0xFFFFFF;
}

void CFoundation::Place(int top, int left, int bottom, int right, int dropX, int dropY)
{
    words.SetRect(top, left, bottom, right);
    dropPile.SetPosition(dropX, dropY);
}

void CFoundation::AddScoringMoves(std::initializer_list<const CTilePile*> sources, int progress,
                                  std::vector<CMove>& moves) const
{
    for (const CTilePile* pile : sources)
        if (pile->FaceUpCount() > 0 && Accepts(pile->Top())) {
            CMove move;
            move.from = m_game.PileIndex(pile);
            move.count = 1;
            move.to = m_game.PileIndex(&dropPile);
            move.points = progress;
            moves.push_back(std::move(move));
        }
}

bool CFoundation::DropDragged()
{
    if (!m_game.IsDragging())
        return false;
    const CDragImage& image = m_game.DragImage();
    const RECT imageRect{image.X(), image.Y(), image.X() + image.Width(), image.Y() + image.Height()};
    const CTilePile& dragged = m_game.DragPile();
    if (!Overlaps(imageRect, words.rect) || dragged.Length() != 1 || !Accepts(dragged.Top()))
        return false;
    m_game.PlaySound(kSoundScored);
    ScoreDraggedTile();
    return true;
}

bool CFoundation::ScoreTopTile(CTilePile& pile)
{
    if (pile.IsEmpty() || !Accepts(pile.Top()))
        return false;
    m_game.PlaySound(kSoundScored);
    m_game.BeginDrag(&pile, 1, pile.TopTileX(m_game.TileSet()), pile.TopTileY(m_game.TileSet()));
    ScoreDraggedTile();
    return true;
}

void CFoundation::ScoreDraggedTile()
{
    m_game.EndDrag(&dropPile);
    ScoreTile(dropPile);
    m_game.EndHandIfFinished();
}

void CFoundation::ScoreTile(CTilePile& pile)
{
    if (pile.IsEmpty())
        return;
    CBackBuffer& buffer = m_game.BackBuffer();
    const char letter = pile.PopTop();
    pile.TurnTopFaceUp();
    words.Add(letter);
    m_game.Hand().AddWordPoints(pointsPerTile);
    Draw(buffer, m_game.TileSet());
    m_game.UndoStack().Clear();  // a scored tile never comes back
}

void CFoundation::Draw(CBackBuffer& buffer, const CTileSet& tiles) { words.Draw(buffer, &tiles); }

void CFoundation::ListPiles(std::vector<const CTilePile*>& piles) const { piles.push_back(&dropPile); }

CStr CFoundation::TilesOutsidePiles() const
{
    CStr spelled;
    for (int k = 0; k < 4; ++k)
        spelled += words.words[k].Left(words.progress[k]);
    return spelled;
}

void CFoundation::AddTooltips(CTooltips& tooltips, const CTileSet&) const
{
    tooltips.AddTool(words.rect, kStrFoundationTooltip, kStrFoundationTooltip);
}

std::string CFoundation::Describe() const
{
    std::string text = "foundation:";
    for (int k = 0; k < 4; ++k) {
        text += ' ';
        text += words.words[k].str();
        text += '(' + std::to_string(words.progress[k]) + ')';
    }
    return text + "\n";
}
