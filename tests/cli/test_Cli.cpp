// kerovant-cli run as a user would, against the simulated clock over a
// pseudo-terminal; what the clock stored is read back from the simulated
// clock itself.
#include "ClockCodec.h"
#include "PortLending.h"
#include "UsbSerialPort.h"
#include "LinkTiming.h"
#include "SimClock.h"
#include "StatusText.h"

#include "PtyHolder.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <functional>
#include <regex>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct CliRun {
    int status = -1;
    std::string output;  // standard output and standard error
};

CliRun RunShell(const std::string& command)
{
    CliRun run;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return run;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe))
        run.output += buffer;
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

CliRun RunCli(const std::string& arguments)
{
    return RunShell(std::string(KEROVANT_CLI) + " " + arguments);
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::string TempPath(const std::string& name)
{
    return ::testing::TempDir() + "kerovant-cli-" + std::to_string(getpid()) + "-" + name;
}

// A folder of this user's own, as the metrics file wants one (a shared
// folder such as /tmp is refused unless it is ours).
std::string TempFolder(const std::string& name)
{
    std::string folder = TempPath(name + "-XXXXXX");
    return ::mkdtemp(folder.data()) ? folder : std::string();
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path) << text;
}

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

// The frames a run left at the clock that change it.
size_t Writes(CSimClock& clock)
{
    return clock.CountReceived(kCmdWriteConfig) + clock.CountReceived(kCmdSetTime) +
        clock.CountReceived(kCmdWriteDisplay);
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sim_.Start()); }
    std::string Port() const { return "--port " + sim_.DevicePath() + " "; }
    CSimClock& Clock() { return sim_.Clock(); }

    CSimServer sim_;
};

TEST_F(CliTest, StatusPrintsWhatTheClockReportsInColumns)
{
    SimIdentity id;
    id.familyId = 0x0350;
    id.serialNumber = 100000000;
    id.firmware = {1, 2, 4};
    id.timeCodeType = kTimeCodeIrigBAm;
    Clock().SetIdentity(id);
    Clock().SetUtc({1, 0, 3517128000u, 0});

    const CliRun run = RunCli(Port() + "status");
    EXPECT_EQ(run.status, 0) << run.output;
    for (const char* line :
         {"Product:           QVR-Set (QVR-K58E20, Quorvane)", "Family ID:         0x0350", "Firmware Version:  1.2.4",
          "Serial Number:     0x05F5E100", "Protocol version:  1",
          "USB latency:       not supported by the device (not a USB bridge)", "UTC time:          2011-06-15 12:00:0",
          "Time code:         IRIG-B(1) : amplitude modulated", "Time zone:         UTC+0:00", "Daylight saving:   off",
          "Illumination:      not supported (protocol version 1)", "Time code date:    not used",
          "Hand motion:       sweep"})
        EXPECT_TRUE(Contains(run.output, std::string("\n") + line) || run.output.rfind(line, 0) == 0) << line << "\n"
                                                                                                      << run.output;
    EXPECT_FALSE(Contains(run.output, "biasSeconds")) << "the record's fields only with --raw";

    const CliRun raw = RunCli(Port() + "status --raw");
    EXPECT_EQ(raw.status, 0) << raw.output;
    EXPECT_TRUE(Contains(raw.output, "\nConfiguration:\n  valid")) << raw.output;
    EXPECT_TRUE(Contains(raw.output, "biasSeconds"));
    EXPECT_TRUE(Contains(raw.output, "useTimeCodeDate")) << "tcOptions are listed";
    EXPECT_FALSE(Contains(raw.output, "illumination")) << "not part of protocol version 1";
    EXPECT_FALSE(Contains(raw.output, "Daylight saving:"));
    EXPECT_EQ(Writes(Clock()), 0u) << "status only reads";
}

TEST_F(CliTest, WatchPrintsALineWhenSomethingChanged)
{
    // About ten polls a second; the times change once a second.
    const std::string watch = std::string(KEROVANT_CLI) + " " + Port() + "watch";
    const CliRun changes = RunShell(watch + " & pid=$!; sleep 1.5; kill -INT $pid; wait $pid");
    EXPECT_EQ(changes.status, 0) << changes.output;
    const auto lines = [](const std::string& text) {
        size_t n = 0;
        for (size_t at = text.find("UTC "); at != std::string::npos; at = text.find("UTC ", at + 1))
            ++n;
        return n;
    };
    EXPECT_GE(lines(changes.output), 1u) << changes.output;
    EXPECT_LE(lines(changes.output), 3u) << changes.output;
    EXPECT_TRUE(Contains(changes.output, "SMPTE 30 fps")) << changes.output;

    const CliRun every = RunShell(watch + " --every-poll & pid=$!; sleep 1.5; kill -INT $pid; wait $pid");
    EXPECT_EQ(every.status, 0) << every.output;
    EXPECT_GE(lines(every.output), 4u) << every.output;
}

TEST_F(CliTest, EachSetterChangesTheClock)
{
    struct Row {
        const char* arguments;
        std::function<bool(const ClockConfig&)> stored;
        const char* says;
    };
    const Row rows[] = {
        {"set timezone Europe/Berlin",
         [](const ClockConfig& c) { return c.biasPositive == 1 && c.biasSeconds == 3600; },
         "Time zone bias set to UTC+1:00 (Europe/Berlin)."},
        {"set timezone -05:30", [](const ClockConfig& c) { return c.biasPositive == 0 && c.biasSeconds == 19800; },
         "UTC-5:30"},
        {"set dst eu",
         [](const ClockConfig& c) {
             return c.dstMode == kDstByWeekday && c.dstStartWeek == 5 && c.dstStartMonth == 3 && c.dstEndMonth == 10 &&
                 c.dstUseUtc == 1 && c.dstBiasSeconds == 3600;
         },
         "Next: Sun"},
        {"set dst --start 'Mar 29 02:00' --end 'Oct 25 03:00' --shift 1:30 --local",
         [](const ClockConfig& c) {
             return c.dstMode == kDstByDate && c.dstStartDay == 29 && c.dstEndDay == 25 && c.dstEndHour == 3 &&
                 c.dstUseUtc == 0 && c.dstBiasSeconds == 5400;
         },
         "(+1:30)"},
        {"set dst --start 'last Sun Mar 01:00' --end '1st Sun Nov 02:00' --shift -0:30",
         [](const ClockConfig& c) {
             return c.dstMode == kDstByWeekday && c.dstEndWeek == 1 && c.dstEndMonth == 11 && c.dstBiasPositive == 0 &&
                 c.dstBiasSeconds == 1800;
         },
         "(-0:30)"},
        {"set dst zone America/New_York",
         [](const ClockConfig& c) { return c.dstMode == kDstByWeekday && c.dstStartWeek == 2 && c.dstEndWeek == 1; },
         "Imported the rules of America/New_York"},
        {"set dst off", [](const ClockConfig& c) { return c.dstMode == kDstDisabled; }, "Daylight time off"},
        {"set dst zone Asia/Kolkata", [](const ClockConfig& c) { return c.dstMode == kDstDisabled; },
         "Asia/Kolkata has no daylight saving time: daylight saving turned off."},
        {"set illumination 3", [](const ClockConfig& c) { return c.illumination == 3; }, "Illumination set to 3.\n"},
        {"set timecode-date on",
         [](const ClockConfig& c) { return c.useTimeCodeDate() == 1 && c.useTimeCodeDateAlt() == 1; },
         "Time code date set to on.\n"},
        {"set timecode-date off",
         [](const ClockConfig& c) { return c.useTimeCodeDate() == 0 && c.useTimeCodeDateAlt() == 0; },
         "Time code date set to off.\n"},
        {"set motion step", [](const ClockConfig& c) { return c.handMotion == kHandsStep; },
         "Hand motion set to step.\n"},
    };
    for (const Row& row : rows) {
        Clock().ClearReceived();
        const CliRun run = RunCli(Port() + row.arguments);
        EXPECT_EQ(run.status, 0) << row.arguments << "\n" << run.output;
        EXPECT_TRUE(row.stored(Clock().Config())) << row.arguments;
        EXPECT_EQ(Clock().CountReceived(kCmdWriteConfig), 1u) << row.arguments;
        EXPECT_TRUE(Contains(run.output, row.says)) << row.arguments << "\n" << run.output;
    }

    Clock().ClearReceived();
    const CliRun time = RunCli(Port() + "set time '2011-06-15 12:00:00'");
    EXPECT_EQ(time.status, 0) << time.output;
    EXPECT_EQ(Clock().CountReceived(kCmdSetTime), 1u);
    const uint32_t seconds = Clock().Utc().seconds;
    EXPECT_GE(seconds, 3517128000u);
    EXPECT_LT(seconds, 3517128000u + 30) << "the clock runs on from the time set";
}

