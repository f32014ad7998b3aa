#pragma once
// CGame: the base class of every game. The shell holds exactly one game per
// hand and talks to it only through the virtual operations below; the base
// carries what every game shares: back buffer, tile set, score panel, clock,
// undo history, drag and drop, and the tooltips.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/BackBuffer.h"
#include "framework/DragImage.h"
#include "framework/ScorePanel.h"
#include "framework/Str.h"
#include "framework/TextBoard.h"
#include "framework/TileButton.h"
#include "framework/TilePile.h"
#include "framework/TileSet.h"
#include "framework/Tooltips.h"
#include "framework/Window.h"

class CDictionary;
class CQuoteList;

// Window timers.
enum : unsigned {
    kClockTimerId = 702,        // the one-second game clock
    kInstructionTimerId = 704,  // "How to play" lines
    kLevelNoticeTimerId = 705,
    kFallTimerId = 706,         // falling-block games
};

// Sound resources.
enum : unsigned {
    kSoundTileMoved = 236,
    kSoundHandOver = 238,
    kSoundRefused = 239,
    kSoundPenalty = 244,
    kSoundScored = 245,
    kSoundHighScore = 423,
    kSoundClockWarning = 431,
};

inline constexpr int kUndoCommand = 32786;

// One recorded move of tiles between two piles.
struct CUndoRecord {
    CUndoRecord() = default;
    CUndoRecord(CTilePile* from, CTilePile* to, int count)
        : from(from), to(to), count(count),
          fromFaceDown(from ? from->faceDownCount : 0), toFaceDown(to ? to->faceDownCount : 0)
    {
    }
    virtual ~CUndoRecord() = default;

    CTilePile* from = nullptr;
    CTilePile* to = nullptr;
    int count = 0;
    int fromFaceDown = 0;
    int toFaceDown = 0;
};

// A move that also restores two values of the game's own and a flag.
struct CUndoRecordEx : CUndoRecord {
    CUndoRecordEx(CTilePile* from, CTilePile* to, int count, int value1 = -1, int value2 = -1)
        : CUndoRecord(from, to, count), value1(value1), value2(value2)
    {
    }
    int value1;
    int value2;
    char flag = 0;
};

class CUndoStack {
public:
    void Push(std::unique_ptr<CUndoRecord> record);
    std::unique_ptr<CUndoRecord> Pop();  // null when empty
    CUndoRecord* Peek() const;           // null when empty
    void Clear() { m_records.clear(); }
    int Count() const { return static_cast<int>(m_records.size()); }
    bool IsEmpty() const { return m_records.empty(); }

private:
    std::vector<std::unique_ptr<CUndoRecord>> m_records;
};

class CGame {
public:
    static constexpr int kMaxInstructions = 25;
    static constexpr int kDragThreshold = 6;

    CGame(CDictionary* dictionary, CQuoteList* quoteList);
    virtual ~CGame();
    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    virtual int GetGameId() const;
    virtual void OnIdle();
    virtual void InvalidateLayout();
    virtual int OnCommand(HWND hwnd, int id, int code, std::intptr_t lParam);
    virtual int OnPaint(HWND hwnd, HDC hdc);
    virtual int OnSettingsChanged(HWND hwnd, HDC hdc);
    virtual int OnTimer(HWND hwnd, unsigned timerId);
    virtual int OnSize(HWND hwnd, int sizeType, int width, int height);
    virtual int OnEraseBackground(HWND hwnd, HDC hdc);
    virtual int DeductPenalty(HWND hwnd);
    virtual int Undo(HWND hwnd);
    virtual int OnMouseMove(HWND hwnd, int x, int y, unsigned keys);
    virtual int OnLButtonDown(HWND hwnd, int x, int y, unsigned keys);
    virtual int OnLButtonUp(HWND hwnd, int x, int y, unsigned keys);
    virtual int OnLButtonDblClk(HWND hwnd, int x, int y, unsigned keys);
    virtual int OnRButtonDown(HWND hwnd, int x, int y, unsigned keys);
    virtual int OnRButtonUp(HWND hwnd, int x, int y, unsigned keys);
    virtual int OnRButtonDblClk(HWND hwnd, int x, int y, unsigned keys);
    virtual int OnArrowUp(HWND hwnd);
    virtual int OnArrowDown(HWND hwnd);
    virtual int OnArrowLeft(HWND hwnd);
    virtual int OnArrowRight(HWND hwnd);
    virtual int OnSpaceKey(HWND hwnd);
    virtual int OnEnterKey(HWND hwnd);
    virtual int OnEscapeKey(HWND hwnd);
    virtual int OnBackspaceKey(HWND hwnd);
    virtual int OnChar(HWND hwnd, int ch);
    virtual int OnResume(HWND hwnd);
    virtual int OnPause(HWND hwnd);
    virtual CStr CopyCurrentWord() const;
    virtual int GetScore() const;
    virtual int GetScorePossible() const;
    virtual int OnGameOver(HWND hwnd);
    // Next line of the "How to play" sequence after `currentId` (0 to start).
    virtual unsigned GetNextInstruction(unsigned currentId, int* seconds);
    virtual bool CanUndo() const;
    virtual void RemoveTooltips();
    virtual void AddTooltips();
    virtual void BeginDrag(HWND hwnd, CTilePile* pile, int count, int x, int y);
    virtual void EndDrag(HWND hwnd, CTilePile* target);
    virtual void DragTo(HWND hwnd, int x, int y);
    virtual void DragBy(HWND hwnd, int dx, int dy);
    virtual void CancelDrag(HWND hwnd);
    virtual void RedrawDragImage(HWND hwnd);
    virtual void PressButton(HWND hwnd);
    virtual void ReleaseButton(HWND hwnd);
    virtual void BeforeTileLift();
    // Moves the top tile of `from` onto `to` in flight (the back buffer is open).
    virtual void MoveTile(CTilePile* from, CTilePile* to, int count, int faceUp);
    virtual bool IsFinishedAfterDrop(HWND hwnd, CTilePile* target);
    virtual bool IsFinished(HWND hwnd);
    virtual int Layout(HWND hwnd, HDC hdc);
    virtual std::unique_ptr<CUndoRecord> CreateUndoRecord(CTilePile* from, CTilePile* to, int count);
    virtual void AfterMove(HWND hwnd, int flag);
    virtual bool OnTimeUp(HWND hwnd);
    // The letter supply: deals `count` letters into m_pLetters and returns them.
    virtual CStr* DealLetters(int supply, int count, int fixQu, int balance);
    // A readable account of the game: piles, score, clock, whether the hand is over.
    virtual std::string DescribeState() const;

