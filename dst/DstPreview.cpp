#include "DstPreview.h"

#include "DstRules.h"
#include "DstText.h"
#include "DstZoneData.h"

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

using namespace std::chrono;

namespace {

constexpr years kLookAhead{3};  // holds the next two changes of any rule set
constexpr years kCheckSpan{10};

// A change as the user reads it: its day and time on the rules' scale, and
// the shift it applies.
std::string DescribeChange(sys_seconds at, bool start, int64_t shift, bool utc, int64_t offsetBefore)
{
    const std::string when =
        utc ? FormatDayAndTime(at) + " UTC" : FormatDayAndTime(at + seconds(offsetBefore)) + " local";
    return when + " (" + FormatShift(start ? shift : -shift) + ")";
}

std::string FormatOffset(int32_t offset)
{
    const int magnitude = std::abs(offset);
    char text[24];
    std::snprintf(text, sizeof text, "UTC%c%02d:%02d", offset < 0 ? '-' : '+', magnitude / 3600, magnitude / 60 % 60);
    return text;
}

std::string Event(const char* where, const std::string& description, bool start)
{
    return std::string(where) + " daylight time " + (start ? "starts" : "ends") + " on " + description;
}

}  // namespace

int32_t ClockStandardBias(const ClockConfig& config)
{
    return static_cast<int32_t>(SignedSeconds(config.biasPositive, config.biasSeconds));
}

ClockConfig ClockConfigWith(const DstSettings& settings, int32_t standardBias)
{
    ClockConfig config;
    config.biasPositive = standardBias < 0 ? 0 : 1;
    config.biasSeconds = static_cast<uint32_t>(std::llabs(standardBias));
    StoreDstSettings(settings, config);
    ApplyDstModeStep(config);
    return config;
}

namespace {

// The clock's UTC offset at a moment: its bias, and the shift while its
// rules keep daylight time.
int64_t ClockOffsetAt(const ClockConfig& config, sys_seconds at)
{
    const int64_t bias = SignedSeconds(config.biasPositive, config.biasSeconds);
    return DstInForce(config, at) ? bias + SignedSeconds(config.dstBiasPositive, config.dstBiasSeconds) : bias;
}

// The first moment from `from` on where the clock's local time and the
// zone's differ: both change only at their own changes, so comparing there
// (and at the start) covers every instant.
std::optional<sys_seconds> FirstDifference(const ClockConfig& config, const std::vector<DstChange>& mine,
                                           const ZoneDstData& zone, sys_seconds from)
{
    std::vector<sys_seconds> moments{from};
    for (const DstChange& c : mine)
        moments.push_back(c.at);
    for (const ZoneOffsetChange& c : zone.offsets)
        moments.push_back(c.at);
    std::sort(moments.begin(), moments.end());
    for (sys_seconds at : moments)
        if (ClockOffsetAt(config, at) != ZoneOffsetAt(zone, at))
            return at;
    return std::nullopt;
}

}  // namespace

DstPreview PreviewDst(const DstShown& shown, const DstPreviewContext& context)
{
    DstPreview preview;
    std::optional<ZoneDstData> zone;
    if (!context.zoneId.empty()) {
        zone = ReadZoneDst(context.zoneId, context.now, context.now + kCheckSpan);
        if (!zone->found)
            preview.zoneCheck = "The time zone \"" + context.zoneId + "\" is not in this computer's time zone data.";
    }
    const bool zoneReady = zone && zone->found;

    if (shown.refusal) {
        preview.next = shown.refusal->message;
        if (zoneReady && zone->changes.empty())
            preview.zoneCheck =
                context.zoneId + " has no daylight saving time; \"Disable daylight time\" turns it off on the clock.";
        return preview;
    }
    const DstSettings& settings = *shown.settings;
    preview.complete = true;

    const ClockConfig config = ClockConfigWith(settings, context.standardBias);
    const bool off = settings.mode == kDstDisabled;
    const bool utc = settings.utcReference != 0;
    const int64_t shift = settings.rules.daylightBias;
    // The wall clock before a change: standard time before the start,
    // daylight time before the end.
    const auto ours = [&](const DstChange& c) {
        return DescribeChange(c.at, c.start, shift, utc, context.standardBias + (c.start ? 0 : shift));
    };

    if (off) {
        preview.next = "Daylight time off";
    } else {
        const std::vector<DstChange> next = DstChanges(config, context.now, context.now + kLookAhead);
        if (next.empty()) {
            preview.next = "No change: daylight time starts and ends at the same moment.";
        } else {
            preview.next = "Next: " + ours(next[0]);
            if (next.size() > 1)
                preview.next += ", " + ours(next[1]);
        }
    }
    if (!zoneReady)
        return preview;

    const std::vector<DstChange> mine = DstChanges(config, context.now, context.now + kCheckSpan);
    const std::optional<sys_seconds> differs = FirstDifference(config, mine, *zone, context.now);
    if (!differs) {
        preview.agrees = true;
        preview.zoneCheck = zone->changes.empty() && mine.empty()
            ? "Agrees with " + context.zoneId + ", which has no daylight saving time."
            : "Agrees with " + context.zoneId + " in the time zone data over the next ten years.";
        return preview;
    }

    // Where they differ, in the user's terms: the bias, then the first
    // change that differs, else the moment and the two offsets.
    const std::vector<ZoneDstChange>& theirs = zone->changes;
    const bool otherBias = zone->standardOffset != context.standardBias;
    // Under another bias local times read the same but fall at other
    // moments: the difference then shows in UTC.
    const bool inUtc = utc || otherBias || off;
    const auto theirText = [&](const ZoneDstChange& c) {
        return DescribeChange(c.at, c.start, c.shift, inUtc, c.offsetBefore);
    };
    const auto myText = [&](const DstChange& c) {
        return inUtc ? DescribeChange(c.at, c.start, shift, true, 0) : ours(c);
    };
    std::string what;
    for (size_t i = 0; i < std::max(mine.size(), theirs.size()); ++i) {
        const bool haveMine = i < mine.size();
        const bool haveTheirs = i < theirs.size();
        if (haveMine && haveTheirs && mine[i].at == theirs[i].at && mine[i].start == theirs[i].start &&
            theirs[i].shift == shift)
            continue;
        what = haveTheirs ? Event("there", theirText(theirs[i]), theirs[i].start) : "there nothing changes";
        if (!off)
            what += ", " +
                (haveMine ? Event("with these rules", myText(mine[i]), mine[i].start)
                          : std::string("with these rules nothing changes"));
        break;
    }
    if (what.empty() && !otherBias)
        what = "from " + FormatDayAndTime(*differs) + " UTC the zone's time is " +
            FormatOffset(ZoneOffsetAt(*zone, *differs)) + ", the clock's " +
            FormatOffset(static_cast<int32_t>(ClockOffsetAt(config, *differs)));
    preview.zoneCheck = "Differs from " + context.zoneId + " in the time zone data: ";
    if (otherBias)
        preview.zoneCheck += "the clock's time zone bias is " + FormatOffset(context.standardBias) +
            ", the zone's standard time " + FormatOffset(zone->standardOffset) + (what.empty() ? "" : "; ");
    preview.zoneCheck += what + ".";
    return preview;
}
