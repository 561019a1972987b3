// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TerminationSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <mutex>
#include <string>

namespace telvorin {

namespace {

std::atomic<int> caught{0};
int pipeEnds[2] = {-1, -1};

static_assert(std::atomic<int>::is_always_lock_free, "read and written in a signal handler");

void OnSignal(int signal)
{
    const int saved = errno;
    int expected = 0;
    caught.compare_exchange_strong(expected, signal);
    const char byte = 1;
    // Full pipe: the notifier is readable already.
    [[maybe_unused]] const ssize_t n = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

} // namespace

void CatchTerminationSignals()
{
    static std::once_flag once;
    std::call_once(once, [] {
        if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
            pipeEnds[0] = pipeEnds[1] = -1;
        struct sigaction action {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        // No SA_RESTART: a wait in progress returns, so the next check comes sooner. The
        // handler goes after its first call, so a second signal ends the program.
        action.sa_flags = SA_RESETHAND;
        for (int signal : {SIGINT, SIGTERM, SIGHUP})
            ::sigaction(signal, &action, nullptr);
    });
}

const std::atomic<int>& TerminationSignal()
{
    return caught;
}

int TerminationNotifier()
{
    return pipeEnds[0];
}

const char* TerminationSignalName(int signal)
{
    switch (signal) {
    case SIGINT: return "SIGINT";
    case SIGTERM: return "SIGTERM";
    case SIGHUP: return "SIGHUP";
    default: break;
    }
    static thread_local std::string other;
    other = "signal " + std::to_string(signal);
    return other.c_str();
}

} // namespace telvorin
