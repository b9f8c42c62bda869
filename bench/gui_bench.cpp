// gui_bench: figures of the desktop program on the demo clock.
//
//   gui_bench [--settle SECONDS] [--refreshes N]
//
// Runs the program's own start-up (demo clock, clock device object, main
// window) on Qt's offscreen platform unless another is named, and prints:
//   - time from main() to the main window's first paint,
//   - time from main() to the first ready refresh (the UTC box shows the
//     clock's time),
//   - resident memory after the window has run for the settle time (10 s),
//   - the cost of one refresh (Refresh() called directly; median and 99th
//     percentile of N calls),
//   - replacing the device object (what an offline window does every 16
//     refreshes): how long the window itself is held up, and how long until
//     the new object is in place (median of 10),
//   - building the Connection menu as opening it does (the USB bridges read
//     through udev, each one's by-id link and product string), and the
//     bridge list alone (median of 50 each), with how many ttys udev had to
//     look through.
#include "BenchSupport.h"
#include "BridgeList.h"
#include "UsbSerialPort.h"
#include "ConnectionMenu.h"
#include "QtBenchSupport.h"
#include "EventLoopWait.h"
#include "KerovantApp.h"
#include "KerovantDlg.h"
#include "SimClock.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using bench::Percentile;

using SteadyClock = std::chrono::steady_clock;

constexpr int kDefaultSettleSeconds = 10;
constexpr int kDefaultRefreshes = 5000;
constexpr int kReplacements = 10;
constexpr int kMenuBuilds = 50;
// Finer than the tools' default, for the timing figures.
constexpr int kConditionPollMs = 5;
constexpr int kClockTimeoutMs = 10000;

double MillisecondsSince(SteadyClock::time_point start, SteadyClock::time_point end)
{
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// Resident set size in KiB, from /proc.
long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    const auto start = SteadyClock::now();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption settleOption(QStringLiteral("settle"), QStringLiteral("Seconds before memory is read."),
                                          QStringLiteral("SECONDS"), QString::number(kDefaultSettleSeconds));
    const QCommandLineOption refreshOption(QStringLiteral("refreshes"), QStringLiteral("Refreshes to time."),
                                           QStringLiteral("N"), QString::number(kDefaultRefreshes));
    parser.addOption(settleOption);
    parser.addOption(refreshOption);
    parser.process(application);
    const int settleMs = parser.value(settleOption).toInt() * 1000;
    const int refreshes = std::max(1, parser.value(refreshOption).toInt());

    AppOptions options;
    options.demo = true;
    CKerovantApp app(options);
    std::string error;
    if (!app.Start(&error)) {
        std::fprintf(stderr, "gui_bench: %s\n", error.c_str());
        return 1;
    }
    CKerovantDlg& window = *app.MainWindow();
    bench::PaintWatch paint;
    window.installEventFilter(&paint);

    // The first ready refresh is the first time the UTC box shows a date.
    bool readySeen = false;
    SteadyClock::time_point readyAt;
    auto* utc = qobject_cast<QLineEdit*>(window.Control(CKerovantDlg::kIdUtcTime));
    QObject::connect(utc, &QLineEdit::textChanged, &window, [&](const QString& text) {
        if (!readySeen && text != QLatin1String("Clock is offline") && !text.isEmpty()) {
            readySeen = true;
            readyAt = SteadyClock::now();
        }
    });

    window.show();
    if (!RunEventsUntil([&] { return paint.seen && readySeen; }, kClockTimeoutMs, kConditionPollMs)) {
        std::fprintf(stderr, "gui_bench: the window was not painted or the clock not identified\n");
        return 1;
    }
    const auto settleStart = SteadyClock::now();
    RunEventsUntil([&] { return false; },
                   std::max(0, settleMs - static_cast<int>(MillisecondsSince(start, settleStart))), kConditionPollMs);
    const long rss = ResidentKiB();
    const double rssAtSeconds = MillisecondsSince(start, SteadyClock::now()) / 1000.0;

    // Refresh cost, with the timer's own refreshes out of the way.
    window.findChild<QTimer*>(QStringLiteral("refreshTimer"))->stop();
    std::vector<double> refreshUs;
    refreshUs.reserve(static_cast<size_t>(refreshes));
    for (int i = 0; i < refreshes; ++i) {
        const auto before = SteadyClock::now();
        window.Refresh();
        refreshUs.push_back(std::chrono::duration<double, std::micro>(SteadyClock::now() - before).count());
    }

    // Replacement: how long the window is held up, and how long until the
    // new object is in place (the old one shut down, the port opened).
    std::vector<double> blockedMs;
    std::vector<double> replaceMs;
    for (int i = 0; i < kReplacements; ++i) {
        const auto before = SteadyClock::now();
        window.ReplaceDevice();
        blockedMs.push_back(MillisecondsSince(before, SteadyClock::now()));
        RunEventsUntil([&] { return window.Device() != nullptr; }, kClockTimeoutMs, kConditionPollMs);
        replaceMs.push_back(MillisecondsSince(before, SteadyClock::now()));
        RunEventsUntil([&] { return window.Device() && window.Device()->IsReady(); }, kClockTimeoutMs,
                       kConditionPollMs);
    }

    // The Connection menu, as opening it builds it.
    std::vector<double> menuMs;
    std::vector<double> listMs;
    size_t bridges = 0;
    for (int i = 0; i < kMenuBuilds; ++i) {
        auto before = SteadyClock::now();
        window.ConnectionMenu()->Rebuild();
        menuMs.push_back(MillisecondsSince(before, SteadyClock::now()));
        before = SteadyClock::now();
        bridges = ListBridges(kBridgeVendorId).size();
        listMs.push_back(MillisecondsSince(before, SteadyClock::now()));
    }
    const auto ttys = QDir(QStringLiteral("/sys/class/tty")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();

    std::printf("first paint:          %8.1f ms after main()\n", MillisecondsSince(start, paint.when));
    std::printf("first ready refresh:  %8.1f ms after main()\n", MillisecondsSince(start, readyAt));
    std::printf("resident memory:      %8ld KiB at %.1f s\n", rss, rssAtSeconds);
    std::printf("refresh:              %8.1f us median, %.1f us p99 (%d calls)\n", Percentile(refreshUs, 0.5),
                Percentile(refreshUs, 0.99), refreshes);
    std::printf("replacement, window:  %8.2f ms median, %.2f ms max (%d)\n", Percentile(blockedMs, 0.5),
                Percentile(blockedMs, 1.0), kReplacements);
    std::printf("replacement, total:   %8.2f ms median, %.2f ms max (%d)\n", Percentile(replaceMs, 0.5),
                Percentile(replaceMs, 1.0), kReplacements);
    std::printf("connection menu:      %8.2f ms median, %.2f ms max (%d builds)\n", Percentile(menuMs, 0.5),
                Percentile(menuMs, 1.0), kMenuBuilds);
    std::printf("bridge list:          %8.2f ms median, %.2f ms max (%zu bridges among %lld ttys)\n",
                Percentile(listMs, 0.5), Percentile(listMs, 1.0), bridges, static_cast<long long>(ttys));

    window.done(QDialog::Accepted);
    app.Shutdown();
    return 0;
}
