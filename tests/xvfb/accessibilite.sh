#!/usr/bin/env bash
# What a screen reader sees of the whole program: Ondalis under a real X server with a session
# bus and the accessibility bus, its tree read and acted on through AT-SPI (accessibilite.py).
# Skipped (77) when a tool is missing or a bus does not start, except under CI, where that fails.
# Usage: bash accessibilite.sh <path to ondalis> <work directory>
set -u
source "$(dirname "$0")/commun.bash"

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
attend dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress ||
  saute "le bus d'accessibilité ne démarre pas (voir $dossier/bus-accessibilite.log)"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$binaire" >ondalis.log 2>&1 &
pids_x+=($!)

"$python" "$ici/accessibilite.py" || echec "voir ci-dessus ; journal du programme : $dossier/ondalis.log"
kill -0 "${pids_x[-1]}" 2>/dev/null || echec "le programme s'est arrêté (voir $dossier/ondalis.log)"
exit 0
