// Plugging and pulling a USB bridge as udev announces it, in umockdev's test
// bed: the mocked FT232R of tests/link/bridges/ft232r-root.umockdev, with
// the simulated clock behind its node, is added (udev's add events) and
// then pulled (its terminal hung up, as the driver does, and udev's remove
// event). The time from the plug to the first report of the clock, and
// from the pull to the report that it is gone:
// - watcher: the port watcher of "the first USB bridge found" (in this
//   process) calls back, appeared and vanished;
// - watch: kerovant-cli watch without --port: its first reading, and its
//   line "... was unplugged.";
// - window: the main window (off-screen, in this process) on the first
//   bridge found: its serial number shown, and "not available" with the
//   cause "... was unplugged".
// The plug's time runs from the moment the test bed starts writing the
// bridge's devices (each with its add event) and includes attaching the
// simulated clock to its node; the time those take is printed apart.
// Each run has a test bed of its own: a node once made cannot be made again
// in one.
//
//   umockdev-wrapper build/bin/uevent_bench [--runs N] [--program watcher|cli|window|all]
#include "BenchSupport.h"
#include "BridgeTestbed.h"
#include "PortWatcher.h"
#include "UsbSerialPort.h"
#include "WatchProcess.h"

#ifdef KEROVANT_UEVENT_WINDOW
#include "KerovantDlg.h"
#include "WindowConnection.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#endif

#include <csignal>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace bench;
using namespace std::chrono_literals;

constexpr const char* kNode = "/dev/ttyUSB0";
constexpr const char* kTty = "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/ttyUSB0/tty/ttyUSB0";
constexpr const char* kUsb = "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2";
constexpr const char* kById = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K1234-if00-port0";
constexpr auto kLimit = 10s;

struct Figures {
    std::vector<double> plug;    // to the clock reported
    std::vector<double> pull;    // to "gone" reported
    std::vector<double> bedAdd;  // the test bed's own part of the plug
    int runs = 0;
};

// The bridge plugged in with its clock: when the plug began, or none.
std::optional<Clock::time_point> Plug(BridgeTestbed& bed, Figures& figures)
{
    const auto start = Clock::now();
    std::string error = bed.Load(KEROVANT_BRIDGES, "ft232r-root");
    if (error.empty())
        error = bed.Attach(kNode, 10472);
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return std::nullopt;
    }
    figures.bedAdd.push_back(Ms(Clock::now() - start));
    return start;
}

Clock::time_point Pull(BridgeTestbed& bed, bool& hungUp)
{
    const auto start = Clock::now();
    hungUp = bed.Pull(kNode, kTty, kUsb, kById, true);
    return start;
}

void Report(const char* what, const char* shown, const char* gone, const Figures& figures)
{
    const auto line = [&](const char* step, const char* seen, const std::vector<double>& values) {
        std::printf("%-7s %s to %-22s median %7.1f ms   max %7.1f ms   (%zu of %d)\n", what, step, seen, Median(values),
                    Percentile(values, 1), values.size(), figures.runs);
    };
    line("plug", shown, figures.plug);
    line("pull", gone, figures.pull);
    std::printf("%-7s (of the plug, the test bed adding the bridge and its clock: median %.1f ms)\n", what,
                Median(figures.bedAdd));
}

bool MeasureWatcher(int runs)
{
    Figures figures;
    figures.runs = runs;
    for (int run = 0; run < runs; ++run) {
        BridgeTestbed bed;
        std::mutex mutex;
        std::optional<Clock::time_point> appeared, vanished;
        CPortWatcher watcher("", kBridgeVendorId, [&](const PortEvent& event) {
            std::lock_guard<std::mutex> lock(mutex);
            auto& when = event.kind == PortEvent::Kind::Appeared ? appeared : vanished;
            if (!when)
                when = Clock::now();
        });
        if (!watcher.HasUdev()) {
            std::fprintf(stderr, "watcher: no udev monitor in the test bed\n");
            return false;
        }
        const auto heard = [&](const std::optional<Clock::time_point>& when) {
            std::lock_guard<std::mutex> lock(mutex);
            return when.has_value();
        };
        const auto plugged = Plug(bed, figures);
        if (!plugged)
            return false;
        if (WaitUntil([&] { return heard(appeared); }, kLimit))
            figures.plug.push_back(Ms(*appeared - *plugged));
        bool hungUp = false;
        const auto pulled = Pull(bed, hungUp);
        if (WaitUntil([&] { return heard(vanished); }, kLimit))
            figures.pull.push_back(Ms(*vanished - pulled));
    }
    Report("watcher", "appeared", "vanished", figures);
    return static_cast<int>(figures.plug.size() + figures.pull.size()) == 2 * runs;
}

