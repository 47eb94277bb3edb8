#!/usr/bin/env bash
# What a screen reader sees of the whole program: Ondalis under a real X server with a session
# bus and the accessibility bus, its tree read and acted on through AT-SPI (accessibilite.py).
# Skipped (77) when a tool is missing or a bus does not start, except under CI, where that fails.
# Usage: bash accessibilite.sh <path to ondalis> <work directory>
set -u
programme=$(realpath "${1:?chemin du programme}")
travail=${2:?dossier de travail}
ici=$(dirname "$(realpath "$0")")
mkdir -p "$travail"
cd "$travail" || exit 1

echec() { echo "ECHEC : $*" >&2; exit 1; }
saute() {
  [ "${CI:-}" = true ] && echec "$* (la CI doit passer ce test)"
  echo "SAUTÉ : $*"
  exit 77
}

lanceur=/usr/libexec/at-spi-bus-launcher
python=/usr/bin/python3 # the system's, which has the pyatspi bindings
for outil in Xvfb xdpyinfo dbus-launch dbus-send "$lanceur" "$python"; do
  command -v "$outil" >/dev/null 2>&1 || saute "outil manquant : $outil"
done
"$python" -c 'import pyatspi' 2>/dev/null || saute "module Python pyatspi manquant (python3-pyatspi)"

pids=()
fin() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
  wait 2>/dev/null
}
trap fin EXIT

# The X server picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>affichage 2>xvfb.log &
pids+=($!)
for _ in $(seq 100); do
  [ -s affichage ] && break
  kill -0 "${pids[0]}" 2>/dev/null || echec "Xvfb s'est arrêté (voir $travail/xvfb.log)"
  sleep 0.05
done
[ -s affichage ] || echec "Xvfb n'a pas donné de numéro d'affichage"
export DISPLAY=":$(head -1 affichage)"
xdpyinfo >/dev/null 2>&1 || echec "Xvfb ne répond pas sur $DISPLAY"

# A session bus of our own, then the accessibility bus it announces.
sortie=$(dbus-launch --sh-syntax 2>dbus.log) || saute "le bus de session ne démarre pas"
eval "$sortie"
pids+=("$DBUS_SESSION_BUS_PID")
"$lanceur" --launch-immediately >bus-accessibilite.log 2>&1 &
pids+=($!)
pret=
for _ in $(seq 100); do
  if dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1; then
    pret=1
    break
  fi
  sleep 0.05
done
[ -n "$pret" ] || saute "le bus d'accessibilité ne démarre pas (voir $travail/bus-accessibilite.log)"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 env -u QT_QPA_PLATFORM "$programme" >ondalis.log 2>&1 &
pids+=($!)

"$python" "$ici/accessibilite.py" || echec "voir ci-dessus ; journal du programme : $travail/ondalis.log"
kill -0 "${pids[-1]}" 2>/dev/null || echec "le programme s'est arrêté (voir $travail/ondalis.log)"
exit 0
