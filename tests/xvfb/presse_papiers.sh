#!/usr/bin/env bash
# Ctrl+C in the main window puts the harmonic graph on the X clipboard, where another process
# reads it as PNG: the drawing area at the screen's pixel ratio (511 x 299 pixels at 1,
# 1022 x 598 at 2), with the frame's time axis on row 149 and value axis on column 19 (times
# the ratio), in blue.
# Usage: presse_papiers.sh <ondalis> <work dir>
set -u
ici=$(cd "$(dirname "$0")" && pwd)
ondalis=$1
dossier=$2
mkdir -p "$dossier"
cd "$dossier" || exit 1

echec() {
    echo "ÉCHEC (échelle $echelle) : $*" >&2
    exit 1
}

dossier_x=$PWD
source "$ici/commun.bash"
echelle=-
outils_requis Xvfb xdotool xclip /usr/bin/convert

# Large enough for the windows at ratio 2.
demarre_x 2560x2048

pixel() { /usr/bin/convert clip.png -format "%[pixel:p{$1,$2}]" info:; }

for echelle in 1 2; do
    rm -f clip.png
    # Something else on the clipboard first, so that the image can only come from the copy.
    echo avant | xclip -selection clipboard -i
    QT_SCALE_FACTOR=$echelle lance "$ondalis"
    programme=$pid_programme

    id=$(fenetre '^Ondalis - Version') || echec "la fenêtre principale n'est pas apparue"

    # Without a window manager, keys reach the window only after a click into it: click an
    # empty spot below the controls (device pixels).
    xdotool mousemove --window "$id" $((100 * echelle)) $((500 * echelle)) click 1
    sleep 0.3
    xdotool key ctrl+c

    for _ in $(seq 50); do
        if xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx image/png; then
            xclip -selection clipboard -t image/png -o >clip.png 2>/dev/null && break
        fi
        sleep 0.1
    done
    kill "$programme" 2>/dev/null
    wait "$programme" 2>/dev/null
    [ -s clip.png ] || echec "aucune image PNG sur le presse-papiers"
    cp clip.png clip_$echelle.png

    taille=$(/usr/bin/convert clip.png -format '%wx%h' info:)
    [ "$taille" = $((511 * echelle))x$((299 * echelle)) ] || echec "taille $taille"
    for point in "100 149" "400 149" "19 50" "19 250"; do
        set -- $point
        x=$(($1 * echelle))
        y=$(($2 * echelle))
        couleur=$(pixel $x $y)
        [ "$couleur" = "srgb(0,0,255)" ] || echec "pixel $x $y : $couleur au lieu du bleu des axes"
    done
    couleur=$(pixel $((100 * echelle)) $((100 * echelle)))
    [ "$couleur" = "srgb(255,255,255)" ] || echec "pixel du fond : $couleur au lieu du blanc"
    echo "échelle $echelle : $taille, axes bleus"
done
