// The clock link's state machine (CClockDevice) with its own threads and
// real waits, over an in-process port where the input plays the clock: for
// every command the link sends it decides what comes back and when. The
// right answer (an ACK, or a reply of the right length whose hex digits come
// from the input: any configuration, time or status the clock could hold),
// an ACK or NAK, a frame of any code and payload, loose bytes; now, late or
// never. The input may also have a caller queue one write. Checked:
// - every write to the port is one whole frame of a command the link knows,
//   and a write command (time, configuration, display) goes out no more
//   often than a caller queued that kind of write: the link never writes to
//   the clock on its own, whatever the clock sent;
// - a write the caller queued is decided once the link is idle again;
// - bounds: the time history, the trace events per exchange, the frames
//   sent for the answers given;
// - no hang: the run stops once the link is idle with nothing queued (after
//   a poll, if the input asks for one), when the input's answers are used
//   up, or after kRunLimit; the destructor returns within kShutdownLimit.
//
// Input (FuzzReader):
//   U8 flags: bit 0 an observer listens; bits 1-3 all set: the run waits
//      for a poll (due 100 ms after the start)
//   U8 write: 1 configuration, 2 time, 3 display, 4 time at an instant;
//      anything else none
//   U8 the command count at which the caller queues it (at the latest once
//      the link is idle), then its record: 56 bytes for a configuration
//      (protocol 2 hex) or 12 for a display, as hex; a time as U8 high, U32
//      seconds, U16 fraction, and for an instant U8 ms ahead, U8 ms late
//   per command the link sends, U8 op: the right answer at once (an ACK, or
//      a reply whose payload follows, a byte per two hex digits), unless its
//      low nibble is F: then U8 how: bits 0-2 the answer (1 ACK; 2 NAK; 3 a
//      frame: U8 code, U8 length (to 127), the bytes, its checksum spoilt
//      when bit 7 is set; 4 loose bytes: U8 length (to 31), the bytes; else
//      the right one), bits 3-4 when (1 late by U8 ms, 2 never, else now).
// An answer that makes the link wait (a wrong one its whole wait, a late
// one its delay) is given only when that wait ends within kWaitWindow of the
// start; after that every answer is the right one at once, so a run ends
// soon after, when the input is used up.
#include "FuzzSupport.h"

#include "ClockCodec.h"
#include "ClockDevice.h"
#include "Frame.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;
using Ms = std::chrono::milliseconds;

constexpr int kMaxCommands = 64;
constexpr Ms kWaitWindow = 350ms;
constexpr Ms kRunLimit = 600ms;
constexpr Ms kShutdownLimit = 1000ms;
constexpr Ms kAckWait = 100ms;

enum WriteRequest : uint8_t { kWriteNone, kWriteConfig, kWriteTime, kWriteDisplay, kWriteTimeAt };
const char* const kWriteNames[] = {"configuration", "time", "display"};

// 0, 1, 2 for the configuration, time and display writes; -1 otherwise.
int WriteIndex(uint8_t code)
{
    switch (code) {
    case kCmdWriteConfig: return 0;
    case kCmdSetTime: return 1;
    case kCmdWriteDisplay: return 2;
    default: return -1;
    }
}

std::string HexFrom(FuzzReader& in, size_t chars)
{
    std::string text;
    while (text.size() < chars) {
        const uint8_t b = in.U8();
        text += HexDigit(b >> 4);
        text += HexDigit(b);
    }
    return text;
}

// The clock's side, shared by the port (link and receive threads) and the
// harness. The input is read on the link thread alone once the link runs.
struct Script {
    explicit Script(FuzzReader& reader) : in(reader) { }
    FuzzReader& in;
    const SteadyClock::time_point started = SteadyClock::now();
    std::array<std::atomic<int>, 3> queued{};  // by the caller
    std::array<std::atomic<int>, 3> sent{};    // by the link
    std::atomic<int> frames{0};
    std::atomic<size_t> answerBytes{0};

    std::mutex mutex;
    std::condition_variable cv;
    bool done = false;
    int seen = 0;

    void Changed(bool finished)
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            done = done || finished;
            ++seen;
        }
        cv.notify_all();
    }
    // True once the answers are used up; waits at most the timeout for news.
    bool WaitDone(Ms timeout)
    {
        std::unique_lock<std::mutex> lock(mutex);
        const int before = seen;
        cv.wait_for(lock, timeout, [&] { return done || seen != before; });
        return done;
    }
};

class ScriptedPort final : public ISerialPort {
public:
    explicit ScriptedPort(Script& script) : script_(script) { }

