#pragma once
// CGame: the base class of every game. The shell holds exactly one game per
// hand and sends it events (Paint, Mouse, Key, Tick...); the base carries what
// every game shares: back buffer, tile set, the hand's score and clock and its
// random generator, the score panel, undo history, drag and drop, and the
// tooltips. It is made from a context: the window it is shown in, the shell's
// services, the player's settings and the hand number.
//
// A game is its rules. Its constructor deals, registers each pile, grid or
// component once (AddPile, AddGrid, AddPart...) and says how many tiles its
// table is across and down (SetTableSize). The base then lays the table out
// (choosing the tile size and calling PlacePieces), paints it (the parts in
// the order registered, the score panel, then DrawTable for anything of the
// game's own), adds the parts' tooltips, describes it (DescribeState) and
// checks it (ListPiles, TilesOutsidePiles). The game answers the input it
// cares about in handlers that change the hand and return, and calls
// EndHandIfFinished after a move that may end the hand: the hand then ends
// once the event has returned. The game draws nothing: after every event the
// base draws each part whose look changed (DrawChanges), and the table.
#include <array>
#include <optional>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "framework/BackBuffer.h"
#include "framework/LetterSupply.h"
#include "framework/DragImage.h"
#include "framework/GameIds.h"
#include "framework/GamePart.h"
#include "framework/HandRecord.h"
#include "framework/Random.h"
#include "framework/GameDescriptor.h"
#include "framework/ScorePanel.h"
#include "framework/Shell.h"
#include "framework/Str.h"
#include "framework/TileButton.h"
#include "framework/TilePile.h"
#include "framework/TileSet.h"
#include "framework/Tooltips.h"
#include "framework/UndoRecord.h"
#include "framework/Window.h"
#include "framework/WordFinder.h"
#include "resources/StringIds.h"

class CDictionary;
class CGameShell;
class CQuoteList;
struct CSettings;
class CTextBoard;
class CWordListPanel;

// The end of a hunt whose letters stayed the same through the hand: how
// many of the words its deal spells the player found, what all of them
// would have scored, and those missed, longest first.
struct HuntSummary {
    int found = 0;
    int words = 0;
    int bestScore = 0;
    std::vector<std::string> missed;
};

class CGame {
public:
    static constexpr int kDragThreshold = 6;
    // No part of the table comes nearer the window's edge than this.
    static constexpr int kWindowEdge = 4;

    explicit CGame(const CGameContext& context);
    virtual ~CGame();
    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    // The id and statistics subkey of the game's factory row (0 and "Generic" without one).
    int GetGameId() const;
    const char* Subkey() const;
    virtual void OnIdle();
    virtual void InvalidateLayout();

