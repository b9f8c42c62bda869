// A faulted soak of the clock link: the connection owner (as the window and
// kerovant-cli use it) against the simulated clock on a pseudo-terminal,
// while a user calls the setters at random moments with random valid
// values, the clock faults a share of the exchanges and the cable is pulled
// and put back now and then. It checks throughout and reports at the end:
// - no crash, no hang: a watchdog sees every state of the link change (or
//   the link make progress in it) within the longest time its waits allow,
//   and the user's thread come back from every call;
// - no write silently lost: every write a setter accepted reached the clock
//   (it is in the clock's log), was replaced by a later one of its kind
//   before it went out, or its device object went down before the clock
//   acknowledged it; after the faults stop, a last round of setters must
//   land exactly at the clock;
// - no value shown that the clock never reported: the times, configuration
//   and hand settings the device object gives are ones the clock sent (or
//   took from a write);
// - file descriptors and threads back at their baseline after every
//   replacement and at the end; the CPU time while the clock is unplugged.
// --replug-cycles N instead pulls and replugs the cable N times and reports
// the time from each replug to the first fresh value from the clock.
//
//   soak_bench [--seconds S] [--fault-percent P] [--fault-kinds LIST]
//              [--replug-every S] [--replug-pause S] [--seed N]
//              [--replug-cycles N] [--verbose]
//
// The last line of the output starts with "soak: " and sums it all up; the
// exit status is 1 when a check failed, 2 on bad usage.
//
// Threads: the main thread plays the window's user-interface thread (the
// connection owner's owner): it refreshes every 200 ms like the window,
// replaces an offline device object on the window's cadence, calls the
// setters and pulls the cable. The watchdog thread only looks (Device(),
// ReplacementPending() and the device's atomics) and ends the program when
// the main thread hangs. The simulated clock's observer runs on its serving
// thread and writes only to the ledger, under its mutex.
#include "BenchSupport.h"
#include "ClockCodec.h"
#include "ClockConnection.h"
#include "ClockDevice.h"
#include "SimClock.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

using namespace bench;
using namespace std::chrono_literals;
using TimePoint = Clock::time_point;

const TimePoint g_started = Clock::now();

// Set by SIGINT or SIGTERM: the run ends early, with its last round, its
// report and its clean-up.
volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterrupt(int)
{
    g_interrupted = 1;
}

// Seconds since the program started, for --verbose lines.
double Seconds(TimePoint t)
{
    return std::chrono::duration<double>(t - g_started).count();
}

// The window's refresh, each a look of the connection's offline
// replacement (the 16th offline look in a row replaces the device object).
constexpr auto kRefresh = COfflineReplacement::kLookInterval;
// The main thread must come back within this time, or the program hangs.
constexpr auto kHangLimit = 10s;
// A shown value missing from the clock's reports is given this long to turn
// up: a write's value is shown from the moment it is handed to the port.
constexpr auto kShownGrace = 1s;

struct Options {
    double seconds = 60;
    int faultPercent = 20;
    uint32_t faultKinds = kSimFaultAll;
    double replugEvery = 20;
    std::optional<double> replugPause;  // default: 1 s, or drawn per cycle
    uint64_t seed = 1;
    int replugCycles = 0;
    bool verbose = false;
};

[[noreturn]] void BadUsage(const std::string& why)
{
    std::fprintf(stderr,
                 "soak_bench: %s\n"
                 "usage: soak_bench [--seconds S] [--fault-percent 0-100] [--fault-kinds LIST]\n"
                 "                  [--replug-every S (0: never)] [--replug-pause S] [--seed N]\n"
                 "                  [--replug-cycles N] [--verbose]\n",
                 why.c_str());
    std::exit(2);
}

double Number(const char* option, const char* text, double min, double max)
{
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text, &end);
    if (*text == '\0' || *end != '\0' || errno != 0 || !std::isfinite(value) || value < min || value > max)
        BadUsage(std::string("invalid value '") + text + "' for " + option + ": expected a number from " +
                 std::to_string(min) + " to " + std::to_string(max));
    return value;
}

Options ParseOptions(int argc, char** argv)
{
    Options o;
    bool faultGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> const char* {
            if (i + 1 >= argc)
                BadUsage("option " + arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--seconds") {
            o.seconds = Number("--seconds", value(), 1, 1e6);
        } else if (arg == "--fault-percent") {
            o.faultPercent = static_cast<int>(Number("--fault-percent", value(), 0, 100));
            faultGiven = true;
        } else if (arg == "--fault-kinds") {
            const char* v = value();
            if (!ParseSimFaultKinds(v, o.faultKinds))
                BadUsage(std::string("invalid value '") + v +
                         "' for --fault-kinds: expected 'all' or a comma-separated list of checksum, drop, noise, "
                         "slow, short, ack-in-frame, wrong-code");
        } else if (arg == "--replug-every") {
            o.replugEvery = Number("--replug-every", value(), 0, 1e6);
        } else if (arg == "--replug-pause") {
            o.replugPause = Number("--replug-pause", value(), 0, 600);
        } else if (arg == "--seed") {
            o.seed = static_cast<uint64_t>(Number("--seed", value(), 0, 1e15));
        } else if (arg == "--replug-cycles") {
            o.replugCycles = static_cast<int>(Number("--replug-cycles", value(), 1, 1e6));
        } else if (arg == "--verbose") {
            o.verbose = true;
        } else {
            BadUsage("unknown option '" + arg + "'");
        }
    }
    // The cycles measure the way back from a replug; faults only when asked.
    if (o.replugCycles > 0 && !faultGiven)
        o.faultPercent = 0;
    return o;
}

