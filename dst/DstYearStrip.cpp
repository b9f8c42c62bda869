#include "DstYearStrip.h"

#include "DstRules.h"
#include "DstText.h"

#include <algorithm>

using namespace std::chrono;

namespace {

// "28 Mar": the day as the clock's face shows it.
std::string DayAndMonth(sys_seconds onTheFace)
{
    const year_month_day date{floor<days>(onTheFace)};
    return std::to_string(static_cast<unsigned>(date.day())) + ' ' +
        std::string(kDstMonthShortNames[static_cast<unsigned>(date.month()) - 1]);
}

}  // namespace

DstYearStrip YearStrip(const DstShown& shown, const DstPreviewContext& context)
{
    DstYearStrip strip;
    // The clock's calendar runs on its standard time; the hour daylight
    // time adds moves a month's edge by less than a pixel.
    const seconds bias{context.standardBias};
    const sys_seconds onTheFace = context.now + bias;
    const sys_days today = floor<days>(onTheFace);
    year_month_day yearOn = year_month_day{today} + years{1};
    if (!yearOn.ok())
        yearOn = yearOn.year() / yearOn.month() / last;  // from 29 February
    strip.from = context.now;
    strip.to = sys_days{yearOn} + (onTheFace - today) - bias;
    const auto at = [&](sys_seconds t) {
        return static_cast<double>((t - strip.from).count()) / static_cast<double>((strip.to - strip.from).count());
    };

    const year_month_day first{today};
    for (year_month month = first.year() / first.month();; month += months{1}) {
        const sys_seconds begins = sys_days{month / 1} - bias;
        if (begins >= strip.to)
            break;
        const sys_seconds ends = sys_days{(month + months{1}) / 1} - bias;
        strip.months.push_back({std::max(0.0, at(begins)), std::min(1.0, at(ends)),
                                std::string(kDstMonthShortNames[static_cast<unsigned>(month.month()) - 1])});
    }

    if (!shown.settings)
        return strip;
    strip.complete = true;
    const DstSettings& settings = *shown.settings;
    if (settings.mode == kDstDisabled) {
        strip.off = true;
        return strip;
    }
    const ClockConfig config = ClockConfigWith(settings, context.standardBias);
    const seconds shift{settings.rules.daylightBias};
    // Where the period being drawn began; the period may have begun before
    // today (the south in January).
    bool inForce = DstInForce(config, strip.from);
    sys_seconds opened = strip.from;
    for (const DstChange& change : DstChanges(config, strip.from, strip.to)) {
        // The face before the change: standard time before the start,
        // daylight time before the end.
        strip.changes.push_back(
            {at(change.at), change.start, DayAndMonth(change.at + bias + (change.start ? 0s : shift))});
        if (change.start && !inForce) {
            opened = change.at;
            inForce = true;
        } else if (!change.start && inForce) {
            strip.daylight.push_back({at(opened), at(change.at)});
            inForce = false;
        }
    }
    if (inForce)
        strip.daylight.push_back({at(opened), 1.0});
    return strip;
}
