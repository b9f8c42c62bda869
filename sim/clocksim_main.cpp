// kerovant-clocksim: a simulated clock on a pseudo-terminal. Prints the
// device path, then serves until SIGINT, SIGTERM or SIGHUP.
#include "ClockCodec.h"
#include "LinkTiming.h"
#include "SimClock.h"

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <pthread.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitFailure = 1;

const char kUsage[] =
    "Usage: kerovant-clocksim [options]\n"
    "A simulated clock on a pseudo-terminal. Prints the device path, then serves\n"
    "until interrupted (SIGINT, SIGTERM, SIGHUP). Commands and answers take the\n"
    "time they take on the clock's 57600-baud cable.\n"
    "\n"
    "Identity:\n"
    "  --family-id HEX         family ID reported by command B0 (default 0150)\n"
    "  --cpu-type HEX          CPU type reported by command B2 (default 0021)\n"
    "  --firmware X.Y.Z        firmware version (default 1.3.0)\n"
    "  --serial N              serial number, decimal or 0x-prefixed hex (default 10472)\n"
    "  --time-code KIND        none, smpte, irig-pwm, irig-am or a number 0-255 (default smpte)\n"
    "  --fps N                 SMPTE frame rate 1-256 (default 30)\n"
    "Time:\n"
    "  --offset SECONDS        start the clock SECONDS ahead of this computer's UTC\n"
    "                          (behind when negative; default 0)\n"
    "  --whole-seconds         report times without fractions of a second\n"
    "Device:\n"
    "  --link PATH             make PATH a symbolic link to the device while serving\n"
    "  --usb-latency MS        deliver the answers as a USB bridge whose latency timer\n"
    "                          is MS milliseconds (0-255) does: held until 62 bytes\n"
    "                          have gathered or MS have passed since the first (default\n"
    "                          0: no bridge, as soon as they leave the clock)\n"
    "Faults:\n"
    "  --silent                answer nothing, not even the hello\n"
    "  --ignore CODE           never answer command CODE (hex)\n"
    "  --nak CODE              answer command CODE (hex) with NAK\n"
    "  --keep CODE             acknowledge command CODE (hex) and do nothing: a write\n"
    "                          leaves the clock as it was\n"
    "  --short CODE            answer command CODE (hex) two characters short\n"
    "  --wrong-code CODE       answer command CODE (hex) under the next code\n"
    "  --bad-checksum-every N  give every Nth reply frame a wrong checksum\n"
    "  --slow CODE:MS          answer command CODE (hex, or 'all') MS milliseconds late\n"
    "  --noise CODE            put noise bytes on the line before the answer to CODE (hex)\n"
    "  --ack-in-frame CODE     put an ACK inside the reply frame to command CODE (hex)\n"
    "  --fault-percent P       fault P percent of the exchanges (0-100) with a fault\n"
    "                          drawn from --fault-kinds\n"
    "  --fault-kinds LIST      the faults to draw from, comma-separated: checksum, drop,\n"
    "                          noise, slow, short, ack-in-frame, wrong-code (default all)\n"
    "  --fault-seed N          seed of the draws; the same seed gives the same faults\n"
    "                          for the same commands (default 1)\n"
    "  --unplug-after SECONDS  close the device after SECONDS, as if the cable were pulled\n"
    "  --replug-after SECONDS  SECONDS after an unplug serve a new device at the --link\n"
    "                          path, then unplug again after --unplug-after\n"
    "Other:\n"
    "  --log                   print every received command and its payload, and\n"
    "                          the error of every set of the time\n"
    "  --version               show the version\n"
    "  --help                  show this text\n";

struct Options {
    SimIdentity identity;
    SimFaults faults;
    SimTiming timing{false, kLineBaudRate};
    double offsetSeconds = 0;
    std::string link;
    std::optional<double> unplugAfter;
    std::optional<double> replugAfter;
    bool log = false;
    bool version = false;
};