// Each setter exits 0 only when its write landed, 1 naming what became of
// it otherwise, 3 naming the fields when the clock acknowledged it and kept
// other values; a write that did not land leaves the clock as it was.
TEST_F(CliTest, SettersSayWhatBecameOfTheirWrite)
{
    const std::string profile = TempPath("outcome.json");
    ASSERT_EQ(RunCli(Port() + "export " + profile).status, 0);
    WriteFile(profile, Replace(ReadFile(profile), "\"biasSeconds\": 0", "\"biasSeconds\": 7200"));
    const ClockConfig before = Clock().Config();
    struct Row {
        const char* legend;
        std::function<void(SimFaults&)> fault;
        std::string arguments;
        int status;
        const char* says;
    };
    const Row rows[] = {
        {"refused configuration", [](SimFaults& f) { f.nakCode = kCmdWriteConfig; }, "set timezone +02:00", 1,
         "kerovant-cli: the clock refused the time zone.\n"},
        {"unanswered configuration", [](SimFaults& f) { f.ignoreCode = kCmdWriteConfig; }, "set illumination 3", 1,
         "kerovant-cli: the clock did not answer the illumination level; whether it took it is not known.\n"},
        {"refused profile", [](SimFaults& f) { f.nakCode = kCmdWriteConfig; }, "import " + profile, 1,
         "kerovant-cli: the clock refused the profile.\n"},
        {"refused time", [](SimFaults& f) { f.nakCode = kCmdSetTime; }, "set time '2011-06-15 12:00:00'", 1,
         "kerovant-cli: the clock refused the time.\n"},
        {"unanswered time", [](SimFaults& f) { f.ignoreCode = kCmdSetTime; }, "set time '2011-06-15 12:00:00'", 1,
         "kerovant-cli: the clock did not answer the time"},
        {"refused time on the second", [](SimFaults& f) { f.nakCode = kCmdSetTime; }, "set time now", 1,
         "kerovant-cli: the clock refused the time or did not answer it.\n"},
        {"acknowledged, other values kept", [](SimFaults& f) { f.keepCode = kCmdWriteConfig; }, "set timezone +02:00",
         3,
         "kerovant-cli: the clock holds other values than were sent for the time zone: biasSeconds\n"
         "  biasSeconds            asked 7200, holds 0\n"},
        {"accepted", [](SimFaults&) {}, "set timezone +02:00", 0, "Time zone bias set to UTC+2:00."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        SimFaults faults;
        row.fault(faults);
        Clock().SetFaults(faults);
        const CliRun run = RunCli(Port() + row.arguments);
        Clock().SetFaults({});
        EXPECT_EQ(run.status, row.status) << run.output;
        EXPECT_TRUE(Contains(run.output, row.says)) << run.output;
        if (row.status != 0) {
            EXPECT_EQ(Clock().Config(), before) << "nothing changed";
            EXPECT_TRUE(Clock().Sets().empty()) << "nor the time";
        } else {
            EXPECT_FALSE(Contains(run.output, "kerovant-cli:")) << run.output;
        }
    }
    std::remove(profile.c_str());
}

TEST_F(CliTest, SetTimeNowLandsOnTheSecond)
{
    Clock().SetTiming(SimTiming{false, kLineBaudRate});
    Clock().SetUtcOffset(std::chrono::seconds(-40));
    const CliRun now = RunCli(Port() + "set time now");
    EXPECT_EQ(now.status, 0) << now.output;
    EXPECT_TRUE(Contains(now.output, "on the second")) << now.output;
    EXPECT_TRUE(std::regex_search(now.output, std::regex("\nClock vs this computer: [+-]0\\.0[0-4]\\d s\n")))
        << "the offset measured afterwards\n"
        << now.output;
    const std::vector<SimSet> sets = Clock().Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].time.fraction, 0u) << "a whole second, hundredths 0";
    // Generous: the benchmark reports the real figure.
    EXPECT_LT(std::chrono::abs(sets[0].error), std::chrono::milliseconds(50))
        << std::chrono::duration<double>(sets[0].error).count() << " s";
}

TEST(Cli, StatusAndWatchSayHowFarTheClockIsFromTheComputer)
{
    CSimServer sim;
    sim.Clock().SetTiming(SimTiming{false, kLineBaudRate});
    sim.Clock().SetUtcOffset(std::chrono::seconds(12));
    ASSERT_TRUE(sim.Start());
    const std::string port = "--port " + sim.DevicePath() + " ";
    const CliRun status = RunCli(port + "status");
    EXPECT_EQ(status.status, 0) << status.output;
    EXPECT_TRUE(Contains(status.output, "\nClock vs this computer: +12.0 s\n")) << status.output;

    const CliRun watch = RunShell(std::string(KEROVANT_CLI) + " " + port +
                                  "watch --every-poll & pid=$!; sleep 1; kill -INT $pid; wait $pid");
    EXPECT_EQ(watch.status, 0) << watch.output;
    size_t lines = 0;
    for (size_t at = watch.output.find("Clock vs this computer: +12.0 s\n"); at != std::string::npos;
         at = watch.output.find("Clock vs this computer: +12.0 s\n", at + 1))
        ++lines;
    EXPECT_GE(lines, 3u) << watch.output;

    // A clock that counts whole seconds is measured from its steps.
    sim.Clock().SetTiming(SimTiming{true, kLineBaudRate});
    const CliRun whole = RunCli(port + "status");
    EXPECT_TRUE(Contains(whole.output, "\nClock vs this computer: about +12.0 s\n")) << whole.output;
}

TEST_F(CliTest, RefusedValuesSendNothing)
{
    struct Row {
        const char* arguments;
        const char* says;
    };
    const Row rows[] = {
        {"set timezone Mars/Olympus", "unknown time zone 'Mars/Olympus'"},
        {"set timezone +24:00", "hours run from 0 to 23"},
        {"set dst --start 'last Sux Mar 01:00' --end 'last Sun Oct 01:00'", "--start: rule 'last Sux Mar 01:00'"},
        {"set dst --start 'Feb 30 02:00' --end 'Oct 25 03:00'", "--start: February has 29 days."},
        {"set dst --start 'last Sun Mar 01:00' --end 'Oct 25 03:00'", "--start and --end: both rules are dates"},
        {"set dst --start 'last Sun Mar 01:00'", "--start and --end go together"},
        {"set dst summer", "unknown choice 'summer'"},
        {"set time '2027-02-29 10:00:00'", "set time: February 2027 has 28 days; the day runs from 1 to 28."},
        {"set time '1999-12-31 23:59:59'", "set time: the year runs from 2001 to 2099."},
        {"set illumination 13", "give a level from 0 to 12"},
        {"set timecode-date maybe", "give on or off"},
        {"set motion stopped", "give sweep or step"},
    };
    for (const Row& row : rows) {
        Clock().ClearReceived();
        const CliRun run = RunCli(Port() + row.arguments);
        EXPECT_EQ(run.status, 2) << row.arguments << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, row.says)) << row.arguments << "\n" << run.output;
        // Refused before the clock is reached: not even a hello.
        EXPECT_TRUE(Clock().Received().empty()) << row.arguments;
    }

    // A clock without an illumination level: known only once it is
    // identified, and refused then.
    SimIdentity old;
    old.firmware = {1, 2, 0};
    Clock().SetIdentity(old);
    Clock().ClearReceived();
    const CliRun level = RunCli(Port() + "set illumination 5");
    EXPECT_EQ(level.status, 2) << level.output;
    EXPECT_TRUE(Contains(level.output, "protocol version 1) has no illumination level")) << level.output;
    EXPECT_GT(Clock().CountReceived(kCmdHello), 0u);
    EXPECT_EQ(Writes(Clock()), 0u);
}

