#include "framework/Game.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "framework/Debug.h"
#include "framework/Resources.h"
#include "framework/Settings.h"
#include "framework/Shell.h"
#include "framework/TextBoard.h"
#include "framework/WordListPanel.h"

// ---------------------------------------------------------------------------
// Undo history

std::optional<CUndoRecord> CUndoStack::Pop()
{
    if (m_records.empty())
        return std::nullopt;
    CUndoRecord record = std::move(m_records.back());
    m_records.pop_back();
    return record;
}

CUndoRecord* CUndoStack::Peek() { return m_records.empty() ? nullptr : &m_records.back(); }
const CUndoRecord* CUndoStack::Peek() const { return m_records.empty() ? nullptr : &m_records.back(); }

void CUndoRecord::Values(CHandRecord& record)
{
    record(from, to, count, fromFaceDown, toFaceDown, kind, value1, value2, text, piles);
}

void CUndoStack::Values(CHandRecord& record) { record(m_records); }

bool CUndoStack::NamesPilesBelow(int count) const
{
    const auto named = [count](int pile) { return pile >= CUndoRecord::kNoPile && pile < count; };
    return std::all_of(m_records.begin(), m_records.end(), [&](const CUndoRecord& r) {
        return named(r.from) && named(r.to) && std::all_of(r.piles.begin(), r.piles.end(), named);
    });
}

// ---------------------------------------------------------------------------
// Construction

unsigned NextInstruction(std::span<const InstructionLine> lines, unsigned currentId, int& seconds)
{
    if (lines.empty()) {
        seconds = 0;
        return 0;
    }
    std::size_t next = 0;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].textId == currentId)
            next = i + 1 < lines.size() ? i + 1 : 0;
    seconds = lines[next].seconds;
    return lines[next].textId;
}

namespace {
const CSettings kDefaultSettings;
}  // namespace

CGame::CGame(const CGameContext& context)
    : m_random(context.seed), m_pDictionary(context.dictionary), m_pQuoteList(context.quoteList),
      m_window(context.window), m_shell(context.shell ? *context.shell : QuietShell()),
      m_settings(context.settings ? *context.settings : kDefaultSettings), m_descriptor(context.descriptor),
      m_howToPlay(m_descriptor ? m_descriptor->howToPlay : std::span<const InstructionLine>(kBareHowToPlay)),
      m_handNumber(context.seed)
{
    m_scorePanel.showTime = m_settings.Timer;
    ApplyColours();
    m_tooltips.Create(m_window);
}

void CGame::ApplyColours()
{
    m_backBuffer.SetColors(static_cast<COLORREF>(m_settings.ForegroundColor),
                           static_cast<COLORREF>(m_settings.ForegroundColor),
                           static_cast<COLORREF>(m_settings.BackgroundColor));
    m_backBuffer.SetPattern(BackgroundPatternBitmapId(m_settings.BackgroundPattern));
}

CGame::~CGame() = default;

int CGame::GetGameId() const { return m_descriptor ? m_descriptor->gameId : 0; }
const char* CGame::Subkey() const { return m_descriptor && m_descriptor->subkey ? m_descriptor->subkey : "Generic"; }

// ---------------------------------------------------------------------------
// Simple defaults

void CGame::OnIdle() {}
void CGame::InvalidateLayout() { m_layoutValid = false; }
void CGame::OnRButtonDown(int, int, unsigned) {}
void CGame::OnRButtonUp(int, int, unsigned) {}
void CGame::OnRButtonDblClk(int x, int y, unsigned keys) { OnRButtonDown(x, y, keys); }
void CGame::OnArrowUp() {}
void CGame::OnArrowDown() {}
void CGame::OnArrowLeft() {}
void CGame::OnArrowRight() {}
void CGame::OnSpaceKey() {}
void CGame::OnEnterKey() {}
void CGame::OnEscapeKey() {}
void CGame::OnBackspaceKey() {}
void CGame::OnChar(int) {}
void CGame::OnResume() {}
void CGame::OnPause() {}
CStr CGame::CopyCurrentWord() const { return CStr(); }
int CGame::GetScore() const { return m_hand.score; }
int CGame::GetScorePossible() const { return m_scorePossible; }
bool CGame::CanUndo() const { return !m_undo.IsEmpty(); }
void CGame::AddTooltips() {}
void CGame::BeforeTileLift() {}
bool CGame::IsFinishedAfterDrop(CTilePile*) { return false; }
bool CGame::IsFinished() { return false; }
void CGame::AfterMove() {}
bool CGame::OnTimeUp() { return false; }

std::optional<CUndoRecord> CGame::CreateUndoRecord(CTilePile* from, CTilePile* to, int count)
{
    if (!from || !to)
        return std::nullopt;
    return Record(from, to, count);
}

CUndoRecord CGame::Record(const CTilePile* from, const CTilePile* to, int count) const
{
    CUndoRecord record;
    record.from = PileIndex(from);
    record.to = PileIndex(to);
    record.count = count;
    record.fromFaceDown = from ? from->faceDownCount : 0;
    record.toFaceDown = to ? to->faceDownCount : 0;
    return record;
}

// ---------------------------------------------------------------------------
// The hand as a value

const std::vector<CTilePile*>& CGame::Registry() const
{
    if (m_registry.empty()) {
        std::vector<const CTilePile*> piles;
        for (const CGamePart* part : m_parts)
            part->ListPiles(piles);
        // The game owns every pile its parts list; they are listed read-only.
        for (const CTilePile* pile : piles) {
            m_registryIndex.emplace(pile, static_cast<int>(m_registry.size()));
            m_registry.push_back(const_cast<CTilePile*>(pile));
        }
    }
    return m_registry;
}

