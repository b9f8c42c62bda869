#include "DstEditor.h"

#include "DstText.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {

// The controls of one rule group.
struct Group {
    const char* name;  // the group box's title, which starts each refusal
    const DstId (&radios)[6];
    DstId dayOfWeek;
    DstId month;
    DstId day;
    DstId timeFrame;
    DstId hour;
    DstId minute;
    DstId second;
    DstId spin;
    DstRule DstRuleSet::*rule;
};

const Group kStart = {KEROVANT_TRANSLATE_NOOP("Kerovant", "Daylight savings time start"),
                      kStartRadios,
                      DstId::StartDayOfWeek,
                      DstId::StartMonth,
                      DstId::StartDay,
                      DstId::StartTimeFrame,
                      DstId::StartHour,
                      DstId::StartMinute,
                      DstId::StartSecond,
                      DstId::StartTimeSpin,
                      &DstRuleSet::startRule};
const Group kEnd = {KEROVANT_TRANSLATE_NOOP("Kerovant", "Daylight savings time end"),
                    kEndRadios,
                    DstId::EndDayOfWeek,
                    DstId::EndMonth,
                    DstId::EndDay,
                    DstId::EndTimeFrame,
                    DstId::EndHour,
                    DstId::EndMinute,
                    DstId::EndSecond,
                    DstId::EndTimeSpin,
                    &DstRuleSet::endRule};
// Start before end: the order of the tab stops, so a refusal names the first
// wrong value the user reaches.
const std::array<const Group*, 2> kGroups = {&kStart, &kEnd};

//: A refusal of the daylight-saving rules: %1 the rule group's title
//: ("Daylight savings time start"), %2 what to correct ("choose a month.").
constexpr const char* kDstRefusalPattern = KEROVANT_TRANSLATE_NOOP("Kerovant", "%1: %2");

constexpr int kAbsolute = 5;  // index of "Absolute" in a group's radios
constexpr DstId kCheckBoxes[] = {DstId::DisableDst, DstId::UseUtc, DstId::BiasNegative};
constexpr DstId kLists[] = {DstId::StartDayOfWeek, DstId::StartMonth, DstId::EndDayOfWeek, DstId::EndMonth};
constexpr DstId kFields[] = {DstId::BiasHours, DstId::BiasMinutes, DstId::BiasSeconds, DstId::StartDay,
                             DstId::StartHour, DstId::StartMinute, DstId::StartSecond, DstId::EndDay,
                             DstId::EndHour,   DstId::EndMinute,   DstId::EndSecond};
constexpr DstId kBiasControls[] = {DstId::BiasFrame,   DstId::BiasHours, DstId::BiasMinutes,
                                   DstId::BiasSeconds, DstId::BiasSpin,  DstId::BiasNegative};
constexpr DstId kButtons[] = {DstId::PresetUsCanada, DstId::PresetUsCanadaPre2007, DstId::PresetEu, DstId::ImportSystem,
                              DstId::ImportZone};
constexpr int kNumberCap = 1000000;  // beyond any field's range; keeps the sums in range

// A time field's value: the digits at the start of its text, 0 for none.
int FieldValue(const std::string& text)
{
    int value = 0;
    for (char ch : text) {
        if (!std::isdigit(static_cast<unsigned char>(ch)))
            break;
        value = std::min(value * 10 + (ch - '0'), kNumberCap);
    }
    return value;
}

// A day field read as OK has always read it: blanks, one sign, then digits
// up to the first other character; no digits give 0.
int DayValue(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min(value * 10 + (text[i] - '0'), kNumberCap);
    return negative ? -value : value;
}

