// The steps of the window's hand position dialog, one command each.
#include "CliCommands.h"

#include "ClockCodec.h"
#include "HandCommands.h"

#include <cstdio>

namespace {

std::string MotionName(uint8_t motion)
{
    return motion == kHandsStep ? "step" : "sweep";
}

// The motion the hands run in afterwards: the one given, else the one they
// have, else (stopped) sweep.
uint8_t RestartMotion(const std::optional<uint8_t>& given, const ClockConfig& config)
{
    if (given)
        return *given;
    return config.handMotion == kHandsStep ? kHandsStep : kHandsSweep;
}

// The configuration with the hands running again, as the window's command
// sends it after the hand position dialog.
ClockConfig Running(ClockConfig config, uint8_t motion)
{
    config.handMotion = motion;
    config.configured = 1;
    config.valid = 1;
    return config;
}

int SendHandCommand(CClockSession& session, void (*fill)(DisplayConfig&, uint32_t), uint32_t value,
                    const std::string& what)
{
    return session.Write(
        [&](CClockDevice& device, WriteTicket& ticket) {
            // All other bytes of the record stay as the clock last had them.
            DisplayConfig display;
            device.GetDisplayConfig(display);
            fill(display, value);
            return device.SetDisplayConfig(display, ticket);
        },
        what);
}

// The --motion given, in `motion`; a refusal's exit status, else 0.
int MotionOption(const Invocation& run, std::optional<uint8_t>& motion)
{
    if (const std::optional<std::string> given = run.Value("motion")) {
        const Checked<uint8_t> parsed = ParseMotion(*given);
        if (const Refusal* refusal = RefusalOf(parsed))
            return Refuse(*refusal);
        motion = std::get<uint8_t>(parsed);
    }
    return kExitOk;
}

// Connects and reads the clock's configuration; an exit status, else 0.
int ConnectAndRead(CClockSession& session, ClockConfig& config)
{
    if (const int status = session.Connect(false))
        return status;
    session.Device()->GetConfig(config);
    return kExitOk;
}

int SendStop(CClockSession& session, const ClockConfig& config)
{
    ClockConfig stop = config;
    stop.handMotion = kHandsStopped;
    return SendConfig(session, stop, "stop of the hands");
}

}  // namespace

int HandsStop(CClockSession& session, const Invocation& run)
{
    if (!run.words.empty())
        return Usage(QStringLiteral("hands stop takes no arguments"));
    ClockConfig config;
    if (const int status = ConnectAndRead(session, config))
        return status;
    if (config.handMotion == kHandsStopped) {
        std::printf("The hands are stopped already.\n");
        return kExitOk;
    }
    if (const int status = SendStop(session, config))
        return status;
    std::printf("Hands stopped.\n");
    return kExitOk;
}

int HandsSet(CClockSession& session, const Invocation& run)
{
    std::optional<uint8_t> motion;
    if (const int status = MotionOption(run, motion))
        return status;
    if (run.words.size() != 1)
        return Usage(QStringLiteral("hands set takes one face time, HH:MM:SS"));
    const Checked<ClockDateTime> parsed = ParseFaceTime(run.words[0]);
    if (const Refusal* refusal = RefusalOf(parsed))
        return Refuse(*refusal);
    const ClockDateTime face = std::get<ClockDateTime>(parsed);
    ClockConfig config;
    if (const int status = ConnectAndRead(session, config))
        return status;
    const uint8_t restart = RestartMotion(motion, config);
    // The clock takes a face time only while its hands are stopped.
    if (config.handMotion != kHandsStopped)
        if (const int status = SendStop(session, config))
            return status;
    // 00:00:00 is sent like any other face time: typed here, it is no
    // field left untouched, which is what the dialog asks about.
    if (const int status = SendHandCommand(session, FillSetFace, CalendarToTimeValue(face).seconds, "face time"))
        return status;
    if (const int status = SendConfig(session, Running(config, restart), "restart of the hands"))
        return status;
    std::printf("Face time set to %02u:%02u:%02u; the hands run again (%s).\n", face.hour, face.minute, face.second,
                MotionName(restart).c_str());
    return kExitOk;
}

int HandsNudge(CClockSession& session, const Invocation& run)
{
    if (run.words.size() > 1)
        return Usage(QStringLiteral("hands nudge takes at most one count"));
    unsigned nudges = 1;
    if (!run.words.empty()) {
        const Checked<unsigned> parsed = ParseNudgeCount(run.words[0]);
        if (const Refusal* refusal = RefusalOf(parsed))
            return Refuse(*refusal);
        nudges = std::get<unsigned>(parsed);
    }
    ClockConfig config;
    if (const int status = ConnectAndRead(session, config))
        return status;
    // The clock moves the hands only while they are stopped; the dialog
    // offers Forward only then.
    if (config.handMotion != kHandsStopped)
        return Refuse(Refusal{"The hands are moving; 'kerovant-cli hands stop' stops them for nudging."});
    for (unsigned i = 0; i < nudges; ++i) {
        // One hand command is queued at a time: each waits for the one
        // before it to be acknowledged.
        if (const int status = SendHandCommand(
                session, [](DisplayConfig& d, uint32_t) { FillNudge(d); }, 0, "nudge of the seconds hand"))
            return status;
    }
    std::printf("Seconds hand moved on %u fifth%s of a second.\n", nudges, nudges == 1 ? "" : "s");
    return kExitOk;
}

int HandsStart(CClockSession& session, const Invocation& run)
{
    std::optional<uint8_t> motion;
    if (const int status = MotionOption(run, motion))
        return status;
    if (!run.words.empty())
        return Usage(QStringLiteral("hands start takes no arguments"));
    ClockConfig config;
    if (const int status = ConnectAndRead(session, config))
        return status;
    const uint8_t restart = RestartMotion(motion, config);
    if (config.handMotion != kHandsStopped && config.handMotion == restart) {
        std::printf("The hands run already (%s).\n", MotionName(restart).c_str());
        return kExitOk;
    }
    if (const int status = SendConfig(session, Running(config, restart), "start of the hands"))
        return status;
    std::printf("Hands running (%s).\n", MotionName(restart).c_str());
    return kExitOk;
}
