#pragma once
// The clock of the benches: the wall time of one run, the best of several runs, and the median of
// a series of figures.
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace corvana::test {

inline double Milliseconds(const std::function<void()>& run) {
  const auto start = std::chrono::steady_clock::now();
  run();
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  return took.count();
}

// The fastest of Runs runs: the one least disturbed by the rest of the machine.
inline double BestMilliseconds(const std::function<void()>& run, int runs) {
  double best = Milliseconds(run);
  for (int i = 1; i < runs; ++i) best = std::min(best, Milliseconds(run));
  return best;
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace corvana::test
