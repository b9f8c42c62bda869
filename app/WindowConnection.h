// The main window's side of the connection owner: a thin QObject around
// CClockConnection that
// - makes every device object with a message handler that brings the
//   identification read's messages to the user-interface thread, where the
//   window shows them (CLinkMessageFilter keeps one outage from repeating
//   them on every new object);
// - turns "the device object has changed" into the deviceChanged signal on
//   the user-interface thread;
// - waits for the clock before a command (40 checks 50 ms apart) with the
//   window painting, a busy cursor and no other input;
// - hands every device object it makes the link trace's observers: a ring
//   of the latest 2,000 events, always (the window's "Save Link Trace..."),
//   and any other given before Start (kerovant --trace FILE).
//
// Thread rules: user-interface thread only, except the message handlers,
// which the device objects' link threads call; they only post to the
// user-interface thread. Replacement runs on CClockConnection's thread.
#pragma once

#include "ClockConnection.h"
#include "ClockDevice.h"
#include "ClockRecords.h"
#include "LinkMessageFilter.h"
#include "LinkObserver.h"
#include "LinkTrace.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
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
    using Presenter = std::function<void(std::shared_ptr<LinkMessage>)>;
    using Pause = std::function<void(std::chrono::milliseconds)>;

    // Device objects on the link described by settings.
    explicit CWindowConnection(const LinkSettings& settings, QObject* parent = nullptr);
    // Device objects made by maker (tests: fake ports).
    explicit CWindowConnection(DeviceMaker maker, QObject* parent = nullptr);
    ~CWindowConnection() override;

    // Another observer of every device object's link, beside the ring; call
    // before Start.
    void AddObserver(std::shared_ptr<ILinkObserver> observer);
    // The latest events of the links of all the device objects made.
    const std::shared_ptr<CLinkTraceRing>& TraceRing() const { return traceRing_; }

    // Makes the first device object.
    void Start();
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

private:
    LinkMessageHandler HandlerFor(uint64_t generation);
    void Present(uint64_t generation, const std::shared_ptr<LinkMessage>& message);

    DeviceMaker maker_;
    const std::shared_ptr<CLinkTraceRing> traceRing_ = std::make_shared<CLinkTraceRing>();
    // What each device object is given; fixed before Start, read by the
    // replacement thread afterwards.
    std::shared_ptr<ILinkObserver> observer_ = traceRing_;
    std::atomic<uint64_t> made_{0};
    QPointer<CWindowConnection> self_;
    Presenter presenter_;
    Pause pause_;
    CLinkMessageFilter filter_;
    // Last: its replacement thread uses the members above until Shutdown.
    CClockConnection connection_;
};
