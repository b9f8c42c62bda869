// The set date/time dialog: the UTC date and time the clock is to be set
// to, either the PC's own clock read the moment "Set Now" is pressed, or a
// date and time the user types ("Custom").
//
// A typed date is taken only when it exists and lies in 2001 to 2099
// (CustomDate.h); otherwise a message names the field and what it accepts,
// and the dialog stays open with that field focused.
//
// After "Set Now", Result() holds hour, minute, second, hundredths, month,
// day and year, with dayOfWeek 0; valid and the reserved byte are left 0
// for the caller. The dialog never talks to the clock.
//
// User-interface thread only.
#pragma once

#include "ClockDateTime.h"
#include "TemplateDialog.h"

#include <QDateTime>

#include <functional>

class CNarrowSpin;
class CTimeFieldGroup;
class QGroupBox;
class QRadioButton;

class CSetDateTimeDlg : public CTemplateDialog {
    Q_OBJECT

public:
    // Control ids of the set date/time dialog; each control also carries an objectName.
    enum ControlId : int {
        kIdSetNow = 1,
        kIdCancel = 2,
        kIdHour = 1016,
        kIdMonth = 1017,
        kIdMinute = 1018,
        kIdSecond = 1019,
        kIdSpin = 1021,
        kIdDay = 1022,
        kIdYear = 1023,
        kIdPcClock = 1078,
        kIdTimeFrame = 1080,
        kIdDateFrame = 1081,
        kIdCustom = 1082,
    };
    // Field indexes in the group, left to right.
    enum FieldIndex : int { kHour, kMinute, kSecond, kMonth, kDay, kYear };

    // The PC's current time in UTC, with milliseconds.
    using UtcClock = std::function<QDateTime()>;

    // clock: where "UTC Time from PC clock" reads the time; the system clock
    // when empty.
    explicit CSetDateTimeDlg(QWidget* parent, UtcClock clock = {});
    ~CSetDateTimeDlg() override;

    // After "Set Now": the date and time to set.
    const ClockDateTime& Result() const { return result_; }

    bool CustomMode() const;
    CTimeFieldGroup& Fields() const { return *fields_; }

private:
    void BuildControls();
    void Open();
    void SetFieldsEnabled(bool enabled);
    void OnPcClock();
    void OnCustom();
    void OnSetNow();

    UtcClock clock_;
    ClockDateTime result_;

    QRadioButton* pcClock_ = nullptr;
    QRadioButton* custom_ = nullptr;
    CNarrowSpin* spin_ = nullptr;
    QGroupBox* timeFrame_ = nullptr;
    QGroupBox* dateFrame_ = nullptr;
    CTimeFieldGroup* fields_ = nullptr;
};