// Entries of a /proc/self directory, without . and .. (and, for fd, the
// descriptor of the listing itself).
int CountEntries(const char* path)
{
    DIR* dir = ::opendir(path);
    if (!dir)
        return -1;
    int count = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            ++count;
    }
    ::closedir(dir);
    return count;
}

struct Resources {
    int fds = 0;
    int threads = 0;
    friend bool operator==(const Resources&, const Resources&) = default;
};

// The process's descriptors and threads, less the simulated clock's own
// while it serves (the pseudo-terminal's two ends and its serving thread).
Resources OwnResources(const CSimServer& sim)
{
    Resources r{CountEntries("/proc/self/fd") - 1, CountEntries("/proc/self/task")};
    if (sim.IsRunning()) {
        r.fds -= 2;
        r.threads -= 1;
    }
    return r;
}

std::string Describe(const Resources& r)
{
    return std::to_string(r.fds) + " descriptors, " + std::to_string(r.threads) + " threads";
}

// Everything the clock sent and received, as the soak needs it.
class Ledger {
public:
    struct Received {
        uint8_t code;
        std::string payload;
        TimePoint when;
    };

    void Observe(const SimReceived& r)
    {
        const TimePoint now = Clock::now();
        std::lock_guard<std::mutex> lock(mutex_);
        ++exchanges_;
        if (r.fault != kSimFaultNone) {
            ++faulted_;
            for (uint32_t bit = 1; bit <= kSimFaultAll; bit <<= 1) {
                if (r.fault & bit)
                    ++faultKinds_[bit];
            }
        }
        if (r.reply) {
            const std::string& p = *r.reply;
            if (r.code == kCmdCurrentTime && p.size() == 32) {
                utc_.emplace(p.substr(0, 16), now);
                local_.insert(p.substr(16));
            } else if (r.code == kCmdReadConfig) {
                config_.insert(p);
            } else if (r.code == kCmdReadDisplay) {
                display_.insert(p);
            }
        }
        switch (r.code) {
        case kCmdSetTime: {
            ClockTime time;
            if (DecodeSetTime(r.payload, time))
                utc_.emplace(EncodeClockTime(time), now);
            break;
        }
        case kCmdWriteConfig: config_.insert(r.payload); break;
        case kCmdWriteDisplay: display_.insert(r.payload); break;
        default: return;
        }
        writes_.push_back({r.code, r.payload, r.when});
    }

    // When the clock sent (or was set to) this UTC reading; none if never.
    std::optional<TimePoint> UtcSent(const std::string& key) const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto found = utc_.find(key);
        if (found == utc_.end())
            return std::nullopt;
        return found->second;
    }
    bool LocalSent(const std::string& key) const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return local_.count(key) > 0;
    }
    bool ConfigSent(const std::string& key) const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return config_.count(key) > 0;
    }
    bool DisplaySent(const std::string& key) const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return display_.count(key) > 0;
    }
    // The write reached the clock at or after the moment given.
    bool Reached(uint8_t code, const std::string& payload, TimePoint after) const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const Received& w : writes_) {
            if (w.code == code && w.when >= after && w.payload == payload)
                return true;
        }
        return false;
    }
    uint64_t Exchanges() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return exchanges_;
    }
    uint64_t Faulted() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return faulted_;
    }
    std::map<uint32_t, uint64_t> FaultKinds() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return faultKinds_;
    }

private:
    mutable std::mutex mutex_;
    uint64_t exchanges_ = 0;
    uint64_t faulted_ = 0;
    std::map<uint32_t, uint64_t> faultKinds_;
    std::unordered_map<std::string, TimePoint> utc_;
    std::unordered_set<std::string> local_;
    std::unordered_set<std::string> config_;
    std::unordered_set<std::string> display_;
    std::vector<Received> writes_;
};

// Failed checks, from any thread.
class Findings {
public:
    void Add(const std::string& what)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (++count_ <= kShown)
            std::fprintf(stderr, "soak: check failed: %s\n", what.c_str());
    }
    int Count() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return count_;
    }

private:
    static constexpr int kShown = 20;
    mutable std::mutex mutex_;
    int count_ = 0;
};

// A write a setter accepted.
struct AcceptedWrite {
    uint8_t code;
    std::string payload;
    std::weak_ptr<CClockDevice> device;
    TimePoint accepted;
    uint32_t ticket = 0;  // a time write at an instant: its ticket
};

std::string Join(const std::vector<double>& values)
{
    std::string out;
    for (double v : values)
        out += (out.empty() ? "" : ", ") + std::to_string(static_cast<long>(v));
    return out;
}

bool SameDevice(const std::weak_ptr<CClockDevice>& a, const std::weak_ptr<CClockDevice>& b)
{
    return !a.owner_before(b) && !b.owner_before(a);
}

// How long a state of the link may last without progress: the longest its
// waits allow, with room for a loaded machine. In the start and failed
// states the link waits for its owner, who replaces it after 16 refreshes.
std::chrono::milliseconds StateLimit(uint8_t state)
{
    switch (static_cast<LinkState>(state)) {
    case LinkState::Start:
    case LinkState::Failed: return 8000ms;     // 3.2 s of refreshes, then the replacement
    case LinkState::Hello: return 6000ms;      // 24 hellos of 100 ms
    case LinkState::Identify: return 12000ms;  // 4 runs of ten reads, 1.66 s of waits each
    case LinkState::Poll: return 3000ms;       // five reads, 0.82 s of waits
    case LinkState::Write: return 3000ms;      // three writes of 100 ms
    case LinkState::Idle: return 2000ms;       // a poll every 100 ms
    default: return 2000ms;
    }
}

