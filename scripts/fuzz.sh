#!/usr/bin/env bash
# Fuzzes the room-name reader against its whole-buffer reference for a bounded time.
#   scripts/fuzz.sh [SECONDS]   (default 30). Non-zero exit on any difference or crash.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
out="$root/build/fuzz"
mkdir -p "$out/corpus"

# Two builds: the vector byte classification, and the scalar one that targets without SSE2 use.
for variant in vector scalar; do
  flags=()
  [ "$variant" = scalar ] && flags=(-DROOMNAME_SCALAR_MASKS)
  clang++ -std=c++17 -O1 -g -Wall -Wextra -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=undefined "${flags[@]}" -I"$root" \
    "$root/tests/fuzz/reader_fuzz.cpp" "$root/roomname/last_line.cpp" \
    "$root/roomname/byte_masks.cpp" "$root/roomname/room_name_reader.cpp" "$root/roomname/files.cpp" \
    -o "$out/reader_fuzz_$variant"
done

# A few seeds around the tricky bytes; the fuzzer grows the rest.
printf '\x01A\r\nB'           >"$out/corpus/seed-crlf"
printf '\x02A\xb2\r\nB'       >"$out/corpus/seed-lead-cr"
printf '\x03A\xb2\x00B'       >"$out/corpus/seed-lead-nul"
printf '\x00\xb2\x1a\r\n\x1a' >"$out/corpus/seed-sub"

# The time is shared; the scalar build gets a third, as it differs only in the classification.
scalar_seconds=$(( seconds / 3 > 0 ? seconds / 3 : 1 ))
vector_seconds=$(( seconds - scalar_seconds > 0 ? seconds - scalar_seconds : 1 ))
cd "$out"
for variant in vector scalar; do
  [ "$variant" = vector ] && t=$vector_seconds || t=$scalar_seconds
  echo "fuzz: $variant build for $t s"
  # The fuzzer's progress goes to a log; it is shown only when something was found.
  if ! ./reader_fuzz_$variant -max_total_time="$t" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix="$out/$variant-" corpus >"$out/$variant.log" 2>&1; then
    tail -n 60 "$out/$variant.log"
    echo "fuzz: $variant build FAILED (log: $out/$variant.log)"
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$out/$variant.log" || true
done
echo "fuzz: no difference found"
