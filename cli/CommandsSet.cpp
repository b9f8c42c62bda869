// The setters: each reads its argument and refuses a bad one before the
// clock is reached, then changes what it names in the clock's
// configuration (or its time) and waits for the link's word on the write.
#include "CliCommands.h"

#include "ClockCodec.h"
#include "DstText.h"
#include "SecondSet.h"
#include "StatusText.h"

#include <cstdio>
#include <thread>

// The fields in which the clock differs from what was asked of it, on
// standard error after the sentence that introduces them.
void PrintDifferences(const std::string& sentence, const std::vector<FieldDifference>& differences)
{
    std::string names;
    for (const FieldDifference& d : differences)
        names += (names.empty() ? "" : ", ") + d.name;
    PrintError(sentence + (names.empty() ? std::string(".") : ": " + names));
    for (const FieldDifference& d : differences)
        std::fprintf(stderr, "  %-22s asked %s, holds %s\n", d.name.c_str(), d.before.c_str(), d.after.c_str());
}

// Sends a configuration and waits for its outcome. When the clock
// acknowledged it but its read-back holds other values (exit 3), the
// fields are named: what was sent, as every write normalises it, against
// what the clock holds.
int SendConfig(CClockSession& session, const ClockConfig& config, const std::string& what)
{
    const int status = session.Write(
        [&config](CClockDevice& device, WriteTicket& ticket) { return device.SetConfig(config, ticket); }, what);
    if (status != kExitMismatch)
        return status;
    ClockConfig expected = config;
    PrepareConfigForWrite(expected);
    ClockConfig held;
    const std::shared_ptr<CClockDevice> device = session.Device();
    device->GetConfig(held);
    PrintDifferences("the clock holds other values than were sent for the " + what,
                     CompareConfigs(expected, held, device->GetProtocolVersion()));
    return status;
}

namespace {

// The setters' common road: identified, configuration read and changed,
// sent, and the write's outcome awaited.
int ChangeConfig(CClockSession& session, const std::function<std::optional<Refusal>(ClockConfig&)>& change,
                 const std::string& what)
{
    if (const int status = session.Connect(false))
        return status;
    ClockConfig config;
    session.Device()->GetConfig(config);
    if (const std::optional<Refusal> refusal = change(config))
        return Refuse(*refusal);
    // Every write mends what is out of range; the user hears of it.
    if (const std::string problems = DescribeConfigProblems(session.Device()->GetConfigCheck().problems);
        !problems.empty())
        std::fprintf(stderr,
                     "kerovant-cli: warning: the clock's configuration is not valid: %s; the write puts it "
                     "right.\n",
                     problems.c_str());
    return SendConfig(session, config, what);
}

std::string Bias(int32_t bias)
{
    return "UTC" + FormatShift(bias);
}

}  // namespace

int SetTimeZone(CClockSession& session, const Invocation& run)
{
    if (run.words.size() != 1)
        return Usage(QStringLiteral("set timezone takes one zone or offset, such as Europe/Berlin or -05:00"));
    const Checked<TimeZoneChoice> choice = ParseTimeZoneArgument(run.words[0], Now());
    if (const Refusal* refusal = RefusalOf(choice))
        return Refuse(*refusal);
    const TimeZoneChoice zone = std::get<TimeZoneChoice>(choice);
    const int status = ChangeConfig(
        session,
        [&](ClockConfig& config) -> std::optional<Refusal> {
            ApplyTimeZone(config, zone.bias);
            return std::nullopt;
        },
        "time zone");
    if (status == kExitOk) {
        const std::string named = zone.zoneId.empty() ? std::string() : " (" + zone.zoneId + ")";
        std::printf("Time zone bias set to %s%s.\n", Bias(zone.bias).c_str(), named.c_str());
    }
    return status;
}

int SetDst(CClockSession& session, const Invocation& run)
{
    const std::optional<std::string> start = run.Value("start");
    const std::optional<std::string> end = run.Value("end");
    const std::optional<std::string> shift = run.Value("shift");
    const bool utc = run.Has("utc");
    const bool local = run.Has("local");
    Checked<DstRequest> parsed = Refusal{};
    if (start || end || shift || utc || local) {
        if (!run.words.empty())
            return Usage(QStringLiteral("set dst: give a choice (off, us, eu, ...) or --start and --end, not both"));
        if (!start || !end)
            return Usage(QStringLiteral("set dst: --start and --end go together"));
        parsed =
            ParseDstRules(*start, *end, shift ? std::optional<std::string_view>(*shift) : std::nullopt, utc, local);
    } else {
        parsed = ParseDstWords(run.words);
    }
    if (const Refusal* refusal = RefusalOf(parsed))
        return Refuse(*refusal);
    const DstRequest request = std::get<DstRequest>(parsed);
    // The editor's check needs no clock: a refused rule, an unknown zone or
    // one without daylight saving is told before the clock is reached.
    ClockConfig sample;
    ResetDstDefaults(sample);
    const Checked<DstOutcome> trial = ApplyDst(sample, request, Now());
    if (const Refusal* refusal = RefusalOf(trial))
        return Refuse(*refusal);

    DstOutcome outcome;
    const int status = ChangeConfig(
        session,
        [&](ClockConfig& config) -> std::optional<Refusal> {
            Checked<DstOutcome> applied = ApplyDst(config, request, Now());
            if (const Refusal* refusal = RefusalOf(applied))
                return *refusal;
            outcome = std::get<DstOutcome>(applied);
            config = outcome.config;
            return std::nullopt;
        },
        "daylight-saving rules");
    if (status != kExitOk)
        return status;
    if (!outcome.importNote.empty())
        std::printf("%s\n", outcome.importNote.c_str());
    std::printf("Daylight-saving rules set. %s\n", outcome.preview.c_str());
    if (!outcome.zoneCheck.empty())
        std::printf("%s\n", outcome.zoneCheck.c_str());
    return kExitOk;
}

