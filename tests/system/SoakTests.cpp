// Random input through the real (offscreen) window for every game in the
// factory table, checking after each event the game's invariants, that
// nothing is drawn outside the client area, that what was drawn is the table
// painted afresh, that input changes nothing while
// the hand is over or paused, and that quiet events leave the score alone.
// Long run: GLYPHERY_SOAK_HANDS=20 GLYPHERY_SOAK_EVENTS=5000 (tools/soak.sh);
// GLYPHERY_SOAK_GAME / GLYPHERY_SOAK_FIRST pick one game and first hand.
// GLYPHERY_SOAK_TRACE=DIR writes DIR/gameID.trace, a line per event with a
// digest of the state and of the window's picture: two builds that should
// behave alike give the same files (diff them); GLYPHERY_SOAK_TRACE_FULL adds
// every state in full. GLYPHERY_SOAK_NO_TOOLS aims no input at tooltip
// rectangles, for comparing builds whose tooltips are refreshed at other
// moments. GLYPHERY_SOAK_FRESH=0 leaves out the check that the picture after
// every event is the table painted afresh (a failing one is saved in the
// trace directory as gameID-drawn.png and gameID-fresh.png).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QKeyEvent>

#include <algorithm>
#include <utility>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <functional>
#include <mutex>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "app/Commands.h"
#include "app/GameApp.h"
#include "app/GameFactory.h"
#include "TestSupport.h"
#include "framework/Registry.h"
#include "app/Settings.h"
#include "framework/Game.h"
#include "platform/InputSim.h"
#include "platform/MainWindow.h"
#include "platform/Modal.h"
#include "platform/ModalScript.h"
#include "platform/QtMainWindow.h"

#include "TestSupport.h"

namespace {

// The client sizes players use: there, the layout's rule is checked after every step.
constexpr POINT kUsualSizes[] = {{640, 480}, {1000, 700}, {1920, 1080}};

int EnvInt(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::atoi(text) : fallback;
}

// Every game id the factory has a row for, and 0 for the title screen.
std::vector<int> SoakGameIds()
{
    std::vector<int> ids;
    const int only = EnvInt("GLYPHERY_SOAK_GAME", -1);
    if (only <= 0)
        ids.push_back(0);
    for (const GameDescriptor* row : GameDescriptors())
        if (only < 0 || only == row->gameId)
            ids.push_back(row->gameId);
    return ids;
}

// Input that reaches the window while the Game Over dialog is up must not
// change the finished hand; what went wrong is kept here for the checks.
std::string g_handOverFault;

std::mt19937& DialogRandom()
{
    static std::mt19937 random(1);
    return random;
}

QString Plain(const QString& label)
{
    QString s = label;
    s.remove('&');
    return s.trimmed().toLower();
}

// Answers every dialog as a restless player would: any button that closes
// it, except those that leave the game (Quit, Different Game) or open the
// desktop's own dialogs; a name typed into the high-score entry.
std::string AnswerAnyDialog(QDialog& dialog)
{
    std::mt19937& random = DialogRandom();
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
        if (edit->isReadOnly() || !edit->isEnabled() || random() % 2)
            continue;
        static const char* const kNames[] = {"Ann", "", "O'Brien-Smith", "\xc3\xa9t\xc3\xa9", "%s%d%n"};
        QString name = QString::fromUtf8(kNames[random() % std::size(kNames)]);
        if (random() % 4 == 0)
            name = QString(300, QChar(random() % 2 ? 'x' : 0xE9));
        edit->selectAll();
        for (const QChar c : name) {  // typed, so the dialog sees every edit
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
        }
    }
    std::vector<std::string> answers;
    bool gameOver = false;
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        const QString label = Plain(button->text());
        if (!button->isEnabled() || !button->isVisible() || label.isEmpty())
            continue;
        gameOver = gameOver || label == "play again";
        if (label == "yes" || label == "no" || label == "ok" || label == "play again" || label == "replay hand" ||
            label == "cancel")
            answers.push_back(label.toStdString());
    }
    if (!gameOver)  // Escape on Game Over means Quit
        answers.push_back("cancel");
    if (gameOver && TheApp() && TheApp()->CurrentGame() && g_handOverFault.empty()) {
        CGame& game = *TheApp()->CurrentGame();
        auto* window = dynamic_cast<CQtMainWindow*>(TheApp()->Window());
        const std::string before = game.DescribeState();
        QWidget* client = window->ClientWidget();
        const int x = static_cast<int>(random() % 400), y = static_cast<int>(random() % 300);
        Qt::MouseButtons held = SimulateMouse(client, MouseMessage::LButtonDown, x, y, Qt::NoModifier, {});
        held = SimulateMouse(client, MouseMessage::Move, x + 30, y + 30, Qt::NoModifier, held);
        SimulateMouse(client, MouseMessage::LButtonUp, x + 30, y + 30, Qt::NoModifier, held);
        SimulateKey(client, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        SimulateKey(client, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        if (game.DescribeState() != before)
            g_handOverFault = "input changed the game after its hand was over:\nbefore:\n" + before + "after:\n" +
                              game.DescribeState();
    }
    return answers[random() % answers.size()];
}

// A watchdog: when one event takes longer than this, the process ends with
// the event's description (a hang would otherwise only show as a timeout).
class CWatchdog {
public:
    explicit CWatchdog(int seconds) : m_limit(seconds), m_thread([this] { Watch(); }) {}
    ~CWatchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    void Begin(const std::string& what)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_what = what;
        m_started = std::chrono::steady_clock::now();
        m_busy = true;
    }
    void End()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_busy = false;
    }