// Thrown for a bad command line; the text says what is wrong.
struct UsageError {
    std::string message;
};

[[noreturn]] void Bad(const std::string& option, const std::string& value, const std::string& expected)
{
    throw UsageError{"invalid value '" + value + "' for " + option + ": expected " + expected};
}

bool ParseUnsigned(std::string_view text, int base, unsigned long long max, unsigned long long& out)
{
    if (text.empty())
        return false;
    unsigned long long value = 0;
    for (char ch : text) {
        int digit = -1;
        if (ch >= '0' && ch <= '9')
            digit = ch - '0';
        else if (base == 16 && ch >= 'a' && ch <= 'f')
            digit = ch - 'a' + 10;
        else if (base == 16 && ch >= 'A' && ch <= 'F')
            digit = ch - 'A' + 10;
        if (digit < 0)
            return false;
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (value > max)
            return false;
    }
    out = value;
    return true;
}

std::string_view StripHexPrefix(std::string_view text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.remove_prefix(2);
    return text;
}

unsigned long long Hex(const std::string& option, const std::string& value, unsigned long long max)
{
    unsigned long long out = 0;
    if (!ParseUnsigned(StripHexPrefix(value), 16, max, out))
        Bad(option, value, max == 0xFF ? "a command code in hex, 00 to FF" : "a hex number up to FFFF");
    return out;
}

unsigned long long Decimal(const std::string& option, const std::string& value, unsigned long long min,
                           unsigned long long max)
{
    unsigned long long out = 0;
    if (!ParseUnsigned(value, 10, max, out) || out < min)
        Bad(option, value, "a whole number from " + std::to_string(min) + " to " + std::to_string(max));
    return out;
}

FirmwareVersion ParseFirmware(const std::string& option, const std::string& value)
{
    unsigned long long parts[3] = {};
    size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        const size_t dot = value.find('.', start);
        const bool last = i == 2;
        if (last != (dot == std::string::npos))
            Bad(option, value, "X.Y.Z with each part 0 to 255");
        const std::string_view part = std::string_view(value).substr(start, last ? std::string::npos : dot - start);
        if (!ParseUnsigned(part, 10, 255, parts[i]))
            Bad(option, value, "X.Y.Z with each part 0 to 255");
        start = dot + 1;
    }
    return {static_cast<uint8_t>(parts[0]), static_cast<uint8_t>(parts[1]), static_cast<uint8_t>(parts[2])};
}

uint8_t ParseTimeCode(const std::string& option, const std::string& value)
{
    if (value == "none")
        return kTimeCodeNone;
    if (value == "smpte")
        return kTimeCodeSmpte;
    if (value == "irig-pwm")
        return kTimeCodeIrigBPwm;
    if (value == "irig-am")
        return kTimeCodeIrigBAm;
    unsigned long long out = 0;
    if (!ParseUnsigned(value, 10, 255, out))
        Bad(option, value, "none, smpte, irig-pwm, irig-am or a number 0 to 255");
    return static_cast<uint8_t>(out);
}

void ParseSlow(const std::string& option, const std::string& value, SimFaults& faults)
{
    const size_t colon = value.find(':');
    if (colon == std::string::npos)
        Bad(option, value, "CODE:MS, CODE in hex or 'all'");
    const std::string code = value.substr(0, colon);
    const std::string ms = value.substr(colon + 1);
    faults.slowCode = code == "all" ? -1 : static_cast<int>(Hex(option, code, 0xFF));
    faults.slowDelay = std::chrono::milliseconds(Decimal(option, ms, 0, 3600000));
    faults.slowCount = -1;
}

double ParseSeconds(const std::string& option, const std::string& value)
{
    char* end = nullptr;
    errno = 0;
    const double seconds = std::strtod(value.c_str(), &end);
    if (value.empty() || end != value.c_str() + value.size() || errno != 0 || !std::isfinite(seconds) || seconds < 0 ||
        seconds > 1e7)
        Bad(option, value, "a number of seconds, 0 or more");
    return seconds;
}

