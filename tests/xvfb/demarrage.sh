#!/usr/bin/env bash
# Whole-program smoke run under a real X server: start Ondalis, wait for the two graph windows,
# take a screenshot and check that they lie at the left edge (signal at the top, harmonic at
# the bottom) with the coordinate frame drawn on their surfaces.
# Usage: bash demarrage.sh <path to ondalis> <work directory>
set -u
ici=$(cd "$(dirname "$0")" && pwd)
programme=$(realpath "${1:?chemin du programme}")
travail=${2:?dossier de travail}
mkdir -p "$travail"
cd "$travail" || exit 1

largeur=1280
hauteur=1024
dossier_x=$PWD
source "$ici/commun.bash"
outils_requis Xvfb xdotool import /usr/bin/convert
echec() { echo "ECHEC : $*" >&2; exit 1; }

demarre_x "${largeur}x${hauteur}"
lance "$programme"
prog_pid=$pid_programme

fenetre() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
for _ in $(seq 100); do
  signal=$(fenetre '^Signal reconstitu')
  harmonic=$(fenetre '^Graphe des Harmoniques')
  [ -n "$signal" ] && [ -n "$harmonic" ] && break
  kill -0 "$prog_pid" 2>/dev/null || echec "le programme s'est arrêté (voir $travail/programme.log)"
  sleep 0.1
done
[ -n "$signal" ] && [ -n "$harmonic" ] || echec "fenêtres des graphes introuvables"

# Position and size of a window: "x y largeur hauteur".
geometrie() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}
read -r sx sy sl sh <<<"$(geometrie "$signal")"
read -r hx hy hl hh <<<"$(geometrie "$harmonic")"
echo "signal : $sx $sy ${sl}x$sh ; harmonic : $hx $hy ${hl}x$hh"
[ "$sl" = 516 ] && [ "$sh" = 304 ] || echec "taille de la fenêtre du signal : ${sl}x$sh"
[ "$hl" = 516 ] && [ "$hh" = 304 ] || echec "taille de la fenêtre des harmoniques : ${hl}x$hh"
[ "$sx" = 0 ] && [ "$sy" = 0 ] || echec "signal pas au coin haut gauche : $sx $sy"
[ "$hx" = 0 ] || echec "harmoniques pas au bord gauche : $hx"
[ $((hy + hh)) = "$hauteur" ] || echec "harmoniques pas en bas de l'écran : $hy + $hh"

pixel() { /usr/bin/convert capture.png -format "%[pixel:p{$1,$2}]" info:; }
bleu() {
  local p
  p=$(pixel "$1" "$2")
  case "$p" in
    blue|'srgb(0,0,255)'|'rgb(0,0,255)'|'#0000FF') ;;
    *) echec "pixel ($1, $2) : $p au lieu du bleu des axes" ;;
  esac
}

# The surfaces draw once exposed: poll the screenshot until the axes show.
for essai in $(seq 30); do
  import -window root capture.png 2>/dev/null || echec "capture impossible"
  [ "$(pixel $((sx + 2 + 100)) $((sy + 2 + 149)))" != "$(pixel $((sx + 2 + 100)) $((sy + 2 + 148)))" ] && break
  sleep 0.2
done
# Frame of each surface (drawing area 2 pixels inside the sunken border): time axis on row 149,
# value axis on column 19, one-period tick on column 473.
for origine in "$sx $sy" "$hx $hy"; do
  read -r ox oy <<<"$origine"
  ox=$((ox + 2)); oy=$((oy + 2))
  bleu $((ox + 100)) $((oy + 149))
  bleu $((ox + 400)) $((oy + 149))
  bleu $((ox + 19)) $((oy + 60))
  bleu $((ox + 19)) $((oy + 250))
  bleu $((ox + 473)) $((oy + 146))
  case "$(pixel $((ox + 100)) $((oy + 100)))" in
    white|'srgb(255,255,255)'|'rgb(255,255,255)'|'#FFFFFF') ;;
    *) echec "fond pas blanc en ($((ox + 100)), $((oy + 100)))" ;;
  esac
done
echo "OK : graphes placés au bord gauche, repère dessiné."
exit 0
