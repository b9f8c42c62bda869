#include "ClockSession.h"

#include "StatusText.h"

#include <cstdio>
#include <thread>

void PrintError(const std::string& text)
{
    std::fprintf(stderr, "kerovant-cli: %s\n", text.c_str());
}

CClockSession::CClockSession(Options options)
    : options_(std::move(options)), connection_([settings = options_.settings, observer = options_.observer] {
          // Without a message handler the identification read's failures
          // go to standard error and the link goes on at once.
          return std::make_shared<CClockDevice>(settings, LinkMessageHandler{}, observer);
      })
{
}

CClockSession::~CClockSession()
{
    Close();
}

void CClockSession::Close()
{
    connection_.Shutdown();
}

std::chrono::steady_clock::time_point CClockSession::ConnectDeadline() const
{
    if (options_.timeoutSeconds <= 0)
        return std::chrono::steady_clock::time_point::max();
    return std::chrono::steady_clock::now() +
        std::chrono::duration_cast<std::chrono::steady_clock::duration>(
               std::chrono::duration<double>(options_.timeoutSeconds));
}

CClockSession::Wait CClockSession::WaitFor(const std::function<bool(const CClockDevice&)>& condition,
                                           std::chrono::steady_clock::time_point deadline)
{
    for (;;) {
        const std::shared_ptr<CClockDevice> device = connection_.Device();
        if (device) {
            everOnline_ |= device->IsOnline();
            if (condition(*device))
                return Wait::Met;
            if (device->GetState() == CClockDevice::kStateFailed)
                return Wait::Failed;
        }
        if (Interrupted())
            return Wait::Interrupted;
        if (std::chrono::steady_clock::now() >= deadline)
            return Wait::TimedOut;
        std::this_thread::sleep_for(kLookInterval);
    }
}

int CClockSession::Report(Wait wait)
{
    if (wait == Wait::Interrupted)
        return kExitInterrupted;
    const std::shared_ptr<CClockDevice> device = connection_.Device();
    if (!device) {
        PrintError("the clock's device could not be opened again.");
        return kExitLink;
    }
    const LinkPhase phase = everOnline_ ? LinkPhase::StoppedAnswering : LinkPhase::NoAnswer;
    PrintError(OfflineCause(device->GetPortState(), device->GetDevicePath(), phase));
    return kExitLink;
}

int CClockSession::Connect(bool firstPoll)
{
    connection_.Start();
    // The port is opened as the object is made: a device that is missing,
    // not a terminal, forbidden or held by another program is known now,
    // and the link's hellos would only wait it out.
    if (const std::shared_ptr<CClockDevice> device = connection_.Device()) {
        const PortState port = device->GetPortState();
        if (port != PortState::Open && port != PortState::NotOpened) {
            PrintError(DescribePortState(port, device->GetDevicePath()));
            return kExitLink;
        }
    }
    const Wait wait =
        WaitFor([firstPoll](const CClockDevice& d) { return d.IsReady() && (!firstPoll || d.GetPollCount() > 0); },
                ConnectDeadline());
    return wait == Wait::Met ? kExitOk : Report(wait);
}

int CClockSession::Write(const std::function<bool(CClockDevice&)>& queue, const std::string& what)
{
    const std::shared_ptr<CClockDevice> device = connection_.Device();
    if (!device || !device->IsOnline())
        return Report(Wait::Failed);
    if (!queue(*device)) {
        PrintError("the clock's link did not take the " + what + "; nothing was sent.");
        return kExitLink;
    }
    return WaitForWrites();
}

int CClockSession::WaitForWrites()
{
    const auto deadline = std::chrono::steady_clock::now() + kWriteDeadline;
    Wait wait = WaitFor([](const CClockDevice& d) { return d.NoWritePending(); }, deadline);
    if (wait != Wait::Met)
        return Report(wait);
    // The write pass has sent everything; it ends with the last
    // acknowledgement (or in the failed state), and the poll that follows
    // completes only after it.
    const std::shared_ptr<CClockDevice> device = connection_.Device();
    const uint32_t polls = device ? device->GetPollCount() : 0;
    wait = WaitFor([polls](const CClockDevice& d) { return d.GetPollCount() > polls && d.NoWritePending(); }, deadline);
    return wait == Wait::Met ? kExitOk : Report(wait);
}

int CClockSession::Reconnect()
{
    const uint64_t generation = connection_.Generation();
    connection_.Replace();
    // Until the new object is in place Device() is null: the wait goes on.
    const Wait wait = WaitFor(
        [this, generation](const CClockDevice& d) { return connection_.Generation() > generation && d.IsReady(); },
        ConnectDeadline());
    return wait == Wait::Met ? kExitOk : Report(wait);
}

ProfileClock CClockSession::Identity() const
{
    ProfileClock clock;
    if (const std::shared_ptr<CClockDevice> device = connection_.Device()) {
        clock.familyId = device->GetFamilyId();
        clock.serialNumber = device->GetSerialNumber();
        device->GetFirmwareVersion(clock.firmware);
        clock.protocolVersion = device->GetProtocolVersion();
    }
    return clock;
}
