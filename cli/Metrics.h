// The clock as Prometheus metrics, in the text format that node_exporter's
// textfile collector reads: one file per clock, replaced whole on every
// cycle of watch --metrics. Plain values in, text out; the one piece of I/O
// is the replacement of the file.
//
// What is written while the clock does not answer: kerovant_clock_up 0, the
// counters, and the info of the last clock identified on the port (so that
// an alert on up can name the clock). What the clock reports about itself
// now (its offset, the time code, its rules) is left out rather than shown
// from a reading that is no longer current.
//
// Every sample carries the labels serial and port, those of the last clock
// identified: the files of several watches in one textfile folder are
// served together, as series of their own. Before any clock is identified
// the serial is empty and the port is the one watch was given (empty for
// the first bridge): up 0 and the counters then still say why no clock
// answers, and the port tells the watches apart.
#pragma once

#include "LinkFailure.h"
#include "SerialPort.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <sys/types.h>

// The labels of kerovant_clock_info.
struct ClockInfo {
    std::string serial;    // as the status shows it: "00012345", "0x05F5E100"
    std::string firmware;  // "1.2.4"
    std::string family;    // "0x0350"
    std::string product;   // the product's name, empty while unknown
    std::string port;      // the device path watch was given, or the bridge it found
};

// The labels of kerovant_clock_borrower_info: who has the port while watch
// has lent it (PortLending.h).
struct BorrowerLabels {
    std::string program;  // the command name; empty when it cannot be seen
    std::string pid;
    std::string user;  // the user's name, or the user ID without one
};

struct ClockMetrics {
    bool up = false;
    // While up only: the clock's offset from this computer once measured,
    // whether it receives a time code, and (with a zone to compare with)
    // whether its rules agree with the zone's.
    std::optional<double> offsetSeconds;
    std::optional<bool> timeCodeReceived;
    std::optional<bool> zoneRulesAgree;
    // While up only: whether every field of the clock's configuration is
    // in range (watch reports one that is not and never mends it).
    std::optional<bool> configValid;
    std::optional<ClockInfo> info;
    // The times the clock could not be reached, by the kind of the cause
    // (one of LinkFailureKinds()), and the times it answered again.
    std::map<std::string, uint64_t> failures;
    uint64_t reconnects = 0;
    // Watch has lent the port to another program of ours: up stays as it
    // was, and the clock's current readings are left out, as nobody reads
    // them meanwhile.
    bool lent = false;
    std::optional<BorrowerLabels> borrower;
    // The port watch was given, for the labels until a clock is identified.
    std::string port;
};

// Every kind of failure, each written with its count (0 until it happens):
// a series that appears only on its first failure hides that failure from
// rate() and increase().
std::span<const char* const> LinkFailureKinds();

// The kind of an outage: the port's own state first (not Open or NotOpened),
// else what the last exchange ran into.
const char* LinkFailureKind(PortState port, LinkFailure failure);

// A label value as the text format wants it: backslash, double quote and
// line feed escaped.
std::string EscapeLabelValue(std::string_view value);

// The whole file: each metric with its # HELP and # TYPE lines.
std::string FormatMetrics(const ClockMetrics& metrics);

// Why a folder with this owner and mode may not hold the metrics file of a
// process running as user `us`; empty when it may. The folder must belong
// to us or to root, and a folder of root's (us being another user) must not
// be writable by its group or by others: whoever may write in the folder
// may swap the file, and whoever owns it may swap the folder's contents.
// A folder of our own may be shared with a group: that is its owner's
// choice. Sticky world-writable folders (/tmp) are refused too unless they
// are ours. `folder` names the folder in the reason.
//
// `accessList` is the folder's POSIX access list as the kernel keeps it
// (the extended attribute system.posix_acl_access), empty when it has
// none. With one, the group bits of the mode are the list's mask, not the
// group's: a folder of root's is then taken when no entry but root's and
// one naming us lets anyone write (kerovant-watch@ writes in node_exporter's
// folder so). A list that cannot be read is refused.
std::string FolderRefusal(const std::string& folder, uid_t owner, mode_t mode, uid_t us,
                          std::string_view accessList = {});

// The metrics file, replaced whole as one step: the text goes to a
// temporary file in the same folder (a name the collector skips, which does
// not end in .prom), which is then renamed over the file, so that a reader
// opens the old file or the new one, never part of one. The file is made
// readable by all (the collector runs as its own user).
//
// The folder is opened once, by Open, without following a symbolic link,
// and checked (FolderRefusal); every later step is taken relative to that
// descriptor, and the temporary file is created new (O_EXCL, O_NOFOLLOW).
// A folder swapped for a link, or for another folder, while watch runs
// changes nothing: the file stays in the folder first opened, and nothing
// is created, replaced or removed anywhere else.
class CMetricsFileWriter {
public:
    CMetricsFileWriter() = default;
    ~CMetricsFileWriter();
    CMetricsFileWriter(const CMetricsFileWriter&) = delete;
    CMetricsFileWriter& operator=(const CMetricsFileWriter&) = delete;

    // Opens the folder of path. False with a reason that names the folder.
    bool Open(const std::string& path, std::string& error);
    // Replaces the file with text. False with the reason, naming the file;
    // no temporary file is left behind then.
    bool Replace(const std::string& text, std::string& error);
    // Removes the file, if it is there.
    void Remove();

private:
    int folderFd_ = -1;
    std::string path_;
    std::string name_;
};
