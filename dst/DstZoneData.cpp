#include "DstZoneData.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

using namespace std::chrono;

namespace {

QDateTime ToQt(sys_seconds t)
{
    return QDateTime::fromSecsSinceEpoch(t.time_since_epoch().count(), QTimeZone::utc());
}

}  // namespace

ZoneDstData ReadZoneDst(std::string_view zoneId, sys_seconds from, sys_seconds to)
{
    ZoneDstData data;
    data.id = std::string(zoneId);
    const QTimeZone zone(QByteArray(zoneId.data(), static_cast<qsizetype>(zoneId.size())));
    if (zoneId.empty() || !zone.isValid())
        return data;
    data.found = true;

    const QTimeZone::OffsetData initial = zone.offsetData(ToQt(from));
    data.standardOffset = initial.standardTimeOffset;
    int32_t offset = initial.offsetFromUtc;
    int32_t standard = initial.standardTimeOffset;
    int32_t daylight = initial.daylightTimeOffset;
    for (const QTimeZone::OffsetData& t : zone.transitions(ToQt(from), ToQt(to))) {
        const sys_seconds at{seconds(t.atUtc.toSecsSinceEpoch())};
        if (at < from || at >= to)
            continue;
        const bool wasDaylight = daylight != 0;
        const bool isDaylight = t.daylightTimeOffset != 0;
        if (wasDaylight != isDaylight && t.standardTimeOffset == standard) {
            data.changes.push_back({at, isDaylight, offset, standard, isDaylight ? t.daylightTimeOffset : daylight});
        } else if (t.offsetFromUtc != offset || t.standardTimeOffset != standard) {
            // A new standard offset, or one daylight offset to another.
            data.otherChanges.push_back(at);
        }
        offset = t.offsetFromUtc;
        standard = t.standardTimeOffset;
        daylight = t.daylightTimeOffset;
    }
    return data;
}

std::string SystemZoneId()
{
    return QTimeZone::systemTimeZoneId().toStdString();
}
