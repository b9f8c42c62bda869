#include "DstPreview.h"

#include "DstRules.h"
#include "DstText.h"
#include "DstZoneData.h"

#include <cstdio>
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
    if (settings.mode == kDstDisabled) {
        preview.next = "Daylight time off";
        if (zoneReady) {
            preview.agrees = zone->changes.empty();
            if (preview.agrees) {
                preview.zoneCheck = "Agrees with " + context.zoneId + ", which has no daylight saving time.";
            } else {
                const ZoneDstChange& c = zone->changes.front();
                preview.zoneCheck = "Differs from " + context.zoneId + " in the time zone data: " +
                    Event("there", DescribeChange(c.at, c.start, c.shift, true, 0), c.start) + ".";
            }
        }
        return preview;
    }

    // The configuration the clock would hold, with its bias.
    ClockConfig config;
    config.biasPositive = context.standardBias < 0 ? 0 : 1;
    config.biasSeconds = static_cast<uint32_t>(std::llabs(context.standardBias));
    StoreDstSettings(settings, config);
    ApplyDstModeStep(config);
    const bool utc = settings.utcReference != 0;
    const int64_t shift = settings.rules.daylightBias;
    // The wall clock before a change: standard time before the start,
    // daylight time before the end.
    const auto ours = [&](const DstChange& c) {
        return DescribeChange(c.at, c.start, shift, utc, context.standardBias + (c.start ? 0 : shift));
    };

    const std::vector<DstChange> next = DstChanges(config, context.now, context.now + kLookAhead);
    if (next.empty()) {
        preview.next = "No change: daylight time starts and ends at the same moment.";
    } else {
        preview.next = "Next: " + ours(next[0]);
        if (next.size() > 1)
            preview.next += ", " + ours(next[1]);
    }
    if (!zoneReady)
        return preview;

    const std::vector<DstChange> mine = DstChanges(config, context.now, context.now + kCheckSpan);
    const std::vector<ZoneDstChange>& theirs = zone->changes;
    // Local rules under a bias other than the zone's fall at other moments
    // though their local times read the same: the difference then shows in
    // UTC.
    const bool otherBias = !utc && zone->standardOffset != context.standardBias;
    const auto theirText = [&](const ZoneDstChange& c) {
        return DescribeChange(c.at, c.start, c.shift, utc || otherBias, c.offsetBefore);
    };
    const auto myText = [&](const DstChange& c) {
        return otherBias ? DescribeChange(c.at, c.start, shift, true, 0) : ours(c);
    };
    for (size_t i = 0; i < std::max(mine.size(), theirs.size()); ++i) {
        const bool haveMine = i < mine.size();
        const bool haveTheirs = i < theirs.size();
        if (haveMine && haveTheirs && mine[i].at == theirs[i].at && mine[i].start == theirs[i].start &&
            theirs[i].shift == shift)
            continue;
        const std::string there =
            haveTheirs ? Event("there", theirText(theirs[i]), theirs[i].start) : "there nothing changes";
        const std::string here =
            haveMine ? Event("with these rules", myText(mine[i]), mine[i].start) : "with these rules nothing changes";
        preview.zoneCheck = "Differs from " + context.zoneId + " in the time zone data: ";
        if (otherBias)
            preview.zoneCheck += "the clock's time zone bias is " + FormatOffset(context.standardBias) +
                ", the zone's standard time " + FormatOffset(zone->standardOffset) + "; ";
        preview.zoneCheck += there + ", " + here + ".";
        return preview;
    }
    preview.agrees = true;
    preview.zoneCheck = "Agrees with " + context.zoneId + " in the time zone data over the next ten years.";
    return preview;
}
