// The time zone dialog: edits the clock's time zone bias, the signed offset
// of its local time from UTC in seconds (positive east of Greenwich).
//
// The user picks a zone from the system's catalogue, which fills the bias
// fields with the zone's base offset (daylight saving is not handled
// here), or types hours, minutes and seconds and ticks "Bias is negative?".
// A filter field above the list narrows it as the user types part of a
// zone's name or offset; list items carry their catalogue index, so what is
// selected is read by that index whatever the filter shows.
//
// The dialog works on its own copy of the caller's rule set and touches
// only its bias; after OK, Result() is the copy with the new bias, every
// other field as given. The dialog never talks to the clock.
//
// User-interface thread only.
#pragma once

#include "BiasFields.h"
#include "DstRuleSet.h"
#include "TemplateDialog.h"
#include "TimeZoneCatalogue.h"

#include <vector>

class CNarrowSpin;
class CTimeFieldGroup;
class CTimeZoneFilterModel;
class CTimeZoneListModel;
class QCheckBox;
class QLineEdit;
class QListView;
class QPushButton;

class CTzDlg : public CTemplateDialog {
    Q_OBJECT

public:
    // Control ids of the time zone dialog; each control also carries an objectName.
    // The filter field has no template id ("filter").
    enum ControlId : int {
        kIdOk = 1,
        kIdCancel = 2,
        kIdZoneList = 1012,
        kIdBiasNegative = 1014,
        kIdHours = 1016,
        kIdMinutes = 1018,
        kIdSeconds = 1019,
        kIdBiasFrame = 1020,
        kIdSpin = 1021,
    };
    // Field indexes in the bias group, left to right.
    enum FieldIndex : int { kHours, kMinutes, kSeconds };

    // The catalogue is read from the system as the dialog opens.
    CTzDlg(QWidget* parent, const DstRuleSet& block);
    // With a catalogue of the caller's (tests, an empty catalogue).
    CTzDlg(QWidget* parent, const DstRuleSet& block, std::vector<TimeZoneEntry> catalogue);
    ~CTzDlg() override;

    // After OK: the rule set given, with the new bias.
    const DstRuleSet& Result() const { return block_; }

    const std::vector<TimeZoneEntry>& Catalogue() const { return catalogue_; }
    // The catalogue index of the zone selected in the list, or -1.
    int SelectedEntry() const;
    // The number of zones the list shows through the filter.
    int ListedCount() const;
    QLineEdit* Filter() const { return filter_; }
    QListView* ZoneList() const { return list_; }
    CTimeFieldGroup& Fields() const { return *fields_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void Open();
    void ShowBias(const BiasFieldTexts& texts);
    void OnSelectionChanged();
    void OnFilterEdited(const QString& text);
    void OnOk();

    DstRuleSet block_;
    std::vector<TimeZoneEntry> catalogue_;
    CTimeZoneListModel* model_ = nullptr;
    CTimeZoneFilterModel* proxy_ = nullptr;
    bool filtering_ = false;

    QLineEdit* filter_ = nullptr;
    QListView* list_ = nullptr;
    QCheckBox* negative_ = nullptr;
    CNarrowSpin* spin_ = nullptr;
    CTimeFieldGroup* fields_ = nullptr;
};