// Far enough for a clock that was never set (it counts from 1900).
constexpr double kLargestOffset = 5e9;

double ParseOffset(const std::string& option, const std::string& value)
{
    char* end = nullptr;
    errno = 0;
    const double seconds = std::strtod(value.c_str(), &end);
    if (value.empty() || end != value.c_str() + value.size() || errno != 0 || !std::isfinite(seconds) ||
        std::fabs(seconds) > kLargestOffset)
        Bad(option, value, "a number of seconds from -5000000000 to 5000000000, for example 12 or -0.25");
    return seconds;
}

// One option of the command line: its name, and its value given after it
// or with '='.
class OptionArg {
public:
    OptionArg(int argc, char** argv, int& i) : argc_(argc), argv_(argv), i_(i), name_(argv[i])
    {
        if (name_.rfind("--", 0) == 0) {
            const size_t eq = name_.find('=');
            if (eq != std::string::npos) {
                inlineValue_ = name_.substr(eq + 1);
                name_.resize(eq);
            }
        }
    }

    const std::string& Name() const { return name_; }

    // For an option that takes no value.
    void Flag() const
    {
        if (inlineValue_)
            throw UsageError{"option " + name_ + " takes no value"};
    }

    std::string Value()
    {
        if (inlineValue_)
            return *inlineValue_;
        if (i_ + 1 >= argc_)
            throw UsageError{"option " + name_ + " needs a value"};
        return argv_[++i_];
    }

private:
    int argc_;
    char** argv_;
    int& i_;
    std::string name_;
    std::optional<std::string> inlineValue_;
};

uint32_t ParseSerial(const std::string& option, const std::string& value)
{
    unsigned long long serial = 0;
    const std::string_view hex = StripHexPrefix(value);
    const bool ok = hex.size() != value.size() ? ParseUnsigned(hex, 16, 0xFFFFFFFF, serial)
                                               : ParseUnsigned(value, 10, 0xFFFFFFFF, serial);
    if (!ok)
        Bad(option, value, "a number from 0 to 4294967295");
    return static_cast<uint32_t>(serial);
}

// The options of what the clock says of itself; false for another option.
bool ParseIdentityOption(OptionArg& a, SimIdentity& identity)
{
    const std::string& arg = a.Name();
    if (arg == "--family-id")
        identity.familyId = static_cast<uint16_t>(Hex(arg, a.Value(), 0xFFFF));
    else if (arg == "--cpu-type")
        identity.cpuType = static_cast<uint16_t>(Hex(arg, a.Value(), 0xFFFF));
    else if (arg == "--firmware")
        identity.firmware = ParseFirmware(arg, a.Value());
    else if (arg == "--serial")
        identity.serialNumber = ParseSerial(arg, a.Value());
    else if (arg == "--time-code")
        identity.timeCodeType = ParseTimeCode(arg, a.Value());
    else if (arg == "--fps")
        identity.smpteFrameMax = static_cast<uint8_t>(Decimal(arg, a.Value(), 1, 256) - 1);
    else
        return false;
    return true;
}

