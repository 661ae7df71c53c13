#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace korvex {

// Ends the test program with a message when a step takes longer than it may.
// A read that waits on a pipe then fails its own test (CTest runs every test
// in a process of its own) instead of stopping the whole suite.
class HangGuard {
public:
    explicit HangGuard(std::string step, std::chrono::seconds limit = std::chrono::seconds(10))
        : watcher_([this, step = std::move(step), limit] {
            std::unique_lock lock(mutex_);
            if (!finished_.wait_for(lock, limit, [this] { return done_; })) {
                std::fprintf(stderr, "Hung for %llds: %s\n", static_cast<long long>(limit.count()), step.c_str());
                std::_Exit(EXIT_FAILURE);
            }
        })
    {
    }
    ~HangGuard()
    {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        finished_.notify_one();
        watcher_.join();
    }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    std::thread watcher_;
};

}  // namespace korvex
