# Shared by the whole-program scripts (sourced, not run): an X server on a display of its own,
# an optional window manager, window frames as the screen shows them, and a clean end.
# A missing tool skips the test (exit 77), except under CI, where it fails.

CODE_SAUTE=77
pids_x=()

# Every script is called as SCRIPT PROGRAM WORK-FOLDER: the program in $binaire, the folder made,
# entered and in $dossier; $ici the scripts' folder. A script may redefine echec.
ici=$(dirname "$(realpath "$0")")
binaire=$(realpath "$1")
dossier=$(realpath -m "$2")
dossier_x=$dossier
mkdir -p "$dossier" && cd "$dossier" || exit 1
echec() { echo "ÉCHEC : $*" >&2; exit 1; }

# The tests hold whatever the caller's session: X only, no Wayland, no desktop settings, and a
# home and runtime folder of their own (nothing written into the user's).
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY WAYLAND_SOCKET XDG_SESSION_TYPE XDG_SESSION_DESKTOP XDG_CURRENT_DESKTOP \
    DESKTOP_SESSION QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS \
    QT_ENABLE_HIGHDPI_SCALING XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME DBUS_SESSION_BUS_ADDRESS \
    GTK_THEME DISPLAY
dossier_session=$(mktemp -d "${TMPDIR:-/tmp}/ondalis-session.XXXXXX")
export HOME=$dossier_session/home XDG_RUNTIME_DIR=$dossier_session/runtime
mkdir -m 0700 "$HOME" "$XDG_RUNTIME_DIR"

# Stops what was started, the most recent first.
arrete_x() {
    local i
    for ((i = ${#pids_x[@]} - 1; i >= 0; i--)); do
        # Already gone is fine, also for callers under set -e.
        kill "${pids_x[i]}" 2>/dev/null || true
        wait "${pids_x[i]}" 2>/dev/null || true
    done
    pids_x=()
}
trap 'arrete_x; rm -rf "$dossier_session"' EXIT

# saute REASON: the test is skipped (77), except under CI, where it fails.
saute() {
    [ "${CI:-}" = true ] && { echo "ÉCHEC sous CI : $*" >&2; exit 1; }
    echo "SKIPPED : $*"
    exit $CODE_SAUTE
}

# attend COMMAND...: true once the command succeeds, within 10 s.
attend() { for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done; return 1; }

# outils_requis TOOL...: every tool must be on PATH.
outils_requis() {
    local outil
    for outil in "$@"; do
        command -v "$outil" >/dev/null 2>&1 || saute "outil manquant : $outil"
    done
}

# demarre_x WxH [window manager and its arguments]: a fresh X server that answers (DISPLAY set),
# then the window manager if one is named, ready. A server that does not answer, or whose window
# manager does not start, is dropped for another display.
demarre_x() {
    local ecran=$1 numero essai _
    outils_requis Xvfb xdpyinfo
    shift
    for essai in 1 2 3; do
        arrete_x
        # A random display far above the ones other programs pick (lowest free, or a fixed :99):
        # one that starts its server on ours may remove our socket.
        numero=$((200 + RANDOM % 700))
        [ -e "/tmp/.X$numero-lock" ] || [ -e "/tmp/.X11-unix/X$numero" ] && continue
        # -noreset: a server resets when its last client leaves (the check below), and a
        # program connecting during the reset finds the display silent.
        Xvfb ":$numero" -screen 0 "${ecran}x24" -nolisten tcp -noreset >>"$dossier_x/xvfb.log" 2>&1 &
        pids_x+=($!)
        export DISPLAY=:$numero
        for _ in $(seq 50); do
            kill -0 "${pids_x[-1]}" 2>/dev/null && xdpyinfo >/dev/null 2>&1 && break
            sleep 0.1
        done
        if ! kill -0 "${pids_x[-1]}" 2>/dev/null || ! xdpyinfo >/dev/null 2>&1; then
            echo "Xvfb ne répond pas sur « $DISPLAY » (essai $essai)" >&2
            continue
        fi
        [ $# -eq 0 ] && return 0
        "$@" >>"$dossier_x/$(basename "$1").log" 2>&1 &
        pids_x+=($!)
        # Ready once it has claimed the screen and announced itself.
        for _ in $(seq 100); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
            sleep 0.05
        done
        echo "$1 ne démarre pas sur « $DISPLAY » (essai $essai)" >&2
    done
    echo "ÉCHEC : pas de serveur X prêt après trois essais" >&2
    exit 1
}

# lance PROGRAM ARGS...: starts the program in the background; its pid in $pid_programme.
lance() {
    "$@" >>"$dossier_x/programme.log" 2>&1 &
    pid_programme=$!
    pids_x+=($pid_programme)
}

# arrete_programme: ends the program lance started last.
arrete_programme() { kill "$pid_programme" 2>/dev/null; wait "$pid_programme" 2>/dev/null; }

# fenetre TITLE-REGEX: id of the first visible window so named, waiting up to 10 s.
fenetre() {
    local id _
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# cadre ID: "x y w h" of the window's frame (its client area grown by the window manager's
# _NET_FRAME_EXTENTS; the client area alone on a bare server).
cadre() {
    local g l r t b
    g=$(xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF}/Absolute upper-left Y/{y=$NF}
        /^ *Width:/{w=$NF}/^ *Height:/{h=$NF}END{print x, y, w, h}')
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null |
        awk -F' = ' '/=/{gsub(",", ""); print $2}')
    read -r x y w h <<<"$g"
    echo "$((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))"
}