private:
    void Watch()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_stop) {
            m_wake.wait_for(lock, std::chrono::milliseconds(500));
            if (m_busy && std::chrono::steady_clock::now() - m_started > std::chrono::seconds(m_limit)) {
                std::fprintf(stderr, "soak: hung for %d s in %s\n", m_limit, m_what.c_str());
                std::fflush(stderr);
                std::abort();
            }
        }
    }

    int m_limit;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::string m_what;
    std::chrono::steady_clock::time_point m_started;
    bool m_busy = false;
    bool m_stop = false;
    std::thread m_thread;
};

enum class Kind { Input, Quiet, Other };  // what an event may change

class CSoak {
public:
    CSoak(CGameApp& app, int gameId, unsigned hand)
        : m_app(app), m_gameId(gameId), m_hand(hand), m_random(static_cast<unsigned>(gameId) * 7919u + hand),
          m_window(*dynamic_cast<CQtMainWindow*>(app.Window())), m_watchdog(EnvInt("GLYPHERY_SOAK_HANG_SECONDS", 30))
    {
        DialogRandom().seed(hand);
    }

    // Deals the hand (by the factory, or by `deal`) and plays `events`
    // random events; "" or what went wrong.
    std::string Run(int events, const std::function<void()>& deal = nullptr)
    {
        Before();
        if (deal)
            deal();
        else
            m_app.PlayHand(m_gameId, m_hand);
        m_window.ProcessPending();
        if (!m_app.CurrentGame())
            return "the game could not be dealt";
        if (std::string why = Check(Kind::Other, ""); !why.empty())
            return "after the deal: " + why;
        Trace("deal");
        for (int i = 0; i < events; ++i) {
            if (m_window.IsClosed())
                return Report(i, "the window closed");
            if (std::string why = Step(); !why.empty())
                return Report(i, why);
            Trace(m_recent.empty() ? std::string() : m_recent.back());
            if (!m_playOnly && i % kSaveEvery == kSaveEvery - 1)
                if (std::string why = SaveAndLoad(); !why.empty())
                    return Report(i, why);
            if (m_states)
                m_states->push_back(m_recent.back() + "\n" + m_app.CurrentGame()->DescribeState() + Geometry());
        }
        return {};
    }