bool MeasureWatch(const std::string& cli, int runs)
{
    Figures figures;
    figures.runs = runs;
    const std::string config = BenchPath("uevent-bench");
    for (int run = 0; run < runs; ++run) {
        BridgeTestbed bed;
        // Started in the test bed (the preload and the bed's folder are
        // inherited), it says first that there is no bridge: its watcher
        // is listening by then.
        WatchProcess watch(cli, "", WatchProcess::Stream::Both, config);
        const auto began = Clock::now();
        if (!WaitUntil([&] { return watch.LineSince("No USB bridge found", began).has_value(); }, kLimit, 1ms)) {
            std::fprintf(stderr, "watch: no word of the missing bridge\n");
            return false;
        }
        const auto plugged = Plug(bed, figures);
        if (!plugged)
            return false;
        std::optional<Clock::time_point> shown;
        if (WaitUntil([&] { return (shown = watch.LineSince("UTC ", *plugged)).has_value(); }, kLimit, 1ms))
            figures.plug.push_back(Ms(*shown - *plugged));
        else
            std::fprintf(stderr, "watch: run %d: no reading\n", run + 1);
        bool hungUp = false;
        const auto pulled = Pull(bed, hungUp);
        std::optional<Clock::time_point> gone;
        if (WaitUntil([&] { return (gone = watch.LineSince(" was unplugged.", pulled)).has_value(); }, kLimit, 1ms))
            figures.pull.push_back(Ms(*gone - pulled));
        else
            std::fprintf(stderr, "watch: run %d: not said unplugged%s\n", run + 1,
                         hungUp ? "" : " (the node could not be hung up: TIOCVHANGUP needs CAP_SYS_ADMIN)");
    }
    Report("watch", "first reading", "\"was unplugged.\"", figures);
    return static_cast<int>(figures.plug.size() + figures.pull.size()) == 2 * runs;
}

#ifdef KEROVANT_UEVENT_WINDOW
// Runs the event loop until the condition holds or the limit passes,
// looking every millisecond; when it held, or none.
template <class Pred> std::optional<Clock::time_point> RunUntil(Pred pred)
{
    const auto deadline = Clock::now() + kLimit;
    std::optional<Clock::time_point> when;
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (pred())
            when = Clock::now();
        if (when || Clock::now() > deadline)
            loop.quit();
    });
    look.start(1);
    loop.exec();
    return when;
}

bool MeasureWindow(int runs)
{
    Figures figures;
    figures.runs = runs;
    for (int run = 0; run < runs; ++run) {
        BridgeTestbed bed;
        CWindowConnection connection{LinkSettings{}};
        connection.Start();
        {
            CKerovantDlg window(nullptr, &connection);
            window.show();
            auto* serial = window.findChild<QLabel*>(QStringLiteral("serialNumber"));
            auto* cause = window.findChild<QLabel*>(QStringLiteral("offlineReason"));
            if (!RunUntil([&] { return cause->text().contains(QStringLiteral("No USB bridge found")); })) {
                std::fprintf(stderr, "window: no word of the missing bridge\n");
                return false;
            }
            const auto plugged = Plug(bed, figures);
            if (!plugged)
                return false;
            if (const auto shown = RunUntil([&] { return serial->text().contains(QStringLiteral("00010472")); }))
                figures.plug.push_back(Ms(*shown - *plugged));
            else
                std::fprintf(stderr, "window: run %d: no serial number\n", run + 1);
            bool hungUp = false;
            const auto pulled = Pull(bed, hungUp);
            if (const auto gone = RunUntil([&] {
                    return serial->text().contains(QStringLiteral("not available")) &&
                        cause->text().contains(QStringLiteral("was unplugged"));
                }))
                figures.pull.push_back(Ms(*gone - pulled));
            else
                std::fprintf(stderr, "window: run %d: not shown unplugged%s\n", run + 1,
                             hungUp ? "" : " (the node could not be hung up: TIOCVHANGUP needs CAP_SYS_ADMIN)");
        }
        connection.Shutdown();
    }
    Report("window", "serial number", "\"was unplugged\"", figures);
    return static_cast<int>(figures.plug.size() + figures.pull.size()) == 2 * runs;
}
#endif

}  // namespace

int main(int argc, char** argv)
{
    int runs = 7;
    std::string program = "all";
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--program") == 0)
            program = argv[i + 1];
    }
    if (program != "all" && program != "watcher" && program != "cli" && program != "window") {
        std::fprintf(stderr, "--program: watcher, cli, window or all, not '%s'\n", program.c_str());
        return 2;
    }
    if (const std::string reason = BridgeTestbedSkipReason(); !reason.empty()) {
        std::fprintf(stderr, "%s (run it as: umockdev-wrapper %s)\n", reason.c_str(), argv[0]);
        return 1;
    }
#ifdef KEROVANT_UEVENT_WINDOW
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
#endif
    signal(SIGPIPE, SIG_IGN);
    bool ok = true;
    if (program == "all" || program == "watcher")
        ok = MeasureWatcher(runs) && ok;
    if (program == "all" || program == "cli")
        ok = MeasureWatch(KEROVANT_CLI, runs) && ok;
#ifdef KEROVANT_UEVENT_WINDOW
    if (program == "all" || program == "window")
        ok = MeasureWindow(runs) && ok;
#else
    if (program == "window")
        std::fprintf(stderr, "built without the window\n");
#endif
    return ok ? 0 : 1;
}
