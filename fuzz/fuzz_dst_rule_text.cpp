// kerovant-cli's daylight-saving rule text parser (ParseDstRuleText), its
// shift parser (ParseSpanText) and what 'set dst --start --end' makes of
// their results, fed any text. Properties:
// - each parser gives a value or says why not, never both; a rule's error
//   quotes the rule;
// - a rule read has the fields of its form in their ranges (a weekday rule:
//   week 1 to 5, weekday 0 to 6, month 1 to 12; a fixed date: month 1 to
//   12, day up to 99; times up to 99 in each field, as the form reads
//   digits and the editor checks values), and written again in the
//   canonical form, or with other spellings of the same words ("at", "of",
//   whole names, any case, more blanks), it reads back the same;
// - a shift read lies within the hours allowed and reads back the same
//   from "+H:MM:SS";
// - the set dst command's path (both rules, a shift, UTC or local, through
//   the daylight-saving editor and its OK check) either refuses with a
//   message or gives a configuration the clock's write check keeps and a
//   preview of the next changes.
//
// Input: one byte choosing the part (0 rule, 1 shift, 2 the command), then
// for a rule or a shift one more byte (the spelling, the hours allowed)
// and the text; for the command the start rule, end rule and shift texts
// separated by '|' and a last byte for --utc / --local.
#include "FuzzSupport.h"
#include "FuzzConfigs.h"

#include "CliSettings.h"
#include "ClockRecords.h"
#include "DstText.h"
#include "RuleText.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

const char* const kWeeks[] = {"", "1st", "2nd", "3rd", "4th", "last"};
const char* const kWeeksLong[] = {"", "first", "second", "third", "fourth", "LAST"};

std::string Describe(const DstRule& r)
{
    return "{kind " + std::to_string(r.kind) + " month " + std::to_string(r.month) + " weekday " +
        std::to_string(r.dayOfWeek) + " week/day " + std::to_string(r.weekOrDay) + " " + std::to_string(r.hour) + ":" +
        std::to_string(r.minute) + ":" + std::to_string(r.second) + "}";
}

std::string Two(unsigned n)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02u", n);
    return text;
}

std::string Upper(std::string_view word)
{
    std::string out(word);
    for (char& ch : out)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return out;
}

// The rule in words, in one of several spellings.
std::string Spell(const DstRule& r, unsigned spelling)
{
    const std::string month(kDstMonthNames[r.month - 1]);
    const std::string monthWord = spelling & 1 ? Upper(month) : month.substr(0, 3);
    const std::string blank = spelling & 2 ? " \t " : " ";
    const std::string time =
        std::to_string(r.hour) + ":" + Two(r.minute) + (r.second != 0 || (spelling & 4) ? ":" + Two(r.second) : "");
    const std::string at = spelling & 8 ? blank + "at" + blank : blank;
    if (r.kind == 0) {
        const std::string weekday(kDstWeekdayNames[r.dayOfWeek]);
        const std::string week = spelling & 16 ? kWeeksLong[r.weekOrDay] : kWeeks[r.weekOrDay];
        const std::string of = spelling & 32 ? blank + "of" + blank : blank;
        return week + blank + (spelling & 1 ? weekday : weekday.substr(0, 3)) + of + monthWord + at + time;
    }
    if (spelling & 16)
        return std::to_string(r.weekOrDay) + blank + monthWord + at + time;
    return monthWord + blank + std::to_string(r.weekOrDay) + at + time;
}