    int HandsEnded() const { return m_handsEnded; }
    // Only what a player does to the hand itself: no window sizes, pauses
    // or menu commands beyond Undo and Redo.
    void PlayOnly() { m_playOnly = true; }
    // Every state after each event goes to `states`.
    void KeepStates(std::vector<std::string>& states) { m_states = &states; }

private:
    static constexpr int kSaveEvery = 300;
    int m_freshCount = 0;
    static constexpr int kFinderShare = 20;  // percent of the events
    static POINT Middle(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

    std::string Geometry() const
    {
        std::vector<const CTilePile*> piles;
        m_app.CurrentGame()->ListPiles(piles);
        std::string text = "geometry:";
        for (const CTilePile* p : piles)
            text += " " + std::to_string(p->x) + "," + std::to_string(p->y) + "," + std::to_string(p->maxSpan) + "," +
                    std::to_string(p->faceDownCount);
        return text + (m_app.CurrentGame()->IsDragging() ? " dragging" : "") + "\n";
    }

    // Every few hundred events the hand is saved and read back into a fresh
    // deal of its game, and play carries on from there.
    std::string SaveAndLoad()
    {
        CGame* game = m_app.CurrentGame();
        if (!game || m_app.IsHandOver() || game->IsDragging() || m_buttons != Qt::NoButton)
            return {};
        Before();
        const std::string saved = game->Save();
        const std::string state = game->DescribeState();
        const bool paused = m_app.IsPaused();
        const std::uint32_t program = ProgramRandom().State();
        m_app.PlayHand(game->GetGameId(), game->HandNumber());
        ProgramRandom().Seed(program);
        std::string why;
        if (!m_app.CurrentGame()->Load(saved, why))
            return "the saved hand was refused: " + why;
        if (paused)
            m_window.SendCommand(IDM_PAUSE, 0);
        m_window.ProcessPending();
        Remember("save and load");
        if (m_app.CurrentGame()->DescribeState() != state)
            return "the hand read back differs:\n" + m_app.CurrentGame()->DescribeState();
        return Check(Kind::Other, "save and load");
    }

    void Trace(const std::string& what)
    {
        static const char* const dir = std::getenv("GLYPHERY_SOAK_TRACE");
        if (!dir || !*dir)
            return;
        if (!m_trace.is_open())
            m_trace.open(std::string(dir) + "/game" + std::to_string(m_gameId) + ".trace", std::ios::app);
        CGame* game = m_app.CurrentGame();
        const QImage& screen = m_window.ScreenImage();
        const std::size_t picture = std::hash<std::string_view>()(std::string_view(
            reinterpret_cast<const char*>(screen.constBits()), static_cast<std::size_t>(screen.sizeInBytes())));
        m_trace << m_hand << " " << what << " | " << std::hash<std::string>()(game ? game->DescribeState() : "")
                << " " << picture << "\n";
        if (std::getenv("GLYPHERY_SOAK_TRACE_FULL") && game)  // every state in full, to diff
            m_trace << game->DescribeState();
    }

    int Pick(int n) { return n <= 0 ? 0 : static_cast<int>(m_random() % static_cast<unsigned>(n)); }
    bool Chance(int percent) { return Pick(100) < percent; }

    std::string Report(int index, const std::string& why)
    {
        std::ostringstream out;
        out << "game " << m_gameId << ", hand " << m_hand << ", event " << index << ": " << why << "\nlast events:";
        for (const std::string& e : m_recent)
            out << "\n  " << e;
        if (!m_before.state.empty())
            out << "\nstate before the last event:\n" << m_before.state;
        if (CGame* game = m_app.CurrentGame())
            out << "state after it:\n" << game->DescribeState() << Piles(*game);
        return out.str();
    }

    // Every listed pile, the drag pile too (which DescribeState leaves out).
    static std::string Piles(const CGame& game)
    {
        std::vector<const CTilePile*> piles;
        game.ListPiles(piles);
        std::string text = "listed piles:\n";
        for (std::size_t i = 0; i < piles.size(); ++i)
            text += piles[i]->Describe(("  " + std::to_string(i)).c_str());
        if (const CStr outside = game.TilesOutsidePiles(); !outside.IsEmpty())
            text += "  outside piles: \"" + outside.str() + "\"\n";
        return text;
    }

    // A point on or near something the game drew: a tile of a pile, a
    // tooltip area, or anywhere in the client area.
    POINT Target()
    {
        const RECT client = m_window.GetClientRect();
        CGame* game = m_app.CurrentGame();
        const int choice = Pick(10);
        if (game && choice < 6) {
            std::vector<const CTilePile*> piles;
            game->ListPiles(piles);
            std::erase_if(piles, [](const CTilePile* p) { return p->IsHidden(); });
            if (!piles.empty()) {
                const CTilePile& pile = *piles[static_cast<std::size_t>(Pick(static_cast<int>(piles.size())))];
                const CTileSet& tiles = game->TileSet();
                const int i = pile.IsEmpty() ? 0 : Pick(pile.Length() + 1) % std::max(pile.Length(), 1);
                const int w = std::max(tiles.TileWidth(), 1), h = std::max(tiles.TileHeight(), 1);
                POINT p{pile.TileX(tiles, i) + Pick(w), pile.TileY(tiles, i) + Pick(h)};
                if (Chance(20)) {  // near, not on
                    p.x += Pick(2 * w) - w;
                    p.y += Pick(2 * h) - h;
                }
                return p;
            }
        }
        if (choice < 8 && !std::getenv("GLYPHERY_SOAK_NO_TOOLS")) {
            const std::vector<RECT> tools = m_window.ToolRects();
            if (!tools.empty()) {
                const RECT& r = tools[static_cast<std::size_t>(Pick(static_cast<int>(tools.size())))];
                return POINT{r.left + Pick(std::max(r.Width(), 1)), r.top + Pick(std::max(r.Height(), 1))};
            }
        }
        return POINT{Pick(std::max(client.Width(), 1)), Pick(std::max(client.Height(), 1))};
    }

    void Mouse(MouseMessage message, POINT p)
    {
        // A button that is down is let go before it is pressed again.
        const bool press = message == MouseMessage::LButtonDown || message == MouseMessage::LButtonDblClk ||
                           message == MouseMessage::RButtonDown || message == MouseMessage::RButtonDblClk;
        const bool left = message == MouseMessage::LButtonDown || message == MouseMessage::LButtonDblClk;
        if (press && (m_buttons & (left ? Qt::LeftButton : Qt::RightButton)))
            m_buttons = SimulateMouse(m_window.ClientWidget(), left ? MouseMessage::LButtonUp : MouseMessage::RButtonUp,
                                      static_cast<int>(p.x), static_cast<int>(p.y), Qt::NoModifier, m_buttons);
        m_buttons = SimulateMouse(m_window.ClientWidget(), message, static_cast<int>(p.x), static_cast<int>(p.y),
                                  Qt::NoModifier, m_buttons);
    }

    void Key(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text)
    {
        SimulateKey(m_window.ClientWidget(), qtKey, modifiers, text);
    }

    // A letter the game is likely to want: one of its tiles, or any letter.
    QChar Letter()
    {
        if (CGame* game = m_app.CurrentGame(); game && Chance(80)) {
            std::vector<const CTilePile*> piles;
            game->ListPiles(piles);
            std::string letters;
            for (const CTilePile* pile : piles)
                letters += pile->tiles.str();
            std::erase_if(letters, [](char c) { return !std::isalpha(static_cast<unsigned char>(c)); });
            if (!letters.empty())
                return QChar(std::tolower(static_cast<unsigned char>(letters[static_cast<std::size_t>(Pick(static_cast<int>(letters.size())))])));
        }
        return QChar('a' + Pick(26));
    }

    std::string Describe(const char* what, POINT p) const
    {
        return std::string(what) + " " + std::to_string(p.x) + "," + std::to_string(p.y);
    }

    // One random event, then the checks.
    std::string Step()
    {
        std::string what;
        Kind kind = Kind::Input;
        const int roll = Pick(m_playOnly ? 935 : 1000);
        auto run = [&](const std::string& description, Kind k, auto&& act) {
            what = description;
            kind = k;
            Remember(what);
            m_watchdog.Begin("game " + std::to_string(m_gameId) + " hand " + std::to_string(m_hand) + ": " + what);
            Before();
            act();
            m_window.ProcessPending();
            m_watchdog.End();
        };
        // Now and then a word the finder sees, taken and scored as a player
        // would, so that hands reach their end.
        if (CGame* game = m_app.CurrentGame(); game && game->HasHints() && Chance(kFinderShare)) {
            const std::vector<CMove> moves = game->FindMoves();
            CWordSource* source = game->WordSource();
            if (moves.empty() && source && !source->WordSoFar().IsEmpty()) {
                // The word as it stands leads nowhere: a player takes it back.
                const int letters = source->WordSoFar().GetLength();
                run("take the word back", Kind::Other, [&] {
                    for (int i = 0; i < letters && m_app.CurrentGame() == game; ++i)
                        Key(Qt::Key_Z, Qt::ControlModifier, QString(QChar(26)));
                });
                return Check(kind, what);
            }
            if (!moves.empty()) {
                const CMove& move = moves[static_cast<std::size_t>(Pick(std::min<int>(3, static_cast<int>(moves.size()))))];
                const std::vector<RECT> tiles = game->TilesOfMove(move);
                if (move.ScoresInPlace() && !tiles.empty()) {
                    const POINT p = Middle(tiles[0]);
                    run(Describe("finder scores", p), Kind::Input, [&] {
                        for (MouseMessage m : {MouseMessage::LButtonDown, MouseMessage::LButtonUp,
                                               MouseMessage::LButtonDblClk, MouseMessage::LButtonUp})
                            Mouse(m, p);
                    });
                    return Check(kind, what);
                }
                if (move.IsDrag() && tiles.size() == 2) {
                    const POINT a = Middle(tiles[0]), b = Middle(tiles[1]);
                    run(Describe("finder drag", a) + " to " + std::to_string(b.x) + "," + std::to_string(b.y), Kind::Input,
                        [&] {
                            Mouse(MouseMessage::LButtonDown, a);
                            for (int i = 1; i <= 4; ++i)
                                Mouse(MouseMessage::Move, POINT{a.x + (b.x - a.x) * i / 4, a.y + (b.y - a.y) * i / 4});
                            Mouse(MouseMessage::LButtonUp, b);
                        });
                    return Check(kind, what);
                }
                run("finder word " + move.word.str(), Kind::Input, [&] {
                    for (const RECT& tile : tiles) {
                        Mouse(MouseMessage::LButtonDown, Middle(tile));
                        Mouse(MouseMessage::LButtonUp, Middle(tile));
                    }
                    if (m_app.CurrentGame() != game)
                        return;  // the hand ended on the way
                    const POINT check = Middle(game->WordSource()->ScoreButton().rect);  // shown once the word is whole
                    Mouse(MouseMessage::LButtonDown, check);
                    Mouse(MouseMessage::LButtonUp, check);
                });
                return Check(kind, what);
            }
        }
        if (roll < 250) {
            const POINT p = Target();
            run(Describe("click", p), Kind::Input, [&] {
                Mouse(MouseMessage::LButtonDown, p);
                Mouse(MouseMessage::LButtonUp, p);
            });
        } else if (roll < 330) {
            const POINT p = Target();
            run(Describe("double click", p), Kind::Input, [&] {
                for (MouseMessage m : {MouseMessage::LButtonDown, MouseMessage::LButtonUp, MouseMessage::LButtonDblClk,
                                       MouseMessage::LButtonUp})
                    Mouse(m, p);
            });
        } else if (roll < 520) {
            const POINT a = Target(), b = Target();
            const int steps = 1 + Pick(8);
            const bool letGo = !Chance(5);  // now and then the button stays down
            run(Describe("drag", a) + " to " + std::to_string(b.x) + "," + std::to_string(b.y) + (letGo ? "" : " (held)"),
                Kind::Input, [&] {
                    Mouse(MouseMessage::LButtonDown, a);
                    for (int i = 1; i <= steps; ++i)
                        Mouse(MouseMessage::Move, POINT{a.x + (b.x - a.x) * i / steps, a.y + (b.y - a.y) * i / steps});
                    if (letGo)
                        Mouse(MouseMessage::LButtonUp, b);
                });
        } else if (roll < 570) {
            const POINT p = Target();
            const bool dbl = Chance(30);
            run(Describe(dbl ? "right double click" : "right click", p), Kind::Input, [&] {
                Mouse(MouseMessage::RButtonDown, p);
                Mouse(MouseMessage::RButtonUp, p);
                if (dbl) {
                    Mouse(MouseMessage::RButtonDblClk, p);
                    Mouse(MouseMessage::RButtonUp, p);
                }
            });
        } else if (roll < 620) {
            const POINT p = Target();
            run(Describe("move", p), m_buttons == Qt::NoButton ? Kind::Quiet : Kind::Input,
                [&] { Mouse(MouseMessage::Move, p); });
            if (m_buttons != Qt::NoButton && Chance(50)) {
                run(Describe("release", p), Kind::Input, [&] { Mouse(MouseMessage::LButtonUp, p); });
            }
        } else if (roll < 720) {
            const QChar c = Chance(90) ? Letter() : QChar(Chance(50) ? 0xE9 : '0' + Pick(10));
            const bool upper = Chance(15);
            const QString text = upper ? QString(c.toUpper()) : QString(c);
            const int key = c.isLetter() && c.unicode() < 128 ? Qt::Key_A + (c.toLower().unicode() - 'a')
                                                              : static_cast<int>(c.unicode());
            run("char " + text.toStdString(), Kind::Input,
                [&] { Key(key, upper ? Qt::ShiftModifier : Qt::NoModifier, text); });
        } else if (roll < 800) {
            struct K { int key; const char* name; const char* text; bool keypad; };
            static const K kKeys[] = {
                {Qt::Key_Left, "left", "", false},       {Qt::Key_Right, "right", "", false},
                {Qt::Key_Up, "up", "", false},           {Qt::Key_Down, "down", "", false},
                {Qt::Key_Space, "space", " ", false},    {Qt::Key_Return, "enter", "\r", false},
                {Qt::Key_Escape, "escape", "\x1b", false}, {Qt::Key_Backspace, "backspace", "\b", false},
                {Qt::Key_4, "kp4", "4", true},           {Qt::Key_6, "kp6", "6", true},
                {Qt::Key_8, "kp8", "8", true},           {Qt::Key_2, "kp2", "2", true},
                {Qt::Key_5, "kp5", "5", true},           {Qt::Key_Tab, "tab", "\t", false},
                {Qt::Key_Delete, "delete", "", false},
            };
            const K& k = kKeys[Pick(static_cast<int>(std::size(kKeys)))];
            run(std::string("key ") + k.name, Kind::Input,
                [&] { Key(k.key, k.keypad ? Qt::KeypadModifier : Qt::NoModifier, QString::fromLatin1(k.text)); });
        } else if (roll < 900) {
            const int ms = Chance(70) ? 50 + Pick(1100) : 1000 * (1 + Pick(20));
            run("wait " + std::to_string(ms) + " ms", Kind::Other, [&] { m_window.AdvanceClock(ms); });
        } else if (roll < 920) {
            const bool byKey = Chance(50);
            run(byKey ? "ctrl+z" : "undo", Kind::Other, [&] {
                if (byKey)
                    Key(Qt::Key_Z, Qt::ControlModifier, QString(QChar(26)));
                else
                    m_window.SendCommand(IDM_UNDO, 0);
            });
        } else if (roll < 935) {
            const int how = Pick(3);
            run(how == 0 ? "ctrl+y" : how == 1 ? "ctrl+shift+z" : "redo", Kind::Other, [&] {
                if (how == 0)
                    Key(Qt::Key_Y, Qt::ControlModifier, QString(QChar(25)));
                else if (how == 1)
                    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, QString(QChar(26)));
                else
                    m_window.SendCommand(IDM_REDO, 0);
            });
        } else if (roll < 960) {
            const bool byKey = Chance(50);
            run(byKey ? "f3 (pause)" : "pause", Kind::Quiet, [&] {
                if (byKey)
                    Key(Qt::Key_F3, Qt::NoModifier, QString());
                else
                    m_window.SendCommand(IDM_PAUSE, 0);
            });
        } else if (roll < 975) {
            // Mostly the sizes players use, where the layout is checked, tiles fitted or not.
            const POINT usual = kUsualSizes[static_cast<std::size_t>(Pick(3))];
            const bool odd = Chance(30);
            const int w = odd ? 256 + Pick(1200) : usual.x, h = odd ? 256 + Pick(800) : usual.y;
            const int fit = Pick(2);
            run("size " + std::to_string(w) + "x" + std::to_string(h) + (fit ? " fitted" : ""), Kind::Quiet, [&] {
                g_Settings.FitTiles = fit;
                m_window.SetClientSize(w, h);
            });
        } else {
            static const std::pair<int, const char*> kCommands[] = {
                {IDM_NEWHAND, "new hand"},         {IDM_REPLAY, "replay hand"},  {IDM_STATISTICS, "statistics"},
                {IDM_HIGHSCORES, "high scores"},   {IDM_HOWTOPLAY, "how to play"}, {IDM_ABOUT, "about"},
                {IDM_OPTIONS, "options"},          {IDM_DICTIONARY, "dictionary"},
            };
            const auto& [id, name] = kCommands[Pick(static_cast<int>(std::size(kCommands)))];
            run(std::string("menu ") + name, Kind::Other, [&] { m_window.SendCommand(id, 0); });
        }
        return Check(kind, what);
    }

