// The cost of one cycle of watch --metrics: the metrics formatted and the
// file replaced (a temporary file written, renamed over the old one), as
// it happens once a second; formatting alone besides.
//
//   metrics_bench [--cycles N] [--folder DIR]   (default: 2000 cycles, a new folder in /tmp)
#include "BenchSupport.h"
#include "Metrics.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    using namespace bench;
    int cycles = 2000;
    std::string folder;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--cycles") == 0)
            cycles = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--folder") == 0)
            folder = argv[i + 1];
    }
    const bool ownFolder = folder.empty();
    if (ownFolder) {
        char name[] = "/tmp/kerovant-metrics-bench-XXXXXX";
        if (!::mkdtemp(name)) {
            std::perror("mkdtemp");
            return 1;
        }
        folder = name;
    }
    const std::string path = folder + "/kerovant-bench.prom";

    ClockMetrics metrics;
    metrics.up = true;
    metrics.offsetSeconds = 0.0031;
    metrics.timeCodeReceived = true;
    metrics.zoneRulesAgree = true;
    metrics.info = ClockInfo{"00010472", "1.3.0", "0x0150", "Set", "/dev/ttyUSB0"};
    metrics.failures["unplugged"] = 3;

    CMetricsFileWriter writer;
    if (std::string error; !writer.Open(path, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::vector<double> format;
    std::vector<double> cycle;
    size_t bytes = 0;
    for (int i = 0; i < cycles; ++i) {
        metrics.offsetSeconds = 0.001 * (i % 7);
        const auto start = Clock::now();
        const std::string text = FormatMetrics(metrics);
        const auto formatted = Clock::now();
        std::string error;
        if (!writer.Replace(text, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        cycle.push_back(Ms(Clock::now() - start));
        format.push_back(Ms(formatted - start));
        bytes = text.size();
    }
    writer.Remove();
    if (ownFolder)
        ::rmdir(folder.c_str());
    std::printf("metrics file: %zu bytes, %d cycles in %s\n", bytes, cycles, folder.c_str());
    std::printf("%-34s median %8.3f ms   p95 %8.3f ms\n", "format", Median(format), Percentile(format, 0.95));
    std::printf("%-34s median %8.3f ms   p95 %8.3f ms\n", "format + replace the file (a cycle)", Median(cycle),
                Percentile(cycle, 0.95));
    return 0;
}
