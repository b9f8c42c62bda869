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
// until the user closes the box (CLinkMessage::Dismiss) or the device is shut
// down (CLinkMessage::Cancel). The boxes are not modal: closing the main
// window always works, and closes them with it.
#pragma once

#include "ClockDevice.h"
#include "ClockRecords.h"
#include "WindowCommands.h"
#include "WindowConnection.h"

#include "DialogUnits.h"

#include <QDialog>
#include <QPointer>

#include <memory>
#include <vector>

class CBusyScope;
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

class CKerovantDlg : public QDialog, private ICommandWindow {
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

    // The commands of the buttons and the slider (CWindowCommands). Each
    // waits for the clock (the window keeps painting, shows a busy cursor
    // and takes no other input), reads what it edits from the device
    // object, runs its dialog, and hands the result to the device object to
    // send.
    void SetIlluminationFromSlider();
    void SetTimeZone() { commands_->SetTimeZone(); }
    void SetDaylightSaving() { commands_->SetDaylightSaving(); }
    void SetDateTime() { commands_->SetDateTime(); }
    void SetTimeCodeSettings() { commands_->SetTimeCodeSettings(); }
    void SetClockHandPosition() { commands_->SetClockHandPosition(); }

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
        std::shared_ptr<CLinkMessage> message;
    };

    void BuildControls();
    void BuildStatusColumn();
    void BuildButtonColumn();
    void BuildOfflineReason();
    void BuildSliderAndOk();
    void LayOutControls();
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

    // Nothing runs (no command, no modal step of the window, no wait).
    bool CommandAllowed() const { return commands_->Allowed(); }
    // What the commands ask of the window.
    QWidget* DialogParent() override { return this; }
    void ShowMessage(const QString& text) override;
    void ShowBusy(bool busy) override;
    void RefreshDisplay() override { illuminationPending_ = true; }
    bool IsOpen() const override { return opened_; }
    // The slider moved by the keyboard or the wheel: sent once it rests.
    void OnIlluminationMoved();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void OpenMessageBox(std::shared_ptr<CLinkMessage> message);
    // Closes the boxes whose device object has been shut down (all of them
    // with closeAll) and forgets the ones already answered.
    void CloseOrphanedMessages(bool closeAll = false);

    CWindowConnection* connection_;
    bool illuminationPending_ = false;
    // The level the slider stands at, as loaded or as the user last set it.
    int illuminationLevel_ = 0;
    // The commands; while one runs (its wait or its dialog), or the About
    // box or the file dialog is open, the slider's rest timer waits for it
    // to end.
    std::unique_ptr<CWindowCommands> commands_;
    // What ShowBusy has begun and not yet ended.
    std::vector<std::unique_ptr<CBusyScope>> busy_;
    QTimer* illuminationRest_ = nullptr;
    bool opened_ = false;
    // The connection's hot-plug replacements the refresh has seen: one
    // restarts the count to the next replacement.
    uint64_t hotPlugsSeen_ = 0;
    // The size the window was last fitted to its font.
    CTemplateSize templateSize_{320, 200};  // the template, in dialog units

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
