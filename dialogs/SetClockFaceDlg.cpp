#include "SetClockFaceDlg.h"

#include "EventLoopWait.h"
#include "HandCommands.h"
#include "ModalSeam.h"
#include "StatusText.h"
#include "Strings.h"
#include "Translations.h"
#include "TimeFieldGroup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kWidthUnits = 289;
constexpr int kHeightUnits = 203;
constexpr int kNudgeNoteHeight = 17;

}  // namespace

CSetClockFaceDlg::CSetClockFaceDlg(QWidget* parent, ClockConfig& config, DisplayConfig& display, ClockFinder find)
    : CTemplateDialog(parent, kWidthUnits, kHeightUnits, Tr(kStrClockFaceCaption)),
      config_(config),
      display_(display),
      find_(std::move(find)),
      motion_(config.handMotion)
{
    setObjectName(QStringLiteral("setClockFaceDialog"));
    BuildControls();
    presence_ = new QTimer(this);
    presence_->setInterval(kPresenceCheckMs);
    connect(presence_, &QTimer::timeout, this, &CSetClockFaceDlg::CheckClock);
    presence_->start();
    Open();
}

CSetClockFaceDlg::CSetClockFaceDlg(QWidget* parent, ClockConfig& config, DisplayConfig& display, CClockDevice& device)
    : CSetClockFaceDlg(parent, config, display,
                       // Not owned: a pointer that shares no ownership.
                       [&device] { return std::shared_ptr<CClockDevice>(std::shared_ptr<CClockDevice>(), &device); })
{
}

CSetClockFaceDlg::~CSetClockFaceDlg() = default;

