#!/usr/bin/env bash
# Whole-process start-up time of `vorlix --smoke` beside the bare Qt main window of
# bench_bare_window --smoke, and their ratio (goal: 1.3 or less). A second yardstick,
# bench_bare_window --smoke --label, shows one Chinese label: it pays for loading a CJK font, which
# Vorlix cannot avoid either.
#   bench/startup.sh [BUILD_DIR] [RUNS]
# BUILD_DIR is a build with -DVORLIX_BENCH=ON (default: build). Runs on Qt's offscreen platform
# unless QT_QPA_PLATFORM says otherwise. Uses hyperfine when it is installed, else a timing loop.
# With valgrind installed it first counts the instructions of one start of each (callgrind): unlike
# wall time they do not depend on what else the machine is doing (goal: vorlix at most 1.5 times the
# window with the label). VORLIX_STARTUP_INSTRUCTIONS=0 leaves the count out.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-30}
vorlix="$build/vorlix"
bare="$build/bench/bench_bare_window"
for exe in "$vorlix" "$bare"; do
    [ -x "$exe" ] || { echo "startup.sh: $exe not found; build with -DVORLIX_GUI=ON -DVORLIX_BENCH=ON" >&2; exit 2; }
done
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# Keep the user's own data directory and running instance out of it.
export VORLIX_DATA_DIR=${VORLIX_DATA_DIR:-$(mktemp -d)}

# Instructions one run of a command executes, counted by callgrind.
instructions() {
    local out
    out=$(mktemp)
    valgrind --tool=callgrind --callgrind-out-file="$out" "$@" >/dev/null 2>&1
    awk '$1 == "summary:" || $1 == "totals:" {print $2; exit}' "$out"
    rm -f "$out"
}
if [ "${VORLIX_STARTUP_INSTRUCTIONS:-1}" != 0 ] && command -v valgrind >/dev/null; then
    label_ir=$(instructions "$bare" --smoke --label)
    vorlix_ir=$(instructions "$vorlix" --smoke)
    awk -v v="$vorlix_ir" -v l="$label_ir" 'BEGIN {
        printf "instructions bench_bare_window --smoke --label: %.1f M\n", l / 1e6
        printf "instructions vorlix --smoke:                    %.1f M\n", v / 1e6
        printf "ratio of instructions vorlix / window with label: %.2f (goal <= 1.50)\n", v / l
    }'
fi

if command -v hyperfine >/dev/null; then
    exec hyperfine --warmup 3 --runs "$runs" -N "$bare --smoke" "$bare --smoke --label" "$vorlix --smoke"
fi

# Median wall time of one command in milliseconds (three warm-up runs first).
median_ms() {
    local times=() i start end
    for i in 1 2 3; do "$@" >/dev/null 2>&1; done
    for ((i = 0; i < runs; i++)); do
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR] = $1} END {m = (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2; printf "%.1f", m / 1000}'
}

bare_ms=$(median_ms "$bare" --smoke)
label_ms=$(median_ms "$bare" --smoke --label)
vorlix_ms=$(median_ms "$vorlix" --smoke)
echo "bench_bare_window --smoke:         ${bare_ms} ms (median of $runs)"
echo "bench_bare_window --smoke --label: ${label_ms} ms"
echo "vorlix --smoke:                    ${vorlix_ms} ms"
awk -v v="$vorlix_ms" -v b="$bare_ms" -v l="$label_ms" 'BEGIN {
    printf "ratio vorlix / bare window:        %.2f (goal <= 1.30)\n", v / b
    printf "ratio vorlix / window with label:  %.2f\n", v / l
}'
