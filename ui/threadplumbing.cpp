#include "ui/threadplumbing.h"

#include <sys/eventfd.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>

namespace threadPlumbing {

void lowerCurrentThreadPriority()
{
    // On Linux the nice value belongs to each thread, addressed by its thread id.
    const auto self = static_cast<id_t>(gettid());
    setpriority(PRIO_PROCESS, self, getpriority(PRIO_PROCESS, self) + 1);
}

wakeUpSignal::wakeUpSignal() : descriptor_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

wakeUpSignal::~wakeUpSignal()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

void wakeUpSignal::signal()
{
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(descriptor_, &one, sizeof one);
}

void wakeUpSignal::drain()
{
    std::uint64_t count = 0;
    [[maybe_unused]] const auto read = ::read(descriptor_, &count, sizeof count);
}

} // namespace threadPlumbing
