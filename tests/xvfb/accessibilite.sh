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

dossier_x=$PWD
source "$ici/commun.bash"
echec() { echo "ECHEC : $*" >&2; exit 1; }

lanceur=/usr/libexec/at-spi-bus-launcher
python=/usr/bin/python3 # the system's, which has the pyatspi bindings
outils_requis Xvfb xdpyinfo dbus-launch dbus-send "$lanceur" "$python"
"$python" -c 'import pyatspi' 2>/dev/null || saute "module Python pyatspi manquant (python3-pyatspi)"
demarre_x 1280x1024

# A session bus of our own, then the accessibility bus it announces.
sortie=$(dbus-launch --sh-syntax 2>dbus.log) || saute "le bus de session ne démarre pas"
eval "$sortie"
pids_x+=("$DBUS_SESSION_BUS_PID")
"$lanceur" --launch-immediately >bus-accessibilite.log 2>&1 &
pids_x+=($!)
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

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$programme" >ondalis.log 2>&1 &
pids_x+=($!)

"$python" "$ici/accessibilite.py" || echec "voir ci-dessus ; journal du programme : $travail/ondalis.log"
kill -0 "${pids_x[-1]}" 2>/dev/null || echec "le programme s'est arrêté (voir $travail/ondalis.log)"
exit 0
