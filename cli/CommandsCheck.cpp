// check: the clock for a monitoring system that runs plugins (Nagios, Icinga
// and the like). One line on standard output that starts with the state, a
// short reason, then '|' and performance data; the exit status is the
// state's: 0 OK, 1 WARNING, 2 CRITICAL, 3 UNKNOWN.
//
// It identifies the clock once and reads what it needs: the configuration
// that came with the identification, the first poll's time code status and
// the few time readings of the offset. The thresholds are ranges in the
// plugins' syntax (PluginRange.h), the performance data gives them in that
// syntax, and --timeout bounds the whole run.
#include "CliCommands.h"

#include "ConfigText.h"
#include "DstConvert.h"
#include "DstPreview.h"
#include "DstZoneData.h"
#include "NumberText.h"
#include "PluginRange.h"
#include "StatusText.h"
#include "TerminalText.h"

#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <locale>
#include <sstream>
#include <sys/time.h>

namespace {

// A plain N: the offset's size, either way.
constexpr const char* kDefaultWarning = "0.5";
constexpr const char* kDefaultCritical = "2";
// The whole run's length without --timeout.
constexpr double kDefaultTimeoutSeconds = 10;

// What check found, as the line or as JSON.
struct CheckResult {
    PluginState state = kOk;
    std::string reason;
    std::optional<double> offsetSeconds;  // to the millisecond, as reported
    std::optional<PluginRange> warning;
    std::optional<PluginRange> critical;
    std::string zone;  // --zone, empty for none
    std::optional<bool> zoneAgrees;
    std::string timeCode;  // in words, empty while not read
    std::optional<bool> timeCodeReceived;
    std::vector<std::string> details;  // -v: the lines after the first
};

// "0.5", "2": as a person writes a threshold.
std::string Threshold(double seconds)
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << seconds;
    return text.str();
}

QJsonValue Optional(const std::optional<double>& value)
{
    return value ? QJsonValue(*value) : QJsonValue();
}

// A plain N as seconds, for the JSON keys of old; null for a range.
QJsonValue PlainSeconds(const std::optional<PluginRange>& range)
{
    return range && range->plain && !range->inside ? QJsonValue(range->end) : QJsonValue();
}

QJsonValue RangeText(const std::optional<PluginRange>& range)
{
    return range ? QJsonValue(QString::fromStdString(range->Text())) : QJsonValue();
}

// The offset as the performance data gives it, to the millisecond: the
// state is judged on this value, so that a monitor that applies the ranges
// to it comes to the same state.
double ReportedOffset(double seconds)
{
    const double rounded = std::round(seconds * 1000) / 1000;
    return rounded == 0 ? 0.0 : rounded;  // not "-0.000": a monitor graphs the sign
}

// What follows '|': the offset and the ranges it was judged by, in the
// plugins' syntax ("offset=-0.800s;-0.5:0.5;-2:2").
std::string PerformanceData(const CheckResult& result)
{
    if (!result.offsetSeconds)
        return {};
    // Not "-0.000": a monitor graphs the sign.
    const std::string value = FixedDecimals(std::fabs(*result.offsetSeconds) < 0.0005 ? 0.0 : *result.offsetSeconds, 3);
    return " | offset=" + value + "s;" + result.warning->Text() + ";" + result.critical->Text();
}

int Report(const CheckResult& result, bool json)
{
    static const char* const kWords[] = {"OK", "WARNING", "CRITICAL", "UNKNOWN"};
    if (json) {
        QJsonObject object;
        object.insert(QStringLiteral("state"), QLatin1String(kWords[result.state]));
        object.insert(QStringLiteral("exitStatus"), result.state);
        object.insert(QStringLiteral("reason"), QString::fromStdString(result.reason));
        object.insert(QStringLiteral("offsetSeconds"), Optional(result.offsetSeconds));
        object.insert(QStringLiteral("warningSeconds"), PlainSeconds(result.warning));
        object.insert(QStringLiteral("criticalSeconds"), PlainSeconds(result.critical));
        object.insert(QStringLiteral("warningRange"), RangeText(result.warning));
        object.insert(QStringLiteral("criticalRange"), RangeText(result.critical));
        object.insert(QStringLiteral("zone"),
                      result.zone.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(result.zone)));
        object.insert(QStringLiteral("zoneAgrees"), result.zoneAgrees ? QJsonValue(*result.zoneAgrees) : QJsonValue());
        object.insert(QStringLiteral("timeCode"),
                      result.timeCode.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(result.timeCode)));
        object.insert(QStringLiteral("timeCodeReceived"),
                      result.timeCodeReceived ? QJsonValue(*result.timeCodeReceived) : QJsonValue());
        PrintJson(object);
        return result.state;
    }
    // One line: a reason that carries another program's name or a file's
    // text cannot break it or reach the terminal's controls.
    std::printf("%s - %s%s\n", kWords[result.state], EscapeControls(result.reason).c_str(),
                PerformanceData(result).c_str());
    for (const std::string& line : result.details)
        std::printf("%s\n", EscapeControls(line).c_str());
    std::fflush(stdout);
    return result.state;
}

