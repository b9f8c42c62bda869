// check: the clock for a monitoring system that runs plugins (Nagios, Icinga
// and the like). One line on standard output that starts with the state, a
// short reason, then '|' and performance data; the exit status is the
// state's: 0 OK, 1 WARNING, 2 CRITICAL, 3 UNKNOWN.
//
// It identifies the clock once and reads what it needs: the configuration
// that came with the identification and the few time readings of the
// offset.
#include "CliCommands.h"

#include "DstConvert.h"
#include "DstPreview.h"
#include "DstZoneData.h"
#include "TerminalText.h"

#include <QJsonObject>
#include <QJsonValue>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <sstream>

namespace {

enum PluginState : int { kOk = 0, kWarning = 1, kCritical = 2, kUnknown = 3 };

constexpr double kDefaultWarning = 0.5;
constexpr double kDefaultCritical = 2;

// What check found, as the line or as JSON.
struct CheckResult {
    PluginState state = kOk;
    std::string reason;
    std::optional<double> offsetSeconds;
    std::optional<double> warning;
    std::optional<double> critical;
    std::string zone;  // --zone, empty for none
    std::optional<bool> zoneAgrees;
    std::string zoneCheck;
};

// "0.5", "2": as a person writes a threshold.
std::string Threshold(double seconds)
{
    std::ostringstream text;
    text << seconds;
    return text.str();
}

QJsonValue Optional(const std::optional<double>& value)
{
    return value ? QJsonValue(*value) : QJsonValue();
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
        object.insert(QStringLiteral("warningSeconds"), Optional(result.warning));
        object.insert(QStringLiteral("criticalSeconds"), Optional(result.critical));
        object.insert(QStringLiteral("zone"),
                      result.zone.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(result.zone)));
        object.insert(QStringLiteral("zoneAgrees"), result.zoneAgrees ? QJsonValue(*result.zoneAgrees) : QJsonValue());
        PrintJson(object);
        return result.state;
    }
    std::string performance;
    if (result.offsetSeconds) {
        char value[32];
        // Not "-0.000": a monitor graphs the sign.
        std::snprintf(value, sizeof value, "%.3f",
                      std::fabs(*result.offsetSeconds) < 0.0005 ? 0.0 : *result.offsetSeconds);
        performance =
            " | offset=" + std::string(value) + "s;" + Threshold(*result.warning) + ";" + Threshold(*result.critical);
    }
    // One line: a reason that carries another program's name or a file's
    // text cannot break it or reach the terminal's controls.
    std::printf("%s - %s%s\n", kWords[result.state], EscapeControls(result.reason).c_str(), performance.c_str());
    std::fflush(stdout);
    return result.state;
}

// A threshold option: a number of seconds, 0 or more.
std::optional<double> ThresholdOption(const Invocation& run, const char* name, double fallback, std::string& error)
{
    const std::optional<std::string> given = run.Value(name);
    if (!given)
        return fallback;
    bool ok = false;
    const double seconds = QString::fromStdString(*given).toDouble(&ok);
    if (!ok || !(seconds >= 0) || !std::isfinite(seconds)) {
        error = std::string("--") + name + " takes a number of seconds, 0 or more, not '" + *given + "'";
        return std::nullopt;
    }
    return seconds;
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
        result.state = state;
        result.reason = reason;
        return Report(result, json);
    };
    // Everything the command line says is checked before the clock is
    // reached.
    if (!run.words.empty())
        return finish(kUnknown, "check takes no arguments, only --warning, --critical and --zone");
    std::string error;
    const std::optional<double> warning = ThresholdOption(run, "warning", kDefaultWarning, error);
    const std::optional<double> critical = ThresholdOption(run, "critical", kDefaultCritical, error);
    if (!warning || !critical)
        return finish(kUnknown, error);
    if (*warning > *critical)
        return finish(kUnknown, "--warning " + Threshold(*warning) + " is beyond --critical " + Threshold(*critical));
    result.warning = warning;
    result.critical = critical;
    const std::chrono::sys_seconds now = Now();
    if (run.Has("zone") && !ZoneStandardOffset(result.zone, now))
        return finish(kUnknown,
                      "--zone: unknown time zone '" + result.zone +
                          "'; name a zone of the tz database such as Europe/Berlin, or an offset such as UTC+01:00");

    // The session's messages make the reason of the one line.
    CaptureErrors(true);
    const int connected = session.Connect(false);
    if (connected == kExitInterrupted || connected == kExitTerminated)
        return connected;
    if (connected != kExitOk)
        return finish(kCritical, LastError());
    const std::shared_ptr<CClockDevice> device = session.Device();
    if (!device)
        return finish(kCritical, "the clock's device could not be opened again.");
    ClockConfig config;
    device->GetConfig(config);
    if (config.valid == 0 || IsDstInvalid(config, true))
        return finish(kCritical, "the clock's configuration is not valid");

    const ClockOffset offset = SettledOffset(*device);
    if (g_interrupted.load(std::memory_order_relaxed) == SIGTERM)
        return kExitTerminated;
    if (g_interrupted.load(std::memory_order_relaxed) != 0)
        return kExitInterrupted;
    if (device->GetState() == LinkState::Failed) {
        session.LinkLost();
        return finish(kCritical, LastError());
    }
    if (!offset.known)
        return finish(kCritical, "the clock reports no time to measure its offset by");

    const double seconds = std::chrono::duration<double>(offset.value).count();
    result.offsetSeconds = seconds;
    PluginState state = kOk;
    std::string reason = "offset " + FormatClockOffset(offset) + " from this computer";
    if (std::fabs(seconds) > *critical) {
        state = kCritical;
        reason += " (beyond " + Threshold(*critical) + " s)";
    } else if (std::fabs(seconds) > *warning) {
        state = kWarning;
        reason += " (beyond " + Threshold(*warning) + " s)";
    }

    if (!result.zone.empty()) {
        std::string difference;
        result.zoneAgrees = ZoneRulesAgree(config, result.zone, now, &difference);
        if (*result.zoneAgrees) {
            reason += "; time zone and daylight saving agree with " + result.zone;
        } else {
            state = std::max(state, kWarning);
            reason += "; " + difference;
        }
    }
    return finish(state, reason);
}