// The options of the faults; false for another option.
bool ParseFaultOption(OptionArg& a, SimFaults& faults)
{
    const std::string& arg = a.Name();
    if (arg == "--silent") {
        a.Flag();
        faults.silent = true;
    } else if (arg == "--ignore") {
        faults.ignoreCode = static_cast<int>(Hex(arg, a.Value(), 0xFF));
    } else if (arg == "--nak") {
        faults.nakCode = static_cast<int>(Hex(arg, a.Value(), 0xFF));
    } else if (arg == "--keep") {
        faults.keepCode = static_cast<int>(Hex(arg, a.Value(), 0xFF));
    } else if (arg == "--short") {
        faults.shortCode = static_cast<int>(Hex(arg, a.Value(), 0xFF));
    } else if (arg == "--wrong-code") {
        faults.wrongCode = static_cast<int>(Hex(arg, a.Value(), 0xFF));
    } else if (arg == "--bad-checksum-every") {
        faults.badChecksumEvery = static_cast<int>(Decimal(arg, a.Value(), 1, 1000000));
    } else if (arg == "--slow") {
        ParseSlow(arg, a.Value(), faults);
    } else if (arg == "--noise") {
        faults.noiseCode = static_cast<int>(Hex(arg, a.Value(), 0xFF));
    } else if (arg == "--ack-in-frame") {
        faults.ackInFrameCode = static_cast<int>(Hex(arg, a.Value(), 0xFF));
    } else if (arg == "--fault-percent") {
        faults.faultPercent = static_cast<int>(Decimal(arg, a.Value(), 0, 100));
    } else if (arg == "--fault-kinds") {
        const std::string v = a.Value();
        if (!ParseSimFaultKinds(v, faults.faultKinds))
            Bad(arg, v,
                "'all' or a comma-separated list of checksum, drop, noise, slow, short, ack-in-frame, wrong-code");
    } else if (arg == "--fault-seed") {
        faults.faultSeed = Decimal(arg, a.Value(), 0, 999999999999999999ULL);
    } else {
        return false;
    }
    return true;
}

// The options of time, the device and the run; false for another option.
bool ParseRunOption(OptionArg& a, Options& o)
{
    const std::string& arg = a.Name();
    if (arg == "--version" || arg == "-v") {
        a.Flag();
        o.version = true;
    } else if (arg == "--offset") {
        o.offsetSeconds = ParseOffset(arg, a.Value());
    } else if (arg == "--whole-seconds") {
        a.Flag();
        o.timing.wholeSeconds = true;
    } else if (arg == "--link") {
        o.link = a.Value();
        if (o.link.empty())
            Bad(arg, o.link, "a path");
    } else if (arg == "--usb-latency") {
        o.timing.usbLatency = std::chrono::milliseconds(Decimal(arg, a.Value(), 0, 255));
    } else if (arg == "--unplug-after") {
        o.unplugAfter = ParseSeconds(arg, a.Value());
    } else if (arg == "--replug-after") {
        o.replugAfter = ParseSeconds(arg, a.Value());
    } else if (arg == "--log") {
        a.Flag();
        o.log = true;
    } else {
        return false;
    }
    return true;
}

Options ParseOptions(int argc, char** argv, bool& help)
{
    Options o;
    help = false;
    for (int i = 1; i < argc; ++i) {
        OptionArg a(argc, argv, i);
        if (a.Name() == "--help" || a.Name() == "-h")
            help = true;
        else if (!ParseIdentityOption(a, o.identity) && !ParseFaultOption(a, o.faults) && !ParseRunOption(a, o))
            throw UsageError{"unknown option '" + std::string(argv[i]) + "'"};
    }
    if (o.replugAfter && !o.unplugAfter)
        throw UsageError{"option --replug-after needs --unplug-after"};
    return o;
}

void PrintReceived(const SimReceived& r, std::chrono::steady_clock::time_point started)
{
    const double at = std::chrono::duration<double>(r.when - started).count();
    if (r.payload.empty())
        std::printf("%10.3f  %02X %s\n", at, r.code, CommandName(r.code));
    else
        std::printf("%10.3f  %02X %-30s %s\n", at, r.code, CommandName(r.code), r.payload.c_str());
    if (r.setError)
        std::printf("%10s  set %+.6f s from this computer's UTC\n", "",
                    std::chrono::duration<double>(*r.setError).count());
    std::fflush(stdout);
}