// A threshold option in the plugins' range syntax.
std::optional<PluginRange> ThresholdOption(const Invocation& run, const char* name, const char* fallback,
                                           std::string& error)
{
    std::string why;
    const std::optional<PluginRange> range = ParsePluginRange(run.Value(name).value_or(fallback), why);
    if (!range && error.empty())
        error = std::string("--") + name + " " + why;
    return range;
}

// The whole run's --timeout: SIGALRM, which ends every wait as a signal
// does (CliMain.cpp hands it on as it hands on SIGINT).
void ArmRunTimer(double seconds)
{
    // At least a millisecond, at most a year: a value an itimerval holds.
    const double clamped = std::clamp(seconds, 0.001, 365.0 * 86400);
    itimerval timer{};
    timer.it_value.tv_sec = static_cast<time_t>(clamped);
    timer.it_value.tv_usec = static_cast<suseconds_t>((clamped - std::floor(clamped)) * 1e6);
    setitimer(ITIMER_REAL, &timer, nullptr);
}

void DisarmRunTimer()
{
    const itimerval none{};
    setitimer(ITIMER_REAL, &none, nullptr);
}

// What --time-code makes of a clock that receives no time code.
std::optional<PluginState> TimeCodeOption(const Invocation& run, std::string& error)
{
    const std::string given = run.Value("time-code").value_or("warning");
    if (given == "warning")
        return kWarning;
    if (given == "critical")
        return kCritical;
    if (given == "ignore")
        return kOk;
    if (error.empty())
        error = "--time-code takes critical, warning or ignore, not '" + given + "'";
    return std::nullopt;
}

// What the command line asks of check, and when it was asked.
struct CheckRequest {
    PluginRange warning;
    PluginRange critical;
    PluginState withoutTimeCode = kOk;  // what a clock without a time code is
    std::chrono::sys_seconds now;
};

// Everything the command line says is checked before the clock is reached;
// the thresholds go into the result once they are known good. Empty, with
// the reason in error, for a command line that is refused.
std::optional<CheckRequest> ReadCheckRequest(const Invocation& run, CheckResult& result, std::string& error)
{
    if (!run.words.empty()) {
        error = "check takes no arguments, only its options (check --help)";
        return std::nullopt;
    }
    const std::optional<PluginRange> warning = ThresholdOption(run, "warning", kDefaultWarning, error);
    const std::optional<PluginRange> critical = ThresholdOption(run, "critical", kDefaultCritical, error);
    const std::optional<PluginState> withoutTimeCode = TimeCodeOption(run, error);
    if (!error.empty())
        return std::nullopt;
    // Two sizes the wrong way round are a slip: the warning would never
    // come.
    if (warning->plain && critical->plain && !warning->inside && !critical->inside && warning->end > critical->end) {
        error = "--warning " + Threshold(warning->end) + " is beyond --critical " + Threshold(critical->end);
        return std::nullopt;
    }
    result.warning = warning;
    result.critical = critical;
    const std::chrono::sys_seconds now = Now();
    if (run.Has("zone") && !ZoneStandardOffset(result.zone, now)) {
        error = "--zone: unknown time zone '" + result.zone +
            "'; name a zone of the tz database such as Europe/Berlin, or an offset such as UTC+01:00";
        return std::nullopt;
    }
    return CheckRequest{*warning, *critical, *withoutTimeCode, now};
}

// The state of the clock as measured, and the reason that says why.
PluginState JudgeClock(CClockDevice& device, const ClockOffset& offset, const ClockConfig& config,
                       const CheckRequest& request, CheckResult& result, std::string& reason)
{
    const double seconds = ReportedOffset(std::chrono::duration<double>(offset.value).count());
    result.offsetSeconds = seconds;
    PluginState state = RangeState(seconds, request.warning, request.critical);
    reason = "offset " + FormatClockOffset(offset) + " from this computer";
    if (state == kCritical)
        reason += " (" + request.critical.Describe() + ")";
    else if (state == kWarning)
        reason += " (" + request.warning.Describe() + ")";

    TimeCodeStatus timeCode;
    device.GetTimeCodeStatus(timeCode);
    result.timeCode = TimeCodeText(timeCode);
    result.timeCodeReceived = timeCode.type != kTimeCodeNone;
    if (!*result.timeCodeReceived && request.withoutTimeCode != kOk) {
        state = std::max(state, request.withoutTimeCode);
        reason += "; no time code received";
    }

    // A difference of the rules adds a warning; it never lowers a worse
    // state.
    if (!result.zone.empty()) {
        std::string difference;
        result.zoneAgrees = ZoneRulesAgree(config, result.zone, request.now, &difference);
        if (*result.zoneAgrees) {
            reason += "; time zone and daylight saving agree with " + result.zone;
        } else {
            state = std::max(state, kWarning);
            reason += "; " + difference;
        }
    }
    return state;
}

