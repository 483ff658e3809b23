#pragma once

#include <chrono>
#include <thread>

// Polls the condition until it holds, for at most the given time; for work
// that goes on in threads of its own, with no event loop to wait in.
template <typename Condition> bool Eventually(Condition condition, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}
