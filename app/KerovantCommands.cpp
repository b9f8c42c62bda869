// The main window's commands: the five buttons and the illumination slider.
//
// Every command follows one pattern: wait until the clock is online and
// identified (at most 40 checks 50 ms apart), take what it edits from the
// device object, let a dialog edit a copy, and hand the result to the device
// object, which sends it from its own thread. The command then only learns
// whether the link is still up; Set DateTime from the PC clock alone waits
// for its write to go out, on a second boundary. The device object is held
// for the whole command, so the refresh cannot replace it meanwhile.
#include "KerovantDlg.h"

#include "ClockDateTime.h"
#include "DstConvert.h"
#include "DstDlg.h"
#include "DstPreview.h"
#include "EventLoopWait.h"
#include "ModalSeam.h"
#include "SetClockFace.h"
#include "SecondSet.h"
#include "SetDateTime.h"
#include "Strings.h"
#include "TimeCodeSettings.h"
#include "TzDlg.h"

#include <QEvent>
#include <QMouseEvent>
#include <QSlider>
#include <QTimer>

bool CKerovantDlg::CommandAllowed() const
{
    // A second command inside the first would open its dialog inside the
    // first one's wait or on top of its dialog, and the first would go on
    // with the device object and the message of a moment long gone. The
    // busy scope keeps the keyboard and the mouse away; what comes without
    // an event (an assistive technology's press on a button) is refused here.
    return !commandRunning_ && !BusyScope::Active();
}

CClockConnection::Hold CKerovantDlg::BeginCommand()
{
    if (connection_->WaitForClock())
        return connection_->HoldDevice();
    ShowProgramMessage(this, QString::fromUtf8(kStrNoCommunication));
    return {};
}

void CKerovantDlg::CheckLink(const CClockDevice& device, const char* message)
{
    if (!device.IsOnline())
        ShowProgramMessage(this, QString::fromUtf8(message));
}

bool CKerovantDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The user lets go of the slider after dragging or clicking it.
    if (watched == illumination_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // After the slider has taken the release and its value.
        QTimer::singleShot(0, this, &CKerovantDlg::SetIlluminationFromSlider);
    }
    return QDialog::eventFilter(watched, event);
}

void CKerovantDlg::OnIlluminationMoved()
{
    if (!CommandAllowed()) {
        // Only an assistive technology reaches the slider now: the level
        // stays where it was.
        const QSignalBlocker quiet(illumination_);
        illumination_->setValue(illuminationLevel_);
        return;
    }
    illuminationLevel_ = illumination_->value();
    // While the handle is dragged the release sends; other moves (keys,
    // wheel, clicks on the groove) are sent once the slider rests.
    if (!illumination_->isSliderDown())
        illuminationRest_->start();
}

void CKerovantDlg::SetIlluminationFromSlider()
{
    illuminationRest_->stop();
    if (!CommandAllowed()) {
        // Another command's wait or dialog is on; this one follows it.
        illuminationRest_->start();
        return;
    }
    // The level the user chose, before the wait for the clock.
    const int level = illumination_->value();
    ChangeConfig(kStrErrorSettingTime, [this, level]() {
        config_.illumination = static_cast<uint8_t>(level);
        return true;
    });
}

void CKerovantDlg::SetTimeZone()
{
    ChangeConfig(kStrErrorSettingConfig, [this]() {
        exchange_.bias = ClockStandardBias(config_);
        CTzDlg dialog(this, exchange_);
        if (RunModal(dialog) != QDialog::Accepted)
            return false;
        exchange_ = dialog.Result();
        StoreStandardBias(config_, exchange_.bias);
        config_.configured = 1;
        config_.valid = 1;
        return true;
    });
}

void CKerovantDlg::SetDaylightSaving()
{
    ChangeConfig(kStrErrorSettingConfig, [this]() {
        // The exchange block starts over from the clock's rules alone.
        const DstSettings read = DstSettingsFromConfig(config_);
        exchange_ = read.rules;
        uint8_t mode = read.mode;
        CDstDlg dialog(this, exchange_, read.utcReference, &mode);
        // Local rules change on the clock's own face: the preview needs
        // its bias.
        dialog.SetClockBias(ClockStandardBias(config_));
        if (RunModal(dialog) != QDialog::Accepted)
            return false;
        exchange_ = dialog.Rules();
        StoreDstSettings(DstSettings{exchange_, mode, dialog.UtcReference()}, config_);
        return true;
    });
}

