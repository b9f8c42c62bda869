// kerovant-cli run as a user would, against the simulated clock.
#include "LinkTiming.h"
#include "SimClock.h"
#include "StatusText.h"

#include "PtyHolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct CliRun {
    int status = -1;
    std::string output;  // standard output and standard error
};

CliRun RunCli(const std::string& arguments)
{
    CliRun run;
    const std::string command = std::string(KEROVANT_CLI) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe))
        run.output += buffer;
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

TEST(Cli, StatusPrintsWhatTheClockReports)
{
    SimServer sim;
    SimIdentity id;
    id.familyId = 0x0350;
    id.serialNumber = 100000000;
    id.firmware = {1, 2, 4};
    id.timeCodeType = kTimeCodeIrigBAm;
    sim.Clock().SetIdentity(id);
    sim.Clock().SetUtc({1, 0, 3517128000u, 0});
    ASSERT_TRUE(sim.Start());

    const CliRun run = RunCli("--port " + sim.DevicePath() + " status");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("QVR-Set"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("0x0350"), std::string::npos);
    EXPECT_NE(run.output.find("Firmware Version:  1.2.4"), std::string::npos);
    EXPECT_NE(run.output.find("Serial Number:  0x05F5E100"), std::string::npos);
    EXPECT_NE(run.output.find("Protocol version:  1"), std::string::npos);
    EXPECT_NE(run.output.find("06-15-2011  12:00:0"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("IRIG-B(1) : amplitude modulated"), std::string::npos);
    EXPECT_NE(run.output.find("biasSeconds"), std::string::npos);
    EXPECT_NE(run.output.find("useTimeCodeDate"), std::string::npos) << "tcOptions are listed";
    EXPECT_EQ(run.output.find("illumination"), std::string::npos) << "not part of protocol version 1";
}

TEST(Cli, WatchPrintsEveryPollUntilInterrupted)
{
    SimServer sim;
    ASSERT_TRUE(sim.Start());
    const CliRun run = RunCli("--port " + sim.DevicePath() + " watch & pid=$!; sleep 1.5; kill -INT $pid; wait $pid");
    EXPECT_EQ(run.status, 0) << run.output;
    size_t lines = 0;
    for (size_t at = run.output.find("UTC "); at != std::string::npos; at = run.output.find("UTC ", at + 1))
        ++lines;
    // About ten polls a second once identified; a loose lower bound.
    EXPECT_GE(lines, 4u) << run.output;
    EXPECT_NE(run.output.find("SMPTE 30 fps"), std::string::npos) << run.output;
}

TEST(Cli, StatusAndWatchSayHowFarTheClockIsFromTheComputer)
{
    SimServer sim;
    sim.Clock().SetTiming(SimTiming{false, kLineBaudRate});
    sim.Clock().SetUtcOffset(std::chrono::seconds(12));
    ASSERT_TRUE(sim.Start());
    const CliRun status = RunCli("--port " + sim.DevicePath() + " status");
    EXPECT_EQ(status.status, 0) << status.output;
    EXPECT_NE(status.output.find("\nClock vs this computer: +12.0 s\n"), std::string::npos) << status.output;

    const CliRun watch = RunCli("--port " + sim.DevicePath() + " watch & pid=$!; sleep 1; kill -INT $pid; wait $pid");
    EXPECT_EQ(watch.status, 0) << watch.output;
    size_t lines = 0;
    for (size_t at = watch.output.find("Clock vs this computer: +12.0 s\n"); at != std::string::npos;
         at = watch.output.find("Clock vs this computer: +12.0 s\n", at + 1))
        ++lines;
    EXPECT_GE(lines, 3u) << watch.output;

    // A clock that counts whole seconds is measured from its steps.
    sim.Clock().SetTiming(SimTiming{true, kLineBaudRate});
    const CliRun whole = RunCli("--port " + sim.DevicePath() + " status");
    EXPECT_NE(whole.output.find("\nClock vs this computer: about +12.0 s\n"), std::string::npos) << whole.output;
}

TEST(Cli, ErrorsNameTheCause)
{
    const CliRun missing = RunCli("--port /dev/kerovant-no-such-device status");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.output.find("does not exist"), std::string::npos) << missing.output;

    SimServer sim;
    ASSERT_TRUE(sim.Start());
    SimFaults faults;
    faults.silent = true;
    sim.Clock().SetFaults(faults);
    const CliRun silent = RunCli("--port " + sim.DevicePath() + " status");
    EXPECT_EQ(silent.status, 1);
    EXPECT_NE(silent.output.find("No clock answers"), std::string::npos) << silent.output;

    // A device another program holds: the error names that program, as the
    // window's status line does.
    PtyHolder holder("kv-cli-holder");
    ASSERT_TRUE(holder.Holding());
    const CliRun busy = RunCli("--port " + holder.DevicePath() + " status");
    EXPECT_EQ(busy.status, 1);
    EXPECT_NE(busy.output.find("kerovant-cli: " + holder.DevicePath() + " is in use by kv-cli-holder (process " +
                               std::to_string(holder.Pid()) + ")"),
              std::string::npos)
        << busy.output;

    const CliRun usage = RunCli("frobnicate");
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.output.find("Usage:"), std::string::npos);
}

}  // namespace
