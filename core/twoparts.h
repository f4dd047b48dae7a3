// Runs a range of independent pieces of work in two halves at once: the first half on a helper
// thread, the second on the calling thread, which waits for the helper before it returns. Meant
// for passes whose pieces write disjoint outputs and read only what no other thread changes
// meanwhile; the join orders everything the helper wrote before the caller goes on. Short
// ranges, a machine with one core, or a helper that cannot be started run on the caller alone.
#pragma once

#include <cstddef>
#include <functional>

// Calls part(begin, end) for [0, count / 2) and [count / 2, count), or once for [0, count) when
// count is below `minimum`.
void runInTwoParts(std::size_t count, std::size_t minimum,
                   const std::function<void(std::size_t, std::size_t)>& part);
