// The preview below the rule groups: the next two changes the rules shown
// would make, counted as the clock counts them (core/DstRules.h, which the
// simulated clock uses too), and, when the rules came from a zone, whether
// they agree with that zone's own changes in the tz data over the next ten
// years.
#pragma once

#include "DstEditor.h"

#include <chrono>
#include <cstdint>
#include <string>

struct DstPreviewContext {
    // The clock's time zone bias in seconds east of UTC: local rules change
    // at their time on the clock's own face.
    int64_t standardBias = 0;
    std::chrono::sys_seconds now;
    std::string zoneId;  // where the rules came from; empty for none
};

struct DstPreview {
    // "Next: Sun 28 Mar 2027 01:00 UTC (+1:00), Sun 31 Oct 2027 01:00 UTC
    // (-1:00)", "Daylight time off", or what is wrong with the values shown.
    std::string next;
    // Without a zone: empty. Otherwise whether the rules make the zone's
    // changes, or the first difference.
    std::string zoneCheck;
    // The same two in parts, for the window to show in the user's
    // language (a refusal is the editor's sentence).
    Sentence nextSentence;
    Sentence zoneCheckSentence;
    bool complete = false;  // the values name the days of both changes
    bool agrees = false;    // the zone check found no difference
};

DstPreview PreviewDst(const DstShown& shown, const DstPreviewContext& context);

// The clock's time zone bias in seconds east of UTC: the record's sign and
// 32-bit magnitude, never folded into a smaller type.
int64_t ClockStandardBias(const ClockConfig& config);

// The configuration the clock would hold with these settings and its bias
// as it stands, as the clock's configuration write leaves it: what the
// preview and the year strip count with.
ClockConfig ClockConfigWith(const DstSettings& settings, int64_t standardBias);
