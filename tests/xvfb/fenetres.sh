#!/usr/bin/env bash
# Starts the program under a real X server, bare and under a window manager, on several
# screens, and checks where the four windows' frames stand (title bar and borders included),
# at start and after F5 in a graph window: signal window in the top-left corner, harmonic
# window on the bottom edge, main window in the top-right corner with its title bar on screen,
# help panel in the middle of the area left of the main window, also when panels take the left
# and the top of the screen. On a screen too small for the main window, its frame stays on
# screen (its scrolling is checked offscreen).
# Usage: fenetres.sh <ondalis binary> <work directory>
set -u
ici=$(cd "$(dirname "$0")" && pwd)
binaire=$(realpath "$1")
dossier=$2
mkdir -p "$dossier"
dossier_x=$dossier
source "$ici/commun.bash"
outils_requis Xvfb xdotool xprop xwininfo import /usr/bin/convert openbox

echec=0
verifie() { if ! eval "$1"; then echo "ÉCHEC ($essai) : $2 ($1)"; echec=1; fi; }

# Frames of the four windows, in device pixels, into sX sY sW sH, hX..., pX..., aX..., read
# until two readings agree (the windows have stopped moving).
releve() {
    local prefixe titre id avant="" lecture _
    if [ -z "${id_a:-}" ]; then
        for prefixe in s h p a; do
            case $prefixe in
            s) titre='^Signal reconstitu' ;;
            h) titre='^Graphe des Harmoniques' ;;
            p) titre='^Ondalis - Version' ;;
            a) titre='^Aide$' ;;
            esac
            id=$(fenetre "$titre") || { echo "ÉCHEC ($essai) : fenêtre absente : $titre"; exit 1; }
            eval "id_$prefixe=$id"
        done
    fi
    for _ in $(seq 20); do
        lecture="$(cadre "$id_s") $(cadre "$id_h") $(cadre "$id_p") $(cadre "$id_a")"
        [ "$lecture" = "$avant" ] && break
        avant=$lecture
        sleep 0.1
    done
    read -r sX sY sW sH hX hY hW hH pX pY pW pH aX aY aW aH <<<"$lecture"
    echo "$essai $1 : signal $sX $sY ${sW}x$sH ; harmonic $hX $hY ${hW}x$hH ;" \
        "principale $pX $pY ${pW}x$pH ; aide $aX $aY ${aW}x$aH"
}

# The layout rules, in logical pixels at the scale $echelle (odd frame extents at scale 2 leave
# half a logical pixel that cannot be placed: one device pixel of slack).
verifie_places() {
    local L=$(((largeur - zx) / echelle)) H=$(((hauteur - zy) / echelle)) e=$((echelle - 1))
    local sx=$(((sX - zx) / echelle)) sy=$(((sY - zy) / echelle)) hy=$(((hY + hH) / echelle))
    local px=$(((pX + pW) / echelle)) py=$((pY / echelle))
    verifie "[ $sx -eq 0 ] && [ $sy -eq 0 ]" "signal au coin haut gauche"
    verifie "[ $hX -eq $zx ] && [ $((hY + hH)) -ge $((hauteur - e)) ] && [ $((hY + hH)) -le $hauteur ]" \
        "harmonic sur le bord du bas"
    verifie "[ $((pX + pW)) -ge $((largeur - 2 * e)) ] && [ $((pX + pW)) -le $largeur ] && [ $pY -eq $zy ]" \
        "principale au coin haut droit, barre de titre visible"
    verifie "[ $pX -ge $zx ] && [ $((pY + pH)) -le $hauteur ]" "principale entière à l'écran"
    # Help panel, in twips (15 per pixel): Int((width - main - panel) * 0.5), Int((height -
    # panel) * 0.5), from the frames as the program sees them.
    if [ "$echelle" -eq 1 ]; then
        local g=$(((L * 15 - pW * 15 - aW * 15) / 2)) t=$(((H * 15 - aH * 15) / 2))
        verifie "[ $((aX - zx)) -eq $(((g + 7) / 15)) ] && [ $((aY - zy)) -eq $(((t + 7) / 15)) ]" \
            "aide au milieu de la zone libre"
    fi
    [ "$py$sx$px$hy" ] # silence unused values
}

debut=$SECONDS
# Panels on the left and at the top: openbox keeps 64 and 30 pixels there.
sed 's|<left>0</left>|<left>64</left>|; s|<top>0</top>|<top>30</top>|' /etc/xdg/openbox/rc.xml \
    >"$dossier/marges.xml"
for essai in "1280x1024 nu" "1280x1024 openbox" "1024x600 nu" "1024x600 openbox" \
    "1920x1080x2 openbox" "1280x1024 marges"; do
    read -r ecran gm <<<"$essai"
    echelle=1
    [[ $ecran == *x*x* ]] && echelle=${ecran##*x} && ecran=${ecran%x*}
    largeur=${ecran%x*}
    hauteur=${ecran#*x}
    zx=0 zy=0
    case $gm in
    nu) gestionnaire=() ;;
    marges) gestionnaire=(openbox --config-file "$dossier/marges.xml") zx=64 zy=30 ;;
    *) gestionnaire=("$gm") ;;
    esac
    arrete_x
    id_a=
    demarre_x "$ecran" "${gestionnaire[@]}"
    QT_SCALE_FACTOR=$echelle lance "$binaire"

    releve depart
    verifie_places
    # Bare, every frame is its client area: the design's sizes.
    if [ ${#gestionnaire[@]} -eq 0 ]; then
        verifie "[ ${sW}x$sH = 516x304 ] && [ ${hW}x$hH = 516x304 ]" "taille des graphes"
        verifie "[ ${pW}x$pH = 365x575 ] && [ ${aW}x$aH = 306x106 ]" "taille principale et aide"
    fi
    if [ "$essai" = "1280x1024 nu" ]; then
        import -window root "$dossier/ecran.png"
        pixel() { /usr/bin/convert "$dossier/ecran.png" -format "%[pixel:p{$1,$2}]" info:; }
        verifie "[ \"$(pixel $((aX + 150)) $((aY + 90)))\" = 'srgb(255,224,192)' ]" "fond de l'aide"
        # The frame on the signal surface (drawing area 2 pixels inside the border): time axis.
        verifie "[ \"$(pixel $((sX + 102)) $((sY + 151)))\" = 'srgb(0,0,255)' ]" "axe des temps"
    fi

    # F5 in a graph window puts the graphs back, wherever the user dragged them.
    xdotool windowmove "$id_s" $((200 * echelle)) $((150 * echelle))
    xdotool windowmove "$id_h" $((250 * echelle)) $((100 * echelle))
    sleep 0.3
    xdotool mousemove --window "$id_s" $((10 * echelle)) $((10 * echelle)) click 1
    sleep 0.2
    xdotool key F5
    sleep 0.3
    releve F5
    verifie_places

    kill -0 "$pid_programme" 2>/dev/null || { echo "ÉCHEC ($essai) : le programme s'est arrêté"; echec=1; }
done
echo "durée : $((SECONDS - debut)) s"
exit $echec
