// kerovant-cli's profile importer (ImportProfile) fed any text, and what
// import does with a profile it took. Properties:
// - the importer either gives a profile or says why not, never both, and
//   its error names a line ("line N: ...") so a hand-edited file can be
//   mended;
// - a profile it took exports and imports again to the same clock and
//   the same fields (the illumination level only where the profile has one
//   and the clock keeps one);
// - the steps of an import on a clock of either protocol version (the
//   warnings, the configuration sent, the comparison afterwards) take any
//   such profile; the configuration sent differs from the clock's only in
//   the fields the profile sets, so comparing it with the profile finds
//   nothing.
//
// Input: the file's text, whole.
#include "FuzzSupport.h"

#include "ClockCodec.h"
#include "Profile.h"

#include <string>
#include <string_view>

namespace {

std::string Differences(const std::vector<FieldDifference>& differences)
{
    std::string text;
    for (const FieldDifference& d : differences)
        text += d.name + ": " + d.before + " -> " + d.after + "; ";
    return text;
}

// The protocol version under which a profile's fields compare: the
// illumination level counts only where the profile has one.
uint8_t FieldsOf(const Profile& profile)
{
    return profile.hasIllumination && profile.clock.protocolVersion == 2 ? 2 : 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ProfileImport imported = ImportProfile(text);
    FUZZ_CHECK(imported.profile.has_value() != !imported.error.empty(),
               "a profile or an error, not both: error '" + imported.error + "'");
    if (!imported.profile) {
        FUZZ_CHECK(imported.error.rfind("line ", 0) == 0, "the error names a line: '" + imported.error + "'");
        return 0;
    }
    const Profile& profile = *imported.profile;
    FUZZ_CHECK(profile.clock.protocolVersion == 1 || profile.clock.protocolVersion == 2,
               "protocol version " + std::to_string(profile.clock.protocolVersion));

    // Export, import again: nothing lost, nothing changed.
    const std::string exported = ExportProfile(profile.config, profile.clock);
    const ProfileImport again = ImportProfile(exported);
    FUZZ_CHECK(again.profile.has_value(), "the export imports again: " + again.error + "\n" + exported);
    FUZZ_CHECK(again.profile->clock == profile.clock, "the same clock\n" + exported);
    FUZZ_CHECK(again.profile->hasIllumination == (profile.clock.protocolVersion == 2),
               "illumination exported exactly for protocol version 2\n" + exported);
    const uint8_t fields = FieldsOf(profile);
    const std::vector<FieldDifference> lost = CompareConfigs(profile.config, again.profile->config, fields);
    FUZZ_CHECK(lost.empty(), "the same fields: " + Differences(lost) + "\n" + exported);

    // The import on clocks of both protocol versions.
    for (uint8_t protocol : {uint8_t{1}, uint8_t{2}}) {
        ProfileClock clock = profile.clock;
        clock.protocolVersion = protocol;
        clock.serialNumber ^= 1;
        (void)ImportWarnings(profile, clock);
        ClockConfig current;
        current.illumination = 7;
        current.biasSeconds = 12345;
        const ClockConfig target = ProfileTarget(current, profile, protocol);
        const uint8_t compared = protocol == 2 ? fields : 1;
        const std::vector<FieldDifference> missed = CompareConfigs(profile.config, target, compared);
        FUZZ_CHECK(missed.empty(), "the profile's fields are sent: " + Differences(missed));
        if (protocol == 1 || !profile.hasIllumination)
            FUZZ_CHECK(target.illumination == current.illumination, "the clock keeps its illumination level");
        ClockConfig expected = target;
        NormaliseForWrite(expected);
        (void)CompareConfigs(target, expected, protocol);
    }
    return 0;
}