    void Remember(const std::string& what)
    {
        m_recent.push_back(what);
        if (m_recent.size() > 25)
            m_recent.pop_front();
    }

    // What the checks compare with: taken just before each event.
    void Before()
    {
        CGame* game = m_app.CurrentGame();
        m_before.game = game;
        m_before.over = m_app.IsHandOver();
        m_before.paused = m_app.IsPaused();
        m_before.score = game ? game->GetScore() : 0;
        m_before.state = game ? game->DescribeState() : std::string();
        m_before.strays = m_window.StrayPresentCount();
    }

    std::string Check(Kind kind, const std::string& what)
    {
        CGame* game = m_app.CurrentGame();
        if (!game)
            return "no game after " + what;
        if (m_app.IsHandOver() && !m_before.over)
            ++m_handsEnded;
        RECT stray{};
        if (const int strays = m_window.StrayPresentCount(&stray); strays != m_before.strays)
            return "drew outside the client area: (" + std::to_string(stray.left) + "," + std::to_string(stray.top) +
                   ")-(" + std::to_string(stray.right) + "," + std::to_string(stray.bottom) + ") in a client of " +
                   std::to_string(m_window.GetClientRect().Width()) + "x" +
                   std::to_string(m_window.GetClientRect().Height());
        if (!g_handOverFault.empty())
            return std::exchange(g_handOverFault, std::string());
        std::string why;
        if (!game->CheckInvariants(why))
            return "invariant broken: " + why;
        const RECT client = m_window.GetClientRect();
        const bool usual = std::any_of(std::begin(kUsualSizes), std::end(kUsualSizes), [&](const POINT& s) {
            return s.x == client.Width() && s.y == client.Height();
        });
        // A hand lost to a piece with no room ends with that piece over the well: not a layout's doing.
        if (usual && !m_app.IsHandOver() && game->IsLayoutValid() && !game->CheckLayout(why))
            return "layout broken: " + why;
        if (std::string stale = usual ? CheckPaintedAfresh(*game) : std::string(); !stale.empty())
            return stale;
        if (game == m_before.game) {
            if (kind == Kind::Input && (m_before.over || m_before.paused) && game->DescribeState() != m_before.state)
                return std::string("input changed the game while ") + (m_before.over ? "the hand was over" : "paused") +
                       ":\nbefore:\n" + m_before.state + "after:\n" + game->DescribeState();
            if (kind == Kind::Quiet && game->GetScore() != m_before.score)
                return "the score changed from " + std::to_string(m_before.score) + " to " +
                       std::to_string(game->GetScore());
        }
        return {};
    }

