#include "ClockOffset.h"

#include "DstRules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {

using std::chrono::nanoseconds;

constexpr int64_t kNanosecondsPerSecond = 1000000000;
// Whole seconds of difference that still fit nanoseconds in 64 bits, with
// room for the fractions: about 285 years.
constexpr int64_t kLargestSeconds = 9000000000;
// Below this the offset shows milliseconds (hundredths when approximate),
// from here on tenths: far off, the digits after those say nothing.
constexpr double kCoarseFrom = 10.0;

uint64_t WholeSeconds(const ClockTime& time)
{
    return (uint64_t{time.secondsHigh} << 32) | time.seconds;
}

// A clock that reports a year before 2000 or from 2200 on was not set, or
// sent a garbled time: no clock of this kind was made before 2000, and the
// 40-bit count runs for some 34,000 years. Such a reading says nothing of
// the offset and would only pull the median far away.
constexpr std::chrono::sys_days kClockEpoch{std::chrono::year(1900) / 1 / 1};
constexpr uint64_t kPlausibleFrom =
    (std::chrono::sys_seconds(std::chrono::sys_days{std::chrono::year(2000) / 1 / 1}) - kClockEpoch).count();
constexpr uint64_t kPlausibleBefore =
    (std::chrono::sys_seconds(std::chrono::sys_days{std::chrono::year(2200) / 1 / 1}) - kClockEpoch).count();

bool Plausible(const ClockTime& time)
{
    const uint64_t seconds = WholeSeconds(time);
    return time.set && seconds >= kPlausibleFrom && seconds < kPlausibleBefore;
}

// The median; the mean of the middle two for an even count, taken without
// an intermediate sum or difference that could leave 64 bits.
nanoseconds Median(std::vector<nanoseconds> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    if (values.size() % 2 != 0)
        return values[middle];
    return nanoseconds(std::midpoint(values[middle - 1].count(), values[middle].count()));
}

}  // namespace

nanoseconds ClockMinusUtc(const ClockTime& time, std::chrono::system_clock::time_point utc)
{
    const int64_t sinceUnix = std::chrono::duration_cast<nanoseconds>(utc.time_since_epoch()).count();
    // Whole seconds rounded down, so the rest is never negative.
    int64_t utcSeconds = sinceUnix / kNanosecondsPerSecond;
    int64_t utcRest = sinceUnix % kNanosecondsPerSecond;
    if (utcRest < 0) {
        --utcSeconds;
        utcRest += kNanosecondsPerSecond;
    }
    utcSeconds += kClockEpochToUnix;
    const int64_t seconds =
        std::clamp(static_cast<int64_t>(WholeSeconds(time)) - utcSeconds, -kLargestSeconds, kLargestSeconds);
    // 1/65536 s to the nearest nanosecond.
    const int64_t fraction = (int64_t{time.fraction} * kNanosecondsPerSecond + 32768) >> 16;
    return nanoseconds(seconds * kNanosecondsPerSecond + fraction - utcRest);
}

nanoseconds SampleOffset(const ClockTimeSample& sample)
{
    return ClockMinusUtc(sample.utc, sample.arrival - sample.transmission);
}

ClockOffset EstimateClockOffset(const ClockTimeHistory& history, size_t window)
{
    ClockOffset result;
    const std::vector<ClockTimeSample>& samples = history.samples;
    if (window == 0 || samples.empty())
        return result;
    const bool fractions = history.fractionSeen ||
        std::any_of(samples.begin(), samples.end(), [](const auto& s) { return s.utc.set && s.utc.fraction != 0; });

    std::vector<nanoseconds> values;
    if (fractions) {
        for (auto s = samples.rbegin(); s != samples.rend() && values.size() < window; ++s) {
            if (Plausible(s->utc))
                values.push_back(SampleOffset(*s));
        }
    } else {
        // Newest steps first. At the earlier reading the clock had not yet
        // reached the later reading's second, at the later one it had: the
        // offset lies between the later reading's own offset and the
        // earlier one's plus a second.
        for (size_t i = samples.size() - 1; i > 0 && values.size() < window; --i) {
            const ClockTimeSample& later = samples[i];
            const ClockTimeSample& earlier = samples[i - 1];
            if (!Plausible(later.utc) || !Plausible(earlier.utc) || later.read != earlier.read + 1 ||
                WholeSeconds(later.utc) != WholeSeconds(earlier.utc) + 1)
                continue;
            const nanoseconds gap = (later.arrival - later.transmission) - (earlier.arrival - earlier.transmission);
            if (gap <= nanoseconds::zero() || gap > kClockOffsetStepGap)
                continue;
            const nanoseconds low = SampleOffset(later);
            const nanoseconds high = SampleOffset(earlier) + std::chrono::seconds(1);
            values.push_back(low + (high - low) / 2);
            result.bound = std::max(result.bound, (high - low) / 2);
        }
        result.approximate = true;
    }
    if (values.empty())
        return ClockOffset{};
    result.known = true;
    result.count = values.size();
    result.value = Median(std::move(values));
    return result;
}

namespace {

// "+0.004": the signed seconds, to the decimals the offset is good for.
std::string OffsetSeconds(const ClockOffset& offset)
{
    const double seconds = static_cast<double>(offset.value.count()) / kNanosecondsPerSecond;
    const int decimals = std::fabs(seconds) >= kCoarseFrom ? 1 : (offset.approximate ? 2 : 3);
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(seconds * scale) / scale;
    if (rounded == 0)
        rounded = 0;  // no "-0.000"
    char text[64];
    std::snprintf(text, sizeof text, "%+.*f", decimals, rounded);
    return text;
}

Sentence OffsetSentence(const ClockOffset& offset)
{
    const Sentence seconds = Sentence::Decimal(OffsetSeconds(offset));
    return offset.approximate ? Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "about %1 s"), {seconds})
                              : Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "%1 s"), {seconds});
}

}  // namespace

std::string FormatClockOffset(const ClockOffset& offset)
{
    return offset.known ? OffsetSentence(offset).English() : std::string();
}

Sentence ClockOffsetSentence(const ClockOffset& offset)
{
    return Sentence(
        kClockOffsetLabel,
        {offset.known ? OffsetSentence(offset) : Sentence(KEROVANT_TRANSLATE_NOOP("Kerovant", "measuring"))});
}

std::string ClockOffsetText(const ClockOffset& offset)
{
    return ClockOffsetSentence(offset).English();
}

bool ClockOffsetWarns(const ClockOffset& offset)
{
    return offset.known && (offset.value > kClockOffsetWarning || offset.value < -nanoseconds(kClockOffsetWarning));
}
