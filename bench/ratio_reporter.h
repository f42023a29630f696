#pragma once
// Runs the registered benchmarks and then prints, for each pair named in
// ratios, how many times slower the subject ran than its baseline in this
// same run (processor time, or wall-clock time for a benchmark that asks
// for it with UseRealTime; the median when repetitions are asked for):
// machines here are shared, so absolute times mean little and the ratio is
// the figure to watch.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace scorewick::bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    // With --benchmark_repetitions the median stands for the benchmark.
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      // A wall-clock benchmark is named as its function, without the
      // "/real_time" the library adds.
      std::string name = run.run_name.str();
      if (const auto at = name.rfind("/real_time"); at != std::string::npos) name.erase(at, 10);
      const double time =
          run.run_name.time_type.empty() ? run.GetAdjustedCPUTime() : run.GetAdjustedRealTime();
      if (run.run_type == Run::RT_Iteration && !medians_.count(name)) {
        times_[name] = time;
      } else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        times_[name] = time;
        medians_.insert(name);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  // The time of a benchmark named as its function, with or without the
  // "/real_time" the library adds (kept without it).
  double Time(std::string name) const {
    if (const auto at = name.rfind("/real_time"); at != std::string::npos) name.erase(at, 10);
    auto it = times_.find(name);
    return it == times_.end() ? 0 : it->second;
  }

 private:
  std::map<std::string, double> times_;
  std::set<std::string> medians_;
};

// ratios: (subject, baseline) benchmark names.  Returns 0.
inline int RunWithRatios(int argc, char** argv,
                         const std::vector<std::pair<std::string, std::string>>& ratios) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const auto& [subject, baseline] : ratios) {
    double s = reporter.Time(subject), b = reporter.Time(baseline);
    if (s > 0 && b > 0)
      std::printf("ratio %s / %s = %.2f\n", subject.c_str(), baseline.c_str(), s / b);
  }
  benchmark::Shutdown();
  return 0;
}

}  // namespace scorewick::bench