    // Self-checks, run by the soak test after every event. ListPiles names
    // every pile holding tiles of the hand (the base names the drag pile; a
    // game adds its own and calls the base). TilesOutsidePiles gives the tiles
    // of the hand kept anywhere else: spelled into a foundation, held in a
    // grid of its own. CheckInvariants checks the game's own rules and then
    // calls the base, which checks every listed pile's face-down count and
    // that no tile appears or vanishes: the letters in the piles and outside
    // them, plus those that left play, minus those that joined it after the
    // deal (TilesLeftPlay / TilesJoinedPlay), stay what they were at the
    // first check. False, with `why`, when something is wrong.
    virtual void ListPiles(std::vector<const CTilePile*>& piles) const;
    virtual CStr TilesOutsidePiles() const;
    virtual bool CheckInvariants(std::string& why);
    // Tiles scored away or destroyed by a rule of the game, and tiles brought
    // in after the deal (a new falling piece). Undoing either calls the other.
    void TilesLeftPlay(const CStr& tiles);
    void TilesJoinedPlay(const CStr& tiles);

    // Helpers shared by the games.
    bool IsDragging() const { return m_dragging; }
    CTilePile* DragSource() const { return m_pDragSource; }
    const CTilePile& DragPile() const { return m_dragPile; }
    const CDragImage& DragImage() const { return m_dragImage; }
    bool IsLayoutValid() const { return m_layoutValid; }
    int ElapsedTicks() const { return m_elapsedTicks; }
    CScorePanel& ScorePanel() { return m_scorePanel; }
    const CScorePanel& ScorePanel() const { return m_scorePanel; }
    CTileSet& TileSet() { return m_tileSet; }
    CBackBuffer& BackBuffer() { return m_backBuffer; }
    CUndoStack& UndoStack() { return m_undo; }
    CTooltips& Tooltips() { return m_tooltips; }
    // Takes the "How to play" lines of a game from the catalogue.
    void LoadInstructions(int gameId);
    // Redraws the score panel (the back buffer is open).
    void DrawScorePanel() { m_scorePanel.Draw(m_backBuffer); }
    // Clears a pile's area to the background and draws it again (buffer open).
    void RedrawPile(CTilePile& pile);
    void ErasePile(CTilePile& pile);
    // The same description of the base state every game's DescribeState starts with.
    std::string DescribeBase(const char* name) const;

protected:
    CBackBuffer m_backBuffer;
    CDictionary* m_pDictionary;
    CQuoteList* m_pQuoteList;
    CTileSet m_tileSet;
    CScorePanel m_scorePanel;
    int m_scorePossible = 0;
    int m_instructionCount = 1;
    std::int32_t m_instructionSeconds[kMaxInstructions] = {60};
    std::uint32_t m_instructionTextIds[kMaxInstructions] = {226};
    CTextBoard m_textBoard;
    CTileButton m_button{0, kButtonBegin};
    bool m_clockRunning = true;
    bool m_buttonHeld = false;
    std::unique_ptr<CStr> m_pLetters;
    CStr m_helpFile{"help.htm"};
    bool m_dragMoved = false;
    bool m_dragging = false;
    CTilePile* m_pDragSource = nullptr;
    CTilePile m_dragPile;
    CDragImage m_dragImage;
    POINT m_grabOffset{};
    RECT m_clientRect{};
    POINT m_pressPoint{};
    CUndoStack m_undo;
    int m_gameFlags[4] = {};
    int m_elapsedTicks = 0;
    bool m_layoutValid = false;
    CTooltips m_tooltips;

private:
    void BuildDragImage();
    void ClampDragPosition(int& x, int& y) const;
    void MoveDragImage(HWND hwnd, int x, int y);
    void TurnTopFaceUp(CTilePile& pile);
    // The dragged tiles join `pile` (a drop or a cancelled drag), and the drag ends.
    void SettleDraggedTiles(CTilePile& pile);

    int m_dragSourceFaceDown = 0;  // the source's face-down count before the lift
    int m_dragIndex = 0;           // where in the source the dragged tiles were

    // The tile account of CheckInvariants, by letter (case folded).
    using TileCounts = std::array<int, 256>;
    TileCounts CountTiles() const;
    TileCounts m_tilesOutOfPlay{};  // left play minus joined it
    TileCounts m_tileBaseline{};
    bool m_baselineTaken = false;
};
