#pragma once
// The scripted driver: plays a script of events on the real main window
// (normally offscreen) and prints what the script asks for. The program
// glyphery-drive runs it on a file; tests run it in-process, line by line.
//
// One command per line; '#' starts a comment. Coordinates are client pixels.
//   game ID [HAND]        deal game ID with hand number HAND (default 1), asking nothing
//   down X Y [right]      press a mouse button (left unless "right")
//   up X Y [right]        release it
//   click X Y [right]     press and release
//   dblclick X Y [right]  press, release, double-click, release
//   move X Y              move the mouse (with whatever buttons are held)
//   drag X1 Y1 X2 Y2      press at the first point, move in 10 steps, release at the second
//   key NAME...           press keys: a..z, 0..9, space, enter, escape, backspace, tab,
//                         left, right, up, down, f1..f12, kp0..kp9, "/", "?", each
//                         optionally prefixed by ctrl+, alt+, shift+ (ctrl+n, alt+?)
//   type TEXT             type the characters of TEXT (the rest of the line)
//   typeahead TEXT        the same, typed faster than the program answers: while
//                         one character is handled the rest are waiting
//   command ID            a menu command by id (as if chosen from the menu)
//   timer ID              deliver one tick of window timer ID now (it must be set)
//   wait MS               let MS milliseconds of window timers pass
//   answer A...           answers for the next modal dialogs and message boxes, in order:
//                         a button label (yes, no, ok, "Play Again" in quotes), a
//                         number (control id or result code), or cancel
//   screenshot FILE [client]   save a PNG of the window (or only its client area)
//   state                 print the game's state
//   save FILE             write the hand in progress to FILE (a drag under way goes home first)
//   load FILE             read a hand FILE holds into the game (of the same id)
//   restart               quit and start again as a player does: the hand is kept and
//                         played on (with "Continue an unfinished hand at start" on)
//   title                 print the window title
//   size W H              make the client area W x H
//   set NAME VALUE        change a setting in memory (Sound, Timer, BackgroundPattern, ...)
//   print TEXT            print TEXT
//   loop                  run the message loop until the window closes, as the
//                         program does (Quit, SIGTERM/SIGINT/SIGHUP end it); the
//                         script ends there
// Every modal dialog or message box that opens is printed as
//   dialog "Caption": text -> answer
// and every file or address the program opens as
//   open PATH
#include <iosfwd>
#include <string>

class CGameApp;

// Makes this process ready for scripted runs: modal dialogs take scripted
// answers, new windows keep scripted time, documents are not really opened
// (the driver prints them instead).
void PrepareScriptedRun();

class CDriver {
public:
    explicit CDriver(CGameApp& app);

    // Runs one line. False (and `error` says why) when the line is wrong or
    // cannot be carried out.
    bool RunLine(const std::string& line, std::ostream& out, std::string& error);
    // Runs a whole script; returns 0, or 1 at the first failing line (reported on `err`).
    int RunScript(std::istream& in, std::ostream& out, std::ostream& err);

private:
    bool Mouse(int message, int x, int y, bool right);
    void ReportDialogs(std::ostream& out);

    CGameApp& m_app;
    unsigned m_heldButtons = 0;
    bool m_looped = false;  // "loop" ran: the script ends there
};
