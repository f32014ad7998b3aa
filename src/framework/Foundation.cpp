#include "framework/Foundation.h"

#include "app/Settings.h"
#include "framework/BackBuffer.h"
#include "framework/Game.h"
#include "framework/Shell.h"

CFoundation::CFoundation(CGame& game) : m_game(game)
{
    dropPile.Configure(kPileHidden, kFanRight);
    ApplyColorSettings();
}

void CFoundation::SetWords(const char* letters) { words.SetWords(letters, false, 0, true); }

void CFoundation::ApplyColorSettings()
{
    const COLORREF foreground = static_cast<COLORREF>(g_Settings.ForegroundColor) & 0xFFFFFF;
    words.unspelledColor = foreground;
    words.spelledColor = foreground ^ 0xFFFFFF;
}

void CFoundation::Place(int top, int left, int bottom, int right, int dropX, int dropY)
{
    words.SetRect(top, left, bottom, right);
    dropPile.SetPosition(dropX, dropY);
}

bool CFoundation::DropDragged(HWND hwnd)
{
    if (!m_game.IsDragging())
        return false;
    const CDragImage& image = m_game.DragImage();
    const RECT imageRect{image.X(), image.Y(), image.X() + image.Width(), image.Y() + image.Height()};
    const CTilePile& dragged = m_game.DragPile();
    if (!Overlaps(imageRect, words.rect) || dragged.Length() != 1 || !Accepts(dragged.Top()))
        return false;
    PlaySoundIfEnabled(kSoundScored);
    ScoreDraggedTile(hwnd);
    return true;
}

bool CFoundation::ScoreTopTile(HWND hwnd, CTilePile& pile)
{
    if (pile.IsEmpty() || !Accepts(pile.Top()))
        return false;
    PlaySoundIfEnabled(kSoundScored);
    m_game.BeginDrag(hwnd, &pile, 1, pile.TopTileX(m_game.TileSet()), pile.TopTileY(m_game.TileSet()));
    ScoreDraggedTile(hwnd);
    return true;
}

void CFoundation::ScoreDraggedTile(HWND hwnd)
{
    m_game.EndDrag(hwnd, &dropPile);
    ScoreTile(hwnd, dropPile);
    if (m_game.IsFinished(hwnd))
        Shell().EndHand(hwnd, kEndFinished);
}

void CFoundation::ScoreTile(HWND hwnd, CTilePile& pile)
{
    if (pile.IsEmpty())
        return;
    CBackBuffer& buffer = m_game.BackBuffer();
    buffer.Open(hwnd);
    m_game.ErasePile(pile);
    const char letter = pile.PopTop();
    if (pile.faceDownCount != 0 && pile.faceDownCount == pile.Length())
        --pile.faceDownCount;
    m_game.RedrawPile(pile);
    words.Add(letter);
    m_game.ScorePanel().score += pointsPerTile;
    m_game.DrawScorePanel();
    Draw();
    m_game.UndoStack().Clear();  // a scored tile never comes back
    buffer.Close();
}

void CFoundation::Draw() { words.Draw(m_game.BackBuffer(), &m_game.TileSet()); }

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
