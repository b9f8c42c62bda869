#include "CliSettings.h"

#include "BiasFields.h"
#include "CustomDate.h"
#include "DstConvert.h"
#include "DstPreview.h"
#include "DstText.h"
#include "DstZoneData.h"
#include "DstZoneImport.h"
#include "HandCommands.h"
#include "RuleText.h"
#include "TimeZoneCatalogue.h"

#include <QCalendar>
#include <QDateTime>
#include <QTimeZone>

#include <map>

namespace {

// The time zone dialog's hours field takes two digits and stops at 23.
constexpr unsigned kBiasHoursMax = 23;

std::string Quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// What the rule editor found wrong with a rule, in the command line's words:
// the dialog's group titles and control labels mean nothing here.
std::string DstFaultWords(const DstRefusal& refusal)
{
    switch (refusal.fault) {
    case DstFault::NoWeek: return "the week runs from 1 (first) to 5 (last)";
    case DstFault::MixedForms:
        return "both rules are dates (such as 'Oct 25 03:00') or both weekday rules (such as 'last Sun Oct 01:00')";
    case DstFault::NoDayOfWeek: return "the day of the week runs from 0 (Sunday) to 6 (Saturday)";
    case DstFault::NoMonth: return "the month runs from 1 to 12";
    case DstFault::DayOutOfRange: return "the day of the month runs from 1 to 31";
    case DstFault::DayPastMonth: return refusal.value1 + " has " + refusal.value2 + " days";
    case DstFault::Hour: return "the hour runs from 0 to 24";
    case DstFault::Minute: return "the minute runs from 0 to 60";
    case DstFault::Second: return "the second runs from 0 to 60";
    case DstFault::None: break;
    }
    return "the daylight-saving rules were refused";
}

bool InStartGroup(DstId id)
{
    switch (id) {
    case DstId::StartWeek1:
    case DstId::StartWeek2:
    case DstId::StartWeek3:
    case DstId::StartWeek4:
    case DstId::StartWeekLast:
    case DstId::StartAbsolute:
    case DstId::StartDayOfWeek:
    case DstId::StartMonth:
    case DstId::StartDay:
    case DstId::StartTimeFrame:
    case DstId::StartHour:
    case DstId::StartMinute:
    case DstId::StartSecond:
    case DstId::StartTimeSpin: return true;
    default: return false;
    }
}

// A refusal of set dst, naming the option whose rule it concerns.
std::string DstRefusalText(const std::optional<DstRefusal>& refusal, DstRequest::Kind kind)
{
    if (!refusal)
        return "set dst: the daylight-saving rules were refused.";
    const std::string words = DstFaultWords(*refusal) + ".";
    if (kind != DstRequest::Kind::Rules)
        return "set dst: " + words;
    if (refusal->fault == DstFault::MixedForms)
        return "--start and --end: " + words;
    return (InStartGroup(refusal->focus) ? "--start: " : "--end: ") + words;
}

// Digits only, at most `width` of them; -1 otherwise.
int Number(std::string_view text, size_t width)
{
    if (text.empty() || text.size() > width)
        return -1;
    int value = 0;
    for (char ch : text) {
        if (!IsDigit(ch))
            return -1;
        value = value * 10 + (ch - '0');
    }
    return value;
}

}  // namespace

