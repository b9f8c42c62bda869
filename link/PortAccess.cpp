#include "PortAccess.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <grp.h>
#include <mutex>
#include <pwd.h>
#include <sstream>
#include <string_view>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

constexpr mode_t kGroupReadWrite = S_IRGRP | S_IWGRP;
constexpr mode_t kOwnerReadWrite = S_IRUSR | S_IWUSR;
constexpr gid_t kRootGroup = 0;

// The user and group databases may be large (directory services), so their
// buffers grow on ERANGE instead of guessing one size.
std::string UserName(uid_t uid)
{
    std::vector<char> buffer(1024);
    for (;;) {
        passwd entry{};
        passwd* found = nullptr;
        const int rc = ::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found);
        if (rc == ERANGE && buffer.size() < (1u << 20)) {
            buffer.resize(buffer.size() * 4);
            continue;
        }
        return rc == 0 && found ? std::string(found->pw_name) : std::string();
    }
}

std::string GroupName(gid_t gid)
{
    std::vector<char> buffer(1024);
    for (;;) {
        group entry{};
        group* found = nullptr;
        const int rc = ::getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found);
        if (rc == ERANGE && buffer.size() < (1u << 20)) {
            buffer.resize(buffer.size() * 4);
            continue;
        }
        return rc == 0 && found ? std::string(found->gr_name) : std::string();
    }
}

Sentence UdevRuleHint()
{
    return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant",
                                            "Kerovant's udev rule (%1) gives the user at the desktop access "
                                            "to the clock: install it (the kerovant package does), then "
                                            "plug the clock in again."),
                    {Sentence::Verbatim(kUdevRuleFile)});
}

bool IsProcessId(const char* name)
{
    if (!*name)
        return false;
    for (const char* p = name; *p; ++p) {
        if (!std::isdigit(static_cast<unsigned char>(*p)))
            return false;
    }
    return true;
}

// The process's name: /proc/PID/comm, which the kernel cuts to 15
// characters; when it is so cut, the whole name from the program's first
// argument (its file name without the folder), which the cut name begins.
// A name the process gave itself (comm not a cut of it) is kept.
std::string CommandName(pid_t pid)
{
    const std::string proc = "/proc/" + std::to_string(pid);
    std::ifstream comm(proc + "/comm");
    std::string name;
    std::getline(comm, name);
    if (name.size() < 15)
        return name;
    std::ifstream cmdline(proc + "/cmdline");
    std::string first;
    std::getline(cmdline, first, '\0');
    const std::string base = first.substr(first.rfind('/') == std::string::npos ? 0 : first.rfind('/') + 1);
    return base.size() > name.size() && base.starts_with(name) ? base : name;
}

// Whether an open file, given by its /proc/PID/fd/N link, is the device.
// Only links into /dev are examined further: a stat of an arbitrary open
// file could hang on a network file system that stopped answering.
bool IsSameDevice(const std::string& fdPath, const struct stat& device)
{
    char target[4096];
    const ssize_t n = ::readlink(fdPath.c_str(), target, sizeof target - 1);
    if (n <= 0)
        return false;
    target[n] = '\0';
    if (std::string_view(target, static_cast<size_t>(n)).rfind("/dev/", 0) != 0)
        return false;
    struct stat st { };
    if (::stat(fdPath.c_str(), &st) != 0)
        return false;
    // A character device is the same device under any node name (the
    // by-id link, a second node); anything else must be the same file.
    if (S_ISCHR(device.st_mode))
        return S_ISCHR(st.st_mode) && st.st_rdev == device.st_rdev;
    return st.st_dev == device.st_dev && st.st_ino == device.st_ino;
}

bool HoldsOpen(pid_t pid, const struct stat& device)
{
    const std::string dir = "/proc/" + std::to_string(pid) + "/fd";
    DIR* fds = ::opendir(dir.c_str());
    // Another user's process: its descriptors are not ours to see.
    if (!fds)
        return false;
    bool found = false;
    while (dirent* entry = ::readdir(fds)) {
        if (entry->d_name[0] == '.')
            continue;
        if (IsSameDevice(dir + "/" + entry->d_name, device)) {
            found = true;
            break;
        }
    }
    ::closedir(fds);
    return found;
}

}  // namespace

