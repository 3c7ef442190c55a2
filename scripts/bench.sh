#!/usr/bin/env bash
# Builds the program and every benchmark (through setup.sh), runs them all one after the
# other and prints one table: the work, our time, the tool's time, their ratio, the goal and
# whether it is met. As root each benchmark keeps its test data on a tmpfs of its own;
# bench_startup runs under Xvfb when there is no display. The full output of each benchmark
# is kept in build/bench-logs/. Usage: scripts/bench.sh [rounds] (default: each benchmark's).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

rounds=("$@")
# Qt wants a private runtime folder; a machine without a session has none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
# The benchmarks live in build/bench, away from the program's installed data beside it.
export RAVNSTI_DATA="$PWD/data"
logs=build/bench-logs
mkdir -p "$logs"
results=$logs/results.tsv
: >"$results"
failed=()

run() {
    local name=$1
    shift
    echo "== $name"
    if "$@" 2>&1 | tee "$logs/$name.log"; then
        :
    else
        failed+=("$name")
    fi
    grep '^RESULT' "$logs/$name.log" | cut -f2- >>"$results" || true
    local fs
    fs=$(grep -m1 '^FILESYSTEM' "$logs/$name.log" | cut -f2 || true)
    [ -z "$fs" ] || echo "$name: test data on $fs" >>"$logs/filesystems.txt"
}

: >"$logs/filesystems.txt"
run bench_listing build/bench/bench_listing "" "${rounds[@]}"
run bench_search build/bench/bench_search "" "${rounds[@]}"
run bench_operations build/bench/bench_operations "" "${rounds[@]}"
run bench_copy build/bench/bench_copy "" "${rounds[@]}"
run bench_tekstsoegning build/bench/bench_tekstsoegning "" "${rounds[@]}"
run bench_editor build/bench/bench_editor "" "${rounds[@]}"
run bench_htmlkontrol build/bench/bench_htmlkontrol "${rounds[@]}"
if [ -n "${DISPLAY:-}" ]; then
    run bench_startup build/bench/bench_startup "${rounds[@]}"
else
    run bench_startup xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_startup \
        "${rounds[@]}"
fi

echo
{
    printf 'work\travnsti\ttool\tratio\tgoal\tmet\n'
    cat "$results"
} | awk -F'\t' '
    { for (i = 1; i <= NF; ++i) { cell[NR, i] = $i; if (length($i) > w[i]) w[i] = length($i) } }
    END {
        for (r = 1; r <= NR; ++r) {
            line = ""
            for (i = 1; i <= 6; ++i) line = line sprintf("%-" w[i] "s  ", cell[r, i])
            print line
            if (r == 1) { rule = ""; for (i = 1; i <= 6; ++i) { s = sprintf("%" w[i] "s", ""); gsub(/ /, "-", s); rule = rule s "  " } print rule }
        }
    }'
echo
cat "$logs/filesystems.txt"
if [ ${#failed[@]} -gt 0 ]; then
    echo "failed: ${failed[*]} (see $logs/)" >&2
    exit 1
fi
