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

}  // namespace

int Hands(CClockSession& session, const Invocation& run)
{
    std::optional<uint8_t> motion;
    if (const std::optional<std::string> given = run.Value("motion")) {
        const Checked<uint8_t> parsed = ParseMotion(*given);
        if (const Refusal* refusal = RefusalOf(parsed))
            return Refuse(*refusal);
        motion = std::get<uint8_t>(parsed);
    }
    const std::string& c = run.command;
    const size_t expected = c == "hands set" ? 1 : 0;
    if (run.words.size() != expected && !(c == "hands nudge" && run.words.size() == 1))
        return Usage(QString::fromStdString(c +
                                            (expected                 ? " takes one face time, HH:MM:SS"
                                                 : c == "hands nudge" ? " takes at most one count"
                                                                      : " takes no arguments")));
    std::optional<ClockDateTime> face;
    unsigned nudges = 1;
    if (c == "hands set") {
        const Checked<ClockDateTime> parsed = ParseFaceTime(run.words[0]);
        if (const Refusal* refusal = RefusalOf(parsed))
            return Refuse(*refusal);
        face = std::get<ClockDateTime>(parsed);
    } else if (c == "hands nudge" && !run.words.empty()) {
        const Checked<unsigned> parsed = ParseNudgeCount(run.words[0]);
        if (const Refusal* refusal = RefusalOf(parsed))
            return Refuse(*refusal);
        nudges = std::get<unsigned>(parsed);
    }

    if (const int status = session.Connect(false))
        return status;
    ClockConfig config;
    session.Device()->GetConfig(config);
    const bool stopped = config.handMotion == kHandsStopped;

    if (c == "hands stop") {
        if (stopped) {
            std::printf("The hands are stopped already.\n");
            return kExitOk;
        }
        ClockConfig stop = config;
        stop.handMotion = kHandsStopped;
        if (const int status = SendConfig(session, stop, "stop of the hands"))
            return status;
        std::printf("Hands stopped.\n");
        return kExitOk;
    }
    if (c == "hands nudge") {
        // The clock moves the hands only while they are stopped; the dialog
        // offers Forward only then.
        if (!stopped)
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
    const uint8_t restart = RestartMotion(motion, config);
    if (c == "hands set") {
        // The clock takes a face time only while its hands are stopped.
        if (!stopped) {
            ClockConfig stop = config;
            stop.handMotion = kHandsStopped;
            if (const int status = SendConfig(session, stop, "stop of the hands"))
                return status;
        }
        // 00:00:00 is sent like any other face time: typed here, it is no
        // field left untouched, which is what the dialog asks about.
        if (const int status = SendHandCommand(session, FillSetFace, CalendarToTimeValue(*face).seconds, "face time"))
            return status;
        if (const int status = SendConfig(session, Running(config, restart), "restart of the hands"))
            return status;
        std::printf("Face time set to %02u:%02u:%02u; the hands run again (%s).\n", face->hour, face->minute,
                    face->second, MotionName(restart).c_str());
        return kExitOk;
    }
    // hands start
    if (!stopped && config.handMotion == restart) {
        std::printf("The hands run already (%s).\n", MotionName(restart).c_str());
        return kExitOk;
    }
    if (const int status = SendConfig(session, Running(config, restart), "start of the hands"))
        return status;
    std::printf("Hands running (%s).\n", MotionName(restart).c_str());
    return kExitOk;
}