// Input that is no zone, no profile or no time span: exit 2 (UNKNOWN, 3,
// for check), the option or the line and field named, nothing sent, and no
// control character of the input reaching the terminal.
TEST_F(CliTest, BadInputIsRefusedAndNamed)
{
    ASSERT_EQ(RunCli(Port() + "set dst eu").status, 0);
    const std::string good = TempPath("good.json");
    ASSERT_EQ(RunCli(Port() + "export " + good).status, 0);
    const std::string profileText = ReadFile(good);
    const std::string profile = TempPath("bad.json");
    struct Row {
        const char* legend;
        std::string arguments;  // {profile} stands for the profile below
        std::string profile;    // written first when not empty
        int status;
        const char* says;
    };
    const Row rows[] = {
        {"set timezone, a name outside the tz data", "set timezone Berlin", "", 2,
         "kerovant-cli: set timezone: unknown time zone 'Berlin': name a zone of the tz database such as "
         "Europe/Berlin or America/New_York, or an offset such as +01:00 or -05:30. Nothing was sent.\n"},
        {"set dst zone, a name outside the tz data", "set dst zone Berlin", "", 2,
         "kerovant-cli: set dst zone: The time zone \"Berlin\" is not in this computer's time zone data; nothing "
         "was imported. Name a zone of the tz database such as Europe/Berlin or America/New_York. Nothing was "
         "sent.\n"},
        {"check --zone, a name outside the tz data", "check --zone Berlin", "", 3,
         "UNKNOWN - --zone: unknown time zone 'Berlin'; name a zone of the tz database such as Europe/Berlin, or "
         "an offset such as UTC+01:00\n"},
        {"illumination 13", "import {profile}", Replace(profileText, "\"illumination\": 6", "\"illumination\": 13"), 2,
         "kerovant-cli: {profile}, line 54: config.illumination: give a level from 0 to 12, found 13.\n"},
        {"illumination 13, dry run", "import --dry-run {profile}",
         Replace(profileText, "\"illumination\": 6", "\"illumination\": 13"), 2,
         "kerovant-cli: {profile}, line 54: config.illumination: give a level from 0 to 12, found 13.\n"},
        {"start month 13, dry run", "import --dry-run {profile}",
         Replace(profileText, "\"dstStartMonth\": 3", "\"dstStartMonth\": 13"), 2,
         "kerovant-cli: {profile}, line 32: config.dstStartMonth: the month runs from 1 to 12, found 13.\n"},
        {"set dst, a rule past its month's end", "set dst --start 'Feb 30 02:00' --end 'Oct 25 03:00'", "", 2,
         "kerovant-cli: --start: February has 29 days. Nothing was sent.\n"},
        {"a serial number that is no number", "import {profile}",
         Replace(profileText, "\"serialNumber\": \"00010472\"", "\"serialNumber\": \"1O472\""), 2,
         "kerovant-cli: {profile}, line 7: clock.serialNumber: expected a serial number such as \"00010472\" or "
         "\"0x05F5E100\", found \"1O472\".\n"},
        {"a profile nested 1,000 deep", "import {profile}", std::string(1000, '[') + std::string(1000, ']'), 2,
         "kerovant-cli: {profile}, line 1: nested deeper than a profile goes (8 levels of {} and []).\n"},
        {"a key of 100 characters", "import {profile}", "{\n  \"" + std::string(100, 'k') + "\": 1\n}\n", 2,
         "kerovant-cli: {profile}, line 2: a key of 100 characters; a profile's keys have at most 64.\n"},
        {"a key that clears the screen", "import {profile}",
         Replace(profileText, "\"valid\": 1,", "\"valid\": 1, \"\\u001b[2J\": 0,"), 2,
         "kerovant-cli: {profile}, line 17: config.\\x1B[2J: unknown field.\n"},
        {"--timeout inf", "--timeout inf status", "", 2,
         "kerovant-cli: --timeout takes a positive number of seconds (at most 604800), not 'inf'\n"
         "Try 'kerovant-cli --help'.\n"},
        {"--timeout 1e300 is a week", "--timeout 1e300 status", "", 0, "Product:"},
        {"--timeout 1e10 is a week", "--timeout 1e10 status", "", 0, "Product:"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        if (!row.profile.empty())
            WriteFile(profile, row.profile);
        Clock().ClearReceived();
        const std::string arguments = std::regex_replace(row.arguments, std::regex("\\{profile\\}"), profile);
        const CliRun run = RunCli(Port() + arguments);
        EXPECT_EQ(run.status, row.status) << run.output;
        const std::string says = std::regex_replace(row.says, std::regex("\\{profile\\}"), profile);
        if (row.status == 0)
            EXPECT_TRUE(Contains(run.output, says)) << run.output;
        else
            EXPECT_EQ(run.output, says);
        EXPECT_EQ(Writes(Clock()), 0u);
    }

    // Another program's name in "in use by", with a control sequence in it.
    PtyHolder holder("kv\x1b[2Jhold");
    ASSERT_TRUE(holder.Holding());
    const CliRun busy = RunCli("--port " + holder.DevicePath() + " status");
    EXPECT_EQ(busy.status, 1);
    EXPECT_TRUE(Contains(busy.output, " is in use by kv\\x1B[2Jhold (process ")) << busy.output;
    EXPECT_FALSE(Contains(busy.output, "\x1b")) << busy.output;
    std::remove(good.c_str());
    std::remove(profile.c_str());
}

TEST_F(CliTest, HandsStepByStep)
{
    // Nudging needs stopped hands, as the dialog's Forward does.
    const CliRun moving = RunCli(Port() + "hands nudge");
    EXPECT_EQ(moving.status, 2) << moving.output;
    EXPECT_TRUE(Contains(moving.output, "The hands are moving")) << moving.output;
    EXPECT_EQ(Writes(Clock()), 0u);

    // The face time from moving hands: stop, the face time, the restart, in
    // this order, each acknowledged before the next.
    Clock().ClearReceived();
    const CliRun set = RunCli(Port() + "hands set 10:08:30 --motion step");
    EXPECT_EQ(set.status, 0) << set.output;
    std::vector<std::pair<uint8_t, uint8_t>> writes;  // code, hand motion or display mode
    for (const SimReceived& r : Clock().Received()) {
        if (r.code == kCmdWriteConfig) {
            ClockConfig sent;
            if (DecodeConfig(r.payload, 2, sent))
                writes.emplace_back(r.code, sent.handMotion);
        } else if (r.code == kCmdWriteDisplay) {
            DisplayConfig sent;
            if (DecodeDisplayConfig(r.payload, sent))
                writes.emplace_back(r.code, sent.mode);
        }
    }
    EXPECT_EQ(writes,
              (std::vector<std::pair<uint8_t, uint8_t>>{{kCmdWriteConfig, kHandsStopped},
                                                        {kCmdWriteDisplay, kDisplaySetFace},
                                                        {kCmdWriteConfig, kHandsStep}}));
    EXPECT_EQ(Clock().Display().value, 3155760000u + 10 * 3600 + 8 * 60 + 30);
    EXPECT_EQ(Clock().Config().handMotion, kHandsStep);

    EXPECT_EQ(RunCli(Port() + "hands stop").status, 0);
    EXPECT_EQ(Clock().Config().handMotion, kHandsStopped);
    const CliRun nudge = RunCli(Port() + "hands nudge 3");
    EXPECT_EQ(nudge.status, 0) << nudge.output;
    EXPECT_EQ(Clock().FaceNudges(), 3u);
    // Stopped hands start in sweep unless told otherwise.
    const CliRun start = RunCli(Port() + "hands start");
    EXPECT_EQ(start.status, 0) << start.output;
    EXPECT_EQ(Clock().Config().handMotion, kHandsSweep);

    for (const char* bad :
         {"hands set 24:00:00", "hands set 10:61", "hands nudge 301", "hands start --motion fast", "hands set"}) {
        Clock().ClearReceived();
        const CliRun run = RunCli(Port() + bad);
        EXPECT_EQ(run.status, 2) << bad << "\n" << run.output;
        EXPECT_TRUE(Clock().Received().empty()) << bad;
    }
}

TEST_F(CliTest, ReadingCommandsReportAConfigurationOutOfRangeAndSendNothing)
{
    const std::string profile = TempPath("valid-profile.json");
    ASSERT_EQ(RunCli(Port() + "export " + profile).status, 0);
    // Legend: the record's fault; how the commands name it.
    struct Record {
        std::function<void(ClockConfig&)> spoil;
        const char* named;
    };
    const Record records[] = {
        {[](ClockConfig& c) { c.dstStartWeek = 6; }, "dstStartWeek is 6 (allowed: 0 to 5)"},
        {[](ClockConfig& c) { c.biasSeconds = 0xFFFFF1F0u; }, "biasSeconds is 4294963696 (allowed: 0 to 86400)"},
    };
    // Legend: the command; its exit status; a line it prints.
    struct Command {
        std::string arguments;
        int status;
        std::string says;
    };
    const Command commands[] = {
        {"status", 0, "Configuration:     not valid: "},
        {"status --raw", 0, "Configuration not valid: "},
        {"status --json", 0, "\"configProblems\": ["},
        {"check", 2, "CRITICAL - the clock's configuration is not valid: "},
        {"export -", 1, "kerovant-cli: the clock's configuration is not valid: "},
        {"import " + profile + " --dry-run", 0, "kerovant-cli: warning: the clock's configuration is not valid: "},
        {"watch --timeout 1.5", 0, "kerovant-cli: the clock's configuration is not valid: "},
    };
    const ClockConfig valid = Clock().Config();
    for (const Record& record : records) {
        ClockConfig bad = valid;
        record.spoil(bad);
        Clock().SetConfig(bad);
        for (const Command& command : commands) {
            Clock().ClearReceived();
            const CliRun run = RunCli(Port() + command.arguments);
            EXPECT_EQ(run.status, command.status) << command.arguments << "\n" << run.output;
            EXPECT_TRUE(Contains(run.output, command.says)) << command.arguments << "\n" << run.output;
            if (command.arguments != "status --json") {
                EXPECT_TRUE(Contains(run.output, record.named)) << command.arguments << "\n" << run.output;
            }
            EXPECT_EQ(Writes(Clock()), 0u) << command.arguments;
            EXPECT_EQ(Clock().Config(), bad) << command.arguments;
        }
    }
}

TEST_F(CliTest, ExportEditImport)
{
    const std::string profile = TempPath("profile.json");
    ClockConfig start = Clock().Config();
    start.illumination = 4;
    Clock().SetConfig(start);
    const CliRun exported = RunCli(Port() + "export " + profile);
    ASSERT_EQ(exported.status, 0) << exported.output;
    const std::string text = ReadFile(profile);
    EXPECT_TRUE(Contains(text, "\"illumination\": 4")) << text;
    EXPECT_TRUE(Contains(text, "\"serialNumber\": \"00010472\"")) << text;
    EXPECT_EQ(RunCli(Port() + "export -").output, text) << "to standard output the same";

    // Edited: another zone and level. A dry run shows and sends nothing.
    const std::string edited = Replace(Replace(text, "\"illumination\": 4", "\"illumination\": 11"),
                                       "\"biasSeconds\": 0", "\"biasSeconds\": 7200");
    WriteFile(profile, edited);
    Clock().ClearReceived();
    const CliRun dry = RunCli(Port() + "import " + profile + " --dry-run");
    EXPECT_EQ(dry.status, 0) << dry.output;
    EXPECT_TRUE(Contains(dry.output, "Would change:")) << dry.output;
    EXPECT_TRUE(std::regex_search(dry.output, std::regex("biasSeconds +0 -> 7200"))) << dry.output;
    EXPECT_TRUE(std::regex_search(dry.output, std::regex("illumination +4 -> 11"))) << dry.output;
    EXPECT_EQ(Writes(Clock()), 0u);

    Clock().ClearReceived();
    const CliRun imported = RunCli(Port() + "import " + profile);
    EXPECT_EQ(imported.status, 0) << imported.output;
    EXPECT_TRUE(Contains(imported.output, "The clock holds the profile.")) << imported.output;
    EXPECT_EQ(Clock().Config().biasSeconds, 7200u);
    EXPECT_EQ(Clock().Config().illumination, 11);
    // Read back by the link after the write, and again through a fresh
    // identification.
    EXPECT_EQ(Clock().CountReceived(kCmdHello), 2u);
    EXPECT_EQ(Clock().CountReceived(kCmdReadConfig), 3u);

    // From standard input, unchanged now.
    const CliRun piped = RunShell("cat " + profile + " | " + KEROVANT_CLI + " " + Port() + "import -");
    EXPECT_EQ(piped.status, 0) << piped.output;
    EXPECT_TRUE(Contains(piped.output, "No field changes")) << piped.output;

    // A malformed file: the line and the field, nothing sent.
    WriteFile(profile, Replace(edited, "\"dstMode\": 0", "\"dstMode\": 300"));
    Clock().ClearReceived();
    const CliRun bad = RunCli(Port() + "import " + profile);
    EXPECT_EQ(bad.status, 2) << bad.output;
    EXPECT_TRUE(std::regex_search(bad.output, std::regex("line [0-9]+: config.dstMode: expected a whole number")))
        << bad.output;
    EXPECT_TRUE(Clock().Received().empty());
    // Nor is a file far larger than any profile read whole.
    const CliRun huge =
        RunShell("head -c 2000000 /dev/zero | " + std::string(KEROVANT_CLI) + " " + Port() + "import -");
    EXPECT_EQ(huge.status, 2) << huge.output;
    EXPECT_TRUE(Contains(huge.output, "standard input is larger than a profile can be")) << huge.output;
    std::remove(profile.c_str());
}

TEST_F(CliTest, ImportReportsWhatTheClockDidNotKeep)
{
    // A clock that acknowledges the write but keeps its own rules: the
    // read-back names the fields. (Rules no clock can keep, such as week 6,
    // are refused before anything is sent; see BadInputIsRefusedAndNamed.)
    const std::string profile = TempPath("reset.json");
    ASSERT_EQ(RunCli(Port() + "set dst eu").status, 0);
    ASSERT_EQ(RunCli(Port() + "export " + profile).status, 0);
    WriteFile(profile, Replace(ReadFile(profile), "\"dstStartWeek\": 5", "\"dstStartWeek\": 4"));
    SimFaults faults;
    faults.keepCode = kCmdWriteConfig;
    Clock().SetFaults(faults);
    const CliRun run = RunCli(Port() + "import " + profile);
    EXPECT_EQ(run.status, 3) << run.output;
    EXPECT_TRUE(Contains(run.output, "the clock holds other values than the profile asked for: dstStartWeek"))
        << run.output;
    EXPECT_TRUE(std::regex_search(run.output, std::regex("dstStartWeek +asked 4, holds 5"))) << run.output;
    EXPECT_EQ(Clock().Config().dstStartWeek, 5) << "the clock's own";
    std::remove(profile.c_str());
}

TEST_F(CliTest, ImportToAnotherKindOfClockWarns)
{
    const std::string profile = TempPath("other.json");
    ClockConfig config = Clock().Config();
    config.illumination = 8;
    config.biasSeconds = 3600;
    Clock().SetConfig(config);
    ASSERT_EQ(RunCli(Port() + "export " + profile).status, 0);

    CSimServer other;
    SimIdentity id;
    id.familyId = 0x0350;
    id.firmware = {1, 2, 0};
    other.Clock().SetIdentity(id);
    ASSERT_TRUE(other.Start());
    const CliRun run = RunCli("--port " + other.DevicePath() + " import " + profile);
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "warning: The profile comes from a clock of family 0x0150")) << run.output;
    EXPECT_TRUE(Contains(run.output, "level 8 is skipped")) << run.output;
    EXPECT_EQ(other.Clock().Config().biasSeconds, 3600u);
    std::remove(profile.c_str());
}