    // What the base drew after the event is what painting the whole table
    // afresh draws: no part left stale, no pixel left behind. Checked where
    // the layout's rule holds (a table squeezed into a tiny window may spill),
    // after every event, or every GLYPHERY_SOAK_FRESH-th (0: never; the long
    // soak looks at every fifth, the whole table being painted twice).
    std::string CheckPaintedAfresh(CGame& game)
    {
        static const int every = EnvInt("GLYPHERY_SOAK_FRESH", 1);
        if (every <= 0 || ++m_freshCount % every != 0 || game.IsDragging() || !game.IsLayoutValid())
            return {};
        const QImage drawn = m_window.ScreenImage().copy();
        m_window.Invalidate(nullptr, true);
        m_window.ProcessPending();
        const QImage& fresh = m_window.ScreenImage();
        if (drawn.size() != fresh.size() || drawn == fresh)
            return {};
        int x = 0, y = 0;
        for (y = 0; y < drawn.height(); ++y) {
            for (x = 0; x < drawn.width() && drawn.pixel(x, y) == fresh.pixel(x, y); ++x) {
            }
            if (x < drawn.width())
                break;
        }
        if (const char* dir = std::getenv("GLYPHERY_SOAK_TRACE"); dir && *dir) {
            drawn.save(QString::fromStdString(std::string(dir) + "/game" + std::to_string(m_gameId) + "-drawn.png"));
            fresh.save(QString::fromStdString(std::string(dir) + "/game" + std::to_string(m_gameId) + "-fresh.png"));
        }
        return "the picture differs from the table painted afresh, first at (" + std::to_string(x) + "," +
               std::to_string(y) + ")";
    }

