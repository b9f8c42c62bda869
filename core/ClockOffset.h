// How far the clock's time is from the computer's UTC, worked out from the
// link's time readings (ClockTimeHistory, LinkTiming.h). Plain functions on
// values; safe from any thread.
//
// Each reading of the clock's UTC came with the computer's UTC at the moment
// the reply's last byte arrived. The clock took its reading as it began to
// answer, so the reading belongs to that moment less the reply's time on the
// line; the difference of the two is the reading's offset. The offset shown
// is the median of the latest readings, so that one reply held up by the
// system does not show.
//
// A clock that counts whole seconds reports a fraction of 0 in every
// reading, and one reading then says only that the offset lies within a
// second. Its seconds count steps between two readings about 100 ms apart,
// and the step's moment bounds the offset to about +-50 ms: the estimate is
// the middle of that interval, and is marked approximate. Once the clock has
// reported any fraction other than 0, its fractions are used.
#pragma once

#include "ClockRecords.h"
#include "LinkTiming.h"
#include "Translatable.h"

#include <chrono>
#include <cstddef>
#include <string>

// The line: the label, then the offset (or a word while it is not known).
inline constexpr const char* kClockOffsetLabel = KEROVANT_TRANSLATE_NOOP("Kerovant", "Clock vs this computer: %1");
// An offset beyond this is shown as a warning.
inline constexpr std::chrono::milliseconds kClockOffsetWarning{500};
// Readings (or seconds steps) in the running median.
inline constexpr size_t kClockOffsetWindow = 10;
// Two readings further apart than this bound a step too loosely to count.
inline constexpr std::chrono::milliseconds kClockOffsetStepGap{1000};

// time - utc: how far the clock's time is ahead of the computer's UTC
// (behind when negative). The clock's seconds are its 40-bit count, so a
// time past 2036-02-07 06:28:16, where seconds has wrapped into
// secondsHigh, compares right. Beyond about 290 years either way the result
// stops at the largest value it can hold.
std::chrono::nanoseconds ClockMinusUtc(const ClockTime& time, std::chrono::system_clock::time_point utc);

// One reading's offset: its time against the computer's UTC at the moment
// the clock took it (arrival - transmission).
std::chrono::nanoseconds SampleOffset(const ClockTimeSample& sample);

struct ClockOffset {
    bool known = false;
    // From the seconds steps of a clock that reports no fractions.
    bool approximate = false;
    std::chrono::nanoseconds value{0};
    // Approximate only: the estimate is good to +-bound (the widest of the
    // steps in the median).
    std::chrono::nanoseconds bound{0};
    // How many readings, or steps, the median was taken over.
    size_t count = 0;
};

// The clock's offset from the latest readings of the history: the median of
// the last `window` readings when the clock reports fractions, else of the
// estimates from its last `window` seconds steps. Readings whose set flag is
// 0 hold no time and are left out, and so are readings of a year before
// 2000 or from 2200 on (a clock not set, or a garbled reply). Not known
// without a usable reading.
ClockOffset EstimateClockOffset(const ClockTimeHistory& history, size_t window = kClockOffsetWindow);

// "+0.004 s"; "about -0.05 s" for an approximate offset; from 10 s on, one
// decimal ("-12.3 s"). Empty while not known.
std::string FormatClockOffset(const ClockOffset& offset);
// The line the window and the command-line tool show: the label and the
// offset, or the label and "measuring" while it is not known yet.
std::string ClockOffsetText(const ClockOffset& offset);
// The same, in parts for the window to translate.
Sentence ClockOffsetSentence(const ClockOffset& offset);
// More than kClockOffsetWarning either way.
bool ClockOffsetWarns(const ClockOffset& offset);
