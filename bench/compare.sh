#!/usr/bin/env bash
# Times `lomvira-cli compute --csv` on the generated timing surveys and, when cavern is
# installed, cavern on their .svx twins: wall time, CPU time (user + sys), peak memory,
# and the ratios of the two wall times and of the two CPU times (on a shared machine the
# CPU ratio is the steadier one).
#   bench/compare.sh [BUILD_DIR] [WORK_DIR] [NAME_FILTER]
# CAVERN_LIMIT (environment, seconds) stops a cavern run that takes longer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
work="${2:-${TMPDIR:-/tmp}/lomvira-compare}"
filter="${3:-}"
cli="$build/lomvira-cli"
gen="$build/bench/generuj_pruzkumy"
for f in "$cli" "$gen" /usr/bin/time; do
    [ -x "$f" ] || { echo "Chybí $f (sestavte lomvira-cli a generuj_pruzkumy)." >&2; exit 1; }
done
mkdir -p "$work/out"
[ -f "$work/.hotovo" ] || { "$gen" "$work" >/dev/null && touch "$work/.hotovo"; }
have_cavern=0
command -v cavern >/dev/null && have_cavern=1

# Runs a command under /usr/bin/time -v; prints "wall cpu peak_MB" (seconds, seconds, MB).
measure() {
    local log="$work/out/time.log"
    if ! /usr/bin/time -v -o "$log" "$@" >/dev/null 2>"$work/out/stderr.log"; then
        echo "FAIL: $*" >&2
        head -5 "$work/out/stderr.log" >&2
        echo "- - -"
        return
    fi
    awk -F': ' '
        /User time/ {u = $2} /System time/ {s = $2} /Maximum resident/ {m = $2}
        /Elapsed \(wall clock\)/ {
            n = split($2, t, ":"); w = 0; for (i = 1; i <= n; ++i) w = w * 60 + t[i]
        }
        END {printf "%.3f %.3f %.1f\n", w, u + s, m / 1024}' "$log"
}

printf "%-28s %9s %9s %8s" "survey" "wall s" "cpu s" "peak MB"
[ $have_cavern = 1 ] && printf " | %9s %9s %8s | %7s %7s" "cavern s" "cpu s" "peak MB" "wall" "cpu"
printf "\n"
for mer in "$work"/*.mer; do
    name="$(basename "$mer" .mer)"
    [[ -n "$filter" && "$name" != *$filter* ]] && continue
    read -r lw lc lm < <(measure "$cli" compute --csv "$mer")
    printf "%-28s %9s %9s %8s" "$name" "$lw" "$lc" "$lm"
    if [ $have_cavern = 1 ]; then
        read -r cw cc cm < <(measure timeout "${CAVERN_LIMIT:-0}" cavern -q -s -o "$work/out/$name.3d" "$work/$name.svx")
        ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b > 0) printf "%.3f", a / b; else print "-"}'; }
        printf " | %9s %9s %8s | %7s %7s" "$cw" "$cc" "$cm" "$(ratio "$lw" "$cw")" "$(ratio "$lc" "$cc")"
    fi
    printf "\n"
done