int CGame::PileIndex(const CTilePile* pile) const
{
    Registry();
    const auto it = m_registryIndex.find(pile);
    return pile && it != m_registryIndex.end() ? it->second : CUndoRecord::kNoPile;
}

char CGame::LiftTop(int pile)
{
    return RegisteredPile(pile)->tiles.PopLast();
}

void CGame::PutTop(int pile, char letter)
{
    RegisteredPile(pile)->tiles.AppendChar(letter);
}

CTilePile* CGame::RegisteredPile(int index)
{
    const std::vector<CTilePile*>& piles = Registry();
    return index >= 0 && index < static_cast<int>(piles.size()) ? piles[static_cast<std::size_t>(index)] : nullptr;
}

void CGame::AllValues(CHandRecord& record)
{
    int pileCount = static_cast<int>(Registry().size());
    record.Bounded(pileCount, pileCount, pileCount);  // the same parts, or not this game's hand
    record(m_handNumber, m_hand.score, m_hand.wordsScored, m_hand.clockValue, m_hand.clockStep, m_hand.tileCount);
    record(m_hand.gameAmount1, m_hand.gameAmount2, m_hand.wordFactor, m_hand.parSeconds, m_hand.secondsFactor);
    record(m_hand.penaltyPoints, m_hand.recyclePenalty, m_hand.playPenalty);
    record(m_scorePossible, m_clockRunning, m_elapsedTicks);
    std::uint32_t state = m_random.State();
    record(state);
    m_random.Seed(state);
    record(m_tilesOutOfPlay, m_tileBaseline, m_baselineTaken, m_hintShown);
    for (CTilePile* pile : Registry())
        record(*pile);
    for (CGamePart* part : m_parts)
        part->Values(record);
    m_undo.Values(record);
    HandValues(record);
}

std::string CGame::Save()
{
    if (m_dragging)
        Handle([this] { CancelDrag(); });
    CHandRecord record;
    AllValues(record);
    record(m_redo);
    return record.Close(GetGameId());
}

bool CGame::Load(std::string_view closed, std::string& why)
{
    std::string body;
    if (!CHandRecord::Open(closed, GetGameId(), body, why))
        return false;
    if (m_dragging)
        CancelDrag();
    CHandRecord record = CHandRecord::Reading(body);
    AllValues(record);
    record(m_redo);
    if (record.Failed() || !record.AtEnd()) {
        why = "a saved hand of another shape";
        return false;
    }
    if (!m_undo.NamesPilesBelow(static_cast<int>(Registry().size()))) {
        why = "a saved hand whose history names no pile";
        return false;
    }
    // Never a wrong hand: what was read must hold together as every hand does.
    if (std::string broken; !CheckInvariants(broken)) {
        why = "a saved hand that breaks its rules: " + broken;
        return false;
    }
    m_endReason = kEndNone;
    m_digest = HandDigest();
    m_layoutValid = false;
    RepaintAll();
    RefreshTooltips();
    return true;
}

std::uint64_t CGame::HandDigest() const
{
    std::uint64_t h = 14695981039346656037ull;
    const auto mix = [&h](std::uint64_t v) {
        h ^= v;
        h *= 1099511628211ull;
    };
    for (const CTilePile* pile : Registry()) {
        for (const char c : pile->tiles.view())
            mix(static_cast<unsigned char>(c));
        mix(0x100u + static_cast<unsigned>(pile->faceDownCount));
    }
    mix(static_cast<std::uint64_t>(m_hand.score));
    mix(static_cast<std::uint64_t>(m_undo.Count()));
    return h;
}

// ---------------------------------------------------------------------------
// Painting and layout

void CGame::SetTableSize(int columns, int rows, int margin)
{
    m_tableColumns = columns;
    m_tableRows = rows;
    m_tableMargin = margin;
}

void CGame::Layout(HDC hdc)
{
    const RECT client = m_window ? m_window->GetClientRect() : RECT{0, 0, m_backBuffer.Width(), m_backBuffer.Height()};
    const int width = client.Width(), height = client.Height();
    m_laidOutSize = POINT{width, height};
    m_tileSet.ChooseTileSize(hdc, width, height - m_tableMargin, m_tableColumns, m_tableRows,
                             m_window ? m_window->GetColorDepth() : 0, m_settings.LetterTileDesign,
                             m_settings.FitTiles != 0);
    PlacePieces(width, height);
    // The read-out fits its text into what of its box the window shows.
    const RECT panel = m_scorePanel.Rect();
    const int e = kWindowEdge;
    if (panel.right > width - e || panel.bottom > height - e || panel.left < e || panel.top < e)
        m_scorePanel.SetRect(std::max(panel.top, e), std::max(panel.left, e), std::min(panel.bottom, height - e),
                             std::min(panel.right, width - e));
    m_layoutValid = true;
    RefreshTooltips();
}

void CGame::PlacePieces(int width, int height)
{
    // The bare game shows its read-out in the middle of the window.
    m_scorePanel.SetRect(height / 4, width / 4, 3 * height / 4, 3 * width / 4);
}

void CGame::DrawTable() {}

void CGame::DrawEverything(bool fresh, HDC hdc)
{
    const bool relaid = !m_layoutValid;
    const bool dragShown = m_dragImage.IsShown();
    m_dragImage.Forget();  // a tile held in a drag is shown again over the new picture
    if (relaid)
        Layout(hdc);
    if (fresh)
        m_backBuffer.FillBackground(nullptr);
    for (CGamePart* part : m_parts)
        part->Draw(m_backBuffer, m_tileSet);
    DrawScorePanel();
    DrawTable();
    DrawHint();
    if (relaid)  // buttons placed while drawing have their rectangles only now
        RefreshTooltips();
    TakeLooks();
    if (dragShown)
        m_dragImage.Show(m_backBuffer);
}

