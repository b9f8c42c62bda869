// Figures for the daylight-saving rules: the time of one import of a zone's
// rules from the tz data, and the time to recompute the preview after one
// keystroke (the edit, the check of the values shown, the next two changes
// and the comparison with the zone's own changes over ten years).
#include "BenchSupport.h"
#include "DstEditor.h"
#include "DstPreview.h"
#include "DstZoneImport.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace std::chrono;

int main()
{
    const sys_seconds now = floor<seconds>(system_clock::now());
    constexpr int kRuns = 200;

    // The first import loads ICU's and Qt's zone data; report it apart.
    const auto coldStart = bench::Clock::now();
    ImportDstZone("Europe/Berlin", now);
    const double cold = bench::Ms(bench::Clock::now() - coldStart);

    for (const char* zone : {"Europe/Berlin", "America/New_York", "Asia/Jerusalem", "Asia/Tokyo"}) {
        std::vector<double> times;
        for (int i = 0; i < kRuns; ++i) {
            const auto start = bench::Clock::now();
            const DstZoneImport imported = ImportDstZone(zone, now);
            times.push_back(bench::Ms(bench::Clock::now() - start));
            if (!imported.found)
                std::printf("%s: not found\n", zone);
        }
        std::printf("import %-18s median %.3f ms, p90 %.3f ms (%d runs)\n", zone, bench::Median(times),
                    bench::Percentile(times, 0.9), kRuns);
    }
    std::printf("first import in the process (zone data loaded): %.3f ms\n", cold);

    const DstZoneImport berlin = ImportDstZone("Europe/Berlin", now);
    for (const bool withZone : {false, true}) {
        CDstEditor editor(DstSettings{{}, kDstByWeekday, 0});
        editor.ApplyImport(berlin);
        std::vector<double> times;
        for (int i = 0; i < kRuns; ++i) {
            const auto start = bench::Clock::now();
            editor.SetText(DstId::EndHour, i % 2 ? "01" : "02");
            const DstPreview preview =
                PreviewDst(editor.Shown(), {3600, now, withZone ? editor.SourceZone() : std::string()});
            times.push_back(bench::Ms(bench::Clock::now() - start));
            if (preview.next.empty())
                std::printf("empty preview\n");
        }
        std::printf("preview after one keystroke, %s: median %.3f ms, p90 %.3f ms (%d runs)\n",
                    withZone ? "with the zone check" : "rules only", bench::Median(times),
                    bench::Percentile(times, 0.9), kRuns);
    }
    return 0;
}