// Whether a day field holds a plain number (blanks around it allowed), so
// that "3O" is not quietly taken for 3.
bool IsPlainNumber(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return false;
    const size_t last = text.find_last_not_of(" \t");
    for (size_t i = first; i <= last; ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
    return true;
}

unsigned DaysInMonth(unsigned month)
{
    switch (month) {
    case 2: return 29;  // a rule for 29 February is kept: leap years have it
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    default: return 31;
    }
}

std::string TwoDigits(int64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%02lld", static_cast<long long>(value));
    return text;
}

int SelectedRadio(const DstControls& c, const Group& g)
{
    for (int i = 0; i < 6; ++i)
        if (c.Checked(g.radios[i]))
            return i;
    return -1;
}

std::optional<DstRefusal> CheckGroup(const DstControls& c, const Group& g, const Group& other)
{
    const auto refuse = [&](DstFault fault, const char* problem, DstId focus, std::vector<Sentence> values = {}) {
        std::string value1 = values.size() > 0 ? values[0].text : std::string();
        std::string value2 = values.size() > 1 ? values[1].text : std::string();
        Sentence sentence(kDstRefusalPattern, {Sentence(g.name), Sentence(problem, std::move(values))});
        std::string message = sentence.English();
        return DstRefusal{std::move(message), focus, std::move(sentence), fault, std::move(value1), std::move(value2)};
    };
    const int radio = SelectedRadio(c, g);
    if (radio < 0)
        return refuse(DstFault::NoWeek,
                      KEROVANT_TRANSLATE_NOOP("Kerovant", "choose a week (First to Last) or Absolute."), g.radios[0]);
    const bool absolute = radio == kAbsolute;
    // One mode holds the form of both rules: a weekday rule beside a fixed
    // date would reach the clock as a day of the month equal to its week.
    const int otherRadio = SelectedRadio(c, other);
    if (otherRadio >= 0 && (otherRadio == kAbsolute) != absolute)
        return refuse(DstFault::MixedForms,
                      KEROVANT_TRANSLATE_NOOP("Kerovant", "choose Absolute in both groups or a week in both."),
                      g.radios[radio]);
    if (!absolute && c.Selection(g.dayOfWeek) < 0)
        return refuse(DstFault::NoDayOfWeek, KEROVANT_TRANSLATE_NOOP("Kerovant", "choose a day of the week."),
                      g.dayOfWeek);
    const int month = c.Selection(g.month) + 1;
    if (month < 1 || month > 12)
        return refuse(DstFault::NoMonth, KEROVANT_TRANSLATE_NOOP("Kerovant", "choose a month."), g.month);
    if (absolute) {
        const std::string text = c.Text(g.day);
        const int day = DayValue(text);
        if (!IsPlainNumber(text) || day < 1 || day > 31)
            return refuse(DstFault::DayOutOfRange,
                          KEROVANT_TRANSLATE_NOOP("Kerovant", "type a day of the month from 1 to 31."), g.day);
        if (static_cast<unsigned>(day) > DaysInMonth(static_cast<unsigned>(month)))
            return refuse(
                DstFault::DayPastMonth, KEROVANT_TRANSLATE_NOOP("Kerovant", "%1 has %2 days."), g.day,
                {Sentence(kDstMonthNames[month - 1].data()), Sentence::Verbatim(std::to_string(DaysInMonth(month)))});
    }
    if (FieldValue(c.Text(g.hour)) > 24)
        return refuse(DstFault::Hour, KEROVANT_TRANSLATE_NOOP("Kerovant", "type an hour from 0 to 24."), g.hour);
    if (FieldValue(c.Text(g.minute)) > 60)
        return refuse(DstFault::Minute, KEROVANT_TRANSLATE_NOOP("Kerovant", "type a minute from 0 to 60."), g.minute);
    if (FieldValue(c.Text(g.second)) > 60)
        return refuse(DstFault::Second, KEROVANT_TRANSLATE_NOOP("Kerovant", "type a second from 0 to 60."), g.second);
    return std::nullopt;
}

DstRule CollectRule(const DstControls& c, const Group& g, DstRule rule)
{
    const int month = c.Selection(g.month) + 1;  // no selection gives 0
    if (c.Checked(g.radios[kAbsolute])) {
        rule.kind = 1;
        rule.month = static_cast<uint8_t>(month);
        // Kept in 8 bits as the dialog has always done; the check before
        // refuses what would not survive it.
        rule.weekOrDay = static_cast<uint8_t>(DayValue(c.Text(g.day)));
    } else {
        rule.kind = 0;
        for (int i = 0; i < kAbsolute; ++i)
            if (c.Checked(g.radios[i])) {
                rule.weekOrDay = static_cast<uint8_t>(i + 1);
                break;
            }
        rule.dayOfWeek = static_cast<uint8_t>(c.Selection(g.dayOfWeek));  // none gives 255
        rule.month = static_cast<uint8_t>(month);
    }
    rule.hour = static_cast<uint8_t>(FieldValue(c.Text(g.hour)));
    rule.minute = static_cast<uint8_t>(FieldValue(c.Text(g.minute)));
    rule.second = static_cast<uint8_t>(FieldValue(c.Text(g.second)));
    return rule;
}

const Group* GroupOfRadio(DstId radio, int& index)
{
    for (const Group* g : kGroups)
        for (int i = 0; i < 6; ++i)
            if (g->radios[i] == radio) {
                index = i;
                return g;
            }
    return nullptr;
}

// The presets: both rules on Sunday at the full hour, shift one hour.
struct PresetRow {
    DstPreset preset;
    DstId button;
    uint8_t startWeek, startMonth, startHour;
    uint8_t endWeek, endMonth, endHour;
    uint8_t utcReference;
};
constexpr PresetRow kPresets[] = {
    {DstPreset::UsCanada, DstId::PresetUsCanada, 2, 3, 2, 1, 11, 2, 0},
    {DstPreset::UsCanadaPre2007, DstId::PresetUsCanadaPre2007, 1, 4, 2, 5, 10, 2, 0},
    {DstPreset::Eu, DstId::PresetEu, 5, 3, 1, 5, 10, 1, 1},
};

}  // namespace

