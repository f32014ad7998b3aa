// The registration of a game's parts, and what the base derives from it:
// the tooltips after a re-layout, the named piles, and the end of a hand.
#include <algorithm>

#include "framework/Game.h"
#include "framework/Shell.h"
#include "framework/TextBoard.h"
#include "framework/WordListPanel.h"

void CGamePart::AddPileRegion(const CTilePile& pile, const CTileSet& tiles, std::vector<RECT>& regions)
{
    if ((pile.displayFlags & kPileHidden) || (pile.IsEmpty() && !(pile.displayFlags & kPileEmptyMarker)))
        return;
    regions.push_back(pile.Rect(tiles));
}

void CGamePart::AddLook(std::string& look) const
{
    std::vector<const CTilePile*> piles;
    ListPiles(piles);
    for (const CTilePile* pile : piles)
        pile->AddLook(look);
}

void CGamePart::Regions(const CTileSet& tiles, std::vector<RECT>& regions) const
{
    std::vector<const CTilePile*> piles;
    ListPiles(piles);
    for (const CTilePile* pile : piles)
        AddPileRegion(*pile, tiles, regions);
}

namespace {
std::string Show(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}
}  // namespace

bool CGame::CheckLayout(std::string& why) const
{
    // Each part's regions, and the score panel's as a part of its own.
    std::vector<std::pair<std::string, std::vector<RECT>>> parts;
    for (const CGamePart* part : m_parts) {
        std::vector<RECT> regions;
        part->Regions(m_tileSet, regions);
        std::string name = part->Describe();
        name = name.substr(0, name.find_first_of(":\n"));
        parts.emplace_back(name, std::move(regions));
    }
    if (m_scorePanel.showScore || m_scorePanel.showTime || m_scorePanel.showTiles)
        parts.emplace_back("score panel", std::vector<RECT>{m_scorePanel.Rect()});
    std::vector<RECT> frames;
    FrameRegions(frames);
    for (const CGamePart* part : m_parts)
        part->Surrounds(m_tileSet, frames);
    parts.emplace_back("a frame", std::move(frames));
    // Nothing touches the window's edge either.
    const RECT client{kWindowEdge, kWindowEdge, m_laidOutSize.x - kWindowEdge, m_laidOutSize.y - kWindowEdge};
    for (std::size_t i = 0; i < parts.size(); ++i)
        for (const RECT& r : parts[i].second) {
            if (r.IsEmpty())
                continue;
            if (r.left < client.left || r.top < client.top || r.right > client.right || r.bottom > client.bottom) {
                why = parts[i].first + " at " + Show(r) + " leaves the " + std::to_string(m_laidOutSize.x) + "x" +
                      std::to_string(m_laidOutSize.y) + " window or touches its edge";
                return false;
            }
            for (std::size_t j = i + 1; j + 1 < parts.size(); ++j)  // frames may surround parts
                for (const RECT& s : parts[j].second)
                    if (Intersect(r, s)) {
                        why = parts[i].first + " at " + Show(r) + " covers " + parts[j].first + " at " + Show(s) +
                              " with " + std::to_string(m_tileSet.TileWidth()) + "-pixel tiles";
                        return false;
                    }
        }
    return true;
}

