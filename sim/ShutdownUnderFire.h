// Creates device objects on the simulated clock and destroys each at a
// random moment of its life: during the hellos, the identification read, a
// poll, a write, or while a message of the identification read waits for
// the user. The test of shutdown (tests/link) asserts on what it returns;
// shutdown_bench prints the destruction times.
//
// The clock is in the same process (CSimPort), and several objects may be
// fired at side by side, so a run of a thousand objects takes seconds. Each object gets a fresh CSimLine; a trigger
// seen by an observer (the first hello sent, a chosen command sent, the message shown) says the object has reached its
// phase, and a random delay after it picks the moment. A share of the objects talk to a clock that answers a
// millisecond or two late, so more of the moments fall inside a wait for an
// answer.
#pragma once

#include "ClockCodec.h"
#include "ClockDevice.h"
#include "SimClock.h"
#include "SimPort.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace fire {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

enum class Phase : uint8_t { Hello, Identify, Poll, Write, Message };
inline constexpr Phase kPhases[] = {Phase::Hello, Phase::Identify, Phase::Poll, Phase::Write, Phase::Message};

inline const char* PhaseName(Phase phase)
{
    switch (phase) {
    case Phase::Hello: return "hellos";
    case Phase::Identify: return "identification";
    case Phase::Poll: return "poll";
    case Phase::Write: return "write";
    case Phase::Message: return "waiting message";
    }
    return "?";
}

// What became of one object.
struct Shot {
    Phase phase = Phase::Hello;
    bool reached = false;           // the phase's trigger was seen
    uint8_t state = 0;              // the device's state just before destruction
    Clock::duration destruction{};  // how long the destructor took
    Clock::duration life{};         // from construction to destruction
    bool messageShown = false;      // a message of the identification read was shown ...
    bool messageCancelled = false;  // ... and cancelled by the destruction
    std::string trigger;            // what was waited for, for a failure's text
};

// Hears the frames sent and the states entered, and lets the driving
// thread wait for one without looking in a loop.
class Trigger final : public ILinkObserver {
public:
    void OnLinkEvent(const LinkEvent& event) override
    {
        if (event.kind != LinkEvent::Kind::FrameSent && event.kind != LinkEvent::Kind::StateChanged)
            return;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            (event.kind == LinkEvent::Kind::FrameSent ? sent_ : states_).push_back(event.code);
        }
        cv_.notify_all();
    }
    size_t SentCount() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return sent_.size();
    }
    // Waits until a frame of the code is sent, from the given index of the
    // frames sent on. The index after that frame's, or 0 when none came.
    size_t WaitSent(uint8_t code, size_t from, Clock::time_point deadline)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        size_t found = 0;
        cv_.wait_until(lock, deadline, [&] {
            for (size_t i = from; i < sent_.size(); ++i) {
                if (sent_[i] == code) {
                    found = i + 1;
                    return true;
                }
            }
            return false;
        });
        return found;
    }
    bool WaitState(uint8_t state, Clock::time_point deadline)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        return cv_.wait_until(lock, deadline,
                              [&] { return std::find(states_.begin(), states_.end(), state) != states_.end(); });
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable cv_;
    std::vector<uint8_t> sent_;
    std::vector<uint8_t> states_;
};

// Holds the messages of the identification read, as a user who has not yet
// clicked OK does.
struct HeldMessages {
    std::mutex mutex;
    std::condition_variable cv;
    std::vector<std::shared_ptr<CLinkMessage>> held;

    LinkMessageHandler Handler()
    {
        return [this](std::shared_ptr<CLinkMessage> message) {
            {
                std::lock_guard<std::mutex> lock(mutex);
                held.push_back(std::move(message));
            }
            cv.notify_all();
        };
    }
    bool WaitShown(Clock::time_point deadline)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return cv.wait_until(lock, deadline, [&] { return !held.empty(); });
    }
};

// Each phase's trigger must be seen within this time, else the shot counts
// as not reached (and the object is destroyed all the same).
// Generous: under a sanitizer on a busy machine an identification can take
// a good part of a second.
inline constexpr auto kReachLimit = 10s;

