#!/usr/bin/env bash
# Ctrl+C in the main window puts the harmonic graph on the X clipboard, where another process
# reads it as PNG: the drawing area at the screen's pixel ratio (511 x 299 pixels at 1,
# 1022 x 598 at 2), with the frame's time axis on row 149 and value axis on column 19 (times
# the ratio), in blue.
# Usage: presse_papiers.sh <ondalis> <work dir>
set -u
source "$(dirname "$0")/commun.bash"
echec() { echo "ÉCHEC (échelle $echelle) : $*" >&2; exit 1; }
echelle=-
outils_requis Xvfb xdotool xclip /usr/bin/convert

# Large enough for the windows at ratio 2.
demarre_x 2560x2048

pixel() { /usr/bin/convert clip.png -format "%[pixel:p{$1,$2}]" info:; }

for echelle in 1 2; do
    rm -f clip.png
    # Something else on the clipboard first, so that the image can only come from the copy.
    echo avant | xclip -selection clipboard -i
    QT_SCALE_FACTOR=$echelle lance "$binaire"

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
    arrete_programme
    [ -s clip.png ] || echec "aucune image PNG sur le presse-papiers"
    cp clip.png clip_$echelle.png

    taille=$(/usr/bin/convert clip.png -format '%wx%h' info:)
    [ "$taille" = $((511 * echelle))x$((299 * echelle)) ] || echec "taille $taille"
    # The axes in blue, the background in white.
    for point in "100 149 0,0,255" "400 149 0,0,255" "19 50 0,0,255" "19 250 0,0,255" \
        "100 100 255,255,255"; do
        set -- $point
        couleur=$(pixel $(($1 * echelle)) $(($2 * echelle)))
        [ "$couleur" = "srgb($3)" ] || echec "pixel $1 $2 : $couleur au lieu de srgb($3)"
    done
    echo "échelle $echelle : $taille, axes bleus"
done
