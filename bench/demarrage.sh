#!/usr/bin/env bash
# Cold start under a real X server (Xvfb, no window manager): the program against a bare Qt
# program that shows one window with a label and a button, built alike, launched alternately.
# A run is timed from the launch of the process to the moment all its start-up windows are on
# the screen and painted (both report that moment and their resident memory, see
# bench/demarrage/MesureDemarrage.cpp, linked into these benchmark builds only).
# Prints min / median of each, the ratio of the medians and the memory.
# Usage: bash bench/demarrage.sh <build directory> [runs of each, default 21]
set -u
build=$(realpath "${1:?dossier de construction}")
n=${2:-21}
programme=${ONDALIS_MESURE:-$build/bench/ondalis_mesure}
nue=$build/bench/fenetre_nue
[ -x "$programme" ] && [ -x "$nue" ] || { echo "construire ondalis_mesure et fenetre_nue" >&2; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/xvfb.bash"
unset QT_QPA_PLATFORM

# One run: "milliseconds resident-kB cpu-seconds" (the processor time of the whole run, exit
# included: on a loaded machine it is steadier than the wall clock).
TIMEFORMAT='%U %S'
mesure() {
  local debut=$EPOCHREALTIME cpu
  cpu=$( { time "$1" >"$travail/sortie" 2>/dev/null; } 2>&1 )
  read -r fin ko <"$travail/sortie"
  local d=${debut/[.,]/}
  read -r u s <<<"${cpu//,/.}"
  echo "$(( (fin - d) / 1000 )).$(( (fin - d) % 1000 / 100 )) $ko $(echo "$u + $s" | bc)"
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
    return [a for a, _, _ in l], [b / 1024 for _, b, _ in l], [1000 * c for _, _, c in l]
tp, mp, cp = lit(sys.argv[1]); tn, mn, cn = lit(sys.argv[2])
med = statistics.median
print(f"runs: {len(tp)} of each, alternated")
for nom, t, m, c in (("ondalis", tp, mp, cp), ("label+button", tn, mn, cn)):
    print(f"{nom:12s} start min {min(t):6.1f} median {med(t):6.1f} ms | cpu min {min(c):5.0f} "
          f"median {med(c):5.0f} ms | RSS median {med(m):5.1f} MB")
print(f"start ratio: medians {med(tp) / med(tn):.2f}, mins {min(tp) / min(tn):.2f}; "
      f"cpu ratio: medians {med(cp) / med(cn):.2f}")
PY
