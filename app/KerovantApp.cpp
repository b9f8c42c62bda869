#include "KerovantApp.h"

#include "KerovantDlg.h"
#include "SimClock.h"

#include <QDateTime>

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

void SetError(std::string* error, std::string text)
{
    if (error)
        *error = std::move(text);
}

}  // namespace

CKerovantApp::CKerovantApp(AppOptions options) : options_(std::move(options)) { }

CKerovantApp::~CKerovantApp()
{
    Shutdown();
}

bool CKerovantApp::StartDemoClock(std::string* error)
{
    demo_ = std::make_unique<SimServer>();
    std::string reason;
    if (!demo_->Start(&reason)) {
        demo_.reset();
        SetError(error, "The demo clock could not start: " + reason);
        return false;
    }
    // The demo clock keeps the PC's time and its current offset from UTC,
    // so the local time it shows is the one on the user's desk.
    SimClock& clock = demo_->Clock();
    ClockConfig config = clock.Config();
    const int offset = QDateTime::currentDateTime().offsetFromUtc();
    config.biasPositive = offset >= 0 ? 1 : 0;
    config.biasSeconds = static_cast<uint32_t>(std::abs(offset));
    clock.SetConfig(config);
    return true;
}

bool CKerovantApp::Start(std::string* error)
{
    if (started_)
        return true;
    // Fixed link settings: everything 0 but the baud rate.
    settings_ = LinkSettings{};
    if (options_.demo) {
        if (!StartDemoClock(error))
            return false;
        if (!SetDeviceName(settings_, demo_->DevicePath())) {
            SetError(error, "The demo clock's device path is too long: " + demo_->DevicePath());
            demo_.reset();
            return false;
        }
    } else if (!options_.port.empty() && !SetDeviceName(settings_, options_.port)) {
        SetError(error, "The port path is too long (255 characters at most): " + options_.port);
        return false;
    }

    connection_ = std::make_unique<CWindowConnection>(settings_);
    if (!options_.traceFile.empty()) {
        trace_ = std::make_shared<CLinkTraceFile>();
        std::string reason;
        if (!trace_->Open(options_.traceFile, &reason)) {
            SetError(error, "The link trace cannot be written to " + options_.traceFile + ": " + reason);
            trace_.reset();
            connection_.reset();
            demo_.reset();
            return false;
        }
        connection_->AddObserver(trace_);
    }
    connection_->Start();
    window_ = std::make_unique<CKerovantDlg>(nullptr, connection_.get());
    started_ = true;
    return true;
}

void CKerovantApp::RunMainWindow()
{
    if (window_)
        window_->exec();
}

void CKerovantApp::Shutdown()
{
    if (!started_ || shutDown_)
        return;
    shutDown_ = true;
    std::this_thread::sleep_for(kShutdownDelay);
    // Whichever object is current now, once a replacement under way has
    // landed; the connection freed the ones it replaced.
    connection_->Shutdown();
    window_.reset();
    connection_.reset();
    // The device objects are gone: the trace has its last event.
    if (trace_) {
        std::string reason;
        if (!trace_->Close(&reason))
            std::fprintf(stderr, "kerovant: %s\n", reason.c_str());
        trace_.reset();
    }
    demo_.reset();
}

std::shared_ptr<CClockDevice> CKerovantApp::Device() const
{
    return connection_ ? connection_->Device() : nullptr;
}

void CKerovantApp::Run()
{
    RunMainWindow();
    Shutdown();
}
