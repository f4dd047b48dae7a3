#include "io/termination.h"

#include "io/fileaccess.h"

#include <atomic>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kTerminatingSignals[] = {SIGTERM, SIGINT, SIGHUP};

std::atomic<int> firstSignal{0};
std::atomic<int> wakeDescriptor{-1};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void onTerminatingSignal(int signal)
{
    int none = 0;
    if (!firstSignal.compare_exchange_strong(none, signal)) {
        abandonUnfinishedSaves();
        ::_exit(128 + signal);
    }
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    if (const int fd = wakeDescriptor.load(); fd >= 0)
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    errno = savedErrno;
}

} // namespace

int installTerminationHandlers()
{
    int ends[2] = {-1, -1};
    const bool piped = ::pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0;
    wakeDescriptor.store(piped ? ends[1] : -1);

    struct sigaction action {};
    action.sa_handler = onTerminatingSignal;
    sigemptyset(&action.sa_mask);
    for (const int s : kTerminatingSignals)
        sigaddset(&action.sa_mask, s); // one handler at a time on a thread
    action.sa_flags = SA_RESTART;
    for (const int s : kTerminatingSignals) {
        // A signal that the parent chose to ignore (nohup, a background job) stays ignored.
        struct sigaction previous {};
        if (::sigaction(s, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue;
        ::sigaction(s, &action, nullptr);
    }
    return piped ? ends[0] : -1;
}

int terminationSignal() { return firstSignal.load(); }
