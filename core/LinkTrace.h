// The link trace: what went over the wire to the clock and what the link
// made of it, one line per event, for a user to send when a clock
// misbehaves.
//
//   0000012345 -> frame sent      B0 family ID  <STX>B062<ETX>
//   0000015020 <- frame received  B0 family ID  <STX>B0015097<ETX>
//   0000015500 <- ACK received    AF hello
//   0000120480 -- wait ran out    B0 family ID  no reply within 110 ms
//   0000120490 -- state changed   failed (128)
//   0000121003 -- port closed     /dev/ttyUSB0
//
// A link its owner ends (a command that is done, the window replacing its
// connection) ends with "port closed"; an exchange that the end cut short
// is not a failure and is not traced as one.
//
// Columns: microseconds since the trace started; the direction ("->" to
// the clock, "<-" from it, "--" an event of the link itself); the event's
// kind (LinkEventKindName); then what it concerns: a command's code and
// name with the frame as text, control bytes by name (<STX>, <ETX>, <ACK>,
// <NAK>, any other as <0x1B>), or the words of a link event. An ACK or NAK
// carries no code on the wire; its line names the command last sent, the
// only one that can be outstanding.
//
// A run of events that differ in their time alone (a clock streaming stray
// bytes, say) is written to the file as its first line and, when the run
// ends, one line with the count of the others and the time of the last:
//
//   0000120480 <- frame rejected  <ETX>  no frame started
//   0000186301 -- repeated        649 times
//
// Three observers (see LinkObserver.h for when they are called):
// - CLinkTraceFile writes the lines to a file. The link's threads only copy
//   the event into a queue; a writer thread of its own formats and writes,
//   so no file system call ever runs inside the link's timing.
// - CLinkTraceRing keeps the latest events in memory (2,000 by default),
//   for a trace saved after the fact.
// - CLinkObserverFan hands each event to several observers.
//
// Thread rules: OnLinkEvent may be called from any thread, from several at
// once; each observer guards its own state with a mutex held only for a
// copy. The other members may be called from any thread.
#pragma once

#include "LinkObserver.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Bytes as text: printable characters as they are, control bytes by name.
std::string TraceFrameText(const std::vector<uint8_t>& bytes);

// Turns events into lines, in the order they happened. It remembers the
// command last sent, which an ACK or NAK line names.
class CLinkTraceFormatter {
public:
    explicit CLinkTraceFormatter(std::chrono::steady_clock::time_point start) : start_(start) { }
    std::string Line(const LinkEvent& event);

private:
    std::chrono::steady_clock::time_point start_;
    int lastSent_ = -1;  // code of the last frame sent, -1 before the first
};

// Folds runs of lines that differ in their time alone, as the file writes
// them. A run of two keeps both lines.
class CLinkTraceRepeats {
public:
    // Appends to out what is to be written now for the next line: nothing
    // while a run goes on.
    void Add(std::string line, std::vector<std::string>& out);
    // Appends the line that ends a run still going on, if any.
    void Finish(std::vector<std::string>& out);

private:
    std::string last_;    // the last line written
    std::string latest_;  // the latest of its repeats, not written
    uint64_t repeats_ = 0;
};

// Writes the trace to a file, repeats folded.
class CLinkTraceFile final : public ILinkObserver {
public:
    // The writer thread wakes this often to write what has come; Close
    // writes the rest at once.
    static constexpr std::chrono::milliseconds kWriteInterval{50};

    CLinkTraceFile() = default;
    ~CLinkTraceFile() override;
    CLinkTraceFile(const CLinkTraceFile&) = delete;
    CLinkTraceFile& operator=(const CLinkTraceFile&) = delete;

    // Creates or truncates the file and starts the writer; times count from
    // now. False with the reason when the file cannot be written or is a
    // symbolic link (OutputFile.h).
    bool Open(const std::string& path, std::string* error = nullptr);
    // Writes what is queued, stops the writer and closes the file. False
    // with a reason when a write failed on the way (a full disk). Runs once.
    bool Close(std::string* error = nullptr);

    void OnLinkEvent(const LinkEvent& event) override;

private:
    void Writer();

    std::FILE* file_ = nullptr;
    std::string path_;
    std::chrono::steady_clock::time_point start_;
    std::thread writer_;
    std::mutex mutex_;
    std::condition_variable closing_;
    std::vector<LinkEvent> queue_;  // under mutex_
    bool open_ = false;             // under mutex_
    bool stopping_ = false;         // under mutex_
    int writeError_ = 0;            // writer thread; read after it has ended
};

// Keeps the latest events in memory.
class CLinkTraceRing final : public ILinkObserver {
public:
    static constexpr size_t kDefaultCapacity = 2000;

    explicit CLinkTraceRing(size_t capacity = kDefaultCapacity);

    void OnLinkEvent(const LinkEvent& event) override;

    // The kept events, oldest first.
    std::vector<LinkEvent> Events() const;
    // The kept events as trace lines, times counted from when this ring was
    // made.
    std::vector<std::string> Lines() const;
    // Writes Lines() to a file. False with the reason when it cannot be
    // written or is a symbolic link (OutputFile.h).
    bool Save(const std::string& path, std::string* error = nullptr) const;
    size_t Capacity() const { return capacity_; }

private:
    const size_t capacity_;
    const std::chrono::steady_clock::time_point start_;
    mutable std::mutex mutex_;
    std::deque<LinkEvent> events_;  // under mutex_
};

// Hands every event to each of its observers in turn.
class CLinkObserverFan final : public ILinkObserver {
public:
    explicit CLinkObserverFan(std::vector<std::shared_ptr<ILinkObserver>> observers) : observers_(std::move(observers))
    {
    }
    void OnLinkEvent(const LinkEvent& event) override
    {
        for (const auto& observer : observers_)
            observer->OnLinkEvent(event);
    }

private:
    const std::vector<std::shared_ptr<ILinkObserver>> observers_;
};

// The observer for a set of them: none, the one, or a fan.
std::shared_ptr<ILinkObserver> CombineObservers(std::vector<std::shared_ptr<ILinkObserver>> observers);
