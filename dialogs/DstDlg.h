// The daylight-saving rule dialog: whether the clock applies daylight time,
// the rules on which it starts and ends (the n-th weekday of a month, or a
// fixed date), the size and sign of the shift, and whether the rules' times
// are UTC or local time; three presets, the import of the computer's zone
// and of a chosen zone, and a line that shows the next changes the rules
// would make.
//
// The dialog decides nothing itself: CDstEditor holds the state of every
// control and does what each event does. The dialog reports the user's
// clicks, typing and choices to it and shows its controls again after each.
//
// The caller passes its rule set, its time reference and its mode (0 off,
// 8 weekday rules, 16 fixed dates). After OK it reads Rules(), Mode() and
// UtcReference(); the dialog writes nothing of the caller's. The dialog
// never talks to the clock.
//
// User-interface thread only.
#pragma once

#include "DstEditor.h"
#include "DstRuleSet.h"
#include "TemplateDialog.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>

class CDstYearStripView;
class CNarrowSpin;
class CTimeFieldGroup;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class CDstDlg : public CTemplateDialog {
    Q_OBJECT

public:
    using UtcClock = std::function<std::chrono::sys_seconds()>;

    CDstDlg(QWidget* parent, const DstRuleSet& rules, uint8_t utcReference, uint8_t mode);
    ~CDstDlg() override;
    CDstDlg(const CDstDlg&) = delete;
    CDstDlg& operator=(const CDstDlg&) = delete;

    // The clock's time zone bias in seconds east of UTC: local rules change
    // on the clock's own face, so the preview counts from it. 0 until set.
    void SetClockBias(int64_t seconds);
    // Where the preview and the imports take the present moment from; the
    // computer's clock unless set (tests fix it).
    void SetUtcClock(UtcClock clock);

    // After OK: the rule set, the mode and the time reference the dialog
    // collected.
    DstRuleSet Rules() const { return editor_.Settings().rules; }
    uint8_t Mode() const { return mode_; }
    uint8_t UtcReference() const { return editor_.Settings().utcReference; }

    const CDstEditor& Editor() const { return editor_; }
    // The preview line below the rule groups.
    QLabel* Preview() const { return preview_; }
    // The coming year under the preview line.
    CDstYearStripView* StripView() const { return strip_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void PlaceBiasRow();
    void PlaceRuleGroup(bool start);
    void PlaceButtons();
    void Wire();

    // Shows the editor's controls: ticks, selections, texts, what is
    // enabled, and the preview.
    void Show();
    void ShowPreview();
    // The preview as tall as its text, the strip right under it.
    void PlacePreviewAndStrip();
    // Where Tab enters a radio group: the selected radio, or the first.
    void MoveTabStop(QButtonGroup* group);

    void OnText(DstId id, QLineEdit* edit);
    void OnListText(DstId id, QComboBox* list);
    void OnListIndex(DstId id, int index);
    void OnImportSystem();
    void OnImportZone();
    void Import(const DstZoneImport& imported);
    void OnOk();

    CDstEditor editor_;
    // The mode given, then the one OK accepted.
    uint8_t mode_;
    int64_t clockBias_ = 0;
    UtcClock now_;
    // Set while Show writes into the controls, whose change signals then
    // report nothing to the editor.
    bool showing_ = false;

    std::map<DstId, QCheckBox*> checkBoxes_;
    std::map<DstId, QRadioButton*> radios_;
    std::map<DstId, QComboBox*> lists_;
    std::map<DstId, QLineEdit*> edits_;
    QButtonGroup* startRadios_ = nullptr;
    QButtonGroup* endRadios_ = nullptr;
    CTimeFieldGroup* biasFields_ = nullptr;
    CTimeFieldGroup* startFields_ = nullptr;
    CTimeFieldGroup* endFields_ = nullptr;
    QLabel* preview_ = nullptr;
    CDstYearStripView* strip_ = nullptr;
};