bool DstControls::Checked(DstId id) const
{
    const auto it = checked.find(id);
    return it != checked.end() && it->second;
}

int DstControls::Selection(DstId id) const
{
    const auto it = selection.find(id);
    return it == selection.end() ? -1 : it->second;
}

std::string DstControls::Text(DstId id) const
{
    const auto it = text.find(id);
    return it == text.end() ? std::string() : it->second;
}

bool DstControls::Enabled(DstId id) const
{
    if (id == DstId::Ok || id == DstId::Cancel)
        return true;
    const auto it = enabled.find(id);
    return it != enabled.end() && it->second;
}

std::optional<DstRefusal> CheckDstControls(const DstControls& c)
{
    if (c.Checked(DstId::DisableDst))
        return std::nullopt;
    if (auto refusal = CheckGroup(c, kStart, kEnd))
        return refusal;
    return CheckGroup(c, kEnd, kStart);
}

DstSettings CollectDstControls(const DstControls& c, const DstSettings& loaded)
{
    DstSettings s = loaded;
    if (c.Checked(DstId::DisableDst)) {
        s.mode = kDstDisabled;
        return s;
    }
    const int64_t bias = int64_t{3600} * FieldValue(c.Text(DstId::BiasHours)) +
        60 * FieldValue(c.Text(DstId::BiasMinutes)) + FieldValue(c.Text(DstId::BiasSeconds));
    s.rules.daylightBias = static_cast<int32_t>(c.Checked(DstId::BiasNegative) ? -bias : bias);
    s.rules.startRule = CollectRule(c, kStart, loaded.rules.startRule);
    s.rules.endRule = CollectRule(c, kEnd, loaded.rules.endRule);
    s.mode = s.rules.startRule.kind == 1 || s.rules.endRule.kind == 1 ? kDstByDate : kDstByWeekday;
    return s;
}

void ApplyDstPreset(DstPreset preset, DstSettings& s)
{
    for (const PresetRow& row : kPresets) {
        if (row.preset != preset)
            continue;
        s.rules.daylightBias = 3600;
        s.rules.startRule = DstRule{0, row.startMonth, 0, row.startWeek, row.startHour, 0, 0};
        s.rules.endRule = DstRule{0, row.endMonth, 0, row.endWeek, row.endHour, 0, 0};
        s.utcReference = row.utcReference;
    }
}