    // What the shell sends the game. Each runs the game's handler with the
    // back buffer open, draws what changed and shows it when the handler
    // returns, and then ends the hand if a rule finished it (EndHand).
    // Nothing else opens the buffer: a rule changes the hand and returns.
    void Paint(HDC hdc);
    void EraseBackground(HDC hdc);
    void Resize(int sizeType, int width, int height);
    void ApplySettings();
    void Tick(unsigned timerId);
    void Mouse(MouseMessage message, int x, int y, unsigned keys);
    void Key(int virtualKey);  // Backspace, Enter, Escape, Space, the arrows and the keypad's
    void Char(int ch);
    bool TakeBack();          // Undo; true when a move was taken back
    bool TakeForward();       // Redo: the hand as it was before the last Undo; true when there was one
    bool CanRedo() const { return !m_redo.empty(); }
    void Pause(bool paused);  // OnPause / OnResume
    // Hint: outlines for a moment the tiles of the best move the game's
    // finder sees, numbered in the order they are taken (a drag's source
    // and target); asked again with nothing changed, the next best. "No
    // move found" shows when there is none. A hint costs nothing, but the
    // hand no longer enters the high-score table: the first hint says so.
    void Hint();
    // Whether the game can find moves at all (the falling games cannot).
    virtual bool HasHints() const { return false; }
    // A game that spells its words from tiles it takes lets the word finder
    // look at them (WordFinder.h); null for the others.
    virtual CWordSource* WordSource() { return nullptr; }
    // Where the tiles of a move lie now, in the order it takes them (a
    // drag: its source, then its target): what a hint outlines, and where
    // a player clicks to make the move.
    std::vector<RECT> TilesOfMove(const CMove& move);
    // Whether the letters stay the same through the hand (a fixed rack or
    // grid): its end then shows the words missed (SummariseHunt).
    virtual bool KeepsItsLetters() const { return false; }
    // For such a game: every word a fresh deal of this hand spells, against
    // the words in the game's found-word lists. None for other games.
    std::optional<HuntSummary> SummariseHunt() const;
    // Whether a hint was shown in this hand (kept with the hand).
    bool HintWasShown() const { return m_hintShown; }
    // The hint on the table now: the tiles outlined and the line shown.
    std::vector<RECT> HintTiles() const { return m_hintView ? m_hintView->tiles : std::vector<RECT>{}; }
    std::string HintLine() const { return m_hintView ? m_hintView->text : std::string(); }
    // Whether typed letters are the game's own input (the key H then types).
    virtual bool TakesTypedLetters() const { return false; }
    void HandOver();          // OnGameOver
    void Refresh();           // AfterMove: the words or the settings changed behind the game

    // The game's handlers, run by the events above (and by the game itself).
    virtual void OnSettingsChanged();
    virtual void OnTimer(unsigned timerId);
    virtual bool Undo();
    virtual void OnMouseMove(int x, int y, unsigned keys);
    virtual void OnLButtonDown(int x, int y, unsigned keys);
    virtual void OnLButtonUp(int x, int y, unsigned keys);
    virtual void OnLButtonDblClk(int x, int y, unsigned keys);
    virtual void OnRButtonDown(int x, int y, unsigned keys);
    virtual void OnRButtonUp(int x, int y, unsigned keys);
    virtual void OnRButtonDblClk(int x, int y, unsigned keys);
    virtual void OnArrowUp();
    virtual void OnArrowDown();
    virtual void OnArrowLeft();
    virtual void OnArrowRight();
    virtual void OnSpaceKey();
    virtual void OnEnterKey();
    virtual void OnEscapeKey();
    virtual void OnBackspaceKey();
    virtual void OnChar(int ch);
    virtual void OnResume();
    virtual void OnPause();
    virtual CStr CopyCurrentWord() const;
    virtual int GetScore() const;
    virtual int GetScorePossible() const;
    virtual void OnGameOver();
    // Next line of the "How to play" sequence after `currentId` (0 to start).
    virtual unsigned GetNextInstruction(unsigned currentId, int* seconds);
    virtual bool CanUndo() const;
    // The moves the player could make now, best first: by default the
    // words the word source spells (none without one).
    virtual std::vector<CMove> FindMoves();
    // Tooltips of the game's own beyond those of its registered parts
    // (RefreshTooltips adds both after every re-layout).
    virtual void AddTooltips();
    void RemoveTooltips();
    void RefreshTooltips();
    virtual void BeginDrag(CTilePile* pile, int count, int x, int y);
    virtual void EndDrag(CTilePile* target);
    virtual void DragTo(int x, int y);
    virtual void DragBy(int dx, int dy);
    virtual void CancelDrag();
    virtual void RedrawDragImage();
    virtual void BeforeTileLift();
    // Moves the top tile of `from` onto `to` in flight, showing its letter
    // (kFlyFaceUp) or the source's face-down design.
    enum TileFlight { kFlyFaceDown, kFlyFaceUp };
    virtual void MoveTile(CTilePile* from, CTilePile* to, TileFlight flight);
    virtual bool IsFinishedAfterDrop(CTilePile* target);
    virtual bool IsFinished();
    // Ends the hand as finished when IsFinished says so; true when it did.
    bool EndHandIfFinished();
    // Ends the hand for `reason` (EndReason) once the event being handled
    // returns; from then on IsHandOver is true.
    void EndHand(EndReason reason);
    bool IsHandOver() const;
    // Chooses the tile size for the window and places the pieces.
    void Layout(HDC hdc = nullptr);
    // The record of a move of `count` tiles (none: the move is not recorded).
    virtual std::optional<CUndoRecord> CreateUndoRecord(CTilePile* from, CTilePile* to, int count);
    // The plain record of that move: the two piles and their face-down counts.
    CUndoRecord Record(const CTilePile* from, const CTilePile* to, int count) const;
    virtual void AfterMove();
    virtual bool OnTimeUp();
    // The letter supply: `count` letters of supply `supply` (LetterSupply.h).
    CStr DealLetters(LetterSupply supply, int count, DealRule rules = kDealAsDrawn);
    // A readable account of the game, the same for every game: the base
    // line (id, subkey, score, clock, whether the hand is over), then every
    // registered part: a pile `name: "letters" down=N ...` bottom to top,
    // face-down tiles included; a grid one line per row, `name0: "ab.cd"`.
    // A game adds lines of its own by overriding and appending.
    virtual std::string DescribeState() const;

