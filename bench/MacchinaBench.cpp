// What the machine gives to two threads at the time of the run: a fixed
// amount of pure arithmetic split over 1 or 2 threads. On an idle 2-core
// machine the ratio is close to 2; when other work holds the cores it drops,
// and the sweep's thread ratio with it.
#include <benchmark/benchmark.h>

#include <cmath>
#include <thread>
#include <vector>

#include "bench/Registrazioni.h"

namespace nottaro::bench {
namespace {

double Calcolo(long inizio, long fine) {
    double x = 0;
    for (long i = inizio; i < fine; ++i) x += std::sqrt(static_cast<double>(i));
    return x;
}

void Macchina(benchmark::State& st, int nThread) {
    constexpr long totale = 40'000'000;
    for (auto _ : st) {
        std::vector<double> parziali(static_cast<std::size_t>(nThread));
        std::vector<std::thread> t;
        for (int k = 0; k < nThread; ++k)
            t.emplace_back([&parziali, k, nThread] {
                parziali[static_cast<std::size_t>(k)] = Calcolo(totale * k / nThread, totale * (k + 1) / nThread);
            });
        for (auto& x : t) x.join();
        benchmark::DoNotOptimize(parziali.data());
    }
}

}  // namespace

void RegistraMacchina() {
    benchmark::RegisterBenchmark("Macchina/1", Macchina, 1)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("Macchina/2", Macchina, 2)->Unit(benchmark::kMillisecond)->UseRealTime();
}

}  // namespace nottaro::bench
