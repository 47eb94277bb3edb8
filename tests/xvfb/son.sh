#!/usr/bin/env bash
# The sound as the user gets it, on a real PulseAudio server with a null sink whose monitor is
# recorded: rank 1 at 50 % and rank 3 at 20 % validated, rank 2 set to 30 % but not validated,
# the mean value validated at 10 %; F6 plays 220 Hz and 660 Hz, 8 dB apart (1 dB allowed),
# nothing at 440 Hz, no DC, a peak of -6 dBFS, no dropout. "Enregistrer le son..." writes the same sound as
# a 5 s WAV file (16-bit PCM, mono, 48 kHz). With no audio server, F6 says so in a message box
# and the WAV file is still written.
# Usage: son.sh <ondalis> <work dir>
set -u
source "$(dirname "$0")/commun.bash"
rm -f ./*.wav ./*.raw
outils_requis Xvfb xdotool xwininfo pulseaudio pactl parec /usr/bin/python3

demarre_x 1280x1024

# The audio server of this test alone, in the runtime folder commun.bash gives the test.
unset PULSE_SERVER
pulseaudio -n --daemonize=no --exit-idle-time=-1 --load=module-native-protocol-unix \
    --load="module-null-sink sink_name=nul" >pulseaudio.log 2>&1 &
pid_pulse=$!
pids_x+=($pid_pulse)
attend pactl info && pactl set-default-sink nul || echec "le serveur PulseAudio n'a pas démarré"

# analyse FILE SKIP: the checks above on raw 16-bit samples (WAV: its header read first),
# SKIP samples after the first one heard.
analyse() {
    /usr/bin/python3 - "$@" <<'FIN'
import array, math, sys, wave
chemin, debut = sys.argv[1], int(sys.argv[2])
if chemin.endswith(".wav"):
    with wave.open(chemin) as w:
        forme = (w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getnframes())
        assert forme == (1, 2, 48000, 240000), f"WAV {forme}"
        octets = w.readframes(w.getnframes())
else:
    octets = open(chemin, "rb").read()
x = array.array("h")
x.frombytes(octets)
crete = max(abs(v) for v in x)
# Counted from the first sound heard; from there on no dropout (10 ms of silence).
premier = next((i for i, v in enumerate(x) if abs(v) > 100), 0)
debut += premier
silence = 0
for v in x[premier:]:
    silence = silence + 1 if v == 0 else 0
    assert silence < 480, "le son s'est interrompu"
x = x[debut:debut + 48000]  # one second: a whole number of periods of every rank
assert len(x) == 48000, f"{len(x)} échantillons"
def amplitude(f):  # Goertzel
    k = 2 * math.cos(2 * math.pi * f / 48000)
    s1 = s2 = 0.0
    for v in x:
        s1, s2 = v + k * s1 - s2, s1
    return 2 * math.sqrt(max(s1 * s1 + s2 * s2 - k * s1 * s2, 0)) / len(x)
a1, a2, a3 = (amplitude(220 * n) for n in (1, 2, 3))
moyenne = sum(x) / len(x)
ecart = 20 * math.log10(a3 / a1) - 20 * math.log10(20 / 50)
print(f"{chemin}: crête {crete}, rang 1 {a1:.0f}, rang 2 {a2:.1f}, rang 3 {a3:.0f} "
      f"({ecart:+.2f} dB), moyenne {moyenne:.2f}")
assert 16000 <= crete <= 16423, "crête hors de -6 dBFS"
assert abs(ecart) < 1, "rang 3 hors de 1 dB"
assert a2 < a1 * 1e-3, "le rang 2 non validé s'entend"
assert abs(moyenne) < 20, "valeur moyenne entendue"
FIN
}

# demarre_programme: the program started, its main window found, $x0 $y0 the top-left corner
# of its client area below the menu bar (8340 twips high, 15 twips per pixel).
demarre_programme() {
    lance "$binaire"
    fenetre=$(fenetre '^Ondalis - Version') || echec "la fenêtre principale n'est pas apparue"
    read -r x0 y0 h < <(xwininfo -id "$fenetre" |
        awk '/Absolute upper-left X/{x=$NF}/Absolute upper-left Y/{y=$NF}/^ *Height:/{h=$NF}
             END{print x, y, h}')
    y0=$((y0 + h - 556))
}
clic() { xdotool mousemove $((x0 + $1)) $((y0 + $2)) click 1; sleep 0.2; }

# enregistre FILE: "Enregistrer le son..." from the keyboard, the file named in the dialog.
enregistre() {
    xdotool key alt+s
    sleep 0.3
    xdotool key Down Down Return
    local dialogue
    dialogue=$(fenetre '^Enregistrer le son') || echec "pas de boîte d'enregistrement"
    xdotool windowfocus "$dialogue" key ctrl+a
    xdotool type "$1"
    xdotool key Return
    attend test -s "$1" || echec "$1 n'a pas été écrit"
}

demarre_programme
# A click on an amplitude text gives its slider the focus: Page_Up adds 10.
clic 80 65 && xdotool key Page_Up   # mean value 10
clic 176 65 && xdotool key --delay 50 Page_Up Page_Up Page_Up Page_Up Page_Up
clic 216 65 && xdotool key --delay 50 Page_Up Page_Up Page_Up
clic 256 65 && xdotool key --delay 50 Page_Up Page_Up
clic 82 208   # ticks: rank 0, rank 1, rank 3
clic 178 208
clic 258 208
xdotool key F6
sleep 0.3
# Two seconds of what plays, however long the recorder takes to connect.
timeout 30 parec -d nul.monitor --format=s16le --rate=48000 --channels=1 --raw \
    --latency-msec=20 2>/dev/null | head -c 192000 >ecoute.raw
analyse ecoute.raw 12000 || echec "le son entendu"
enregistre "$PWD/signal.wav"
analyse signal.wav 24000 || echec "le fichier WAV"
arrete_programme

# No audio server: F6 says so; the file is still written (silence: nothing validated yet).
kill "$pid_pulse" && wait "$pid_pulse" 2>/dev/null
export PULSE_SERVER=unix:$PWD/aucun-serveur
demarre_programme
clic 100 500
xdotool key F6
boite=$(fenetre '^Ondalis$') || echec "pas de message sans sortie audio"
xdotool windowfocus "$boite" key Return
sleep 0.3
clic 100 500
enregistre "$PWD/sans-serveur.wav"
echo "son entendu et enregistré ; sans serveur : message, fichier écrit"