    bool BytesAvailable() override
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return ReadyLocked();
    }
    uint8_t ReadByte() override
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!ReadyLocked())
            return 0;
        const uint8_t byte = chunks_.front().bytes[offset_++];
        if (offset_ == chunks_.front().bytes.size()) {
            chunks_.pop_front();
            offset_ = 0;
        }
        return byte;
    }
    void WaitForInput(Ms timeout) override
    {
        std::unique_lock<std::mutex> lock(mutex_);
        const auto now = SteadyClock::now();
        const auto deadline = timeout == kWaitForever ? SteadyClock::time_point::max() : now + timeout;
        while (!interrupted_ && !ReadyLocked()) {
            const auto until = chunks_.empty() ? deadline : std::min(deadline, chunks_.front().readyAt);
            if (SteadyClock::now() >= deadline)
                return;
            if (until == SteadyClock::time_point::max())
                cv_.wait(lock);
            else
                cv_.wait_until(lock, until);
        }
    }
    bool Interruptible() const override { return true; }
    void Interrupt() override
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            interrupted_ = true;
        }
        cv_.notify_all();
    }
    // The receive thread's answer to a frame it would not take.
    void WriteByte(uint8_t byte) override
    {
        FUZZ_CHECK(byte == kNak, "a single byte sent: " + HexDump(std::string(1, static_cast<char>(byte))));
    }
    void Write(const uint8_t* data, size_t length) override;
    void Close() override { }

private:
    struct Chunk {
        SteadyClock::time_point readyAt;
        std::vector<uint8_t> bytes;
    };
    bool ReadyLocked() const { return !chunks_.empty() && chunks_.front().readyAt <= SteadyClock::now(); }
    void Queue(std::vector<uint8_t> bytes, Ms delay);
    std::vector<uint8_t> RightAnswer(uint8_t code);

    Script& script_;
    std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<Chunk> chunks_;  // in order; each readable from its time on
    size_t offset_ = 0;
    bool interrupted_ = false;
};

void ScriptedPort::Write(const uint8_t* data, size_t length)
{
    const std::string bytes(reinterpret_cast<const char*>(data), length);
    CFrameReceiver rx;
    int verified = 0;
    CFrameReceiver::Event last = CFrameReceiver::Event::None;
    for (size_t i = 0; i < length; ++i) {
        last = rx.Feed(data[i]);
        verified += last == CFrameReceiver::Event::Verified;
    }
    FUZZ_CHECK(verified == 1 && last == CFrameReceiver::Event::Verified, "not one frame: " + HexDump(bytes));
    const uint8_t code = rx.Code();
    const bool read = ReadWaitTicks(code) > 0;
    const int write = WriteIndex(code);
    FUZZ_CHECK(read || write >= 0 || code == kCmdHello, "a command the link does not send: " + HexDump(bytes));
    FUZZ_CHECK(write >= 0 || rx.Payload().empty(), "a read with a payload: " + HexDump(bytes));
    if (write >= 0) {
        const int n = ++script_.sent[static_cast<size_t>(write)];
        FUZZ_CHECK(n <= script_.queued[static_cast<size_t>(write)].load(),
                   std::string("the link sent a ") + kWriteNames[write] + " write no caller queued: " + HexDump(bytes));
    }
    const int frames = ++script_.frames;
    FuzzReader& in = script_.in;
    if (frames > kMaxCommands || in.Empty()) {
        script_.Changed(true);
        return;
    }

    // Most ops give the right answer at once; one in 16 says how to go
    // wrong.
    const uint8_t op = in.U8();
    const uint8_t how = (op & 0x0F) == 0x0F ? in.U8() : 0;
    const int kind = how & 7;
    const int when = how >> 3 & 3;
    std::vector<uint8_t> answer;
    if (kind == 1 || kind == 2) {
        answer = {kind == 1 ? kAck : kNak};
    } else if (kind == 3) {
        const uint8_t frameCode = in.U8();
        answer = BuildFrame(frameCode, in.Bytes(in.U8() & 0x7F));
        if (how & 0x80)
            answer[answer.size() - 2] = answer[answer.size() - 2] == '0' ? '1' : '0';
    } else if (kind == 4) {
        const std::string_view loose = in.Bytes(in.U8() & 0x1F);
        answer.assign(loose.begin(), loose.end());
    }
    bool right = kind == 0 || kind > 4 || (kind == 1 && !read);
    bool never = when == 2;
    Ms delay = when == 1 ? Ms(in.U8()) : 0ms;
    // A wrong or missing answer makes the link wait its whole wait; a late
    // one holds back the answers behind it.
    const Ms wait = read ? ReadWaitTicks(code) * 10ms : kAckWait;
    const Ms cost = never || !right ? std::max(wait, delay) : delay;
    if (SteadyClock::now() + cost > script_.started + kWaitWindow) {
        right = true;
        never = false;
        delay = 0ms;
    }
    if (right)
        answer = RightAnswer(code);
    if (!never)
        Queue(std::move(answer), delay);
    script_.Changed(false);
}

std::vector<uint8_t> ScriptedPort::RightAnswer(uint8_t code)
{
    if (ReadWaitTicks(code) == 0)
        return {kAck};
    // The length under the protocol the link took from the firmware reply.
    return BuildFrame(code, HexFrom(script_.in, ReplyLength(code, g_protocolVersion.load())));
}

