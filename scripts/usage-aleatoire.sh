#!/usr/bin/env bash
# Long random use of the windows: seeded runs of the random-use test, one after the other, until
# the total number of events is reached. Prints each seed's figures, then the events counted.
#   scripts/usage-aleatoire.sh [total=1000000] [par-graine=20000] [premiere-graine=1000] [test]
# A failing seed prints its report; replay it with ONDALIS_GRAINE and ONDALIS_EVENEMENTS.
set -uo pipefail
cd "$(dirname "$0")/.."
total=${1:-1000000}
tranche=${2:-20000}
graine=${3:-1000}
binaire=${4:-build/tests/test_aleatoire}
[ -x "$binaire" ] || { echo "introuvable : $binaire (construire la cible test_aleatoire)" >&2; exit 2; }

prevus=0
joues=0
echecs=0
debut=$(date +%s)
while [ "$prevus" -lt "$total" ]; do
  n=$(( total - prevus < tranche ? total - prevus : tranche ))
  sortie=$(ONDALIS_GRAINE=$graine ONDALIS_EVENEMENTS=$n QT_QPA_PLATFORM=offscreen \
    timeout 900 "$binaire" --gtest_filter='UsageAleatoire.*' 2>&1)
  code=$?
  faits=$(sed -n 's/.*, \([0-9]*\) événements joués.*/\1/p' <<<"$sortie" | head -1)
  prevus=$(( prevus + n ))
  joues=$(( joues + ${faits:-0} ))
  [ "$code" -eq 124 ] && echo "graine $graine : bloquée (plus de 900 s)"
  if [ "$code" -ne 0 ]; then
    echecs=$(( echecs + 1 ))
    grep -av "XDG_RUNTIME_DIR" <<<"$sortie" | tail -45
  fi
  echo "graine $graine : ${faits:-0}/$n événements, code $code, $(( $(date +%s) - debut )) s"
  graine=$(( graine + 1 ))
done
echo "usage aléatoire longue : $joues événements joués sur $prevus prévus, $echecs graines en échec, $(( $(date +%s) - debut )) s"
[ "$echecs" -eq 0 ]
