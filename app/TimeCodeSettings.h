// The time code settings dialog: whether the clock takes the date encoded
// in the time code it receives or ignores it.
//
// The dialog edits one byte of its caller's through the pointer it is
// given: not 0 uses the date, 0 ignores it. The byte changes at each click
// on a choice, not at OK, so after Cancel it may differ from what it was;
// the caller ignores it then. The dialog never talks to the clock.
//
// User-interface thread only.
#pragma once

#include "TemplateDialog.h"

#include <cstdint>

class QRadioButton;

class CTimeCodeSettings : public CTemplateDialog {
    Q_OBJECT

public:
    // Control ids of the time code settings dialog; each control also carries an objectName.
    enum ControlId : int {
        kIdOk = 1,
        kIdCancel = 2,
        kIdUseDate = 1085,
        kIdIgnoreDate = 1086,
    };

    // choice: the caller's byte; it must outlive the dialog.
    CTimeCodeSettings(QWidget* parent, uint8_t* choice);

private:
    void Choose(uint8_t value);

    uint8_t* choice_;
    QRadioButton* useDate_ = nullptr;
    QRadioButton* ignoreDate_ = nullptr;
};
