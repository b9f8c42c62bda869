// The main window: what the clock reports (local and UTC time, time code
// kind, firmware version, serial number), the buttons of the settings
// dialogs, the illumination slider, and the product's name in the title.
//
// A 200 ms timer runs Refresh, which copies the clock device object's cached
// values through its getters and never talks to the clock itself. While the
// clock stays offline the window has the device object replaced every 16
// refreshes; the connection owner (CWindowConnection) carries the
// replacement out on its own thread, defers it while a command holds the
// object, and says when the object has changed.
//
// Thread rules: the window's members belong to the user-interface thread.
// The identification read's messages come from the device's link thread
// through the connection owner, which posts them here; the link thread waits
// until the user closes the box (LinkMessage::Dismiss) or the device is shut
// down (LinkMessage::Cancel). The boxes are not modal: closing the main
// window always works, and closes them with it.
#pragma once

#include "ClockDevice.h"
#include "ClockRecords.h"
#include "DstRuleSet.h"
#include "StoppedHands.h"
#include "WindowConnection.h"

#include "DialogUnits.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CConnectionMenu;
class QAction;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;
class QSlider;
class QTimer;
class QVBoxLayout;

class CKerovantDlg : public QDialog {
    Q_OBJECT

public:
    // Control ids of the main window; each control also carries an objectName.
    enum ControlId : int {
        kIdOk = 1,
        kIdTimeZone = 1000,
        kIdDaylightSavings = 1001,
        kIdClockHandPosition = 1002,
        kIdSetDateTime = 1003,
        kIdLocalTime = 1075,
        kIdUtcTime = 1076,
        kIdTimeCodeStatus = 1083,
        kIdTimeCodeSettings = 1084,
        kIdFirmwareVersion = 1087,
        kIdSerialNumber = 1088,
        kIdIllumination = 1090,
        kIdIlluminationLabel = 1091,
    };

    // Each refresh is also a look of the connection's offline replacement
    // (COfflineReplacement), which counts on this period.
    static constexpr int kRefreshIntervalMs = static_cast<int>(COfflineReplacement::kLookInterval.count());
    static constexpr int kIlluminationMin = 0;
    static constexpr int kIlluminationMax = 12;
    // A level set with the keyboard or the wheel goes to the clock once the
    // slider has rested this long.
    static constexpr int kIlluminationRestMs = 300;
    // The longest a command waits for what became of its write; the link
    // decides each within about 2 s.
    static constexpr int kWriteOutcomeWaitMs = 5000;

    // connection: the owner of the device object; it outlives the window.
    CKerovantDlg(QWidget* parent, CWindowConnection* connection);
    ~CKerovantDlg() override;
    CKerovantDlg(const CKerovantDlg&) = delete;
    CKerovantDlg& operator=(const CKerovantDlg&) = delete;

    // The control with the given id, or null.
    QWidget* Control(int id) const;
    // The device object the window shows; null while a replacement is on its
    // way.
    std::shared_ptr<CClockDevice> Device() const { return connection_->Device(); }
    CWindowConnection* Connection() const { return connection_; }
    // The Connection menu of the window's context menu.
    CConnectionMenu* ConnectionMenu() const { return connectionMenu_; }

    void done(int result) override;

public slots:
    // One refresh of the status display (what the 200 ms timer runs).
    void Refresh();
    // Closes the current device object's message boxes and has it replaced:
    // the old object is shut down and freed and a new one made, off this
    // thread; deviceReplaced follows. Does nothing while a replacement is on
    // its way; waits while a command holds the object.
    void ReplaceDevice();
    // Opens the About box modally.
    void ShowAbout();
    // Asks for a file and writes the link's latest events into it.
    void SaveLinkTrace();
    // Talks to the clock on another device from now on (empty: the first
    // USB bridge found): the next device objects are made for it and the
    // current one is replaced at once; connectionChosen follows.
    void ChooseConnection(const QString& devicePath);

    // The commands of the buttons and the slider. Each waits for the clock
    // (the window keeps painting, shows a busy cursor and takes no other
    // input), reads what it edits from the device object, runs its dialog,
    // and hands the result to the device object to send.
    void SetIlluminationFromSlider();
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

signals:
    // The device object has been replaced.
    void deviceReplaced();
    // The user chose another connection (see ChooseConnection).
    void connectionChosen(const QString& devicePath);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct OpenMessage {
        QPointer<QMessageBox> box;
        std::shared_ptr<LinkMessage> message;
    };

    // Marks a command (or another modal step of the window) as running for
    // as long as it lives.
    class CommandScope {
    public:
        explicit CommandScope(bool& running) : running_(running) { running_ = true; }
        ~CommandScope() { running_ = false; }
        CommandScope(const CommandScope&) = delete;
        CommandScope& operator=(const CommandScope&) = delete;

    private:
        bool& running_;
    };

