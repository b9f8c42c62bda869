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
//
// The waits run the event loop inside the command (see each one for why);
// the rule that nothing else starts meanwhile is kept by the busy state
// (no input reaches any window) and by Allowed (what comes without an
// event, such as an assistive technology's press, is refused).
#include "WindowCommands.h"

#include "ClockDateTime.h"
#include "DstConvert.h"
#include "DstDlg.h"
#include "DstPreview.h"
#include "EventLoopWait.h"
#include "ModalSeam.h"
#include "SecondSet.h"
#include "SetClockFaceDlg.h"
#include "SetDateTimeDlg.h"
#include "StatusText.h"
#include "Strings.h"
#include "Translations.h"
#include "TimeCodeSettingsDlg.h"
#include "TzDlg.h"
#include "WindowConnection.h"

#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace {

// The program is busy for as long as one lives.
class BusyStep {
public:
    explicit BusyStep(ICommandWindow& window) : window_(window) { window_.ShowBusy(true); }
    ~BusyStep() { window_.ShowBusy(false); }
    BusyStep(const BusyStep&) = delete;
    BusyStep& operator=(const BusyStep&) = delete;

private:
    ICommandWindow& window_;
};

}  // namespace

CWindowCommands::CWindowCommands(ICommandWindow& window, CWindowConnection& connection)
    : window_(window), connection_(connection)
{
}

bool CWindowCommands::Allowed() const
{
    // A second command inside the first would open its dialog inside the
    // first one's wait or on top of its dialog, and the first would go on
    // with the device object and the message of a moment long gone. The
    // busy state keeps the keyboard and the mouse away; what comes without
    // an event (an assistive technology's press on a button) is refused here.
    return !running_ && !CBusyScope::Active();
}

CClockConnection::Hold CWindowCommands::BeginCommand()
{
    // The wait runs the event loop inside (CWindowConnection::WaitForClock,
    // busy meanwhile) and stays so: the command goes on with the held object
    // at once, and a command has ended, its message said, when its call
    // returns, which its callers rely on.
    if (connection_.WaitForClock()) {
        // A replacement may have begun since the last check.
        CClockConnection::Hold device = connection_.HoldDevice();
        if (device && device->IsOnline() && device->IsReady())
            return device;
    }
    window_.ShowMessage(Tr(kStrNoCommunication));
    return {};
}

CClockConnection::Hold CWindowCommands::ResumeCommand(uint32_t serialNumber)
{
    CClockConnection::Hold device = BeginCommand();
    if (device && device->GetSerialNumber() != serialNumber) {
        // What the user chose was chosen for the other clock.
        window_.ShowMessage(Tr(kStrClockChanged));
        return {};
    }
    return device;
}

CClockConnection::Hold CWindowCommands::HoldSameClock(uint32_t serialNumber)
{
    CClockConnection::Hold device = connection_.HoldDevice();
    if (device && device->IsOnline() && device->IsReady() && device->GetSerialNumber() == serialNumber)
        return device;
    return {};
}

bool CWindowCommands::AwaitWrite(const CClockDevice& device, const WriteTicket& ticket, const char* message)
{
    // A later configuration write to the clock decides what it holds.
    if (ticket.kind == WriteKind::Config && unconfirmed_ && unconfirmed_->serialNumber == device.GetSerialNumber())
        unconfirmed_.reset();
    // No ticket: the device object took no write (its lock was not had).
    WriteOutcome outcome = WriteOutcome::LinkLost;
    if (ticket) {
        // The link decides every write within its own waits (about 2 s at
        // the most); the limit only keeps a window that misses the outcome
        // from waiting for ever. Meanwhile the windows keep painting, busy
        // and taking no other input. The wait stays inside the command: the
        // device object tells no one when a write is decided, and what the
        // command does next (reload the slider, say the correction is done)
        // depends on the outcome.
        const BusyStep busy(window_);
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
        window_.ShowMessage(Tr(message) + QLatin1Char('\n') + Tr(kStrWriteUnconfirmed));
        return false;
    }
    // The write's own outcome, not the link's state now: a write the clock
    // acknowledged before the cable was pulled has landed.
    window_.ShowMessage(WriteFailureMessage(message, outcome));
    return false;
}