std::optional<NodeAccess> ReadNodeAccess(const std::string& path)
{
    struct stat st { };
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    NodeAccess access;
    access.owner = st.st_uid;
    access.group = st.st_gid;
    access.mode = st.st_mode & 07777;
    access.ownerName = UserName(st.st_uid);
    access.groupName = GroupName(st.st_gid);
    return access;
}

Sentence PermissionSentence(const Sentence& device, const std::optional<NodeAccess>& access)
{
    // Without a path the device is named in the sentence: each language
    // joins "the clock's USB device" to its preposition its own way.
    if (device.empty())
        return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "Permission denied on the clock's USB device. %1"),
                        {UdevRuleHint()});
    if (!access)
        return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "Permission denied on %1. %2"), {device, UdevRuleHint()});

    // A group is worth joining only when its members may read and write the
    // device; root's group never is, whatever its mode.
    if ((access->mode & kGroupReadWrite) == kGroupReadWrite && access->group != kRootGroup &&
        !access->groupName.empty()) {
        return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant",
                                                "Permission denied on %1: join the group '%2' (for "
                                                "example: sudo usermod -aG %2 $USER), then log out and in "
                                                "again."),
                        {device, Sentence::Verbatim(access->groupName)});
    }

    Sentence who;
    if ((access->mode & kOwnerReadWrite) != kOwnerReadWrite)
        who = Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "only the administrator may read and write it"));
    else if (access->owner == 0)
        who = Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "only root may read and write it"));
    else if (!access->ownerName.empty())
        who = Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "only its owner, the user '%1', may read and write it"),
                       {Sentence::Verbatim(access->ownerName)});
    else
        who = Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "only its owner, user ID %1, may read and write it"),
                       {Sentence::Verbatim(std::to_string(access->owner))});
    return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "Permission denied on %1: %2. %3"),
                    {device, who, UdevRuleHint()});
}

std::string PermissionAdvice(const std::string& deviceText, const std::optional<NodeAccess>& access)
{
    return PermissionSentence(Sentence::Verbatim(deviceText), access).English();
}

Sentence BusySentence(const Sentence& device, const std::vector<DeviceHolder>& holders)
{
    if (device.empty())
        return Sentence(KEROVANT_TRANSLATE_NOOP(
            "Kerovant", "the clock's USB device is in use by another program: close that program and try again."));
    if (holders.empty())
        return Sentence(
            KEROVANT_TRANSLATE_NOOP("Kerovant", "%1 is in use by another program: close that program and try again."),
            {device});
    const DeviceHolder& holder = holders.front();
    const Sentence pid = Sentence::Verbatim(std::to_string(holder.pid));
    const Sentence who = holder.name.empty()
        ? Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "a program (process %1)"), {pid})
        : Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "%1 (process %2)"), {Sentence::Verbatim(holder.name), pid});
    // ModemManager probes every new serial device for a modem; it is a
    // system service, not a program the user can simply close.
    if (holder.name == "ModemManager") {
        return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant",
                                                "%1 is in use by %2. Kerovant's udev rule (%3) tells "
                                                "ModemManager to leave the clock alone: install it (the "
                                                "kerovant package does), then plug the clock in again."),
                        {device, who, Sentence::Verbatim(kUdevRuleFile)});
    }
    return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "%1 is in use by %2: close that program and try again."),
                    {device, who});
}

std::string BusyAdvice(const std::string& deviceText, const std::vector<DeviceHolder>& holders)
{
    return BusySentence(Sentence::Verbatim(deviceText), holders).English();
}

