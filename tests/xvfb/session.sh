#!/usr/bin/env bash
# The program as launchers and desktops start it. In a Wayland session that also offers X, with
# no platform chosen, its four windows must be on the X server (only X lets it place them); on
# Wayland alone it must run there. With standard error closed and no runtime folder, the X
# connection must not take its descriptor: the windows must show.
# Usage: session.sh <ondalis binary> <work directory>
set -u
source "$(dirname "$0")/commun.bash"
outils_requis Xvfb xdotool weston

echec=0
titres=('^Signal reconstitu' '^Graphe des Harmoniques' '^Ondalis - Version' '^Aide$')

# sur_x CASE: the four windows are visible on the X server.
sur_x() {
    local titre
    for titre in "${titres[@]}"; do
        fenetre "$titre" >/dev/null ||
            { echo "ÉCHEC ($1) : fenêtre absente de X : $titre"; echec=1; return; }
    done
    echo "OK ($1) : les quatre fenêtres sont sur X"
}


demarre_x 1024x768

# A headless compositor in a private runtime folder, as a Wayland desktop session has.
execution=$dossier/execution
rm -rf "$execution"
mkdir -m 700 "$execution"
XDG_RUNTIME_DIR=$execution weston --backend=headless-backend.so --socket=ondalis-session \
    --width=1024 --height=768 >>"$dossier/weston.log" 2>&1 &
pids_x+=($!)
attend test -S "$execution/ondalis-session" || { echo "ÉCHEC : weston n'a pas démarré" >&2; exit 1; }
wayland=(XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=ondalis-session XDG_RUNTIME_DIR=$execution)
# Qt's Wayland plugin (qt6-wayland) is for the test only: without it nothing runs on Wayland.
if timeout 10 env -u DISPLAY "${wayland[@]}" "$binaire" -platform wayland sonde 2>&1 |
    grep -q "chargé"; then
    [ "${CI:-}" = true ] && { echo "ÉCHEC : module wayland de Qt manquant sous CI" >&2; exit 1; }
    echo "SKIPPED : module wayland de Qt manquant (qt6-wayland)"
    exit $CODE_SAUTE
fi

lance env -u QT_QPA_PLATFORM "${wayland[@]}" "$binaire"
sur_x "session Wayland avec X"
arrete_programme

# Wayland alone, also in a session started from a console (no XDG_SESSION_TYPE): the program
# stays up (a refusal would end it with a message at once).
for session in XDG_SESSION_TYPE=wayland XDG_SESSION_TYPE=tty; do
    lance env -u QT_QPA_PLATFORM -u DISPLAY "${wayland[@]}" "$session" "$binaire"
    sleep 3
    if kill -0 "$pid_programme" 2>/dev/null; then
        echo "OK (Wayland seul, $session) : le programme tourne"
    else
        echo "ÉCHEC (Wayland seul, $session) : le programme s'est arrêté (voir $dossier/programme.log)"
        echec=1
    fi
    arrete_programme
done

env -u XDG_RUNTIME_DIR "$binaire" >>"$dossier/programme.log" 2>&- &
pid_programme=$!
pids_x+=($pid_programme)
sur_x "erreur standard fermée"
arrete_programme

exit $echec
