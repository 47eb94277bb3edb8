#!/usr/bin/env bash
# Cold start under a real X server (Xvfb, no window manager): the program against a bare Qt
# program that shows one empty window, built alike, launched alternately. A run is timed from
# the launch of the process to the moment all its start-up windows are on the screen and
# painted (both report that moment and their resident memory, see app/MesureDemarrage.h).
# Prints min / median of each, the ratio of the medians and the memory.
# Usage: bash bench/demarrage.sh <build directory> [runs of each, default 21]
set -u
build=$(realpath "${1:?dossier de construction}")
n=${2:-21}
programme=$build/ondalis
nue=$build/bench/fenetre_nue
[ -x "$programme" ] && [ -x "$nue" ] || { echo "construire ondalis et fenetre_nue" >&2; exit 1; }

travail=$(mktemp -d)
exec 3>"$travail/affichage"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$travail/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$travail"' EXIT
for _ in $(seq 100); do [ -s "$travail/affichage" ] && break; sleep 0.05; done
export DISPLAY=:$(head -1 "$travail/affichage")
unset QT_QPA_PLATFORM
export ONDALIS_MESURE_DEMARRAGE=1

# One run: "milliseconds resident-kB".
mesure() {
  local debut=$EPOCHREALTIME
  "$1" >"$travail/sortie" 2>/dev/null
  read -r fin ko <"$travail/sortie"
  local d=${debut/[.,]/}
  echo "$(( (fin - d) / 1000 )).$(( (fin - d) % 1000 / 100 )) $ko"
}

# A warm-up of each, so that both start with the libraries in the page cache.
mesure "$programme" >/dev/null; mesure "$nue" >/dev/null
: >"$travail/p"; : >"$travail/n"
for _ in $(seq "$n"); do
  mesure "$programme" >>"$travail/p"
  mesure "$nue" >>"$travail/n"
done

python3 - "$travail/p" "$travail/n" <<'PY'
import statistics, sys
def lit(f):
    l = [tuple(map(float, x.split())) for x in open(f) if x.strip()]
    return [a for a, _ in l], [b / 1024 for _, b in l]
tp, mp = lit(sys.argv[1]); tn, mn = lit(sys.argv[2])
print(f"runs: {len(tp)} of each, alternated")
print(f"ondalis      start min {min(tp):7.1f} ms  median {statistics.median(tp):7.1f} ms  RSS median {statistics.median(mp):5.1f} MB")
print(f"bare window  start min {min(tn):7.1f} ms  median {statistics.median(tn):7.1f} ms  RSS median {statistics.median(mn):5.1f} MB")
print(f"ratio of medians {statistics.median(tp) / statistics.median(tn):.2f}, of mins {min(tp) / min(tn):.2f}")
PY
