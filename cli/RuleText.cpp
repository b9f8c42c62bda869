#include "RuleText.h"

#include "DstText.h"

#include <array>
#include <vector>

namespace {

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

char Lower(char ch)
{
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        const size_t start = i;
        while (i < text.size() && !IsBlank(text[i]))
            ++i;
        if (i > start)
            words.push_back(text.substr(start, i - start));
    }
    return words;
}

bool SameWord(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

// The index of a name in a table, by the whole name or its first three
// letters; -1 for none.
template <size_t N> int FindName(const std::array<std::string_view, N>& names, std::string_view word)
{
    for (size_t i = 0; i < N; ++i)
        if (SameWord(word, names[i]) || SameWord(word, names[i].substr(0, 3)))
            return static_cast<int>(i);
    return -1;
}

// 1..4 for the n-th week, 5 for the last; 0 for no week word.
int WeekOf(std::string_view word)
{
    static constexpr std::array<std::array<std::string_view, 2>, 5> kWeeks = {{
        {"1st", "first"},
        {"2nd", "second"},
        {"3rd", "third"},
        {"4th", "fourth"},
        {"last", "last"},
    }};
    for (size_t i = 0; i < kWeeks.size(); ++i)
        if (SameWord(word, kWeeks[i][0]) || SameWord(word, kWeeks[i][1]))
            return static_cast<int>(i) + 1;
    return 0;
}

// A number of one or two digits; -1 otherwise.
int SmallNumber(std::string_view word)
{
    if (word.empty() || word.size() > 2)
        return -1;
    int value = 0;
    for (char ch : word) {
        if (!IsDigit(ch))
            return -1;
        value = value * 10 + (ch - '0');
    }
    return value;
}

// "H:MM" or "H:MM:SS": the numbers as they stand, two digits after each
// colon. False when the form is other.
bool ParseClockTime(std::string_view word, int& hour, int& minute, int& second)
{
    const size_t first = word.find(':');
    if (first == std::string_view::npos)
        return false;
    const std::string_view h = word.substr(0, first);
    const std::string_view rest = word.substr(first + 1);
    const size_t colon = rest.find(':');
    const std::string_view m = rest.substr(0, colon);
    const std::string_view s = colon == std::string_view::npos ? std::string_view("00") : rest.substr(colon + 1);
    if (colon != std::string_view::npos && s.size() != 2)
        return false;
    if (m.size() != 2)
        return false;
    hour = SmallNumber(h);
    minute = SmallNumber(m);
    second = SmallNumber(s);
    return hour >= 0 && minute >= 0 && second >= 0;
}

std::string Quoted(std::string_view word)
{
    return "'" + std::string(word) + "'";
}

RuleTextResult Fail(std::string_view text, const std::string& why)
{
    return RuleTextResult{std::nullopt, "rule " + Quoted(text) + ": " + why};
}

constexpr const char* kForms =
    "write a weekday rule such as \"last Sun Mar 01:00\" or a fixed date such as "
    "\"Mar 29 02:00\"";

}  // namespace

RuleTextResult ParseDstRuleText(std::string_view text)
{
    std::vector<std::string_view> words = Words(text);
    if (words.empty())
        return Fail(text, std::string("empty; ") + kForms + ".");

    // The time comes last, after an optional "at".
    const std::string_view timeWord = words.back();
    words.pop_back();
    DstRule rule;
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (!ParseClockTime(timeWord, hour, minute, second))
        return Fail(text, "expected a time such as 02:00 or 02:00:00 at the end, found " + Quoted(timeWord) + ".");
    rule.hour = static_cast<uint8_t>(hour);
    rule.minute = static_cast<uint8_t>(minute);
    rule.second = static_cast<uint8_t>(second);
    if (!words.empty() && SameWord(words.back(), "at"))
        words.pop_back();

    if (words.empty())
        return Fail(text, std::string("no day before the time; ") + kForms + ".");
    if (const int week = WeekOf(words.front()); week > 0) {
        // WEEK WEEKDAY [of] MONTH
        if (words.size() == 4 && SameWord(words[2], "of"))
            words.erase(words.begin() + 2);
        if (words.size() != 3)
            return Fail(text, std::string("a weekday rule is WEEK WEEKDAY MONTH TIME; ") + kForms + ".");
        const int weekday = FindName(kDstWeekdayNames, words[1]);
        if (weekday < 0)
            return Fail(text, "expected a weekday (Sun to Sat), found " + Quoted(words[1]) + ".");
        const int month = FindName(kDstMonthNames, words[2]);
        if (month < 0)
            return Fail(text, "expected a month (Jan to Dec), found " + Quoted(words[2]) + ".");
        rule.kind = 0;
        rule.weekOrDay = static_cast<uint8_t>(week);
        rule.dayOfWeek = static_cast<uint8_t>(weekday);
        rule.month = static_cast<uint8_t>(month + 1);
        return RuleTextResult{rule, {}};
    }
    // MONTH DAY or DAY MONTH
    if (words.size() != 2) {
        bool hasMonth = false;
        for (size_t i = 0; i < words.size() && i < 2; ++i)
            hasMonth |= FindName(kDstMonthNames, words[i]) >= 0;
        if (hasMonth)
            return Fail(text, "a fixed date is MONTH DAY TIME, such as \"Mar 29 02:00\".");
        return Fail(text,
                    "expected a week (1st, 2nd, 3rd, 4th or last) or a month, found " + Quoted(words.front()) + "; " +
                        kForms + ".");
    }
    int month = FindName(kDstMonthNames, words[0]);
    std::string_view dayWord = words[1];
    if (month < 0) {
        month = FindName(kDstMonthNames, words[1]);
        dayWord = words[0];
    }
    if (month < 0)
        return Fail(text,
                    "expected a week (1st, 2nd, 3rd, 4th or last) or a month, found " + Quoted(words.front()) + "; " +
                        kForms + ".");
    const int day = SmallNumber(dayWord);
    if (day < 0)
        return Fail(text, "expected a day of the month (1 to 31), found " + Quoted(dayWord) + ".");
    rule.kind = 1;
    rule.month = static_cast<uint8_t>(month + 1);
    rule.weekOrDay = static_cast<uint8_t>(day);
    return RuleTextResult{rule, {}};
}

SpanTextResult ParseSpanText(std::string_view text, unsigned maxHours)
{
    const auto fail = [&](const std::string& why) { return SpanTextResult{std::nullopt, Quoted(text) + ": " + why}; };
    std::string_view rest = text;
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (!ParseClockTime(rest, hour, minute, second))
        return fail("expected [+|-]H:MM or [+|-]H:MM:SS, such as +1:00 or -5:30.");
    if (static_cast<unsigned>(hour) > maxHours)
        return fail("hours run from 0 to " + std::to_string(maxHours) + ".");
    if (minute > 59)
        return fail("minutes run from 00 to 59.");
    if (second > 59)
        return fail("seconds run from 00 to 59.");
    const int32_t magnitude = hour * 3600 + minute * 60 + second;
    return SpanTextResult{negative ? -magnitude : magnitude, {}};
}
