// Writing a block to a non-blocking descriptor: partial writes, EINTR and
// EAGAIN are retried until every byte is out or the deadline passes.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>

enum class WriteOutcome : uint8_t {
    Done,      // every byte written
    TimedOut,  // the deadline passed; the rest is lost
    Stopped,   // keepGoing said no
    Failed,    // the descriptor refused the bytes (EIO after a hang-up, ...)
};

// keepGoing is asked before every attempt; a wait for room lasts at most
// slice, so a stop request is seen that often.
WriteOutcome WriteFully(int fd, const uint8_t* data, size_t length, std::chrono::steady_clock::time_point deadline,
                        const std::function<bool()>& keepGoing, std::chrono::milliseconds slice);