TEST_F(CliTest, TraceOfAStatusRun)
{
    const std::string trace = TempPath("trace.txt");
    const CliRun run = RunCli(Port() + "--trace " + trace + " status");
    ASSERT_EQ(run.status, 0) << run.output;
    std::istringstream lines(ReadFile(trace));
    // Each line: microseconds, direction, kind, then the code for frames.
    const std::regex frame("^([0-9]{10}) (->|<-) (frame sent|frame received) +([0-9A-F]{2}) .*<STX>\\4.*<ETX>$");
    const std::regex ack("^[0-9]{10} <- ACK received +AF hello$");
    std::vector<std::string> sent;
    std::vector<std::string> received;
    long long last = -1;
    bool acked = false;
    for (std::string line; std::getline(lines, line);) {
        const long long time = std::stoll(line.substr(0, 10));
        EXPECT_GE(time, last) << line;
        last = time;
        std::smatch m;
        if (std::regex_match(line, m, frame)) {
            const bool toClock = m[2] == "->";
            EXPECT_EQ(toClock, m[3] == "frame sent") << line;
            (toClock ? sent : received).push_back(m[4]);
            if (!toClock) {
                EXPECT_EQ(received.back(), sent.back()) << "each reply answers the command before it: " << line;
            }
        } else if (std::regex_match(line, ack)) {
            acked = true;
            EXPECT_EQ(sent, std::vector<std::string>{"AF"}) << "the hello's ACK comes before any read";
        }
    }
    const std::vector<std::string> identification = {"AF", "B0", "B2", "B3", "B7", "C8", "60", "B5", "62", "64", "B8"};
    const std::vector<std::string> poll = {"C8", "B5", "64", "66", "B8"};
    ASSERT_GE(sent.size(), identification.size() + poll.size()) << ReadFile(trace);
    EXPECT_EQ(std::vector<std::string>(sent.begin(), sent.begin() + 11), identification);
    EXPECT_EQ(std::vector<std::string>(sent.begin() + 11, sent.begin() + 16), poll);
    EXPECT_TRUE(acked);
    EXPECT_TRUE(Contains(ReadFile(trace), "-- state changed   identification read (10)"));
    // A pseudo-terminal has no latency timer; the trace says so once.
    EXPECT_TRUE(Contains(ReadFile(trace),
                         "-- port latency    not supported by the device (not a USB bridge): " +
                             std::string(std::strerror(ENOTTY)) + "\n"))
        << ReadFile(trace);
    std::remove(trace.c_str());

    // The last line: the port closed, whether the run ended well or a read
    // failed on the way (the poll's time code status, unanswered).
    struct Row {
        const char* legend;
        uint8_t ignored;     // a code the clock never answers, 0 for none
        const char* failed;  // a line the trace holds (after its time), empty for none
    };
    const Row rows[] = {
        {"a run that ends well", 0, ""},
        {"a poll's read that fails", kCmdTimeCodeStatus, " -- read failed     66 time code status  timeout\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        SimFaults faults;
        faults.ignoreCode = row.ignored;
        Clock().SetFaults(faults);
        (void)RunCli(Port() + "--trace " + trace + " status");
        const std::string text = ReadFile(trace);
        EXPECT_TRUE(std::regex_search(text, std::regex("\n[0-9]{10} -- port closed     " + sim_.DevicePath() + "\n$")))
            << text;
        if (*row.failed)
            EXPECT_TRUE(Contains(text, row.failed)) << text;
        else
            EXPECT_FALSE(Contains(text, "failed")) << text;
        std::remove(trace.c_str());
    }
    Clock().SetFaults({});

    const CliRun nowhere = RunCli(Port() + "--trace /nonexistent-kerovant-dir/t.txt status");
    EXPECT_EQ(nowhere.status, 2) << nowhere.output;
    EXPECT_TRUE(Contains(nowhere.output, "cannot write the trace to /nonexistent-kerovant-dir/t.txt"))
        << nowhere.output;
}

TEST(Cli, ErrorsNameTheCause)
{
    // A device that cannot be opened at all is told at once, not after the
    // link's 2.4 s of hellos.
    const auto start = std::chrono::steady_clock::now();
    const CliRun missing = RunCli("--port /dev/kerovant-no-such-device status");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(Contains(missing.output, "does not exist")) << missing.output;
    const CliRun notSerial = RunCli("--port /dev/null set illumination 3");
    EXPECT_EQ(notSerial.status, 1);
    EXPECT_TRUE(Contains(notSerial.output, "/dev/null is not a serial device")) << notSerial.output;

    CSimServer sim;
    ASSERT_TRUE(sim.Start());
    SimFaults faults;
    faults.silent = true;
    sim.Clock().SetFaults(faults);
    const CliRun silent = RunCli("--port " + sim.DevicePath() + " status");
    EXPECT_EQ(silent.status, 1);
    EXPECT_TRUE(Contains(silent.output, "No clock answers")) << silent.output;
    // An identification that fails is one line, with its cause.
    faults = {};
    faults.ignoreCode = kCmdFamilyId;
    sim.Clock().SetFaults(faults);
    const CliRun unidentified = RunCli("--port " + sim.DevicePath() + " status");
    EXPECT_EQ(unidentified.status, 1);
    EXPECT_EQ(unidentified.output, "kerovant-cli: The clock does not answer: Failed reading Family ID\n");

    // A device another program holds: the error names that program, as the
    // window's status line does.
    PtyHolder holder("kv-cli-holder");
    ASSERT_TRUE(holder.Holding());
    const CliRun busy = RunCli("--port " + holder.DevicePath() + " status");
    EXPECT_EQ(busy.status, 1);
    EXPECT_TRUE(Contains(busy.output,
                         "kerovant-cli: " + holder.DevicePath() + " is in use by kv-cli-holder (process " +
                             std::to_string(holder.Pid()) + ")"))
        << busy.output;

    // The lock's holder is named, by its whole name (its command name is cut
    // to 15 characters), though a process that merely has the device open
    // comes first among the processes.
    PtyHolder opener("kv-cli-opener", false);
    ASSERT_TRUE(opener.Holding());
    const std::string program = TempPath("long-named-lock-holder");
    ASSERT_EQ(::symlink("/bin/sleep", program.c_str()), 0);
    const pid_t locker = ::fork();
    if (locker == 0) {
        const int fd = ::open(opener.DevicePath().c_str(), O_RDWR | O_NOCTTY);
        if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0)
            ::_exit(1);
        ::execl(program.c_str(), program.c_str(), "30", static_cast<char*>(nullptr));
        ::_exit(1);
    }
    EXPECT_TRUE(WaitUntil(
        [&] {
            return Contains(ReadFile("/proc/locks"), " " + std::to_string(locker) + " ") &&
                Contains(ReadFile("/proc/" + std::to_string(locker) + "/comm"), "kerovant-cli-");
        },
        std::chrono::seconds(5)));
    const CliRun locked = RunCli("--port " + opener.DevicePath() + " status");
    EXPECT_EQ(locked.status, 1);
    EXPECT_TRUE(Contains(locked.output,
                         " is in use by " + program.substr(program.rfind('/') + 1) + " (process " +
                             std::to_string(locker) + ")"))
        << locked.output;
    ::kill(locker, SIGKILL);
    ::waitpid(locker, nullptr, 0);
    std::remove(program.c_str());
}