    // Self-checks, run by the soak test after every event. ListPiles names
    // every pile holding tiles of the hand: the drag pile and every
    // registered part's piles (a game with piles it did not register adds
    // them and calls the base). TilesOutsidePiles gives the tiles of the hand
    // kept anywhere else (spelled into a foundation). CheckInvariants checks
    // the parts' own rules (a word pile's word begins a dictionary word),
    // then the game's (CheckRules), then every listed pile's face-down count
    // and that no tile appears or vanishes: the letters in the piles and
    // outside them, plus those that left play, minus those that joined it
    // after the deal (TilesLeftPlay / TilesJoinedPlay), stay what they were
    // at the first check. False, with `why`, when something is wrong.
    virtual void ListPiles(std::vector<const CTilePile*>& piles) const;
    virtual CStr TilesOutsidePiles() const;
    // The registered pile of that name (a grid's cells are "name[i]"), or null.
    const CTilePile* FindPile(std::string_view name) const;
    bool CheckInvariants(std::string& why);
    // The layout's rule: every region a registered part draws in, and the
    // score panel, lies inside the client area without touching its edge, and no two parts' regions
    // overlap. False, with `why`, when one does.
    bool CheckLayout(std::string& why) const;
    // What DrawTable draws around the parts (frames, rules, a quotation):
    // it too must lie inside the window, though it may surround parts.
    virtual void FrameRegions(std::vector<RECT>& /*regions*/) const {}
    // The game's own rules (the score equals what its words earned...).
    virtual bool CheckRules(std::string& why);
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
    // The hand's score, clock and scoring values (the score panel draws them).
    CHandScore& Hand() { return m_hand; }
    const CHandScore& Hand() const { return m_hand; }
    CTileSet& TileSet() { return m_tileSet; }
    CBackBuffer& BackBuffer() { return m_backBuffer; }
    // The client size the pieces are being (or were last) placed for.
    POINT LaidOutSize() const { return m_laidOutSize; }
    // The lists of found words the game registered (AddWordList).
    const std::vector<CWordListPanel*>& WordLists() const { return m_wordLists; }
    CUndoStack& UndoStack() { return m_undo; }
    CTooltips& Tooltips() { return m_tooltips; }
    CDictionary* Dictionary() const { return m_pDictionary; }
    // Redraws the score panel.
    void DrawScorePanel() { m_scorePanel.Draw(m_backBuffer, m_hand); }
    // Draws a pile again over what is there; ErasePile first clears its
    // area. Only for a pile no part draws (the base draws the parts' own).
    void RedrawPile(CTilePile& pile);
    void ErasePile(CTilePile& pile);
    // The same description of the base state every game's DescribeState starts with.
    std::string DescribeBase() const;

    // The hand's own generator: every draw of the deal and of the play comes from it.
    CRandom& Random() { return m_random; }
    // The hand number the game was dealt from.
    unsigned HandNumber() const { return m_handNumber; }

