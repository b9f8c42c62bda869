// The main window: what the clock reports (local and UTC time, time code
// kind, firmware version, serial number), the buttons of the settings
// dialogs, the illumination slider, and the product's name in the title.
//
// A 200 ms timer runs Refresh, which copies the clock device object's cached
// values through its getters and never talks to the clock itself. While the
// clock stays offline the window throws the device object away every 16
// refreshes and makes a fresh one; it is the only code that replaces it, and
// it writes the new pointer through the application's device slot.
//
// Thread rules: the window's members belong to the user-interface thread.
// Two things happen elsewhere:
// - Replacing the device object (shutting the old one down, opening the
//   port for the new one: together over 100 ms with a bridge attached) runs
//   on a replacement thread, so the window keeps answering. While it runs
//   the window holds no device object and the slot is null; the thread hands
//   the new object back by a queued call, and WaitForDevice or the
//   destructor collect it at once. The thread touches only the old object,
//   a copy of the link settings and replacement_, which the user-interface
//   thread reads only after joining it.
// - An identification read's message: the device's link thread calls the
//   handler from MessageHandler(), which only posts the message to the
//   user-interface thread and returns; the link thread then waits until the
//   user closes the box (LinkMessage::Dismiss) or the device is shut down
//   (LinkMessage::Cancel).
#pragma once

#include "ClockDevice.h"
#include "ClockRecords.h"

#include "DialogUnits.h"

#include <QDialog>
#include <QPointer>

#include <memory>
#include <thread>
#include <vector>

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
    // Control ids of dialog 102; each control also carries an objectName.
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

    static constexpr int kRefreshIntervalMs = 200;
    // A refresh that finds the offline tick counter at this value or above
    // replaces the device object.
    static constexpr int kOfflineTicksBeforeReplace = 15;
    static constexpr int kIlluminationMin = 0;
    static constexpr int kIlluminationMax = 12;

    // deviceSlot: the application's device pointer, read now and written
    // whenever the window replaces the object. settings: what a replacement
    // is made from. Both outlive the window.
    CKerovantDlg(QWidget* parent, CClockDevice** deviceSlot, const LinkSettings* settings);
    ~CKerovantDlg() override;
    CKerovantDlg(const CKerovantDlg&) = delete;
    CKerovantDlg& operator=(const CKerovantDlg&) = delete;

    // The control with a dialog 102 id, or null.
    QWidget* Control(int id) const;
    // The device object every operation of the window uses; null while a
    // replacement is on its way.
    CClockDevice* Device() const { return device_; }
    // Waits for a replacement on its way and puts it in place, so that the
    // device slot names the current object.
    void WaitForDevice();

    // The handler every clock device object of the program is given: shows
    // the identification read's messages as message boxes on the main
    // window. Callable from any thread; never blocks.
    static LinkMessageHandler MessageHandler();

    // The offline tick counter, one for the whole program.
    static int OfflineTicks();
    static void ResetOfflineTicks();

    void done(int result) override;

public slots:
    // One refresh of the status display (what the 200 ms timer runs).
    void Refresh();
    // Closes the current device object's message boxes and starts the
    // replacement: the old object is shut down and freed and a new one made
    // from the saved link settings, off this thread; deviceReplaced follows.
    // Does nothing while a replacement is on its way.
    void ReplaceDevice();
    // Opens the About box modally.
    void ShowAbout();

signals:
    // The window has replaced the device object; the new one is given.
    void deviceReplaced(CClockDevice* device);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct OpenMessage {
        QPointer<QMessageBox> box;
        std::shared_ptr<LinkMessage> message;
    };

    void BuildControls();
    // Margins, spacings and minimum sizes from the current font.
    void ApplyMetrics();
    void Open();
    void ShowOffline();
    void ShowReady();
    void SetText(QLineEdit* edit, const std::string& text);
    void SetText(QLabel* label, const std::string& text);

    // Joins the replacement thread and puts its object in place.
    void FinishReplacement(bool announce);

    static void PostLinkMessage(std::shared_ptr<LinkMessage> message);
    static void ShowLinkMessage(const std::shared_ptr<LinkMessage>& message);
    void OpenMessageBox(std::shared_ptr<LinkMessage> message);
    // Closes the boxes whose device object has been shut down (all of them
    // with closeAll) and forgets the ones already answered.
    void CloseOrphanedMessages(bool closeAll = false);

    CClockDevice** deviceSlot_;
    CClockDevice* device_;
    const LinkSettings* settings_;
    bool illuminationPending_ = false;
    bool opened_ = false;
    // The size the window was last fitted to its font.
    TemplateSize templateSize_{320, 200};  // the template, in dialog units

    std::thread replacer_;
    CClockDevice* replacement_ = nullptr;  // written by replacer_ only

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
    QLineEdit* timeCodeStatus_ = nullptr;
    QLabel* firmwareVersion_ = nullptr;
    QLabel* serialNumber_ = nullptr;
    QLabel* offlineReason_ = nullptr;
    std::vector<QPushButton*> commandButtons_;
    QSlider* illumination_ = nullptr;
    QLabel* illuminationLabel_ = nullptr;
    QPushButton* ok_ = nullptr;
    QAction* aboutAction_ = nullptr;
};
