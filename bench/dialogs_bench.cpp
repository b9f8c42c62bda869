// dialogs_bench: figures of the time zone and daylight-saving dialogs.
//
//   dialogs_bench [--runs N]
//
// On Qt's offscreen platform unless another is named, prints (medians of N
// runs, 10 by default):
//   - reading the zone catalogue from the system alone,
//   - constructing the time zone dialog until its list's first paint with
//     the whole catalogue in it (the catalogue is read as the dialog opens),
//   - one letter typed into the filter until the list's next paint,
//   - the number of zones listed,
//   - constructing the daylight-saving dialog until its first paint (the
//     rules loaded and the preview of the next changes computed).
#include "BenchSupport.h"
#include "DstDlg.h"
#include "EventLoopWait.h"
#include "QtBenchSupport.h"
#include "TimeZoneCatalogue.h"
#include "TzDlg.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kDefaultRuns = 10;
constexpr int kPaintTimeoutMs = 5000;
constexpr int kPollMs = 1;
// Letters typed into an empty filter, one per run: common ones and rare.
// Not t, u or c: every entry starts "(UTC", so those would change nothing
// and draw nothing.
constexpr const char kLetters[] = "aeiosnrkzb";

bool WaitForPaint(bench::PaintWatch& watch)
{
    return RunEventsUntil([&] { return watch.seen; }, kPaintTimeoutMs, kPollMs);
}

void TypeLetter(QLineEdit& field, char letter)
{
    const QString text(QLatin1Char{letter});
    const int key = Qt::Key_A + (letter - 'a');
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&field, &press);
    QCoreApplication::sendEvent(&field, &release);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs per figure."), QStringLiteral("N"),
                                        QString::number(kDefaultRuns));
    parser.addOption(runsOption);
    parser.process(application);
    const int runs = std::max(1, parser.value(runsOption).toInt());

    std::vector<double> loads;
    size_t zones = 0;
    for (int run = 0; run < runs; ++run) {
        const auto start = bench::Clock::now();
        zones = LoadTimeZoneCatalogue().size();
        loads.push_back(bench::Ms(bench::Clock::now() - start));
    }

    std::vector<double> opens;
    int listed = 0;
    for (int run = 0; run < runs; ++run) {
        bench::PaintWatch paint;
        const auto start = bench::Clock::now();
        CTzDlg dialog(nullptr, DstRuleSet{});
        dialog.ZoneList()->viewport()->installEventFilter(&paint);
        dialog.show();
        if (!WaitForPaint(paint)) {
            std::fprintf(stderr, "dialogs_bench: the zone list was not painted\n");
            return 1;
        }
        opens.push_back(bench::Ms(paint.when - start));
        listed = dialog.ListedCount();
    }

    std::vector<double> filters;
    {
        CTzDlg dialog(nullptr, DstRuleSet{});
        bench::PaintWatch paint;
        dialog.ZoneList()->viewport()->installEventFilter(&paint);
        dialog.show();
        WaitForPaint(paint);
        for (int run = 0; run < runs; ++run) {
            // From the whole list, as the user starts typing.
            paint.Reset();
            dialog.Filter()->clear();
            WaitForPaint(paint);
            paint.Reset();
            const auto start = bench::Clock::now();
            TypeLetter(*dialog.Filter(), kLetters[static_cast<size_t>(run) % (sizeof(kLetters) - 1)]);
            if (!WaitForPaint(paint)) {
                std::fprintf(stderr, "dialogs_bench: the filtered list was not painted\n");
                return 1;
            }
            filters.push_back(bench::Ms(paint.when - start));
        }
    }

    std::vector<double> dstOpens;
    for (int run = 0; run < runs; ++run) {
        bench::PaintWatch paint;
        DstRuleSet rules;
        rules.daylightBias = 3600;
        rules.startRule = {0, 3, 0, 5, 1, 0, 0};
        rules.endRule = {0, 10, 0, 5, 1, 0, 0};
        const auto start = bench::Clock::now();
        CDstDlg dialog(nullptr, rules, 1, kDstByWeekday);
        dialog.SetClockBias(3600);
        dialog.installEventFilter(&paint);
        dialog.show();
        if (!WaitForPaint(paint)) {
            std::fprintf(stderr, "dialogs_bench: the daylight-saving dialog was not painted\n");
            return 1;
        }
        dstOpens.push_back(bench::Ms(paint.when - start));
    }

    std::printf("catalogue read:             %7.1f ms (median of %d)\n", bench::Median(loads), runs);
    std::printf("dialog to list painted:     %7.1f ms (median of %d)\n", bench::Median(opens), runs);
    std::printf("one letter to list painted: %7.2f ms (median of %d)\n", bench::Median(filters), runs);
    std::printf("zones listed:               %7d (catalogue %zu)\n", listed, zones);
    std::printf("daylight-saving dialog to first paint: %7.1f ms (median of %d)\n", bench::Median(dstOpens), runs);
    return 0;
}
