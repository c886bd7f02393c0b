#!/usr/bin/env bash
# Fuzzes the camera file reader with libFuzzer.
#   tools/fuzz-reader.sh [SECONDS] [extra libFuzzer options...]
# SECONDS defaults to 60. New inputs go to build-fuzz/corpus; a crash is
# written to build-fuzz/crash-* (copy it into tests/fuzz/corpus to keep it).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
SECONDS_TO_RUN="${1:-60}"
shift || true
OUT="${VELK_FUZZ_DIR:-$ROOT/build-fuzz}"
CXX="${CLANGXX:-clang++}"
mkdir -p "$OUT/corpus"

BIN="$OUT/fuzz_camerafilereader"
SOURCES=("$ROOT/archive/camerafilereader.cpp" "$ROOT/tests/fuzz/fuzz_camerafilereader.cpp")
if [ ! -x "$BIN" ] || [ -n "$(find "${SOURCES[@]}" "$ROOT/archive/camerafilereader.h" -newer "$BIN")" ]; then
    echo "Building $BIN"
    # Qt's headers require position-independent code.
    # shellcheck disable=SC2046
    "$CXX" -std=c++17 -g -O1 -fPIC -fno-omit-frame-pointer \
        -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
        -DCAMERAFILE_STATIC -I"$ROOT/archive" \
        $(pkg-config --cflags Qt5Core Qt5Gui) \
        "${SOURCES[@]}" -o "$BIN" \
        $(pkg-config --libs Qt5Core Qt5Gui)
fi

# Allocations are bounded by the input (at most 4 KB here) plus fixed
# buffers: a larger one is a finding.
exec "$BIN" "$OUT/corpus" "$ROOT/tests/fuzz/corpus" \
    -max_total_time="$SECONDS_TO_RUN" -max_len=4096 -malloc_limit_mb=256 \
    -timeout=10 -artifact_prefix="$OUT/" -print_final_stats=1 "$@"