class Soak {
public:
    explicit Soak(const Options& options)
        : options_(options), random_(options.seed), connection_([this] { return Make(); })
    {
    }

    int Run();

private:
    std::shared_ptr<CClockDevice> Make()
    {
        LinkSettings settings;
        SetDeviceName(settings, linkPath_);
        // The window's message boxes, closed at once.
        auto handler = [this](std::shared_ptr<CLinkMessage> message) {
            messages_.fetch_add(1, std::memory_order_relaxed);
            message->Dismiss();
        };
        return std::make_shared<CClockDevice>(settings, handler, options_.verbose ? verboseObserver_ : nullptr);
    }

    // With --verbose, why each link went down.
    class VerboseObserver : public ILinkObserver {
    public:
        void OnLinkEvent(const LinkEvent& event) override
        {
            using Kind = LinkEvent::Kind;
            if (event.kind == Kind::WaitExpired || event.kind == Kind::ReadFailed || event.kind == Kind::PortChanged ||
                (event.kind == Kind::StateChanged && event.code == LinkStateCode(LinkState::Failed)))
                std::fprintf(stderr, "%9.3f link: %s %02X %s\n", Seconds(event.time), LinkEventKindName(event.kind),
                             event.code, event.text.c_str());
        }
    };
    std::shared_ptr<ILinkObserver> verboseObserver_ = std::make_shared<VerboseObserver>();

    bool SetUp();
    void Watchdog();
    // One refresh of the window: replaces an offline object on its cadence
    // and checks what a ready one shows.
    void Refresh();
    void CheckShown(const CClockDevice& device);
    void CheckResources(uint64_t generation);
    void CheckNoGrowth();
    // Looks whether the device shows a reading the clock sent after the
    // latest plug.
    void CheckFresh();
    void UserAction();
    bool SetRandomConfig(CClockDevice& device, const std::shared_ptr<CClockDevice>& shared, bool stopHands);
    bool SetRandomTime(CClockDevice& device, const std::shared_ptr<CClockDevice>& shared, bool timed);
    bool SetRandomDisplay(CClockDevice& device, const std::shared_ptr<CClockDevice>& shared);
    void Unplug();
    bool Replug();
    // Runs the main loop until the condition holds or the time is up.
    template <class Pred> bool LoopUntil(Pred done, TimePoint deadline, bool act);
    bool FinalRound();
    enum class FinalOutcome : uint8_t { Done, LinkFailed, Failed };
    static constexpr int kFinalRoundTries = 3;
    // One try of the last round; LinkFailed when the link failed under it.
    FinalOutcome FinalAttempt();
    void ClassifyWrites();
    void Report(double seconds);

    int Draw(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    Options options_;
    std::mt19937_64 random_;
    CSimServer sim_;
    Ledger ledger_;
    Findings findings_;
    std::string directory_;
    std::string linkPath_;
    CClockConnection connection_;
    std::atomic<uint64_t> messages_{0};

    // Main thread.
    uint64_t replacements_ = 0;
    TimePoint nextRefresh_;
    TimePoint nextAction_;
    std::optional<TimePoint> unplugAt_;
    std::optional<TimePoint> replugAt_;
    TimePoint pluggedAt_;
    bool freshSincePlug_ = true;
    std::vector<double> replugToFresh_;
    // The same, apart for replugs whose new device another program held.
    std::vector<double> undisturbedToFresh_;
    std::vector<double> disturbedToFresh_;
    bool disturbed_ = false;
    Usage unpluggedUsage_;
    TimePoint unpluggedSince_;
    double unpluggedCpu_ = 0;
    double unpluggedWall_ = 0;
    uint64_t replugs_ = 0;
    Resources baseline_{-1, -1};
    Resources start_{};
    uint64_t checkedGeneration_ = 0;
    uint64_t resourceChecks_ = 0;
    bool grown_ = false;  // reported once
    std::vector<AcceptedWrite> writes_;
    std::map<uint8_t, uint64_t> attempted_;
    uint64_t refused_ = 0;
    uint64_t reached_ = 0;
    uint64_t replaced_ = 0;
    uint64_t failedWithDevice_ = 0;
    uint64_t missed_ = 0;
    uint64_t lost_ = 0;
    uint64_t shownChecks_ = 0;
    // A shown value not (yet) among the clock's reports, and since when.
    std::map<std::string, TimePoint> suspects_;

    // What the user set last, for the last round.
    ClockConfig lastConfig_;
    ClockTime lastTime_;
    DisplayConfig lastDisplay_;
    bool finalRoundDone_ = false;
    int finalRoundRetries_ = 0;
    // How long the cable stays out at the next unplug.
    double pause_ = 1.0;

    // Watchdog.
    std::atomic<int64_t> heartbeat_{0};
    std::atomic<bool> stopWatchdog_{false};
    std::atomic<uint64_t> stuck_{0};
};

int64_t Ticks(TimePoint t)
{
    return t.time_since_epoch().count();
}

bool Soak::SetUp()
{
    char pattern[] = "/tmp/kerovant-soak-XXXXXX";
    if (!::mkdtemp(pattern)) {
        std::fprintf(stderr, "soak: no temporary folder: %s\n", std::strerror(errno));
        return false;
    }
    directory_ = pattern;
    linkPath_ = directory_ + "/clock";
    sim_.SetLinkPath(linkPath_);
    SimTiming timing;
    timing.lineBaud = kLineBaudRate;
    sim_.Clock().SetTiming(timing);
    SimFaults faults;
    faults.faultPercent = options_.faultPercent;
    faults.faultKinds = options_.faultKinds;
    faults.faultSeed = options_.seed;
    sim_.Clock().SetFaults(faults);
    sim_.Clock().SetObserver([this](const SimReceived& r) { ledger_.Observe(r); });
    std::string error;
    if (!sim_.Start(&error)) {
        std::fprintf(stderr, "soak: simulated clock: %s\n", error.c_str());
        return false;
    }
    pluggedAt_ = Clock::now();
    freshSincePlug_ = false;
    return true;
}

void Soak::Watchdog()
{
    const void* device = nullptr;
    uint8_t state = 0xFF;
    uint32_t polls = 0;
    TimePoint since = Clock::now();
    bool reported = false;
    std::optional<TimePoint> pendingSince;
    while (!stopWatchdog_.load(std::memory_order_acquire)) {
        std::this_thread::sleep_for(100ms);
        const TimePoint now = Clock::now();
        const TimePoint beat{TimePoint::duration(heartbeat_.load(std::memory_order_acquire))};
        if (now - beat > kHangLimit) {
            std::printf("soak: FAILED: hang: the main thread has not come back for %.0f s\n",
                        std::chrono::duration<double>(now - beat).count());
            std::fflush(stdout);
            std::_Exit(1);
        }
        // Held for a moment only: a replacement must find the old object free.
        uint8_t nowState = 0xFF;
        uint32_t nowPolls = 0;
        const void* nowDevice = nullptr;
        if (const std::shared_ptr<CClockDevice> d = connection_.Device()) {
            nowDevice = d.get();
            nowState = LinkStateCode(d->GetState());
            nowPolls = d->GetPollCount();
        }
        if (nowDevice != device || nowState != state || nowPolls != polls) {
            device = nowDevice;
            state = nowState;
            polls = nowPolls;
            since = now;
            reported = false;
        } else if (device && !reported && now - since > StateLimit(state)) {
            reported = true;
            stuck_.fetch_add(1, std::memory_order_relaxed);
            findings_.Add("the link made no progress in state " + std::to_string(state) + " for " +
                          std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(now - since).count()) +
                          " ms");
        }
        if (connection_.ReplacementPending()) {
            if (!pendingSince)
                pendingSince = now;
            else if (now - *pendingSince > 5s) {
                stuck_.fetch_add(1, std::memory_order_relaxed);
                findings_.Add("a replacement of the device object took over 5 s");
                pendingSince = now + 1h;  // once
            }
        } else {
            pendingSince.reset();
        }
    }
}

