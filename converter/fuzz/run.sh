#!/usr/bin/env bash
# Builds the decoder fuzz harness with clang under ASan and UBSan into
# build-fuzz/ and runs it for SECONDS (default 300). libavcodec itself is not
# instrumented; our code around it and every buffer we hand it are.
# Usage: converter/fuzz/run.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-300}
out=build-fuzz
mkdir -p "$out/corpus"
samples=$(cd .. && pwd)/shared/samples
flags=(-std=c++20 -O2 -g -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined
  -fno-sanitize-recover=undefined -I. $(pkg-config --cflags libavcodec libavutil)
  "-DMARLENTA_FUZZ_DEFAULT_SAMPLE=\"$samples/chart-16base-chroma.pcd\"")
sources=$(ls converter/*.cpp | grep -v -e '_test\.cpp$' -e '/main\.cpp$')
clang++ "${flags[@]}" $sources converter/fuzz/decode_fuzzer.cpp -ldl -o "$out/decode_fuzzer"
# Seeds: a patch at the 4Base Huffman table and in the 16Base data for each
# of a few levels, and a short raw file.
for level in 0 3 4 5; do
  printf "\\x0$level\\x0c\\x20\\x00\\x00\\x00\\x00\\xff\\xfe" > "$out/corpus/seed-table-$level"
  printf "\\x0$level\\x12\\x00\\x00\\x00\\x00\\x00\\xff\\xff\\xfe\\x00" > "$out/corpus/seed-rows-$level"
done
printf '\x83PCD_IPI' > "$out/corpus/seed-raw"
exec "$out/decode_fuzzer" -max_total_time="$seconds" -max_len=4096 -len_control=0 -timeout=20 \
  -rss_limit_mb=2048 -print_final_stats=1 "$out/corpus"