// kerovant-cli started in the background with its standard output and
// error in a file, for a test that changes the clock while it runs.
class BackgroundCli {
public:
    BackgroundCli(const std::vector<std::string>& arguments, const std::string& outputFile,
                  const char* program = KEROVANT_CLI)
        : output_(outputFile)
    {
        std::vector<char*> argv;
        std::vector<std::string> words = {program};
        words.insert(words.end(), arguments.begin(), arguments.end());
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, output_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~BackgroundCli() { Stop(SIGKILL); }
    BackgroundCli(const BackgroundCli&) = delete;
    BackgroundCli& operator=(const BackgroundCli&) = delete;

    bool Running() const { return pid_ > 0; }
    std::string Output() const { return ReadFile(output_); }
    // Waits until the output holds `part` `count` times.
    bool WaitFor(const std::string& part, size_t count = 1, std::chrono::seconds limit = std::chrono::seconds(10)) const
    {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (Count(Output(), part) < count) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }
    // Sends the signal and returns the exit status (-1: killed by a signal).
    int Stop(int signal)
    {
        if (pid_ <= 0)
            return -1;
        ::kill(pid_, signal);
        int raw = 0;
        ::waitpid(pid_, &raw, 0);
        pid_ = -1;
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    static size_t Count(const std::string& text, const std::string& part)
    {
        size_t n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    }

private:
    std::string output_;
    pid_t pid_ = -1;
};

// Points the path at the device, as a udev link names a USB bridge.
void PointLink(const std::string& link, const std::string& device)
{
    const std::string temporary = link + ".new";
    ::unlink(temporary.c_str());
    ASSERT_EQ(::symlink(device.c_str(), temporary.c_str()), 0);
    ASSERT_EQ(::rename(temporary.c_str(), link.c_str()), 0);
}

// watch rides through each fault: one line with its cause, the clock
// replaced at the window's cadence, a line when it answers again, readings
// after it; an unplugged cable and a clock plugged back in at the same path
// as well. SIGTERM ends it with 143.
TEST_F(CliTest, WatchRidesThroughFaultsAndSaysWhy)
{
    const std::string link = TempPath("link");
    PointLink(link, sim_.DevicePath());
    BackgroundCli watch({"--port", link, "watch"}, TempPath("watch.txt"));
    ASSERT_TRUE(watch.Running());
    ASSERT_TRUE(watch.WaitFor("UTC ")) << watch.Output();

    struct Row {
        const char* legend;
        std::function<void(SimFaults&)> fault;
        const char* says;
    };
    const Row rows[] = {
        {"bad checksum", [](SimFaults& f) { f.badChecksumEvery = 1; }, "sends damaged replies (bad checksum)."},
        {"short reply", [](SimFaults& f) { f.shortCode = kCmdTimeCodeStatus; }, "sends replies of the wrong length."},
        {"NAK", [](SimFaults& f) { f.nakCode = kCmdAuxStatus; }, "answers NAK: it did not take the command."},
        {"no answer", [](SimFaults& f) { f.ignoreCode = kCmdCurrentTime; }, "stopped answering."},
    };
    size_t outages = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        SimFaults faults;
        row.fault(faults);
        Clock().SetFaults(faults);
        ASSERT_TRUE(watch.WaitFor("kerovant-cli: The clock on " + link + " " + row.says)) << watch.Output();
        Clock().SetFaults({});
        ++outages;
        // The next object is made 3 s after the failure.
        ASSERT_TRUE(watch.WaitFor("kerovant-cli: the clock on " + link + " answers again.", outages)) << watch.Output();
        const std::string output = watch.Output();
        const size_t back = output.rfind("answers again.");
        ASSERT_TRUE(watch.WaitFor("UTC ", BackgroundCli::Count(output, "UTC ") + 1)) << watch.Output();
        EXPECT_NE(watch.Output().find("UTC ", back), std::string::npos) << "readings follow";
    }

    // Unplugged, then a clock plugged in again under the same name.
    sim_.Unplug();
    ASSERT_TRUE(watch.WaitFor("kerovant-cli: " + link + " was unplugged.")) << watch.Output();
    ASSERT_TRUE(sim_.Start());
    PointLink(link, sim_.DevicePath());
    ++outages;
    ASSERT_TRUE(watch.WaitFor("answers again.", outages)) << watch.Output();
    ASSERT_TRUE(watch.WaitFor("UTC ", BackgroundCli::Count(watch.Output(), "UTC ") + 1)) << watch.Output();

    EXPECT_EQ(watch.Stop(SIGTERM), 143);
    // One line for each outage and one for each return, nothing else on
    // standard error.
    EXPECT_EQ(BackgroundCli::Count(watch.Output(), "kerovant-cli: "), 2 * outages) << watch.Output();
    ::unlink(link.c_str());
}

// How watch and a failing status end: --timeout is watch's whole run,
// SIGTERM is 143 while waiting too, and a signal ends the wait at once.
TEST(Cli, WatchEndsOnTimeoutOrSignal)
{
    CSimServer sim;
    ASSERT_TRUE(sim.Start());
    const std::string port = "--port " + sim.DevicePath() + " ";

    const auto start = std::chrono::steady_clock::now();
    const CliRun timed = RunCli(port + "--timeout 1.5 watch");
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(timed.status, 0) << timed.output;
    EXPECT_GE(took, std::chrono::milliseconds(1500));
    EXPECT_LT(took, std::chrono::seconds(5));
    EXPECT_TRUE(Contains(timed.output, "UTC ")) << timed.output;

    // No clock for the whole run: 1, the cause said once.
    const CliRun missing = RunCli("--port /dev/kerovant-no-such-device --timeout 4 watch");
    EXPECT_EQ(missing.status, 1) << missing.output;
    EXPECT_EQ(BackgroundCli::Count(missing.output, "does not exist"), 1u) << missing.output;

    SimFaults faults;
    faults.silent = true;
    sim.Clock().SetFaults(faults);
    const CliRun silent = RunCli(port + "--timeout 1 watch");
    EXPECT_EQ(silent.status, 1) << silent.output;
    EXPECT_TRUE(Contains(silent.output, "No clock answers on " + sim.DevicePath())) << silent.output;

    // Signals while the clock is still awaited; check says so in its one
    // line.
    struct Row {
        const char* command;
        int signal;
        int status;
        const char* says = "";
    };
    const Row rows[] = {
        {"watch", SIGTERM, 143},
        {"watch", SIGINT, 130},
        {"status", SIGTERM, 143},
        {"status", SIGINT, 130},
        {"check", SIGTERM, 3, "UNKNOWN - ended by SIGTERM while waiting for the clock to answer\n"},
        {"check", SIGINT, 3, "UNKNOWN - ended by SIGINT while waiting for the clock to answer\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.command) + " " + std::to_string(row.signal));
        const size_t hellos = sim.Clock().CountReceived(kCmdHello);
        BackgroundCli cli({"--port", sim.DevicePath(), row.command}, TempPath("signal.txt"));
        ASSERT_TRUE(cli.Running());
        // Its handlers are set up before it greets the clock.
        ASSERT_TRUE(WaitUntil([&] { return sim.Clock().CountReceived(kCmdHello) > hellos; }, std::chrono::seconds(5)));
        const auto signalled = std::chrono::steady_clock::now();
        EXPECT_EQ(cli.Stop(row.signal), row.status) << cli.Output();
        if (*row.says) {
            EXPECT_EQ(cli.Output(), row.says);
        }
        // watch sleeps until its replacement is due, 3.2 s on: the signal
        // itself must wake it.
        EXPECT_LT(std::chrono::steady_clock::now() - signalled, std::chrono::milliseconds(1500));
    }
}

TEST(Cli, UsageAndHelp)
{
    struct Row {
        const char* arguments;
        int status;
        const char* says;
    };
    const Row rows[] = {
        {"frobnicate", 2, "unknown command 'frobnicate'"},
        {"", 2, "no command given"},
        {"--port", 2, "Missing value after '--port'."},
        {"status --port", 2, "Missing value after '--port'."},
        {"--timeout 0 status", 2, "--timeout takes a positive number"},
        {"set", 2, "set what?"},
        {"set colour red", 2, "unknown command 'set colour'"},
        {"status extra", 2, "status takes no arguments"},
        {"--version", 0, "kerovant-cli 1."},
        {"--help", 0, "set dst off|us|us-pre2007|eu|system|zone ZONE  or  --start RULE --end RULE ..."},
        {"set --help", 0, "set timecode-date on|off"},
        {"set dst --help", 0, "--shift <SHIFT>"},
        {"import --help", 0, "--dry-run"},
        {"watch --help", 0, "--every-poll"},
        {"status --help", 0, "--raw"},
        {"check -h", 0, "-t, --timeout <SECONDS>"},
        {"check -V", 0, "kerovant-cli 1."},
    };
    for (const Row& row : rows) {
        const CliRun run = RunCli(row.arguments);
        EXPECT_EQ(run.status, row.status) << row.arguments << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, row.says)) << row.arguments << "\n" << run.output;
    }
    // The help lists every command, with each option a command takes.
    const CliRun help = RunCli("--help");
    for (const char* line :
         {"  status [--raw|--json]  ", "  watch [--every-poll | --metrics FILE [--zone ZONE]]\n",
          "  check [-w RANGE] [-c RANGE] [-t SECONDS] [--time-code STATE] [--zone ZONE] [-v] [--json]\n",
          "  set timezone ", "  set dst ", "  set time ", "  set illumination ", "  set timecode-date ",
          "  set motion ", "  hands stop  ", "  hands set ", "  hands nudge ", "  hands start ",
          "  export FILE|-|--json  ", "  import FILE|- [--dry-run [--json]]\n",
          "  provision PROFILE --log FILE.csv [--set-time]\n"})
        EXPECT_TRUE(Contains(help.output, line)) << line << "\n" << help.output;
    const CliRun sim = RunShell(std::string(KEROVANT_CLOCKSIM) + " --version");
    EXPECT_EQ(sim.status, 0);
    EXPECT_TRUE(Contains(sim.output, "kerovant-clocksim 1.")) << sim.output;
}

}  // namespace

