// The daylight-saving rule dialog's logic on plain values, without a window
// toolkit: the state of every control it reads or writes, and one operation
// per event (opening, the daylight time switch, the rule-form radios, the
// "Use UTC" box, the presets, the import, OK). The dialog widget shows
// Controls() after each operation and reports events; the command-line tool
// drives the same operations.
//
// Control states are keyed by the dialog template's control ids (DstId), so
// a widget maps them one to one.
//
// Thread rules: none; an editor belongs to the thread that made it.
#pragma once

#include "DstConvert.h"
#include "DstRuleSet.h"
#include "DstZoneImport.h"

#include "Translatable.h"

#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>

// Control ids of the daylight-saving dialog's template.
enum class DstId : int {
    Ok = 1,
    Cancel = 2,
    BiasNegative = 1014,  // check box "Bias is negative?"
    BiasHours = 1016,
    BiasMinutes = 1018,
    BiasSeconds = 1019,
    BiasFrame = 1020,
    BiasSpin = 1035,
    DisableDst = 1025,  // check box "Disable daylight time"
    UseUtc = 1036,      // check box "Use UTC instead of local time"

    StartWeek1 = 1065,  // radios "First" .. "Last", "Absolute"
    StartWeek2 = 1066,
    StartWeek3 = 1068,
    StartWeek4 = 1069,
    StartWeekLast = 1070,
    StartAbsolute = 1071,
    StartDayOfWeek = 1044,  // drop-down lists
    StartMonth = 1043,
    StartDay = 1042,  // day of month of a fixed date
    StartTimeFrame = 1027,
    StartHour = 1017,
    StartMinute = 1021,
    StartSecond = 1026,
    StartTimeSpin = 1037,

    EndWeek1 = 1067,
    EndWeek2 = 1072,
    EndWeek3 = 1073,
    EndWeek4 = 1074,
    EndWeekLast = 1075,
    EndAbsolute = 1076,
    EndDayOfWeek = 1053,
    EndMonth = 1052,
    EndDay = 1051,
    EndTimeFrame = 1031,
    EndHour = 1030,
    EndMinute = 1028,
    EndSecond = 1029,
    EndTimeSpin = 1038,

    PresetUsCanada = 1077,         // "US/Canada Standard"
    PresetEu = 1023,               // "&EU standard"
    PresetUsCanadaPre2007 = 1024,  // "&US/Canada Standard pre 2007", hidden
    ImportSystem = 1022,           // "Current &System Setting"
    ImportZone = 1078,             // "From Zone...", beside the import
};

// The title of the dialog, also the caption of its refusal messages. The
// dialog shows these four in the user's language (the string table's
// context); the command-line tool prints them as they are.
inline constexpr const char* kDstDialogTitle =
    KEROVANT_TRANSLATE_NOOP("Kerovant", "Daylight Savings Time Configuration");
// The caption of the message that reports an import.
inline constexpr const char* kDstImportCaption =
    KEROVANT_TRANSLATE_NOOP("Kerovant", "Daylight savings time shift reference");
// The text of the import button on this platform and of ours beside it.
inline constexpr const char* kDstImportSystemText = KEROVANT_TRANSLATE_NOOP("Kerovant", "Current &System Setting");
inline constexpr const char* kDstImportZoneText = KEROVANT_TRANSLATE_NOOP("Kerovant", "From Zone...");

// The state of the controls: which boxes and radios are ticked, which list
// entry is selected, what the edit fields hold, and which controls are
// enabled. Every control that the dialog's operations touch has an entry
// from the start; OK and Cancel are always enabled and have none.
struct DstControls {
    uint8_t mode = 0;                   // the dialog's mode copy: 0 while daylight time is off
    std::map<DstId, bool> checked;      // the three check boxes and the twelve radios
    std::map<DstId, int> selection;     // the four lists: entry index, -1 for none
    std::map<DstId, std::string> text;  // the two day fields and the nine time fields
    std::map<DstId, bool> enabled;      // every control the daylight time switch turns on and off

    bool Checked(DstId id) const;
    int Selection(DstId id) const;  // -1 for none or an id that is not a list
    std::string Text(DstId id) const;
    bool Enabled(DstId id) const;  // OK and Cancel: always true

    friend bool operator==(const DstControls&, const DstControls&) = default;
};

// The week radios of a group in order First, Second, Third, Fourth, Last,
// then Absolute.
inline constexpr DstId kStartRadios[6] = {DstId::StartWeek1, DstId::StartWeek2,    DstId::StartWeek3,
                                          DstId::StartWeek4, DstId::StartWeekLast, DstId::StartAbsolute};
inline constexpr DstId kEndRadios[6] = {DstId::EndWeek1, DstId::EndWeek2,    DstId::EndWeek3,
                                        DstId::EndWeek4, DstId::EndWeekLast, DstId::EndAbsolute};

