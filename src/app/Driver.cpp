#include "app/Driver.h"

#include <QKeySequence>
#include <QString>
#include <QWidget>
#include <cctype>
#include <fstream>
#include <iterator>
#include <istream>
#include <map>
#include <ostream>
#include <sstream>
#include <vector>

#include "app/GameApp.h"
#include "app/Settings.h"
#include "framework/Game.h"
#include "platform/InputSim.h"
#include "platform/ModalScript.h"
#include "platform/QtMainWindow.h"

namespace {
std::vector<std::string> g_opened;

bool RecordOpen(const std::string& pathOrUrl)
{
    g_opened.push_back(pathOrUrl);
    return true;
}

// Splits a line into words; double quotes keep spaces inside one word.
std::vector<std::string> Tokens(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, any = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (!quoted && std::isspace(static_cast<unsigned char>(c))) {
            if (any)
                words.push_back(word);
            word.clear();
            any = false;
        } else {
            word += c;
            any = true;
        }
    }
    if (any)
        words.push_back(word);
    return words;
}

bool ToInt(const std::string& s, int& value)
{
    try {
        std::size_t used = 0;
        value = std::stoi(s, &used, 10);
        return used == s.size();
    } catch (...) {
        return false;
    }
}

bool ToUnsigned(const std::string& s, unsigned& value)
{
    try {
        std::size_t used = 0;
        const unsigned long v = std::stoul(s, &used, 10);
        if (used != s.size() || v > 0xFFFFFFFFul || s[0] == '-')
            return false;
        value = static_cast<unsigned>(v);
        return true;
    } catch (...) {
        return false;
    }
}

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

