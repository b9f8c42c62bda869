#include "BiasFields.h"

#include "FieldRules.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

constexpr int64_t kSecondsPerHour = 3600;
constexpr int64_t kSecondsPerMinute = 60;
constexpr qsizetype kCharactersRead = 30;

}  // namespace

BiasFieldTexts BiasSecondsToFields(int32_t biasSeconds)
{
    // In 64 bits: the magnitude of the most negative bias does not fit 32.
    const int64_t magnitude = std::llabs(int64_t{biasSeconds});
    return {TwoDigits(static_cast<unsigned>(magnitude / kSecondsPerHour)),
            TwoDigits(static_cast<unsigned>(magnitude % kSecondsPerHour / kSecondsPerMinute)),
            TwoDigits(static_cast<unsigned>(magnitude % kSecondsPerMinute)), biasSeconds < 0};
}

BiasFieldTexts ZoneBiasToFields(int32_t zoneBiasMinutes)
{
    const int64_t magnitude = std::llabs(int64_t{zoneBiasMinutes});
    return {TwoDigits(static_cast<unsigned>(magnitude / 60)), TwoDigits(static_cast<unsigned>(magnitude % 60)),
            TwoDigits(0), zoneBiasMinutes > 0};
}

int32_t BiasSecondsFromFields(QStringView hours, QStringView minutes, QStringView seconds, bool negative)
{
    const int64_t magnitude = int64_t{FieldValue(hours, kCharactersRead)} * kSecondsPerHour +
        int64_t{FieldValue(minutes, kCharactersRead)} * kSecondsPerMinute + FieldValue(seconds, kCharactersRead);
    const int64_t limit = std::numeric_limits<int32_t>::max();
    const int64_t bias = std::min(magnitude, limit);
    return static_cast<int32_t>(negative ? -bias : bias);
}
