// What each setter of kerovant-cli changes in the clock's configuration,
// as plain functions over values: the argument is read and checked first
// (before the clock is even reached), then applied to the configuration read
// from the clock. The rules are the dialogs' own: the time zone catalogue's
// base bias, the daylight-saving editor with its presets, import and OK
// check, the set date/time dialog's date check. A refusal names the
// command's own argument or option (--start, --end, set time), not the
// dialog's groups and fields; nothing is sent after one.
//
// No state; safe from any thread. The zone lookups read the system's tz
// data through Qt Core.
#pragma once

#include "ClockDateTime.h"
#include "ClockRecords.h"
#include "DstEditor.h"
#include "DstRuleSet.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Why an argument or a change is refused.
struct Refusal {
    std::string message;
};

template <class T> using Checked = std::variant<T, Refusal>;

template <class T> const Refusal* RefusalOf(const Checked<T>& checked)
{
    return std::get_if<Refusal>(&checked);
}

// --- set timezone ---

struct TimeZoneChoice {
    int32_t bias = 0;    // signed seconds east of UTC
    std::string zoneId;  // the zone named, empty for an offset
};

// An IANA zone ("Europe/Berlin": its standard offset at `now`, as picking it
// in the time zone dialog gives) or an offset "+HH:MM[:SS]" / "-HH:MM[:SS]"
// within the dialog's fields (hours 0 to 23).
Checked<TimeZoneChoice> ParseTimeZoneArgument(std::string_view text, std::chrono::sys_seconds now);

// The time zone command's change: the bias as sign and magnitude, the
// reserved fields cleared, configured and valid set.
void ApplyTimeZone(ClockConfig& config, int32_t bias);

// --- set dst ---

struct DstRequest {
    enum class Kind { Off, Preset, System, Zone, Rules };
    Kind kind = Kind::Off;
    DstPreset preset = DstPreset::UsCanada;
    std::string zoneId;
    // Rules: both rules; the shift and the reference only when given (the
    // clock's own stay otherwise).
    DstRule start;
    DstRule end;
    std::optional<int32_t> shift;
    std::optional<uint8_t> utcReference;
};

// "off", "us", "us-pre2007", "eu", "system" or "zone ZONE" (words as given
// after "set dst").
Checked<DstRequest> ParseDstWords(const std::vector<std::string>& words);
// --start RULE --end RULE [--shift [-]H:MM[:SS]] [--utc | --local].
Checked<DstRequest> ParseDstRules(std::string_view start, std::string_view end, std::optional<std::string_view> shift,
                                  bool utc, bool local);

struct DstOutcome {
    ClockConfig config;      // what SetConfig is given
    std::string importNote;  // what a zone import found, empty for none
    std::string preview;     // the next two changes, as the dialog's preview line
    std::string zoneCheck;   // whether the rules follow the zone, empty without one
};

// The daylight-saving editor opened on the clock's rules, driven as a user
// drives the dialog, then OK: its refusal, or the configuration with the
// rules stored as the dialog's command stores them.
Checked<DstOutcome> ApplyDst(const ClockConfig& config, const DstRequest& request, std::chrono::sys_seconds now);

// --- set time ---

// "YYYY-MM-DD hh:mm:ss", UTC. The date is checked as the set date/time
// dialog checks a typed one.
Checked<ClockDateTime> ParseClockDateTime(std::string_view text);

// --- hands ---

// "HH:MM:SS" (or "HH:MM"): the time the stopped hands show, hours 0 to 23,
// as a face time of the hand position dialog.
Checked<ClockDateTime> ParseFaceTime(std::string_view text);

// How many fifths of a second to nudge the seconds hand: 1 to a minute's
// worth.
inline constexpr unsigned kNudgeMax = 300;
Checked<unsigned> ParseNudgeCount(std::string_view text);

// --- the small ones ---

inline constexpr unsigned kIlluminationMax = 12;

Checked<uint8_t> ParseIllumination(std::string_view text);
// The level's range: "give a level from 0 to 12.", none within it.
std::optional<std::string> CheckIllumination(unsigned level);
// "on" or "off".
Checked<bool> ParseOnOff(std::string_view text, std::string_view what);
// "sweep" (0) or "step" (1).
Checked<uint8_t> ParseMotion(std::string_view text);

// The time code settings command's change: both date flags alike.
void ApplyTimeCodeDate(ClockConfig& config, bool on);

// --- a whole configuration (profiles) ---

// A field outside what the setters take, named as ClockCodec.h names it
// ("dstStartMonth"), and why.
struct FieldRefusal {
    std::string field;
    std::string message;
};

// Checks each value of a configuration as the setters check what they are
// given: the time zone bias and the daylight-saving shift within 23:59:59
// (set timezone, set dst --shift), the daylight-saving mode and rules as the
// rule editor's OK takes them (set dst), the illumination level (only when
// there is one) and the hand motion. The first field refused, none when all
// pass.
std::optional<FieldRefusal> CheckConfigValues(const ClockConfig& config, bool hasIllumination);
