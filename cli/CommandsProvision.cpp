// provision: a crate of clocks on one cable, one after the other. For each
// clock plugged in: the profile written and read back (import's road), with
// --set-time its time set on the second, a row appended to the CSV log and
// one line printed; then the clock must be unplugged before the next is
// taken, whether it succeeded or not, so a clock left plugged in is never
// written twice.
//
// The log is the receipt of the run, a CSV file as RFC 4180 has it (CRLF
// line ends, fields with a separator, quote or line break quoted): each
// clock's time (ISO 8601, local with its zone), port, serial number as
// status prints it, family, firmware, result and offset, then what makes
// the receipt one a person can file: the profile's file name and SHA-256,
// the program's version, the operator's login name and whether the time
// was set. Columns are only ever added at the end, so a log of an earlier
// version is appended to as it is. It is opened for appending (rows of
// earlier runs stay), gets its header when it is empty, and each row goes
// out in one write() to a descriptor opened with O_APPEND and is synced
// before the clock's line is printed: a crash or a power cut loses at most
// the clock being worked on. A row that cannot be written ends the run:
// clocks without a receipt are worse than a stop.
//
// A clock counts as done only when every step succeeded. Ctrl-C or SIGTERM
// (SIGHUP and SIGQUIT alike) ends the run with a summary, exit 0 when no
// clock failed, else 1; one that comes while a clock is being worked on
// makes that clock a failed row. The log is not opened through a symbolic
// link (OutputFile.h).
#include "CliCommands.h"
#include "OutputFile.h"

#include "NumberText.h"
#include "StatusText.h"

#include <QByteArrayView>
#include <QCryptographicHash>

#include "TerminalText.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kLogHeader =
    "date,port,serial_number,family,firmware,result,offset_seconds,profile,"
    "profile_sha256,program_version,operator,time_set\r\n";

// A CSV field: quoted when it holds a separator, a quote or a line break,
// with the quotes inside doubled.
std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// What every row of a run says alike.
struct RunFields {
    std::string profileName;  // the file's name without its folder; "-" for standard input
    std::string profileSha256;
    std::string operatorName;
};

// One clock's outcome: a line of the log and of the output.
struct ClockRow {
    std::string date;  // ISO 8601, local time with its offset from UTC
    std::string port;
    ProfileClock clock;
    bool identified = false;
    std::string result;  // "ok" or "failed: reason"
    std::optional<double> offsetSeconds;
    bool timeSet = false;

    bool Ok() const { return result == "ok"; }
};

// "2026-12-09T23:45:01+01:00", "2026-12-09T22:45:01Z" where the zone is UTC.
std::string IsoDate(std::chrono::sys_seconds when)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[48];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    if (local.tm_gmtoff == 0)
        return std::string(text) + "Z";
    // Zones stay within a day of UTC; the bound tells the compiler so.
    const int minutes = static_cast<int>(std::labs(local.tm_gmtoff) / 60 % (24 * 60));
    char zone[16];
    std::snprintf(zone, sizeof zone, "%c%02d:%02d", local.tm_gmtoff < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return std::string(text) + zone;
}

// Who runs the provisioning: the login name of the session (the person
// behind sudo too), else the user the program runs as, else its number.
std::string OperatorName()
{
    char login[256];
    if (::getlogin_r(login, sizeof login) == 0 && login[0] != '\0')
        return login;
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return found->pw_name;
    return std::to_string(::geteuid());
}

std::string Family(const ProfileClock& clock)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", clock.familyId);
    return text;
}

std::string Firmware(const ProfileClock& clock)
{
    return std::to_string(clock.firmware.major) + "." + std::to_string(clock.firmware.minor) + "." +
        std::to_string(clock.firmware.build);
}

// "+0.004": seconds, never "-0.000".
std::string Offset(double seconds)
{
    const double shown = std::fabs(seconds) < 0.0005 ? 0.0 : seconds;
    return (shown < 0 ? "" : "+") + FixedDecimals(shown, 3);
}

std::string LogLine(const ClockRow& row, const RunFields& run)
{
    const std::vector<std::string> fields = {
        row.date,
        row.port,
        row.identified ? SerialNumber(row.clock.serialNumber) : std::string(),
        row.identified ? Family(row.clock) : std::string(),
        row.identified ? Firmware(row.clock) : std::string(),
        row.result,
        row.offsetSeconds ? Offset(*row.offsetSeconds) : std::string(),
        run.profileName,
        run.profileSha256,
        KEROVANT_VERSION,
        run.operatorName,
        row.timeSet ? "yes" : "no",
    };
    std::string line;
    for (const std::string& field : fields)
        line += (line.empty() ? "" : ",") + CsvField(field);
    return line + "\r\n";
}

// The CSV log, appended to.
class CProvisionLog {
public:
    CProvisionLog() = default;
    ~CProvisionLog()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    CProvisionLog(const CProvisionLog&) = delete;
    CProvisionLog& operator=(const CProvisionLog&) = delete;

    // Opens the file for appending, made when missing; an empty one gets
    // the header. False with the reason.
    bool Open(const std::string& path, std::string& error)
    {
        fd_ = OpenOutputFile(path, O_APPEND, error);
        if (fd_ < 0)
            return false;
        struct stat st { };
        if (::fstat(fd_, &st) != 0) {
            error = std::strerror(errno);
            return false;
        }
        if (!S_ISREG(st.st_mode)) {
            error = "not a regular file";
            return false;
        }
        return st.st_size > 0 || Append(kLogHeader, error);
    }

