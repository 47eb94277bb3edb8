#!/bin/bash
# Ctrl+C in the main window puts the harmonic graph on the X clipboard, where another process
# reads it as PNG: 511 x 299 pixels, the frame's time axis on row 149 and value axis on
# column 19, in blue.
# Usage: presse_papiers.sh <ondalis> <work dir>
set -u
ondalis=$1
dossier=$2
mkdir -p "$dossier"
cd "$dossier" || exit 1
rm -f clip.png

echec() { echo "ÉCHEC : $*" >&2; exit 1; }

pids=()
# The program first, then the server.
fin() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null
        wait "${pids[i]}" 2>/dev/null
    done
}
trap fin EXIT

# A free display chosen by the server itself.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >xvfb.log 2>&1 3>numero &
pids+=($!)
for _ in $(seq 50); do [ -s numero ] && break; sleep 0.1; done
[ -s numero ] || echec "Xvfb n'a pas démarré"
export DISPLAY=:$(head -n1 numero)

# Something else on the clipboard first, so that the image can only come from the copy.
echo avant | xclip -selection clipboard -i
"$ondalis" >ondalis.log 2>&1 &
pids+=($!)

fenetre=""
for _ in $(seq 100); do
    fenetre=$(xdotool search --onlyvisible --name '^Ondalis - Version' 2>/dev/null | head -n1)
    [ -n "$fenetre" ] && break
    sleep 0.1
done
[ -n "$fenetre" ] || echec "la fenêtre principale n'est pas apparue"

# Without a window manager, keys reach the window only after a click into it: click an empty
# spot below the controls.
xdotool mousemove --window "$fenetre" 100 500 click 1
sleep 0.3
xdotool key ctrl+c

for _ in $(seq 50); do
    if xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx image/png; then
        xclip -selection clipboard -t image/png -o >clip.png 2>/dev/null && break
    fi
    sleep 0.1
done
[ -s clip.png ] || echec "aucune image PNG sur le presse-papiers"

taille=$(/usr/bin/convert clip.png -format '%wx%h' info:)
[ "$taille" = 511x299 ] || echec "taille $taille au lieu de 511x299"
pixel() { /usr/bin/convert clip.png -format "%[pixel:p{$1,$2}]" info:; }
for point in "100 149" "400 149" "19 50" "19 250"; do
    couleur=$(pixel $point)
    [ "$couleur" = "srgb(0,0,255)" ] || echec "pixel $point : $couleur au lieu du bleu des axes"
done
couleur=$(pixel 100 100)
[ "$couleur" = "srgb(255,255,255)" ] || echec "pixel 100 100 : $couleur au lieu du blanc"
echo "presse-papiers : $taille, axes bleus"
