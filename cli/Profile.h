// Settings profiles: a clock's configuration in a JSON file, to keep, edit
// and write to the same or another clock.
//
//   {
//     "format": "kerovant-clock-profile",
//     "version": 1,
//     "clock": {"familyId": "0x0150", "serialNumber": "00010472", "firmware": "1.3.0", "protocolVersion": 2},
//     "summary": {"timeZone": "UTC+1:00", "daylightSaving": "..."},
//     "config": {"valid": 1, "configured": 1, "handMotion": 0, ..., "tcOptions": [0, 0, 1, ...], "illumination": 6}
//   }
//
// "config" holds every ClockConfig field by its name (ClockCodec.h lists
// them), "illumination" only when the clock has one (protocol version 2).
// "clock" says where the profile came from, for a warning when it goes to
// another kind of clock; "summary" is for people and is not read. The serial
// number is text, as status prints it ("00010472", "0x05F5E100" from
// 100000000 on); profiles written before held it as a plain number, and
// import takes either.
//
// Import is strict, because a profile is meant to be edited by hand: the
// file must be JSON, of this format and version, with every field present
// once, a whole number that fits its field (flags 0 or 1) and that the
// setters would take (CheckConfigValues, CliSettings.h: an illumination
// level up to 12, a month of 1 to 12, ...), and nothing unknown; otherwise
// the error names the line and the field. Text that nests deeper than a
// profile or holds keys or strings far longer than its own is refused before
// it is parsed. The importer is a plain function over the file's text.
//
// No state; safe from any thread.
#pragma once

#include "ClockRecords.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kProfileFormat = "kerovant-clock-profile";
inline constexpr int kProfileVersion = 1;

// Where a profile came from, or the clock it goes to.
struct ProfileClock {
    uint16_t familyId = 0;
    uint32_t serialNumber = 0;
    FirmwareVersion firmware;
    uint8_t protocolVersion = 0;  // 1 or 2

    friend bool operator==(const ProfileClock&, const ProfileClock&) = default;
};

struct Profile {
    ClockConfig config;
    bool hasIllumination = false;
    ProfileClock clock;
};

// The profile's text. The summary describes the time zone and the
// daylight-saving rules in words.
std::string ExportProfile(const ClockConfig& config, const ProfileClock& clock);

struct ProfileImport {
    std::optional<Profile> profile;
    std::string error;  // "line 12: config.dstMode: ...", empty when read
};

ProfileImport ImportProfile(std::string_view text);

// Warnings for a profile written to this clock: another family, another
// protocol version, an illumination level this clock cannot keep.
std::vector<std::string> ImportWarnings(const Profile& profile, const ProfileClock& clock);

// What the clock is sent: the clock's configuration with every field of
// the profile. The illumination level stays the clock's when the profile
// has none or the clock has none (protocol version 1).
ClockConfig ProfileTarget(const ClockConfig& current, const Profile& profile, uint8_t clockProtocol);

// A field whose values differ.
struct FieldDifference {
    std::string name;
    std::string before;  // as the first configuration holds it
    std::string after;   // as the second holds it
};

// The fields of two configurations that differ, in wire order; the
// illumination level counts only under protocol version 2.
std::vector<FieldDifference> CompareConfigs(const ClockConfig& before, const ClockConfig& after,
                                            uint8_t protocolVersion);
