#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz harnesses with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/, fuzzes each one for a while,
# then replays the saved regression corpus fuzz/corpus/<harness>/.
#
#   bash scripts/fuzz.sh [seconds per harness, default 30] [harness ...]
#
# 0 seconds only replays the corpus. New inputs found while fuzzing go to
# build-fuzz/corpus/<harness>/, findings to build-fuzz/findings/<harness>/;
# a reproducer worth keeping is copied into fuzz/corpus/<harness>/ by hand.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

seconds="${1:-30}"
[ $# -gt 0 ] && shift
harnesses=("$@")

# Limits of every run: an input that makes a reader ask for more than 64 MiB
# at once, or grow the process beyond 1 GiB, or take 10 s, is a finding.
limits=(-rss_limit_mb=1024 -malloc_limit_mb=64 -timeout=10)
export LSAN_OPTIONS="suppressions=$ZUV_ROOT/fuzz/lsan.supp:print_suppressions=0"

FUZZ_BUILD="${ZUV_FUZZ_BUILD:-$ZUV_ROOT/build-fuzz}"
# libFuzzer and the sanitizer runtimes of clang are only recommended by it.
zuv_packages+=(clang libclang-rt-14-dev)
zuv_install_missing
cmake -S "$ZUV_ROOT" -B "$FUZZ_BUILD" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DZUV_BUILD_FUZZERS=ON -DZUV_BUILD_TESTS=OFF -DZUV_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$FUZZ_BUILD" -j"$(nproc)" >/dev/null
if [ ${#harnesses[@]} -eq 0 ]; then # every harness built (the server's only with the server)
    for fuzzer in "$FUZZ_BUILD"/fuzz/fuzz_*; do
        name="$(basename "$fuzzer")"
        [ -f "$fuzzer" ] && [ -x "$fuzzer" ] && [ "$name" != fuzz_makeseeds ] && harnesses+=("${name#fuzz_}")
    done
fi

export QT_QPA_PLATFORM=offscreen
rm -rf "$FUZZ_BUILD/seeds"
"$FUZZ_BUILD/fuzz/fuzz_makeseeds" "$FUZZ_BUILD/seeds"

failed=()
for harness in "${harnesses[@]}"; do
    fuzzer="$FUZZ_BUILD/fuzz/fuzz_$harness"
    saved="$ZUV_ROOT/fuzz/corpus/$harness"
    if [ ! -x "$fuzzer" ]; then
        echo "no harness named $harness" >&2
        failed+=("$harness")
        continue
    fi
    if [ "$seconds" -gt 0 ]; then
        mkdir -p "$FUZZ_BUILD/corpus/$harness" "$FUZZ_BUILD/findings/$harness"
        log="$FUZZ_BUILD/findings/$harness.log"
        if "$fuzzer" "${limits[@]}" -max_total_time="$seconds" -print_final_stats=1 \
                -artifact_prefix="$FUZZ_BUILD/findings/$harness/" \
                "$FUZZ_BUILD/corpus/$harness" "$FUZZ_BUILD/seeds/$harness" "$saved" >"$log" 2>&1; then
            echo "fuzz_$harness: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs in ${seconds} s, nothing found"
        else
            echo "fuzz_$harness: FINDING, see $log and $FUZZ_BUILD/findings/$harness/"
            failed+=("$harness")
        fi
    fi
    # Every input of the saved corpus once; files named one by one are only
    # run, never added to or changed.
    mapfile -t inputs < <(find "$saved" -type f | sort)
    mkdir -p "$FUZZ_BUILD/findings/$harness"
    if "$fuzzer" "${limits[@]}" -artifact_prefix="$FUZZ_BUILD/findings/$harness/replay-" "${inputs[@]}" \
            >"$FUZZ_BUILD/replay-$harness.log" 2>&1; then
        echo "fuzz_$harness: replayed ${#inputs[@]} saved inputs"
    else
        echo "fuzz_$harness: REPLAY FAILED, see $FUZZ_BUILD/replay-$harness.log"
        failed+=("$harness")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "failed: ${failed[*]}" >&2
    exit 1
fi