    struct Snapshot {
        CGame* game = nullptr;
        bool over = false;
        bool paused = false;
        int score = 0;
        std::string state;
        int strays = 0;
    };

    CGameApp& m_app;
    int m_gameId;
    unsigned m_hand;
    std::mt19937 m_random;
    CQtMainWindow& m_window;
    CWatchdog m_watchdog;
    Qt::MouseButtons m_buttons = Qt::NoButton;
    std::deque<std::string> m_recent;
    Snapshot m_before;
    int m_handsEnded = 0;
    std::ofstream m_trace;
    bool m_playOnly = false;
    std::vector<std::string>* m_states = nullptr;
};

bool RecordOpen(const std::string&) { return true; }

class Soak : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        testsupport::ClearUserData();  // the shipped word list, whatever an earlier test left
        SetModalScripting(true);
        SetModalAnswerer(AnswerAnyDialog);
        UseManualClockForNewWindows(true);
        SetDocumentOpener(RecordOpen);
        const std::pair<const char*, int> start[] = {{"ShowNagDlg", 0}, {"ShowRulesDlg", 0}, {"MinMax", 0},
                                                     {"Left", 0},       {"Top", 0},          {"Width", 800},
                                                     {"Height", 600},   {"CurrentGame", 24}, {"Sound", 0}};
        for (const auto& [name, value] : start)
            WriteRegDword(HKEY_CURRENT_USER, kMainKey, name, value);
        app = std::make_unique<CGameApp>();
        ASSERT_TRUE(app->Start());
    }
    void TearDown() override
    {
        app.reset();
        SetModalAnswerer(nullptr);
        ClearModalAnswers();
        TakeModalLog();
    }
    testsupport::SettingsGuard settings;  // the soak turns tile fitting on and off
    std::unique_ptr<CGameApp> app;
};

}  // namespace

