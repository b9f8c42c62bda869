#include "LinkTrace.h"

#include "ClockCodec.h"
#include "Frame.h"
#include "OutputFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>

namespace {

using Kind = LinkEvent::Kind;

const char* ControlName(uint8_t byte)
{
    switch (byte) {
    case kStx: return "STX";
    case kEtx: return "ETX";
    case kAck: return "ACK";
    case kNak: return "NAK";
    default: return nullptr;
    }
}

const char* DirectionMark(LinkEvent::Direction direction)
{
    switch (direction) {
    case LinkEvent::Direction::ToClock: return "->";
    case LinkEvent::Direction::FromClock: return "<-";
    case LinkEvent::Direction::None: break;
    }
    return "--";
}

std::string Command(int code)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X ", code & 0xFF);
    return text + std::string(CommandName(static_cast<uint8_t>(code)));
}

std::string SystemReason(int error)
{
    return std::strerror(error);
}

// Writes lines to a stream; false on the first failed write.
bool WriteLines(std::FILE* file, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines) {
        if (std::fputs(line.c_str(), file) < 0 || std::fputc('\n', file) < 0)
            return false;
    }
    return std::fflush(file) == 0;
}

// A trace file, truncated, as a stream; a symbolic link is not followed.
std::FILE* OpenTraceFile(const std::string& path, std::string* error)
{
    std::string reason;
    const int fd = OpenOutputFile(path, O_TRUNC, reason);
    std::FILE* file = fd >= 0 ? ::fdopen(fd, "w") : nullptr;
    if (fd >= 0 && !file) {
        reason = SystemReason(errno);
        ::close(fd);
    }
    if (!file && error)
        *error = reason;
    return file;
}

}  // namespace

std::string TraceFrameText(const std::vector<uint8_t>& bytes)
{
    std::string text;
    text.reserve(bytes.size() + 10);
    for (uint8_t byte : bytes) {
        if (const char* name = ControlName(byte)) {
            text += '<';
            text += name;
            text += '>';
        } else if (byte < 0x20 || byte >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "<0x%02X>", byte);
            text += hex;
        } else {
            text += static_cast<char>(byte);
        }
    }
    return text;
}