namespace {

// check as a monitoring system runs it: each state's exit status and first
// word, and the performance data after '|'.
TEST(Cli, CheckSaysEachStateAsAMonitoringPlugin)
{
    CSimServer sim;
    sim.Clock().SetTiming(SimTiming{false, kLineBaudRate});
    ASSERT_TRUE(sim.Start());
    const ClockConfig fresh = sim.Clock().Config();
    // What follows '|' with the default thresholds: ranges in the plugins'
    // syntax that give the value the state of the line.
    const std::string offsetData = "\\| offset=-?[0-9]+\\.[0-9]{3}s;-0\\.5:0\\.5;-2:2\n$";
    const auto offsetBy = [](std::chrono::milliseconds offset) {
        return [offset](CSimServer& s) { s.Clock().SetUtcOffset(offset); };
    };
    const auto timeCode = [](uint8_t type) {
        return [type](CSimServer& s) {
            SimIdentity identity;
            identity.timeCodeType = type;
            s.Clock().SetIdentity(identity);
        };
    };
    struct Row {
        const char* legend;
        std::function<void(CSimServer&)> setup;
        std::string arguments;  // after --port
        int status;
        std::string line;  // the whole line, a regular expression
    };
    const Row rows[] = {
        {"in time", [](CSimServer&) {}, "check", 0,
         "^OK - offset [+-]0\\.0[0-4]\\d s from this computer " + offsetData},
        {"drifted", [](CSimServer& s) { s.Clock().SetUtcOffset(std::chrono::seconds(1)); }, "check", 1,
         "^WARNING - offset \\+(0\\.9|1\\.0)\\d\\d s from this computer \\(beyond 0\\.5 s\\) " + offsetData},
        {"behind", offsetBy(std::chrono::milliseconds(-800)), "check", 1,
         "^WARNING - offset -0\\.[78]\\d\\d s from this computer \\(beyond 0\\.5 s\\) \\| "
         "offset=-0\\.[78]\\d\\ds;-0\\.5:0\\.5;-2:2\n$"},
        {"far off", [](CSimServer& s) { s.Clock().SetUtcOffset(std::chrono::seconds(12)); }, "check", 2,
         "^CRITICAL - offset \\+12\\.0 s .*\\(beyond 2 s\\) " + offsetData},
        {"far behind", offsetBy(std::chrono::milliseconds(-12000)), "check", 2,
         "^CRITICAL - offset -12\\.0 s .*\\(beyond 2 s\\) \\| offset=-1[12]\\.\\d{3}s;-0\\.5:0\\.5;-2:2\n$"},
        {"thresholds given", [](CSimServer& s) { s.Clock().SetUtcOffset(std::chrono::seconds(12)); },
         "check --warning 0.25 --critical 20", 1, "^WARNING - .* \\| offset=1[12]\\.\\d{3}s;-0\\.25:0\\.25;-20:20\n$"},
        {"ranges, short options", offsetBy(std::chrono::milliseconds(12000)), "check -w @11:13 -c ~:30", 1,
         "^WARNING - .*\\(inside @11:13 s\\) \\| offset=1[12]\\.\\d{3}s;@11:13;~:30\n$"},
        {"more lines", [](CSimServer&) {}, "check -vv", 0,
         "^OK - .*\nClock: serial number 00010472, family 0x0150, firmware 1\\.3\\.0, on .*\nOffset: .*\n"
         "Time code: SMPTE 30 fps\nTime zone: UTC\\+0:00\n"},
        {"no time code", timeCode(kTimeCodeNone), "check", 1,
         "^WARNING - offset .* from this computer; no time code received " + offsetData},
        {"no time code, critical", timeCode(kTimeCodeNone), "check --time-code critical", 2,
         "^CRITICAL - .*; no time code received " + offsetData},
        {"no time code, ignored", timeCode(kTimeCodeNone), "check --time-code ignore", 0,
         "^OK - offset [+-]0\\.0[0-4]\\d s from this computer " + offsetData},
        {"rules of another zone", [](CSimServer&) {}, "check --zone Europe/Berlin", 1,
         "^WARNING - offset .*; Differs from Europe/Berlin in the time zone data: the clock's time zone bias is "
         "UTC\\+00:00, .* " +
             offsetData},
        {"rules of another zone do not lower CRITICAL", offsetBy(std::chrono::milliseconds(12000)),
         "check --zone Europe/Berlin", 2,
         "^CRITICAL - offset \\+12\\.0 s .*\\(beyond 2 s\\); Differs from Europe/Berlin "},
        {"rules of its zone",
         [](CSimServer& s) {
             const std::string port = "--port " + s.DevicePath() + " ";
             ASSERT_EQ(RunCli(port + "set timezone Europe/Berlin").status, 0);
             ASSERT_EQ(RunCli(port + "set dst zone Europe/Berlin").status, 0);
         },
         "check --zone Europe/Berlin", 0,
         "^OK - .*; time zone and daylight saving agree with Europe/Berlin " + offsetData},
        {"configuration not valid",
         [&fresh](CSimServer& s) {
             ClockConfig config = fresh;
             config.valid = 0;
             s.Clock().SetConfig(config);
         },
         "check", 2, "^CRITICAL - the clock's configuration is not valid: valid is 0 \\(allowed: 1\\)\n$"},
        {"no answer",
         [](CSimServer& s) {
             SimFaults faults;
             faults.silent = true;
             s.Clock().SetFaults(faults);
         },
         "check", 2, "^CRITICAL - No clock answers on .*\n$"},
        {"no answer within -t",
         [](CSimServer& s) {
             SimFaults faults;
             faults.silent = true;
             s.Clock().SetFaults(faults);
         },
         "check -t 1", 2, "^CRITICAL - [^\n]*\n$"},
        {"bad number", [](CSimServer&) {}, "check --warning soon", 3,
         "^UNKNOWN - --warning takes seconds as N, START:END, START:, ~:END or @START:END, not 'soon'\n$"},
        {"bad time code state", [](CSimServer&) {}, "check --time-code maybe", 3,
         "^UNKNOWN - --time-code takes critical, warning or ignore, not 'maybe'\n$"},
        {"missing value", [](CSimServer&) {}, "check --critical", 3, "^UNKNOWN - Missing value after '--critical'.\n$"},
        {"warning beyond critical", [](CSimServer&) {}, "check --warning 3", 3,
         "^UNKNOWN - --warning 3 is beyond --critical 2\n$"},
        {"unknown zone", [](CSimServer&) {}, "check --zone Mars/Olympus", 3,
         "^UNKNOWN - --zone: unknown time zone 'Mars/Olympus'; name a zone of the tz database such as "
         "Europe/Berlin, or an offset such as UTC\\+01:00\n$"},
        {"an argument", [](CSimServer&) {}, "check now", 3, "^UNKNOWN - check takes no arguments.*\n$"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        sim.Clock().SetFaults({});
        sim.Clock().SetUtcOffset(std::chrono::seconds(0));
        sim.Clock().SetConfig(fresh);
        sim.Clock().SetIdentity({});
        row.setup(sim);
        sim.Clock().ClearReceived();
        const CliRun run = RunCli("--port " + sim.DevicePath() + " " + row.arguments);
        EXPECT_EQ(run.status, row.status) << run.output;
        EXPECT_TRUE(std::regex_search(run.output, std::regex(row.line))) << row.line << "\n" << run.output;
        EXPECT_EQ(Writes(sim.Clock()), 0u) << "check only reads";
    }

    // No clock at all.
    const CliRun missing = RunCli("--port /dev/kerovant-no-such-device check");
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(std::regex_match(missing.output, std::regex("CRITICAL - Device .* does not exist.*\n")))
        << missing.output;
}

// --json: one object on standard output, with the keys the manual page
// lists; check's exit status as without it.
TEST_F(CliTest, StatusCheckExportAndImportAsJson)
{
    const std::string same = TempPath("same.json");
    const std::string other = TempPath("other.json");
    ASSERT_EQ(RunCli(Port() + "export " + same).status, 0);
    WriteFile(other, Replace(ReadFile(same), "\"biasSeconds\": 0", "\"biasSeconds\": 7200"));
    struct Row {
        std::string arguments;
        int status;
        std::vector<std::string> parts;
    };
    const Row rows[] = {
        {"export --json",
         0,
         {"\"format\": \"kerovant-clock-profile\"", "\"familyId\": \"0x0150\"", "\"serialNumber\": \"00010472\"",
          "\"biasSeconds\": 0"}},
        {"import " + same + " --dry-run --json", 0, {"\"changed\": false", "\"differences\": ["}},
        {"import " + other + " --dry-run --json",
         0,
         {"\"changed\": true", "\"field\": \"biasSeconds\"", "\"clock\": \"0\"", "\"profile\": \"7200\""}},
        {"import " + other + " --json", 2, {"import --json goes with --dry-run"}},
        {"export " + same + " --json", 2, {"takes no file name"}},
        {"status --json",
         0,
         {"\"product\": \"", "\"familyId\": \"0x0150\"", "\"firmware\": \"", "\"serialNumber\": \"00010472\"",
          "\"protocolVersion\": 2", "\"utc\": \"20", "\"offsetSeconds\": ", "\"timeCode\": \"",
          "\"timeZone\": \"UTC+0:00\"", "\"daylightSaving\": \"off\"", "\"config\": {", "\"biasSeconds\": 0"}},
        {"check --json",
         0,
         {"\"state\": \"OK\"", "\"exitStatus\": 0", "\"reason\": \"offset ", "\"warningSeconds\": 0.5",
          "\"warningRange\": \"-0.5:0.5\"", "\"criticalRange\": \"-2:2\"", "\"timeCodeReceived\": true",
          "\"criticalSeconds\": 2", "\"zone\": null", "\"zoneAgrees\": null"}},
        {"check --json --zone Europe/Berlin", 1, {"\"state\": \"WARNING\"", "\"zoneAgrees\": false"}},
        {"check --json --warning x", 3, {"\"state\": \"UNKNOWN\"", "\"offsetSeconds\": null"}},
        {"check --json --zone", 3, {"\"state\": \"UNKNOWN\"", "Missing value after '--zone'."}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments);
        const CliRun run = RunCli(Port() + row.arguments);
        EXPECT_EQ(run.status, row.status) << run.output;
        // Bad usage (exit 2) prints no object, only the message.
        EXPECT_EQ(run.output.rfind("{\n", 0) == 0 && run.output.ends_with("\n}\n"), row.status != 2) << "one object\n"
                                                                                                     << run.output;
        for (const std::string& part : row.parts)
            EXPECT_TRUE(Contains(run.output, part)) << part << "\n" << run.output;
    }
    EXPECT_EQ(Writes(Clock()), 0u) << "a dry run sends nothing";

    // Each setting under its own key: illumination and time code date differ.
    ASSERT_EQ(RunCli(Port() + "set illumination 7").status, 0);
    ASSERT_EQ(RunCli(Port() + "set timecode-date on").status, 0);
    const CliRun status = RunCli(Port() + "status --json");
    for (const char* part : {"\"illumination\": \"level 7 of 12\"", "\"timeCodeDate\": \"taken from the time code\"",
                             "\"handMotion\": \"sweep\""})
        EXPECT_TRUE(Contains(status.output, part)) << part << "\n" << status.output;
}

// The serial number as one text in status, status --json and export (the
// metrics' label and the provision log: see their tests); import takes it,
// and the plain number that profiles held before.
TEST(Cli, SerialNumberInOneForm)
{
    struct Row {
        uint32_t serial;
        const char* text;
    };
    const Row rows[] = {{10472, "00010472"}, {100000000, "0x05F5E100"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        SimIdentity id;
        id.serialNumber = row.serial;
        CSimServer sim(id);
        ASSERT_TRUE(sim.Start());
        const std::string port = "--port " + sim.DevicePath() + " ";
        EXPECT_TRUE(Contains(RunCli(port + "status").output, "\nSerial Number:     " + std::string(row.text) + "\n"));
        const std::string json = "\"serialNumber\": \"" + std::string(row.text) + "\",";
        EXPECT_TRUE(Contains(RunCli(port + "status --json").output, json));
        EXPECT_TRUE(Contains(RunCli(port + "export -").output, json));
    }

    CSimServer sim;
    ASSERT_TRUE(sim.Start());
    const std::string port = "--port " + sim.DevicePath() + " ";
    const std::string profile = TempPath("serial.json");
    ASSERT_EQ(RunCli(port + "export " + profile).status, 0);
    const std::string exported = ReadFile(profile);
    for (const char* serial : {"10472", "\"0x05F5E100\"", "4294967295"}) {
        SCOPED_TRACE(serial);
        WriteFile(profile, Replace(exported, "\"00010472\"", serial));
        const CliRun run = RunCli(port + "import " + profile + " --dry-run");
        EXPECT_EQ(run.status, 0) << run.output;
        EXPECT_EQ(run.output, "No field changes: the clock holds this profile already.\n");
    }
    std::remove(profile.c_str());
}

// provision over a crate of clocks plugged one after the other at one path:
// a row of the CSV log and a line for each, the next taken once the last is
// unplugged; a clock that refuses the profile or is pulled out during the
// write is a failed row and is not written again while it stays plugged.
// SIGINT ends it with the summary, exit 1 when one failed, else 0.
TEST(Cli, ProvisionACrateOfClocks)
{
    // A port name the log must quote.
    const std::string link = TempPath("crate, \"A\"");
    const std::string csvPort = "\"" + Replace(link, "\"A\"", "\"\"A\"\"") + "\"";
    const std::string log = TempPath("crate.csv");
    // A profile name the log must quote, though it holds no quote.
    const std::string profile = TempPath("crate7,studio.json");
    const std::string csvProfile = "\"kerovant-cli-" + std::to_string(getpid()) + "-crate7,studio.json\"";
    ::unlink(log.c_str());
    {
        CSimServer source;
        ASSERT_TRUE(source.Start());
        ASSERT_EQ(RunCli("--port " + source.DevicePath() + " export " + profile).status, 0);
        WriteFile(profile, Replace(ReadFile(profile), "\"biasSeconds\": 0", "\"biasSeconds\": 3600"));
    }

    // Bad usage, told before any clock is awaited.
    struct Usage {
        std::string arguments;
        const char* says;
    };
    const Usage usages[] = {
        {"provision --log " + log, "provision takes one profile file"},
        {"provision " + profile, "provision needs --log FILE.csv"},
        {"provision /nonexistent/p.json --log " + log, "cannot read /nonexistent/p.json"},
        {"provision " + profile + " --log /nonexistent/c.csv", "cannot write the log /nonexistent/c.csv"},
    };
    for (const Usage& usage : usages) {
        const CliRun run = RunCli("--port /dev/kerovant-no-such-device " + usage.arguments);
        EXPECT_EQ(run.status, 2) << run.output;
        EXPECT_TRUE(Contains(run.output, usage.says)) << usage.says << "\n" << run.output;
    }

    struct Row {
        const char* legend;
        uint32_t serial;
        const char* serialText;
        std::function<void(SimFaults&)> fault;
        bool pulledDuringWrite;
        std::string result;  // the line and the row, after the firmware
        bool written;        // the clock holds the profile
    };
    const Row rows[] = {
        {"first", 1001, "00001001", [](SimFaults&) {}, false, "ok", true},
        {"second", 1002, "00001002", [](SimFaults&) {}, false, "ok", true},
        {"refuses", 1003, "00001003", [](SimFaults& f) { f.nakCode = kCmdWriteConfig; }, false,
         "failed: the clock refused the profile.", false},
        {"pulled out", 1004, "00001004",
         [](SimFaults& f) {
             f.slowCode = kCmdWriteConfig;
             f.slowDelay = std::chrono::seconds(5);
         },
         true, "failed: the ", false},
    };
    // The log's times in the zone of the run: UTC as Z.
    ::setenv("TZ", "UTC", 1);
    BackgroundCli cli({"--port", link, "provision", profile, "--log", log, "--set-time"}, TempPath("crate.txt"));
    ASSERT_TRUE(cli.Running());
    size_t n = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        ++n;
        ASSERT_TRUE(cli.WaitFor("Waiting for a clock on " + link, n)) << cli.Output();
        SimIdentity id;
        id.serialNumber = row.serial;
        CSimServer sim(id);
        SimFaults faults;
        row.fault(faults);
        sim.Clock().SetFaults(faults);
        sim.SetLinkPath(link);
        ASSERT_TRUE(sim.Start());
        if (row.pulledDuringWrite) {
            ASSERT_TRUE(
                WaitUntil([&] { return sim.Clock().CountReceived(kCmdWriteConfig) > 0; }, std::chrono::seconds(10)));
            sim.Unplug();
        }
        ASSERT_TRUE(cli.WaitFor("Unplug this clock.", n)) << cli.Output();
        EXPECT_TRUE(Contains(cli.Output(),
                             "Clock " + std::string(row.serialText) + " (family 0x0150, firmware 1.3.0) on " + link +
                                 ": " + row.result))
            << cli.Output();
        // A clock pulled out may have taken the write or not.
        if (!row.pulledDuringWrite) {
            EXPECT_EQ(sim.Clock().Config().biasSeconds == 3600, row.written);
        }
        EXPECT_EQ(sim.Clock().CountReceived(kCmdSetTime), row.written ? 1u : 0u) << "--set-time after the profile";
        if (!row.pulledDuringWrite && !row.written) {
            // Left plugged in after its failure, it is greeted again at most.
            const size_t hellos = sim.Clock().CountReceived(kCmdHello);
            EXPECT_TRUE(
                WaitUntil([&] { return sim.Clock().CountReceived(kCmdHello) > hellos; }, std::chrono::seconds(8)));
            EXPECT_EQ(sim.Clock().CountReceived(kCmdWriteConfig), 1u);
        }
        sim.Unplug();
    }
    ASSERT_TRUE(cli.WaitFor("Waiting for a clock on " + link, n + 1)) << cli.Output();
    EXPECT_EQ(cli.Stop(SIGINT), 1) << cli.Output();
    EXPECT_TRUE(Contains(cli.Output(), "\n4 clocks: 2 ok, 2 failed\n")) << cli.Output();

    // The log: a header, then a row for each clock. Another run appends to
    // it; without --set-time the time is left alone, and with no clock
    // failed it ends with 0.
    {
        CSimServer sim;
        sim.SetLinkPath(link);
        ASSERT_TRUE(sim.Start());
        ::setenv("TZ", "Asia/Kolkata", 1);
        BackgroundCli again({"--port", link, "provision", profile, "--log", log}, TempPath("again.txt"));
        ::unsetenv("TZ");
        ASSERT_TRUE(again.WaitFor("Unplug this clock.")) << again.Output();
        EXPECT_EQ(again.Stop(SIGINT), 0) << again.Output();
        EXPECT_TRUE(Contains(again.Output(), "\n1 clock: 1 ok, 0 failed\n")) << again.Output();
        EXPECT_EQ(sim.Clock().CountReceived(kCmdSetTime), 0u);
    }
    // CRLF line ends; the profile's SHA-256 as sha256sum gives it.
    const std::string text = ReadFile(log);
    EXPECT_EQ(BackgroundCli::Count(text, "\r\n"), 6u) << text;
    EXPECT_EQ(BackgroundCli::Count(text, "\n"), 6u) << text;
    const std::string sha256 = RunShell("sha256sum " + profile).output.substr(0, 64);
    std::istringstream lines(text);
    const auto escaped = [](const std::string& literal) {
        return std::regex_replace(literal, std::regex("[\\\\^$.|?*+()\\[\\]{}]"), "\\$&");
    };
    const std::string date = "^20\\d\\d-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d";
    const std::string port = "," + escaped(csvPort) + ",";
    const std::string offset = ",[+-]\\d+\\.\\d{3},";
    const std::string run = escaped(csvProfile) + "," + sha256 + ",\\d+\\.\\d+\\.\\d+,[^,]+,";
    const std::vector<std::string> expected = {
        "^date,port,serial_number,family,firmware,result,offset_seconds,profile,profile_sha256,program_version,"
        "operator,time_set\r$",
        date + "Z" + port + "00001001,0x0150,1\\.3\\.0,ok" + offset + run + "yes\r$",
        date + "Z" + port + "00001002,0x0150,1\\.3\\.0,ok" + offset + run + "yes\r$",
        date + "Z" + port + "00001003,0x0150,1\\.3\\.0,failed: the clock refused the profile\\.,(|[+-]\\d+\\.\\d{3})," +
            run + "no\r$",
        date + "Z" + port +
            "00001004,0x0150,1\\.3\\.0,\"?failed: the (clock did not answer|link was lost before) the " +
            "profile[^\"]*\"?,," + run + "no\r$",
        date + "\\+05:30" + port + "00010472,0x0150,1\\.3\\.0,ok" + offset + run + "no\r$",
    };
    std::string line;
    for (const std::string& pattern : expected) {
        ASSERT_TRUE(std::getline(lines, line)) << text;
        EXPECT_TRUE(std::regex_search(line, std::regex(pattern))) << pattern << "\n" << line;
    }
    EXPECT_FALSE(std::getline(lines, line)) << line;
    ::unlink(log.c_str());
    ::unlink(profile.c_str());
}

}  // namespace

// watch --metrics: the file follows the clock (up, the clock's info, its
// offset), says up 0 with the cause counted as soon as it is unplugged and
// leaves the offset out then, counts the return, and is gone when watch
// ends. Bad usage and a folder that cannot be written end it at once.
TEST_F(CliTest, WatchWritesMetricsThatFollowTheClock)
{
    const std::string link = TempPath("metrics-link");
    const std::string folder = TempFolder("metrics");
    ASSERT_FALSE(folder.empty());
    const std::string file = folder + "/clock.prom";
    PointLink(link, sim_.DevicePath());
    BackgroundCli watch({"--port", link, "watch", "--metrics", file, "--zone", "UTC"}, TempPath("metrics.txt"));
    ASSERT_TRUE(watch.Running());
    const auto fileHolds = [&](const std::vector<std::string>& parts) {
        return WaitUntil(
            [&] {
                const std::string text = ReadFile(file);
                for (const std::string& part : parts)
                    if (!Contains(text, part))
                        return false;
                return true;
            },
            std::chrono::seconds(10));
    };
    // Every series under the clock's serial and the port watch was given.
    const std::string clock = "serial=\"00010472\",port=\"" + link + "\"";
    ASSERT_TRUE(fileHolds({"kerovant_clock_up{" + clock + "} 1\n", "kerovant_clock_offset_seconds{" + clock + "} ",
                           "kerovant_clock_time_code_received{" + clock + "} 1\n",
                           "kerovant_clock_zone_rules_agree{" + clock + "} 1\n"}))
        << ReadFile(file);

    sim_.Unplug();
    ASSERT_TRUE(fileHolds(
        {"kerovant_clock_up{" + clock + "} 0\n", "kerovant_link_failures_total{" + clock + ",kind=\"unplugged\"} 1\n"}))
        << ReadFile(file);
    EXPECT_FALSE(Contains(ReadFile(file), "kerovant_clock_offset_seconds")) << ReadFile(file);
    EXPECT_TRUE(Contains(ReadFile(file), "serial=\"00010472\"")) << "the last clock is named";

    ASSERT_TRUE(sim_.Start());
    PointLink(link, sim_.DevicePath());
    ASSERT_TRUE(
        fileHolds({"kerovant_clock_up{" + clock + "} 1\n", "kerovant_link_reconnects_total{" + clock + "} 1\n"}))
        << ReadFile(file);

    EXPECT_EQ(watch.Stop(SIGTERM), 143);
    EXPECT_NE(::access(file.c_str(), F_OK), 0) << "removed when watch ends";
    EXPECT_EQ(BackgroundCli::Count(watch.Output(), "UTC "), 0u) << "no lines with --metrics\n" << watch.Output();
    ::unlink(link.c_str());
    ::rmdir(folder.c_str());

    struct Row {
        const char* arguments;
        const char* says;
    };
    const Row rows[] = {
        {"watch --zone UTC", "--zone goes with --metrics"},
        {"watch --metrics m.prom --zone Nowhere/Atlantis", "unknown time zone 'Nowhere/Atlantis'"},
        {"watch --metrics /kerovant-no-such-folder/m.prom", "/kerovant-no-such-folder/"},
    };
    for (const Row& row : rows) {
        const CliRun run = RunCli(Port() + row.arguments);
        EXPECT_EQ(run.status, 2) << row.arguments << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, row.says)) << row.arguments << "\n" << run.output;
    }
}

