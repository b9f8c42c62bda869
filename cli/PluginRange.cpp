#include "PluginRange.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A finite number in the C locale's form ("0.5", "-2", "1e-3"), the whole
// text.
std::optional<double> Number(std::string text)
{
    if (!text.empty() && text.front() == '+')
        text.erase(0, 1);
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value == 0 ? 0.0 : value;  // no "-0"
}

// The shortest text that reads back as the same number, in no locale.
std::string NumberText(double value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

}  // namespace

bool PluginRange::Alerts(double value) const
{
    const bool within = value >= start && value <= end;
    return inside ? within : !within;
}

std::string PluginRange::Text() const
{
    std::string text = inside ? "@" : "";
    text += start == -kInfinity ? "~" : NumberText(start);
    text += ":";
    if (end != kInfinity)
        text += NumberText(end);
    return text;
}

std::string PluginRange::Describe() const
{
    if (plain && !inside)
        return "beyond " + NumberText(end) + " s";
    return std::string(inside ? "inside " : "outside ") + Text() + " s";
}

std::optional<PluginRange> ParsePluginRange(const std::string& given, std::string& error)
{
    const auto refuse = [&](const std::string& why) -> std::optional<PluginRange> {
        error = "takes seconds as N, START:END, START:, ~:END or @START:END, not '" + given + "'" + why;
        return std::nullopt;
    };
    PluginRange range;
    std::string text = given;
    if (!text.empty() && text.front() == '@') {
        range.inside = true;
        text.erase(0, 1);
    }
    const size_t colon = text.find(':');
    if (colon == std::string::npos) {
        const std::optional<double> size = Number(text);
        if (!size)
            return refuse("");
        if (*size < 0)
            return refuse(" (a plain N is the offset's size either way, 0 or more)");
        range.plain = true;
        range.start = *size == 0 ? 0.0 : -*size;
        range.end = *size;
        return range;
    }
    const std::string start = text.substr(0, colon);
    const std::string end = text.substr(colon + 1);
    if (start == "~") {
        range.start = -kInfinity;
    } else {
        const std::optional<double> value = Number(start);
        if (!value)
            return refuse("");
        range.start = *value;
    }
    if (end.empty()) {
        range.end = kInfinity;
    } else {
        const std::optional<double> value = Number(end);
        if (!value)
            return refuse("");
        range.end = *value;
    }
    if (range.start > range.end)
        return refuse(" (its start is above its end)");
    return range;
}

PluginState RangeState(double value, const PluginRange& warning, const PluginRange& critical)
{
    if (critical.Alerts(value))
        return kCritical;
    if (warning.Alerts(value))
        return kWarning;
    return kOk;
}
