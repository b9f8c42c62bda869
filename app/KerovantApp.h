// The application: fixed link settings, the one clock device object, the
// main window run until it is closed, then the shutdown.
//
//   Start        fill the link settings (--port, else the connection the
//                user chose last time, else the first USB bridge found),
//                start the demo clock (--demo), open the link trace
//                (--trace), create the clock device object, construct the
//                main window
//   RunMainWindow run the main window modally where it stood last time, and
//                remember where it stands when it closes
//   Shutdown     wait 500 ms, shut down and free the device object that
//                is current at that moment (the main window may have had the
//                first one replaced), destroy the main window, close the
//                link trace, stop the demo clock
//
// Everything here runs on the user-interface thread; a QApplication must
// exist.
#pragma once

#include "AppSettings.h"
#include "ClockDevice.h"
#include "ClockRecords.h"
#include "LinkTrace.h"
#include "WindowConnection.h"

#include <QString>

#include <chrono>
#include <memory>
#include <string>

class CKerovantDlg;
class CSimServer;

struct AppOptions {
    // The device to open for this run; empty: the one chosen in the window's
    // Connection menu last time, or the first USB bridge found.
    std::string port;
    // Talk to a simulated clock on a pseudo-terminal inside the program.
    bool demo = false;
    // Write the link trace to this file; empty: no file (the window keeps
    // the latest events in memory all the same).
    std::string traceFile;
    // Where the chosen connection and the window's position are kept
    // (CAppSettings::DefaultFile for the program); empty keeps nothing.
    QString settingsFile;
};

class CKerovantApp {
public:
    static constexpr std::chrono::milliseconds kShutdownDelay{500};

    explicit CKerovantApp(AppOptions options = {});
    // Shuts down what Start made, if Shutdown has not run.
    ~CKerovantApp();
    CKerovantApp(const CKerovantApp&) = delete;
    CKerovantApp& operator=(const CKerovantApp&) = delete;

    // False with a reason when the port name does not fit or the demo clock
    // cannot start. A missing clock or bridge is no failure: the window
    // shows the clock as offline.
    bool Start(std::string* error = nullptr);
    // Runs the main window until the user closes it. The result is not
    // looked at.
    void RunMainWindow();
    // The closing steps; they run once, later calls do nothing.
    void Shutdown();
    // After a successful Start: runs the main window, then shuts down.
    void Run();

    CKerovantDlg* MainWindow() const { return window_.get(); }
    // The owner of the clock device object; null before Start and after
    // Shutdown.
    CWindowConnection* Connection() const { return connection_.get(); }
    // The current device object, null while a replacement is under way.
    std::shared_ptr<CClockDevice> Device() const;
    // The link settings of the connection in use: the ones at start, or the
    // last one chosen in the window.
    const LinkSettings& Settings() const { return settings_; }
    // The demo clock, or null.
    CSimServer* DemoClock() const { return demo_.get(); }

private:
    bool StartDemoClock(std::string* error);
    void RestoreWindowPosition();
    void OnConnectionChosen(const QString& devicePath);

    AppOptions options_;
    CAppSettings stored_;
    LinkSettings settings_;
    std::shared_ptr<CLinkTraceFile> trace_;
    std::unique_ptr<CWindowConnection> connection_;
    std::unique_ptr<CSimServer> demo_;
    std::unique_ptr<CKerovantDlg> window_;
    bool started_ = false;
    bool shutDown_ = false;
};
