#!/usr/bin/env bash
# Runs every fuzz target of build-fuzz/ (made by "scripts/setup.sh --fuzz") one after the
# other, each for the given seconds (default 600) or a million runs, whichever ends first,
# with its dictionary from tests/fuzz/dictionaries/, starting from its seed corpus in
# tests/fuzz/corpus/ (which it leaves alone). What it adds, and the logs, stay in build-fuzz/.
# Prints one line per target: runs, seconds, coverage, peak memory and the outcome.
#   scripts/fuzz.sh [seconds] [target ...]
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
shift || true
build=build-fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for t in "$build"/tests/fuzz/fuzz_*; do
        [ -x "$t" ] && targets+=("$(basename "$t")")
    done
fi
if [ ${#targets[@]} -eq 0 ]; then
    echo "Ingen fuzz-mål i $build; byg dem med scripts/setup.sh --fuzz" >&2
    exit 2
fi

# AddressSanitizer keeps freed memory in quarantine (256 MB by default) to catch its use
# after the free; with redzones and shadow that holds the memory of a long run at several
# hundred MB. A smaller quarantine still catches a use soon after the free.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=32}
# Undefined behaviour is a finding as well, not a line in the log the run goes past.
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

mkdir -p "$build/corpus" "$build/logs" "$build/findings"
status=0
printf '%-20s %10s %8s %8s %9s  %s\n' mål kørsler sekunder dækning "RSS (MB)" udfald
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    log="$build/logs/$target.log"
    mkdir -p "$corpus"
    dict=tests/fuzz/dictionaries/${target#fuzz_}.dict
    options=(-runs=1000000 -max_total_time="$seconds" -print_final_stats=1
             -artifact_prefix="$build/findings/$target-")
    [ -f "$dict" ] && options+=(-dict="$dict")
    start=$(date +%s)
    nice -n 10 "$build/tests/fuzz/$target" "${options[@]}" "$corpus" \
        "tests/fuzz/corpus/$target" >"$log" 2>&1
    rc=$?
    took=$(($(date +%s) - start))
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
    rss=$(grep -o 'stat::peak_rss_mb: *[0-9]*' "$log" | grep -o '[0-9]*$')
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$')
    outcome=ok
    if [ $rc -ne 0 ]; then
        outcome="fund (se $log)"
        status=1
    fi
    printf '%-20s %10s %8s %8s %9s  %s\n' "$target" "${runs:-?}" "$took" "${cov:-?}" \
        "${rss:-?}" "$outcome"
done
exit $status