std::string CGame::PanelLook() const
{
    const RECT r = m_scorePanel.Rect();
    std::string look;
    AppendLook(look, {r.left, r.top, r.right, r.bottom, m_scorePanel.showScore, m_scorePanel.showTime,
                      m_scorePanel.showTiles, m_scorePanel.formatBits, m_scorePanel.scoreFormatId,
                      m_scorePanel.timeFormatId, m_scorePanel.tilesFormatId, m_hand.score, m_hand.clockValue,
                      m_hand.tileCount});
    return look;
}

// What a piece shows now: its look and the regions it draws in.
void CGame::Measure(Piece& piece) const
{
    piece.look.clear();
    piece.regions.clear();
    if (piece.table) {
        AddTableLook(piece.look);
        FrameRegions(piece.regions);
    } else if (piece.part == Piece::kNone) {
        piece.look = PanelLook();
        piece.regions.push_back(m_scorePanel.Rect());
    } else if (piece.pile != Piece::kNone) {
        std::vector<const CTilePile*> piles;
        m_parts[piece.part]->ListPiles(piles);
        piles[piece.pile]->AddLook(piece.look);
        CGamePart::AddPileRegion(*piles[piece.pile], m_tileSet, piece.regions);
    } else if (m_parts[piece.part]->DrawsPilesApart()) {
        m_parts[piece.part]->BackdropRegions(m_tileSet, piece.regions);
    } else {
        m_parts[piece.part]->AddLook(piece.look);
        m_parts[piece.part]->Regions(m_tileSet, piece.regions);
    }
}

// Every piece the base draws, in drawing order: each part (a part that
// draws its piles apart as its backdrop and then each pile), then the
// read-out, then the table.
std::vector<CGame::Piece> CGame::LookAtPieces() const
{
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        const CGamePart& part = *m_parts[i];
        if (part.DrawsPilesApart()) {
            Measure(pieces.emplace_back(Piece{i, Piece::kNone, false, {}, {}}));
            std::vector<const CTilePile*> piles;
            part.ListPiles(piles);
            for (std::size_t j = 0; j < piles.size(); ++j) {
                Piece& piece = pieces.emplace_back(Piece{i, j, false, {}, {}});
                piles[j]->AddLook(piece.look);
                CGamePart::AddPileRegion(*piles[j], m_tileSet, piece.regions);
            }
        } else {
            Measure(pieces.emplace_back(Piece{i, Piece::kNone, false, {}, {}}));
        }
    }
    Measure(pieces.emplace_back(Piece{Piece::kNone, Piece::kNone, false, {}, {}}));
    Measure(pieces.emplace_back(Piece{Piece::kNone, Piece::kNone, true, {}, {}}));
    return pieces;
}

bool CGame::IsPartOfTable(const CTilePile& pile) const
{
    std::vector<const CTilePile*> piles;
    for (const CGamePart* part : m_parts)
        part->ListPiles(piles);
    return std::find(piles.begin(), piles.end(), &pile) != piles.end();
}

void CGame::TakeLooks() { m_drawn = LookAtPieces(); }

void CGame::DrawChanges()
{
    if (!m_layoutValid || m_drawn.empty()) {
        m_erased.clear();
        return;  // a full paint is on its way
    }
    std::vector<Piece> now = LookAtPieces();
    if (now.size() != m_drawn.size()) {  // the parts changed shape: draw them all again
        m_erased.clear();
        m_backBuffer.FillBackground(nullptr);
        DrawEverything(false);
        return;
    }
    const auto meets = [](const std::vector<RECT>& a, const std::vector<RECT>& b) {
        for (const RECT& r : a)
            for (const RECT& s : b)
                if (Intersect(r, s))
                    return true;
        return false;
    };
    // A changed piece is cleared where it was and drawn where it is; so is
    // every piece its clearing or drawing touches, until none is left.
    std::vector<char> redraw(now.size(), 0);
    std::vector<RECT> touched = std::move(m_erased);
    m_erased.clear();
    for (std::size_t k = 0; k < now.size(); ++k)
        if (now[k].look != m_drawn[k].look) {
            redraw[k] = 1;
            touched.insert(touched.end(), m_drawn[k].regions.begin(), m_drawn[k].regions.end());
            touched.insert(touched.end(), now[k].regions.begin(), now[k].regions.end());
        }
    if (touched.empty())
        return;
    for (bool grew = true; grew;) {
        grew = false;
        for (std::size_t k = 0; k + 1 < now.size(); ++k)  // the table is drawn over, never cleared
            if (!redraw[k] && (meets(m_drawn[k].regions, touched) || meets(now[k].regions, touched))) {
                redraw[k] = 1;
                grew = true;
                touched.insert(touched.end(), m_drawn[k].regions.begin(), m_drawn[k].regions.end());
            }
    }
    const bool dragShown = m_dragImage.IsShown();
    if (dragShown)
        m_dragImage.Hide(m_backBuffer);
    for (std::size_t k = 0; k + 1 < now.size(); ++k)
        if (redraw[k] && now[k].part != Piece::kNone)
            for (const RECT& r : m_drawn[k].regions)
                m_backBuffer.FillBackground(&r);
    for (std::size_t k = 0; k < now.size(); ++k) {
        Piece& piece = now[k];
        if (piece.table) {
            DrawTable();  // over what was drawn, as in a full paint
        } else if (!redraw[k]) {
            continue;
        } else if (piece.part == Piece::kNone) {
            DrawScorePanel();
        } else if (piece.pile != Piece::kNone) {
            m_parts[piece.part]->DrawPile(piece.pile, m_backBuffer, m_tileSet);
        } else if (m_parts[piece.part]->DrawsPilesApart()) {
            m_parts[piece.part]->DrawBackdrop(m_backBuffer, m_tileSet);
        } else {
            m_parts[piece.part]->Draw(m_backBuffer, m_tileSet);
        }
    }
    // A part drawn may have placed a button: its regions are known only now
    // (a pile's never depend on drawing). Where a region moved, its tooltip
    // moves with it.
    bool moved = false;
    for (std::size_t k = 0; k < now.size(); ++k)
        if (redraw[k]) {
            if (now[k].pile == Piece::kNone)
                Measure(now[k]);
            moved = moved || now[k].regions != m_drawn[k].regions;
        }
    m_drawn = std::move(now);
    if (moved)
        RefreshTooltips();
    if (dragShown)
        m_dragImage.Show(m_backBuffer);
}