int SendTimeOnTheSecond(CClockSession& session, ClockDateTime& sent)
{
    const std::shared_ptr<CClockDevice> device = session.Device();
    if (!device)
        return session.LinkLost();
    const SecondSetResult result =
        SetClockOnTheSecond(*device, [](std::chrono::milliseconds time) { std::this_thread::sleep_for(time); });
    switch (result.outcome) {
    case SecondSetResult::Outcome::Sent: break;
    case SecondSetResult::Outcome::Refused:
        PrintError("the clock's link did not take the time; nothing was sent.");
        return kExitLink;
    case SecondSetResult::Outcome::NoAck:
        // The timed write tells an acknowledgement only, not a NAK from
        // silence.
        PrintError("the clock refused the time or did not answer it.");
        return kExitLink;
    case SecondSetResult::Outcome::Lost:
        if (device->GetState() == LinkState::Failed)
            return session.LinkLost();
        PrintError("the link did not say whether the time went out; set it again.");
        return kExitLink;
    }
    sent = result.plan.calendar;
    return kExitOk;
}

namespace {

// "set time now": the computer's next whole second, timed to reach the
// clock on its boundary.
int SetTimeNow(CClockSession& session)
{
    if (const int status = session.Connect(false))
        return status;
    const std::shared_ptr<CClockDevice> device = session.Device();
    ClockDateTime sent;
    if (const int status = SendTimeOnTheSecond(session, sent))
        return status;
    std::printf("Clock set to %s UTC on the second.\n", FormatIsoDateTime(sent).c_str());
    // The readings from before the set were dropped with it: what follows is
    // measured afresh.
    std::printf("%s\n", OffsetLine(SettledOffset(*device)).c_str());
    return kExitOk;
}

}  // namespace

int SetTime(CClockSession& session, const Invocation& run)
{
    if (run.words.size() == 1 && run.words[0] == "now")
        return SetTimeNow(session);
    std::string text;
    for (const std::string& word : run.words)
        text += (text.empty() ? "" : " ") + word;
    const Checked<ClockDateTime> parsed = ParseClockDateTime(text);
    if (const Refusal* refusal = RefusalOf(parsed))
        return Refuse(*refusal);
    const ClockDateTime when = std::get<ClockDateTime>(parsed);
    if (const int status = session.Connect(false))
        return status;
    const ClockTime time = CalendarToTimeValue(when);
    const int status = session.Write(
        [&time](CClockDevice& device, WriteTicket& ticket) { return device.SetClockTime(time, ticket); }, "time");
    if (status == kExitOk)
        std::printf("Clock set to %s UTC.\n", FormatIsoDateTime(when).c_str());
    return status;
}

int SetIllumination(CClockSession& session, const Invocation& run)
{
    if (run.words.size() != 1)
        return Usage(QStringLiteral("set illumination takes one level from 0 to 12"));
    const Checked<uint8_t> level = ParseIllumination(run.words[0]);
    if (const Refusal* refusal = RefusalOf(level))
        return Refuse(*refusal);
    const uint8_t value = std::get<uint8_t>(level);
    if (const int status = ChangeConfig(
            session,
            [&](ClockConfig& config) -> std::optional<Refusal> {
                const std::shared_ptr<CClockDevice> device = session.Device();
                if (device->GetProtocolVersion() != 2) {
                    const ProfileClock clock = session.Identity();
                    // Protocol version 1 carries no level: sending one would
                    // change nothing and report success.
                    return Refusal{"This clock (firmware " + std::to_string(clock.firmware.major) + "." +
                                   std::to_string(clock.firmware.minor) + "." + std::to_string(clock.firmware.build) +
                                   ", protocol version 1) has no illumination level."};
                }
                config.illumination = value;
                return std::nullopt;
            },
            "illumination level"))
        return status;
    std::printf("Illumination set to %u.\n", unsigned(value));
    return kExitOk;
}

int SetTimeCodeDate(CClockSession& session, const Invocation& run)
{
    if (run.words.size() != 1)
        return Usage(QStringLiteral("set timecode-date takes on or off"));
    const Checked<bool> on = ParseOnOff(run.words[0], "timecode-date");
    if (const Refusal* refusal = RefusalOf(on))
        return Refuse(*refusal);
    if (const int status = ChangeConfig(
            session,
            [&](ClockConfig& config) -> std::optional<Refusal> {
                ApplyTimeCodeDate(config, std::get<bool>(on));
                return std::nullopt;
            },
            "time code setting"))
        return status;
    std::printf("Time code date set to %s.\n", std::get<bool>(on) ? "on" : "off");
    return kExitOk;
}

int SetMotion(CClockSession& session, const Invocation& run)
{
    if (run.words.size() != 1)
        return Usage(QStringLiteral("set motion takes sweep or step"));
    const Checked<uint8_t> motion = ParseMotion(run.words[0]);
    if (const Refusal* refusal = RefusalOf(motion))
        return Refuse(*refusal);
    if (const int status = ChangeConfig(
            session,
            [&](ClockConfig& config) -> std::optional<Refusal> {
                // As the hand position command leaves the configuration.
                config.handMotion = std::get<uint8_t>(motion);
                config.configured = 1;
                config.valid = 1;
                return std::nullopt;
            },
            "hand motion"))
        return status;
    std::printf("Hand motion set to %s.\n", std::get<uint8_t>(motion) == kHandsStep ? "step" : "sweep");
    return kExitOk;
}
