#pragma once
// Prints Google Benchmark's usual table, then each "X_Store" time over its "X_Bare" time:
// how much the program's own layers add to the same work done directly with SQLite.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace ntx::bench {

// Prints the usual table, then each "_Store" figure over its "_Bare" figure.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) times_[r.benchmark_name()] = r.GetAdjustedRealTime();
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nstore / bare SQLite (target: at most 1.5)\n");
        for (const auto& [name, t] : times_) {
            const auto cut = name.find("_Store");
            if (cut == std::string::npos) continue;
            const auto bare = times_.find(name.substr(0, cut) + "_Bare");
            if (bare != times_.end())
                std::printf("  %-16s %.2f\n", name.substr(0, cut).c_str(), t / bare->second);
        }
    }

  private:
    std::map<std::string, double> times_;
};

}  // namespace ntx::bench
