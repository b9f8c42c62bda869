// kerovant-clocksim as a program: how it stops, its replugging at the --link
// path, and its refusal of bad fault options.
#include "ClockCodec.h"
#include "ZvSerialMaster.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

// kerovant-clocksim in a child process, its output in a file.
class Program {
public:
    // ignoreInterrupt: start it as a non-interactive shell starts a
    // background job, with SIGINT (and SIGQUIT) ignored.
    Program(const std::vector<std::string>& args, bool ignoreInterrupt)
    {
        char folder[] = "/tmp/kv-clocksim-XXXXXX";
        if (::mkdtemp(folder))
            folder_ = folder;
        output_ = folder_ + "/out";
        link_ = folder_ + "/clock";
        pid_ = ::fork();
        if (pid_ == 0) {
            if (ignoreInterrupt) {
                std::signal(SIGINT, SIG_IGN);
                std::signal(SIGQUIT, SIG_IGN);
            }
            const int fd = ::open(output_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(fd, 1);
            ::dup2(fd, 2);
            std::vector<std::string> all{KEROVANT_CLOCKSIM, "--link", link_};
            all.insert(all.end(), args.begin(), args.end());
            std::vector<char*> argv;
            for (std::string& a : all)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
    }
    ~Program()
    {
        if (pid_ > 0 && !status_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::unlink(output_.c_str());
        ::unlink(link_.c_str());
        ::rmdir(folder_.c_str());
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    const std::string& Link() const { return link_; }
    std::string Target() const
    {
        char buffer[512];
        const ssize_t n = ::readlink(link_.c_str(), buffer, sizeof buffer);
        return n < 0 ? std::string() : std::string(buffer, static_cast<size_t>(n));
    }
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        FILE* file = std::fopen(output_.c_str(), "r");
        if (!file)
            return lines;
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, file)) {
            std::string line = buffer;
            if (!line.empty() && line.back() == '\n')
                line.pop_back();
            lines.push_back(line);
        }
        std::fclose(file);
        return lines;
    }
    void Signal(int signal) const { ::kill(pid_, signal); }
    // The exit status once it has ended within the time, else none.
    std::optional<int> Wait(std::chrono::milliseconds timeout)
    {
        WaitUntil(
            [this] {
                int status = 0;
                if (::waitpid(pid_, &status, WNOHANG) == pid_)
                    status_ = status;
                return status_.has_value();
            },
            timeout);
        return status_;
    }

private:
    std::string folder_;
    std::string output_;
    std::string link_;
    pid_t pid_ = -1;
    std::optional<int> status_;
};

bool Hello(const std::string& path)
{
    CZvSerialMaster master(SettingsFor(path));
    const uint64_t seen = master.EventCount();
    master.SendCommand(kCmdHello);
    return master.WaitForEvent(seen, 2s) && master.IsAcknowledged();
}

TEST(ClockSimProgram, StopsOnInterruptAndTerminateAlsoAsABackgroundJob)
{
    struct Case {
        bool background;
        int signal;
    };
    for (const Case c : {Case{false, SIGINT}, Case{true, SIGINT}, Case{true, SIGTERM}}) {
        SCOPED_TRACE(std::string(c.background ? "background, " : "foreground, ") + strsignal(c.signal));
        Program sim({}, c.background);
        ASSERT_TRUE(WaitUntil([&] { return !sim.Target().empty(); }, 5000ms));
        const std::string device = sim.Target();
        sim.Signal(c.signal);
        const std::optional<int> status = sim.Wait(5000ms);
        ASSERT_TRUE(status.has_value()) << "still serving after the signal";
        EXPECT_TRUE(WIFEXITED(*status));
        EXPECT_EQ(WEXITSTATUS(*status), 0);
        // It cleaned up after itself.
        EXPECT_TRUE(sim.Target().empty());
        EXPECT_EQ(::access(device.c_str(), F_OK), -1);
    }
}

TEST(ClockSimProgram, ReplugsAtTheLinkPath)
{
    Program sim({"--unplug-after", "0.5", "--replug-after", "0.3"}, false);
    ASSERT_TRUE(WaitUntil([&] { return !sim.Target().empty(); }, 5000ms));
    const std::string first = sim.Target();
    EXPECT_TRUE(Hello(sim.Link()));
    // Unplugged, then served again under a new device (the system may give
    // it the old number), printed on a line of its own.
    ASSERT_TRUE(WaitUntil([&] { return sim.Lines().size() >= 2; }, 5000ms));
    ASSERT_TRUE(WaitUntil([&] { return !sim.Target().empty(); }, 5000ms));
    const std::vector<std::string> lines = sim.Lines();
    EXPECT_EQ(lines[0], first);
    EXPECT_EQ(sim.Target(), lines[1]);
    EXPECT_TRUE(Hello(sim.Link()));
    sim.Signal(SIGTERM);
    EXPECT_TRUE(sim.Wait(5000ms).has_value());
}

TEST(ClockSimProgram, RefusesBadFaultOptionsNamingThem)
{
    struct Case {
        std::vector<std::string> args;
        const char* says;
    };
    const Case cases[] = {
        {{"--fault-percent", "101"}, "invalid value '101' for --fault-percent"},
        {{"--fault-kinds", "checksum,late"}, "invalid value 'checksum,late' for --fault-kinds"},
        {{"--fault-seed", "-1"}, "invalid value '-1' for --fault-seed"},
        {{"--noise", "XYZ"}, "invalid value 'XYZ' for --noise"},
        {{"--ack-in-frame"}, "option --ack-in-frame needs a value"},
        {{"--replug-after", "1"}, "option --replug-after needs --unplug-after"},
        {{"--usb-latency", "256"}, "invalid value '256' for --usb-latency"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0]);
        Program sim(c.args, false);
        const std::optional<int> status = sim.Wait(5000ms);
        ASSERT_TRUE(status.has_value());
        EXPECT_EQ(WEXITSTATUS(*status), 2);
        const std::vector<std::string> lines = sim.Lines();
        ASSERT_FALSE(lines.empty());
        EXPECT_NE(lines[0].find(c.says), std::string::npos) << lines[0];
    }
}

}  // namespace
