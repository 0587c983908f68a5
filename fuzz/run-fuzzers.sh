#!/usr/bin/env bash
# Builds the libFuzzer targets if needed and runs each for a bounded time.
#
#   fuzz/run-fuzzers.sh [SECONDS]     (default 60 seconds per target)
#
# Builds with clang into build-fuzz/ at the top of the repository (or
# $TESSALY_FUZZ_BUILD_DIR). Seed corpora are generated afresh on each run;
# what the fuzzers add to them is kept in build-fuzz/corpus/ for the next run.
# Inputs in fuzz/regressions/<target>/ are replayed before fuzzing.
#
# Exit status: 0 when no target found anything, 1 when one crashed, failed an
# invariant, leaked, timed out or ran out of memory (the input is kept in
# build-fuzz/findings/<target>/), 2 when the build failed.

set -u

seconds=${1:-60}
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
    echo "usage: $0 [SECONDS]   (seconds per fuzz target, default 60)" >&2
    exit 2
fi

fuzz_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(dirname "$fuzz_dir")
build=${TESSALY_FUZZ_BUILD_DIR:-$repo/build-fuzz}
targets=(readnumber_fuzzer pictureintake_fuzzer)

say() { printf '\n== %s\n' "$*"; }

build_fuzzers() {
    if [ ! -f "$build/CMakeCache.txt" ]; then
        say "Configuring $build with clang"
        CC=clang CXX=clang++ cmake -S "$repo" -B "$build" -G Ninja \
            -DTESSALY_BUILD_FUZZERS=ON -DTESSALY_BUILD_TESTS=OFF \
            -DTESSALY_BUILD_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo || return 1
    fi
    say "Building the fuzz targets"
    cmake --build "$build" --target "${targets[@]}" pictureintake_seed_writer || return 1
}

write_seeds() {
    local seeds=$build/seeds
    rm -rf "$seeds"
    mkdir -p "$seeds/readnumber_fuzzer"
    local i=0 text
    for text in "42" "-12.5e3" "+.5" "1.2.3" "1e" "1e999" "-1e-999" " 1 2 3" "- 5" \
        "&HFF" "&h 1f junk" "&H20000000000001F" "12abc" "99个" "32767.5" \
        "-2147483648.5" "3.4028235e38" "1,5"; do
        printf '%s' "$text" > "$seeds/readnumber_fuzzer/seed-$i"
        i=$((i + 1))
    done
    ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen \
        "$build/fuzz/pictureintake_seed_writer" "$seeds/pictureintake_fuzzer" 2>/dev/null
}

# Replays the saved inputs of earlier findings; each must now pass.
replay_regressions() {
    local target=$1 folder=$fuzz_dir/regressions/$1
    [ -d "$folder" ] && [ -n "$(ls -A "$folder")" ] || return 0
    echo "replaying $(ls -A "$folder" | wc -l) saved inputs from fuzz/regressions/$target"
    "$build/fuzz/$target" -rss_limit_mb=4096 "$folder"/* \
        > "$build/logs/$target-regressions.log" 2>&1
}

run_target() {
    local target=$1
    local corpus=$build/corpus/$target findings=$build/findings/$target
    local log=$build/logs/$target.log
    mkdir -p "$corpus" "$findings"
    say "$target: fuzzing for $seconds s"
    if ! replay_regressions "$target"; then
        echo "FAILED: a saved input from fuzz/regressions/$target fails again:"
        tail -n 40 "$build/logs/$target-regressions.log"
        return 1
    fi
    "$build/fuzz/$target" "$corpus" "$build/seeds/$target" \
        -dict="$fuzz_dir/${target%_fuzzer}.dict" \
        -max_total_time="$seconds" -rss_limit_mb=4096 -timeout=120 \
        -print_final_stats=1 -artifact_prefix="$findings/" > "$log" 2>&1
    local status=$?

    local executions peak
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    peak=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log" | tail -n 1)
    echo "executions: ${executions:-unknown}   peak memory: ${peak:-?} MB" \
        "  corpus: $(ls "$corpus" | wc -l) inputs"
    if [ "$status" -ne 0 ]; then
        echo "FAILED: $target stopped with status $status; its report:"
        grep -v '^#[0-9]' "$log" | tail -n 60
        echo "input kept in: $(ls -t "$findings" | head -n 1 | sed "s|^|$findings/|")"
        echo "full log: $log"
        return 1
    fi
    echo "ok: nothing found (full log: $log)"
}

if ! build_fuzzers; then
    echo "FAILED: could not build the fuzz targets" >&2
    exit 2
fi
mkdir -p "$build/logs"
if ! write_seeds; then
    echo "FAILED: could not write the seed corpora" >&2
    exit 2
fi

failed=()
for target in "${targets[@]}"; do
    run_target "$target" || failed+=("$target")
done

say "Summary"
if [ ${#failed[@]} -gt 0 ]; then
    echo "findings in: ${failed[*]}"
    exit 1
fi
echo "all ${#targets[@]} fuzz targets ran $seconds s each without findings"