void CGame::OnSettingsChanged()
{
    m_scorePanel.ApplyTimerOption(m_settings.Timer != 0, m_hand);
    ApplyColours();
    m_scorePanel.SetRect(m_scorePanel.Rect().top, m_scorePanel.Rect().left, m_scorePanel.Rect().bottom,
                         m_scorePanel.Rect().right);  // the lines shown may have changed: fit again
    Layout();
    RepaintAll();
    DrawEverything(false);
}

// ---------------------------------------------------------------------------
// Events from the shell

template <class Handler>
void CGame::Handle(Handler&& handler, HDC hdc)
{
    const bool outermost = m_eventDepth++ == 0;
    if (outermost)
        m_backBuffer.Open(m_window, hdc);
    handler();
    DrawChanges();
    if (outermost) {
        // A new move forgets what Undo left to redo.
        if (const std::uint64_t digest = HandDigest(); digest != m_digest) {
            m_digest = digest;
            ++m_changes;
            if (!m_redoing)
                m_redo.clear();
        }
    }
    if (outermost)
        m_backBuffer.Close();
    else
        m_backBuffer.Flush();  // an event inside another (a paint under a dialog) shows at once
    --m_eventDepth;
    if (outermost && m_endReason != kEndNone && !m_shell.IsHandOver())
        m_shell.EndHand(m_endReason);
}

void CGame::Paint(HDC hdc) { Handle([&] { DrawEverything(false, hdc); }, hdc); }

void CGame::EraseBackground(HDC hdc)
{
    DebugOut("CGame::OnEraseBackground");
    if (m_window) {
        const RECT client = m_window->GetClientRect();
        if (client.Width() > 0 && client.Height() > 0)
            m_backBuffer.Resize(m_window, client.Width(), client.Height());
    }
    Handle([this] { m_backBuffer.FillBackground(nullptr); }, hdc);
}

void CGame::Resize(int sizeType, int width, int height)
{
    m_layoutValid = false;
    if (sizeType != SIZE_MINIMIZED && width > 0 && height > 0)
        m_backBuffer.Resize(m_window, width, height);
}

void CGame::ApplySettings() { Handle([this] { OnSettingsChanged(); }); }
void CGame::Tick(unsigned timerId)
{
    if (timerId == kHintTimerId)
        return HideHint();
    Handle([&] { OnTimer(timerId); });
}

void CGame::Mouse(MouseMessage message, int x, int y, unsigned keys)
{
    if (message != MouseMessage::Move)
        HideHint();
    Handle([&] {
        switch (message) {
        case MouseMessage::Move: OnMouseMove(x, y, keys); break;
        case MouseMessage::LButtonDown: OnLButtonDown(x, y, keys); break;
        case MouseMessage::LButtonUp: OnLButtonUp(x, y, keys); break;
        case MouseMessage::LButtonDblClk: OnLButtonDblClk(x, y, keys); break;
        case MouseMessage::RButtonDown: OnRButtonDown(x, y, keys); break;
        case MouseMessage::RButtonUp: OnRButtonUp(x, y, keys); break;
        case MouseMessage::RButtonDblClk: OnRButtonDblClk(x, y, keys); break;
        }
    });
}

void CGame::Key(int virtualKey)
{
    HideHint();
    Handle([&] {
        switch (virtualKey) {
        case VK_BACK: OnBackspaceKey(); break;
        case VK_RETURN: OnEnterKey(); break;
        case VK_ESCAPE: OnEscapeKey(); break;
        case VK_SPACE: case VK_NUMPAD5: OnSpaceKey(); break;
        case VK_LEFT: case VK_NUMPAD4: OnArrowLeft(); break;
        case VK_UP: case VK_NUMPAD8: OnArrowUp(); break;
        case VK_RIGHT: case VK_NUMPAD6: OnArrowRight(); break;
        case VK_DOWN: case VK_NUMPAD2: OnArrowDown(); break;
        default: break;
        }
    });
}

void CGame::Char(int ch)
{
    HideHint();
    Handle([&] { OnChar(ch); });
}

bool CGame::TakeBack()
{
    if (!CanUndo())
        return false;
    HideHint();
    // Redo brings back the hand as it is now, before the Undo.
    CHandRecord before;
    if (m_dragging)
        Handle([this] { CancelDrag(); });
    AllValues(before);
    std::vector<std::string> none;  // the hand as it is, without what there is to redo
    before(none);
    bool undone = false;
    m_redoing = true;
    Handle([&] { undone = Undo(); });
    m_redoing = false;
    if (undone)
        m_redo.push_back(before.Close(GetGameId()));
    return undone;
}

bool CGame::TakeForward()
{
    if (m_redo.empty())
        return false;
    HideHint();
    const std::string after = std::move(m_redo.back());
    m_redo.pop_back();
    std::vector<std::string> rest = m_redo;
    // The clock runs on: a redone move gives no time back.
    const int clock = m_hand.clockValue, ticks = m_elapsedTicks;
    std::string why;
    m_redoing = true;
    Handle([&] {
        if (Load(after, why)) {
            m_redo = std::move(rest);
            m_hand.clockValue = clock;
            m_elapsedTicks = ticks;
            AfterMove();
        }
    });
    m_redoing = false;
    return why.empty();
}