    void BuildControls();
    // Margins, spacings and minimum sizes from the current font.
    void ApplyMetrics();
    void Open();
    void ShowOffline(const CClockDevice* device);
    void ShowReady(CClockDevice& device);
    // The line under the UTC time: how far the clock is from this computer;
    // hidden while the clock is offline.
    void ShowClockOffset(const CClockDevice* device);
    Sentence CauseLine(const CClockDevice& device) const;
    // The cause line under the status: shown only when there is a cause.
    void ShowCause(const Sentence& cause);
    // A clock whose protocol has no illumination gets a disabled slider that
    // says why.
    void ShowIlluminationAvailable(const FirmwareVersion& firmware);
    // The context menu for keyboard users without a menu key (Shift+F10).
    void OpenContextMenu();
    void SetText(QLineEdit* edit, const std::string& text);
    void SetText(QLabel* label, const std::string& text);
    // A text already in the user's language.
    void SetTranslated(QLabel* label, const QString& text);
    // Shows a text as it is, and reads it aloud with the box's caption.
    void SetShown(QLineEdit* edit, const QString& value);
    // A clock time in the reader's format.
    static QString TimeText(const ClockTime& time);

    void OnDeviceChanged();
    // The status display brought up to date now, between refreshes, without
    // counting a tick: a port that appeared or went, a new device object.
    void ShowNow();
    // One refresh; tick: counts towards the replacement of an offline object.
    void Update(bool tick);

    // Nothing runs (no command, no modal step of the window, no wait): a
    // command, the About box, the file dialog or closing the window may
    // start.
    bool CommandAllowed() const;
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
    // A ready clock, no command running: the first read of the clock an
    // acknowledged configuration went to decides it; one that shows other
    // values is told.
    void ConfirmAcknowledged(const std::shared_ptr<CClockDevice>& device);
    // Says that the clock holds other values than the write left there.
    void TellDiffers(const char* message);
    // What a dialog changed, applied to the configuration the clock holds
    // when it is sent.
    using ConfigEdit = std::function<void(ClockConfig&)>;
    // The configuration commands' common road: waits for the clock, reads
    // its configuration, lets `ask` run the dialog on it (an empty edit:
    // the user cancelled, nothing is sent), then waits for the same clock
    // again and sends (SendConfig).
    void ChangeConfig(const char* message, const std::function<ConfigEdit(const ClockConfig&)>& ask);
    // Reads the held clock's configuration afresh into config_, applies the
    // edit, sends it and waits for it (AwaitWrite); true when it landed.
    bool SendConfig(CClockConnection::Hold& device, const char* message, const ConfigEdit& edit);
    // A ready clock with its hands stopped and no command running: asks
    // once per connection whether to start them again (AskToStartHands,
    // after the refresh has let go of the device object).
    void OfferToStartHands(const std::shared_ptr<CClockDevice>& device);
    // The question itself; on Yes sends the configuration with the motion
    // the hands were last meant to have.
    void AskToStartHands();
    // A ready clock whose configuration two reads alike found out of range
    // and no command running: tells the user once per finding what is
    // wrong and offers the correction (AskToCorrectConfig, after the
    // refresh has let go of the device object).
    void OfferToCorrectConfig(const std::shared_ptr<CClockDevice>& device);
    void AskToCorrectConfig();
    // The slider moved by the keyboard or the wheel: sent once it rests.
    void OnIlluminationMoved();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void OpenMessageBox(std::shared_ptr<LinkMessage> message);
    // Closes the boxes whose device object has been shut down (all of them
    // with closeAll) and forgets the ones already answered.
    void CloseOrphanedMessages(bool closeAll = false);

    CWindowConnection* connection_;
    bool illuminationPending_ = false;
    // The level the slider stands at, as loaded or as the user last set it.
    int illuminationLevel_ = 0;
    // A command is running (its wait or its dialog), or the About box or
    // the file dialog is open; the slider's rest timer waits for it to end.
    bool commandRunning_ = false;
    // The configuration and display configuration the commands work on, and
    // the rule set they exchange with the time zone and daylight-saving
    // dialogs.
    ClockConfig config_;
    DisplayConfig display_;
    DstRuleSet exchange_;
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
    QTimer* illuminationRest_ = nullptr;
    bool opened_ = false;
    // The connection's hot-plug replacements the refresh has seen: one
    // restarts the count to the next replacement.
    uint64_t hotPlugsSeen_ = 0;
    // The size the window was last fitted to its font.
    TemplateSize templateSize_{320, 200};  // the template, in dialog units

    QTimer* refreshTimer_ = nullptr;
    std::vector<OpenMessage> messages_;

    QVBoxLayout* rootLayout_ = nullptr;
    QGridLayout* grid_ = nullptr;
    QVBoxLayout* statusColumn_ = nullptr;
    QVBoxLayout* buttonColumn_ = nullptr;
    QVBoxLayout* sliderColumn_ = nullptr;
    std::vector<QVBoxLayout*> captionedBoxes_;

    QLineEdit* localTime_ = nullptr;
    QLineEdit* utcTime_ = nullptr;
    QLabel* clockOffset_ = nullptr;
    QLineEdit* timeCodeStatus_ = nullptr;
    QLabel* firmwareVersion_ = nullptr;
    QLabel* serialNumber_ = nullptr;
    QLabel* offlineReason_ = nullptr;
    std::vector<QPushButton*> commandButtons_;
    QSlider* illumination_ = nullptr;
    QLabel* illuminationLabel_ = nullptr;
    QPushButton* ok_ = nullptr;
    QAction* aboutAction_ = nullptr;
    QAction* saveTraceAction_ = nullptr;
    CConnectionMenu* connectionMenu_ = nullptr;
};
