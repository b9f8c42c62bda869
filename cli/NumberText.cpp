#include "NumberText.h"

#include <charconv>

std::string FixedDecimals(double value, int decimals)
{
    // Room for the largest double in fixed notation and its decimals.
    char text[400];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return error == std::errc() ? std::string(text, end) : std::string();
}
