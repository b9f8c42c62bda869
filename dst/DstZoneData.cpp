#include "DstZoneData.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <array>

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

}  // namespace

int32_t ZoneStandardOffset(const QTimeZone& zone, sys_seconds at)
{
    const QDateTime when = ToQt(at);
    return zone.standardTimeOffset(when) + SeasonalCorrection(zone, when);
}

std::optional<int32_t> ZoneStandardOffset(std::string_view zoneId, sys_seconds at)
{
    const QTimeZone zone = ZoneNamed(zoneId);
    if (zoneId.empty() || !zone.isValid())
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