// The signals that stop the program, blocked in this thread and in every
// thread it starts after.
sigset_t BlockStopSignals()
{
    // The signals are blocked in every thread and taken by sigwait in Serve, so
    // no handler runs in the middle of the serving thread's work. A signal
    // that is ignored is discarded instead of waiting to be taken, so each
    // gets its default action back first. SIGINT is taken even when the
    // caller ignored it: a script's background job starts with SIGINT
    // ignored, and an interrupt is how the program is meant to stop. SIGHUP
    // stays ignored when the caller wants that (nohup).
    sigset_t signals;
    sigemptyset(&signals);
    for (int s : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction current { };
        if (s != SIGHUP || (sigaction(s, nullptr, &current) == 0 && current.sa_handler != SIG_IGN)) {
            std::signal(s, SIG_DFL);
            sigaddset(&signals, s);
        }
    }
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    return signals;
}

// A failure names the link when the link was the trouble; otherwise the
// system gave no pseudo-terminal.
void ReportStartFailure(const Options& options, const std::string& why)
{
    const bool link = !options.link.empty() && why.find(options.link) != std::string::npos;
    std::fprintf(stderr, "kerovant-clocksim: %s%s\n", link ? "" : "no pseudo-terminal: ", why.c_str());
}

// Serves until one of the signals comes, unplugging and replugging the
// device as the options say; the program's exit status.
int Serve(CSimServer& server, const Options& options, const sigset_t& signals,
          std::chrono::steady_clock::time_point started)
{
    std::string error;
    using SteadyClock = std::chrono::steady_clock;
    const auto after = [](double seconds) {
        return std::chrono::duration_cast<SteadyClock::duration>(std::chrono::duration<double>(seconds));
    };
    // The next unplug or replug, whichever is due.
    std::optional<SteadyClock::time_point> unplugAt;
    std::optional<SteadyClock::time_point> replugAt;
    if (options.unplugAfter)
        unplugAt = started + after(*options.unplugAfter);
    int status = 0;
    for (;;) {
        int signal = 0;
        std::optional<SteadyClock::time_point> next = unplugAt ? unplugAt : replugAt;
        if (next) {
            const auto now = SteadyClock::now();
            const auto left = *next - now;
            if (left <= SteadyClock::duration::zero()) {
                if (unplugAt) {
                    server.Unplug();
                    unplugAt.reset();
                    if (options.replugAfter)
                        replugAt = now + after(*options.replugAfter);
                    if (options.log) {
                        std::printf("unplugged\n");
                        std::fflush(stdout);
                    }
                } else {
                    replugAt.reset();
                    if (!server.Start(&error)) {
                        ReportStartFailure(options, error);
                        status = kExitFailure;
                        break;
                    }
                    unplugAt = SteadyClock::now() + after(*options.unplugAfter);
                    // The new device's path, as at the start.
                    std::printf("%s\n", server.DevicePath().c_str());
                    std::fflush(stdout);
                }
                continue;
            }
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
            timespec timeout{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
            signal = sigtimedwait(&signals, nullptr, &timeout);
        } else if (sigwait(&signals, &signal) != 0) {
            break;
        }
        if (signal > 0)
            break;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    bool help = false;
    try {
        options = ParseOptions(argc, argv, help);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "kerovant-clocksim: %s\nTry 'kerovant-clocksim --help' for the options.\n",
                     e.message.c_str());
        return kExitUsage;
    }
    if (help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options.version) {
        std::printf("kerovant-clocksim %s\n", KEROVANT_VERSION);
        return 0;
    }

    const sigset_t signals = BlockStopSignals();

    const auto started = std::chrono::steady_clock::now();
    CSimServer server(options.identity);
    server.Clock().SetFaults(options.faults);
    server.Clock().SetTiming(options.timing);
    server.Clock().SetUtcOffset(
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::duration<double>(options.offsetSeconds)));
    if (options.log)
        server.Clock().SetObserver([started](const SimReceived& r) { PrintReceived(r, started); });

    std::string error;
    server.SetLinkPath(options.link);
    if (!server.Start(&error)) {
        ReportStartFailure(options, error);
        return kExitFailure;
    }
    std::printf("%s\n", server.DevicePath().c_str());
    std::fflush(stdout);

    const int status = Serve(server, options, signals, started);
    server.Stop();
    return status;
}