struct KeyPress {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

// "ctrl+n", "f3", "left", "kp4", "alt+?", "a", "space"...
bool ParseKey(const std::string& name, KeyPress& press, std::string& error)
{
    std::string rest = Lower(name);
    for (;;) {
        if (rest.rfind("ctrl+", 0) == 0) {
            press.modifiers |= Qt::ControlModifier;
            rest.erase(0, 5);
        } else if (rest.rfind("alt+", 0) == 0) {
            press.modifiers |= Qt::AltModifier;
            rest.erase(0, 4);
        } else if (rest.rfind("shift+", 0) == 0) {
            press.modifiers |= Qt::ShiftModifier;
            rest.erase(0, 6);
        } else {
            break;
        }
    }
    static const std::map<std::string, std::pair<int, const char*>> named = {
        {"space", {Qt::Key_Space, " "}},      {"enter", {Qt::Key_Return, "\r"}},
        {"return", {Qt::Key_Return, "\r"}},   {"escape", {Qt::Key_Escape, "\x1b"}},
        {"esc", {Qt::Key_Escape, "\x1b"}},    {"backspace", {Qt::Key_Backspace, "\b"}},
        {"tab", {Qt::Key_Tab, "\t"}},         {"left", {Qt::Key_Left, ""}},
        {"right", {Qt::Key_Right, ""}},       {"up", {Qt::Key_Up, ""}},
        {"down", {Qt::Key_Down, ""}},         {"delete", {Qt::Key_Delete, ""}},
        {"/", {Qt::Key_Slash, "/"}},          {"?", {Qt::Key_Question, "?"}},
    };
    if (const auto it = named.find(rest); it != named.end()) {
        press.key = it->second.first;
        press.text = QString::fromLatin1(it->second.second);
        if (press.key == Qt::Key_Question)
            press.modifiers |= Qt::ShiftModifier;
    } else if (rest.size() == 1 && std::isalpha(static_cast<unsigned char>(rest[0]))) {
        press.key = Qt::Key_A + (rest[0] - 'a');
        const bool shift = press.modifiers & Qt::ShiftModifier;
        press.text = QString(QChar(shift ? std::toupper(rest[0]) : rest[0]));
    } else if (rest.size() == 1 && std::isdigit(static_cast<unsigned char>(rest[0]))) {
        press.key = Qt::Key_0 + (rest[0] - '0');
        press.text = QString(QChar(rest[0]));
    } else if (rest.size() == 3 && rest.rfind("kp", 0) == 0 && std::isdigit(static_cast<unsigned char>(rest[2]))) {
        press.key = Qt::Key_0 + (rest[2] - '0');
        press.modifiers |= Qt::KeypadModifier;
        press.text = QString(QChar(rest[2]));
    } else if (rest.size() >= 2 && rest[0] == 'f') {
        int n = 0;
        if (!ToInt(rest.substr(1), n) || n < 1 || n > 12) {
            error = "unknown key \"" + name + "\"";
            return false;
        }
        press.key = Qt::Key_F1 + (n - 1);
    } else {
        error = "unknown key \"" + name + "\"";
        return false;
    }
    // Control combinations type control characters, as on any keyboard.
    if ((press.modifiers & Qt::ControlModifier) && press.key >= Qt::Key_A && press.key <= Qt::Key_Z)
        press.text = QString(QChar(press.key - Qt::Key_A + 1));
    return true;
}

KeyPress KeyForCharacter(char c)
{
    KeyPress press;
    press.text = QString(QChar(static_cast<unsigned char>(c)));
    if (c >= 'a' && c <= 'z') {
        press.key = Qt::Key_A + (c - 'a');
    } else if (c >= 'A' && c <= 'Z') {
        press.key = Qt::Key_A + (c - 'A');
        press.modifiers = Qt::ShiftModifier;
    } else if (c >= '0' && c <= '9') {
        press.key = Qt::Key_0 + (c - '0');
    } else if (c == ' ') {
        press.key = Qt::Key_Space;
    } else {
        press.key = static_cast<unsigned char>(c);  // Qt's keys for printable ASCII are the ASCII codes
    }
    return press;
}

std::int32_t* SettingByName(const std::string& name)
{
    static const std::map<std::string, std::int32_t CSettings::*> fields = {
        {"sound", &CSettings::Sound},
        {"timer", &CSettings::Timer},
        {"music", &CSettings::Music},
        {"shownagdlg", &CSettings::ShowNagDlg},
        {"showrulesdlg", &CSettings::ShowRulesDlg},
        {"layoutvertical", &CSettings::LayoutVertical},
        {"backgroundcolor", &CSettings::BackgroundColor},
        {"foregroundcolor", &CSettings::ForegroundColor},
        {"currentgame", &CSettings::CurrentGame},
        {"backgroundpattern", &CSettings::BackgroundPattern},
        {"lettertiledesign", &CSettings::LetterTileDesign},
        {"colordepth", &CSettings::ColorDepth},
        {"fittiles", &CSettings::FitTiles},
    };
    const auto it = fields.find(Lower(name));
    return it == fields.end() ? nullptr : &(g_Settings.*(it->second));
}

CQtMainWindow* QtWindow(CGameApp& app) { return dynamic_cast<CQtMainWindow*>(app.Window()); }
}  // namespace

void PrepareScriptedRun()
{
    SetModalScripting(true);
    UseManualClockForNewWindows(true);
    SetDocumentOpener(RecordOpen);
}

CDriver::CDriver(CGameApp& app) : m_app(app) {}

bool CDriver::Mouse(int message, int x, int y, bool right)
{
    CQtMainWindow* window = QtWindow(m_app);
    if (!window)
        return false;
    auto m = static_cast<MouseMessage>(message);
    if (right) {
        switch (m) {
        case MouseMessage::LButtonDown: m = MouseMessage::RButtonDown; break;
        case MouseMessage::LButtonUp: m = MouseMessage::RButtonUp; break;
        case MouseMessage::LButtonDblClk: m = MouseMessage::RButtonDblClk; break;
        default: break;
        }
    }
    const Qt::MouseButtons held = SimulateMouse(window->ClientWidget(), m, x, y, Qt::NoModifier,
                                                Qt::MouseButtons::fromInt(static_cast<int>(m_heldButtons)));
    m_heldButtons = static_cast<unsigned>(held.toInt());
    return true;
}

void CDriver::ReportDialogs(std::ostream& out)
{
    for (const ModalRecord& r : TakeModalLog()) {
        out << "dialog \"" << r.caption << "\": " << r.text << " -> "
            << (r.answer.empty() ? "(no answer: closed)" : r.answer) << (r.matched ? "" : " (fits no button: closed)")
            << "\n";
    }
    for (const std::string& path : g_opened)
        out << "open " << path << "\n";
    g_opened.clear();
}

