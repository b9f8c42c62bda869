// Settings profiles: what an export holds, what an import takes and refuses
// (with the line and the field), and the comparison after a write.
#include "Profile.h"

#include "ClockCodec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ClockConfig SampleConfig()
{
    ClockConfig c;
    c.valid = 1;
    c.configured = 1;
    c.handMotion = kHandsStep;
    c.biasPositive = 0;
    c.biasSeconds = 18000;
    c.dstUseUtc = 0;
    c.dstUseLocal = 1;
    c.dstMode = kDstByWeekday;
    c.dstStartWeek = 2;
    c.dstEndWeek = 1;
    c.dstStartValid = 1;
    c.dstStartDayOfWeek = 1;
    c.dstStartDay = 1;
    c.dstStartMonth = 3;
    c.dstStartYear = 2000;
    c.dstStartHour = 2;
    c.dstEndValid = 1;
    c.dstEndDayOfWeek = 1;
    c.dstEndDay = 1;
    c.dstEndMonth = 11;
    c.dstEndYear = 2000;
    c.dstEndHour = 2;
    c.dstBiasPositive = 1;
    c.dstBiasSeconds = 3600;
    c.tcFlagA = 1;
    c.tcFlagB = 1;
    c.tcOptions = {0, 7, 1, 0, 0, 1, 0, 0, 1};
    c.illumination = 9;
    return c;
}

const ProfileClock kMaker{0x0150, 10472, {1, 3, 0}, 2};
const ProfileClock kPartnerV1{0x0350, 123, {1, 2, 4}, 1};

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

// The line on which a text first appears, counted from 1.
int LineOf(const std::string& text, const std::string& what)
{
    const size_t at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    int line = 1;
    for (size_t i = 0; i < at && i < text.size(); ++i)
        line += text[i] == '\n' ? 1 : 0;
    return line;
}

// The names of a record's fields.
struct FieldNames {
    std::vector<std::string> names;
    void Flag(uint8_t, const char* n) { names.push_back(n); }
    void U8(uint8_t, const char* n) { names.push_back(n); }
    void U16(uint16_t, const char* n) { names.push_back(n); }
    void U32(uint32_t, const char* n) { names.push_back(n); }
    template <size_t N> void U8s(const std::array<uint8_t, N>&, const char* n) { names.push_back(n); }
};

TEST(Profile, ExportHoldsEveryFieldAndImportGivesItBack)
{
    const ClockConfig config = SampleConfig();
    const std::string text = ExportProfile(config, kMaker);
    // Every field of the configuration by its name, and the reference.
    FieldNames names;
    VisitConfig(names, config, 2);
    for (const std::string& name : names.names)
        EXPECT_NE(text.find("\"" + name + "\": "), std::string::npos) << name;
    for (const char* part : {"\"format\": \"kerovant-clock-profile\"", "\"version\": 1", "\"familyId\": \"0x0150\"",
                             "\"serialNumber\": \"00010472\"", "\"firmware\": \"1.3.0\"", "\"model\": \"TORVEX12\"",
                             "\"timeZone\": \"UTC-5:00\"", "the second Sunday of March at 02:00 local time"})
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;

    const ProfileImport imported = ImportProfile(text);
    ASSERT_TRUE(imported.profile) << imported.error;
    EXPECT_EQ(imported.profile->config, config);
    EXPECT_TRUE(imported.profile->hasIllumination);
    EXPECT_EQ(imported.profile->clock, kMaker);
}

TEST(Profile, ProtocolVersionOneHasNoIllumination)
{
    ClockConfig config = SampleConfig();
    config.illumination = 0;  // never read from such a clock
    const std::string text = ExportProfile(config, kPartnerV1);
    EXPECT_EQ(text.find("illumination"), std::string::npos);
    const ProfileImport imported = ImportProfile(text);
    ASSERT_TRUE(imported.profile) << imported.error;
    EXPECT_FALSE(imported.profile->hasIllumination);

    // Written to a clock with a level, its own level stays.
    ClockConfig current;
    current.illumination = 5;
    EXPECT_EQ(ProfileTarget(current, *imported.profile, 2).illumination, 5);
    // A profile with a level keeps it for such a clock only.
    const Profile withLevel = *ImportProfile(ExportProfile(SampleConfig(), kMaker)).profile;
    EXPECT_EQ(ProfileTarget(current, withLevel, 2).illumination, 9);
    EXPECT_EQ(ProfileTarget(current, withLevel, 1).illumination, 5);
    EXPECT_EQ(ProfileTarget(current, withLevel, 2).dstMode, kDstByWeekday);
}

