#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int g_pipe[2] = {-1, -1};
std::function<void()> g_onSignal;

extern "C" void WriteSignalByte(int signal)
{
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t n = write(g_pipe[1], &byte, 1);  // a full pipe already holds a request
    errno = saved;
}
}  // namespace

void OnTerminationSignal(std::function<void()> onSignal)
{
    g_onSignal = std::move(onSignal);
    struct sigaction action {};
    sigemptyset(&action.sa_mask);
    action.sa_handler = SIG_DFL;
    if (!g_onSignal) {  // back to the default: the signals end the process at once
        for (const int signal : {SIGTERM, SIGINT, SIGHUP})
            sigaction(signal, &action, nullptr);
        return;
    }
    if (g_pipe[0] < 0 && pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    static QPointer<QSocketNotifier> notifier;
    if (!notifier) {
        notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
            char bytes[64];
            while (read(g_pipe[0], bytes, sizeof bytes) > 0) {
            }
            if (g_onSignal)
                g_onSignal();
        });
    }
    action.sa_handler = WriteSignalByte;
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}
