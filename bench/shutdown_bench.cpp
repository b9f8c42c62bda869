// How long a device object takes to go when it is destroyed at a random
// moment of its life (during the hellos, the identification read, a poll, a
// write, or while a message waits for the user), on the in-process
// simulated clock: median, 95th percentile and maximum, per phase and for
// all together.
//
//   shutdown_bench [--objects N] [--seed N] [--workers N]
//
// --workers fires at that many objects side by side (default 1).
#include "BenchSupport.h"
#include "ShutdownUnderFire.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

int main(int argc, char** argv)
{
    int objects = 1000;
    uint32_t seed = 14;
    int workers = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--objects") == 0)
            objects = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = static_cast<uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
        else if (std::strcmp(argv[i], "--workers") == 0)
            workers = std::max(1, std::atoi(argv[i + 1]));
    }
    const auto started = bench::Clock::now();
    const std::vector<fire::Shot> shots = fire::Fire(objects, seed, workers);
    const double wall = bench::Ms(bench::Clock::now() - started);

    std::map<fire::Phase, std::vector<double>> byPhase;
    std::map<fire::Phase, std::vector<double>> lives;
    std::vector<double> all;
    int missed = 0;
    for (const fire::Shot& shot : shots) {
        const double ms = bench::Ms(shot.destruction);
        byPhase[shot.phase].push_back(ms);
        lives[shot.phase].push_back(bench::Ms(shot.life));
        all.push_back(ms);
        missed += shot.reached ? 0 : 1;
    }
    const auto report = [](const char* what, const std::vector<double>& values) {
        std::printf("%-18s median %7.3f ms   p95 %7.3f ms   max %7.3f ms   (n=%zu)\n", what, bench::Median(values),
                    bench::Percentile(values, 0.95), bench::Percentile(values, 1), values.size());
    };
    std::printf("destruction of a device object at a random moment (seed %u, %d side by side, %.1f s in all)\n", seed,
                workers, wall / 1000);
    for (const fire::Phase phase : fire::kPhases)
        report(fire::PhaseName(phase), byPhase[phase]);
    report("all", all);
    for (const fire::Phase phase : fire::kPhases)
        std::printf("%-18s destroyed after a median %.1f ms of life\n", fire::PhaseName(phase),
                    bench::Median(lives[phase]));
    if (missed > 0)
        std::printf("%d objects never reached their phase\n", missed);
    return missed > 0 ? 1 : 0;
}