void CKerovantDlg::SetDateTime()
{
    if (!CommandAllowed())
        return;
    const CommandScope running(commandRunning_);
    CClockConnection::Hold device = BeginCommand();
    if (!device)
        return;
    CSetDateTime dialog(this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    if (!dialog.CustomMode()) {
        SetDateTimeOnTheSecond(*device);
        return;
    }
    ClockDateTime when = dialog.Result();
    when.valid = 1;
    device->SetClockTime(CalendarToTimeValue(when));
    CheckLink(*device, kStrErrorSettingTime);
}

void CKerovantDlg::SetDateTimeOnTheSecond(CClockDevice& device)
{
    // Up to about a second until the boundary, and the clock's answer: the
    // window keeps painting, shows it is busy and takes no other input. The
    // link times the frame itself; this thread only waits for the outcome.
    const BusyScope busy;
    const SecondSetResult result = SetClockOnTheSecond(
        device, [](std::chrono::milliseconds time) { PauseEvents(static_cast<int>(time.count())); });
    // Whatever kept the time from going out is a failure to set it, even
    // with the link still up.
    if (result.outcome != SecondSetResult::Outcome::Sent || !device.IsOnline())
        ShowProgramMessage(this, QString::fromUtf8(kStrErrorSettingTime));
}

void CKerovantDlg::SetTimeCodeSettings()
{
    ChangeConfig(kStrErrorSettingTime, [this]() {
        uint8_t useDate = config_.useTimeCodeDate() | config_.useTimeCodeDateAlt();
        CTimeCodeSettings dialog(this, &useDate);
        if (RunModal(dialog) != QDialog::Accepted)
            return false;
        const uint8_t flag = useDate != 0 ? 1 : 0;
        config_.useTimeCodeDate() = flag;
        config_.useTimeCodeDateAlt() = flag;
        return true;
    });
}

void CKerovantDlg::ChangeConfig(const char* message, const std::function<bool()>& edit)
{
    if (!CommandAllowed())
        return;
    const CommandScope running(commandRunning_);
    CClockConnection::Hold device = BeginCommand();
    if (!device)
        return;
    config_ = ClockConfig{};
    device->GetConfig(config_);
    if (!edit())
        return;
    device->SetConfig(config_);
    CheckLink(*device, message);
}

void CKerovantDlg::SetClockHandPosition()
{
    if (!CommandAllowed())
        return;
    const CommandScope running(commandRunning_);
    // The hold keeps this object the current one while the dialog talks to
    // it; a replacement the refresh asks for meanwhile waits for the hold.
    CClockConnection::Hold device = BeginCommand();
    if (!device)
        return;
    config_ = ClockConfig{};
    display_ = DisplayConfig{};
    device->GetConfig(config_);
    device->GetDisplayConfig(display_);
    // The dialog works on copies; only the configuration comes back, and
    // only after OK.
    ClockConfig workingConfig = config_;
    DisplayConfig workingDisplay = display_;
    {
        CSetClockFace dialog(this, workingConfig, workingDisplay, *device);
        if (RunModal(dialog) == QDialog::Accepted)
            config_ = workingConfig;
    }
    // Sent after OK and after Cancel alike: this is what sets the hands
    // moving again, in the chosen motion or as before.
    config_.configured = 1;
    config_.valid = 1;
    device->SetConfig(config_);
    // Should this send never arrive, the next connection finds the hands
    // stopped and offers to start them in this motion.
    stoppedHands_.Remember(device->GetSerialNumber(), config_.handMotion);
    CheckLink(*device, kStrErrorSettingConfig);
}

void CKerovantDlg::OfferToStartHands(const std::shared_ptr<CClockDevice>& device)
{
    // A command's dialog (the hand position dialog above all) may have the
    // hands stopped on purpose.
    if (!CommandAllowed() || !opened_ || !stoppedHands_.TakeQuestion(device))
        return;
    // Asked once the refresh is over: the question waits for the user, and
    // the refresh's copy of the device object must not keep it (and its
    // port) alive meanwhile.
    QTimer::singleShot(0, this, &CKerovantDlg::AskToStartHands);
}

void CKerovantDlg::AskToStartHands()
{
    if (!CommandAllowed() || !opened_) {
        stoppedHands_.ForgetAsked();  // a command came first; ask after it
        return;
    }
    const CommandScope running(commandRunning_);
    const QMessageBox::StandardButton answer =
        ShowMessage(this, QMessageBox::Question, QString(), QString::fromUtf8(kStrHandsStopped),
                    QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    CClockConnection::Hold device = BeginCommand();
    if (!device)
        return;
    // The link may have been renewed while the question was open: this
    // answer counts for the object now current.
    stoppedHands_.MarkAsked(device.Device());
    ClockConfig config;
    device->GetConfig(config);
    if (config.handMotion != kHandsStopped)
        return;
    config.handMotion = stoppedHands_.RestartMotion(device->GetSerialNumber());
    device->SetConfig(config);
    CheckLink(*device, kStrErrorSettingConfig);
}
