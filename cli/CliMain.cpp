// kerovant-cli: connects to a clock and prints what it reports, for scripts
// and monitoring.
//
//   kerovant-cli [--port PATH] [--timeout SECONDS] status
//   kerovant-cli [--port PATH] [--timeout SECONDS] watch
#include "ClockCodec.h"
#include "ClockDevice.h"
#include "ClockOffset.h"
#include "StatusText.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;

volatile std::sig_atomic_t g_interrupted = 0;

void OnSignal(int)
{
    g_interrupted = 1;
}

void Usage(FILE* out)
{
    std::fprintf(out,
                 "Usage: kerovant-cli [--port PATH] [--timeout SECONDS] status|watch\n"
                 "\n"
                 "  status   wait until the clock is identified, print its identity, times,\n"
                 "           how far it is from this computer, time code and configuration,\n"
                 "           and exit\n"
                 "  watch    print the clock's times, how far it is from this computer and\n"
                 "           its time code status on every poll until interrupted\n"
                 "\n"
                 "  --port PATH        the clock's serial device (default: the first USB\n"
                 "                     bridge found)\n"
                 "  --timeout SECONDS  give up waiting for the clock after this long\n"
                 "                     (default: when the link gives up, about 3 s)\n"
                 "  --help             this text\n"
                 "\n"
                 "Exit status: 0 success, 1 no clock or link lost, 2 bad usage, 130 interrupted\n"
                 "(Ctrl-C) while waiting for the clock.\n");
}

// Prints a record field by field.
class FieldPrinter {
public:
    void Flag(uint8_t v, const char* name) { std::printf("  %-20s %u\n", name, v); }
    void U8(uint8_t v, const char* name) { std::printf("  %-20s %u\n", name, v); }
    void U16(uint16_t v, const char* name) { std::printf("  %-20s %u\n", name, v); }
    void U32(uint32_t v, const char* name) { std::printf("  %-20s %lu\n", name, static_cast<unsigned long>(v)); }
    template <size_t N> void U8s(const std::array<uint8_t, N>& values, const char* name)
    {
        std::printf("  %-20s", name);
        for (uint8_t v : values)
            std::printf(" %u", v);
        std::printf("\n");
    }
};

// Why the clock could not be reached, in words a user can act on.
std::string Cause(const CClockDevice& device, bool everOnline)
{
    const LinkPhase phase = everOnline ? LinkPhase::StoppedAnswering : LinkPhase::NoAnswer;
    return OfflineCause(device.GetPortState(), device.GetDevicePath(), phase);
}

// How long status waits for the clock's offset to settle: a clock that
// counts whole seconds needs a step of its seconds, up to a second away.
constexpr auto kOffsetWait = 2s;
// Readings of a clock with fractions that status waits for.
constexpr size_t kOffsetReadings = 3;

// The clock's offset from this computer once enough readings are in, or
// what is known when the wait ends.
ClockOffset SettledOffset(const CClockDevice& device)
{
    const auto deadline = std::chrono::steady_clock::now() + kOffsetWait;
    for (;;) {
        ClockTimeHistory history;
        device.GetTimeHistory(history);
        const ClockOffset offset = EstimateClockOffset(history);
        const bool enough = offset.known && (offset.approximate || offset.count >= kOffsetReadings);
        if (enough || g_interrupted || device.GetState() == CClockDevice::kStateFailed ||
            std::chrono::steady_clock::now() > deadline)
            return offset;
        std::this_thread::sleep_for(20ms);
    }
}

std::string OffsetLine(const ClockOffset& offset)
{
    return offset.known ? ClockOffsetText(offset) : std::string(kClockOffsetLabel) + "not known";
}