void Soak::Refresh()
{
    const std::shared_ptr<CClockDevice> device = connection_.Device();
    CheckNoGrowth();
    // Pseudo-terminal numbers are shared by the whole machine: a program
    // that reopens the raw path of its own clock's old device (not a stable
    // name) can take a new one of ours, and the link rightly waits until it
    // is let go. Such replugs are counted apart.
    if (device && device->GetPortState() == PortState::Busy)
        disturbed_ = true;
    if (!device || !device->IsOnline()) {
        if (connection_.OfflineReplacement().OfflineLook()) {
            if (!connection_.ReplacementPending()) {
                if (options_.verbose)
                    std::fprintf(stderr, "%9.3f replacing device object %llu\n", Seconds(Clock::now()),
                                 static_cast<unsigned long long>(connection_.Generation()));
                connection_.Replace();
                ++replacements_;
            }
        }
        return;
    }
    if (!device->IsReady()) {
        connection_.OfflineReplacement().UnidentifiedLook();
        return;
    }
    connection_.OfflineReplacement().Reset();
    CheckShown(*device);
    CheckResources(connection_.Generation());
}

void Soak::CheckShown(const CClockDevice& device)
{
    ClockTime utc;
    ClockTime local;
    ClockConfig config;
    DisplayConfig display;
    device.GetClockTimes(utc, local);
    device.GetConfig(config);
    device.GetDisplayConfig(display);
    if (!device.IsReady())
        return;  // went down meanwhile: the window shows it offline
    ++shownChecks_;
    const TimePoint now = Clock::now();
    const auto check = [&](const std::string& what, const std::string& key, bool known) {
        const std::string id = what + " " + key;
        if (known) {
            suspects_.erase(id);
            return;
        }
        const auto [entry, added] = suspects_.emplace(id, now);
        if (!added && now - entry->second > kShownGrace && entry->second != TimePoint::max()) {
            findings_.Add("shown " + what + " the clock never reported: " + key);
            entry->second = TimePoint::max();
        }
    };
    const std::string utcKey = EncodeClockTime(utc);
    check("UTC", utcKey, ledger_.UtcSent(utcKey).has_value());
    const std::string localKey = EncodeClockTime(local);
    check("local time", localKey, ledger_.LocalSent(localKey));
    const std::string configKey = EncodeConfig(config, device.GetProtocolVersion());
    check("configuration", configKey, ledger_.ConfigSent(configKey));
    const std::string displayKey = EncodeDisplayConfig(display);
    check("hand setting", displayKey, ledger_.DisplaySent(displayKey));
    // Values that turned up late are forgotten once known.
    for (auto it = suspects_.begin(); it != suspects_.end();) {
        const size_t space = it->first.rfind(' ');
        const std::string key = it->first.substr(space + 1);
        const std::string kind = it->first.substr(0, space);
        const bool known = kind == "UTC" ? ledger_.UtcSent(key).has_value()
            : kind == "local time"       ? ledger_.LocalSent(key)
            : kind == "configuration"    ? ledger_.ConfigSent(key)
                                         : ledger_.DisplaySent(key);
        it = known ? suspects_.erase(it) : std::next(it);
    }
}

