#!/usr/bin/env bash
# Benchmarks marlenta-pcd against ImageMagick's convert as the engine runs
# them (same argument vector, one process per request) and prints:
#   1. time and peak memory for n = 5 on the 16Base samples, both converters
#      alternating in the same run, and the time ratio;
#   2. how long a request for a level the file does not hold takes;
#   3. PSNR of marlenta-pcd's pictures against ImageMagick's reading, and of
#      the chroma-residual chart against the chart's source picture for both.
# Usage: bench/converter_bench.sh [BUILD_DIR [SOURCES_DIR]]
#   BUILD_DIR defaults to build/. SOURCES_DIR holds the sample sources that
#   ../shared/tools/make_samples.sh keeps when given a second folder; without
#   it they are drawn anew into a scratch folder (about a minute).
# Needs /usr/bin/time (Debian package "time") and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
pcd=$(realpath "$build/marlenta-pcd")
im=/usr/bin/convert
samples=$(realpath ../shared/samples)
tools=$(realpath ../shared/tools)
runs=${RUNS:-5}
work=$(mktemp -d "${TMPDIR:-/tmp}/marlenta-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# run CONVERTER FILE N OUT: prints "seconds peak_KiB exit_status"
run() {
  local status=0
  /usr/bin/time -f "%e %M" -o "$work/time" "$1" -quiet -colorspace sRGB -orient TopLeft \
    "pcd:$2[$3]" "tga:$4" 2> /dev/null || status=$?
  echo "$(cat "$work/time" | tail -1) $status"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
max() { sort -n | tail -1; }

echo "== 1. n = 5, median of $runs runs each, alternating (load: $(cut -d' ' -f1-3 /proc/loadavg))"
printf '%-26s %12s %10s %12s %10s %7s\n' sample "pcd time s" "pcd MiB" "IM time s" "IM MiB" ratio
for f in chart-16base chart-16base-chroma portrait-16base; do
  : > "$work/pcd.txt"; : > "$work/im.txt"
  for ((i = 0; i < runs; i++)); do
    run "$pcd" "$samples/$f.pcd" 5 "$work/p.tga" >> "$work/pcd.txt"
    run "$im" "$samples/$f.pcd" 5 "$work/i.tga" >> "$work/im.txt"
  done
  pt=$(cut -d' ' -f1 "$work/pcd.txt" | median) pm=$(cut -d' ' -f2 "$work/pcd.txt" | max)
  it=$(cut -d' ' -f1 "$work/im.txt" | median) imm=$(cut -d' ' -f2 "$work/im.txt" | max)
  awk -v f="$f" -v pt="$pt" -v pm="$pm" -v it="$it" -v im="$imm" 'BEGIN {
    printf "%-26s %12s %10.1f %12s %10.1f %7.2f\n", f, pt, pm / 1024, it, im / 1024, pt / it }'
done

echo "== 2. refusals: marlenta-pcd for a level the file does not hold (median of $runs, ms)"
for req in chart-16base:6 plasma-4base:5 plasma-4base:6 hopper:4 hopper:5 truncated-16base:6 \
           truncated-16base:5; do
  f=${req%:*} n=${req#*:}
  : > "$work/r.txt"
  for ((i = 0; i < runs; i++)); do
    s=$EPOCHREALTIME
    "$pcd" -quiet -colorspace sRGB -orient TopLeft "pcd:$samples/$f.pcd[$n]" "tga:$work/r.tga" \
      2> /dev/null && echo "unexpected success: $f[$n]"
    awk -v s="$s" -v e="$EPOCHREALTIME" 'BEGIN { printf "%.1f\n", (e - s) * 1000 }' >> "$work/r.txt"
  done
  printf '  %-22s %5s ms\n' "$f[$n]" "$(median < "$work/r.txt")"
done

echo "== 3. PSNR (dB) of marlenta-pcd against ImageMagick's reading"
for req in chart-16base:3 chart-16base:4 chart-16base:5 hopper:3 portrait-16base:5 \
           plasma-4base:4 chart-16base-chroma:4; do
  f=${req%:*} n=${req#*:}
  "$pcd" "pcd:$samples/$f.pcd[$n]" "tga:$work/p.tga"
  "$im" -quiet -colorspace sRGB -orient TopLeft "pcd:$samples/$f.pcd[$n]" "$work/i.ppm"
  printf '  %-26s %s\n' "$f[$n]" "$(compare -metric PSNR "$work/p.tga" "$work/i.ppm" null: 2>&1)"
done

sources=${2:-}
if [[ -z $sources ]]; then
  sources=$work/sources
  echo "   (drawing the sample sources anew with make_samples.sh ...)"
  sh "$tools/make_samples.sh" "$work/regenerated" "$sources" > /dev/null
fi
echo "   chart-16base-chroma.pcd[5] against the chart's source picture:"
"$pcd" "pcd:$samples/chart-16base-chroma.pcd[5]" "tga:$work/p.tga"
status=0
"$im" -quiet -colorspace sRGB -orient TopLeft "pcd:$samples/chart-16base-chroma.pcd[5]" \
  "$work/i.ppm" 2> /dev/null || status=$?
printf '  %-26s %s\n' marlenta-pcd "$(compare -metric PSNR "$work/p.tga" "$sources/chart.ppm" null: 2>&1)"
printf '  %-26s %s (exit %s)\n' ImageMagick "$(compare -metric PSNR "$work/i.ppm" "$sources/chart.ppm" null: 2>&1)" "$status"