// The lines after the first: -v the clock, -vv its settings too.
void AddDetails(CheckResult& result, CClockDevice& device, const ClockConfig& config, const ClockOffset& offset,
                const CheckRequest& request, int verbosity)
{
    if (verbosity >= 1) {
        FirmwareVersion firmware;
        device.GetFirmwareVersion(firmware);
        char family[16];
        std::snprintf(family, sizeof family, "0x%04X", device.GetFamilyId());
        result.details.push_back("Clock: serial number " + SerialNumber(device.GetSerialNumber()) + ", family " +
                                 family + ", firmware " + FirmwareNumber(firmware) + ", on " + device.GetDevicePath());
        result.details.push_back("Offset: " + FormatClockOffset(offset) + " over " + std::to_string(offset.count) +
                                 (offset.approximate ? " seconds steps" : " readings") + "; WARNING " +
                                 request.warning.Describe() + ", CRITICAL " + request.critical.Describe());
        result.details.push_back("Time code: " + result.timeCode);
    }
    if (verbosity >= 2)
        for (const ConfigLine& line : DescribeConfig(config, device.GetProtocolVersion()))
            result.details.push_back(line.label + " " + line.value);
}

}  // namespace

int PluginUnknown(const std::string& reason, bool json)
{
    CheckResult result;
    result.state = kUnknown;
    result.reason = reason;
    return Report(result, json);
}

bool ZoneRulesAgree(const ClockConfig& config, const std::string& zone, std::chrono::sys_seconds now,
                    std::string* difference)
{
    DstShown shown;
    shown.settings = DstSettingsFromConfig(config);
    DstPreviewContext context;
    context.standardBias = ClockStandardBias(config);
    context.now = now;
    context.zoneId = zone;
    const DstPreview preview = PreviewDst(shown, context);
    if (difference)
        *difference = preview.zoneCheck;
    return preview.agrees;
}

int RunCheck(CClockSession& session, const Invocation& run)
{
    const bool json = run.Has("json");
    CheckResult result;
    result.zone = run.Value("zone").value_or("");
    const auto finish = [&](PluginState state, const std::string& reason) {
        DisarmRunTimer();
        result.state = state;
        result.reason = reason;
        return Report(result, json);
    };
    std::string error;
    const std::optional<CheckRequest> request = ReadCheckRequest(run, result, error);
    if (!request)
        return finish(kUnknown, error);

    // The whole run is bounded: at the end of --timeout one CRITICAL line
    // says what was awaited. A monitor's SIGTERM or a Ctrl-C cut the check
    // short without saying anything about the clock: UNKNOWN.
    const double timeout = run.timeoutSeconds > 0 ? run.timeoutSeconds : kDefaultTimeoutSeconds;
    ArmRunTimer(timeout);
    std::string awaiting = "waiting for the clock to answer";
    const auto cutShort = [&]() -> std::optional<int> {
        const int signal = g_interrupted.load(std::memory_order_relaxed);
        if (signal == 0)
            return std::nullopt;
        if (signal == SIGALRM)
            return finish(kCritical, "no result within the " + Threshold(timeout) + " s timeout, " + awaiting);
        return finish(kUnknown,
                      std::string("ended by ") + (signal == SIGTERM ? "SIGTERM" : "SIGINT") + " while " + awaiting);
    };

    // The session's messages make the reason of the one line.
    CaptureErrors(true);
    // With the first poll: the time code status comes with it.
    const int connected = session.Connect(true);
    if (const std::optional<int> cut = cutShort())
        return *cut;
    if (connected != kExitOk)
        return finish(kCritical, LastError());
    const std::shared_ptr<CClockDevice> device = session.Device();
    if (!device)
        return finish(kCritical, "the clock's device could not be opened again.");
    ClockConfig config;
    device->GetConfig(config);
    if (const std::string problems = DescribeConfigProblems(device->GetConfigCheck().problems); !problems.empty())
        return finish(kCritical, "the clock's configuration is not valid: " + problems);

    awaiting = "measuring the clock's offset";
    const ClockOffset offset = SettledOffset(*device);
    if (const std::optional<int> cut = cutShort())
        return *cut;
    if (device->GetState() == LinkState::Failed) {
        session.LinkLost();
        return finish(kCritical, LastError());
    }
    if (!offset.known)
        return finish(kCritical, "the clock reports no time to measure its offset by");

    std::string reason;
    const PluginState state = JudgeClock(*device, offset, config, *request, result, reason);
    AddDetails(result, *device, config, offset, *request, run.verbosity);
    return finish(state, reason);
}