void RuleText(FuzzReader& in)
{
    const unsigned spelling = in.U8();
    const std::string_view text = in.Rest();
    const RuleTextResult result = ParseDstRuleText(text);
    FUZZ_CHECK(result.rule.has_value() == result.error.empty(), "a rule or an error: '" + result.error + "'");
    if (!result.rule) {
        FUZZ_CHECK(result.error.rfind("rule '" + std::string(text) + "': ", 0) == 0,
                   "the error quotes the rule: " + result.error);
        return;
    }
    const DstRule& r = *result.rule;
    FUZZ_CHECK(r.kind == 0 || r.kind == 1, Describe(r));
    FUZZ_CHECK(r.month >= 1 && r.month <= 12, Describe(r));
    if (r.kind == 0)
        FUZZ_CHECK(r.weekOrDay >= 1 && r.weekOrDay <= 5 && r.dayOfWeek <= 6, Describe(r));
    else
        FUZZ_CHECK(r.weekOrDay <= 99 && r.dayOfWeek == 0, Describe(r));
    FUZZ_CHECK(r.hour <= 99 && r.minute <= 99 && r.second <= 99, Describe(r));

    for (const unsigned s : {0u, spelling}) {
        const std::string again = Spell(r, s);
        const RuleTextResult reread = ParseDstRuleText(again);
        FUZZ_CHECK(reread.rule && *reread.rule == r,
                   "'" + again + "' reads back as " + Describe(r) + ": " +
                       (reread.rule ? Describe(*reread.rule) : reread.error));
    }
}

void ShiftText(FuzzReader& in)
{
    const unsigned maxHours = in.U8() % 25;
    const std::string_view text = in.Rest();
    const SpanTextResult result = ParseSpanText(text, maxHours);
    FUZZ_CHECK(result.seconds.has_value() == result.error.empty(), "a span or an error: '" + result.error + "'");
    if (!result.seconds)
        return;
    const int32_t seconds = *result.seconds;
    const int32_t magnitude = seconds < 0 ? -seconds : seconds;
    FUZZ_CHECK(magnitude <= static_cast<int32_t>(maxHours) * 3600 + 59 * 60 + 59,
               std::to_string(seconds) + " s within " + std::to_string(maxHours) + " h");
    const std::string again = std::string(seconds < 0 ? "-" : "+") + std::to_string(magnitude / 3600) + ":" +
        Two(static_cast<unsigned>(magnitude / 60 % 60)) + ":" + Two(static_cast<unsigned>(magnitude % 60));
    const SpanTextResult reread = ParseSpanText(again, maxHours);
    FUZZ_CHECK(reread.seconds && *reread.seconds == seconds,
               "'" + again + "' reads back as " + std::to_string(seconds) + ": " + reread.error);
}

void Command(FuzzReader& in)
{
    const unsigned reference = in.U8();
    const std::string_view rest = in.Rest();
    const size_t first = rest.find('|');
    const size_t second = first == std::string_view::npos ? first : rest.find('|', first + 1);
    const std::string_view start = rest.substr(0, first);
    const std::string_view end =
        first == std::string_view::npos ? std::string_view() : rest.substr(first + 1, second - first - 1);
    std::optional<std::string_view> shift;
    if (second != std::string_view::npos)
        shift = rest.substr(second + 1);
    const Checked<DstRequest> request = ParseDstRules(start, end, shift, reference & 1, reference & 2);
    if (const Refusal* refusal = RefusalOf(request)) {
        FUZZ_CHECK(!refusal->message.empty(), "a refusal says why");
        return;
    }
    // A fixed moment, so a finding replays the same.
    const std::chrono::sys_seconds now{std::chrono::seconds{1798761600}};
    const Checked<DstOutcome> outcome = ApplyDst(EuRulesConfig(), std::get<DstRequest>(request), now);
    if (const Refusal* refusal = RefusalOf(outcome)) {
        FUZZ_CHECK(!refusal->message.empty(), "a refusal says why");
        return;
    }
    const DstOutcome& done = std::get<DstOutcome>(outcome);
    FUZZ_CHECK(!IsDstInvalid(done.config, true),
               "the rules pass the clock's write check: " + Describe(std::get<DstRequest>(request).start) + " " +
                   Describe(std::get<DstRequest>(request).end));
    FUZZ_CHECK(!done.preview.empty(), "a preview of the next changes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzReader in(data, size);
    switch (in.U8() % 3) {
    case 0: RuleText(in); break;
    case 1: ShiftText(in); break;
    default: Command(in); break;
    }
    return 0;
}