    // One write, so that the text is never interleaved or cut between rows,
    // then synced.
    bool Append(const std::string& text, std::string& error)
    {
        if (!WriteAllTo(fd_, text, error))
            return false;
        if (::fsync(fd_) != 0 && errno != EINVAL) {
            error = std::strerror(errno);
            return false;
        }
        return true;
    }

private:
    int fd_ = -1;
};

// The identified clock: the profile written and read back, the time set
// with setTime, the offset measured. Errors are kept, not printed: they are
// the row's reason.
void ProvisionClock(CClockSession& session, const Profile& profile, bool setTime, ClockRow& row)
{
    CaptureErrors(true);
    const auto failed = [](int status) -> std::string {
        if (status == kExitInterrupted || status == kExitTerminated)
            return "failed: interrupted before it was done";
        const std::string error = LastError();
        return error.empty() ? "failed: exit status " + std::to_string(status) : "failed: " + error;
    };
    const ProfilePlan plan = PlanProfile(session, profile);
    for (const std::string& warning : plan.warnings)
        std::fprintf(stderr, "kerovant-cli: warning: %s\n", warning.c_str());
    std::vector<FieldDifference> differences;
    int status = WriteProfile(session, plan, differences);
    if (status == kExitOk && setTime) {
        ClockDateTime sent;
        status = SendTimeOnTheSecond(session, sent);
        row.timeSet = status == kExitOk;
    }
    if (status == kExitOk) {
        row.result = "ok";
    } else if (status == kExitMismatch) {
        std::string names;
        for (const FieldDifference& d : differences)
            names += (names.empty() ? "" : ", ") + d.name;
        row.result = "failed: the clock holds other values than the profile asked for: " + names;
    } else {
        row.result = failed(status);
    }
    CaptureErrors(false);
    const std::shared_ptr<CClockDevice> device = session.Device();
    if (device && device->IsReady() && device->GetState() != LinkState::Failed) {
        const ClockOffset offset = SettledOffset(*device);
        if (offset.known)
            row.offsetSeconds = std::chrono::duration<double>(offset.value).count();
    }
}

void PrintRow(const ClockRow& row)
{
    std::string line = "Clock";
    if (row.identified)
        line += " " + SerialNumber(row.clock.serialNumber) + " (family " + Family(row.clock) + ", firmware " +
            Firmware(row.clock) + ")";
    line += " on " + row.port + ": " + row.result;
    if (row.offsetSeconds)
        line += ", offset " + Offset(*row.offsetSeconds) + " s";
    std::printf("%s\n", EscapeControls(line).c_str());
}

std::string Clocks(size_t n)
{
    return std::to_string(n) + (n == 1 ? " clock" : " clocks");
}

}  // namespace

int Provision(CClockSession& session, const Invocation& run)
{
    if (run.words.size() != 1)
        return Usage(QStringLiteral("provision takes one profile file"));
    const std::optional<std::string> logFile = run.Value("log");
    if (!logFile || logFile->empty())
        return Usage(QStringLiteral("provision needs --log FILE.csv, the receipt of the run"));
    Profile profile;
    std::string profileText;
    if (const int status = ReadProfileFile(run.words[0], profile, &profileText))
        return status;
    RunFields fields;
    const std::string& profileFile = run.words[0];
    fields.profileName = profileFile.substr(profileFile.rfind('/') + 1);
    fields.profileSha256 =
        QCryptographicHash::hash(QByteArrayView(profileText.data(), static_cast<qsizetype>(profileText.size())),
                                 QCryptographicHash::Sha256)
            .toHex()
            .toStdString();
    fields.operatorName = OperatorName();
    CProvisionLog log;
    if (std::string error; !log.Open(*logFile, error)) {
        PrintError("cannot write the log " + *logFile + ": " + error);
        return kExitUsage;
    }
    const bool setTime = run.Has("set-time");
    const LinkSettings& settings = run.settings;
    const std::string wanted(settings.deviceName, strnlen(settings.deviceName, sizeof settings.deviceName));
    const std::string port = wanted.empty() ? std::string("the first USB bridge") : wanted;

    size_t ok = 0;
    size_t failed = 0;
    bool logLost = false;
    while (!logLost) {
        std::printf("Waiting for a clock on %s (Ctrl-C ends)...\n", port.c_str());
        std::fflush(stdout);
        std::string cause;
        const CClockSession::Arrival arrival = session.AwaitClock(cause);
        if (arrival == CClockSession::Arrival::Interrupted)
            break;
        ClockRow row;
        row.date = IsoDate(Now());
        const uint64_t losses = session.PortLosses();
        if (const std::shared_ptr<CClockDevice> device = session.Device())
            row.port = device->GetDevicePath();
        if (row.port.empty())
            row.port = port;
        if (arrival == CClockSession::Arrival::Failed) {
            row.result = "failed: " + cause;
        } else {
            row.identified = true;
            row.clock = session.Identity();
            ProvisionClock(session, profile, setTime, row);
        }
        if (std::string error; !log.Append(LogLine(row, fields), error)) {
            PrintError("cannot write the log " + *logFile + ": " + error + "; stopping.");
            logLost = true;
        }
        PrintRow(row);
        ++(row.Ok() ? ok : failed);
        if (logLost || g_interrupted.load(std::memory_order_relaxed) != 0)
            break;
        std::printf("Unplug this clock.\n");
        std::fflush(stdout);
        if (!session.AwaitUnplug(losses))
            break;
    }
    std::printf("%s: %zu ok, %zu failed\n", Clocks(ok + failed).c_str(), ok, failed);
    std::fflush(stdout);
    return failed == 0 && !logLost ? kExitOk : kExitLink;
}