std::optional<DstPreset> DstPresetOfButton(DstId button)
{
    for (const PresetRow& row : kPresets)
        if (row.button == button)
            return row.preset;
    return std::nullopt;
}

CDstEditor::CDstEditor(const DstSettings& settings) : settings_(settings)
{
    controls_.mode = settings.mode;
    Initialise();
}

void CDstEditor::Initialise()
{
    for (DstId id : kCheckBoxes)
        controls_.checked[id] = false;
    for (const Group* g : kGroups)
        for (DstId id : g->radios)
            controls_.checked[id] = false;
    for (DstId id : kLists)
        controls_.selection[id] = -1;
    for (DstId id : kFields)
        controls_.text[id] = "";
    // Everything the switch touches starts enabled, the three time frames
    // included; Load then applies the switch.
    for (DstId id : kBiasControls)
        controls_.enabled[id] = true;
    for (const Group* g : kGroups) {
        for (DstId id : g->radios)
            controls_.enabled[id] = true;
        for (DstId id : {g->dayOfWeek, g->month, g->day, g->timeFrame, g->hour, g->minute, g->second, g->spin})
            controls_.enabled[id] = true;
    }
    for (DstId id : kButtons)
        controls_.enabled[id] = true;
    controls_.enabled[DstId::UseUtc] = true;
    controls_.enabled[DstId::DisableDst] = true;
    Load();
}

void CDstEditor::Load()
{
    controls_.checked[DstId::DisableDst] = controls_.mode == kDstDisabled;
    Switch();
    controls_.checked[DstId::UseUtc] = settings_.utcReference == 1;

    const int64_t bias = settings_.rules.daylightBias;
    const int64_t magnitude = bias < 0 ? -bias : bias;
    controls_.checked[DstId::BiasNegative] = bias < 0;
    controls_.text[DstId::BiasHours] = TwoDigits(magnitude / 3600);
    controls_.text[DstId::BiasMinutes] = TwoDigits(magnitude % 3600 / 60);
    controls_.text[DstId::BiasSeconds] = TwoDigits(magnitude % 60);

    for (const Group* g : kGroups) {
        const DstRule& rule = settings_.rules.*(g->rule);
        for (DstId id : g->radios)
            controls_.checked[id] = false;
        if (rule.kind != 0) {
            controls_.checked[g->radios[kAbsolute]] = true;
            controls_.text[g->day] = std::to_string(rule.weekOrDay);
        } else if (rule.weekOrDay >= 1 && rule.weekOrDay <= 5) {
            controls_.checked[g->radios[rule.weekOrDay - 1]] = true;
        }
        controls_.selection[g->dayOfWeek] = rule.dayOfWeek < 7 ? rule.dayOfWeek : -1;
        controls_.selection[g->month] = rule.month >= 1 && rule.month <= 12 ? rule.month - 1 : -1;
        controls_.text[g->hour] = TwoDigits(rule.hour);
        controls_.text[g->minute] = TwoDigits(rule.minute);
        controls_.text[g->second] = TwoDigits(rule.second);
    }
}

void CDstEditor::SetEnabled(std::initializer_list<DstId> ids, bool on)
{
    for (DstId id : ids)
        controls_.enabled[id] = on;
}

void CDstEditor::Switch()
{
    const bool on = !controls_.checked[DstId::DisableDst];
    // Any nonzero mode serves while daylight time is on: OK works out the
    // mode afresh from the forms.
    controls_.mode = on ? kDstByDate : kDstDisabled;
    for (auto& [id, enabled] : controls_.enabled)
        if (id != DstId::DisableDst)
            enabled = on;
    if (!on)
        return;
    for (const Group* g : kGroups) {
        const bool fixedDate = (settings_.rules.*(g->rule)).kind != 0;
        SetEnabled({g->dayOfWeek}, !fixedDate);
        SetEnabled({g->day}, fixedDate);
    }
}

