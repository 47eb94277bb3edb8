#!/usr/bin/env bash
# The window benchmarks on a real X server: Xvfb (no window manager), the xcb platform, so that
# "to the frame" includes the copy of each painted window to the server and one round trip.
# Usage: bash bench/xcb.sh <build directory> [benchmark options, e.g. --benchmark_filter=...]
# Without options: the user actions, handler and to the frame, 9 repetitions.
set -u
build=$(realpath "${1:?dossier de construction}")
shift
programme=$build/bench/bench_ihm
[ -x "$programme" ] || { echo "construire bench_ihm" >&2; exit 1; }
[ $# -gt 0 ] || set -- --benchmark_filter='Gestionnaire|JusquAuCadre' --benchmark_repetitions=9 \
  --benchmark_min_time=0.1

source "$(dirname "${BASH_SOURCE[0]}")/xvfb.bash"
QT_QPA_PLATFORM=xcb "$programme" "$@"
