// The main window's commands: the five buttons and the illumination slider.
//
// Every command follows one pattern: wait until the clock is online and
// identified (at most 40 checks 50 ms apart), take what it edits from the
// device object, let a dialog edit a copy, and hand the result to the device
// object, which sends it from its own thread. The command then waits for
// what became of that write (the window painting, busy and taking no other
// input) and says what failed unless it landed; Set DateTime from the PC
// clock waits for its write on a second boundary.
//
// No command holds the device object while its dialog is open: a clock
// unplugged and plugged back meanwhile gets its new object at once. The
// settings dialogs do not talk to the clock; on OK their commands wait for
// the clock again and send to it only when it is the same clock (by its
// serial number), changing only the fields their dialog edits on the
// configuration it holds then. The hand position dialog talks to the clock
// while it is open: it finds the same clock's object of the moment for each
// send and holds it only for that send.
//
// A configuration the clock acknowledged whose read-back the lost link cut
// off is on the clock all the same, only not yet seen there: the window
// says so, and checks it with the first read of the same clock once it is
// back, telling the user only when the clock holds other values.
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
#include "StatusText.h"
#include "Strings.h"
#include "Translations.h"
#include "TimeCodeSettings.h"
#include "TzDlg.h"

#include <QEvent>
#include <QMouseEvent>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <limits>

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
    if (connection_->WaitForClock()) {
        // A replacement may have begun since the last check.
        CClockConnection::Hold device = connection_->HoldDevice();
        if (device && device->IsOnline() && device->IsReady())
            return device;
    }
    ShowProgramMessage(this, Tr(kStrNoCommunication));
    return {};
}

CClockConnection::Hold CKerovantDlg::ResumeCommand(uint32_t serialNumber)
{
    CClockConnection::Hold device = BeginCommand();
    if (device && device->GetSerialNumber() != serialNumber) {
        // What the user chose was chosen for the other clock.
        ShowProgramMessage(this, Tr(kStrClockChanged));
        return {};
    }
    return device;
}

CClockConnection::Hold CKerovantDlg::HoldSameClock(uint32_t serialNumber)
{
    CClockConnection::Hold device = connection_->HoldDevice();
    if (device && device->IsOnline() && device->IsReady() && device->GetSerialNumber() == serialNumber)
        return device;
    return {};
}

bool CKerovantDlg::AwaitWrite(const CClockDevice& device, const WriteTicket& ticket, const char* message)
{
    // A later configuration write to the clock decides what it holds.
    if (ticket.kind == WriteKind::Config && unconfirmed_ && unconfirmed_->serialNumber == device.GetSerialNumber())
        unconfirmed_.reset();
    // No ticket: the device object took no write (its lock was not had).
    WriteOutcome outcome = WriteOutcome::LinkLost;
    if (ticket) {
        // The link decides every write within its own waits (about 2 s at
        // the most); the limit only keeps a window that misses the outcome
        // from waiting for ever. Meanwhile the window keeps painting, shows
        // it is busy and takes no other input.
        const BusyScope busy;
        RunEventsUntil(
            [&] {
                outcome = device.GetWriteOutcome(ticket);
                return IsFinal(outcome);
            },
            kWriteOutcomeWaitMs);
    }
    if (outcome == WriteOutcome::Landed)
        return true;
    ClockConfig expected;
    if (outcome == WriteOutcome::LinkLost && device.GetAcknowledgedConfig(ticket, expected)) {
        // Acknowledged, and the link lost before the read-back: checked once
        // the clock is back (ConfirmAcknowledged).
        unconfirmed_ = Unconfirmed{device.GetSerialNumber(), expected, message};
        ShowProgramMessage(this, Tr(message) + QLatin1Char('\n') + Tr(kStrWriteUnconfirmed));
        return false;
    }
    // The write's own outcome, not the link's state now: a write the clock
    // acknowledged before the cable was pulled has landed.
    ShowProgramMessage(this, WriteFailureMessage(message, outcome));
    return false;
}

void CKerovantDlg::ConfirmAcknowledged(const std::shared_ptr<CClockDevice>& device)
{
    // Not while a command runs: it may be writing the configuration itself.
    if (!unconfirmed_ || !CommandAllowed() || device->GetSerialNumber() != unconfirmed_->serialNumber ||
        !device->NoWritePending())
        return;
    ClockConfig held;
    device->GetConfig(held);
    const Unconfirmed write = *unconfirmed_;
    unconfirmed_.reset();
    if (ConfigShowsWrite(held, write.expected, device->GetProtocolVersion()))
        return;  // landed
    // Told once the refresh is over, as the other questions are.
    QTimer::singleShot(0, this, [this, message = write.message] { TellDiffers(message); });
}