TEST_P(Soak, RandomInputKeepsEveryInvariant)
{
    const int gameId = GetParam();
    const int hands = std::max(EnvInt("GLYPHERY_SOAK_HANDS", 3), 1);
    const int events = std::max(EnvInt("GLYPHERY_SOAK_EVENTS", 1000), 1);
    const unsigned first = static_cast<unsigned>(EnvInt("GLYPHERY_SOAK_FIRST", 1));
    int ended = 0;
    for (int h = 0; h < hands; ++h) {
        const unsigned hand = first + static_cast<unsigned>(h) * 7919u;
        CSoak soak(*app, gameId, hand);
        const std::string failure = soak.Run(events);
        ASSERT_EQ(failure, "") << "reproduce with GLYPHERY_SOAK_GAME=" << gameId << " GLYPHERY_SOAK_FIRST=" << hand
                               << " GLYPHERY_SOAK_HANDS=1 GLYPHERY_SOAK_EVENTS=" << events;
        ended += soak.HandsEnded();
        TakeModalLog();
    }
    RecordProperty("hands_ended", ended);
    std::printf("game %d: %d hands x %d events, %d hands ended\n", gameId, hands, events, ended);
    // In the long soak a game whose words the finder plays ends some of its hands.
    CGame* game = app->CurrentGame();
    EXPECT_TRUE(hands < 20 || !game || !game->WordSource() || ended > 0) << "game " << gameId << " ended no hand";
}

