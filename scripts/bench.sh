#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in Release (into build-bench/) and runs them. Every
# benchmark program ends with a summary that sets each figure against its
# floor and its goal; all summaries are repeated at the end.
#
#   bash scripts/bench.sh                      # everything, 3 repetitions each (medians)
#   bash scripts/bench.sh --benchmark_filter=Load   # arguments go to every benchmark program
#   ZUV_BENCH_KEEP=/var/tmp/zuvbench bash scripts/bench.sh   # bench_server fills its databases of
#                                    # 1,000,000 sessions once, keeps them there and reuses them
#
# Timings are only meaningful on an otherwise idle machine: the load average
# is printed with the machine's description.
set -euo pipefail
ZUV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ZUV_BUILD="${ZUV_BENCH_BUILD:-$ZUV_ROOT/build-bench}"
source "$ZUV_ROOT/scripts/setup.sh"
zuv_install_missing
ZUV_BUILD_TYPE=Release zuv_build -DZUV_BUILD_TESTS=OFF -DZUV_BUILD_BENCHMARKS=ON

if [ $# -eq 0 ]; then
    set -- --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
fi

results="$ZUV_BUILD/bench-results"
mkdir -p "$results"
benchmarks=(bench_storage bench_startup)
if [ -x "$ZUV_BUILD/bench/bench_server" ]; then
    benchmarks+=(bench_server bench_model)
fi

echo "== machine =="
echo "cores (nproc): $(nproc)"
echo "CPU: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "memory: $(awk '/MemTotal/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo)"
echo "load average before the run: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "compiler: $(c++ --version | head -1)"
echo

# bench_startup draws on an X server of its own (Xvfb) whatever this says.
export QT_QPA_PLATFORM=offscreen
# The server's hostile-peer benchmarks at full size (CI runs them small).
export ZUV_BENCH_FULL_SCALE=1
for benchmark in "${benchmarks[@]}"; do
    echo "== $benchmark =="
    "$ZUV_BUILD/bench/$benchmark" \
        --benchmark_out="$results/$benchmark.json" --benchmark_out_format=json "$@" \
        2>&1 | tee "$results/$benchmark.txt"
    echo
done

echo "==================== summary ===================="
echo "cores $(nproc), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), load average now $(cut -d' ' -f1-3 /proc/loadavg)"
for benchmark in "${benchmarks[@]}"; do
    awk '/^== /{show=1} show' "$results/$benchmark.txt"
done
echo "(JSON results in $results)"