TEST(Profile, WarnsAboutAnotherKindOfClock)
{
    const Profile profile = *ImportProfile(ExportProfile(SampleConfig(), kMaker)).profile;
    EXPECT_TRUE(ImportWarnings(profile, kMaker).empty());
    const std::vector<std::string> warnings = ImportWarnings(profile, kPartnerV1);
    ASSERT_EQ(warnings.size(), 3u);
    EXPECT_NE(warnings[0].find("family 0x0150; this clock is of family 0x0350"), std::string::npos) << warnings[0];
    EXPECT_NE(warnings[1].find("protocol version 2 (firmware 1.3.0); this clock speaks version 1 (firmware 1.2.4)"),
              std::string::npos)
        << warnings[1];
    EXPECT_NE(warnings[2].find("level 9 is skipped"), std::string::npos) << warnings[2];
}

struct BadRow {
    const char* legend;
    const char* from;  // replaced in a good export
    const char* to;
    const char* lineOf;  // the text whose line the message names (in the edited file); null: line 1
    const char* words;   // the rest of the message, after "line N: "
};

const BadRow kBad[] = {
    {"not JSON", "\"version\": 1,", "\"version\": 1,,", "\"version\": 1,,", "not a JSON file"},
    {"unfinished", "\"illumination\": 9\n  }\n}", "\"illumination\": 9", nullptr, "not a JSON file"},
    {"another format", "kerovant-clock-profile", "something-else", "\"format\"",
     "format: expected \"kerovant-clock-profile\", found \"something-else\""},
    {"a newer version", "\"version\": 1", "\"version\": 2", "\"version\"",
     "version: this program reads profiles of version 1, the file has 2."},
    {"version as text", "\"version\": 1", "\"version\": \"1\"", "\"version\"", "version: this program reads"},
    {"no format", "\"format\": \"kerovant-clock-profile\",", "", nullptr, "format: missing."},
    {"a field missing", "\"dstMode\": 8,", "", "\"config\"", "config.dstMode: missing."},
    {"a byte too large", "\"dstMode\": 8", "\"dstMode\": 256", "\"dstMode\"",
     "config.dstMode: expected a whole number from 0 to 255, found 256."},
    {"a flag of 2", "\"dstUseUtc\": 0", "\"dstUseUtc\": 2", "\"dstUseUtc\"",
     "config.dstUseUtc: expected 0 or 1, found 2."},
    {"negative", "\"dstStartHour\": 2", "\"dstStartHour\": -1", "\"dstStartHour\"",
     "config.dstStartHour: expected a whole number from 0 to 255, found -1."},
    {"a fraction", "\"dstStartHour\": 2", "\"dstStartHour\": 1.5", "\"dstStartHour\"", "found 1.5."},
    {"a number as text", "\"dstStartHour\": 2", "\"dstStartHour\": \"2\"", "\"dstStartHour\"", "found \"2\"."},
    {"null", "\"dstStartHour\": 2", "\"dstStartHour\": null", "\"dstStartHour\"", "found null."},
    {"true for a flag", "\"valid\": 1", "\"valid\": true", "\"valid\"", "config.valid: expected 0 or 1, found true."},
    {"16 bits too large", "\"dstStartYear\": 2000", "\"dstStartYear\": 65536", "\"dstStartYear\"",
     "config.dstStartYear: expected a whole number from 0 to 65535"},
    {"32 bits too large", "\"biasSeconds\": 18000", "\"biasSeconds\": 4294967296", "\"biasSeconds\"",
     "config.biasSeconds: expected a whole number from 0 to 4294967295"},
    {"a list too short", "[0, 7, 1, 0, 0, 1, 0, 0, 1]", "[0, 7, 1]", "\"tcOptions\"",
     "config.tcOptions: expected a list of 9 whole numbers from 0 to 255, found a list of 3."},
    {"a list item too large", "[0, 7, 1, 0, 0, 1, 0, 0, 1]", "[0, 7, 1, 300, 0, 1, 0, 0, 1]", "\"tcOptions\"",
     "config.tcOptions[3]: expected a whole number from 0 to 255, found 300."},
    {"a list as a number", "[0, 7, 1, 0, 0, 1, 0, 0, 1]", "5", "\"tcOptions\"", "found 5."},
    {"an unknown field", "\"dstMode\": 8,", "\"dstMode\": 8, \"dstModus\": 8,", "\"dstModus\"",
     "config.dstModus: unknown field."},
    {"an unknown section", "\"summary\": {", "\"extra\": 1, \"summary\": {", "\"extra\"", "extra: unknown field."},
    {"a field twice, once escaped", "\"dstMode\": 8,", "\"dstMode\": 8, \"dst\\u004dode\": 16,", "\"dstMode\"",
     "config.dstMode: given twice."},
    {"a field twice", "\"dstMode\": 8,", "\"dstMode\": 8,\n    \"dstMode\": 16,", "\"dstMode\": 16",
     "config.dstMode: given twice."},
    {"a family ID without 0x", "\"0x0150\"", "\"0150\"", "\"familyId\"", "clock.familyId: expected a family ID"},
    {"a family ID too large", "\"0x0150\"", "\"0x10150\"", "\"familyId\"", "clock.familyId: expected a family ID"},
    {"a firmware of two parts", "\"1.3.0\"", "\"1.3\"", "\"firmware\"", "clock.firmware: expected a version"},
    {"a firmware part too large", "\"1.3.0\"", "\"1.300.0\"", "\"firmware\"", "clock.firmware: expected a version"},
    {"protocol version 3", "\"protocolVersion\": 2", "\"protocolVersion\": 3", "\"protocolVersion\"",
     "clock.protocolVersion: expected 1 or 2, found 3."},
    {"protocol version 0", "\"protocolVersion\": 2", "\"protocolVersion\": 0", "\"protocolVersion\"",
     "clock.protocolVersion: expected 1 or 2, found 0."},
};