std::vector<pid_t> LockHoldersIn(const std::string& locksText, dev_t device, ino_t inode)
{
    // Lines read "1: FLOCK  ADVISORY  WRITE 812 00:05:1234 0 EOF"; a waiter
    // has "->" after the number. The file is named by its file system's
    // major and minor number in hex and its inode in decimal.
    std::vector<pid_t> pids;
    std::istringstream lines(locksText);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string number;
        std::string kind;
        fields >> number >> kind;
        if (kind == "->")
            continue;
        std::string advisory;
        std::string access;
        long pid = 0;
        std::string file;
        if (!(fields >> advisory >> access >> pid >> file))
            continue;
        unsigned major = 0;
        unsigned minor = 0;
        unsigned long long ino = 0;
        if (std::sscanf(file.c_str(), "%x:%x:%llu", &major, &minor, &ino) != 3)
            continue;
        // Open file description locks carry no process (-1); a holder in
        // another PID namespace shows as 0.
        if (pid <= 0 || ::makedev(major, minor) != device || ino != inode)
            continue;
        if (std::find(pids.begin(), pids.end(), static_cast<pid_t>(pid)) == pids.end())
            pids.push_back(static_cast<pid_t>(pid));
    }
    return pids;
}

bool DeviceForbiddenUntilRestart(PortState state, int openError)
{
    return state == PortState::PermissionDenied && openError == EPERM;
}

std::vector<DeviceHolder> FindDeviceHolders(const std::string& device)
{
    struct stat target { };
    if (device.empty() || ::stat(device.c_str(), &target) != 0)
        return {};

    // The holder of the lock first: the program that claims the device,
    // not one that merely has it open.
    std::ifstream locks("/proc/locks");
    std::ostringstream text;
    text << locks.rdbuf();
    std::vector<pid_t> pids = LockHoldersIn(text.str(), target.st_dev, target.st_ino);
    const size_t lockHolders = pids.size();
    if (DIR* proc = ::opendir("/proc")) {
        while (dirent* entry = ::readdir(proc)) {
            if (!IsProcessId(entry->d_name))
                continue;
            const pid_t pid = static_cast<pid_t>(std::strtol(entry->d_name, nullptr, 10));
            if (std::find(pids.begin(), pids.end(), pid) == pids.end() && HoldsOpen(pid, target))
                pids.push_back(pid);
        }
        ::closedir(proc);
    }

    // Lock holders, then the others, each by number; this process last.
    const pid_t self = ::getpid();
    const auto lockHolder = [&pids, lockHolders](pid_t pid) {
        return std::find(pids.begin(), pids.begin() + static_cast<std::ptrdiff_t>(lockHolders), pid) !=
            pids.begin() + static_cast<std::ptrdiff_t>(lockHolders);
    };
    std::vector<pid_t> sorted = pids;
    std::sort(sorted.begin(), sorted.end(), [&](pid_t a, pid_t b) {
        if ((a == self) != (b == self))
            return b == self;
        if (lockHolder(a) != lockHolder(b))
            return lockHolder(a);
        return a < b;
    });
    pids = std::move(sorted);
    std::vector<DeviceHolder> holders;
    for (pid_t pid : pids) {
        std::string name = CommandName(pid);
        // A process that ended during the scan has no name left to show.
        if (!name.empty())
            holders.push_back({pid, std::move(name)});
    }
    return holders;
}

std::vector<DeviceHolder> CachedDeviceHolders(const std::string& device, std::chrono::milliseconds maxAge)
{
    static std::mutex mutex;
    static std::string cachedDevice;
    static std::vector<DeviceHolder> cachedHolders;
    static std::chrono::steady_clock::time_point cachedAt;

    const auto now = std::chrono::steady_clock::now();
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (device == cachedDevice && now - cachedAt < maxAge)
            return cachedHolders;
    }
    // The scan runs without the lock: two threads asking at once scan twice,
    // which is cheaper than one waiting for the other.
    std::vector<DeviceHolder> holders = FindDeviceHolders(device);
    std::lock_guard<std::mutex> lock(mutex);
    cachedDevice = device;
    cachedHolders = holders;
    cachedAt = now;
    return holders;
}
