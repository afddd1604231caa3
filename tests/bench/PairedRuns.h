#pragma once
// Two programs or readers timed in turn (a, b, a, b, ...) so that both see the
// same machine: prints the medians and the median of the pairwise ratios a / b.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// Each side runs once and returns the milliseconds it took.
inline void ComparePairs(const char *what, int pairs, const std::function<double()> &a,
                         const std::function<double()> &b) {
  std::vector<double> as, bs, ratios;
  for (int pair = 0; pair < pairs; ++pair) {
    as.push_back(a());
    bs.push_back(b());
    ratios.push_back(as.back() / bs.back());
  }
  const auto median = [](std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
  };
  std::printf("%-40s %8.2f ms against %8.2f ms  ratio %5.2f  (medians of %d pairs)\n", what, median(as), median(bs),
              median(ratios), pairs);
  std::fflush(stdout);
}
