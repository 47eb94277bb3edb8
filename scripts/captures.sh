#!/usr/bin/env bash
# Screenshots of the real program under a virtual X server (with openbox when it is installed,
# so the windows wear a frame as on a desktop), written into docs/:
#   docs/demarrage.png  the screen at start, manual mode;
#   docs/ondalis.png    a rectangular signal rebuilt from its ranks 1, 3, 5, 7 and 9.
# Usage: bash scripts/captures.sh [program, default build/ondalis]
set -euo pipefail
cd "$(dirname "$0")/.."
programme=$(realpath "${1:-build/ondalis}")
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
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$travail/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 numero <&3 || echec "Xvfb ne démarre pas"
export DISPLAY=":$numero"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
if command -v openbox >/dev/null; then
  openbox >"$travail/openbox.log" 2>&1 &
  pids+=($!)
  sleep 1
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
sleep 1
import -window root "$sortie/demarrage.png"

# Clicks at design positions (twips, client area under the menu bar); 556 px is the client's
# height, the rest of the window's is the menu bar.
eval "$(xdotool getwindowgeometry --shell "$principale")"
barre=$((HEIGHT - 556))
clic() { # x y in twips
  xdotool mousemove --window "$principale" $(($1 / 15)) $(($2 / 15 + barre)) click 1
  sleep 0.3
}
clic 4207 367   # "Choix d'un signal"
clic 907 6877   # opens the signal list; its first entry is the rectangular signal
xdotool key Home Return
sleep 0.5
for rang in 1 3 5 7 9; do
  colonne=$(((rang - 1) % 5))
  haut=$([ "$rang" -ge 6 ] && echo 5647 || echo 3127)
  clic $((2677 + 600 * colonne)) "$haut"
done
sleep 1
import -window root "$sortie/ondalis.png"
echo "captures : $sortie/demarrage.png $sortie/ondalis.png"