    // The hand as a value (CHandRecord): everything a further input depends
    // on, written closed for this game's id (what Undo left to redo too). A
    // drag under way is put back first. Load reads such a record into a game of the same id (made for
    // any hand number) and shows it; false, with why, when the record is
    // refused: damaged, of another version or game, or not a whole hand (a
    // game a record was refused into must be made again).
    std::string Save();
    bool Load(std::string_view closed, std::string& why);
    // Counts the inputs that changed the hand (its piles, score or undo
    // history): the shell saves the hand when it moves on.
    int Changes() const { return m_changes; }
    // Whether the hand plays against time (a clock counting down, tiles
    // falling): read back, it waits paused for the player.
    virtual bool PlaysAgainstTime() const { return m_hand.clockStep < 0; }
    // The registered piles, numbered in the parts' order: how undo records
    // and saved hands name them. -1 (null) for a pile no part lists.
    int PileIndex(const CTilePile* pile) const;
    CTilePile* RegisteredPile(int index);

    // The player's options and the shell's services, from the game's context.
    const CSettings& Settings() const { return m_settings; }
    void PlaySound(unsigned soundId);

    // What a game may ask of the window, through the base.
    void CaptureMouse();
    void ReleaseMouse();
    // Shows what has been drawn so far, and holds the picture for `ms` (an animation's step).
    void ShowAndWait(int ms);
    // Everything is painted again, on a fresh background, after the event.
    void RepaintAll();
    // Draws again each part (and the read-out) whose look changed since it
    // was last drawn, clearing the regions it had drawn in first. Run after
    // every event, before an animation's step or a question is shown and
    // before a tile flies.
    void DrawChanges();
    void StartTimer(unsigned timerId, int ms);
    void StopTimer(unsigned timerId);
    // A modal question (MessageBox's style and answers) from string resources.
    int Ask(unsigned textId, unsigned captionId, unsigned style);
    // A level notice (RunLevelNotice), the clock paused while it shows.
    void ShowLevelNotice(unsigned dialogId);

protected:
    // The table is about `columns` x `rows` tiles, and `margin` pixels of the
    // height stay free; the tile size is chosen to fit.
    void SetTableSize(int columns, int rows, int margin = 20);
    // Places every piece for the tile size just chosen (m_tileSet).
    virtual void PlacePieces(int width, int height);
    // Draws what the game draws beyond its registered parts and the score
    // panel, over them.
    virtual void DrawTable();
    // The game's own values beyond its registered parts, declared once for
    // both saving and loading: `record(m_a, m_b)`. A family declares its
    // own and calls its base's. Read back, they must leave the game as it
    // was when saved (a running timer is started again here).
    virtual void HandValues(CHandRecord& /*record*/) {}
    // What DrawTable's picture depends on beyond the frame regions: the
    // base draws the table again when it changes (see AddLook).
    virtual void AddTableLook(std::string& /*look*/) const {}

    // For a game's word finder (CWordSource): the top tile of a registered
    // pile lifted for a look, and put back.
    char LiftTop(int pile);
    void PutTop(int pile, char letter);

    // Registration, in drawing order (see the top of this file). The game
    // owns what it registers; it must outlive the game's parts list.
    void AddPart(CGamePart& part);
    void AddPile(CTilePile& pile, std::string name, unsigned tooltip = 0);
    void AddGrid(std::span<CTilePile> cells, int columns, std::string name);
    void AddBoard(CTextBoard& board, std::string name, unsigned tooltip = 0);
    void AddButton(CTileButton& button, std::string name, unsigned tooltip = 0);
    void AddWordList(CWordListPanel& list, std::string name, unsigned tooltip = 0);

