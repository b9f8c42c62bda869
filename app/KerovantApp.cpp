#include "KerovantApp.h"

#include "KerovantDlg.h"
#include "LinkTiming.h"
#include "SimClock.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QScreen>

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

CKerovantApp::CKerovantApp(AppOptions options) : options_(std::move(options)), stored_(options_.settingsFile) { }

CKerovantApp::~CKerovantApp()
{
    Shutdown();
}

bool CKerovantApp::StartDemoClock(std::string* error)
{
    demo_ = std::make_unique<CSimServer>();
    std::string reason;
    if (!demo_->Start(&reason)) {
        demo_.reset();
        SetError(error, "The demo clock could not start: " + reason);
        return false;
    }
    // The demo clock keeps the PC's time and its current offset from UTC,
    // so the local time it shows is the one on the user's desk.
    CSimClock& clock = demo_->Clock();
    ClockConfig config = clock.Config();
    const int offset = QDateTime::currentDateTime().offsetFromUtc();
    config.biasPositive = offset >= 0 ? 1 : 0;
    config.biasSeconds = static_cast<uint32_t>(std::abs(offset));
    clock.SetConfig(config);
    // Its answers take the time they take on the real cable, so the offset
    // the window shows for it reads as it would with a real clock.
    clock.SetTiming(SimTiming{false, kLineBaudRate});
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
    } else if (!options_.port.empty()) {
        // --port holds for this run; what is remembered stays as it is.
        if (!SetDeviceName(settings_, options_.port)) {
            SetError(error, "The port path is too long (255 characters at most): " + options_.port);
            return false;
        }
    } else if (const std::optional<std::string> chosen = stored_.Connection()) {
        // The bridge chosen last time, even if it is not attached now: the
        // window then says why it cannot reach it, rather than talk to
        // another clock without a word.
        SetDeviceName(settings_, *chosen);
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
    QObject::connect(window_.get(), &CKerovantDlg::connectionChosen, window_.get(),
                     [this](const QString& devicePath) { OnConnectionChosen(devicePath); });
    started_ = true;
    return true;
}

void CKerovantApp::OnConnectionChosen(const QString& devicePath)
{
    SetDeviceName(settings_, devicePath.toStdString());
    stored_.SetConnection(devicePath.toStdString());
}

void CKerovantApp::RestoreWindowPosition()
{
    const std::optional<QPoint> position = stored_.WindowPosition();
    if (!position)
        return;
    // Only onto a screen there is now: a position on a monitor that has been
    // unplugged would open the window where nobody can see it. The title
    // bar's corner must be on the screen, with room to grab it.
    const QRect corner(*position, window_->size().boundedTo(QSize(100, 40)));
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(corner)) {
            window_->move(*position);
            return;
        }
    }
}

void CKerovantApp::RunMainWindow()
{
    if (!window_)
        return;
    RestoreWindowPosition();
    window_->exec();
    stored_.SetWindowPosition(window_->pos());
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
