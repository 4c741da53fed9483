// A benchmark case that stands for a target reports the figure, the limit and which side of it is good
// as user counters, and describes itself, with the unit, in its label; scripts/bench.sh reads them back
// from the JSON output and prints one verdict a case.
#pragma once

#include <benchmark/benchmark.h>

namespace korva::bench {

inline void ReportTarget(benchmark::State& state,
                         const char* description,
                         double value,
                         double target,
                         bool lowerIsBetter) {
    state.counters["value"] = value;
    state.counters["target"] = target;
    state.counters["lower_is_better"] = lowerIsBetter ? 1 : 0;
    state.SetLabel(description);
}

}  // namespace korva::bench
