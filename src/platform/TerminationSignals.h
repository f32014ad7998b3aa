#pragma once
// Ending the program cleanly when it is asked to from outside: SIGTERM (the
// session manager, kill), SIGINT (Ctrl+C in a terminal) and SIGHUP (the
// terminal went away). The signal handler only writes a byte to a pipe; the
// event loop reads it and runs `onSignal` on the window thread, where the
// program can close as it does when the player quits.
#include <functional>

// Installs the handlers (a second call replaces `onSignal`; an empty one puts
// the default actions back). A signal that arrives before the event loop
// runs is handled when it first does.
void OnTerminationSignal(std::function<void()> onSignal);