void Soak::CheckResources(uint64_t generation)
{
    // Once per device object, when it is ready and nothing else is moving.
    if (generation == checkedGeneration_ || connection_.ReplacementPending() || !sim_.IsRunning())
        return;
    checkedGeneration_ = generation;
    const Resources now = OwnResources(sim_);
    ++resourceChecks_;
    if (baseline_.fds < 0) {
        baseline_ = now;
        return;
    }
    if (!(now == baseline_))
        findings_.Add("device object " + std::to_string(generation) + " ready with " + Describe(now) +
                      "; the first had " + Describe(baseline_));
}

void Soak::CheckNoGrowth()
{
    // Between replacements no device object holds more than the first ready
    // one did, whatever state it is in (one that could not open the port
    // holds less).
    if (baseline_.fds < 0 || connection_.ReplacementPending() || grown_)
        return;
    const Resources now = OwnResources(sim_);
    if (now.fds > baseline_.fds || now.threads > baseline_.threads) {
        grown_ = true;
        findings_.Add("device object " + std::to_string(connection_.Generation()) + " holds " + Describe(now) +
                      "; the first ready one had " + Describe(baseline_));
    }
}

void Soak::CheckFresh()
{
    if (freshSincePlug_)
        return;
    const std::shared_ptr<CClockDevice> device = connection_.Device();
    if (!device || !device->IsReady())
        return;
    ClockTime utc;
    ClockTime local;
    device->GetClockTimes(utc, local);
    const std::optional<TimePoint> sent = ledger_.UtcSent(EncodeClockTime(utc));
    if (sent && *sent >= pluggedAt_) {
        freshSincePlug_ = true;
        if (options_.verbose)
            std::fprintf(stderr, "%9.3f fresh value\n", Seconds(Clock::now()));
        if (replugs_ > 0) {
            const double ms = Ms(Clock::now() - pluggedAt_);
            replugToFresh_.push_back(ms);
            (disturbed_ ? disturbedToFresh_ : undisturbedToFresh_).push_back(ms);
        }
    }
}

bool Soak::SetRandomConfig(CClockDevice& device, const std::shared_ptr<CClockDevice>& shared, bool stopHands)
{
    ClockConfig config;
    device.GetConfig(config);
    StoreStandardBias(config, Draw(-12 * 4, 14 * 4) * 900);
    config.handMotion = static_cast<uint8_t>(stopHands || Draw(0, 9) < 2 ? int{kHandsStopped} : Draw(0, 1));
    config.illumination = static_cast<uint8_t>(Draw(0, 12));
    config.useTimeCodeDate() = static_cast<uint8_t>(Draw(0, 1));
    if (Draw(0, 2) == 0) {
        config.dstMode = kDstDisabled;
    } else {
        ResetDstDefaults(config);
        config.dstMode = kDstByWeekday;
        config.dstStartWeek = static_cast<uint8_t>(Draw(1, 5));
        config.dstStartDayOfWeek = static_cast<uint8_t>(Draw(1, 7));
        config.dstStartMonth = static_cast<uint8_t>(Draw(3, 4));
        config.dstStartHour = static_cast<uint8_t>(Draw(0, 3));
        config.dstEndWeek = static_cast<uint8_t>(Draw(1, 5));
        config.dstEndDayOfWeek = static_cast<uint8_t>(Draw(1, 7));
        config.dstEndMonth = static_cast<uint8_t>(Draw(10, 11));
        config.dstEndHour = static_cast<uint8_t>(Draw(0, 3));
        config.dstBiasPositive = 1;
        config.dstBiasSeconds = 3600;
    }
    ClockConfig prepared = config;
    PrepareConfigForWrite(prepared);
    const TimePoint before = Clock::now();
    ++attempted_[kCmdWriteConfig];
    if (!device.SetConfig(config)) {
        ++refused_;
        return false;
    }
    writes_.push_back({kCmdWriteConfig, EncodeConfig(prepared, device.GetProtocolVersion()), shared, before});
    lastConfig_ = prepared;
    return true;
}

bool Soak::SetRandomTime(CClockDevice& device, const std::shared_ptr<CClockDevice>& shared, bool timed)
{
    ClockTime utc;
    ClockTime local;
    device.GetClockTimes(utc, local);
    // Within a day of what the clock shows, well inside 2001 to 2099.
    ClockTime time = utc;
    time.set = 1;
    time.seconds = static_cast<uint32_t>(static_cast<int64_t>(utc.seconds) + Draw(-86400, 86400));
    // Whole seconds, as the window and kerovant-cli send them.
    time.fraction = 0;
    const TimePoint before = Clock::now();
    ++attempted_[kCmdSetTime];
    // Now, or at an instant as a set on the second does, which may be
    // missed (and says so) when the link cannot start it in time.
    uint32_t ticket = 0;
    if (timed) {
        const auto lateLimit = Draw(0, 1) == 0 ? std::chrono::nanoseconds(5ms) : std::chrono::nanoseconds::max();
        ticket = device.SetClockTimeAt(time, before + std::chrono::milliseconds(Draw(20, 900)), lateLimit);
        if (ticket == 0) {
            ++refused_;
            return false;
        }
    } else if (!device.SetClockTime(time)) {
        ++refused_;
        return false;
    }
    writes_.push_back({kCmdSetTime, EncodeSetTime(time), shared, before, ticket});
    lastTime_ = time;
    return true;
}

