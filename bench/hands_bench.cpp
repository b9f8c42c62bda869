// hands_bench: how long setting the hands takes to reach the clock.
//
//   hands_bench [--runs N]
//
// Runs the main window's "Clock Hand Position" command against the
// simulated clock on a pseudo-terminal (Qt's offscreen platform unless
// another is named). Each run ticks "Check to set clock", waits until the
// clock has stopped its hands, types a face time and presses OK; the figure
// is the time from that press to the last configuration frame the clock
// receives (the window's send, which restarts the hands). It covers the
// dialog's wait for the face time to leave, both configuration sends and
// the link's own latency. Prints the median, the fastest and the slowest
// of N runs (20).
#include "BenchSupport.h"
#include "ClockCodec.h"
#include "EventLoopWait.h"
#include "KerovantDlg.h"
#include "ModalSeam.h"
#include "SetClockFaceDlg.h"
#include "SimClock.h"
#include "TimeFieldGroup.h"
#include "WindowConnection.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr int kDefaultRuns = 20;
constexpr int kClockTimeoutMs = 10000;
// After the last send has left, long enough for the clock to have it; not
// part of the figure.
constexpr int kSettleMs = 150;

std::optional<SteadyClock::time_point> LastConfigFrame(const CSimClock& clock)
{
    std::optional<SteadyClock::time_point> last;
    for (const SimReceived& frame : clock.Received()) {
        if (frame.code == kCmdWriteConfig)
            last = frame.when;
    }
    return last;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs to take the median of."),
                                        QStringLiteral("N"), QString::number(kDefaultRuns));
    parser.addOption(runsOption);
    parser.process(application);
    const int runs = std::max(1, parser.value(runsOption).toInt());

    CSimServer sim;
    std::string error;
    if (!sim.Start(&error)) {
        std::fprintf(stderr, "hands_bench: %s\n", error.c_str());
        return 1;
    }
    LinkSettings settings;
    SetDeviceName(settings, sim.DevicePath());
    CWindowConnection connection(settings);
    connection.Start();
    auto window = std::make_unique<CKerovantDlg>(nullptr, &connection);
    const auto ready = [&] {
        const auto device = connection.Device();
        return device && device->IsReady() && device->GetPollCount() > 0;
    };
    if (!RunEventsUntil(ready, kClockTimeoutMs)) {
        std::fprintf(stderr, "hands_bench: the simulated clock was not identified\n");
        return 1;
    }

    std::vector<double> figures;
    for (int run = 0; run < runs; ++run) {
        CScopedModalAnswers answers;
        SteadyClock::time_point pressed;
        bool stopped = false;
        answers.SetDialogRunner([&](QDialog& d) {
            auto& dialog = static_cast<CSetClockFaceDlg&>(d);
            dialog.show();
            qobject_cast<QCheckBox*>(dialog.Control(CSetClockFaceDlg::kIdSetClock))->click();
            stopped =
                RunEventsUntil([&] { return sim.Clock().Config().handMotion == kHandsStopped; }, kClockTimeoutMs, 1);
            const char* face[] = {"10", "9", "30"};
            for (int i = 0; i < dialog.Fields().FieldCount(); ++i)
                dialog.Fields().Field(i)->setText(QString::fromLatin1(face[i]));
            pressed = SteadyClock::now();
            qobject_cast<QPushButton*>(dialog.Control(CSetClockFaceDlg::kIdOk))->click();
            return dialog.result();
        });
        window->SetClockHandPosition();
        const auto device = connection.Device();
        const bool sent = device && RunEventsUntil([&] { return device->NoWritePending(); }, kClockTimeoutMs, 1);
        PauseEvents(kSettleMs);
        const std::optional<SteadyClock::time_point> last = LastConfigFrame(sim.Clock());
        if (!stopped || !sent || !last || *last < pressed || !answers.Messages().empty()) {
            std::fprintf(stderr, "hands_bench: run %d did not reach the clock\n", run + 1);
            return 1;
        }
        figures.push_back(bench::Ms(*last - pressed));
    }

    std::printf("OK (box ticked, face time set) to the last configuration frame at the clock, %d runs:\n", runs);
    std::printf("  median %.1f ms, fastest %.1f ms, slowest %.1f ms\n", bench::Median(figures),
                *std::min_element(figures.begin(), figures.end()), *std::max_element(figures.begin(), figures.end()));
    window.reset();
    connection.Shutdown();
    return 0;
}
