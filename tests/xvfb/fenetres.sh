#!/usr/bin/env bash
# Starts the program under a real X server and checks that the four windows stand where they
# belong: graph windows at the left edge, main window at the top right, help panel between.
# Usage: fenetres.sh <ondalis binary> <work directory>
set -u
binaire=$1
dossier=$2
mkdir -p "$dossier"
ecran=$(( 90 + RANDOM % 400 ))
Xvfb ":$ecran" -screen 0 1280x1024x24 -nolisten tcp >"$dossier/xvfb.log" 2>&1 &
pidX=$!
pidP=""
fin() {
    [ -n "$pidP" ] && kill "$pidP" 2>/dev/null
    kill "$pidX" 2>/dev/null
    wait 2>/dev/null
}
trap fin EXIT
export DISPLAY=":$ecran"
unset QT_QPA_PLATFORM
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$binaire" >"$dossier/ondalis.log" 2>&1 &
pidP=$!
echec=0
geometrie() { # name -> "x y w h" of the first window with that exact title
    local id
    id=$(xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -z "$id" ] && return 1
    xdotool getwindowgeometry --shell "$id" | awk -F= '/^X=/{x=$2}/^Y=/{y=$2}/^WIDTH=/{w=$2}/^HEIGHT=/{h=$2}END{print x, y, w, h}'
}
attend() { timeout 10 bash -c "until xdotool search --onlyvisible --name '^$1\$' >/dev/null 2>&1; do sleep 0.1; done"; }
for titre in "Ondalis - Version Béta" "Aide"; do
    attend "$titre" || { echo "fenêtre absente : $titre"; exit 1; }
done
sleep 0.5
read -r xP yP wP hP < <(geometrie "Ondalis - Version Béta")
read -r xA yA wA hA < <(geometrie "Aide")
echo "principale $xP $yP ${wP}x$hP ; aide $xA $yA ${wA}x$hA"
verifie() { if ! eval "$1"; then echo "ÉCHEC : $2 ($1)"; echec=1; fi; }
verifie "[ $((xP + wP)) -eq 1280 ] && [ $yP -eq 0 ]" "fenêtre principale en haut à droite"
verifie "[ $wP -eq 365 ]" "largeur de la fenêtre principale"
verifie "[ $wA -eq 306 ] && [ $hA -eq 106 ]" "taille du panneau d'aide"
# Int((19200 - 5475 - 4590) * 0.5) = 4567 twips -> 304 px; Int((15360 - 1590) * 0.5) = 6885 -> 459
verifie "[ $xA -eq 304 ] && [ $yA -eq 459 ]" "panneau d'aide au milieu de la zone libre"

# Graph windows: any other visible top-level window touching the left edge, one at the top and
# one at the bottom of the screen.
haut=0; bas=0
for id in $(xdotool search --onlyvisible --name "." 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$X" -eq 0 ] || continue
    [ "$Y" -eq 0 ] && [ "$WIDTH" -gt 300 ] && haut=1
    [ $((Y + HEIGHT)) -eq 1024 ] && [ "$WIDTH" -gt 300 ] && bas=1
done
verifie "[ $haut -eq 1 ] && [ $bas -eq 1 ]" "fenêtres des graphes au bord gauche"

import -window root "$dossier/ecran.png"
pixel() { /usr/bin/convert "$dossier/ecran.png" -format "%[pixel:p{$1,$2}]" info:; }
# Help panel: light orange label; main window: grey client area and white amplitude boxes.
verifie "[ \"$(pixel $((xA + 150)) $((yA + 90)))\" = 'srgb(255,224,192)' ]" "fond du panneau d'aide"
menu=$((hP - 556))
verifie "[ \"$(pixel $((xP + 74)) $((yP + menu + 63)))\" = 'white' ] || [ \"$(pixel $((xP + 74)) $((yP + menu + 63)))\" = 'srgb(255,255,255)' ]" "zone d'amplitude blanche"
# Graph surfaces are white inside.
verifie "[ \"$(pixel 200 60)\" = 'white' ] || [ \"$(pixel 200 60)\" = 'srgb(255,255,255)' ]" "surface du graphe du signal"

kill -0 "$pidP" 2>/dev/null || { echo "ÉCHEC : le programme s'est arrêté"; echec=1; }
exit $echec