bool Soak::SetRandomDisplay(CClockDevice& device, const std::shared_ptr<CClockDevice>& shared)
{
    DisplayConfig display;
    if (Draw(0, 1) == 0) {
        display.mode = kDisplaySetFace;
        display.value = static_cast<uint32_t>(Draw(0, 43199));
    } else {
        display.mode = kDisplayNudgeSeconds;
    }
    const TimePoint before = Clock::now();
    ++attempted_[kCmdWriteDisplay];
    // Refused while the hands run: the window offers it only when stopped.
    if (!device.SetDisplayConfig(display)) {
        ++refused_;
        return false;
    }
    writes_.push_back({kCmdWriteDisplay, EncodeDisplayConfig(display), shared, before});
    lastDisplay_ = display;
    return true;
}

void Soak::UserAction()
{
    // A command holds the object, as the window's commands do.
    CClockConnection::Hold hold = connection_.HoldDevice();
    if (!hold || !hold->IsReady())
        return;  // the window greys its commands out while offline
    switch (Draw(0, 3)) {
    case 0: SetRandomConfig(*hold, hold.Device(), false); break;
    case 1: SetRandomTime(*hold, hold.Device(), false); break;
    case 2: SetRandomTime(*hold, hold.Device(), true); break;
    default: SetRandomDisplay(*hold, hold.Device()); break;
    }
}

void Soak::Unplug()
{
    sim_.Unplug();
    if (options_.verbose)
        std::fprintf(stderr, "%9.3f unplugged\n", Seconds(Clock::now()));
    unpluggedUsage_ = ProcessUsage();
    unpluggedSince_ = Clock::now();
}

bool Soak::Replug()
{
    const Usage usage = ProcessUsage();
    unpluggedCpu_ += usage.cpuSeconds - unpluggedUsage_.cpuSeconds;
    unpluggedWall_ += std::chrono::duration<double>(Clock::now() - unpluggedSince_).count();
    std::string error;
    if (!sim_.Start(&error)) {
        findings_.Add("the simulated clock could not be plugged in again: " + error);
        return false;
    }
    ++replugs_;
    disturbed_ = false;
    pluggedAt_ = Clock::now();
    if (options_.verbose)
        std::fprintf(stderr, "%9.3f plugged in at %s\n", Seconds(pluggedAt_), sim_.DevicePath().c_str());
    freshSincePlug_ = false;
    return true;
}

template <class Pred> bool Soak::LoopUntil(Pred done, TimePoint deadline, bool act)
{
    for (;;) {
        heartbeat_.store(Ticks(Clock::now()), std::memory_order_release);
        if (done())
            return true;
        TimePoint now = Clock::now();
        if (now >= deadline || (act && g_interrupted))
            return false;
        if (now >= nextRefresh_) {
            Refresh();
            nextRefresh_ += kRefresh;
            if (nextRefresh_ < now)
                nextRefresh_ = now + kRefresh;
        }
        if (act && now >= nextAction_) {
            UserAction();
            nextAction_ = Clock::now() + std::chrono::milliseconds(Draw(20, 1500));
        }
        if (unplugAt_ && now >= *unplugAt_) {
            Unplug();
            unplugAt_.reset();
            replugAt_ = now + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(pause_));
        }
        if (replugAt_ && now >= *replugAt_) {
            replugAt_.reset();
            if (!Replug())
                return false;
            if (options_.replugEvery > 0 && options_.replugCycles == 0)
                unplugAt_ = Clock::now() +
                    std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(options_.replugEvery));
        }
        CheckFresh();
        // Fine steps while a replug's first fresh value is awaited, so it is
        // timed to 10 ms; else until the next thing to do.
        TimePoint wake = std::min(nextRefresh_, deadline);
        if (act)
            wake = std::min(wake, nextAction_);
        if (unplugAt_)
            wake = std::min(wake, *unplugAt_);
        if (replugAt_)
            wake = std::min(wake, *replugAt_);
        if (!freshSincePlug_)
            wake = std::min(wake, Clock::now() + 10ms);
        std::this_thread::sleep_until(wake);
    }
}

bool Soak::FinalRound()
{
    // A link that fails with the faults stopped (an ACK later than its wait
    // on a machine under load) is replaced like any other, and the round is
    // tried again on the new object, as a user would; up to three tries, and
    // each retry is reported.
    for (int attempt = 1; attempt <= kFinalRoundTries; ++attempt) {
        switch (FinalAttempt()) {
        case FinalOutcome::Done: finalRoundDone_ = true; return true;
        case FinalOutcome::Failed: return false;
        case FinalOutcome::LinkFailed: ++finalRoundRetries_; break;
        }
    }
    findings_.Add("the link failed in each of the last round's " + std::to_string(kFinalRoundTries) +
                  " tries, with no faults");
    return false;
}