Checked<TimeZoneChoice> ParseTimeZoneArgument(std::string_view text, std::chrono::sys_seconds now)
{
    if (text.empty())
        return Refusal{"set timezone: name a zone such as Europe/Berlin, or an offset such as +01:00 or -05:30."};
    if (text.front() == '+' || text.front() == '-' || IsDigit(text.front())) {
        const SpanTextResult span = ParseSpanText(text, kBiasHoursMax);
        if (!span.seconds)
            return Refusal{"time zone offset " + span.error};
        return TimeZoneChoice{*span.seconds, {}};
    }
    if (!IsKnownZoneId(text))
        return Refusal{"set timezone: unknown time zone " + Quoted(text) +
                       ": name a zone of the tz database such as Europe/Berlin or America/New_York, or an offset "
                       "such as +01:00 or -05:30."};
    const QTimeZone zone(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    // As picking the zone in the time zone dialog: its base bias into the
    // fields, the fields into the bias.
    const QDateTime at = QDateTime::fromSecsSinceEpoch(now.time_since_epoch().count(), QTimeZone::utc());
    const BiasFieldTexts fields = ZoneBiasToFields(BaseBiasMinutes(zone, at));
    return TimeZoneChoice{BiasSecondsFromFields(fields.hours, fields.minutes, fields.seconds, fields.negative),
                          std::string(text)};
}

void ApplyTimeZone(ClockConfig& config, int32_t bias)
{
    StoreStandardBias(config, bias);
    config.configured = 1;
    config.valid = 1;
}

Checked<DstRequest> ParseDstWords(const std::vector<std::string>& words)
{
    static constexpr const char* kChoices =
        "give off, us, us-pre2007, eu, system, zone ZONE, or --start RULE --end RULE [--shift [-]H:MM] "
        "[--utc|--local].";
    DstRequest request;
    if (words.empty())
        return Refusal{std::string("set dst: ") + kChoices};
    const std::string& word = words.front();
    const bool single = words.size() == 1;
    if (word == "zone") {
        if (words.size() != 2)
            return Refusal{"set dst zone: name one zone, such as Europe/Berlin."};
        request.kind = DstRequest::Kind::Zone;
        request.zoneId = words[1];
        return request;
    }
    if (!single)
        return Refusal{"set dst: unexpected " + Quoted(words[1]) + " after " + Quoted(word) + "."};
    if (word == "off") {
        request.kind = DstRequest::Kind::Off;
    } else if (word == "us") {
        request.kind = DstRequest::Kind::Preset;
        request.preset = DstPreset::UsCanada;
    } else if (word == "us-pre2007") {
        request.kind = DstRequest::Kind::Preset;
        request.preset = DstPreset::UsCanadaPre2007;
    } else if (word == "eu") {
        request.kind = DstRequest::Kind::Preset;
        request.preset = DstPreset::Eu;
    } else if (word == "system") {
        request.kind = DstRequest::Kind::System;
    } else {
        return Refusal{"set dst: unknown choice " + Quoted(word) + "; " + kChoices};
    }
    return request;
}

Checked<DstRequest> ParseDstRules(std::string_view start, std::string_view end, std::optional<std::string_view> shift,
                                  bool utc, bool local)
{
    if (utc && local)
        return Refusal{"set dst: give --utc or --local, not both."};
    DstRequest request;
    request.kind = DstRequest::Kind::Rules;
    const RuleTextResult startRule = ParseDstRuleText(start);
    if (!startRule.rule)
        return Refusal{"--start: " + startRule.error};
    const RuleTextResult endRule = ParseDstRuleText(end);
    if (!endRule.rule)
        return Refusal{"--end: " + endRule.error};
    request.start = *startRule.rule;
    request.end = *endRule.rule;
    if (shift) {
        // The dialog's bias fields: hours 0 to 23.
        const SpanTextResult span = ParseSpanText(*shift, kBiasHoursMax);
        if (!span.seconds)
            return Refusal{"--shift " + span.error};
        request.shift = *span.seconds;
    }
    if (utc)
        request.utcReference = 1;
    else if (local)
        request.utcReference = 0;
    return request;
}

Checked<DstOutcome> ApplyDst(const ClockConfig& config, const DstRequest& request, std::chrono::sys_seconds now)
{
    DstOutcome outcome;
    DstSettings opened = DstSettingsFromConfig(config);
    std::optional<CDstEditor> editor;
    switch (request.kind) {
    case DstRequest::Kind::Off:
        editor.emplace(opened);
        editor->ClickDisableDst(true);
        break;
    case DstRequest::Kind::Preset:
        editor.emplace(opened);
        // The preset buttons work only while daylight time is on.
        editor->ClickDisableDst(false);
        editor->ApplyPreset(request.preset);
        break;
    case DstRequest::Kind::System:
    case DstRequest::Kind::Zone: {
        const DstZoneImport imported =
            request.kind == DstRequest::Kind::System ? ImportSystemDstZone(now) : ImportDstZone(request.zoneId, now);
        if (!imported.found)
            return Refusal{request.kind == DstRequest::Kind::Zone ? "set dst zone: " + imported.message +
                                   " Name a zone of the tz database such as Europe/Berlin or America/New_York."
                                                                  : imported.message};
        // A zone without daylight saving turns it off, as the dialog's import
        // does.
        outcome.importNote = imported.hasDst
            ? imported.message
            : imported.zoneId + " has no daylight saving time: daylight saving turned off.";
        editor.emplace(opened);
        editor->ClickDisableDst(false);
        editor->ApplyImport(imported);
        break;
    }
    case DstRequest::Kind::Rules: {
        // The rules as if typed into the dialog: loaded into its controls,
        // so that OK checks them as it checks what a user typed.
        DstSettings typed = opened;
        typed.rules.startRule = request.start;
        typed.rules.endRule = request.end;
        if (request.shift)
            typed.rules.daylightBias = *request.shift;
        if (request.utcReference)
            typed.utcReference = *request.utcReference;
        typed.mode = request.start.kind != 0 || request.end.kind != 0 ? kDstByDate : kDstByWeekday;
        editor.emplace(typed);
        break;
    }
    }
    const DstOkResult ok = editor->Ok();
    if (!ok.accepted)
        return Refusal{DstRefusalText(ok.refusal, request.kind)};
    outcome.config = config;
    DstSettings chosen = editor->Settings();
    chosen.mode = ok.mode;
    StoreDstSettings(chosen, outcome.config);

    DstPreviewContext context;
    context.standardBias = ClockStandardBias(config);
    context.now = now;
    context.zoneId = editor->SourceZone();
    const DstPreview preview = PreviewDst(editor->Shown(), context);
    outcome.preview = preview.next;
    outcome.zoneCheck = preview.zoneCheck;
    return outcome;
}

Checked<ClockDateTime> ParseClockDateTime(std::string_view text)
{
    // YYYY-MM-DD hh:mm:ss, or with a T between date and time.
    const auto bad = Refusal{"set time: " + Quoted(text) +
                             " is not a time; give now or \"YYYY-MM-DD hh:mm:ss\" (UTC), such as "
                             "\"2027-03-28 00:59:30\"."};
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || (text[10] != ' ' && text[10] != 'T') ||
        text[13] != ':' || text[16] != ':')
        return bad;
    const int year = Number(text.substr(0, 4), 4);
    const int month = Number(text.substr(5, 2), 2);
    const int day = Number(text.substr(8, 2), 2);
    const int hour = Number(text.substr(11, 2), 2);
    const int minute = Number(text.substr(14, 2), 2);
    const int second = Number(text.substr(17, 2), 2);
    if (year < 0 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0)
        return bad;
    // The dialog's check of a typed date, told in the command line's words.
    if (const auto problem =
            CheckCustomDate(static_cast<unsigned>(month), static_cast<unsigned>(day), static_cast<unsigned>(year))) {
        switch (problem->field) {
        case DateField::Month: return Refusal{"set time: the month runs from 1 to 12."};
        case DateField::Year:
            return Refusal{"set time: the year runs from " + std::to_string(kCustomYearFirst) + " to " +
                           std::to_string(kCustomYearLast) + "."};
        case DateField::Day: {
            const std::string days = std::to_string(QCalendar().daysInMonth(month, year));
            return Refusal{"set time: " + std::string(kDstMonthNames[static_cast<size_t>(month - 1)]) + " " +
                           std::to_string(year) + " has " + days + " days; the day runs from 1 to " + days + "."};
        }
        }
    }
    if (hour > 23)
        return Refusal{"set time: the hour runs from 0 to 23."};
    if (minute > 59)
        return Refusal{"set time: the minute runs from 0 to 59."};
    if (second > 59)
        return Refusal{"set time: the second runs from 0 to 59."};
    ClockDateTime when;
    when.valid = 1;
    when.year = static_cast<int16_t>(year);
    when.month = static_cast<uint8_t>(month);
    when.day = static_cast<uint8_t>(day);
    when.hour = static_cast<uint8_t>(hour);
    when.minute = static_cast<uint8_t>(minute);
    when.second = static_cast<uint8_t>(second);
    return when;
}