void CGame::Pause(bool paused)
{
    Handle([&] {
        if (paused)
            OnPause();
        else
            OnResume();
    });
}

void CGame::HandOver()
{
    HideHint();
    Handle([this] { OnGameOver(); });
}

// ---------------------------------------------------------------------------
// Hint

void CGame::Hint()
{
    if (IsHandOver() || !HasHints())
        return;
    Handle([this] {
        if (m_dragging)
            CancelDrag();
        const std::uint64_t digest = HandDigest();
        if (m_hints.empty() || digest != m_hintDigest || m_nextHint >= m_hints.size()) {
            if (m_hints.empty() || digest != m_hintDigest)
                m_hints = FindMoves();
            m_hintDigest = digest;
            m_nextHint = 0;
        }
        if (m_hints.empty()) {
            m_hintView = HintView{{}, ResString(kStrNoMoveFound)};
        } else {
            m_hintView = HintView{TilesOfMove(m_hints[m_nextHint++]), {}};
            if (!m_hintShown)
                m_hintView->text = ResString(kStrHintKeepsOutOfHighScores);
            m_hintShown = true;
        }
        RepaintAll();
    });
    StartTimer(kHintTimerId, m_hintView && !m_hintView->tiles.empty() ? 2500 : 1500);
}

std::optional<HuntSummary> CGame::SummariseHunt() const
{
    if (!KeepsItsLetters() || !m_descriptor || !m_pDictionary)
        return std::nullopt;
    // The same hand dealt again, off screen, knows every word the letters held.
    const CGameContext context{m_pDictionary, m_pQuoteList, m_descriptor, nullptr, nullptr, &m_settings, m_handNumber};
    const std::unique_ptr<CGame> fresh = m_descriptor->create(context);
    HuntSummary summary;
    for (const CMove& move : fresh->FindMoves()) {
        ++summary.words;
        summary.bestScore += move.points;
        const bool found = std::any_of(m_wordLists.begin(), m_wordLists.end(),
                                       [&](const CWordListPanel* list) { return list->Contains(move.word); });
        if (found)
            ++summary.found;
        else
            summary.missed.push_back(move.word.str());
    }
    std::stable_sort(summary.missed.begin(), summary.missed.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() > b.size() : a < b;
    });
    return summary;
}

std::vector<CMove> CGame::FindMoves()
{
    CWordSource* source = WordSource();
    return source && m_pDictionary ? FindWords(*source, *m_pDictionary) : std::vector<CMove>{};
}

std::vector<RECT> CGame::TilesOfMove(const CMove& move)
{
    std::vector<RECT> tiles;
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const auto tileAt = [&](const CTilePile& pile, int i) {
        const int x = pile.TileX(m_tileSet, i), y = pile.TileY(m_tileSet, i);
        return RECT{x, y, x + w, y + h};
    };
    if (move.from >= 0) {
        if (const CTilePile* from = RegisteredPile(move.from))
            tiles.push_back(tileAt(*from, std::max(0, from->Length() - move.count)));
        if (const CTilePile* to = RegisteredPile(move.to))
            tiles.push_back(tileAt(*to, to->IsEmpty() ? 0 : to->Length() - 1));
        return tiles;
    }
    // A pile that gives several letters gives its top tile first, then the one under it.
    std::vector<int> taken;
    for (const int index : move.takes) {
        const CTilePile* pile = RegisteredPile(index);
        if (!pile)
            continue;
        const int before = static_cast<int>(std::count(taken.begin(), taken.end(), index));
        taken.push_back(index);
        tiles.push_back(tileAt(*pile, std::max(0, pile->Length() - 1 - before)));
    }
    return tiles;
}