Soak::FinalOutcome Soak::FinalAttempt()
{
    // A ready object whose link is quiet, a poll after its last write.
    const auto settled = [this] {
        const std::shared_ptr<CClockDevice> d = connection_.Device();
        return d && d->IsReady() && d->NoWritePending() && freshSincePlug_;
    };
    const auto quiet = [this](uint32_t polls) {
        return [this, polls] {
            const std::shared_ptr<CClockDevice> d = connection_.Device();
            return d && d->IsReady() && d->NoWritePending() && d->GetPollCount() > polls + 1;
        };
    };
    if (!LoopUntil(settled, Clock::now() + 30s, false)) {
        findings_.Add("the link did not come back within 30 s once the faults stopped");
        return FinalOutcome::Failed;
    }
    const uint64_t generation = connection_.Generation();
    const auto linkFailed = [this, generation] {
        const std::shared_ptr<CClockDevice> d = connection_.Device();
        return connection_.Generation() != generation || !d || !d->IsOnline();
    };
    {
        CClockConnection::Hold hold = connection_.HoldDevice();
        if (!hold || !SetRandomConfig(*hold, hold.Device(), true) || !SetRandomTime(*hold, hold.Device(), false)) {
            findings_.Add("the last round's configuration or time was refused");
            return FinalOutcome::Failed;
        }
    }
    uint32_t polls = connection_.Device() ? connection_.Device()->GetPollCount() : 0;
    if (!LoopUntil(quiet(polls), Clock::now() + 10s, false)) {
        if (linkFailed())
            return FinalOutcome::LinkFailed;
        findings_.Add("the last round's writes did not go out within 10 s");
        return FinalOutcome::Failed;
    }
    {
        CClockConnection::Hold hold = connection_.HoldDevice();
        if (linkFailed() || !hold || !hold->IsReady())
            return FinalOutcome::LinkFailed;
        ClockConfig shadow;
        hold->GetConfig(shadow);
        if (shadow.handMotion != kHandsStopped) {
            findings_.Add("the last round's configuration left the hands running (hand motion " +
                          std::to_string(shadow.handMotion) + ")");
            return FinalOutcome::Failed;
        }
        if (!SetRandomDisplay(*hold, hold.Device())) {
            findings_.Add("the last round's hand setting was refused with the hands stopped");
            return FinalOutcome::Failed;
        }
    }
    polls = connection_.Device() ? connection_.Device()->GetPollCount() : 0;
    if (!LoopUntil(quiet(polls), Clock::now() + 10s, false) || linkFailed()) {
        if (linkFailed())
            return FinalOutcome::LinkFailed;
        findings_.Add("the last round's hand setting did not go out within 10 s");
        return FinalOutcome::Failed;
    }
    const uint8_t protocol = connection_.Device()->GetProtocolVersion();
    if (EncodeConfig(sim_.Clock().Config(), protocol) != EncodeConfig(lastConfig_, protocol))
        findings_.Add("the clock holds another configuration than the last one set");
    const std::vector<SimSet> sets = sim_.Clock().Sets();
    if (sets.empty() || EncodeSetTime(sets.back().time) != EncodeSetTime(lastTime_))
        findings_.Add("the clock's last time set is not the last one the user set");
    if (!(sim_.Clock().Display() == lastDisplay_))
        findings_.Add("the clock holds another hand setting than the last one set");
    return FinalOutcome::Done;
}

void Soak::ClassifyWrites()
{
    for (size_t i = 0; i < writes_.size(); ++i) {
        const AcceptedWrite& w = writes_[i];
        if (ledger_.Reached(w.code, w.payload, w.accepted)) {
            ++reached_;
            continue;
        }
        bool later = false;
        for (size_t j = i + 1; j < writes_.size() && !later; ++j)
            later = writes_[j].code == w.code && SameDevice(writes_[j].device, w.device);
        if (later) {
            ++replaced_;
            continue;
        }
        const std::shared_ptr<CClockDevice> device = w.device.lock();
        if (!device || !device->IsOnline()) {
            ++failedWithDevice_;
            continue;
        }
        // A time write at an instant the link could not keep is not sent,
        // and its report says so.
        TimedWrite report;
        if (w.ticket != 0 && device->GetTimedWrite(w.ticket, report) && report.outcome == TimedWrite::Outcome::Missed) {
            ++missed_;
            continue;
        }
        ++lost_;
        char code[8];
        std::snprintf(code, sizeof code, "%02X", w.code);
        findings_.Add(std::string("write ") + code + " " + w.payload +
                      " was accepted, never reached the clock, and its device object is still up");
    }
}

int Soak::Run()
{
    // A sanitizer's runtime may start a thread of its own at the first
    // thread the program makes; one made and joined first keeps it out of
    // the comparison.
    std::thread([] {}).join();
    start_ = OwnResources(sim_);
    if (!SetUp())
        return 1;
    std::thread watchdog;
    heartbeat_.store(Ticks(Clock::now()), std::memory_order_release);
    watchdog = std::thread(&Soak::Watchdog, this);
    connection_.Start();
    const TimePoint began = Clock::now();
    nextRefresh_ = began + kRefresh;
    nextAction_ = began + 500ms;
    const auto seconds = [](double s) {
        return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(s));
    };

    if (options_.replugCycles > 0) {
        std::uniform_real_distribution<double> pause(0.5, 6.0);
        std::uniform_real_distribution<double> serve(0.5, 2.0);
        for (int cycle = 0; cycle < options_.replugCycles && !g_interrupted; ++cycle) {
            if (!LoopUntil([this] { return freshSincePlug_; }, Clock::now() + 30s, false)) {
                findings_.Add("cycle " + std::to_string(cycle) + ": no fresh value within 30 s of the replug");
                break;
            }
            LoopUntil([] { return false; }, Clock::now() + seconds(serve(random_)), false);
            // The cable stays out for a while drawn over the window's whole
            // replacement cadence and beyond, unless the pause was given.
            pause_ = options_.replugPause.value_or(pause(random_));
            unplugAt_ = Clock::now();
            const uint64_t before = replugs_;
            if (!LoopUntil([this, before] { return replugs_ > before; }, Clock::now() + 700s, false))
                break;
            if (options_.verbose)
                std::printf("cycle %d: out for %.2f s\n", cycle, pause_);
        }
        LoopUntil([this] { return freshSincePlug_; }, Clock::now() + 30s, false);
    } else {
        pause_ = options_.replugPause.value_or(1.0);
        if (options_.replugEvery > 0)
            unplugAt_ = began + seconds(options_.replugEvery);
        LoopUntil([] { return false; }, began + seconds(options_.seconds), true);
        // The faults stop and the cable goes back in for the last round.
        sim_.Clock().SetFaults(SimFaults{});
        unplugAt_.reset();
        if (replugAt_) {
            replugAt_.reset();
            Replug();
        }
        FinalRound();
        ClassifyWrites();
    }
    const double ran = std::chrono::duration<double>(Clock::now() - began).count();

    // The closing steps are watched too: they must end within the limit.
    heartbeat_.store(Ticks(Clock::now()), std::memory_order_release);
    connection_.Shutdown();
    sim_.Stop();
    stopWatchdog_.store(true, std::memory_order_release);
    watchdog.join();
    const Resources end = OwnResources(sim_);
    if (!(end == start_))
        findings_.Add("at the end " + Describe(end) + "; at the start " + Describe(start_));
    ::rmdir(directory_.c_str());
    Report(ran);
    return findings_.Count() == 0 ? 0 : 1;
}

