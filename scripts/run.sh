#!/usr/bin/env bash
# The main job: builds the program and computes the bundled sample notebook, printing the
# coordinates of its stations. `scripts/run.sh --gui` opens the desktop program on it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
TARGETS="lomvira lomvira-cli" "$root/scripts/build.sh" "$root/build"
settings="$(mktemp -d)/lomvira.ini"
if [ "${1:-}" = "--gui" ]; then
    exec "$root/build/lomvira" --settings "$settings" "$root/examples/ukazka.mer"
fi
exec "$root/build/lomvira-cli" --settings "$settings" compute "$root/examples/ukazka.mer"
