// The hand position dialog: tells the clock where its stopped hands stand,
// nudges the seconds hand into line and chooses how the hands move.
//
// Unlike the other settings dialogs it talks to the clock device object
// while it is open:
// - ticking "Check to set clock" sends the working configuration with the
//   hands stopped (motion 2), and opens the face time fields and Forward;
// - clearing the box sends the working configuration as it came, which
//   sets the hands moving again;
// - Forward asks the clock to move the seconds hand a fifth of a second on
//   (the device drops it unless the stop has reached the clock);
// - OK with the box ticked sends the face time as a hand command, waits
//   until the clock has taken it, then sends the working configuration as
//   it came, so the clock takes the face time before the hands move again.
//   A face time the clock refused or did not confirm is said, and the
//   dialog stays open with the hands stopped: the user tries again or
//   cancels.
// Sweep and Step send nothing: OK stores the choice in the working
// configuration, and the caller's send after the dialog carries it (that
// send also restarts the hands after Cancel).
//
// The dialog finds its clock through the caller each time it sends: the
// device object of the moment for the clock it was opened on, so that a
// link renewed while it is open (a replug, a failed poll) gets its new
// object at once. While that clock is away the dialog says so in the
// note's place and takes nothing that would send (the box, Forward, and OK
// while setting); once the same clock is back it goes on with it, stopping
// its hands again if the box is ticked and the clock has them moving.
//
// The caller keeps the working configuration and the working hand command
// alive while the dialog exists.
//
// User-interface thread only.
#pragma once

#include "ClockDateTime.h"
#include "ClockDevice.h"
#include "ClockRecords.h"
#include "TemplateDialog.h"

#include <cstdint>
#include <functional>
#include <memory>

class CNarrowSpin;
class CTimeFieldGroup;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

class CSetClockFaceDlg : public CTemplateDialog {
    Q_OBJECT

public:
    // Control ids of the hand position dialog; each control also carries an
    // objectName.
    enum ControlId : int {
        kIdOk = 1,
        kIdCancel = 2,
        kIdForward = 1005,
        kIdSweep = 1006,
        kIdStep = 1007,
        kIdSetClock = 1008,
        kIdHours = 1009,
        kIdMinutes = 1010,
        kIdSeconds = 1011,
        kIdFaceFrame = 1020,
        kIdSpin = 1021,
        kIdFaceTimeGroup = 1072,
        kIdAlignGroup = 1073,
        kIdNudgeNote = 1074,
    };
    // Field indexes in the face time group, left to right.
    enum FieldIndex : int { kHours, kMinutes, kSeconds };

    // The wait on OK for the face time's outcome: up to this many pauses of
    // this length, looking after each whether the link has decided it.
    static constexpr int kSendWaitChecks = 200;
    static constexpr int kSendWaitIntervalMs = 50;

    // The device object to send to now, kept only for the send (it may
    // hold the object for the owner); null while the clock is away.
    using ClockFinder = std::function<std::shared_ptr<CClockDevice>()>;
    // How often the dialog looks whether its clock is there.
    static constexpr int kPresenceCheckMs = 200;

    // config: the working configuration, sent to stop and restart the
    // hands; OK stores the chosen motion in it. display: the working hand
    // command, rebuilt before each one. find: the clock.
    CSetClockFaceDlg(QWidget* parent, ClockConfig& config, DisplayConfig& display, ClockFinder find);
    // Always the one device object, not owned (the dialog tour, tests).
    CSetClockFaceDlg(QWidget* parent, ClockConfig& config, DisplayConfig& display, CClockDevice& device);
    ~CSetClockFaceDlg() override;

    // The box is ticked: the hands are stopped for setting.
    bool Setting() const;
    // 0 sweep, 1 step.
    uint8_t MotionChoice() const { return motion_; }
    const ClockDateTime& FaceTime() const { return faceTime_; }
    // The clock the dialog was opened on is away.
    bool ClockAway() const { return away_; }
    CTimeFieldGroup& Fields() const { return *fields_; }

private:
    void BuildControls();
    void Open();
    // Enables or disables what only setting uses: the fields, Forward, the
    // nudge note and the two frames around them.
    void SetSettingControlsEnabled(bool enabled);
    void ShowMotion(uint8_t motion);
    // Looks whether the clock is there, says so and enables what sends.
    void CheckClock();
    void EnableSending();
    // Sends the working configuration with the hands stopped.
    void SendStop(CClockDevice& device);
    void OnSetClockToggled(bool checked);
    void OnFieldEvent(int index, unsigned value);
    void OnForward();
    void OnOk();
    // Sends the face time and waits until the clock has taken it, then
    // restarts the hands; false, with a message and the hands left stopped,
    // when the clock did not take it.
    bool SendFaceTime();

    ClockConfig& config_;
    DisplayConfig& display_;
    ClockFinder find_;
    bool away_ = false;
    QTimer* presence_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* ok_ = nullptr;
    uint8_t motion_ = 0;
    ClockDateTime faceTime_;

    QCheckBox* setClock_ = nullptr;
    QPushButton* forward_ = nullptr;
    QPushButton* sweep_ = nullptr;
    QPushButton* step_ = nullptr;
    QButtonGroup* motionButtons_ = nullptr;
    QLabel* nudgeNote_ = nullptr;
    QGroupBox* faceTimeGroup_ = nullptr;
    QGroupBox* alignGroup_ = nullptr;
    CNarrowSpin* spin_ = nullptr;
    CTimeFieldGroup* fields_ = nullptr;
};
