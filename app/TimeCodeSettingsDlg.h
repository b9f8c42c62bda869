// The time code settings dialog: whether the clock takes the date encoded
// in the time code it receives or ignores it.
//
// The dialog opens on the caller's choice (not 0 uses the date, 0 ignores
// it) and keeps what the user picks to itself; after OK the caller reads
// Choice(). The dialog never talks to the clock.
//
// User-interface thread only.
#pragma once

#include "TemplateDialog.h"

#include <cstdint>

class QRadioButton;

class CTimeCodeSettingsDlg : public CTemplateDialog {
    Q_OBJECT

public:
    // Control ids of the time code settings dialog; each control also carries an objectName.
    enum ControlId : int {
        kIdOk = 1,
        kIdCancel = 2,
        kIdUseDate = 1085,
        kIdIgnoreDate = 1086,
    };

    // choice: what the dialog opens on; any value but 0 uses the date.
    CTimeCodeSettingsDlg(QWidget* parent, uint8_t choice);

    // The choice shown: 1 uses the date, 0 ignores it. Read after OK.
    uint8_t Choice() const { return choice_; }

private:
    void Choose(uint8_t value);

    uint8_t choice_;
    QRadioButton* useDate_ = nullptr;
    QRadioButton* ignoreDate_ = nullptr;
};
