// The main window's commands: the five buttons, the illumination slider, and
// the questions the window asks on its own (hands left stopped, a
// configuration out of range, an acknowledged write that the clock does not
// show).
//
// Every command follows one pattern: wait until the clock is online and
// identified (at most 40 checks 50 ms apart), take what it edits from the
// device object, let a dialog edit a copy, and hand the result to the device
// object, which sends it from its own thread. The command then waits for
// what became of that write (the windows painting, busy and taking no other
// input) and says what failed unless it landed; Set DateTime from the PC
// clock waits for its write on a second boundary. Each command keeps what it
// works on to itself; only what outlives a command (a configuration waiting
// to be confirmed, the questions already asked) is kept here.
//
// One command at a time: while one runs (its wait, its dialog or its
// message), another is refused, whether it comes from a button, the slider
// or a question of the window's own.
//
// The window is reached through ICommandWindow only, so that the commands
// run without it (tests give a fake).
//
// User-interface thread only.
#pragma once

#include "ClockConnection.h"
#include "ClockDevice.h"
#include "ClockRecords.h"
#include "StoppedHands.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class CWindowConnection;
class QWidget;

// What the commands need of the window they serve.
class ICommandWindow {
public:
    virtual ~ICommandWindow() = default;
    // The owner of the commands' dialogs and message boxes; null: none.
    virtual QWidget* DialogParent() = 0;
    // The program's own message, with an OK button.
    virtual void ShowMessage(const QString& text) = 0;
    // From true to the matching false the program is busy: a busy cursor,
    // and no input taken by any window. Nests.
    virtual void ShowBusy(bool busy) = 0;
    // A write did not land: the display shows again what the device object
    // knows of the clock (the slider its level) instead of what the user set.
    virtual void RefreshDisplay() = 0;
    // The window is open: the questions of its own are asked only then.
    virtual bool IsOpen() const = 0;
};

class CWindowCommands : public QObject {
public:
    // The longest a command waits for what became of its write; the link
    // decides each within about 2 s.
    static constexpr int kWriteOutcomeWaitMs = 5000;
    // How long a message that found a command running waits before it tries
    // again (a refresh of the window).
    static constexpr int kRetryMs = 200;

    // Both outlive the commands.
    CWindowCommands(ICommandWindow& window, CWindowConnection& connection);

    // Marks a command, or another modal step of the window (the About box,
    // a file dialog), as running for as long as it lives.
    class Running {
    public:
        explicit Running(CWindowCommands& commands) : commands_(commands) { commands_.running_ = true; }
        ~Running() { commands_.running_ = false; }
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;

    private:
        CWindowCommands& commands_;
    };

    // Nothing runs (no command, no modal step of the window, no wait): a
    // command, the About box, the file dialog or closing the window may
    // start.
    bool Allowed() const;

    // The commands. Each does nothing while another runs.
    void SetIllumination(uint8_t level);
    void SetTimeZone();
    void SetDaylightSaving();
    void SetDateTime();
    void SetTimeCodeSettings();
    // Opens the hand position dialog, which follows the clock through a
    // renewed link; whether it ends with OK or Cancel, the configuration is
    // sent to the same clock afterwards, which sets the hands moving again.
    void SetClockHandPosition();
    // Set DateTime with "UTC Time from PC clock": waits for the next whole
    // second of the computer's UTC and has it sent so that it reaches the
    // clock at that second's boundary.
    void SetDateTimeOnTheSecond(CClockDevice& device);

    // What a refresh that finds the clock ready hands on; each does nothing
    // while a command runs.
    // The first read of the clock an acknowledged configuration went to
    // decides it; one that shows other values is told.
    void ConfirmAcknowledged(const std::shared_ptr<CClockDevice>& device);
    // Hands stopped: asks once per connection whether to start them again.
    void OfferToStartHands(const std::shared_ptr<CClockDevice>& device);
    // A configuration two reads alike found out of range: tells the user
    // once per finding what is wrong and offers the correction.
    void OfferToCorrectConfig(const std::shared_ptr<CClockDevice>& device);

private:
    // What a dialog changed, applied to the configuration the clock holds
    // when it is sent.
    using ConfigEdit = std::function<void(ClockConfig&)>;

    // The start of every command: waits for the clock and holds its device
    // object for the command; says "No communication with clock." and gives
    // an empty hold when it does not come.
    CClockConnection::Hold BeginCommand();
    // After a dialog that let go of the device object: waits for the clock
    // as BeginCommand does and holds it, if it is still the clock with this
    // serial number; says that the clock changed and gives an empty hold
    // when it is another.
    CClockConnection::Hold ResumeCommand(uint32_t serialNumber);
    // The current device object, held, when it is the clock with this
    // serial number, online and identified; else an empty hold. No wait.
    CClockConnection::Hold HoldSameClock(uint32_t serialNumber);
    // After a write: waits for its outcome (at most kWriteOutcomeWaitMs)
    // and, unless it landed, says `message` with what became of the write on
    // a second line. True when it landed. A configuration the clock
    // acknowledged before the link was lost is said as such and kept for
    // ConfirmAcknowledged.
    bool AwaitWrite(const CClockDevice& device, const WriteTicket& ticket, const char* message);
    // The configuration commands' common road: waits for the clock, reads
    // its configuration, lets `ask` run the dialog on it (an empty edit:
    // the user cancelled, nothing is sent), then waits for the same clock
    // again and sends (SendConfig).
    void ChangeConfig(const char* message, const std::function<ConfigEdit(const ClockConfig&)>& ask);
    // Reads the held clock's configuration afresh, applies the edit, sends
    // it and waits for it (AwaitWrite); true when it landed.
    bool SendConfig(CClockConnection::Hold& device, const char* message, const ConfigEdit& edit);
    // Says that the clock holds other values than the write left there.
    void TellDiffers(const char* message);
    // The questions themselves, once the refresh has let go of the device
    // object.
    void AskToStartHands();
    void AskToCorrectConfig();
    // Tells the out-of-range findings and, on Yes, sends the correction.
    void CorrectConfig(CClockConnection::Hold& device, const ConfigCheck& check);

    ICommandWindow& window_;
    CWindowConnection& connection_;
    // A command or another modal step of the window is running.
    bool running_ = false;
    CStoppedHands stoppedHands_;
    // The latest configuration the clock acknowledged without a read-back
    // to confirm it: the clock's serial number, what it should hold, and the
    // message of its command.
    struct Unconfirmed {
        uint32_t serialNumber = 0;
        ClockConfig expected;
        const char* message = nullptr;
    };
    std::optional<Unconfirmed> unconfirmed_;
    // The device object and configuration read whose findings were last
    // told: each finding is told once.
    std::weak_ptr<CClockDevice> configToldFor_;
    uint32_t configToldReads_ = 0;
};