// Which check of a rule group refused, for a caller that words it its own
// way (the command-line tool names its options, not the dialog's groups).
enum class DstFault : uint8_t {
    None,
    NoWeek,         // no week radio and not Absolute
    MixedForms,     // a weekday rule beside a fixed date
    NoDayOfWeek,    // a weekday rule without its day
    NoMonth,        // no month chosen
    DayOutOfRange,  // a fixed date's day not 1 to 31
    DayPastMonth,   // a fixed date past its month's end (value1: the month, value2: its days)
    Hour,           // above 24
    Minute,         // above 60
    Second,         // above 60
};

// Why OK cannot take the values shown: the message for the box (caption
// kDstDialogTitle, one OK button) and the control to give the focus.
struct DstRefusal {
    std::string message;  // "Daylight savings time start: choose a month."
    DstId focus = DstId::Ok;
    // The same message as a sentence, for the window to show in the user's
    // language: the group's title, then the problem with its values.
    Sentence sentence;
    // What was wrong, and the values the problem names (a month's name, a
    // number), for the command line to say in its own words.
    DstFault fault = DstFault::None;
    std::string value1;
    std::string value2;
    friend bool operator==(const DstRefusal& a, const DstRefusal& b)
    {
        return a.message == b.message && a.focus == b.focus;
    }
};

// The values shown, checked: none when daylight time is off or the values
// are taken as they are, a refusal when the clock would refuse one of them
// (a day of month outside 1..31 or past its month's end, a list without a
// selection, a weekday rule without a week, an hour above 24, a minute or
// second above 60) or the two groups show different forms.
std::optional<DstRefusal> CheckDstControls(const DstControls& controls);

// What OK collects from the controls, over the rule set last loaded: the
// daylight bias, both rules and the mode (16 when either rule is a fixed
// date, else 8; 0 with daylight time off, when nothing else is collected).
DstSettings CollectDstControls(const DstControls& controls, const DstSettings& loaded);

enum class DstPreset { UsCanada, UsCanadaPre2007, Eu };

// The rule set and reference of a preset over `settings` (its mode and
// `bias` stay): both rules on Sunday at the full hour, shift one hour.
void ApplyDstPreset(DstPreset preset, DstSettings& settings);

// The preset of a button, if it is one.
std::optional<DstPreset> DstPresetOfButton(DstId button);

// What OK did.
struct DstOkResult {
    bool accepted = false;
    uint8_t mode = 0;                   // accepted: the mode to write through the caller's address
    std::optional<DstRefusal> refusal;  // refused: why; the dialog stays open
};

// The rules the controls show for the preview: the settings OK would
// collect, or why OK would refuse them.
struct DstShown {
    std::optional<DstSettings> settings;
    std::optional<DstRefusal> refusal;
};

class CDstEditor {
public:
    // Copies the rule set, the reference and the mode, and opens: the lists
    // get their names and the values are loaded into the controls.
    explicit CDstEditor(const DstSettings& settings);

    // Shows the editor's rule set, mode copy and reference in the controls.
    void Load();

    // Events. The clicked box or radio is ticked by the toolkit; these do
    // the same and then what the dialog does on the click.
    void ClickDisableDst(bool ticked);
    void ClickUseUtc(bool ticked);
    void ClickBiasNegative(bool ticked);
    void ClickRadio(DstId radio);  // one of the twelve week and Absolute radios
    void SelectEntry(DstId list, int index);
    void SetText(DstId field, std::string text);

    // The preset buttons (nothing while daylight time is off, when their
    // buttons are disabled).
    void ApplyPreset(DstPreset preset);
    // An import's rules: the rule set's daylight bias and both rules and the
    // reference are replaced and loaded, and the zone is remembered for the
    // preview. A zone without daylight saving ticks "Disable daylight time"
    // instead (the rules shown stay). Nothing changes while daylight time is
    // off, when its buttons are disabled, or when the import found no zone.
    // The caller shows the import's message either way.
    void ApplyImport(const DstZoneImport& imported);

    // OK. With daylight time off: mode 0, nothing else collected. Otherwise
    // the values are checked first; on a refusal nothing is collected.
    DstOkResult Ok();

    const DstControls& Controls() const { return controls_; }
    // The editor's settings: the rule set and reference last loaded, set or
    // collected, with the mode copy (after an accepted OK: the mode OK wrote).
    DstSettings Settings() const;
    DstShown Shown() const;
    // The zone whose rules were last imported, empty when none or a preset
    // came after.
    const std::string& SourceZone() const { return sourceZone_; }

private:
    void Initialise();
    void Switch();
    void SetEnabled(std::initializer_list<DstId> ids, bool on);

    DstSettings settings_;
    DstControls controls_;
    std::string sourceZone_;
};