void CGame::DrawHint()
{
    if (!m_hintView)
        return;
    constexpr COLORREF kOutline = RGB(255, 196, 0);
    const int edge = std::max(2, m_tileSet.TileWidth() / 16);
    const CFont font = m_backBuffer.CreateFont(std::max(8, m_tileSet.TileHeight() / 4), "Arial", kFontBold);
    int order = 0;
    for (const RECT& r : m_hintView->tiles) {
        m_backBuffer.FillRect({r.left - edge, r.top - edge, r.right + edge, r.top}, kOutline);
        m_backBuffer.FillRect({r.left - edge, r.bottom, r.right + edge, r.bottom + edge}, kOutline);
        m_backBuffer.FillRect({r.left - edge, r.top, r.left, r.bottom}, kOutline);
        m_backBuffer.FillRect({r.right, r.top, r.right + edge, r.bottom}, kOutline);
        // The order of the takes, on a tab above the tile's corner.
        const std::string number = std::to_string(++order);
        const int side = std::max(10, m_tileSet.TileHeight() / 3);
        RECT tab{r.left - edge, r.top - edge - side, r.left - edge + side, r.top - edge};
        if (tab.top < 0)
            tab = {r.left, r.top, r.left + side, r.top + side};
        m_backBuffer.FillRect(tab, kOutline);
        const COLORREF text = m_backBuffer.TextColor();
        m_backBuffer.SetTextColor(RGB(32, 24, 0));
        m_backBuffer.DrawText(number.c_str(), tab, font, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        m_backBuffer.SetTextColor(text);
    }
    if (!m_hintView->text.empty()) {
        const CFont line = m_backBuffer.CreateFont(11, "Arial", kFontBold);
        const RECT client{0, 0, m_laidOutSize.x, m_laidOutSize.y};
        RECT measure{0, 0, client.right, 0};
        m_backBuffer.DrawText(m_hintView->text.c_str(), measure, line, DT_CALCRECT | DT_SINGLELINE);
        const int width = measure.right - measure.left + 24, height = measure.bottom - measure.top + 12;
        const int left = std::max(0, (client.right - width) / 2), top = std::max(0, client.bottom - height - 8);
        RECT box{left, top, left + width, top + height};
        m_backBuffer.FillRect(box, kOutline);
        // Dark on the outline's colour, whatever colour the table's texts are.
        const COLORREF text = m_backBuffer.TextColor();
        m_backBuffer.SetTextColor(RGB(32, 24, 0));
        m_backBuffer.DrawText(m_hintView->text.c_str(), box, line, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        m_backBuffer.SetTextColor(text);
    }
}

void CGame::HideHint()
{
    if (!m_hintView)
        return;
    m_hintView.reset();
    StopTimer(kHintTimerId);
    RepaintAll();
}
void CGame::Refresh() { Handle([this] { AfterMove(); }); }

void CGame::EndHand(EndReason reason)
{
    if (m_endReason != kEndNone || m_shell.IsHandOver())
        return;
    m_endReason = reason;
    if (m_eventDepth == 0)  // not inside an event: at once
        m_shell.EndHand(reason);
}

void CGame::PlaySound(unsigned soundId) { m_shell.PlaySound(soundId); }

bool CGame::IsHandOver() const { return m_endReason != kEndNone || m_shell.IsHandOver(); }

// ---------------------------------------------------------------------------
// What the games may ask of the window

void CGame::CaptureMouse()
{
    if (m_window)
        m_window->SetCapture();
}

void CGame::ReleaseMouse()
{
    if (m_window)
        m_window->ReleaseCapture();
}

void CGame::ShowAndWait(int ms)
{
    DrawChanges();
    m_backBuffer.Flush();
    if (m_window)
        m_window->Sleep(ms);
}

void CGame::RepaintAll()
{
    if (m_window)
        m_window->Invalidate(nullptr, true);
}

void CGame::StartTimer(unsigned timerId, int ms)
{
    if (m_window)
        m_window->SetTimer(timerId, static_cast<unsigned>(ms));
}

void CGame::StopTimer(unsigned timerId)
{
    if (m_window)
        m_window->KillTimer(timerId);
}

int CGame::Ask(unsigned textId, unsigned captionId, unsigned style)
{
    DrawChanges();
    m_backBuffer.Flush();
    return m_window ? m_window->MessageBox(ResString(textId), ResString(captionId), style) : 0;
}

void CGame::ShowLevelNotice(unsigned dialogId)
{
    if (!m_window)
        return;
    DrawChanges();
    m_backBuffer.Flush();
    m_window->SendCommand(kPauseCommand);
    RunLevelNotice(m_window, dialogId);
    m_window->SendCommand(kPauseCommand);
}

// ---------------------------------------------------------------------------
// The clock

void CGame::OnTimer(unsigned timerId)
{
    if (timerId != kClockTimerId || !m_clockRunning || IsHandOver())
        return;
    if (m_elapsedTicks == 0)
        AfterMove();
    m_hand.clockValue += m_hand.clockStep;
    DrawScorePanel();
    ++m_elapsedTicks;
    if (m_hand.clockValue <= 10 && m_hand.clockStep < 0)
        PlaySound(kSoundClockWarning);
    if (m_hand.clockValue == 0 && !OnTimeUp())
        EndHand(kEndTimeUp);
}

void CGame::OnGameOver()
{
    m_hand.AddSpeedBonus(m_elapsedTicks);
    DrawScorePanel();
}

unsigned CGame::GetNextInstruction(unsigned currentId, int* seconds)
{
    int next = 0;
    const unsigned id = NextInstruction(m_howToPlay, currentId, next);
    if (seconds)
        *seconds = next;
    return id;
}

// ---------------------------------------------------------------------------
// Undo

bool CGame::Undo()
{
    // Tiles in the air go home first: the record may name their pile.
    if (m_dragging)
        CancelDrag();
    const std::optional<CUndoRecord> record = m_undo.Pop();
    if (!record)
        return false;
    CTilePile* from = RegisteredPile(record->from);
    CTilePile* to = RegisteredPile(record->to);
    if (from && to) {
        const CStr tiles = to->RemoveTop(record->count);
        from->AppendString(tiles);
        from->faceDownCount = record->fromFaceDown;
        to->faceDownCount = record->toFaceDown;
    }
    // Everything is drawn again on a fresh background.
    DrawEverything(true);
    AfterMove();
    return true;
}

// ---------------------------------------------------------------------------
// Mouse

void CGame::OnMouseMove(int x, int y, unsigned)
{
    if (m_dragging) {
        // A small wobble of the pressed mouse is not a drag yet.
        if (!m_dragMoved && std::abs(x - m_pressPoint.x) < kDragThreshold &&
            std::abs(y - m_pressPoint.y) < kDragThreshold)
            return;
        DragTo(x, y);
    }
}

void CGame::OnLButtonDown(int x, int y, unsigned)
{
    // A drag whose button-up never arrived (it came while the hand was
    // paused, or went to a dialog) ends here: its tiles go home.
    if (m_dragging)
        CancelDrag();
    m_pressPoint = POINT{x, y};
    CaptureMouse();
}

void CGame::OnLButtonUp(int, int, unsigned)
{
    ReleaseMouse();
    if (m_dragging)
        CancelDrag();
}

void CGame::OnLButtonDblClk(int x, int y, unsigned keys) { OnLButtonDown(x, y, keys); }

// ---------------------------------------------------------------------------
// Drag and drop

void CGame::ErasePile(CTilePile& pile)
{
    if (pile.IsHidden())
        return;
    const RECT r = pile.GetRect(m_tileSet);
    m_backBuffer.FillBackground(&r);
    m_erased.push_back(r);  // whatever lay there is drawn again by DrawChanges
}

void CGame::RedrawPile(CTilePile& pile) { pile.Draw(m_backBuffer, m_tileSet); }

void CGame::BuildDragImage()
{
    m_dragPile.SetPosition(0, 0);
    const RECT r = m_dragPile.GetRect(m_tileSet);
    m_dragImage.BeginImage(m_backBuffer, r.Width(), r.Height());
    m_dragPile.Draw(m_backBuffer, m_tileSet);
    m_dragImage.EndImage(m_backBuffer, kMagenta);
}

void CGame::BeginDrag(CTilePile* pile, int count, int x, int y)
{
    if (!pile)
        return;
    if (m_dragging)  // never two drags at once: the first one's tiles would be lost
        CancelDrag();
    m_pDragSource = pile;
    BeforeTileLift();
    count = std::clamp(count, 0, pile->Length());
    m_dragIndex = pile->Length() - count;
    const int firstX = pile->TileX(m_tileSet, m_dragIndex);
    const int firstY = pile->TileY(m_tileSet, m_dragIndex);
    m_dragSourceFaceDown = pile->faceDownCount;
    m_dragPile.tiles = pile->RemoveTop(count);
    // Face-down tiles that went with the drag stay face down in the air.
    m_dragPile.faceDownCount = m_dragSourceFaceDown - pile->faceDownCount;
    DrawChanges();  // the source without the lifted tiles, under the image
    m_clientRect = m_window ? m_window->GetClientRect() : RECT{0, 0, m_backBuffer.Width(), m_backBuffer.Height()};
    m_grabOffset = POINT{firstX - x, firstY - y};
    m_dragPile.displayFlags = pile->displayFlags & ~kPileHidden;
    m_dragPile.fan = pile->fan;
    m_dragPile.faceDownGlyph = pile->faceDownGlyph;
    BuildDragImage();
    m_dragImage.SetPosition(firstX, firstY);
    m_dragImage.Show(m_backBuffer);
    m_dragging = true;
}

void CGame::ClampDragPosition(int& x, int& y) const
{
    // The image never leaves the client area.
    if (x + m_dragImage.Width() >= m_clientRect.right)
        x = m_clientRect.right - m_dragImage.Width() - 1;
    if (y + m_dragImage.Height() >= m_clientRect.bottom)
        y = m_clientRect.bottom - m_dragImage.Height() - 1;
    x = std::max(x, 0);
    y = std::max(y, 0);
}

void CGame::MoveDragImage(int x, int y)
{
    ClampDragPosition(x, y);
    if (x == m_dragImage.X() && y == m_dragImage.Y())
        return;
    m_dragImage.MoveTo(m_backBuffer, x, y);
}

void CGame::DragTo(int x, int y)
{
    if (!m_dragging)
        return;
    MoveDragImage(x + m_grabOffset.x, y + m_grabOffset.y);
    m_dragMoved = true;
}

void CGame::DragBy(int dx, int dy)
{
    if (m_dragging)
        MoveDragImage(m_dragImage.X() + dx, m_dragImage.Y() + dy);
}

void CGame::EndDrag(CTilePile* target)
{
    if (!target || !m_dragging)
        return;
    m_dragImage.Fly(m_backBuffer, m_dragImage.X(), m_dragImage.Y(), target->NextTileX(m_tileSet),
                    target->NextTileY(m_tileSet), 10, 10);
    m_dragImage.Hide(m_backBuffer);
    CTilePile* source = m_pDragSource;
    if (std::optional<CUndoRecord> record = CreateUndoRecord(source, target, m_dragPile.Length())) {
        // Undo restores the source as it was before the lift.
        if (record->from == PileIndex(source) && source != target)
            record->fromFaceDown = m_dragSourceFaceDown;
        m_undo.Push(std::move(*record));
    }
    if (source && source != target)
        source->TurnTopFaceUp();
    SettleDraggedTiles(*target);
    if (IsFinishedAfterDrop(target))
        EndHand(kEndFinished);
}

void CGame::CancelDrag()
{
    CTilePile* source = m_pDragSource;
    if (!source)
        return;
    // A tile lifted out of the middle of a slot row goes back to its place.
    if (auto* slots = dynamic_cast<CSlotPile*>(source))
        slots->SetInsertAt(m_dragIndex);
    m_dragImage.Fly(m_backBuffer, m_dragImage.X(), m_dragImage.Y(), source->NextTileX(m_tileSet),
                    source->NextTileY(m_tileSet), 10, 10);
    m_dragImage.Hide(m_backBuffer);
    SettleDraggedTiles(*source);
}

void CGame::SettleDraggedTiles(CTilePile& pile)
{
    pile.faceDownCount += m_dragPile.faceDownCount;
    pile.AppendString(m_dragPile.RemoveAll());
    m_dragPile.faceDownCount = 0;
    m_dragImage.Clear();
    m_pDragSource = nullptr;
    m_dragging = false;
    m_dragMoved = false;
}

void CGame::RedrawDragImage()
{
    if (!m_dragging)
        return;
    const int x = m_dragImage.X(), y = m_dragImage.Y();
    m_dragImage.Hide(m_backBuffer);
    m_dragImage.Clear();
    BuildDragImage();
    m_dragImage.SetPosition(x, y);
    m_dragImage.Show(m_backBuffer);
}

void CGame::MoveTile(CTilePile* from, CTilePile* to, TileFlight flight)
{
    if (!from || !to || from->IsEmpty())
        return;
    if (std::optional<CUndoRecord> record = CreateUndoRecord(from, to, 1))
        m_undo.Push(std::move(*record));
    const int w = m_tileSet.TileWidth(), h = m_tileSet.TileHeight();
    const int fromX = from->TopTileX(m_tileSet), fromY = from->TopTileY(m_tileSet);
    const int toX = to->NextTileX(m_tileSet), toY = to->NextTileY(m_tileSet);

    // The tile flies face up when asked, otherwise showing the source's
    // face-down design: a blank tile. A drag under way keeps its own image.
    m_flightImage.BeginImage(m_backBuffer, w, h);
    const unsigned negative = from->displayFlags & kPileNegative ? kGlyphNegative : 0;
    m_tileSet.DrawGlyph(m_backBuffer, from->Top(), 0, 0, (flight == kFlyFaceUp ? kGlyphFaceUp : 0) | negative,
                        from->faceDownGlyph);
    m_flightImage.EndImage(m_backBuffer, kMagenta);

    // A pile of the game's own that no part draws is drawn here; every
    // other change is drawn by DrawChanges.
    const bool ownFrom = !IsPartOfTable(*from), ownTo = !IsPartOfTable(*to);
    if (ownFrom)
        ErasePile(*from);
    BeforeTileLift();
    const char tile = from->PopTop();
    from->TurnTopFaceUp();
    if (ownFrom)
        RedrawPile(*from);
    DrawChanges();  // the source without its tile, the tile in the air
    const int steps = flight == kFlyFaceUp ? 7 : 10;
    m_flightImage.Fly(m_backBuffer, fromX, fromY, toX, toY, steps, steps);
    m_flightImage.Hide(m_backBuffer);
    m_flightImage.Clear();
    CStr landed;
    landed.AppendChar(tile);
    to->AppendString(landed);
    if (ownTo)
        RedrawPile(*to);
    DrawChanges();  // landed
}

// ---------------------------------------------------------------------------
// Description

std::string CGame::DescribeBase() const
{
    const char* name = Subkey();
    char text[256];
    std::snprintf(text, sizeof text,
                  "game %d %s\nscore=%d clock=%d step=%d tiles=%d elapsed=%d possible=%d\nhand over: %s\n",
                  GetGameId(), name ? name : "", m_hand.score, m_hand.clockValue,
                  m_hand.clockStep, m_hand.tileCount, m_elapsedTicks, m_scorePossible,
                  IsHandOver() ? "yes" : "no");
    return text;
}

std::string CGame::DescribeState() const
{
    std::string text = DescribeBase();
    for (const CGamePart* part : m_parts)
        text += part->Describe();
    return text;
}

// ---------------------------------------------------------------------------
// Self-checks

void CGame::ListPiles(std::vector<const CTilePile*>& piles) const
{
    piles.push_back(&m_dragPile);
    for (const CGamePart* part : m_parts)
        part->ListPiles(piles);
}

CStr CGame::TilesOutsidePiles() const
{
    CStr tiles;
    for (const CGamePart* part : m_parts)
        tiles += part->TilesOutsidePiles();
    return tiles;
}

namespace {
void CountInto(std::array<int, 256>& counts, const CStr& tiles, int sign)
{
    for (const char c : tiles.view())
        counts[static_cast<unsigned char>(ToLowerChar(c))] += sign;
}

std::string TileName(int c)
{
    if (c > ' ' && c < 127)
        return std::string(1, static_cast<char>(c));
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", c);
    return text;
}
}  // namespace

void CGame::TilesLeftPlay(const CStr& tiles) { CountInto(m_tilesOutOfPlay, tiles, +1); }
void CGame::TilesJoinedPlay(const CStr& tiles) { CountInto(m_tilesOutOfPlay, tiles, -1); }

CGame::TileCounts CGame::CountTiles() const
{
    TileCounts counts = m_tilesOutOfPlay;
    std::vector<const CTilePile*> piles;
    ListPiles(piles);
    for (const CTilePile* pile : piles)
        CountInto(counts, pile->tiles, +1);
    CountInto(counts, TilesOutsidePiles(), +1);
    return counts;
}

bool CGame::CheckRules(std::string&) { return true; }

bool CGame::CheckInvariants(std::string& why)
{
    for (const CGamePart* part : m_parts)
        if (!part->CheckInvariants(why))
            return false;
    if (!CheckRules(why))
        return false;
    std::vector<const CTilePile*> piles;
    ListPiles(piles);
    for (std::size_t i = 0; i < piles.size(); ++i) {
        const CTilePile& pile = *piles[i];
        if (pile.faceDownCount < 0 || pile.faceDownCount > pile.Length()) {
            why = "pile " + std::to_string(i) + " has " + std::to_string(pile.faceDownCount) +
                  " face-down tiles of " + std::to_string(pile.Length()) + ": " + pile.Describe("pile");
            return false;
        }
    }
    const TileCounts counts = CountTiles();
    if (!m_baselineTaken) {
        m_tileBaseline = counts;
        m_baselineTaken = true;
        return true;
    }
    for (int c = 0; c < 256; ++c) {
        const int change = counts[static_cast<std::size_t>(c)] - m_tileBaseline[static_cast<std::size_t>(c)];
        if (change != 0) {
            why = std::string(change > 0 ? "tiles appeared: " : "tiles vanished: ") + std::to_string(std::abs(change)) +
                  " x '" + TileName(c) + "'";
            return false;
        }
    }
    return true;
}

// The bare game (the score panel and the clock) stands for the ids 9, 12 and 18.
extern const GameDescriptor kBareGames[3] = {
    {9, "Generic", 0, GameNeeds::Dictionary, kBareHowToPlay, MakeGame<CGame>},
    {12, "Generic", 0, GameNeeds::Dictionary, kBareHowToPlay, MakeGame<CGame>},
    {18, "Generic", 0, GameNeeds::Dictionary, kBareHowToPlay, MakeGame<CGame>},
};
