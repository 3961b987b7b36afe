#!/usr/bin/env bash
# Whole-process time of `vorlix-cli generate` printing the route table over all of China, against
# `cat` of the same output from a file: the cost of starting the program and generating, compared
# with the least any program needs to put those bytes out. The goal is a ratio of at most 3.
#
#   bench/isp_cli_bench.sh [path/to/vorlix-cli] [runs]
set -euo pipefail

cli=${1:-build/vorlix-cli}
runs=${2:-200}
[[ -x $cli ]] || { echo "isp_cli_bench: no executable $cli (build first, or pass its path)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
args=(generate 按钮_生成1 --set 单选框_中国ip=1 --set 单选框_route=1 --set 编辑框_2=10.0.0.1)
"$cli" "${args[@]}" >"$work/all_china.rsc"
lines=$(($(tr -cd '\n' <"$work/all_china.rsc" | wc -c) + 1))
bytes=$(wc -c <"$work/all_china.rsc")

# Wall-clock nanoseconds of `runs` runs of a command, its output thrown away.
time_runs() {
    local start end i
    start=$(date +%s%N)
    for ((i = 0; i < runs; ++i)); do "$@" >/dev/null; done
    end=$(date +%s%N)
    echo $((end - start))
}

# One warm-up round each, so that neither side pays for a cold page cache.
time_runs "$cli" "${args[@]}" >/dev/null
time_runs cat "$work/all_china.rsc" >/dev/null
cli_ns=$(time_runs "$cli" "${args[@]}")
cat_ns=$(time_runs cat "$work/all_china.rsc")

awk -v c="$cli_ns" -v k="$cat_ns" -v n="$runs" -v l="$lines" -v b="$bytes" 'BEGIN {
    printf "output: %d lines, %d bytes; %d runs each\n", l, b, n
    printf "vorlix-cli generate: %8.3f ms per run\n", c / n / 1e6
    printf "cat of the output:   %8.3f ms per run\n", k / n / 1e6
    printf "ratio: %.2f (goal <= 3)\n", c / k
}'