void CWindowCommands::ConfirmAcknowledged(const std::shared_ptr<CClockDevice>& device)
{
    // Not while a command runs: it may be writing the configuration itself.
    if (!unconfirmed_ || !Allowed() || device->GetSerialNumber() != unconfirmed_->serialNumber ||
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

void CWindowCommands::TellDiffers(const char* message)
{
    if (!window_.IsOpen())
        return;
    if (!Allowed()) {
        // A command came first; told after it.
        QTimer::singleShot(kRetryMs, this, [this, message] { TellDiffers(message); });
        return;
    }
    const Running running(*this);
    window_.ShowMessage(WriteFailureMessage(message, WriteOutcome::Differs));
}

void CWindowCommands::SetIllumination(uint8_t level)
{
    if (!Allowed())
        return;
    const Running running(*this);
    CClockConnection::Hold device = BeginCommand();
    if (!device)
        return;
    if (!SendConfig(device, kStrErrorSettingIllumination,
                    [level](ClockConfig& config) { config.illumination = level; })) {
        // The slider shows again what the device object knows of the clock
        // (a new object reads it afresh).
        window_.RefreshDisplay();
    }
}

void CWindowCommands::SetTimeZone()
{
    ChangeConfig(kStrErrorSettingConfig, [this](const ClockConfig& read) -> ConfigEdit {
        // The dialog edits the bias alone. Its fields hold at most 23:59:59;
        // a bias beyond 32 bits shows as the largest one rather than folded
        // onto a small one.
        DstRuleSet block;
        block.bias = static_cast<int32_t>(std::clamp<int64_t>(
            ClockStandardBias(read), std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
        CTzDlg dialog(window_.DialogParent(), block);
        // A modal dialog: its exec runs the event loop until it closes.
        if (RunModal(dialog) != QDialog::Accepted)
            return {};
        return [bias = dialog.Result().bias](ClockConfig& config) {
            StoreStandardBias(config, bias);
            config.configured = 1;
            config.valid = 1;
        };
    });
}

void CWindowCommands::SetDaylightSaving()
{
    ChangeConfig(kStrErrorSettingConfig, [this](const ClockConfig& read) -> ConfigEdit {
        // The dialog starts from the clock's rules alone.
        const DstSettings rules = DstSettingsFromConfig(read);
        CDstDlg dialog(window_.DialogParent(), rules.rules, rules.utcReference, rules.mode);
        // Local rules change on the clock's own face: the preview needs
        // its bias.
        dialog.SetClockBias(ClockStandardBias(read));
        if (RunModal(dialog) != QDialog::Accepted)
            return {};
        return [chosen = DstSettings{dialog.Rules(), dialog.Mode(), dialog.UtcReference()}](ClockConfig& config) {
            StoreDstSettings(chosen, config);
        };
    });
}

void CWindowCommands::SetDateTime()
{
    if (!Allowed())
        return;
    const Running running(*this);
    uint32_t serialNumber = 0;
    {
        // Not held while the dialog is open (see ChangeConfig).
        const CClockConnection::Hold device = BeginCommand();
        if (!device)
            return;
        serialNumber = device->GetSerialNumber();
    }
    CSetDateTimeDlg dialog(window_.DialogParent());
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

void CWindowCommands::SetDateTimeOnTheSecond(CClockDevice& device)
{
    // Up to about a second until the boundary, and the clock's answer: the
    // windows keep painting, busy and taking no other input. The link times
    // the frame itself; this thread only waits for the outcome. The pause
    // runs the event loop inside: SetClockOnTheSecond decides when the time
    // goes out and what became of it in one call.
    const BusyStep busy(window_);
    const SecondSetResult result = SetClockOnTheSecond(
        device, [](std::chrono::milliseconds time) { PauseEvents(static_cast<int>(time.count())); });
    // Whatever kept the time from going out is a failure to set it, even
    // with the link still up; a time the clock acknowledged has been set,
    // whatever became of the link since.
    if (result.outcome != SecondSetResult::Outcome::Sent)
        window_.ShowMessage(Tr(kStrErrorSettingTime));
}

void CWindowCommands::SetTimeCodeSettings()
{
    ChangeConfig(kStrErrorSettingTimeCode, [this](const ClockConfig& read) -> ConfigEdit {
        const auto useDate = static_cast<uint8_t>(read.useTimeCodeDate() | read.useTimeCodeDateAlt());
        CTimeCodeSettingsDlg dialog(window_.DialogParent(), useDate);
        if (RunModal(dialog) != QDialog::Accepted)
            return {};
        return [flag = dialog.Choice()](ClockConfig& config) {
            config.useTimeCodeDate() = flag;
            config.useTimeCodeDateAlt() = flag;
        };
    });
}

void CWindowCommands::ChangeConfig(const char* message, const std::function<ConfigEdit(const ClockConfig&)>& ask)
{
    if (!Allowed())
        return;
    const Running running(*this);
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

bool CWindowCommands::SendConfig(CClockConnection::Hold& device, const char* message, const ConfigEdit& edit)
{
    // The fields the user changed, on the configuration the clock holds now:
    // whatever else changed since the dialog opened stays as it is.
    ClockConfig config;
    device->GetConfig(config);
    edit(config);
    WriteTicket ticket;
    device->SetConfig(config, ticket);
    return AwaitWrite(*device, ticket, message);
}

void CWindowCommands::SetClockHandPosition()
{
    if (!Allowed())
        return;
    const Running running(*this);
    uint32_t serialNumber = 0;
    ClockConfig config;
    DisplayConfig display;
    {
        const CClockConnection::Hold device = BeginCommand();
        if (!device)
            return;
        device->GetConfig(config);
        (void)ValidateConfigShadow(config);
        device->GetDisplayConfig(display);
        serialNumber = device->GetSerialNumber();
    }
    // The dialog works on copies; only the configuration comes back, and
    // only after OK. It finds the clock for each send: held for the send,
    // the object stays the current one until the send is over.
    ClockConfig workingConfig = config;
    {
        CSetClockFaceDlg dialog(window_.DialogParent(), workingConfig, display, [this, serialNumber] {
            auto held = std::make_shared<CClockConnection::Hold>(HoldSameClock(serialNumber));
            return *held ? std::shared_ptr<CClockDevice>(held, held->Device().get()) : nullptr;
        });
        if (RunModal(dialog) == QDialog::Accepted)
            config = workingConfig;
    }
    // Sent after OK and after Cancel alike: this is what sets the hands
    // moving again, in the chosen motion or as before. Should this send
    // never arrive, the next connection finds the hands stopped and offers
    // to start them in this motion.
    config.configured = 1;
    config.valid = 1;
    stoppedHands_.Remember(serialNumber, config.handMotion);
    CClockConnection::Hold device = ResumeCommand(serialNumber);
    if (!device)
        return;
    WriteTicket ticket;
    device->SetConfig(config, ticket);
    AwaitWrite(*device, ticket, kStrErrorSettingConfig);
}

void CWindowCommands::OfferToStartHands(const std::shared_ptr<CClockDevice>& device)
{
    // A command's dialog (the hand position dialog above all) may have the
    // hands stopped on purpose.
    if (!Allowed() || !window_.IsOpen() || !stoppedHands_.TakeQuestion(device))
        return;
    // Asked once the refresh is over: the question waits for the user, and
    // the refresh's copy of the device object must not keep it (and its
    // port) alive meanwhile.
    QTimer::singleShot(0, this, &CWindowCommands::AskToStartHands);
}

void CWindowCommands::AskToStartHands()
{
    if (!Allowed() || !window_.IsOpen()) {
        stoppedHands_.ForgetAsked();  // a command came first; ask after it
        return;
    }
    const Running running(*this);
    // A message box: its exec runs the event loop until the user answers.
    const QMessageBox::StandardButton answer = ShowMessage(window_.DialogParent(), QMessageBox::Question, QString(),
                                                           Tr(kStrHandsStopped), QMessageBox::Yes | QMessageBox::No);
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

void CWindowCommands::OfferToCorrectConfig(const std::shared_ptr<CClockDevice>& device)
{
    if (!Allowed() || !window_.IsOpen())
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
    QTimer::singleShot(0, this, &CWindowCommands::AskToCorrectConfig);
}

void CWindowCommands::AskToCorrectConfig()
{
    if (!Allowed() || !window_.IsOpen()) {
        configToldFor_.reset();  // a command came first; tell after it
        return;
    }
    const Running running(*this);
    CClockConnection::Hold device = BeginCommand();
    if (!device)
        return;
    const ConfigCheck check = device->GetConfigCheck();
    if (check.problems.empty() || !check.confirmed)
        return;
    CorrectConfig(device, check);
}

void CWindowCommands::CorrectConfig(CClockConnection::Hold& device, const ConfigCheck& check)
{
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
    QWidget* parent = window_.DialogParent();
    if (!mendable) {
        ShowMessage(parent, QMessageBox::Warning, QString(), text, QMessageBox::Ok);
        return;
    }
    text += QStringLiteral("\n\n") + Tr(kStrConfigCorrect);
    if (ShowMessage(parent, QMessageBox::Question, QString(), text, QMessageBox::Yes | QMessageBox::No) !=
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
        window_.ShowMessage(Tr(kStrConfigCorrected));
}