void ScriptedPort::Queue(std::vector<uint8_t> bytes, Ms delay)
{
    if (bytes.empty())
        return;
    script_.answerBytes += bytes.size();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto readyAt = SteadyClock::now() + delay;
        if (!chunks_.empty())
            readyAt = std::max(readyAt, chunks_.back().readyAt);
        chunks_.push_back({readyAt, std::move(bytes)});
    }
    cv_.notify_all();
}

class CountingObserver final : public ILinkObserver {
public:
    void OnLinkEvent(const LinkEvent&) override { ++events; }
    std::atomic<size_t> events{0};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzReader in(data, size);
    const uint8_t flags = in.U8();
    const uint32_t polls = (flags & 0x0E) == 0x0E ? 1 : 0;
    const uint8_t request = in.U8();
    const int queueAt = in.U8();
    ClockConfig config;
    DisplayConfig display;
    ClockTime time;
    Ms ahead{0}, lateLimit{0};
    if (request == kWriteConfig)
        (void)DecodeConfig(HexFrom(in, kLenConfigV2), 2, config);
    if (request == kWriteDisplay)
        (void)DecodeDisplayConfig(HexFrom(in, kLenDisplayConfig), display);
    if (request == kWriteTime || request == kWriteTimeAt) {
        time.set = 1;
        time.secondsHigh = in.U8();
        time.seconds = in.U32();
        time.fraction = in.U16();
    }
    if (request == kWriteTimeAt) {
        ahead = Ms(in.U8() & 0x3F);
        lateLimit = Ms(in.U8() & 0x0F);
    }

    Script script(in);
    const auto observer = flags & 1 ? std::make_shared<CountingObserver>() : nullptr;
    auto device = std::make_unique<CClockDevice>(
        std::make_unique<ScriptedPort>(script), [](std::shared_ptr<CLinkMessage> m) { m->Dismiss(); }, observer);
    const auto started = SteadyClock::now();

    // Counted as queued before the setter runs: the link may send it at once.
    WriteTicket ticket;
    uint32_t timedTicket = 0;
    const auto queue = [&] {
        const size_t index = request == kWriteConfig ? 0 : request == kWriteDisplay ? 2 : 1;
        ++script.queued[index];
        bool accepted = false;
        switch (request) {
        case kWriteConfig: accepted = device->SetConfig(config, ticket); break;
        case kWriteTime: accepted = device->SetClockTime(time, ticket); break;
        case kWriteDisplay: accepted = device->SetDisplayConfig(display, ticket); break;
        default:
            timedTicket = device->SetClockTimeAt(time, SteadyClock::now() + ahead, lateLimit);
            accepted = timedTicket != 0;
        }
        if (!accepted)
            --script.queued[index];
    };

    bool queued = request < kWriteConfig || request > kWriteTimeAt;
    while (!script.WaitDone(2ms) && device->GetState() != LinkState::Failed &&
           SteadyClock::now() - started < kRunLimit) {
        // In this order: no write pending, then idle, means a write pass
        // ended after the write left.
        const uint32_t pollCount = device->GetPollCount();
        const bool noWrite = device->NoWritePending();
        const bool idle = device->GetState() == LinkState::Idle && device->IsReady();
        if (!queued && (script.frames.load() >= queueAt || idle)) {
            queue();
            queued = true;
        } else if (queued && idle && noWrite && pollCount >= polls) {
            TimedWrite timed;
            FUZZ_CHECK(ticket.id == 0 || device->GetWriteOutcome(ticket) != WriteOutcome::Pending,
                       "a write still pending when the link is idle");
            FUZZ_CHECK(timedTicket == 0 || (device->GetTimedWrite(timedTicket, timed) && timed.Done()),
                       "a timed write undecided when the link is idle");
            break;
        }
    }

    ClockTimeHistory history;
    device->GetTimeHistory(history);
    const auto stopping = SteadyClock::now();
    device.reset();
    const auto shutdown = std::chrono::duration_cast<Ms>(SteadyClock::now() - stopping);
    FUZZ_CHECK(shutdown < kShutdownLimit, "the link took " + std::to_string(shutdown.count()) + " ms to shut down");

    const size_t frames = static_cast<size_t>(script.frames.load());
    FUZZ_CHECK(frames <= kMaxCommands + 4, std::to_string(frames) + " frames sent");
    FUZZ_CHECK(history.samples.size() <= std::min(CClockDevice::kTimeHistoryLimit, frames),
               std::to_string(history.samples.size()) + " time readings kept");
    if (observer) {
        const size_t limit = 8 + 8 * frames + 2 * script.answerBytes.load();
        FUZZ_CHECK(observer->events <= limit, std::to_string(observer->events.load()) + " trace events");
    }
    return 0;
}