void Soak::Report(double seconds)
{
    const uint64_t exchanges = ledger_.Exchanges();
    const uint64_t faulted = ledger_.Faulted();
    const double share = exchanges ? 100.0 * static_cast<double>(faulted) / static_cast<double>(exchanges) : 0;
    std::printf("ran %.0f s: %llu exchanges, %llu faulted (%.1f%%)", seconds,
                static_cast<unsigned long long>(exchanges), static_cast<unsigned long long>(faulted), share);
    const auto kinds = ledger_.FaultKinds();
    if (!kinds.empty()) {
        std::printf(":");
        for (const auto& [kind, count] : kinds)
            std::printf(" %s %llu", SimFaultName(kind), static_cast<unsigned long long>(count));
    }
    std::printf("\n");
    std::printf("device objects: %llu made, %llu replaced offline; %llu replugs; %llu link messages closed\n",
                static_cast<unsigned long long>(connection_.Generation()),
                static_cast<unsigned long long>(replacements_), static_cast<unsigned long long>(replugs_),
                static_cast<unsigned long long>(messages_.load()));
    if (options_.replugCycles == 0) {
        std::printf(
            "writes: %zu accepted (%llu refused while not possible): %llu reached the clock, %llu replaced "
            "by a later one before going out, %llu failed with their device object, %llu timed ones reported "
            "missed, %llu lost\n",
            writes_.size(), static_cast<unsigned long long>(refused_), static_cast<unsigned long long>(reached_),
            static_cast<unsigned long long>(replaced_), static_cast<unsigned long long>(failedWithDevice_),
            static_cast<unsigned long long>(missed_), static_cast<unsigned long long>(lost_));
        std::printf("last round after the faults: %s, after %d link failures with no faults\n",
                    finalRoundDone_ ? "landed exactly" : "did not land", finalRoundRetries_);
    }
    std::printf("shown values checked %llu times; descriptors and threads checked at %llu device objects (%s)\n",
                static_cast<unsigned long long>(shownChecks_), static_cast<unsigned long long>(resourceChecks_),
                baseline_.fds >= 0 ? Describe(baseline_).c_str() : "none ready");
    if (unpluggedWall_ > 0)
        std::printf("CPU while unplugged: %.2f%% of a core over %.1f s\n", 100.0 * unpluggedCpu_ / unpluggedWall_,
                    unpluggedWall_);
    if (!replugToFresh_.empty())
        std::printf("replug to first fresh value: median %.0f ms, max %.0f ms, %zu of %zu under 3.5 s\n",
                    Median(replugToFresh_), Percentile(replugToFresh_, 1.0),
                    static_cast<size_t>(std::count_if(replugToFresh_.begin(), replugToFresh_.end(),
                                                      [](double ms) { return ms < 3500; })),
                    replugToFresh_.size());
    if (!disturbedToFresh_.empty())
        std::printf(
            "  of these %zu found the new device held by another program for a while (the system gave "
            "it a number that program had used; its times %s ms); the other %zu: median %.0f ms, max %.0f "
            "ms\n",
            disturbedToFresh_.size(), Join(disturbedToFresh_).c_str(), undisturbedToFresh_.size(),
            Median(undisturbedToFresh_), Percentile(undisturbedToFresh_, 1.0));

    const int failed = findings_.Count();
    std::printf("soak: %s: %.0f s, %.1f%% of %llu exchanges faulted, %llu replugs, %llu device objects",
                failed == 0 ? "OK" : "FAILED", seconds, share, static_cast<unsigned long long>(exchanges),
                static_cast<unsigned long long>(replugs_), static_cast<unsigned long long>(connection_.Generation()));
    if (options_.replugCycles == 0)
        std::printf(", %zu writes (%llu lost), last round %s", writes_.size(), static_cast<unsigned long long>(lost_),
                    finalRoundDone_ ? "exact" : "missing");
    if (finalRoundRetries_ > 0)
        std::printf(" (tried again after %d link failures with no faults)", finalRoundRetries_);
    if (!replugToFresh_.empty())
        std::printf(", replug to fresh value median %.0f ms max %.0f ms", Median(replugToFresh_),
                    Percentile(replugToFresh_, 1.0));
    std::printf(", %d failed checks\n", failed);
}

}  // namespace

int main(int argc, char** argv)
{
    const Options options = ParseOptions(argc, argv);
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
    Soak soak(options);
    return soak.Run();
}
