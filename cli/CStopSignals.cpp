#include "cli/CStopSignals.h"

#include <csignal>

namespace {

CStopFlag g_stopFlag;
volatile std::sig_atomic_t g_caught = 0;

void OnStopSignal(int signal) {
    if (g_caught == 0) g_caught = signal;
    g_stopFlag.Request();
}

}  // namespace

void CStopSignals::Install() {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction previous {};
        if (::sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction action {};
        action.sa_handler = OnStopSignal;
        sigemptyset(&action.sa_mask);
        // No SA_RESTART: a question waiting on the terminal is interrupted too.
        action.sa_flags = SA_RESETHAND;
        ::sigaction(signal, &action, nullptr);
    }
}

const CStopFlag& CStopSignals::Flag() { return g_stopFlag; }

int CStopSignals::Caught() { return g_caught; }