    CBackBuffer m_backBuffer;
    CRandom m_random;
    CDictionary* m_pDictionary;
    CQuoteList* m_pQuoteList;
    CTileSet m_tileSet;
    CHandScore m_hand;
    CScorePanel m_scorePanel;
    int m_scorePossible = 0;
    bool m_clockRunning = true;
    bool m_dragMoved = false;
    bool m_dragging = false;
    CTilePile* m_pDragSource = nullptr;
    CTilePile m_dragPile;
    CDragImage m_dragImage;
    CDragImage m_flightImage;  // a tile moved by MoveTile
    POINT m_grabOffset{};
    POINT m_pressPoint{};
    CUndoStack m_undo;
    int m_elapsedTicks = 0;
    bool m_layoutValid = false;
    CTooltips m_tooltips;

private:
    HWND m_window;  // reached only through the base's events and services
    CGameShell& m_shell;
    const CSettings& m_settings;
    const GameDescriptor* m_descriptor;
    std::span<const InstructionLine> m_howToPlay;
    int m_tableColumns = 10;
    int m_tableRows = 10;
    int m_tableMargin = 0;
    std::vector<CGamePart*> m_parts;                    // in drawing order
    std::vector<CWordListPanel*> m_wordLists;
    std::vector<std::unique_ptr<CGamePart>> m_ownParts;  // the shorthands' wrappers
    std::vector<std::pair<std::string, const CTilePile*>> m_named;
    RECT m_clientRect{};
    POINT m_laidOutSize{};  // the client size of the last layout

    void BuildDragImage();
    void ClampDragPosition(int& x, int& y) const;
    void MoveDragImage(int x, int y);
    // Runs an event from the shell (see Paint and the rest).
    template <class Handler>
    void Handle(Handler&& handler, HDC hdc = nullptr);
    // Draws every part, the read-out and the table (laid out first when it
    // must be), on a fresh background when `fresh`.
    void DrawEverything(bool fresh, HDC hdc = nullptr);
    // What each piece of the table showed when last drawn: its look and the
    // regions it drew in (DrawChanges).
    struct Piece {
        static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
        std::size_t part;  // m_parts index, or kNone for the read-out and the table
        std::size_t pile;  // listed pile of a part drawing its piles apart, or kNone (its backdrop)
        bool table = false;
        std::string look;
        std::vector<RECT> regions;
    };
    std::vector<Piece> LookAtPieces() const;
    void Measure(Piece& piece) const;
    std::vector<Piece> m_drawn;
    std::vector<RECT> m_erased;  // cleared by ErasePile since the last DrawChanges
    std::string PanelLook() const;
    // Records every piece's look as drawn now.
    void TakeLooks();
    // Whether a registered part lists the pile (and so draws it).
    bool IsPartOfTable(const CTilePile& pile) const;
    // The table's colours and background pattern from the settings.
    void ApplyColours();
    int m_eventDepth = 0;
    unsigned m_handNumber = 1;
    // The hand's piles, score and undo history in one number, and how often
    // an input changed it (Changes).
    std::uint64_t HandDigest() const;
    std::uint64_t m_digest = 0;
    int m_changes = 0;
    bool m_redoing = false;           // TakeBack or TakeForward is under way: the redo list stays
    std::vector<std::string> m_redo;  // the hands Undo left, newest last
    mutable std::vector<CTilePile*> m_registry;  // PileIndex's numbering, made at first use
    mutable std::unordered_map<const CTilePile*, int> m_registryIndex;  // ... and the way back
    const std::vector<CTilePile*>& Registry() const;
    // Everything Save writes and Load reads, in order, but what there is to redo (which follows).
    void AllValues(CHandRecord& record);
    // The hint on show (Hint): outlined tiles, numbered, and a line of text.
    struct HintView {
        std::vector<RECT> tiles;
        std::string text;
    };
    std::optional<HintView> m_hintView;
    std::vector<CMove> m_hints;         // the finder's moves for the hand as it was
    std::uint64_t m_hintDigest = 0;     // ... when they were found
    std::size_t m_nextHint = 0;
    bool m_hintShown = false;
    void DrawHint();
    void HideHint();
    EndReason m_endReason = kEndNone;  // a hand a rule ended, ending when the event returns
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