// The metrics folder swapped for a link to another folder while watch
// runs: the file goes on in the folder first opened, nothing is made in
// the other, and SIGHUP ends watch as SIGTERM does, the file removed.
TEST_F(CliTest, WatchKeepsToTheMetricsFolderItOpened)
{
    const std::string link = TempPath("swap-link");
    const std::string folder = TempFolder("swap");
    const std::string elsewhere = TempFolder("elsewhere");
    ASSERT_FALSE(folder.empty());
    ASSERT_FALSE(elsewhere.empty());
    const std::string moved = folder + "-moved";
    PointLink(link, sim_.DevicePath());
    BackgroundCli watch({"--port", link, "watch", "--metrics", folder + "/clock.prom"}, TempPath("swap.txt"));
    ASSERT_TRUE(watch.Running());
    ASSERT_TRUE(WaitUntil(
        [&] {
            return std::regex_search(ReadFile(folder + "/clock.prom"), std::regex("kerovant_clock_up\\{[^}]*\\} 1\n"));
        },
        std::chrono::seconds(10)))
        << watch.Output();

    ASSERT_EQ(::rename(folder.c_str(), moved.c_str()), 0);
    ASSERT_EQ(::symlink(elsewhere.c_str(), folder.c_str()), 0);
    // A change the next write carries: it lands in the folder first opened.
    sim_.Unplug();
    ASSERT_TRUE(WaitUntil(
        [&] {
            return std::regex_search(ReadFile(moved + "/clock.prom"), std::regex("kerovant_clock_up\\{[^}]*\\} 0\n"));
        },
        std::chrono::seconds(10)))
        << ReadFile(moved + "/clock.prom");

    EXPECT_EQ(watch.Stop(SIGHUP), 143) << watch.Output();
    EXPECT_NE(::access((moved + "/clock.prom").c_str(), F_OK), 0) << "removed when watch ends";
    EXPECT_EQ(::rmdir(moved.c_str()), 0) << "nothing else left in the folder";
    EXPECT_EQ(::rmdir(elsewhere.c_str()), 0) << "nothing written through the link";
    ::unlink(folder.c_str());
    ::unlink(link.c_str());
}

