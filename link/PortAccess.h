// The facts behind the advice a user gets when the clock's device cannot be
// opened: who may read and write the device node, and which processes hold
// it. Plain functions over /dev and /proc; the sentences themselves are
// built from these facts by pure functions, so they can be checked against
// any owner, group and mode.
//
// Thread rules: every function may be called from any thread. The holder
// lookup behind BusyAdvice's caller keeps a small cache under a mutex (see
// CachedDeviceHolders).
#pragma once

#include "SerialPort.h"
#include "Translatable.h"

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// The rule shipped with the program that gives the user at the desktop
// access to the clock's bridge and keeps ModemManager off it.
inline constexpr const char* kUdevRuleFile = "70-kerovant.rules";

// A process that holds a device.
struct DeviceHolder {
    pid_t pid = 0;
    std::string name;  // the process's command name, as /proc/PID/comm has it
    bool operator==(const DeviceHolder&) const = default;
};

// Who owns a device node and what its mode allows.
struct NodeAccess {
    uid_t owner = 0;
    gid_t group = 0;
    mode_t mode = 0;
    std::string ownerName;  // empty when the user database has no entry
    std::string groupName;  // empty when the group database has no entry
};

// The owner, group and mode of the node at path (symbolic links followed);
// nothing when it cannot be examined.
std::optional<NodeAccess> ReadNodeAccess(const std::string& path);

// The sentence for a device that may not be opened. deviceText names the
// device in the sentence. A group is suggested only when its members may
// read and write the device and it is not root's; otherwise the sentence
// says who may (the owner) and points to the udev rule. An empty device
// Sentence() stands for a device without a path: the sentence then names
// "the clock's USB device" itself.
std::string PermissionAdvice(const std::string& deviceText, const std::optional<NodeAccess>& access);
Sentence PermissionSentence(const Sentence& device, const std::optional<NodeAccess>& access);

// Whether a device that could not be opened stays forbidden for as long as
// this process runs. EPERM from open() comes not from the node's owner and
// mode (that is EACCES, which a udev rule or a group may lift while we
// wait) but from a rule of the process's own: its cgroup's device list
// (systemd's DeviceAllow=, made when the service started, and without a
// node that did not exist then) or its system call filter. Waiting does not
// help; a new process may be let in.
bool DeviceForbiddenUntilRestart(PortState state, int openError);

// The sentence for a device another program holds, naming the first holder
// when one is known; an empty device Sentence() as for PermissionSentence.
std::string BusyAdvice(const std::string& deviceText, const std::vector<DeviceHolder>& holders);
Sentence BusySentence(const Sentence& device, const std::vector<DeviceHolder>& holders);

// Processes that have the device open, found through /proc/*/fd (which shows
// only the processes this one may inspect: its user's, or all for root), and
// those holding a lock on it, found through /proc/locks (readable by all).
// Other processes come first in process-ID order, this process last. Empty
// when the device does not exist or no holder can be seen.
std::vector<DeviceHolder> FindDeviceHolders(const std::string& device);

// As FindDeviceHolders, but an answer for the same device younger than
// maxAge is reused: the status line asks five times a second while a device
// stays busy, and a full /proc scan costs about 10 us per open descriptor
// in the system (tens of milliseconds on a busy desktop).
std::vector<DeviceHolder> CachedDeviceHolders(const std::string& device,
                                              std::chrono::milliseconds maxAge = std::chrono::milliseconds(5000));

// The processes that /proc/locks text shows holding a lock (not waiting for
// one) on the file with the given device number and inode.
std::vector<pid_t> LockHoldersIn(const std::string& locksText, dev_t device, ino_t inode);
