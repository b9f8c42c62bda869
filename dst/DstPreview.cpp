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
Sentence Moment(sys_seconds at)
{
    return Sentence::At(at, FormatDayAndTime(at));
}

Sentence DescribeChange(sys_seconds at, bool start, int64_t shift, bool utc, int64_t offsetBefore)
{
    const Sentence applied = Sentence::Verbatim(FormatShift(start ? shift : -shift));
    if (utc)
        return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "%1 UTC (%2)"), {Moment(at), applied});
    return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "%1 local (%2)"),
                    {Moment(at + seconds(offsetBefore)), applied});
}

Sentence FormatOffset(int64_t offset)
{
    const long long magnitude = std::llabs(offset);
    char text[40];
    std::snprintf(text, sizeof text, "UTC%c%02lld:%02lld", offset < 0 ? '-' : '+', magnitude / 3600,
                  magnitude / 60 % 60);
    return Sentence::Verbatim(text);
}

// A change of one side, there (the zone) or here (these rules).
Sentence Event(bool there, const Sentence& description, bool start)
{
    if (there)
        return Sentence(start ? KEROVANT_TRANSLATE_NOOP("Kerovant", "there daylight time starts on %1")
                              : KEROVANT_TRANSLATE_NOOP("Kerovant", "there daylight time ends on %1"),
                        {description});
    return Sentence(start ? KEROVANT_TRANSLATE_NOOP("Kerovant", "with these rules daylight time starts on %1")
                          : KEROVANT_TRANSLATE_NOOP("Kerovant", "with these rules daylight time ends on %1"),
                    {description});
}

}  // namespace

int64_t ClockStandardBias(const ClockConfig& config)
{
    return SignedSeconds(config.biasPositive, config.biasSeconds);
}

ClockConfig ClockConfigWith(const DstSettings& settings, int64_t standardBias)
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

// A change of these rules as the wall clock reads it just before: standard
// time before the start, daylight time before the end.
Sentence OurChange(const DstChange& c, const DstSettings& settings, int64_t standardBias)
{
    const int64_t shift = settings.rules.daylightBias;
    return DescribeChange(c.at, c.start, shift, settings.utcReference != 0, standardBias + (c.start ? 0 : shift));
}

// The next two changes the rules make, or why there are none.
Sentence NextChangesSentence(const ClockConfig& config, const DstSettings& settings, const DstPreviewContext& context)
{
    if (settings.mode == kDstDisabled)
        return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "Daylight time off"));
    const std::vector<DstChange> next = DstChanges(config, context.now, context.now + kLookAhead);
    if (next.empty())
        return Sentence(
            KEROVANT_TRANSLATE_NOOP("Kerovant", "No change: daylight time starts and ends at the same moment."));
    const auto ours = [&](const DstChange& c) { return OurChange(c, settings, context.standardBias); };
    if (next.size() > 1)
        return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "Next: %1, %2"), {ours(next[0]), ours(next[1])});
    return Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "Next: %1"), {ours(next[0])});
}

// The first change where the zone and these rules part, the zone's first
// ("there ..., with these rules ..."); empty when every change agrees.
// inUtc: both told in UTC.
Sentence FirstChangeThatDiffers(const std::vector<DstChange>& mine, const std::vector<ZoneDstChange>& theirs,
                                const DstSettings& settings, int64_t standardBias, bool inUtc)
{
    const int64_t shift = settings.rules.daylightBias;
    const bool off = settings.mode == kDstDisabled;
    const auto theirText = [&](const ZoneDstChange& c) {
        return DescribeChange(c.at, c.start, c.shift, inUtc, c.offsetBefore);
    };
    const auto myText = [&](const DstChange& c) {
        return inUtc ? DescribeChange(c.at, c.start, shift, true, 0) : OurChange(c, settings, standardBias);
    };
    for (size_t i = 0; i < std::max(mine.size(), theirs.size()); ++i) {
        const bool haveMine = i < mine.size();
        const bool haveTheirs = i < theirs.size();
        if (haveMine && haveTheirs && mine[i].at == theirs[i].at && mine[i].start == theirs[i].start &&
            theirs[i].shift == shift)
            continue;
        Sentence what = haveTheirs ? Event(true, theirText(theirs[i]), theirs[i].start)
                                   : Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "there nothing changes"));
        if (!off)
            what = Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "%1, %2"),
                            {what,
                             haveMine
                                 ? Event(false, myText(mine[i]), mine[i].start)
                                 : Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "with these rules nothing changes"))});
        return what;
    }
    return Sentence();
}

