#!/usr/bin/env bash
# Builds the fuzz target of the lesson reader with clang (libFuzzer, ASan,
# UBSan) in build-fuzz/ and runs each in turn, starting from its corpus in fuzz/corpus/.
#   scripts/fuzz.sh [seconds-per-target]      bounded time per target (default 30)
#   FUZZ_RUNS=10000000 scripts/fuzz.sh        a fixed number of runs per target instead
#   FUZZ_CIBLES="lecon" ...            only these targets
# Fails on the first crash or broken property; the input that did it is left in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
# As many build jobs as cores (Ninja alone would start two more), unless told otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
secondes="${1:-30}"
cibles=(${FUZZ_CIBLES:-lecon})

bash scripts/installe-dependances.sh
CXX=clang++ cmake -S fuzz -B build-fuzz -G Ninja >/dev/null
cmake --build build-fuzz

export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
for cible in "${cibles[@]}"; do
  options=(-dict="fuzz/$cible.dict" -max_len=4096)
  if [ -n "${FUZZ_RUNS:-}" ]; then options+=(-runs="$FUZZ_RUNS"); else options+=(-max_total_time="$secondes"); fi
  # New inputs go to a scratch corpus; the one in the repository stays as committed.
  travail="build-fuzz/corpus/$cible"
  mkdir -p "$travail"
  journal="build-fuzz/$cible.log"
  debut=$(date +%s)
  if ! ./build-fuzz/fuzz_"$cible" "${options[@]}" -artifact_prefix=build-fuzz/"$cible"- \
      -print_final_stats=1 "$travail" fuzz/corpus/"$cible" >"$journal" 2>&1; then
    tail -n 40 "$journal"
    echo "fuzz_$cible: ECHEC (journal: $journal)" >&2
    exit 1
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$journal")
  echo "fuzz_$cible: $executions executions en $(($(date +%s) - debut)) s, aucun plantage"
done