void CKerovantDlg::TellDiffers(const char* message)
{
    if (!opened_)
        return;
    if (!CommandAllowed()) {
        // A command came first; told after it.
        QTimer::singleShot(kRefreshIntervalMs, this, [this, message] { TellDiffers(message); });
        return;
    }
    const CommandScope running(commandRunning_);
    ShowProgramMessage(this, WriteFailureMessage(message, WriteOutcome::Differs));
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
    const auto level = static_cast<uint8_t>(illumination_->value());
    const CommandScope running(commandRunning_);
    CClockConnection::Hold device = BeginCommand();
    if (!device)
        return;
    if (!SendConfig(device, kStrErrorSettingIllumination,
                    [level](ClockConfig& config) { config.illumination = level; })) {
        // The slider shows again what the device object knows of the clock
        // (a new object reads it afresh).
        illuminationPending_ = true;
    }
}

void CKerovantDlg::SetTimeZone()
{
    ChangeConfig(kStrErrorSettingConfig, [this](const ClockConfig& read) -> ConfigEdit {
        // The dialog's fields hold at most 23:59:59; a bias beyond 32 bits
        // shows as the largest one rather than folded onto a small one.
        exchange_.bias = static_cast<int32_t>(std::clamp<int64_t>(
            ClockStandardBias(read), std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
        CTzDlg dialog(this, exchange_);
        if (RunModal(dialog) != QDialog::Accepted)
            return {};
        exchange_ = dialog.Result();
        return [bias = exchange_.bias](ClockConfig& config) {
            StoreStandardBias(config, bias);
            config.configured = 1;
            config.valid = 1;
        };
    });
}

void CKerovantDlg::SetDaylightSaving()
{
    ChangeConfig(kStrErrorSettingConfig, [this](const ClockConfig& read) -> ConfigEdit {
        // The exchange block starts over from the clock's rules alone.
        const DstSettings rules = DstSettingsFromConfig(read);
        exchange_ = rules.rules;
        uint8_t mode = rules.mode;
        CDstDlg dialog(this, exchange_, rules.utcReference, &mode);
        // Local rules change on the clock's own face: the preview needs
        // its bias.
        dialog.SetClockBias(ClockStandardBias(read));
        if (RunModal(dialog) != QDialog::Accepted)
            return {};
        exchange_ = dialog.Rules();
        return [chosen = DstSettings{exchange_, mode, dialog.UtcReference()}](ClockConfig& config) {
            StoreDstSettings(chosen, config);
        };
    });
}

void CKerovantDlg::SetDateTime()
{
    if (!CommandAllowed())
        return;
    const CommandScope running(commandRunning_);
    uint32_t serialNumber = 0;
    {
        // Not held while the dialog is open (see ChangeConfig).
        const CClockConnection::Hold device = BeginCommand();
        if (!device)
            return;
        serialNumber = device->GetSerialNumber();
    }
    CSetDateTime dialog(this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    const CClockConnection::Hold device = ResumeCommand(serialNumber);
    if (!device)
        return;
    if (!dialog.CustomMode()) {
        SetDateTimeOnTheSecond(*device);
        return;
    }
    ClockDateTime when = dialog.Result();
    when.valid = 1;
    WriteTicket ticket;
    device->SetClockTime(CalendarToTimeValue(when), ticket);
    AwaitWrite(*device, ticket, kStrErrorSettingTime);
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
    // with the link still up; a time the clock acknowledged has been set,
    // whatever became of the link since.
    if (result.outcome != SecondSetResult::Outcome::Sent)
        ShowProgramMessage(this, Tr(kStrErrorSettingTime));
}

void CKerovantDlg::SetTimeCodeSettings()
{
    ChangeConfig(kStrErrorSettingTimeCode, [this](const ClockConfig& read) -> ConfigEdit {
        uint8_t useDate = read.useTimeCodeDate() | read.useTimeCodeDateAlt();
        CTimeCodeSettings dialog(this, &useDate);
        if (RunModal(dialog) != QDialog::Accepted)
            return {};
        return [flag = uint8_t{useDate != 0 ? uint8_t{1} : uint8_t{0}}](ClockConfig& config) {
            config.useTimeCodeDate() = flag;
            config.useTimeCodeDateAlt() = flag;
        };
    });
}

void CKerovantDlg::ChangeConfig(const char* message, const std::function<ConfigEdit(const ClockConfig&)>& ask)
{
    if (!CommandAllowed())
        return;
    const CommandScope running(commandRunning_);
    ClockConfig read;
    uint32_t serialNumber = 0;
    {
        // Not held while the dialog is open: the dialog does not talk to
        // the clock, and a clock unplugged and plugged back meanwhile gets
        // its new device object at once, instead of the window showing it
        // offline until the dialog closes.
        const CClockConnection::Hold device = BeginCommand();
        if (!device)
            return;
        device->GetConfig(read);
        // A dialog only ever sees values in range; the write mends the
        // same fields in the same way.
        (void)ValidateConfigShadow(read);
        serialNumber = device->GetSerialNumber();
    }
    const ConfigEdit edit = ask(read);
    if (!edit)
        return;
    CClockConnection::Hold device = ResumeCommand(serialNumber);
    if (device)
        SendConfig(device, message, edit);
}

bool CKerovantDlg::SendConfig(CClockConnection::Hold& device, const char* message, const ConfigEdit& edit)
{
    // The fields the user changed, on the configuration the clock holds now:
    // whatever else changed since the dialog opened stays as it is.
    config_ = ClockConfig{};
    device->GetConfig(config_);
    edit(config_);
    WriteTicket ticket;
    device->SetConfig(config_, ticket);
    return AwaitWrite(*device, ticket, message);
}

void CKerovantDlg::SetClockHandPosition()
{
    if (!CommandAllowed())
        return;
    const CommandScope running(commandRunning_);
    uint32_t serialNumber = 0;
    {
        const CClockConnection::Hold device = BeginCommand();
        if (!device)
            return;
        config_ = ClockConfig{};
        display_ = DisplayConfig{};
        device->GetConfig(config_);
        (void)ValidateConfigShadow(config_);
        device->GetDisplayConfig(display_);
        serialNumber = device->GetSerialNumber();
    }
    // The dialog works on copies; only the configuration comes back, and
    // only after OK. It finds the clock for each send: held for the send,
    // the object stays the current one until the send is over.
    ClockConfig workingConfig = config_;
    DisplayConfig workingDisplay = display_;
    {
        CSetClockFace dialog(this, workingConfig, workingDisplay, [this, serialNumber] {
            auto held = std::make_shared<CClockConnection::Hold>(HoldSameClock(serialNumber));
            return *held ? std::shared_ptr<CClockDevice>(held, held->Device().get()) : nullptr;
        });
        if (RunModal(dialog) == QDialog::Accepted)
            config_ = workingConfig;
    }
    // Sent after OK and after Cancel alike: this is what sets the hands
    // moving again, in the chosen motion or as before. Should this send
    // never arrive, the next connection finds the hands stopped and offers
    // to start them in this motion.
    config_.configured = 1;
    config_.valid = 1;
    stoppedHands_.Remember(serialNumber, config_.handMotion);
    CClockConnection::Hold device = ResumeCommand(serialNumber);
    if (!device)
        return;
    WriteTicket ticket;
    device->SetConfig(config_, ticket);
    AwaitWrite(*device, ticket, kStrErrorSettingConfig);
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
        ShowMessage(this, QMessageBox::Question, QString(), Tr(kStrHandsStopped), QMessageBox::Yes | QMessageBox::No);
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
    WriteTicket ticket;
    device->SetConfig(config, ticket);
    AwaitWrite(*device, ticket, kStrErrorSettingConfig);
}

void CKerovantDlg::OfferToCorrectConfig(const std::shared_ptr<CClockDevice>& device)
{
    if (!CommandAllowed() || !opened_)
        return;
    // Only a record read twice alike: one damaged reply the checksum
    // missed is not worth a write.
    const ConfigCheck check = device->GetConfigCheck();
    if (check.problems.empty() || !check.confirmed)
        return;
    if (configToldFor_.lock() == device && configToldReads_ == check.reads)
        return;
    configToldFor_ = device;
    configToldReads_ = check.reads;
    QTimer::singleShot(0, this, &CKerovantDlg::AskToCorrectConfig);
}

void CKerovantDlg::AskToCorrectConfig()
{
    if (!CommandAllowed() || !opened_) {
        configToldFor_.reset();  // a command came first; tell after it
        return;
    }
    const CommandScope running(commandRunning_);
    CClockConnection::Hold device = BeginCommand();
    if (!device)
        return;
    const ConfigCheck check = device->GetConfigCheck();
    if (check.problems.empty() || !check.confirmed)
        return;
    QStringList lines;
    bool mendable = false;
    bool unmendable = false;
    for (const ConfigProblem& problem : check.problems) {
        lines << QString::fromStdString(DescribeConfigProblems({problem}));
        (problem.mended ? mendable : unmendable) = true;
    }
    QString text = Tr(kStrConfigOutOfRange).arg(lines.join(QLatin1Char('\n')));
    if (unmendable)
        text += QStringLiteral("\n\n") + Tr(kStrConfigBiasNotMended);
    if (!mendable) {
        ShowMessage(this, QMessageBox::Warning, QString(), text, QMessageBox::Ok);
        return;
    }
    text += QStringLiteral("\n\n") + Tr(kStrConfigCorrect);
    if (ShowMessage(this, QMessageBox::Question, QString(), text, QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes)
        return;
    // The correction of the record as it stands now, sent as any change.
    ClockConfig config;
    device->GetConfig(config);
    (void)ValidateConfigShadow(config);
    NormaliseConfig(config);
    WriteTicket ticket;
    device->SetConfig(config, ticket);
    if (AwaitWrite(*device, ticket, kStrErrorSettingConfig))
        ShowProgramMessage(this, Tr(kStrConfigCorrected));
}
