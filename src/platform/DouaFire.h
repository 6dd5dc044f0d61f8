#pragma once
// Work split in two halves that run side by side on two processors.
//
// Linux puts a new thread on the processor of the thread that starts it,
// where it waits for its parent's time slice to end, while the other
// processor stays idle: two halves of a few milliseconds then run one after
// the other. The second half's thread is therefore born on another
// processor than the caller's, where the machine has one.

#include <functional>

namespace vitramor {

// Runs `prima` on the calling thread and `aDoua` on a thread of its own, and
// returns when both are done. An exception of `aDoua` is thrown again here.
void InDouaFire(const std::function<void()>& prima, const std::function<void()>& aDoua);

}  // namespace vitramor