void PrintStatus(const CClockDevice& device)
{
    const uint8_t product = g_productIndex.load();
    const uint16_t family = device.GetFamilyId();
    if (product < kProductCount)
        std::printf("Product:           %s (%s, %s)\n", ProductTitle(product).c_str(), g_products[product].model,
                    g_products[product].company);
    else
        std::printf("Product:           unknown\n");
    std::printf("Family ID:         0x%04X\n", family);
    FirmwareVersion firmware;
    device.GetFirmwareVersion(firmware);
    std::printf("%s\n", FirmwareText(firmware).c_str());
    std::printf("%s\n", SerialText(device.GetSerialNumber()).c_str());
    std::printf("Protocol version:  %u\n", g_protocolVersion.load());
    ClockTime utc;
    ClockTime local;
    device.GetClockTimes(utc, local);
    std::printf("UTC time:          %s\n", FormatClockTime(utc).c_str());
    std::printf("%s\n", OffsetLine(SettledOffset(device)).c_str());
    std::printf("Local time:        %s\n", FormatClockTime(local).c_str());
    TimeCodeStatus status;
    device.GetTimeCodeStatus(status);
    std::printf("Time code:         %s\n", TimeCodeText(status).c_str());
    ClockConfig config;
    device.GetConfig(config);
    std::printf("Configuration:\n");
    FieldPrinter printer;
    VisitConfig(printer, config, g_protocolVersion.load());
    printer.Flag(config.useTimeCodeDate(), "useTimeCodeDate");
    printer.Flag(config.useTimeCodeDateAlt(), "useTimeCodeDateAlt");
}

}  // namespace

int main(int argc, char** argv)
{
    LinkSettings settings;
    std::string command;
    double timeoutSeconds = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            Usage(stdout);
            return 0;
        }
        if (arg == "--port" && i + 1 < argc) {
            const std::string path = argv[++i];
            if (path.empty() || !SetDeviceName(settings, path)) {
                std::fprintf(stderr, "kerovant-cli: the device path must have 1 to %zu characters\n",
                             sizeof settings.deviceName - 1);
                return 2;
            }
        } else if (arg == "--timeout" && i + 1 < argc) {
            char* end = nullptr;
            timeoutSeconds = std::strtod(argv[++i], &end);
            if (!end || *end != '\0' || !(timeoutSeconds > 0)) {
                std::fprintf(stderr, "kerovant-cli: --timeout takes a positive number of seconds\n");
                return 2;
            }
        } else if ((arg == "status" || arg == "watch") && command.empty()) {
            command = arg;
        } else {
            std::fprintf(stderr, "kerovant-cli: unexpected argument '%s'\n", arg.c_str());
            Usage(stderr);
            return 2;
        }
    }
    if (command.empty()) {
        Usage(stderr);
        return 2;
    }

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);

    CClockDevice device(settings);
    const auto start = std::chrono::steady_clock::now();
    bool everOnline = false;
    // The time code status comes with the first poll after identification.
    while (!device.IsReady() || device.GetPollCount() == 0) {
        everOnline |= device.IsOnline();
        if (g_interrupted)
            return 130;
        const bool timedOut = timeoutSeconds > 0 &&
            std::chrono::steady_clock::now() - start > std::chrono::duration<double>(timeoutSeconds);
        if (device.GetState() == CClockDevice::kStateFailed || timedOut) {
            std::fprintf(stderr, "kerovant-cli: %s\n", Cause(device, everOnline).c_str());
            return 1;
        }
        std::this_thread::sleep_for(20ms);
    }

    if (command == "status") {
        PrintStatus(device);
        return 0;
    }

    uint32_t lastPoll = 0;
    while (!g_interrupted) {
        if (device.GetState() == CClockDevice::kStateFailed) {
            std::fprintf(stderr, "kerovant-cli: %s\n", Cause(device, true).c_str());
            return 1;
        }
        const uint32_t poll = device.GetPollCount();
        if (poll != lastPoll) {
            lastPoll = poll;
            ClockTime utc;
            ClockTime local;
            device.GetClockTimes(utc, local);
            TimeCodeStatus status;
            device.GetTimeCodeStatus(status);
            ClockTimeHistory history;
            device.GetTimeHistory(history);
            std::printf("UTC %s   local %s   %s   %s\n", FormatClockTime(utc).c_str(), FormatClockTime(local).c_str(),
                        TimeCodeText(status).c_str(), ClockOffsetText(EstimateClockOffset(history)).c_str());
            std::fflush(stdout);
        }
        std::this_thread::sleep_for(20ms);
    }
    return 0;
}
