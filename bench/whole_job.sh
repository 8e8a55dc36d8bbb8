#!/usr/bin/env bash
# Whole-job figures of the console front end: `marlenta -i <folder> -o <out>`
# on a folder holding every shared sample, first with the default converter
# lookup ($MARLENTA_CONVERTER unset: marlenta-pcd beside marlenta), then with
# $MARLENTA_CONVERTER naming each converter through a wrapper that logs its
# calls. Prints wall time, peak memory of the job and its converter runs,
# the levels asked for per file and the size of each output.
# Usage: bench/whole_job.sh [BUILD_DIR]    (default build/)
# Needs /usr/bin/time (Debian package "time"), ImageMagick's identify, and a
# marlenta whose console job (-i) works.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
marlenta=$build/marlenta
samples=$(realpath ../shared/samples)
work=$(mktemp -d "${TMPDIR:-/tmp}/marlenta-job.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in"
cp "$samples"/*.pcd "$work/in/"

# A wrapper that logs each converter call, so the runs per file are counted.
cat > "$work/logging-converter" <<'WRAP'
#!/bin/sh
echo "$*" >> "$CONVERTER_LOG"
exec "$REAL_CONVERTER" "$@"
WRAP
chmod +x "$work/logging-converter"

for converter in default "$build/marlenta-pcd" /usr/bin/convert; do
  out=$work/out-$(basename "$converter")
  mkdir -p "$out"
  log=$work/calls-$(basename "$converter")
  : > "$log"
  status=0
  if [[ $converter == default ]]; then
    (unset MARLENTA_CONVERTER
      /usr/bin/time -f "%e %M" -o "$work/time" "$marlenta" -i "$work/in/" -o "$out/" -q) \
      > "$work/stdout" 2>&1 || status=$?
    runs="runs not logged"
  else
    MARLENTA_CONVERTER=$work/logging-converter REAL_CONVERTER=$converter CONVERTER_LOG=$log \
      /usr/bin/time -f "%e %M" -o "$work/time" "$marlenta" -i "$work/in/" -o "$out/" -q \
      > "$work/stdout" 2>&1 || status=$?
    runs="$(wc -l < "$log") converter runs"
  fi
  read -r seconds peak < <(tail -1 "$work/time")
  echo "== $(basename "$converter"): exit $status, ${seconds} s, peak $((peak / 1024)) MiB ($runs)"
  if ! ls "$out"/* > /dev/null 2>&1; then
    echo "   no output: does this marlenta run console jobs yet? It printed:"
    sed 's/^/   | /' "$work/stdout" | head -5
    continue
  fi
  for f in "$work"/in/*.pcd; do
    name=$(basename "$f" .pcd)
    levels=$( (grep -F "/$name.pcd[" "$log" || true) | sed 's/.*\[\([0-9]\)\].*/\1/' | tr '\n' ' ')
    [[ -n $levels ]] || levels="(not logged)"
    tiff=$(ls "$out/$name".* 2> /dev/null | head -1)
    size=$([[ -n $tiff ]] && identify -format '%wx%h' "$tiff" 2> /dev/null || echo none)
    printf '   %-26s levels tried: %-16s output: %s\n' "$name.pcd" "$levels" "$size"
  done
done