Checked<ClockDateTime> ParseFaceTime(std::string_view text)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        return Refusal{"face time " + Quoted(text) + ": give the time the hands show, HH:MM:SS."};
    const SpanTextResult span = ParseSpanText(text, 23);
    if (!span.seconds)
        return Refusal{"face time " + span.error};
    const int32_t s = *span.seconds;
    return FaceTime(static_cast<uint8_t>(s / 3600), static_cast<uint8_t>(s / 60 % 60), static_cast<uint8_t>(s % 60));
}

Checked<unsigned> ParseNudgeCount(std::string_view text)
{
    const int count = Number(text, 3);
    if (count < 1 || static_cast<unsigned>(count) > kNudgeMax)
        return Refusal{"nudge " + Quoted(text) + ": give a number of fifths of a second from 1 to " +
                       std::to_string(kNudgeMax) + "."};
    return static_cast<unsigned>(count);
}

std::optional<std::string> CheckIllumination(unsigned level)
{
    if (level > kIlluminationMax)
        return "give a level from 0 to " + std::to_string(kIlluminationMax) + ".";
    return std::nullopt;
}

Checked<uint8_t> ParseIllumination(std::string_view text)
{
    const int level = Number(text, 2);
    const std::optional<std::string> problem =
        level < 0 ? CheckIllumination(kIlluminationMax + 1) : CheckIllumination(static_cast<unsigned>(level));
    if (problem)
        return Refusal{"illumination " + Quoted(text) + ": " + *problem};
    return static_cast<uint8_t>(level);
}

Checked<bool> ParseOnOff(std::string_view text, std::string_view what)
{
    if (text == "on")
        return true;
    if (text == "off")
        return false;
    return Refusal{std::string(what) + " " + Quoted(text) + ": give on or off."};
}

