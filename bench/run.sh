#!/usr/bin/env bash
# Times vorsplit, and vorloop after it, against cat and dd on the same page-cached 1 GiB archive,
# alternately, and measures vorsplit's peak memory on a 4 MB and on the 1 GiB archive. Needs GNU time (Debian:
# time). cat copies inside the kernel (copy_file_range); dd reads into its own memory and writes
# from there, as vorsplit must, so it is the floor for any tool that looks at the bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=9
big_pairs=2622   # 1 GiB
small_pairs=10   # 4 MB

command -v /usr/bin/time >/dev/null || { echo "bench: needs /usr/bin/time (Debian package time)" >&2; exit 1; }
cmake --workflow --preset release >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/release/make_archive "$work/big.bin" "$big_pairs" >/dev/null
build/release/make_archive "$work/small.bin" "$small_pairs" >/dev/null
mkdir "$work/tool"
cp build/release/vorsplit build/release/vorloop "$work/tool/"
cat "$work/big.bin" >/dev/null   # into the page cache

seconds() {   # seconds COMMAND...: wall time of one run, its output to /dev/null
  local start=$EPOCHREALTIME
  "$@" >/dev/null
  awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.4f\n", b - a }'
}
copy_with_cat() { cat "$work/big.bin" >"$work/copy.bin"; }
copy_with_dd() { dd if="$work/big.bin" of="$work/copy.bin" bs=256K status=none; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Every run starts with no output of an earlier run on the disk or in the page cache: a run that
# follows another's gigabyte of output pays for it, whichever tool it is.
fresh() { rm -f "$work"/tool/BGM_* "$work/copy.bin"; sync; }

tool_times=() loop_times=() cat_times=() dd_times=()
for ((i = 0; i < runs; i++)); do
  fresh
  tool_times+=("$(seconds "$work/tool/vorsplit" "$work/big.bin")")
  sync   # vorloop reads the archive and looks at the tracks vorsplit wrote beside it
  loop_times+=("$(seconds "$work/tool/vorloop" "$work/big.bin")")
  fresh
  cat_times+=("$(seconds copy_with_cat)")
  fresh
  dd_times+=("$(seconds copy_with_dd)")
done
tool=$(printf '%s\n' "${tool_times[@]}" | median)
loop=$(printf '%s\n' "${loop_times[@]}" | median)
copy=$(printf '%s\n' "${cat_times[@]}" | median)
dd=$(printf '%s\n' "${dd_times[@]}" | median)
bytes=$(stat -c %s "$work/big.bin")

peak_kib() {   # peak_kib ARCHIVE: vorsplit's peak resident set in KiB
  rm -f "$work"/tool/BGM_*.adpcm
  /usr/bin/time -f %M -o "$work/peak" "$work/tool/vorsplit" "$1" >/dev/null
  cat "$work/peak"
}
small_peak=$(peak_kib "$work/small.bin")
big_peak=$(peak_kib "$work/big.bin")

awk -v tool="$tool" -v loop="$loop" -v copy="$copy" -v dd="$dd" -v bytes="$bytes" -v runs="$runs" \
    -v small="$small_peak" -v big="$big_peak" 'BEGIN {
  printf "archive: %d bytes, page-cached; medians of %d alternating runs\n", bytes, runs
  printf "%-10s %10s %10s\n", "", "seconds", "MB/s"
  printf "%-10s %10.3f %10.0f\n", "vorsplit", tool, bytes / tool / 1e6
  printf "%-10s %10.3f %10.0f\n", "vorloop", loop, bytes / loop / 1e6
  printf "%-10s %10.3f %10.0f\n", "cat", copy, bytes / copy / 1e6
  printf "%-10s %10.3f %10.0f\n", "dd", dd, bytes / dd / 1e6
  printf "ratio vorsplit / cat: %.2f, vorsplit / dd: %.2f, vorloop / dd: %.2f\n", tool / copy,
         tool / dd, loop / dd
  printf "peak resident set: %d KiB on 4 MB, %d KiB on 1 GiB\n", small, big
}'
