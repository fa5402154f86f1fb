#!/usr/bin/env bash
# The main job: builds the program and opens it on the bundled sample notebook.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
TARGETS="lomvira lomvira-cli" "$root/scripts/build.sh" "$root/build"
exec "$root/build/lomvira" "$root/examples/ukazka.mer"
