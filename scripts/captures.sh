#!/usr/bin/env bash
# Screenshots of the real program under a virtual X server (with openbox when it is installed,
# so the windows wear a frame as on a desktop), written into docs/:
#   docs/demarrage.png    the screen at start, manual mode;
#   docs/ondalis.png      a rectangular signal rebuilt from its ranks 1, 3, 5, 7 and 9;
#   docs/dents-de-scie.png a sawtooth from its mean value, ranks 1 to 10 and the higher ranks.
# Usage: bash scripts/captures.sh [program, default build/ondalis]
# ECRAN=WxH sets the virtual screen (default 1024x768).
set -euo pipefail
cd "$(dirname "$0")/.."
programme=$(realpath "${1:-build/ondalis}")
ecran=${ECRAN:-1024x768}
sortie=$(pwd)/docs
mkdir -p "$sortie"
travail=$(mktemp -d)
pids=()
fin() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$travail"
}
trap fin EXIT
echec() { echo "ECHEC : $*" >&2; exit 1; }

# Xvfb picks a free display number and writes it on a pipe.
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 "${ecran}x24" -nolisten tcp >"$travail/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 numero <&3 || echec "Xvfb ne démarre pas"
export DISPLAY=":$numero"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
if command -v openbox >/dev/null; then
  openbox >"$travail/openbox.log" 2>&1 &
  pids+=($!)
  # Ready once it has claimed the screen.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
fi

LANG=fr_FR.UTF-8 "$programme" >"$travail/ondalis.log" 2>&1 &
pids+=($!)
attend() { # title -> window id, once it is shown
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
principale=$(attend '^Ondalis - Version') || echec "la fenêtre principale n'apparaît pas"
sleep 1.5
capture() { # name: the whole screen, in 8-bit colour (the pictures use few colours)
  sleep 1
  import -window root "png8:$sortie/$1.png"
}
capture demarrage

# Clicks at design positions (twips, client area under the menu bar); 556 px is the client's
# height, the rest of the window's is the menu bar.
eval "$(xdotool getwindowgeometry --shell "$principale")"
barre=$((HEIGHT - 556))
clic() { # x y in twips
  xdotool mousemove --window "$principale" $(($1 / 15)) $(($2 / 15 + barre)) click 1
  sleep 0.4
}
choisit_signal() { # position in the list: 0 rectangular, 1 triangular, 2 sawtooth
  clic 907 6877 # opens the signal list
  xdotool key Home
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
  sleep 0.8
}
valide() { # rank 1 to 10: its validation box
  local colonne=$((($1 - 1) % 5)) haut=3127
  [ "$1" -ge 6 ] && haut=5647
  clic $((2677 + 600 * colonne)) "$haut"
}

clic 4207 367 # "Choix d'un signal"
choisit_signal 0
for rang in 1 3 5 7 9; do valide "$rang"; done
capture ondalis

choisit_signal 2 # the sawtooth validates its mean value itself
for rang in 1 2 3 4 5 6 7 8 9 10; do valide "$rang"; done
clic 787 4327 # "Ajouter les harmoniques de rang supérieur", up to rank 100
capture dents-de-scie
echo "captures : $sortie/demarrage.png $sortie/ondalis.png $sortie/dents-de-scie.png"
