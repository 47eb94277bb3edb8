#!/bin/bash
# The higher-rank sum at RangMax 2000 timed three ways in one run and printed side by side:
# the per-sample way, the program's way, and a plain vectorised numpy version where numpy is
# installed. Processor time per call, median of the repetitions, in ms.
# Usage: compare_somme.sh [bench_calcul] (default: build/bench/bench_calcul)
set -euo pipefail
ici=$(cd "$(dirname "$0")" && pwd)
bench=${1:-$ici/../build/bench/bench_calcul}
python=${PYTHON:-/usr/bin/python3}
json=$(mktemp)
trap 'rm -f "$json"' EXIT

"$bench" --benchmark_filter='^Somme' --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_out="$json" \
    --benchmark_out_format=json >/dev/null 2>&1

numpy=""
if "$python" -c 'import numpy' 2>/dev/null; then
    # One BLAS thread; malloc keeps its large blocks instead of unmapping or trimming them.
    numpy=$(OPENBLAS_NUM_THREADS=1 MALLOC_MMAP_THRESHOLD_=100000000 \
        MALLOC_TRIM_THRESHOLD_=1000000000 MALLOC_TOP_PAD_=100000000 \
        "$python" "$ici/numpy_somme.py" 100)
fi

"$python" - "$json" "$numpy" <<'PY'
import json, sys

echelle = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
medianes = {}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("aggregate_name") == "median":
        medianes[b["run_name"]] = b["cpu_time"] * echelle[b["time_unit"]]
numpy = {}
for ligne in sys.argv[2].splitlines():
    nom, _minimum, mediane = ligne.split()
    numpy[nom] = float(mediane)

print(f"{'case':24} {'per sample':>11} {'program':>9} {'numpy':>9} {'x per sample':>13} {'x numpy':>8}")
for nom, programme in medianes.items():
    if not nom.startswith("Somme/"):
        continue
    cas = nom.removeprefix("Somme/")
    par_point = medianes.get(f"SommeParPoint/{cas}")
    peer = numpy.get(cas)
    texte = lambda x: f"{x:.3f}" if x is not None else "-"
    rapport = lambda x: f"{x / programme:.1f}" if x is not None else "-"
    print(f"{cas:24} {texte(par_point):>11} {programme:9.3f} {texte(peer):>9} "
          f"{rapport(par_point):>13} {rapport(peer):>8}")
PY