void CDstEditor::ClickDisableDst(bool ticked)
{
    controls_.checked[DstId::DisableDst] = ticked;
    Switch();
}

void CDstEditor::ClickUseUtc(bool ticked)
{
    if (!controls_.Enabled(DstId::UseUtc))
        return;
    controls_.checked[DstId::UseUtc] = ticked;
    settings_.utcReference = ticked ? 1 : 0;
}

void CDstEditor::ClickBiasNegative(bool ticked)
{
    if (controls_.Enabled(DstId::BiasNegative))
        controls_.checked[DstId::BiasNegative] = ticked;
}

void CDstEditor::ClickRadio(DstId radio)
{
    int index = 0;
    const Group* g = GroupOfRadio(radio, index);
    if (!g || !controls_.Enabled(radio))
        return;
    const Group* other = g == &kStart ? &kEnd : &kStart;
    // Automatic radios: the clicked one is selected, the rest of its group
    // cleared.
    for (DstId id : g->radios)
        controls_.checked[id] = id == radio;

    const bool fixedDate = index == kAbsolute;
    // One mode holds the form of both rules, so the groups move together.
    settings_.rules.startRule.kind = fixedDate ? 1 : 0;
    settings_.rules.endRule.kind = fixedDate ? 1 : 0;
    if (fixedDate) {
        controls_.checked[other->radios[kAbsolute]] = true;
        for (const Group* each : kGroups)
            for (int i = 0; i < kAbsolute; ++i)
                controls_.checked[each->radios[i]] = false;
    } else if (controls_.checked[other->radios[kAbsolute]]) {
        controls_.checked[other->radios[kAbsolute]] = false;
        controls_.checked[other->radios[0]] = true;
    }
    for (const Group* each : kGroups) {
        SetEnabled({each->dayOfWeek}, !fixedDate);
        SetEnabled({each->day}, fixedDate);
    }
}

void CDstEditor::SelectEntry(DstId list, int index)
{
    const auto it = controls_.selection.find(list);
    if (it == controls_.selection.end() || !controls_.Enabled(list))
        return;
    const int count = list == DstId::StartMonth || list == DstId::EndMonth ? 12 : 7;
    it->second = index >= 0 && index < count ? index : -1;
}

void CDstEditor::SetText(DstId field, std::string text)
{
    const auto it = controls_.text.find(field);
    if (it != controls_.text.end() && controls_.Enabled(field))
        it->second = std::move(text);
}

void CDstEditor::ApplyPreset(DstPreset preset)
{
    if (controls_.Checked(DstId::DisableDst))
        return;
    ApplyDstPreset(preset, settings_);
    sourceZone_.clear();
    Load();
}

void CDstEditor::ApplyImport(const DstZoneImport& imported)
{
    if (controls_.Checked(DstId::DisableDst) || !imported.found)
        return;
    sourceZone_ = imported.zoneId;
    if (!imported.hasDst) {
        // Nothing to load: daylight time goes off, and the rules shown stay
        // for whoever switches it on again.
        ClickDisableDst(true);
        return;
    }
    settings_.rules.daylightBias = imported.rules.daylightBias;
    settings_.rules.startRule = imported.rules.startRule;
    settings_.rules.endRule = imported.rules.endRule;
    settings_.utcReference = imported.utcReference;
    Load();
}

DstOkResult CDstEditor::Ok()
{
    DstOkResult result;
    if (auto refusal = CheckDstControls(controls_)) {
        result.refusal = std::move(refusal);
        return result;
    }
    settings_ = CollectDstControls(controls_, Settings());
    controls_.mode = settings_.mode;
    result.accepted = true;
    result.mode = settings_.mode;
    return result;
}

DstSettings CDstEditor::Settings() const
{
    DstSettings s = settings_;
    s.mode = controls_.mode;
    return s;
}

DstShown CDstEditor::Shown() const
{
    DstShown shown;
    if (auto refusal = CheckDstControls(controls_))
        shown.refusal = std::move(refusal);
    else
        shown.settings = CollectDstControls(controls_, Settings());
    return shown;
}
