// Plugging the clock in: the time from the moment its port appears to the
// first status shown, with the simulated clock behind a link path that is
// pulled and put back at random points of the 3.2 s replacement cycle.
// - watch: kerovant-cli watch's first line on a pipe (standard output);
// - window: the main window, driven off-screen in this process (Qt's
//   offscreen platform unless another is named): its serial number painted.
//
//   hotplug_bench [--plugs N] [--seed S] [--program cli|window|both] [--cli PATH]
//
// --cli runs another build of kerovant-cli (an older one, for comparison).
#include "BenchSupport.h"
#include "WatchProcess.h"
#include "ClockCodec.h"
#include "SimClock.h"

#ifdef KEROVANT_HOTPLUG_WINDOW
#include "KerovantDlg.h"
#include "WindowConnection.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#endif

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace bench;
using namespace std::chrono_literals;

std::string LinkPath()
{
    return BenchPath("hotplug-bench");
}

bool Plug(CSimServer& sim)
{
    return PlugIn(sim, LinkPath());
}

void Report(const char* what, const std::vector<double>& values, int tries)
{
    std::printf("%-40s median %7.1f ms   max %7.1f ms   (%zu of %d)\n", what, Median(values), Percentile(values, 1),
                values.size(), tries);
}

bool MeasureWatch(const std::string& cli, int plugs, std::mt19937& random)
{
    CSimServer sim;
    if (!Plug(sim))
        return false;
    WatchProcess watch(cli, LinkPath(), WatchProcess::Stream::Output, LinkPath());
    std::vector<double> times;
    for (int i = 0; i < plugs; ++i) {
        const size_t reads = sim.Clock().CountReceived(kCmdCurrentTime);
        if (!WaitUntil([&] { return sim.Clock().CountReceived(kCmdCurrentTime) > reads + 2; }, 15000ms, 1ms)) {
            std::fprintf(stderr, "plug %d: watch did not reach the clock\n", i + 1);
            break;
        }
        sim.Unplug();
        // Out long enough for the link to give up, then back at a random
        // point of the replacement cycle.
        const int out = std::uniform_int_distribution<int>(500, 500 + 3200)(random);
        std::this_thread::sleep_for(std::chrono::milliseconds(out));
        const auto plugged = Clock::now();
        if (!Plug(sim))
            return false;
        std::optional<Clock::time_point> shown;
        WaitUntil([&] { return (shown = watch.LineSince("", plugged)).has_value(); }, 15000ms, 1ms);
        if (!shown) {
            std::fprintf(stderr, "plug %d: no line within 15 s\n", i + 1);
            continue;
        }
        times.push_back(Ms(*shown - plugged));
        std::printf("plug %2d: out %4d ms, first line %6.1f ms after the port appeared\n", i + 1, out, times.back());
    }
    Report("watch: port appears to first line", times, plugs);
    return static_cast<int>(times.size()) == plugs;
}

#ifdef KEROVANT_HOTPLUG_WINDOW
// Notes the first paint of the serial number line that shows a number.
class SerialPaint : public QObject {
public:
    explicit SerialPaint(QLabel* label) : label_(label) { label_->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !when && !label_->text().contains(QStringLiteral("not available")))
            when = Clock::now();
        return QObject::eventFilter(watched, event);
    }
    std::optional<Clock::time_point> when;

private:
    QLabel* label_;
};

// Runs the event loop until the condition holds or the timeout passes.
template <class Pred> bool RunUntil(Pred pred, std::chrono::milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (pred() || Clock::now() > deadline)
            loop.quit();
    });
    look.start(1);
    loop.exec();
    return pred();
}

bool MeasureWindow(int plugs, std::mt19937& random)
{
    CSimServer sim;
    if (!Plug(sim))
        return false;
    LinkSettings settings;
    SetDeviceName(settings, LinkPath());
    CWindowConnection connection(settings);
    connection.Start();
    CKerovantDlg window(nullptr, &connection);
    window.show();
    auto* serial = window.findChild<QLabel*>(QStringLiteral("serialNumber"));
    std::vector<double> times;
    for (int i = 0; i < plugs; ++i) {
        if (!RunUntil([&] { return !serial->text().contains(QStringLiteral("not available")); }, 15000ms)) {
            std::fprintf(stderr, "plug %d: the window did not reach the clock\n", i + 1);
            break;
        }
        sim.Unplug();
        const int out = std::uniform_int_distribution<int>(500, 500 + 3200)(random);
        RunUntil([] { return false; }, std::chrono::milliseconds(out));
        SerialPaint shown(serial);
        const auto plugged = Clock::now();
        if (!Plug(sim))
            return false;
        if (!RunUntil([&] { return shown.when.has_value(); }, 15000ms)) {
            std::fprintf(stderr, "plug %d: no serial number within 15 s\n", i + 1);
            continue;
        }
        times.push_back(Ms(*shown.when - plugged));
        std::printf("plug %2d: out %4d ms, serial number painted %6.1f ms after the port appeared\n", i + 1, out,
                    times.back());
    }
    Report("window: port appears to serial number", times, plugs);
    connection.Shutdown();
    return static_cast<int>(times.size()) == plugs;
}
#endif

}  // namespace

int main(int argc, char** argv)
{
    int plugs = 20;
    unsigned seed = std::random_device{}();
    std::string program = "both";
    std::string cli = KEROVANT_CLI;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--plugs") == 0)
            plugs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
        else if (std::strcmp(argv[i], "--program") == 0)
            program = argv[i + 1];
        else if (std::strcmp(argv[i], "--cli") == 0)
            cli = argv[i + 1];
    }
#ifdef KEROVANT_HOTPLUG_WINDOW
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
#endif
    signal(SIGPIPE, SIG_IGN);
    std::printf("seed %u\n", seed);
    std::mt19937 random(seed);
    bool ok = true;
    if (program == "cli" || program == "both")
        ok = MeasureWatch(cli, plugs, random) && ok;
#ifdef KEROVANT_HOTPLUG_WINDOW
    if (program == "window" || program == "both")
        ok = MeasureWindow(plugs, random) && ok;
#else
    if (program == "window")
        std::fprintf(stderr, "built without the window\n");
#endif
    return ok ? 0 : 1;
}