namespace {
std::string Line(const std::string& name, const CStr& text) { return name + ": \"" + text.str() + "\"\n"; }

class CPilePart : public CGamePart {
public:
    CPilePart(CTilePile& pile, std::string name, unsigned tooltip)
        : m_pile(pile), m_name(std::move(name)), m_tooltip(tooltip)
    {
    }
    void Draw(CBackBuffer& buffer, const CTileSet& tiles) override { m_pile.Draw(buffer, tiles); }
    std::string Describe() const override { return m_pile.Describe(m_name.c_str()); }
    void ListPiles(std::vector<const CTilePile*>& piles) const override { piles.push_back(&m_pile); }
    void AddTooltips(CTooltips& tooltips, const CTileSet& tiles) const override
    {
        if (m_tooltip)
            tooltips.AddTool(m_pile.Rect(tiles), m_tooltip, m_tooltip);
    }

private:
    CTilePile& m_pile;
    std::string m_name;
    unsigned m_tooltip;
};

// Cells row by row; a row is described by the top tile of each cell, '.'
// for an empty one.
class CGridPart : public CGamePart {
public:
    CGridPart(std::span<CTilePile> cells, int columns, std::string name)
        : m_cells(cells), m_columns(std::max(columns, 1)), m_name(std::move(name))
    {
    }
    void Draw(CBackBuffer& buffer, const CTileSet& tiles) override
    {
        for (CTilePile& cell : m_cells)
            cell.Draw(buffer, tiles);
    }
    bool DrawsPilesApart() const override { return true; }
    void DrawPile(std::size_t index, CBackBuffer& buffer, const CTileSet& tiles) override
    {
        m_cells[index].Draw(buffer, tiles);
    }
    std::string Describe() const override
    {
        std::string text;
        const int rows = (static_cast<int>(m_cells.size()) + m_columns - 1) / m_columns;
        for (int r = 0; r < rows; ++r) {
            CStr row;
            for (int c = 0; c < m_columns; ++c) {
                const std::size_t i = static_cast<std::size_t>(r * m_columns + c);
                if (i < m_cells.size())
                    row.AppendChar(m_cells[i].IsEmpty() ? '.' : m_cells[i].Top());
            }
            text += Line(m_name + std::to_string(r), row);
        }
        return text;
    }
    void ListPiles(std::vector<const CTilePile*>& piles) const override
    {
        for (const CTilePile& cell : m_cells)
            piles.push_back(&cell);
    }

private:
    std::span<CTilePile> m_cells;
    int m_columns;
    std::string m_name;
};

class CBoardPart : public CGamePart {
public:
    CBoardPart(CTextBoard& board, std::string name, unsigned tooltip)
        : m_board(board), m_name(std::move(name)), m_tooltip(tooltip)
    {
    }
    void Draw(CBackBuffer& buffer, const CTileSet& tiles) override { m_board.Draw(buffer, &tiles); }
    void AddLook(std::string& look) const override { m_board.AddLook(look); }
    void Values(CHandRecord& record) override { m_board.Values(record); }
    std::string Describe() const override { return Line(m_name, m_board.displayText); }
    void Regions(const CTileSet&, std::vector<RECT>& regions) const override
    {
        regions.push_back(m_board.frameRect.IsEmpty() ? m_board.rect : m_board.frameRect);
    }
    void AddTooltips(CTooltips& tooltips, const CTileSet&) const override
    {
        if (m_tooltip)
            tooltips.AddTool(m_board.rect, m_tooltip, m_tooltip);
    }

private:
    CTextBoard& m_board;
    std::string m_name;
    unsigned m_tooltip;
};

class CButtonPart : public CGamePart {
public:
    CButtonPart(CTileButton& button, std::string name, unsigned tooltip)
        : m_button(button), m_name(std::move(name)), m_tooltip(tooltip)
    {
    }
    void Draw(CBackBuffer& buffer, const CTileSet& tiles) override { m_button.Draw(buffer, tiles); }
    void AddLook(std::string& look) const override { m_button.AddLook(look); }
    void Values(CHandRecord& record) override { m_button.Values(record); }
    std::string Describe() const override { return m_name + (m_button.visible ? ": shown\n" : ": hidden\n"); }
    void Regions(const CTileSet&, std::vector<RECT>& regions) const override
    {
        if (m_button.visible)
            regions.push_back(m_button.rect);
    }
    void AddTooltips(CTooltips& tooltips, const CTileSet&) const override
    {
        // Only over a shown button: a hidden one may have left its old rectangle behind.
        if (m_tooltip && m_button.visible)
            tooltips.AddTool(m_button.rect, m_tooltip, m_tooltip);
    }

private:
    CTileButton& m_button;
    std::string m_name;
    unsigned m_tooltip;
};

// The words one per line on the panel, one line with spaces here.
class CWordListPart : public CGamePart {
public:
    CWordListPart(CWordListPanel& list, std::string name, unsigned tooltip)
        : m_list(list), m_name(std::move(name)), m_tooltip(tooltip)
    {
    }
    void Draw(CBackBuffer& buffer, const CTileSet& tiles) override { m_list.Draw(buffer, tiles); }
    void AddLook(std::string& look) const override { m_list.AddLook(look); }
    void Values(CHandRecord& record) override { m_list.Values(record); }
    std::string Describe() const override
    {
        std::string words = m_list.listText.str();
        std::replace(words.begin(), words.end(), '\n', ' ');
        return m_name + ": " + words + "\n";
    }
    void Regions(const CTileSet&, std::vector<RECT>& regions) const override { regions.push_back(m_list.rect); }
    void AddTooltips(CTooltips& tooltips, const CTileSet&) const override
    {
        if (m_tooltip)
            tooltips.AddTool(m_list.rect, m_tooltip, m_tooltip);
    }

private:
    CWordListPanel& m_list;
    std::string m_name;
    unsigned m_tooltip;
};
}  // namespace

void CGame::AddPart(CGamePart& part)
{
    m_parts.push_back(&part);
    m_registry.clear();  // numbered again at the next use
    m_registryIndex.clear();
}

void CGame::AddPile(CTilePile& pile, std::string name, unsigned tooltip)
{
    m_named.emplace_back(name, &pile);
    m_ownParts.push_back(std::make_unique<CPilePart>(pile, std::move(name), tooltip));
    AddPart(*m_ownParts.back());
}

void CGame::AddGrid(std::span<CTilePile> cells, int columns, std::string name)
{
    for (std::size_t i = 0; i < cells.size(); ++i)
        m_named.emplace_back(name + "[" + std::to_string(i) + "]", &cells[i]);
    m_ownParts.push_back(std::make_unique<CGridPart>(cells, columns, std::move(name)));
    AddPart(*m_ownParts.back());
}

void CGame::AddBoard(CTextBoard& board, std::string name, unsigned tooltip)
{
    m_ownParts.push_back(std::make_unique<CBoardPart>(board, std::move(name), tooltip));
    AddPart(*m_ownParts.back());
}

void CGame::AddButton(CTileButton& button, std::string name, unsigned tooltip)
{
    m_ownParts.push_back(std::make_unique<CButtonPart>(button, std::move(name), tooltip));
    AddPart(*m_ownParts.back());
}

void CGame::AddWordList(CWordListPanel& list, std::string name, unsigned tooltip)
{
    m_wordLists.push_back(&list);
    m_ownParts.push_back(std::make_unique<CWordListPart>(list, std::move(name), tooltip));
    AddPart(*m_ownParts.back());
}

const CTilePile* CGame::FindPile(std::string_view name) const
{
    for (const auto& [pileName, pile] : m_named)
        if (pileName == name)
            return pile;
    return nullptr;
}

void CGame::RemoveTooltips()
{
    m_tooltips.Activate(false);
    m_tooltips.RemoveAll();
}

void CGame::RefreshTooltips()
{
    RemoveTooltips();
    for (const CGamePart* part : m_parts)
        part->AddTooltips(m_tooltips, m_tileSet);
    AddTooltips();
    m_tooltips.Activate(true);
}

bool CGame::EndHandIfFinished()
{
    if (IsHandOver() || !IsFinished())
        return false;
    EndHand(kEndFinished);
    return true;
}