Checked<uint8_t> ParseMotion(std::string_view text)
{
    if (text == "sweep")
        return kHandsSweep;
    if (text == "step")
        return kHandsStep;
    return Refusal{"motion " + Quoted(text) + ": give sweep or step."};
}

void ApplyTimeCodeDate(ClockConfig& config, bool on)
{
    // Both copies of the flag alike, as the time code settings dialog does.
    config.useTimeCodeDate() = on ? 1 : 0;
    config.useTimeCodeDateAlt() = on ? 1 : 0;
}

namespace {

// The configuration field behind each control of the rule editor that a
// refusal can give the focus to.
std::string DstField(DstId focus)
{
    switch (focus) {
    case DstId::StartWeek1: return "dstStartWeek";
    case DstId::StartDayOfWeek: return "dstStartDayOfWeek";
    case DstId::StartMonth: return "dstStartMonth";
    case DstId::StartDay: return "dstStartDay";
    case DstId::StartHour: return "dstStartHour";
    case DstId::StartMinute: return "dstStartMinute";
    case DstId::StartSecond: return "dstStartSecond";
    case DstId::EndWeek1: return "dstEndWeek";
    case DstId::EndDayOfWeek: return "dstEndDayOfWeek";
    case DstId::EndMonth: return "dstEndMonth";
    case DstId::EndDay: return "dstEndDay";
    case DstId::EndHour: return "dstEndHour";
    case DstId::EndMinute: return "dstEndMinute";
    case DstId::EndSecond: return "dstEndSecond";
    default: return "dstMode";
    }
}

// The value a rule field holds, for the message.
unsigned DstFieldValue(const ClockConfig& c, const std::string& field)
{
    const std::map<std::string, unsigned> values = {
        {"dstStartWeek", c.dstStartWeek},
        {"dstStartDayOfWeek", c.dstStartDayOfWeek},
        {"dstStartMonth", c.dstStartMonth},
        {"dstStartDay", c.dstStartDay},
        {"dstStartHour", c.dstStartHour},
        {"dstStartMinute", c.dstStartMinute},
        {"dstStartSecond", c.dstStartSecond},
        {"dstEndWeek", c.dstEndWeek},
        {"dstEndDayOfWeek", c.dstEndDayOfWeek},
        {"dstEndMonth", c.dstEndMonth},
        {"dstEndDay", c.dstEndDay},
        {"dstEndHour", c.dstEndHour},
        {"dstEndMinute", c.dstEndMinute},
        {"dstEndSecond", c.dstEndSecond},
    };
    const auto it = values.find(field);
    return it == values.end() ? c.dstMode : it->second;
}

}  // namespace

std::optional<FieldRefusal> CheckConfigValues(const ClockConfig& config, bool hasIllumination)
{
    // "why, found 13.": the check's own words, then the value held.
    const auto refuse = [](const char* field, std::string why, uint64_t value) {
        if (!why.empty() && why.back() == '.')
            why.pop_back();
        return FieldRefusal{field, why + ", found " + std::to_string(value) + "."};
    };
    // What the offset and --shift arguments take: hours up to kBiasHoursMax.
    constexpr uint32_t kMostBiasSeconds = kBiasHoursMax * 3600 + 59 * 60 + 59;
    const std::string biasRange = "runs from 0 to " + std::to_string(kMostBiasSeconds) + " seconds (23:59:59)";
    if (config.biasSeconds > kMostBiasSeconds)
        return refuse("biasSeconds", "the time zone bias " + biasRange, config.biasSeconds);
    if (config.dstBiasSeconds > kMostBiasSeconds)
        return refuse("dstBiasSeconds", "the daylight-saving shift " + biasRange, config.dstBiasSeconds);
    if (config.dstMode != kDstDisabled && config.dstMode != kDstByWeekday && config.dstMode != kDstByDate)
        return refuse("dstMode", "expected 0 (off), 8 (weekday rules) or 16 (fixed dates)", config.dstMode);
    if (config.dstMode != kDstDisabled) {
        // The rules loaded into the editor and OK pressed, as set dst does
        // with rules typed on the command line.
        CDstEditor editor(DstSettingsFromConfig(config));
        const DstOkResult ok = editor.Ok();
        if (!ok.accepted) {
            const std::string field = ok.refusal ? DstField(ok.refusal->focus) : std::string("dstMode");
            return refuse(field.c_str(),
                          ok.refusal ? DstFaultWords(*ok.refusal)
                                     : std::string("the daylight-saving rules were refused"),
                          DstFieldValue(config, field));
        }
    }
    if (hasIllumination)
        if (const std::optional<std::string> problem = CheckIllumination(config.illumination))
            return refuse("illumination", *problem, config.illumination);
    if (config.handMotion > kHandsStopped)
        return refuse("handMotion", "expected 0 (sweep), 1 (step) or 2 (stopped)", config.handMotion);
    return std::nullopt;
}
