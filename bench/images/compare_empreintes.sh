#!/usr/bin/env bash
# Compares two folders written by empreintes_graphes (two builds, same series of actions):
# every PNG byte for byte, every printed page rasterised by pdftoppm at 150 dpi (the PDF files
# themselves carry their date). Prints the files that differ; exit status 1 if any does.
# Usage: bash bench/images/compare_empreintes.sh <folder A> <folder B>
set -u
a=${1:?dossier A}
b=${2:?dossier B}
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
n=0
ecarts=0
for f in "$a"/*.png; do
  n=$((n + 1))
  cmp -s "$f" "$b/$(basename "$f")" || { echo "différent : $(basename "$f")"; ecarts=$((ecarts + 1)); }
done
for f in "$a"/*.pdf; do
  [ -e "$f" ] || continue
  n=$((n + 1))
  pdftoppm -r 150 -png -singlefile "$f" "$travail/a"
  pdftoppm -r 150 -png -singlefile "$b/$(basename "$f")" "$travail/b"
  cmp -s "$travail/a.png" "$travail/b.png" || { echo "différent : $(basename "$f")"; ecarts=$((ecarts + 1)); }
done
echo "$n fichiers comparés, $ecarts différents"
[ "$ecarts" = 0 ]