// Files written at the user's word are not written through a symbolic
// link: the command says so and fails, and the file it points to is left.
TEST_F(CliTest, OutputPathsThatAreLinksAreRefused)
{
    const std::string profile = TempPath("refuse.json");
    ASSERT_EQ(RunCli(Port() + "export " + profile).status, 0);
    const std::string target = TempPath("refuse-target");
    const std::string link = TempPath("refuse-link");
    const std::string folder = TempFolder("refuse-folder");
    const std::string folderLink = TempPath("refuse-folder-link");
    ASSERT_FALSE(folder.empty());
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    ASSERT_EQ(::symlink(folder.c_str(), folderLink.c_str()), 0);
    const std::string notFollowed = ": it is a symbolic link, which is not followed; name the file it points to";

    struct Row {
        std::string arguments;
        int status;
        std::string says;
    };
    const Row rows[] = {
        {"--trace " + link + " status", 2, "cannot write the trace to " + link + notFollowed},
        {"export " + link, 1, "cannot write " + link + notFollowed},
        {"provision " + profile + " --log " + link, 2, "cannot write the log " + link + notFollowed},
        {"watch --metrics " + folderLink + "/clock.prom", 2,
         "refusing to write the metrics in the folder " + folderLink +
             "/: it is a symbolic link, which is not followed; name the folder it points to"},
    };
    for (const Row& row : rows) {
        WriteFile(target, "kept\n");
        const CliRun run = RunCli(Port() + row.arguments);
        EXPECT_EQ(run.status, row.status) << row.arguments << "\n" << run.output;
        EXPECT_TRUE(Contains(run.output, row.says)) << row.says << "\n" << run.output;
        EXPECT_EQ(ReadFile(target), "kept\n") << row.arguments;
    }
    EXPECT_EQ(::rmdir(folder.c_str()), 0) << "nothing written through the folder's link";
    ::unlink(folderLink.c_str());
    ::unlink(link.c_str());
    ::unlink(target.c_str());
    ::unlink(profile.c_str());
}

// watch lends the clock to each program of ours that finds it busy, and
// takes it back when that program lets go, however it ends: the borrower
// does its work, the metrics say lent meanwhile with up unchanged, and the
// loan is neither a failure nor a reconnect.
TEST_F(CliTest, WatchLendsTheClockToOurPrograms)
{
    const std::string file = TempPath("lend.prom");
    const std::string profile = TempPath("lend.json");
    ASSERT_EQ(RunCli(Port() + "export " + profile).status, 0);
    BackgroundCli watch({"--port", sim_.DevicePath(), "watch", "--metrics", file}, TempPath("lend-watch.txt"));
    const std::string clock = "serial=\"00010472\",port=\"" + sim_.DevicePath() + "\"";
    const auto fileHolds = [&](const std::vector<std::string>& parts) {
        return WaitUntil(
            [&] {
                const std::string text = ReadFile(file);
                for (const std::string& part : parts)
                    if (!Contains(text, part))
                        return false;
                return true;
            },
            std::chrono::seconds(10));
    };
    ASSERT_TRUE(fileHolds({"kerovant_clock_up{" + clock + "} 1\n", "kerovant_clock_lent{" + clock + "} 0\n"}))
        << ReadFile(file);

    // A borrower that keeps the port until it is stopped: the metrics while
    // it holds it, then the signal that ends it.
    const auto holding = [&](BackgroundCli& borrower, const std::string& program, const std::string& ready,
                             int signal) {
        EXPECT_TRUE(borrower.WaitFor(ready)) << borrower.Output();
        EXPECT_TRUE(fileHolds({"kerovant_clock_lent{" + clock + "} 1\n", "kerovant_clock_up{" + clock + "} 1\n",
                               "kerovant_clock_borrower_info{" + clock + ",program=\"" + program + "\","}))
            << ReadFile(file);
        borrower.Stop(signal);
    };
    struct Row {
        const char* legend;
        std::function<void()> borrow;
    };
    const Row rows[] = {
        {"check", [&] { EXPECT_EQ(RunCli(Port() + "check").status, 0); }},
        {"set",
         [&] {
             EXPECT_EQ(RunCli(Port() + "set illumination 5").status, 0);
             EXPECT_EQ(Clock().Config().illumination, 5);
         }},
        // Its device object replaced after the write: the port reopened at
        // once, on the same loan.
        {"import", [&] { EXPECT_EQ(RunCli(Port() + "import " + profile).status, 0); }},
        // A port closed and at once opened again by its program (the window
        // replacing its device object) and then held past watch's retries
        // (2 s) stays lent.
        {"reopened",
         [&] {
             LinkSettings settings;
             ASSERT_TRUE(SetDeviceName(settings, sim_.DevicePath()));
             CUsbSerialPort port;
             port.Open(settings);
             port.Close();
             port.Open(settings);
             EXPECT_EQ(port.State(), PortState::Open);
             std::this_thread::sleep_for(std::chrono::milliseconds(2500));
             const std::string text = ReadFile(file);
             EXPECT_TRUE(Contains(text, "kerovant_clock_lent{" + clock + "} 1\n")) << text;
             EXPECT_TRUE(Contains(text, "kerovant_clock_up{" + clock + "} 1\n")) << text;
         }},
        {"provision",
         [&] {
             BackgroundCli provision({"--port", sim_.DevicePath(), "provision", profile, "--log", TempPath("lend.csv")},
                                     TempPath("lend-provision.txt"));
             holding(provision, "kerovant-cli", "Unplug this clock.", SIGINT);
             EXPECT_TRUE(Contains(provision.Output(), ": ok")) << provision.Output();
         }},
        {"killed",
         [&] {
             BackgroundCli provision({"--port", sim_.DevicePath(), "provision", profile, "--log", TempPath("lend.csv")},
                                     TempPath("lend-killed.txt"));
             holding(provision, "kerovant-cli", "Unplug this clock.", SIGKILL);
         }},
        {"window",
         [&] {
             if (std::string(KEROVANT_WINDOW).empty())
                 return;
             ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
             ::setenv("XDG_CONFIG_HOME", TempPath("lend-window").c_str(), 1);
             const size_t hellos = Clock().CountReceived(kCmdHello);
             BackgroundCli window({"--port", sim_.DevicePath()}, TempPath("lend-window.txt"), KEROVANT_WINDOW);
             EXPECT_TRUE(WaitUntil([&] { return Clock().CountReceived(kCmdHello) > hellos; }, std::chrono::seconds(10)))
                 << "the window greets the clock";
             holding(window, "kerovant", "", SIGTERM);
         }},
    };
    size_t loans = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        row.borrow();
        if (std::string(row.legend) == "window" && std::string(KEROVANT_WINDOW).empty())
            continue;
        ++loans;
        EXPECT_TRUE(watch.WaitFor("kerovant-cli: lent " + sim_.DevicePath() + " to ", loans)) << watch.Output();
        EXPECT_TRUE(watch.WaitFor("kerovant-cli: " + sim_.DevicePath() + " is back from ", loans)) << watch.Output();
        EXPECT_TRUE(fileHolds({"kerovant_clock_lent{" + clock + "} 0\n", "kerovant_clock_up{" + clock + "} 1\n",
                               "kerovant_link_reconnects_total{" + clock + "} 0\n",
                               "kerovant_link_failures_total{" + clock + ",kind=\"busy\"} 0\n"}))
            << ReadFile(file);
        EXPECT_FALSE(Contains(ReadFile(file), "kerovant_clock_borrower_info")) << ReadFile(file);
    }
    EXPECT_FALSE(Contains(watch.Output(), "in use")) << watch.Output();
    EXPECT_EQ(watch.Stop(SIGTERM), 143);
    ::unlink(profile.c_str());
}

// Only a user who may open the device may borrow it: another is refused
// and watch keeps the clock.
TEST_F(CliTest, WatchLendsOnlyToUsersOfTheDevice)
{
    if (::getuid() != 0)
        GTEST_SKIP() << "needs root, to ask as another user";
    const std::string path = sim_.DevicePath();
    ASSERT_EQ(::chown(path.c_str(), 0, 0), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0660), 0);
    BackgroundCli watch({"--port", path, "watch"}, TempPath("refuse-watch.txt"));
    ASSERT_TRUE(watch.WaitFor("UTC ")) << watch.Output();
    const pid_t child = ::fork();
    if (child == 0) {
        const gid_t nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            ::_exit(2);
        ::_exit(BorrowPort(path) >= 0 ? 1 : 0);
    }
    int raw = 0;
    ASSERT_EQ(::waitpid(child, &raw, 0), child);
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << "refused: " << raw;
    // Root may: the lender answers.
    const int loan = BorrowPort(path);
    EXPECT_GE(loan, 0);
    ASSERT_TRUE(watch.WaitFor(" is back from ", 0)) << watch.Output();
    if (loan >= 0)
        ::close(loan);
    EXPECT_TRUE(watch.WaitFor(" is back from ")) << watch.Output();
    EXPECT_EQ(BackgroundCli::Count(watch.Output(), "kerovant-cli: lent "), 1u) << watch.Output();
}