bool CDriver::RunLine(const std::string& rawLine, std::ostream& out, std::string& error)
{
    std::string line = rawLine;
    if (const std::size_t hash = line.find('#'); hash != std::string::npos && line.rfind("type", 0) != 0)  // also typeahead
        line.erase(hash);
    const std::vector<std::string> w = Tokens(line);
    if (w.empty())
        return true;
    CQtMainWindow* window = QtWindow(m_app);
    if (!window || window->IsClosed()) {
        error = "the window is closed";
        return false;
    }
    const std::string cmd = Lower(w[0]);
    auto needInts = [&](std::size_t first, std::size_t count, int* values) {
        if (w.size() < first + count) {
            error = "\"" + cmd + "\" needs " + std::to_string(count) + " numbers";
            return false;
        }
        for (std::size_t i = 0; i < count; ++i)
            if (!ToInt(w[first + i], values[i])) {
                error = "not a number: \"" + w[first + i] + "\"";
                return false;
            }
        return true;
    };
    const bool right = w.size() > 3 && Lower(w.back()) == "right";

    if (cmd == "game") {
        int id = 0;
        if (!needInts(1, 1, &id))
            return false;
        unsigned hand = 1;
        if (w.size() > 2 && !ToUnsigned(w[2], hand)) {
            error = "not a hand number: \"" + w[2] + "\"";
            return false;
        }
        m_app.PlayHand(id, hand);
        if (!m_app.CurrentGame()) {
            ReportDialogs(out);
            error = "game " + std::to_string(id) + " could not be dealt";
            return false;
        }
    } else if (cmd == "down" || cmd == "up" || cmd == "click" || cmd == "dblclick" || cmd == "move") {
        int p[2];
        if (!needInts(1, 2, p))
            return false;
        using M = MouseMessage;
        if (cmd == "down") {
            Mouse(static_cast<int>(M::LButtonDown), p[0], p[1], right);
        } else if (cmd == "up") {
            Mouse(static_cast<int>(M::LButtonUp), p[0], p[1], right);
        } else if (cmd == "click") {
            Mouse(static_cast<int>(M::LButtonDown), p[0], p[1], right);
            Mouse(static_cast<int>(M::LButtonUp), p[0], p[1], right);
        } else if (cmd == "dblclick") {
            for (M m : {M::LButtonDown, M::LButtonUp, M::LButtonDblClk, M::LButtonUp})
                Mouse(static_cast<int>(m), p[0], p[1], right);
        } else {
            Mouse(static_cast<int>(M::Move), p[0], p[1], false);
        }
    } else if (cmd == "drag") {
        int p[4];
        if (!needInts(1, 4, p))
            return false;
        Mouse(static_cast<int>(MouseMessage::LButtonDown), p[0], p[1], false);
        constexpr int kSteps = 10;
        for (int i = 1; i <= kSteps; ++i)
            Mouse(static_cast<int>(MouseMessage::Move), p[0] + (p[2] - p[0]) * i / kSteps,
                  p[1] + (p[3] - p[1]) * i / kSteps, false);
        Mouse(static_cast<int>(MouseMessage::LButtonUp), p[2], p[3], false);
    } else if (cmd == "key") {
        if (w.size() < 2) {
            error = "\"key\" needs a key name";
            return false;
        }
        for (std::size_t i = 1; i < w.size(); ++i) {
            KeyPress press;
            if (!ParseKey(w[i], press, error))
                return false;
            SimulateKey(window->ClientWidget(), press.key, press.modifiers, press.text);
            window->ProcessPending();
        }
    } else if (cmd == "type") {
        const std::size_t start = rawLine.find("type") + 4;
        std::string text = start < rawLine.size() ? rawLine.substr(start) : std::string();
        if (!text.empty() && text[0] == ' ')
            text.erase(0, 1);
        for (const char c : text) {
            const KeyPress press = KeyForCharacter(c);
            SimulateKey(window->ClientWidget(), press.key, press.modifiers, press.text);
            window->ProcessPending();
        }
    } else if (cmd == "typeahead") {
        // Typed faster than the program answers: each character finds the
        // rest already waiting.
        const std::size_t start = rawLine.find("typeahead") + 9;
        std::string text = start < rawLine.size() ? rawLine.substr(start) : std::string();
        if (!text.empty() && text[0] == ' ')
            text.erase(0, 1);
        for (std::size_t i = 0; i < text.size(); ++i) {
            const KeyPress press = KeyForCharacter(text[i]);
            window->SetScriptedInputWaiting(static_cast<int>(text.size() - 1 - i));
            SimulateKey(window->ClientWidget(), press.key, press.modifiers, press.text);
        }
        window->SetScriptedInputWaiting(0);
    } else if (cmd == "command") {
        int id = 0;
        if (!needInts(1, 1, &id))
            return false;
        window->SendCommand(id, 0);
    } else if (cmd == "timer") {
        int id = 0;
        if (!needInts(1, 1, &id))
            return false;
        if (!window->FireTimer(static_cast<unsigned>(id))) {
            error = "timer " + std::to_string(id) + " is not set";
            return false;
        }
    } else if (cmd == "wait") {
        int ms = 0;
        if (!needInts(1, 1, &ms))
            return false;
        window->AdvanceClock(ms);
    } else if (cmd == "answer") {
        for (std::size_t i = 1; i < w.size(); ++i)
            PushModalAnswer(w[i]);
    } else if (cmd == "screenshot") {
        if (w.size() < 2) {
            error = "\"screenshot\" needs a file name";
            return false;
        }
        window->ProcessPending();
        const bool clientOnly = w.size() > 2 && Lower(w[2]) == "client";
        if (!window->SaveScreenshot(w[1], clientOnly)) {
            error = "cannot write \"" + w[1] + "\"";
            return false;
        }
    } else if (cmd == "state") {
        window->ProcessPending();
        if (CGame* game = m_app.CurrentGame())
            out << game->DescribeState();
        else
            out << "no game\n";
    } else if (cmd == "save" || cmd == "load") {
        CGame* game = m_app.CurrentGame();
        if (w.size() < 2 || !game) {
            error = "\"" + cmd + "\" needs a file name and a game";
            return false;
        }
        if (cmd == "save") {
            std::ofstream file(w[1], std::ios::binary);
            file << game->Save();
            if (!file) {
                error = "cannot write \"" + w[1] + "\"";
                return false;
            }
        } else {
            std::ifstream file(w[1], std::ios::binary);
            const std::string closed((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            if (!game->Load(closed, error))
                return false;
        }
    } else if (cmd == "restart") {
        m_app.Restart();
    } else if (cmd == "title") {
        out << window->GetTitle() << "\n";
    } else if (cmd == "size") {
        int p[2];
        if (!needInts(1, 2, p))
            return false;
        window->SetClientSize(p[0], p[1]);
    } else if (cmd == "set") {
        int value = 0;
        if (w.size() < 3 || !ToInt(w[2], value)) {
            error = "\"set\" needs a setting name and a number";
            return false;
        }
        std::int32_t* field = SettingByName(w[1]);
        if (!field) {
            error = "unknown setting \"" + w[1] + "\"";
            return false;
        }
        *field = value;
    } else if (cmd == "loop") {
        // As the program runs: until the window closes (Quit, a signal).
        out.flush();
        window->RunMessageLoop();
        ReportDialogs(out);
        m_looped = true;
        return true;
    } else if (cmd == "print") {
        const std::size_t start = line.find(w[0]) + w[0].size();
        std::string text = line.substr(start);
        const std::size_t first = text.find_first_not_of(' ');
        out << (first == std::string::npos ? std::string() : text.substr(first)) << "\n";
    } else {
        error = "unknown command \"" + w[0] + "\"";
        return false;
    }
    if (!window->IsClosed())
        window->ProcessPending();
    ReportDialogs(out);
    return true;
}

int CDriver::RunScript(std::istream& in, std::ostream& out, std::ostream& err)
{
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::string error;
        if (!RunLine(line, out, error)) {
            err << "line " << number << ": " << error << "\n";
            return 1;
        }
        out.flush();  // a script read from a pipe sees each answer at once
        if (m_looped)  // the program has ended
            return 0;
    }
    return 0;
}