TEST(Profile, RefusesABadFileNamingTheLineAndTheField)
{
    const std::string good = ExportProfile(SampleConfig(), kMaker);
    for (const BadRow& row : kBad) {
        const std::string text = Replace(good, row.from, row.to);
        const ProfileImport imported = ImportProfile(text);
        EXPECT_FALSE(imported.profile) << row.legend;
        const int line = row.lineOf ? LineOf(text, row.lineOf) : 1;
        const std::string head = "line " + std::to_string(line) + ": ";
        if (std::string(row.words) == "not a JSON file") {
            EXPECT_NE(imported.error.find("not a JSON file"), std::string::npos)
                << row.legend << ": " << imported.error;
            if (row.lineOf) {
                EXPECT_EQ(imported.error.rfind(head, 0), 0u) << row.legend << ": " << imported.error;
            }
            continue;
        }
        EXPECT_EQ(imported.error.rfind(head, 0), 0u) << row.legend << ": " << imported.error;
        EXPECT_NE(imported.error.find(row.words), std::string::npos) << row.legend << ": " << imported.error;
    }
}

TEST(Profile, TakesWhatPeopleWriteByHand)
{
    const std::string good = ExportProfile(SampleConfig(), kMaker);
    // The summary is not read, whatever it holds; keys in another order,
    // other spacing and no model are all fine.
    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"\"note\": \"for reading only; import ignores this part\",", "\"note\": [1, {\"x\": null}],"},
             {"    \"model\": \"TORVEX12\",\n", ""},
             {"\"valid\": 1,\n    \"configured\": 1,", "\"configured\":1,\"valid\":1,"},
         }) {
        const ProfileImport imported = ImportProfile(Replace(good, from, to));
        ASSERT_TRUE(imported.profile) << to << ": " << imported.error;
        EXPECT_EQ(imported.profile->config, SampleConfig()) << to;
    }
    // Sections of the wrong kind.
    const std::string configless = good.substr(0, good.find("\"config\"")) + "\"config\": 3\n}\n";
    EXPECT_EQ(ImportProfile(configless).error,
              "line " + std::to_string(LineOf(configless, "\"config\"")) + ": config: expected an object, found 3.");
    const std::string clockless = Replace(good, "\"clock\": {", "\"clock\": \"TORVEX\", \"unused\": {");
    EXPECT_EQ(ImportProfile(clockless).error.rfind("line " + std::to_string(LineOf(clockless, "\"unused\"")), 0), 0u)
        << "an unknown section is named first: " << ImportProfile(clockless).error;
    // A list or nothing at all is no profile.
    EXPECT_EQ(ImportProfile("[]").error.rfind("line 1: ", 0), 0u);
    EXPECT_FALSE(ImportProfile("").profile);
}

TEST(Profile, ComparisonNamesTheFieldsThatDiffer)
{
    const ClockConfig a = SampleConfig();
    ClockConfig b = a;
    EXPECT_TRUE(CompareConfigs(a, b, 2).empty());
    b.dstStartWeek = 1;
    b.tcOptions[5] = 0;
    b.illumination = 3;
    const std::vector<FieldDifference> v2 = CompareConfigs(a, b, 2);
    ASSERT_EQ(v2.size(), 3u);
    EXPECT_EQ(v2[0].name, "dstStartWeek");
    EXPECT_EQ(v2[0].before, "2");
    EXPECT_EQ(v2[0].after, "1");
    EXPECT_EQ(v2[1].name, "tcOptions[5]");
    EXPECT_EQ(v2[2].name, "illumination");
    // Protocol version 1 has no level to compare.
    EXPECT_EQ(CompareConfigs(a, b, 1).size(), 2u);
}

}  // namespace
