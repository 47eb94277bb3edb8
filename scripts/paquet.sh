#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, lists it, installs it, starts the
# installed program from its menu entry and runs lintian on the package.
# Usage: bash scripts/paquet.sh [build folder, default build]
# As root the package is installed on this machine with apt-get (so its dependencies are
# checked) and removed again afterwards unless it was there before; otherwise it is unpacked
# into a scratch folder.
set -euo pipefail
cd "$(dirname "$0")/.."
construction=$(realpath "${1:-build}")
echec() { echo "ECHEC : $*" >&2; exit 1; }
etape() { echo; echo "== $*"; }

etape "Paquet"
cmake --build "$construction" --target ondalis ondalis_installation
(cd "$construction" && cpack -G DEB >/dev/null)
defini() { sed -n "s/^#define $1 \"\(.*\)\"$/\1/p" "$construction/genere/OndalisVersion.h"; }
version=$(defini ONDALIS_VERSION)
identifiant=$(defini ONDALIS_ID)
paquet="$construction/paquet/ondalis_${version}_$(dpkg --print-architecture).deb"
[ -f "$paquet" ] || echec "$paquet manque"
dpkg-deb --info "$paquet"

etape "Contenu"
dpkg-deb --contents "$paquet"

etape "Installation"
if [ "$(id -u)" -eq 0 ]; then
  racine=
  deja_installe=$(dpkg-query -W -f='${Status}' ondalis 2>/dev/null | grep -c 'install ok installed' || true)
  [ "$deja_installe" -gt 0 ] || trap 'apt-get purge -y -q ondalis >/dev/null' EXIT
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$paquet" >/dev/null
else
  racine=$(mktemp -d)
  trap 'rm -rf "$racine"' EXIT
  dpkg-deb -x "$paquet" "$racine"
  echo "déballé dans $racine (sans root : dépendances non vérifiées)"
fi
programme="$racine/usr/bin/ondalis"
[ -x "$programme" ] || echec "$programme manque"
sortie=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$programme" --version)
echo "$programme --version : $sortie"
[ "$sortie" = "Ondalis $version" ] || echec "version attendue : Ondalis $version"

etape "Démarrage par l'entrée de menu"
entree="$racine/usr/share/applications/$identifiant.desktop"
[ -f "$entree" ] || echec "$entree manque"
commande=$(sed -n 's/^Exec=//p' "$entree" | sed 's/ *%[fFuUdDnNickvm]//g')
[ -z "$racine" ] || commande="$racine/usr/bin/$commande"
echo "Exec : $commande"
# The main window must appear on a fresh X server; the program is then closed.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  env -u QT_QPA_PLATFORM '"$commande"' >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 150); do
    xdotool search --onlyvisible --name "^Ondalis - Version" >/dev/null 2>&1 && { kill $pid; exit 0; }
    kill -0 $pid 2>/dev/null || exit 1
    sleep 0.1
  done
  kill $pid; exit 1' || echec "la fenêtre principale n'est pas apparue"
echo "fenêtre principale ouverte"

etape "lintian"
lintian --fail-on error --display-info "$paquet" 2>&1 | { grep -v '^running with root privileges' || true; } ||
  echec "lintian signale une erreur"
echo "lintian : aucune erreur"
