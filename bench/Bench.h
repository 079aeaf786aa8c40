#pragma once
// A benchmark measures a few runs of each contender in one process and prints medians and their ratio.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace bench {

// Median wall time in microseconds of `runs` calls of `work`.
template <typename Work>
double MedianMicros(int runs, Work&& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

inline void Report(const char* what, double baselineMicros, double candidateMicros) {
    std::printf("%-40s baseline %10.1f us  candidate %10.1f us  ratio %6.2fx\n", what, baselineMicros,
                candidateMicros, candidateMicros > 0 ? baselineMicros / candidateMicros : 0.0);
}

// The value at the given fraction (0.5 median, 0.99 ...) of an unsorted sample.
inline double Percentile(std::vector<double> sample, double fraction) {
    if (sample.empty()) return 0;
    std::sort(sample.begin(), sample.end());
    return sample[std::min(sample.size() - 1, static_cast<std::size_t>(fraction * sample.size()))];
}

}  // namespace bench
