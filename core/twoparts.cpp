#include "core/twoparts.h"

#include <system_error>
#include <thread>

void runInTwoParts(std::size_t count, std::size_t minimum,
                   const std::function<void(std::size_t, std::size_t)>& part)
{
    if (count < minimum || count < 2 || std::thread::hardware_concurrency() < 2) {
        part(0, count);
        return;
    }
    const std::size_t middle = count / 2;
    std::thread helper;
    try {
        helper = std::thread(part, std::size_t{0}, middle);
    } catch (const std::system_error&) {
        part(0, count);
        return;
    }
    struct joinOnReturn {
        std::thread& thread;
        ~joinOnReturn() { thread.join(); }
    } join{helper};
    part(middle, count);
}