std::string CLinkTraceFormatter::Line(const LinkEvent& event)
{
    const auto since = std::chrono::duration_cast<std::chrono::microseconds>(event.time - start_).count();
    char head[64];
    std::snprintf(head, sizeof head, "%010lld %s %-15s ", static_cast<long long>(since < 0 ? 0 : since),
                  DirectionMark(event.direction), LinkEventKindName(event.kind));
    std::string line = head;
    const auto withText = [&](std::string what) {
        if (!event.text.empty())
            what += (what.empty() ? "" : "  ") + event.text;
        return what;
    };
    switch (event.kind) {
    case Kind::FrameSent:
        lastSent_ = event.code;
        line += Command(event.code) + "  " + TraceFrameText(event.bytes);
        break;
    case Kind::FrameReceived: line += Command(event.code) + "  " + TraceFrameText(event.bytes); break;
    case Kind::AckReceived:
    case Kind::NakReceived: line += lastSent_ >= 0 ? Command(lastSent_) : TraceFrameText(event.bytes); break;
    case Kind::NakSent:
    case Kind::FrameRejected: line += withText(TraceFrameText(event.bytes)); break;
    case Kind::WaitExpired:
    case Kind::ReadFailed:
    case Kind::ReadRetried: line += withText(Command(event.code)); break;
    case Kind::StateChanged: line += event.text + " (" + std::to_string(event.code) + ")"; break;
    case Kind::PortChanged:
    case Kind::PortLatency:
    case Kind::PortClosed: line += event.text; break;
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

// --- repeats ---

namespace {

// A line without its first column, the time.
std::string_view WithoutTime(std::string_view line)
{
    const size_t space = line.find(' ');
    return space == std::string_view::npos ? std::string_view() : line.substr(space);
}

}  // namespace

void CLinkTraceRepeats::Add(std::string line, std::vector<std::string>& out)
{
    if (!last_.empty() && WithoutTime(line) == WithoutTime(last_)) {
        ++repeats_;
        latest_ = std::move(line);
        return;
    }
    Finish(out);
    last_ = line;
    out.push_back(std::move(line));
}

void CLinkTraceRepeats::Finish(std::vector<std::string>& out)
{
    if (repeats_ == 1) {
        out.push_back(std::move(latest_));
    } else if (repeats_ > 1) {
        char head[64];
        std::snprintf(head, sizeof head, "%-15s ", "repeated");
        const std::string_view time = std::string_view(latest_).substr(0, latest_.find(' '));
        out.push_back(std::string(time) + " -- " + head + std::to_string(repeats_) + " times");
    }
    repeats_ = 0;
    latest_.clear();
}

// --- the file ---

CLinkTraceFile::~CLinkTraceFile()
{
    Close();
}

bool CLinkTraceFile::Open(const std::string& path, std::string* error)
{
    if (file_) {
        if (error)
            *error = "the trace is already open";
        return false;
    }
    std::FILE* file = OpenTraceFile(path, error);
    if (!file)
        return false;
    file_ = file;
    path_ = path;
    start_ = std::chrono::steady_clock::now();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        open_ = true;
    }
    writer_ = std::thread(&CLinkTraceFile::Writer, this);
    return true;
}

void CLinkTraceFile::OnLinkEvent(const LinkEvent& event)
{
    // A copy under the lock, nothing more: the writer thread does the rest.
    std::lock_guard<std::mutex> lock(mutex_);
    if (open_ && !stopping_)
        queue_.push_back(event);
}

void CLinkTraceFile::Writer()
{
    CLinkTraceFormatter formatter(start_);
    CLinkTraceRepeats repeats;
    std::vector<LinkEvent> batch;
    std::vector<std::string> lines;
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        // Woken by the interval, not by each event: a wake-up per event
        // would cost the link's threads a system call.
        closing_.wait_for(lock, kWriteInterval, [this] { return stopping_; });
        const bool last = stopping_;
        batch.swap(queue_);
        lock.unlock();
        lines.clear();
        for (const LinkEvent& event : batch)
            repeats.Add(formatter.Line(event), lines);
        batch.clear();
        if (last)
            repeats.Finish(lines);
        if (!lines.empty() && writeError_ == 0 && !WriteLines(file_, lines))
            writeError_ = errno != 0 ? errno : EIO;
        lock.lock();
        if (last && queue_.empty())
            return;
    }
}

bool CLinkTraceFile::Close(std::string* error)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!open_)
            return true;
        stopping_ = true;
    }
    closing_.notify_one();
    if (writer_.joinable())
        writer_.join();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        open_ = false;
    }
    int failure = writeError_;
    if (std::fclose(file_) != 0 && failure == 0)
        failure = errno != 0 ? errno : EIO;
    file_ = nullptr;
    if (failure != 0) {
        if (error)
            *error = "writing the trace to " + path_ + " failed: " + SystemReason(failure);
        return false;
    }
    return true;
}

// --- the ring ---

CLinkTraceRing::CLinkTraceRing(size_t capacity)
    : capacity_(capacity > 0 ? capacity : 1), start_(std::chrono::steady_clock::now())
{
}

void CLinkTraceRing::OnLinkEvent(const LinkEvent& event)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (events_.size() >= capacity_)
        events_.pop_front();
    events_.push_back(event);
}

std::vector<LinkEvent> CLinkTraceRing::Events() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return {events_.begin(), events_.end()};
}

std::vector<std::string> CLinkTraceRing::Lines() const
{
    CLinkTraceFormatter formatter(start_);
    std::vector<std::string> lines;
    for (const LinkEvent& event : Events())
        lines.push_back(formatter.Line(event));
    return lines;
}

bool CLinkTraceRing::Save(const std::string& path, std::string* error) const
{
    const std::vector<std::string> lines = Lines();
    std::FILE* file = OpenTraceFile(path, error);
    if (!file)
        return false;
    bool written = WriteLines(file, lines);
    int failure = written ? 0 : errno;
    if (std::fclose(file) != 0 && written) {
        written = false;
        failure = errno;
    }
    if (!written && error)
        *error = SystemReason(failure != 0 ? failure : EIO);
    return written;
}

std::shared_ptr<ILinkObserver> CombineObservers(std::vector<std::shared_ptr<ILinkObserver>> observers)
{
    std::erase(observers, nullptr);
    if (observers.empty())
        return nullptr;
    if (observers.size() == 1)
        return observers.front();
    return std::make_shared<CLinkObserverFan>(std::move(observers));
}
