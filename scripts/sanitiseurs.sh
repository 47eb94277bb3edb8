#!/usr/bin/env bash
# A copy built with AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer (no
# recovery, floating-point to integer overflows included) in build-asan/, running the unit tests
# and the short random-use test. Prints the tests and the events counted, and the time taken.
set -euo pipefail
cd "$(dirname "$0")/.."
# As many build jobs as cores (Ninja alone would start two more), unless told otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
debut=$(date +%s)

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

lanceur=()
command -v ccache > /dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
drapeaux="-fsanitize=address,undefined -fno-sanitize-recover=all -fsanitize=float-cast-overflow -fno-omit-frame-pointer"
# -O1 with line tables: quick to build, and every report still names its line.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Release -DONDALIS_BENCH=OFF \
  -DCMAKE_CXX_FLAGS_RELEASE="-O1 -g1" \
  "${lanceur[@]}" -DCMAKE_CXX_FLAGS="$drapeaux" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" > /dev/null
cmake --build build-asan
construit=$(date +%s)

# Whole-program checks under a real X server stay with the ordinary build.
ctest --test-dir build-asan --output-on-failure --no-tests=error -j2 --timeout 600 \
  -E '^xvfb_|^UsageAleatoire\.' | tee build-asan/ctest.log | tail -3
tests=$(sed -n 's/.* tests failed out of \([0-9]*\).*/\1/p' build-asan/ctest.log)
usage=$(build-asan/tests/test_aleatoire --gtest_filter='UsageAleatoire.*' 2>&1 | tee build-asan/usage.log |
  grep -a "usage aléatoire :" || true)
if ! grep -q '^\[  PASSED  \] 1 test' build-asan/usage.log; then
  grep -av "XDG_RUNTIME_DIR" build-asan/usage.log | tail -60
  echo "sanitiseurs : l'usage aléatoire a échoué" >&2
  exit 1
fi
echo "$usage"
fin=$(date +%s)
echo "sanitiseurs : $(( tests + 1 )) tests passés (dont l'usage aléatoire), construction $(( construit - debut )) s, tests $(( fin - construit )) s, en tout $(( fin - debut )) s"
