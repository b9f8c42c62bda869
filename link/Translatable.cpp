#include "Translatable.h"

std::string FillPlaces(const std::string& pattern, const std::vector<std::string>& parts)
{
    std::string filled;
    filled.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto place = static_cast<size_t>(pattern[i + 1] - '1');
            if (place < parts.size()) {
                filled += parts[place];
                ++i;
                continue;
            }
        }
        filled += pattern[i];
    }
    return filled;
}

Sentence Sentence::Verbatim(const char* value)
{
    return Verbatim(std::string(value));
}

std::string Sentence::English() const
{
    if (kind != Kind::Pattern)
        return text;
    std::vector<std::string> filling;
    filling.reserve(parts.size());
    for (const Sentence& part : parts)
        filling.push_back(part.English());
    return FillPlaces(text, filling);
}
