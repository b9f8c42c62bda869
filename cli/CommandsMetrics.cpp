// watch --metrics FILE: the clock as Prometheus metrics in FILE, for
// node_exporter's textfile collector. The file is replaced whole (Metrics.h)
// about once a second and at once when the clock is lost or answers again;
// it is removed when watch ends, since nobody then follows the clock and a
// file left behind would show its last state as if it were current.
#include "CliCommands.h"

#include "ClockCodec.h"
#include "DstZoneData.h"
#include "Metrics.h"
#include "StatusText.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

// The cause of an outage as a kind of kerovant_link_failures_total, as the
// line on standard error words it: the port's own reason first.
const char* FailureKind(const CClockDevice& device)
{
    return LinkFailureKind(device.GetPortState(), device.GetLastFailure());
}

// "Serial Number:  00012345" without its label.
std::string Value(const std::string& statusText)
{
    const size_t colon = statusText.find(':');
    const size_t value = colon == std::string::npos ? 0 : statusText.find_first_not_of(' ', colon + 1);
    return value == std::string::npos ? "" : statusText.substr(value);
}

ClockInfo InfoOf(const CClockDevice& device)
{
    ClockInfo info;
    info.serial = Value(SerialText(device.GetSerialNumber()));
    FirmwareVersion firmware;
    device.GetFirmwareVersion(firmware);
    info.firmware = Value(FirmwareText(firmware));
    char family[16];
    std::snprintf(family, sizeof family, "0x%04X", device.GetFamilyId());
    info.family = family;
    const uint8_t product = device.GetProductIndex();
    info.product = product < kProductCount ? ProductTitle(product) : "";
    info.port = device.GetDevicePath();
    return info;
}

// The metrics as watch sees the clock, and their file.
class CMetricsFile {
public:
    // port: the device watch was given, empty for the first bridge.
    CMetricsFile(std::string zone, std::string port) : zone_(std::move(zone)) { metrics_.port = std::move(port); }

    // The file's folder, opened once for the whole run (Metrics.h).
    bool Open(const std::string& path, std::string& error) { return writer_.Open(path, error); }
    void Remove() { writer_.Remove(); }

    // The file as it stands; a failure is said once until it changes or the
    // file is written again.
    bool Write()
    {
        std::string error;
        const bool written = writer_.Replace(FormatMetrics(metrics_), error);
        if (!written && error != lastError_)
            PrintError(error);
        lastError_ = error;
        nextWrite_ = std::chrono::steady_clock::now() + kCycle;
        changed_ = false;
        return written;
    }

    void Look(const CClockDevice* device, bool answering)
    {
        changed_ |= answering != metrics_.up;
        metrics_.up = answering;
        metrics_.offsetSeconds.reset();
        metrics_.timeCodeReceived.reset();
        metrics_.zoneRulesAgree.reset();
        metrics_.configValid.reset();
        if (answering && device) {
            metrics_.configValid = device->GetConfigCheck().problems.empty();
            ClockInfo info = InfoOf(*device);
            changed_ |= !metrics_.info || info.serial != metrics_.info->serial || info.port != metrics_.info->port;
            metrics_.info = std::move(info);
            if (device->GetPollCount() > 0) {
                ClockTimeHistory history;
                device->GetTimeHistory(history);
                if (const ClockOffset offset = EstimateClockOffset(history); offset.known)
                    metrics_.offsetSeconds = std::chrono::duration<double>(offset.value).count();
                TimeCodeStatus status;
                device->GetTimeCodeStatus(status);
                metrics_.timeCodeReceived = status.type != kTimeCodeNone;
            }
            if (!zone_.empty())
                metrics_.zoneRulesAgree = RulesAgree(*device);
        }
        if (changed_ || std::chrono::steady_clock::now() >= nextWrite_)
            Write();
    }

    // While lent, on every cycle; with no borrower once watch has the
    // clock back.
    void Lent(const std::optional<Borrower>& borrower)
    {
        const bool lent = borrower.has_value();
        changed_ |= lent != metrics_.lent;
        metrics_.lent = lent;
        metrics_.borrower.reset();
        if (lent) {
            metrics_.borrower = BorrowerLabels{borrower->program, std::to_string(borrower->pid),
                                               borrower->user.empty() ? std::to_string(borrower->uid) : borrower->user};
            metrics_.offsetSeconds.reset();
            metrics_.timeCodeReceived.reset();
            metrics_.zoneRulesAgree.reset();
            metrics_.configValid.reset();
        }
        if (changed_ || std::chrono::steady_clock::now() >= nextWrite_)
            Write();
    }

    void Lost(const CClockDevice& device)
    {
        ++metrics_.failures[FailureKind(device)];
        changed_ = true;
    }

    void Back()
    {
        ++metrics_.reconnects;
        changed_ = true;
    }

    static constexpr std::chrono::seconds kCycle{1};

private:
    // The comparison runs over ten years of rules: once for each
    // configuration the clock holds, not on every look.
    bool RulesAgree(const CClockDevice& device)
    {
        ClockConfig config;
        device.GetConfig(config);
        if (!comparedConfig_ || !(*comparedConfig_ == config)) {
            comparedConfig_ = config;
            // Rules out of range agree with no zone.
            rulesAgree_ = device.GetConfigCheck().problems.empty() && ZoneRulesAgree(config, zone_, Now());
        }
        return rulesAgree_;
    }

    CMetricsFileWriter writer_;
    std::string zone_;
    ClockMetrics metrics_;
    bool changed_ = false;
    std::chrono::steady_clock::time_point nextWrite_;
    std::string lastError_;
    std::optional<ClockConfig> comparedConfig_;
    bool rulesAgree_ = false;
};

}  // namespace

int WatchMetrics(CClockSession& session, const Invocation& run)
{
    if (run.Has("every-poll"))
        return Usage(QStringLiteral("--every-poll is for the printed lines, which watch --metrics does not print"));
    const std::string path = run.Value("metrics").value_or("");
    if (path.empty())
        return Usage(QStringLiteral("--metrics takes the file to write"));
    const std::string zone = run.Value("zone").value_or("");
    if (run.Has("zone") && !ZoneStandardOffset(zone, Now()))
        return Usage(QStringLiteral("unknown time zone '%1'").arg(QString::fromStdString(zone)));

    const LinkSettings& settings = run.settings;
    CMetricsFile file(zone, std::string(settings.deviceName, strnlen(settings.deviceName, sizeof settings.deviceName)));
    // A folder refused, or a file that cannot be written, is known before
    // the clock is awaited.
    if (std::string error; !file.Open(path, error)) {
        PrintError(error);
        return kExitUsage;
    }
    if (!file.Write())
        return kExitUsage;
    WatchFollower follower;
    follower.look = [&](const CClockDevice* device, bool answering) { file.Look(device, answering); };
    follower.lost = [&](const CClockDevice& device) { file.Lost(device); };
    follower.back = [&] { file.Back(); };
    follower.lent = [&](const std::optional<Borrower>& borrower) { file.Lent(borrower); };
    follower.every = CMetricsFile::kCycle;
    const int status = session.Watch([](const CClockDevice&) {}, follower);
    file.Remove();
    return status;
}
