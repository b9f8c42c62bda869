#include "DstZoneData.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>

using namespace std::chrono;

namespace {

// Negative daylight saving seen at this many consecutive monthly samples (a
// season or more) is the zone's standard time rather than an interruption.
constexpr int kSamples = 12;
constexpr int kSeasonSamples = 3;

QDateTime ToQt(sys_seconds t)
{
    return QDateTime::fromSecsSinceEpoch(t.time_since_epoch().count(), QTimeZone::utc());
}

QTimeZone ZoneNamed(std::string_view zoneId)
{
    return QTimeZone(QByteArray(zoneId.data(), static_cast<qsizetype>(zoneId.size())));
}

// What the clock's standard time adds to the tz data's: the negative
// daylight offset of a zone whose negative daylight saving lasts a season
// in the year from `at` (Dublin -3600), else 0. Monthly samples; the
// longest run of consecutive months (around the year's end too) tells a
// season from an interruption of a few weeks.
int32_t SeasonalCorrection(const QTimeZone& zone, const QDateTime& at)
{
    std::array<bool, kSamples> negative{};
    int32_t lowest = 0;
    for (int month = 0; month < kSamples; ++month) {
        const QTimeZone::OffsetData data = zone.offsetData(at.addMonths(month));
        // Qt's UTC has no transitions and answers with an invalid sample
        // whose offsets are the most negative int: no daylight saving.
        const bool isNegative = data.atUtc.isValid() && data.daylightTimeOffset < 0;
        negative[static_cast<size_t>(month)] = isNegative;
        if (isNegative)
            lowest = std::min(lowest, data.daylightTimeOffset);
    }
    int longestRun = 0;
    int run = 0;
    for (int i = 0; i < 2 * kSamples && longestRun < kSamples; ++i) {
        run = negative[static_cast<size_t>(i % kSamples)] ? run + 1 : 0;
        longestRun = std::max(longestRun, run);
    }
    return longestRun >= kSeasonSamples ? lowest : 0;
}

// The longest zone name of the tz data is some 30 characters.
constexpr size_t kLongestZoneId = 100;

bool IsZoneIdChar(char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_' || ch == '-' ||
        ch == '+';
}

// A compiled zone file of the tz database, where the system keeps it: the
// directories Qt reads zones from, $TZDIR first.
bool IsZoneFile(std::string_view zoneId)
{
    std::vector<std::string> folders;
    if (const char* tzdir = std::getenv("TZDIR"); tzdir && *tzdir)
        folders.emplace_back(tzdir);
    for (const char* folder : {"/usr/share/zoneinfo", "/usr/lib/zoneinfo", "/usr/share/lib/zoneinfo"})
        folders.emplace_back(folder);
    for (const std::string& folder : folders) {
        std::ifstream file(folder + "/" + std::string(zoneId), std::ios::binary);
        char magic[4] = {};
        if (file.read(magic, sizeof magic) && std::string_view(magic, sizeof magic) == "TZif")
            return true;
    }
    return false;
}

}  // namespace

int32_t ZoneStandardOffset(const QTimeZone& zone, sys_seconds at)
{
    const QDateTime when = ToQt(at);
    return zone.standardTimeOffset(when) + SeasonalCorrection(zone, when);
}

bool IsKnownZoneId(std::string_view zoneId)
{
    if (zoneId.empty() || zoneId.size() > kLongestZoneId)
        return false;
    if (zoneId.starts_with("UTC") && (zoneId.size() == 3 || zoneId[3] == '+' || zoneId[3] == '-'))
        return ZoneNamed(zoneId).isValid();
    // A path inside the tz database: its words of letters, digits and
    // "_+-", never "." or "..".
    for (size_t start = 0; start <= zoneId.size();) {
        const size_t end = std::min(zoneId.find('/', start), zoneId.size());
        const std::string_view word = zoneId.substr(start, end - start);
        if (word.empty() || !std::all_of(word.begin(), word.end(), IsZoneIdChar) || word.front() == '-' ||
            word.front() == '+')
            return false;
        start = end + 1;
    }
    return IsZoneFile(zoneId) && ZoneNamed(zoneId).isValid();
}

std::optional<int32_t> ZoneStandardOffset(std::string_view zoneId, sys_seconds at)
{
    if (!IsKnownZoneId(zoneId))
        return std::nullopt;
    const QTimeZone zone = ZoneNamed(zoneId);
    if (!zone.isValid())
        return std::nullopt;
    return ZoneStandardOffset(zone, at);
}

ZoneDstData ReadZoneDst(std::string_view zoneId, sys_seconds from, sys_seconds to)
{
    ZoneDstData data;
    data.id = std::string(zoneId);
    const QTimeZone zone = ZoneNamed(zoneId);
    if (zoneId.empty() || !zone.isValid())
        return data;
    data.found = true;

    // The clock's standard time: the tz data's, moved by the same seasonal
    // correction all through the range; the shift is what lies above it.
    const int32_t correction = SeasonalCorrection(zone, ToQt(from));
    int32_t offset = zone.offsetFromUtc(ToQt(from));
    int32_t standard = zone.standardTimeOffset(ToQt(from)) + correction;
    int32_t shift = offset - standard;
    data.standardOffset = standard;
    data.initialOffset = offset;
    for (const QTimeZone::OffsetData& t : zone.transitions(ToQt(from), ToQt(to))) {
        const sys_seconds at{seconds(t.atUtc.toSecsSinceEpoch())};
        if (at < from || at >= to)
            continue;
        const int32_t newStandard = t.standardTimeOffset + correction;
        const int32_t newShift = t.offsetFromUtc - newStandard;
        const bool wasDaylight = shift != 0;
        const bool isDaylight = newShift != 0;
        if (wasDaylight != isDaylight && newStandard == standard) {
            data.changes.push_back({at, isDaylight, offset, standard, isDaylight ? newShift : shift});
        } else if (t.offsetFromUtc != offset || newStandard != standard) {
            // A new standard offset, or one daylight offset to another.
            data.otherChanges.push_back(at);
        }
        if (t.offsetFromUtc != offset)
            data.offsets.push_back({at, t.offsetFromUtc});
        offset = t.offsetFromUtc;
        standard = newStandard;
        shift = newShift;
    }
    return data;
}

int32_t ZoneOffsetAt(const ZoneDstData& zone, sys_seconds at)
{
    const auto after = std::upper_bound(zone.offsets.begin(), zone.offsets.end(), at,
                                        [](sys_seconds t, const ZoneOffsetChange& c) { return t < c.at; });
    return after == zone.offsets.begin() ? zone.initialOffset : std::prev(after)->offset;
}

std::string SystemZoneId()
{
    return QTimeZone::systemTimeZoneId().toStdString();
}
