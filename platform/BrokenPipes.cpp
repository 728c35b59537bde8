// SPDX-License-Identifier: MIT
// The process-wide SIGPIPE handler: it only lets the failing write return EPIPE.
#include "BrokenPipes.h"
#include <mutex>
#include <signal.h>

namespace {
void onBrokenPipe(int) {}
}

void BrokenPipes::survive()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        struct sigaction action = {};
        action.sa_handler = &onBrokenPipe;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGPIPE, &action, nullptr);
    });
}

bool BrokenPipes::survived()
{
    struct sigaction current = {};
    sigaction(SIGPIPE, nullptr, &current);
    return current.sa_handler == &onBrokenPipe;
}