// Where the rules and the zone differ, in the user's terms: the bias, then
// the first change that differs, else the moment (differs) and the two
// offsets.
Sentence DescribeDifference(const ClockConfig& config, const DstSettings& settings, const std::vector<DstChange>& mine,
                            const ZoneDstData& zone, sys_seconds differs, int64_t standardBias)
{
    const bool otherBias = zone.standardOffset != standardBias;
    // Under another bias local times read the same but fall at other
    // moments: the difference then shows in UTC.
    const bool inUtc = settings.utcReference != 0 || otherBias || settings.mode == kDstDisabled;
    Sentence what = FirstChangeThatDiffers(mine, zone.changes, settings, standardBias, inUtc);
    if (what.empty() && !otherBias)
        what = Sentence(
            KEROVANT_TRANSLATE_NOOP("Kerovant", "from %1 UTC the zone's time is %2, the clock's %3"),
            {Moment(differs), FormatOffset(ZoneOffsetAt(zone, differs)), FormatOffset(ClockOffsetAt(config, differs))});
    if (otherBias) {
        const Sentence bias(
            KEROVANT_TRANSLATE_NOOP("Kerovant", "the clock's time zone bias is %1, the zone's standard time %2"),
            {FormatOffset(standardBias), FormatOffset(zone.standardOffset)});
        what = what.empty() ? bias : Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "%1; %2"), {bias, what});
    }
    return what;
}

// Compares the rules with the zone's over the next ten years.
void CheckAgainstZone(DstPreview& preview, const ClockConfig& config, const DstSettings& settings,
                      const ZoneDstData& zone, const DstPreviewContext& context)
{
    const Sentence zoneName = Sentence::Verbatim(context.zoneId);
    const std::vector<DstChange> mine = DstChanges(config, context.now, context.now + kCheckSpan);
    const std::optional<sys_seconds> differs = FirstDifference(config, mine, zone, context.now);
    if (!differs) {
        preview.agrees = true;
        preview.zoneCheckSentence = Sentence(
            zone.changes.empty() && mine.empty()
                ? KEROVANT_TRANSLATE_NOOP("Kerovant", "Agrees with %1, which has no daylight saving time.")
                : KEROVANT_TRANSLATE_NOOP("Kerovant", "Agrees with %1 in the time zone data over the next ten years."),
            {zoneName});
        return;
    }
    preview.zoneCheckSentence =
        Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "Differs from %1 in the time zone data: %2."),
                 {zoneName, DescribeDifference(config, settings, mine, zone, *differs, context.standardBias)});
}

DstPreview PreviewSentences(const DstShown& shown, const DstPreviewContext& context)
{
    DstPreview preview;
    const Sentence zoneName = Sentence::Verbatim(context.zoneId);
    std::optional<ZoneDstData> zone;
    if (!context.zoneId.empty()) {
        zone = ReadZoneDst(context.zoneId, context.now, context.now + kCheckSpan);
        if (!zone->found)
            preview.zoneCheckSentence = Sentence(
                KEROVANT_TRANSLATE_NOOP("Kerovant", "The time zone \"%1\" is not in this computer's time zone data."),
                {zoneName});
    }
    const bool zoneReady = zone && zone->found;

    if (shown.refusal) {
        preview.nextSentence = shown.refusal->sentence;
        if (zoneReady && zone->changes.empty())
            preview.zoneCheckSentence = Sentence(
                KEROVANT_TRANSLATE_NOOP(
                    "Kerovant", "%1 has no daylight saving time; \"Disable daylight time\" turns it off on the clock."),
                {zoneName});
        return preview;
    }
    const DstSettings& settings = *shown.settings;
    preview.complete = true;
    const ClockConfig config = ClockConfigWith(settings, context.standardBias);
    preview.nextSentence = NextChangesSentence(config, settings, context);
    if (zoneReady)
        CheckAgainstZone(preview, config, settings, *zone, context);
    return preview;
}

}  // namespace

DstPreview PreviewDst(const DstShown& shown, const DstPreviewContext& context)
{
    DstPreview preview = PreviewSentences(shown, context);
    preview.next = preview.nextSentence.English();
    preview.zoneCheck = preview.zoneCheckSentence.English();
    return preview;
}