// A hand saved after a few hundred random events and read back into a
// fresh deal of the same game is the same hand: the same state and picture,
// and the same state after each of as many further events (Undo and Redo
// among them) sent to the hand played on and to the hand read back.
TEST_P(Soak, ASavedHandPlaysOnAlike)
{
    const int gameId = GetParam();
    auto& window = *dynamic_cast<CQtMainWindow*>(app->Window());
    const int events = std::max(EnvInt("GLYPHERY_SAVE_EVENTS", 150), 1);
    const int hands = std::max(EnvInt("GLYPHERY_SAVE_HANDS", 1), 1);
    int compared = 0;
    for (unsigned hand = 1; hand < 100 && compared < hands; hand += 13) {
        CSoak before(*app, gameId, hand);
        ASSERT_EQ(before.Run(events), "");
        if (app->IsHandOver())
            continue;  // nothing to save: a new hand is dealt
        if (app->IsPaused())
            window.SendCommand(IDM_PAUSE, 0);
        // Laid out afresh, as a game just made is (a window size given again
        // may have left a layout of other settings in place).
        app->CurrentGame()->InvalidateLayout();
        window.Invalidate(nullptr, true);
        window.ProcessPending();
        const std::string saved = app->CurrentGame()->Save();
        window.ProcessPending();
        const std::string state = app->CurrentGame()->DescribeState();
        const QImage picture = window.ScreenImage().copy();
        const std::uint32_t program = ProgramRandom().State();
        const unsigned handNumber = app->CurrentGame()->HandNumber();
        // The fall timers start afresh in both, in step.
        const auto restartClocks = [&] {
            window.SendCommand(IDM_PAUSE, 0);
            window.SendCommand(IDM_PAUSE, 0);
        };
        std::vector<std::string> played, loaded;
        CSoak on(*app, gameId, hand + 1);
        on.PlayOnly();
        on.KeepStates(played);
        ASSERT_EQ(on.Run(events, restartClocks), "");

        CSoak again(*app, gameId, hand + 1);
        again.PlayOnly();
        again.KeepStates(loaded);
        const std::string failure = again.Run(events, [&] {
            app->PlayHand(gameId, handNumber);
            ProgramRandom().Seed(program);  // the next hand numbers follow as they did
            std::string why;
            ASSERT_TRUE(app->CurrentGame()->Load(saved, why)) << why;
            window.ProcessPending();
            EXPECT_EQ(app->CurrentGame()->DescribeState(), state);
            if (window.ScreenImage() != picture) {
                ADD_FAILURE() << "game " << gameId << " hand " << hand << " looks otherwise";
                if (const char* dir = std::getenv("GLYPHERY_SOAK_TRACE"); dir && *dir) {
                    picture.save(QString::fromStdString(std::string(dir) + "/saved.png"));
                    window.ScreenImage().save(QString::fromStdString(std::string(dir) + "/loaded.png"));
                }
            }
            restartClocks();
        });
        ASSERT_EQ(failure, "");
        ASSERT_EQ(played.size(), loaded.size());
        for (std::size_t i = 0; i < played.size(); ++i)
            ASSERT_EQ(loaded[i], played[i]) << "game " << gameId << " hand " << hand << ", event " << i << " after:\n"
                                            << (i > 0 ? played[i - 1] : state) << "events before:" << [&] {
                                                   std::string e;
                                                   for (std::size_t k = i > 12 ? i - 12 : 0; k < i; ++k)
                                                       e += " | " + played[k].substr(0, played[k].find('\n'));
                                                   return e;
                                               }();
        ++compared;
        TakeModalLog();
    }
    EXPECT_GT(compared, 0) << "every hand had ended before it could be saved";
}

INSTANTIATE_TEST_SUITE_P(Games, Soak, ::testing::ValuesIn(SoakGameIds()),
                         [](const ::testing::TestParamInfo<int>& info) { return "Game" + std::to_string(info.param); });

// The soak catches what it is there to catch: games with one planted fault each.
namespace {
class CFaultyGame final : public CGame {
public:
    enum Fault { kLoseTile, kDrawOutside };
    explicit CFaultyGame(Fault fault) : CGame(testsupport::TestGameContext()), m_fault(fault)
    {
        m_row.Configure(kPileAllFaceUp, kFanRight);
        m_row.AppendText("soakfault");
        m_row.SetPosition(10, 10);
    }
    void OnLButtonDown(int x, int y, unsigned keys) override
    {
        CGame::OnLButtonDown(x, y, keys);
        if (++m_clicks < 20)
            return;
        switch (m_fault) {
        case kLoseTile:
            m_row.PopTop();
            break;
        case kDrawOutside: {
            // A back buffer left wider than the window, all of it copied out.
            HWND window = Shell().MainWindow();
            const RECT client = window->GetClientRect();
            m_backBuffer.Resize(window, client.Width() + 50, client.Height());
            m_backBuffer.MarkDirty(RECT{0, 0, client.Width() + 50, client.Height()});
            break;
        }
        }
    }
    void ListPiles(std::vector<const CTilePile*>& piles) const override
    {
        CGame::ListPiles(piles);
        piles.push_back(&m_row);
    }
    std::string DescribeState() const override { return DescribeBase() + m_row.Describe("row"); }

private:
    Fault m_fault;
    CTilePile m_row;
    int m_clicks = 0;
};
}  // namespace

TEST_F(Soak, CatchesPlantedFaults)
{
    const std::pair<CFaultyGame::Fault, const char*> cases[] = {
        {CFaultyGame::kLoseTile, "tiles vanished"},
        {CFaultyGame::kDrawOutside, "drew outside the client area"},
    };
    for (const auto& [fault, expected] : cases) {
        CSoak soak(*app, 9, 1);
        const std::string failure =
            soak.Run(3000, [&, f = fault] { app->InstallGame(std::make_unique<CFaultyGame>(f)); });
        EXPECT_NE(failure.find(expected), std::string::npos) << failure;
    }
}
