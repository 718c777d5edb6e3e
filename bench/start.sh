#!/bin/sh
# Times whole processes from their start to page 1 painted, offscreen: the
# program (ferrolith_start, the program's own main that presses "OK" once the
# start window is painted and ends once page 1 is) and the bare anchor
# (start_anchor), in turn, with the peak memory of each.
# Usage: bench/start.sh [BUILD_FOLDER [PAIRS]]
set -eu
build=${1:-build}
pairs=${2:-21}
export QT_QPA_PLATFORM=offscreen
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# $1 binary, $2 name: appends the run's microseconds and peak kilobytes.
run() {
    t0=$(date +%s%N)
    timeout 20 /usr/bin/time -f %M -o "$out/mem" "$1" >/dev/null 2>&1
    t1=$(date +%s%N)
    echo $(((t1 - t0) / 1000)) >>"$out/$2.us"
    cat "$out/mem" >>"$out/$2.kb"
}

# A first run of each fills the file caches; it does not count.
"$build/ferrolith_start" >/dev/null 2>&1
"$build/start_anchor" >/dev/null 2>&1
i=0
while [ $i -lt "$pairs" ]; do
    if [ $((i % 2)) -eq 0 ]; then
        run "$build/ferrolith_start" program
        run "$build/start_anchor" anchor
    else
        run "$build/start_anchor" anchor
        run "$build/ferrolith_start" program
    fi
    i=$((i + 1))
done

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
pt=$(median "$out/program.us")
at=$(median "$out/anchor.us")
pm=$(median "$out/program.kb")
am=$(median "$out/anchor.kb")
echo "Start to page 1 painted, whole processes (offscreen), medians of $pairs each, in turn:"
awk -v p="$pt" -v a="$at" 'BEGIN { printf "  time         program %6.1f ms   anchor %6.1f ms   ratio %.2f\n", p / 1000, a / 1000, p / a }'
awk -v p="$pm" -v a="$am" 'BEGIN { printf "  peak memory  program %6.1f MB   anchor %6.1f MB   ratio %.2f\n\n", p / 1024, a / 1024, p / a }'
