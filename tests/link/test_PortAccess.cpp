// What the user is told when the clock's device cannot be opened: the
// permission advice against real files with chosen owners, groups and
// modes, and the lookup of the process that holds a busy device.
#include "PortAccess.h"
#include "PortLending.h"
#include "UsbSerialPort.h"

#include "PtyHolder.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// A scratch folder, removed with everything in it.
struct ScratchDir {
    fs::path path;
    ScratchDir()
    {
        char pattern[] = "/tmp/kerovant-access-XXXXXX";
        if (const char* made = ::mkdtemp(pattern))
            path = made;
    }
    ~ScratchDir()
    {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

struct PermissionRow {
    const char* legend;
    uid_t owner;
    gid_t group;  // kDialout stands for the system's dialout group
    mode_t mode;
    std::vector<std::string> present;
    std::vector<std::string> absent;
};

constexpr gid_t kDialout = static_cast<gid_t>(-2);
// IDs that no user or group database entry is expected to carry.
constexpr uid_t kUnnamedUser = 54321;
constexpr gid_t kUnnamedGroup = 54321;
constexpr uid_t kNobody = 65534;

TEST(PortAccess, PermissionAdviceNamesOnlyAGroupThatCanReadAndWrite)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving the stand-in device other owners needs root";
    const group* dialout = ::getgrnam("dialout");
    if (!dialout)
        GTEST_SKIP() << "this system has no dialout group";
    const gid_t dialoutGid = dialout->gr_gid;

    const std::string rule = kUdevRuleFile;
    const std::vector<PermissionRow> rows = {
        {"group with read and write is named",
         0,
         kDialout,
         0660,
         {"join the group 'dialout'", "sudo usermod -aG dialout $USER", "log out and in again"},
         {rule}},
        {"group that may only read: owner and rule",
         0,
         kDialout,
         0640,
         {"only root may read and write it", rule},
         {"join", "dialout"}},
        {"group that may only write: owner and rule", 0, kDialout, 0620, {"only root may", rule}, {"join"}},
        {"root's group is never suggested", 0, 0, 0660, {"only root may read and write it", rule}, {"join", "-aG"}},
        {"an ordinary owner is named",
         kNobody,
         kDialout,
         0600,
         {"only its owner, the user 'nobody', may read and write it", rule},
         {"join"}},
        {"an owner without a name is given by number", kUnnamedUser, kDialout, 0604, {"user ID 54321", rule}, {"join"}},
        {"a group without a name cannot be joined",
         kUnnamedUser,
         kUnnamedGroup,
         0660,
         {"user ID 54321", rule},
         {"join"}},
        {"nobody may: the administrator", 0, kDialout, 0000, {"only the administrator", rule}, {"join"}},
        {"read-only owner counts as none", kNobody, kDialout, 0400, {"only the administrator", rule}, {"join"}},
    };

    ScratchDir dir;
    ASSERT_FALSE(dir.path.empty());
    const std::string device = (dir.path / "ttyUSB7").string();
    std::ofstream(device).put('x');
    for (const PermissionRow& row : rows) {
        SCOPED_TRACE(row.legend);
        const gid_t gid = row.group == kDialout ? dialoutGid : row.group;
        ASSERT_EQ(::chown(device.c_str(), row.owner, gid), 0);
        ASSERT_EQ(::chmod(device.c_str(), row.mode), 0);
        const std::string advice = DescribePortState(PortState::PermissionDenied, device);
        EXPECT_TRUE(Contains(advice, "Permission denied on " + device)) << advice;
        for (const std::string& part : row.present)
            EXPECT_TRUE(Contains(advice, part)) << "missing '" << part << "' in: " << advice;
        for (const std::string& part : row.absent)
            EXPECT_FALSE(Contains(advice, part)) << "unexpected '" << part << "' in: " << advice;
    }

    // The advice follows a symbolic link (the stable by-id names) to the node.
    const std::string link = (dir.path / "by-id-link").string();
    ASSERT_EQ(::symlink(device.c_str(), link.c_str()), 0);
    ASSERT_EQ(::chown(device.c_str(), 0, dialoutGid), 0);
    ASSERT_EQ(::chmod(device.c_str(), 0660), 0);
    EXPECT_TRUE(Contains(DescribePortState(PortState::PermissionDenied, link), "join the group 'dialout'"));
}

TEST(PortAccess, PermissionAdviceWithoutADeviceToExamine)
{
    for (const std::string& device : {std::string("/dev/kerovant-no-such-device"), std::string()}) {
        const std::string advice = DescribePortState(PortState::PermissionDenied, device);
        EXPECT_TRUE(Contains(advice, "Permission denied on")) << advice;
        EXPECT_TRUE(Contains(advice, kUdevRuleFile)) << advice;
        EXPECT_FALSE(Contains(advice, "join")) << advice;
    }
}

TEST(PortAccess, HolderOfABusyDeviceIsFoundByProcessAndName)
{
    PtyHolder holder("kv-pty-holder");
    ASSERT_TRUE(holder.Holding());

    const std::vector<DeviceHolder> holders = FindDeviceHolders(holder.DevicePath());
    ASSERT_FALSE(holders.empty());
    EXPECT_EQ(holders.front(), (DeviceHolder{holder.Pid(), "kv-pty-holder"}));
    EXPECT_EQ(holders.size(), 1u) << "found through both its descriptor and its lock, named once";

    // A holder without a lock is found through its descriptor alone.
    PtyHolder unlocked("kv-open-only", false);
    ASSERT_TRUE(unlocked.Holding());
    EXPECT_EQ(FindDeviceHolders(unlocked.DevicePath()), (std::vector<DeviceHolder>{{unlocked.Pid(), "kv-open-only"}}));

    // Under another name for the same device, as /dev/serial/by-id gives.
    ScratchDir dir;
    const std::string link = (dir.path / "usb-clock-if00").string();
    ASSERT_EQ(::symlink(holder.DevicePath().c_str(), link.c_str()), 0);
    EXPECT_EQ(FindDeviceHolders(link), holders);

    // The port finds the device taken and says by whom.
    CUsbSerialPort port;
    port.Open(SettingsFor(holder.DevicePath()));
    EXPECT_EQ(port.State(), PortState::Busy);
    const std::string expected = holder.DevicePath() + " is in use by kv-pty-holder (process " +
        std::to_string(holder.Pid()) + "): close that program and try again.";
    EXPECT_EQ(DescribePortState(PortState::Busy, holder.DevicePath()), expected);
}

// A program whose name is longer than the kernel's 15 characters of
// /proc/PID/comm is named in full.
TEST(PortAccess, AHolderWithALongNameIsNamedInFull)
{
    PtyHolder pty("kv-open-only", false);
    ASSERT_TRUE(pty.Holding());
    ScratchDir dir;
    const std::string program = (dir.path / "kv-holder-with-a-long-name").string();
    ASSERT_EQ(::symlink("/bin/sleep", program.c_str()), 0);
    const pid_t sleeper = ::fork();
    ASSERT_GE(sleeper, 0);
    if (sleeper == 0) {
        ::execl("/bin/sh", "sh", "-c", ("exec \"$0\" 30 <" + pty.DevicePath()).c_str(), program.c_str(), nullptr);
        ::_exit(127);
    }
    std::vector<DeviceHolder> holders;
    for (int i = 0; i < 200 && (holders.size() < 2 || holders.back().name == "sh"); ++i) {
        ::usleep(10000);
        holders = FindDeviceHolders(pty.DevicePath());
    }
    ::kill(sleeper, SIGKILL);
    ::waitpid(sleeper, nullptr, 0);
    EXPECT_EQ(holders,
              (std::vector<DeviceHolder>{{pty.Pid(), "kv-open-only"}, {sleeper, "kv-holder-with-a-long-name"}}));
}

// status's "USB latency:" line, as each answer of the driver leaves it.
TEST(PortAccess, LatencyIsSaidAsTheDriverLeftIt)
{
    EXPECT_EQ(LowLatencyText(LowLatency::On), "low (1 ms)");
    EXPECT_EQ(LowLatencyText(LowLatency::Off), "normal (the driver refused low latency)");
    EXPECT_EQ(LowLatencyText(LowLatency::NotSupported), "not supported by the device (not a USB bridge)");
    EXPECT_EQ(LowLatencyText(LowLatency::NotAsked), "");
}

TEST(PortAccess, NoHolderIsInventedForADeviceNobodyHolds)
{
    int master = -1;
    int slave = -1;
    char path[256] = {};
    ASSERT_EQ(::openpty(&master, &slave, path, nullptr, nullptr), 0);
    ::close(slave);
    // Only the master is open, and it is another device.
    EXPECT_TRUE(FindDeviceHolders(path).empty());
    ::close(master);

    EXPECT_TRUE(FindDeviceHolders("/dev/kerovant-no-such-device").empty());
    EXPECT_TRUE(FindDeviceHolders("").empty());
    EXPECT_EQ(DescribePortState(PortState::Busy, "/dev/kerovant-no-such-device"),
              "/dev/kerovant-no-such-device is in use by another program: close that program and try again.");
}

TEST(PortAccess, LockTableRowsThatCount)
{
    const dev_t devtmpfs = ::makedev(0, 5);
    const std::string locks =
        "1: FLOCK  ADVISORY  WRITE 812 00:05:1234 0 EOF\n"     // the holder
        "2: -> FLOCK  ADVISORY  WRITE 900 00:05:1234 0 EOF\n"  // waits for it
        "3: OFDLCK ADVISORY  WRITE -1 00:05:1234 0 EOF\n"      // no process
        "4: POSIX  ADVISORY  WRITE 0 00:05:1234 0 EOF\n"       // other namespace
        "5: FLOCK  ADVISORY  WRITE 813 00:05:1235 0 EOF\n"     // another inode
        "6: FLOCK  ADVISORY  WRITE 814 00:1a:1234 0 EOF\n"     // another file system
        "7: POSIX  ADVISORY  READ 815 00:05:1234 0 EOF\n"      // a second holder
        "8: FLOCK  ADVISORY  WRITE 812 00:05:1234 0 EOF\n"     // the first again
        "garbage line\n"
        "9: FLOCK  ADVISORY  WRITE 816 00-05-1234 0 EOF\n";  // malformed file
    EXPECT_EQ(LockHoldersIn(locks, devtmpfs, 1234), (std::vector<pid_t>{812, 815}));
    EXPECT_EQ(LockHoldersIn(locks, ::makedev(0, 0x1a), 1234), (std::vector<pid_t>{814}));
    EXPECT_TRUE(LockHoldersIn("", devtmpfs, 1234).empty());
}

TEST(PortAccess, BusyAdviceForAServiceAndForAProgram)
{
    const std::string modem = BusyAdvice("/dev/ttyUSB0", {{812, "ModemManager"}, {900, "minicom"}});
    EXPECT_TRUE(Contains(modem, "in use by ModemManager (process 812)")) << modem;
    EXPECT_TRUE(Contains(modem, kUdevRuleFile)) << modem;
    EXPECT_FALSE(Contains(modem, "close that program")) << modem;

    EXPECT_EQ(BusyAdvice("/dev/ttyUSB0", {{900, "minicom"}}),
              "/dev/ttyUSB0 is in use by minicom (process 900): close that program and try again.");
}

// A device the system forbids this process (EPERM: a service's device list
// fixed before the device existed) ends watch for a restart; one its
// permissions forbid (EACCES) may be let in while it waits.
TEST(PortAccess, OnlyTheSystemsRefusalLastsUntilARestart)
{
    struct Row {
        PortState state;
        int openError;
        bool untilRestart;
    };
    const Row rows[] = {
        {PortState::PermissionDenied, EPERM, true},
        {PortState::PermissionDenied, EACCES, false},
        {PortState::NoBridge, ENOENT, false},
        {PortState::Busy, EBUSY, false},
        {PortState::Open, 0, false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(DeviceForbiddenUntilRestart(row.state, row.openError), row.untilRestart)
            << static_cast<int>(row.state) << " " << row.openError;
}

}  // namespace

// Who may borrow a lent device: the node's owner, group or others by its
// mode, with the user's supplementary groups; root always.
TEST(PortAccess, OnlyAUserOfTheNodeMayBorrowIt)
{
    struct Row {
        const char* legend;
        uid_t uid;
        gid_t gid;
        std::vector<gid_t> groups;
        mode_t mode;
        bool may;
    };
    // The node: owner 0, group 20.
    const Row rows[] = {
        {"root", 0, 0, {}, 0600, true},
        {"a member of its group", 1000, 1000, {20}, 0660, true},
        {"its group as the primary one", 1000, 20, {}, 0660, true},
        {"a member, but the group may only read", 1000, 1000, {20}, 0640, false},
        {"someone else", 1000, 1000, {100}, 0660, false},
        {"someone else, the node open to all", 1000, 1000, {}, 0666, true},
    };
    for (const Row& row : rows) {
        NodeAccess node;
        node.owner = 0;
        node.group = 20;
        node.mode = row.mode;
        EXPECT_EQ(MayUseNode(row.uid, row.gid, row.groups, node), row.may) << row.legend;
    }
}
