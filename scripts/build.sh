#!/usr/bin/env bash
# Configures and builds into the folder given (default build/); extra arguments go to cmake.
# TARGETS (environment) limits the build to those targets.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-$root/build}"
shift || true
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
# shellcheck disable=SC2086
ninja -C "$dir" ${TARGETS:-}