void CSetClockFaceDlg::BuildControls()
{
    // Template order, which is also the tab order.
    ok_ = Place(new QPushButton(Tr(kStrOk)), kIdOk, "ok", QRect(232, 7, 50, 14));
    ok_->setDefault(true);
    auto* cancel = Place(new QPushButton(Tr(kStrCancel)), kIdCancel, "cancel", QRect(232, 24, 50, 14));
    note_ = AddLabel(Tr(kStrClockFaceNote), QRect(14, 11, 173, 26));
    note_->setObjectName(QStringLiteral("note"));
    AddGroupBox(0, "settingFrame", QString(), QRect(7, 41, 275, 106));
    faceTimeGroup_ = AddGroupBox(kIdFaceTimeGroup, "faceTimeGroup", Tr(kStrFaceTimeGroup), QRect(14, 58, 230, 41));
    alignGroup_ = AddGroupBox(kIdAlignGroup, "alignGroup", Tr(kStrAlignSeconds), QRect(13, 98, 237, 45));
    // One line of 8 units in the template, but our fonts set the text wider
    // than the line: it may wrap onto a second, which the frame has room
    // for above Forward.
    nudgeNote_ = Place(new QLabel(Tr(kStrNudgeNote)), kIdNudgeNote, "nudgeNote", QRect(18, 107, 227, kNudgeNoteHeight));
    nudgeNote_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    nudgeNote_->setWordWrap(true);
    QGroupBox* motionGroup = AddGroupBox(0, "handMotion", Tr(kStrHandMotion), QRect(10, 155, 248, 41));
    motionGroup->setAlignment(Qt::AlignHCenter);
    forward_ = Place(new QPushButton(Tr(kStrForward)), kIdForward, "forward", QRect(104, 125, 53, 11));
    sweep_ = Place(new QPushButton(Tr(kStrSweep)), kIdSweep, "sweep", QRect(74, 168, 50, 14));
    step_ = Place(new QPushButton(Tr(kStrStep)), kIdStep, "step", QRect(146, 168, 50, 14));
    setClock_ = Place(new QCheckBox(Tr(kStrCheckToSet)), kIdSetClock, "setClock", QRect(14, 45, 79, 12));
    auto* hours = Place(new QLineEdit, kIdHours, "hours", QRect(88, 75, 14, 12), Tr(kStrFaceHours));
    auto* minutes = Place(new QLineEdit, kIdMinutes, "minutes", QRect(111, 75, 14, 12), Tr(kStrFaceMinutes));
    auto* seconds = Place(new QLineEdit, kIdSeconds, "seconds", QRect(134, 75, 13, 12), Tr(kStrFaceSeconds));
    spin_ = Place(new CNarrowSpin, kIdSpin, "spin", QRect(153, 72, 12, 18), Tr(kStrFaceSpin));
    spin_->SetNames(Tr(kStrFaceSpin), Tr(kStrFaceArrows));
    AddGroupBox(kIdFaceFrame, "faceFrame", QString(), QRect(83, 67, 69, 25));
    AddLabel(QStringLiteral(":"), QRect(103, 77, 8, 8), Qt::AlignHCenter | Qt::AlignTop);
    AddLabel(QStringLiteral(":"), QRect(126, 76, 8, 8), Qt::AlignHCenter | Qt::AlignTop);

    // Sweep and Step stay pressed in turn: the chosen one is held down.
    motionButtons_ = new QButtonGroup(this);
    motionButtons_->setExclusive(true);
    sweep_->setCheckable(true);
    step_->setCheckable(true);
    motionButtons_->addButton(sweep_, kHandsSweep);
    motionButtons_->addButton(step_, kHandsStep);

    fields_ = new CTimeFieldGroup(FieldVariant::HandPosition, this);
    fields_->AddField(hours, FieldKind::Hour);
    fields_->AddField(minutes, FieldKind::Minute);
    fields_->AddField(seconds, FieldKind::Second);
    fields_->SetSpin(spin_);

    connect(fields_, &CTimeFieldGroup::FieldEvent, this, &CSetClockFaceDlg::OnFieldEvent);
    connect(setClock_, &QCheckBox::toggled, this, &CSetClockFaceDlg::OnSetClockToggled);
    connect(forward_, &QPushButton::clicked, this, &CSetClockFaceDlg::OnForward);
    connect(motionButtons_, &QButtonGroup::idClicked, this, [this](int id) { motion_ = static_cast<uint8_t>(id); });
    connect(ok_, &QPushButton::clicked, this, &CSetClockFaceDlg::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CSetClockFaceDlg::Open()
{
    // Program writes count as changes, so the spin ends up on the seconds.
    for (int i = 0; i < fields_->FieldCount(); ++i)
        fields_->Field(i)->setText(QStringLiteral("0"));
    SetSettingControlsEnabled(false);
    // A clock left with its hands stopped opens on sweep.
    ShowMotion(motion_ == kHandsStep ? kHandsStep : kHandsSweep);
    // Nothing is sent: the hands keep moving until the box is ticked.
    CheckClock();
}

bool CSetClockFaceDlg::Setting() const
{
    return setClock_->isChecked();
}

void CSetClockFaceDlg::SetSettingControlsEnabled(bool enabled)
{
    // The spin stays enabled throughout, as do the box, the motion buttons,
    // OK and Cancel.
    for (int i = 0; i < fields_->FieldCount(); ++i)
        fields_->Field(i)->setEnabled(enabled);
    nudgeNote_->setEnabled(enabled);
    alignGroup_->setEnabled(enabled);
    faceTimeGroup_->setEnabled(enabled);
    EnableSending();
}

void CSetClockFaceDlg::EnableSending()
{
    setClock_->setEnabled(!away_);
    forward_->setEnabled(Setting() && !away_);
    // OK while setting sends the face time.
    ok_->setEnabled(!(Setting() && away_));
}

void CSetClockFaceDlg::CheckClock()
{
    const std::shared_ptr<CClockDevice> device = find_();
    const bool away = device == nullptr;
    if (away == away_)
        return;
    away_ = away;
    const QString note = Tr(away ? kStrClockAway : kStrClockFaceNote);
    note_->setText(note);
    note_->setAccessibleName(note);
    EnableSending();
    if (away || !Setting())
        return;
    // Back while setting: the clock keeps its hands stopped through a lost
    // link, unless it lost its power too.
    ClockConfig held;
    device->GetConfig(held);
    if (held.handMotion != kHandsStopped)
        SendStop(*device);
}

void CSetClockFaceDlg::SendStop(CClockDevice& device)
{
    // Keeps the working configuration's own motion for the restart.
    ClockConfig stop = config_;
    stop.handMotion = kHandsStopped;
    device.SetConfig(stop);
}

void CSetClockFaceDlg::ShowMotion(uint8_t motion)
{
    motion_ = motion;
    (motion == kHandsStep ? step_ : sweep_)->setChecked(true);
}

void CSetClockFaceDlg::OnSetClockToggled(bool checked)
{
    const std::shared_ptr<CClockDevice> device = find_();
    if (!device) {
        // Gone since the last look: the box stays as it was.
        const QSignalBlocker quiet(setClock_);
        setClock_->setChecked(!checked);
        CheckClock();
        return;
    }
    if (!checked) {
        SetSettingControlsEnabled(false);  // the fields keep their text
        // The configuration as it came: the hands move again as before.
        device->SetConfig(config_);
        return;
    }
    // Every tick starts over from 00:00:00.
    faceTime_ = ::FaceTime(0, 0, 0);
    for (int i = 0; i < fields_->FieldCount(); ++i)
        fields_->Field(i)->setText(QStringLiteral("00"));
    SetSettingControlsEnabled(true);
    SendStop(*device);
}

void CSetClockFaceDlg::OnFieldEvent(int index, unsigned value)
{
    // The group keeps each field within its range.
    const auto number = static_cast<uint8_t>(value);
    switch (index) {
    case kHours: faceTime_.hour = number; break;
    case kMinutes: faceTime_.minute = number; break;
    case kSeconds: faceTime_.second = number; break;
    default: break;
    }
}

void CSetClockFaceDlg::OnForward()
{
    // Dropped by the device unless the stop has reached the clock; the user
    // sees the hand not move, and no message.
    const std::shared_ptr<CClockDevice> device = find_();
    if (!device) {
        CheckClock();
        return;
    }
    FillNudge(display_);
    device->SetDisplayConfig(display_);
}

void CSetClockFaceDlg::OnOk()
{
    if (Setting()) {
        if (faceTime_.hour == 0 && faceTime_.minute == 0 && faceTime_.second == 0) {
            // Most likely fields left untouched: the user confirms, and then
            // no face time is sent.
            const QMessageBox::StandardButton answer =
                ShowMessage(this, QMessageBox::Critical, Tr(kStrZeroFaceTimeCaption), Tr(kStrZeroFaceTime),
                            QMessageBox::Yes | QMessageBox::No);
            if (answer != QMessageBox::Yes)
                return;
        } else if (!SendFaceTime()) {
            return;  // said why; the hands stay stopped for another try
        }
    }
    config_.handMotion = motion_;
    accept();
}

bool CSetClockFaceDlg::SendFaceTime()
{
    // Kept through the wait: the object the outcome is asked of.
    const std::shared_ptr<CClockDevice> device = find_();
    FillSetFace(display_, CalendarToTimeValue(faceTime_).seconds);
    WriteTicket ticket;
    if (device)
        device->SetDisplayConfig(display_, ticket);
    // No ticket: the device took no hand command (the stop had not reached
    // the clock).
    WriteOutcome outcome = WriteOutcome::LinkLost;
    if (ticket) {
        // The clock takes a face time only while its hands are stopped, and
        // the device sends a queued configuration before a hand command: the
        // restart must wait until the clock has taken the face time. The
        // window keeps painting meanwhile and takes no input. The link
        // decides the write within its own waits, a failed link at once.
        const CBusyScope busy;
        for (int check = 0; check < kSendWaitChecks; ++check) {
            PauseEvents(kSendWaitIntervalMs);
            outcome = device->GetWriteOutcome(ticket);
            if (IsFinal(outcome))
                break;
        }
    }
    if (outcome != WriteOutcome::Landed) {
        // Restarting now would set the hands moving from a position the
        // clock does not know.
        ShowProgramMessage(this, WriteFailureMessage(kStrErrorSettingFaceTime, outcome));
        return false;
    }
    // The configuration as it came: the hands move again.
    device->SetConfig(config_);
    return true;
}
