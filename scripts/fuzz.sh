#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a fixed time (default 60 s)
# from the sample notebooks and the corpus. A crash, hang or sanitizer report fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
"$root/scripts/deps.sh"
dir="$root/build-fuzz"
CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOMVIRA_FUZZ=ON \
    -DLOMVIRA_BUILD_UI=OFF -DLOMVIRA_BUILD_TESTS=OFF -DLOMVIRA_BUILD_BENCH=OFF >/dev/null
ninja -C "$dir"
for fuzzer in "$dir"/fuzz/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    work="$(mktemp -d)"
    cp -r "$root/examples/." "$root/fuzz/corpus/." "$work/" 2>/dev/null || true
    echo "fuzzing $(basename "$fuzzer") for ${seconds}s"
    "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -max_len=4096 \
        -artifact_prefix="$dir/" "$work" 2>&1 | tail -n 5
    rm -rf "$work"
done