// A number drawn evenly from low to high, both included.
inline int Pick(std::mt19937& random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

// Sets the faults of the line's clock for the phase: silence for the
// hellos, now and then slow answers otherwise, and for a message a wrong
// code in the answer to one of the identification's reads. Returns that
// read's code, drawn for every phase.
inline uint8_t SetFaultsFor(Phase phase, CSimLine& line, std::mt19937& random)
{
    SimFaults faults;
    if (phase == Phase::Hello) {
        faults.silent = true;
    } else if (Pick(random, 0, 3) == 0) {
        faults.slowDelay = std::chrono::milliseconds(Pick(random, 1, 2));
    }
    // The identification steps that show a message when they fail.
    static constexpr uint8_t kIdentify[] = {kCmdFamilyId,    kCmdCpuType,    kCmdFirmware,        kCmdSerialNumber,
                                            kCmdCurrentTime, kCmdReadConfig, kCmdDisplayHardware, kCmdReadDisplay};
    const uint8_t identifyCode = kIdentify[Pick(random, 0, std::size(kIdentify) - 1)];
    if (phase == Phase::Message)
        faults.wrongCode = identifyCode;
    line.Clock().SetFaults(faults);
    return identifyCode;
}

// Queues one of the writes a user makes; returns the code of its frame.
inline uint8_t QueueWrite(CClockDevice& device, std::mt19937& random)
{
    switch (Pick(random, 0, 2)) {
    case 0: {
        ClockConfig config;
        device.GetConfig(config);
        device.SetConfig(config);
        return kCmdWriteConfig;
    }
    case 1: device.SetClockTime(ClockTime{1, 0, 0xD1DB2500, 0}); return kCmdSetTime;
    default:
        // A timed write waits on the link thread for its instant; it may
        // start late enough that it is never missed.
        device.SetClockTimeAt(ClockTime{1, 0, 0xD1DB2500, 0},
                              Clock::now() + std::chrono::milliseconds(Pick(random, 0, 8)), 1s);
        return kCmdSetTime;
    }
}

// Brings an identified device to a write, or to the poll that follows
// one: sets the shot's trigger and whether it was reached.
inline void ReachWriteOrPoll(Shot& shot, CClockDevice& device, Trigger& trigger, Clock::time_point deadline,
                             std::mt19937& random)
{
    static constexpr uint8_t kPollCodes[] = {kCmdCurrentTime, kCmdDisplayHardware, kCmdAuxStatus, kCmdTimeCodeStatus,
                                             kCmdAuxCounter};
    if (!trigger.WaitState(LinkStateCode(LinkState::Idle), deadline)) {
        shot.trigger = "the identification";
        return;
    }
    // A write also brings the next poll forward to 10 ms after it, so
    // a poll is reached without waiting for the 100 ms period.
    const size_t from = trigger.SentCount();
    const uint8_t writeCode = QueueWrite(device, random);
    if (shot.phase == Phase::Write) {
        shot.trigger = std::string("the write of ") + CommandName(writeCode);
        // Now and then the moment is while the write waits to go.
        shot.reached = Pick(random, 0, 4) == 0 || trigger.WaitSent(writeCode, from, deadline) > 0;
    } else {
        const uint8_t pollCode = kPollCodes[Pick(random, 0, std::size(kPollCodes) - 1)];
        shot.trigger = std::string("the poll's read of ") + CommandName(pollCode);
        const size_t written = trigger.WaitSent(writeCode, from, deadline);
        shot.reached = written > 0 && trigger.WaitSent(pollCode, written, deadline) > 0;
    }
}

// Waits for the trigger of the shot's phase; returns how many microseconds
// after it the object is to be destroyed.
inline int ReachPhase(Shot& shot, CClockDevice& device, Trigger& trigger, HeldMessages& messages, uint8_t identifyCode,
                      Clock::time_point deadline, std::mt19937& random)
{
    int settleMicros = Pick(random, 0, 1500);
    switch (shot.phase) {
    case Phase::Hello:
        shot.trigger = "a hello";
        shot.reached = trigger.WaitSent(kCmdHello, 0, deadline) > 0;
        settleMicros = Pick(random, 0, 3000);
        break;
    case Phase::Identify:
        shot.trigger = std::string("the read of ") + CommandName(identifyCode);
        shot.reached = trigger.WaitSent(identifyCode, 0, deadline) > 0;
        break;
    case Phase::Message:
        shot.trigger = std::string("the message of ") + CommandName(identifyCode);
        shot.reached = messages.WaitShown(deadline);
        break;
    case Phase::Write:
    case Phase::Poll: ReachWriteOrPoll(shot, device, trigger, deadline, random); break;
    }
    return settleMicros;
}

inline Shot FireOnce(Phase phase, std::mt19937& random)
{
    Shot shot;
    shot.phase = phase;
    auto line = std::make_shared<CSimLine>();
    auto trigger = std::make_shared<Trigger>();
    HeldMessages messages;
    const uint8_t identifyCode = SetFaultsFor(phase, *line, random);

    auto device =
        std::make_unique<CClockDevice>(std::make_unique<CSimPort>(line, "sim-clock"),
                                       phase == Phase::Message ? messages.Handler() : LinkMessageHandler{}, trigger);
    const auto born = Clock::now();
    const int settleMicros = ReachPhase(shot, *device, *trigger, messages, identifyCode, born + kReachLimit, random);
    std::this_thread::sleep_for(std::chrono::microseconds(settleMicros));
    shot.state = LinkStateCode(device->GetState());
    const auto start = Clock::now();
    device.reset();
    shot.destruction = Clock::now() - start;
    shot.life = start - born;
    std::lock_guard<std::mutex> lock(messages.mutex);
    shot.messageShown = !messages.held.empty();
    shot.messageCancelled = shot.messageShown && messages.held.front()->IsCancelled();
    return shot;
}

// Fires at count objects, the phases in turn, from the given number of
// threads at once (each with its own random sequence); the shots come back
// in the order of the objects.
inline std::vector<Shot> Fire(int count, uint32_t seed, int workers = 1)
{
    std::vector<Shot> shots(static_cast<size_t>(std::max(count, 0)));
    const auto work = [&shots, seed, workers](int worker) {
        std::mt19937 random(seed + static_cast<uint32_t>(worker));
        for (size_t i = static_cast<size_t>(worker); i < shots.size(); i += static_cast<size_t>(workers))
            shots[i] = FireOnce(kPhases[i % std::size(kPhases)], random);
    };
    std::vector<std::thread> threads;
    for (int worker = 1; worker < workers; ++worker)
        threads.emplace_back(work, worker);
    work(0);
    for (std::thread& thread : threads)
        thread.join();
    return shots;
}

}  // namespace fire
