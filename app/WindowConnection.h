// The main window's side of the connection owner: a thin QObject around
// CClockConnection that
// - makes every device object with a message handler that brings the
//   identification read's messages to the user-interface thread, where the
//   window shows them (CLinkMessageFilter keeps one outage from repeating
//   them on every new object);
// - keeps the link settings the device objects are made from; they change
//   when the user picks another connection, and an object that was being
//   made from the old ones as they changed is replaced once more;
// - turns "the device object has changed" into the deviceChanged signal on
//   the user-interface thread, and "the clock is identified" into
//   clockIdentified, so the window need not wait for its next refresh;
// - waits for the clock before a command (40 checks 50 ms apart) with the
//   window painting, a busy cursor and no other input;
// - watches the port the settings name (the first USB bridge when they name
//   none) from Start on, and again whenever the settings change: a port that
//   appears replaces an offline object at once, one that goes ends its link
//   at once (CClockConnection::OnPortEvent), and portChanged tells the
//   window so that it shows the news without waiting for its next refresh;
// - hands every device object it makes the link trace's observers: a ring
//   of the latest 2,000 events, always (the window's "Save Link Trace..."),
//   and any other given before Start (kerovant --trace FILE).
//
// Thread rules: user-interface thread only, except the message handlers,
// which the device objects' link threads call, and the port watcher's
// handler, which runs on the watcher's thread; they only post to the
// user-interface thread (the watcher's also hands the news to
// CClockConnection, which takes it on any thread). Replacement runs on
// CClockConnection's thread; it reads the link settings under
// settingsMutex_.
#pragma once

#include "ClockConnection.h"
#include "ClockDevice.h"
#include "ClockRecords.h"
#include "LinkMessageFilter.h"
#include "LinkObserver.h"
#include "LinkTrace.h"
#include "PortWatcher.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

class CWindowConnection : public QObject {
    Q_OBJECT

public:
    // Makes a device object with the message handler and the link observer
    // given.
    using DeviceMaker =
        std::function<std::shared_ptr<CClockDevice>(LinkMessageHandler, std::shared_ptr<ILinkObserver>)>;
    // Shows a message of the identification read and calls Dismiss on it
    // when the user has closed it. Must not block.
    using Presenter = std::function<void(std::shared_ptr<CLinkMessage>)>;
    using Pause = std::function<void(std::chrono::milliseconds)>;

    // Device objects on the link described by settings.
    explicit CWindowConnection(const LinkSettings& settings, QObject* parent = nullptr);
    // Device objects made by maker (tests: fake ports).
    explicit CWindowConnection(DeviceMaker maker, QObject* parent = nullptr);
    // Device objects made by maker from the link settings of the moment,
    // starting with these (tests: a maker that watches the making), with
    // the message handler and the link observer given.
    using SettingsDeviceMaker = std::function<std::shared_ptr<CClockDevice>(const LinkSettings&, LinkMessageHandler,
                                                                            std::shared_ptr<ILinkObserver>)>;
    CWindowConnection(SettingsDeviceMaker maker, const LinkSettings& settings, QObject* parent = nullptr);
    ~CWindowConnection() override;

    // Another observer of every device object's link, beside the ring; call
    // before Start.
    void AddObserver(std::shared_ptr<ILinkObserver> observer);
    // The latest events of the links of all the device objects made.
    const std::shared_ptr<CLinkTraceRing>& TraceRing() const { return traceRing_; }

    // How the port is watched (tests: a fake; null: not watched); call
    // before Start.
    void SetPortWatcherMaker(PortWatcherMaker maker) { watcherMaker_ = std::move(maker); }

    // Makes the first device object and watches its port.
    void Start();
    // The settings the next device objects are made from; they take effect
    // with the next replacement (Replace, or the window's ReplaceDevice).
    void SetLinkSettings(const LinkSettings& settings);
    LinkSettings CurrentLinkSettings() const;
    // The current device object; null while a replacement is under way.
    // Take a copy for the moment only: a copy kept would keep the port
    // open. A command holds the object instead (HoldDevice).
    std::shared_ptr<CClockDevice> Device() const { return connection_.Device(); }
    void Replace() { connection_.Replace(); }
    bool ReplacementPending() const { return connection_.ReplacementPending(); }
    CClockConnection::Hold HoldDevice() { return connection_.HoldDevice(); }
    CClockConnection& Connection() { return connection_; }

    // Waits until the clock is online and identified (at most 40 checks 50 ms
    // apart), keeping the windows painting with a busy cursor and taking no
    // input. The device object once it is, else null.
    std::shared_ptr<CClockDevice> WaitForClock();
    // How WaitForClock pauses between its checks (tests); default: the
    // event loop runs for the time.
    void SetPause(Pause pause);

    void SetPresenter(Presenter presenter) { presenter_ = std::move(presenter); }
    // A clock has been identified: its identification failures are history.
    void Identified() { filter_.Identified(); }
    // The identification read's last failure of this outage; empty when none.
    const std::string& LastIdentificationFailure() const { return filter_.LastFailure(); }

    // The closing step: frees the newest device object, once.
    void Shutdown() { connection_.Shutdown(); }

signals:
    // The device object has been replaced.
    void deviceChanged();
    // The wanted port appeared or went (after the connection has heard).
    void portChanged();
    // A device object has identified its clock.
    void clockIdentified();

private:
    // On the replacement thread: a new object from the settings of now.
    std::shared_ptr<CClockDevice> Make();
    // The current object was made from settings that have changed since.
    bool MadeFromOldSettings() const;
    void OnReplaced();
    LinkMessageHandler HandlerFor(uint64_t generation);
    // Watches the port of the settings of now (user-interface thread).
    void WatchPort();
    void Present(uint64_t generation, const std::shared_ptr<CLinkMessage>& message);

    SettingsDeviceMaker maker_;
    mutable std::mutex settingsMutex_;
    LinkSettings settings_;         // under settingsMutex_
    uint64_t settingsChanges_ = 0;  // under settingsMutex_: counts SetLinkSettings
    uint64_t madeAtChange_ = 0;     // under settingsMutex_: settingsChanges_ when the newest object was made
    const std::shared_ptr<CLinkTraceRing> traceRing_ = std::make_shared<CLinkTraceRing>();
    // What each device object is given; fixed before Start, read by the
    // replacement thread afterwards.
    std::shared_ptr<ILinkObserver> observer_;
    std::atomic<uint64_t> made_{0};
    QPointer<CWindowConnection> self_;
    Presenter presenter_;
    Pause pause_;
    CLinkMessageFilter filter_;
    PortWatcherMaker watcherMaker_ = MakePortWatcher;
    // Last: its replacement thread uses the members above until Shutdown.
    CClockConnection connection_;
    // Tells connection_; goes first.
    std::unique_ptr<IPortWatcher> watcher_;
    bool started_ = false;
};
