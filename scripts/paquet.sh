#!/usr/bin/env bash
# Builds the Debian package the way Debian does (dpkg-buildpackage -b -us -uc) in two clean
# clones of the committed HEAD, in two different folders, and checks that both give the same
# bytes; runs lintian --pedantic on it and on the source package (no error, warning or
# hardening tag); as root, installs it with apt-get, starts the program from its menu entry
# under Xvfb, purges it and checks that nothing of it is left (without root it is only
# unpacked and started).
# With "minimal", also installs it on a minimal Debian 12 tree (debootstrap, kept in
# <folder>/paquet/minbase.tar once made) and checks that the program starts there with the
# fonts it needs and draws the very same screen as on this machine.
# Usage: bash scripts/paquet.sh [build folder, default build] [minimal]
set -euo pipefail
cd "$(dirname "$0")/.."
dossier=$(realpath -m "${1:-build}")/paquet
echec() { echo "ECHEC : $*" >&2; exit 1; }
etape() { echo; echo "== $*"; }
mkdir -p "$dossier"
# The X start and window search of the whole-program tests, which take PROGRAM and FOLDER and
# enter the folder: no program of their own here, and back to the sources afterwards.
charge_commun() { source tests/xvfb/commun.bash; }
sources=$PWD
charge_commun /bin/true "$dossier"
cd "$sources"
outils_requis dpkg-buildpackage dh lintian git Xvfb xdotool import compare

# As many build jobs as cores (Ninja alone would start two more), unless told otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export DEB_BUILD_OPTIONS="parallel=$CMAKE_BUILD_PARALLEL_LEVEL"
# Each clone keeps its folder from one run to the next, so ccache serves the next run; its
# cache is named, as debhelper gives the build a HOME of its own.
if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_DIR=${CCACHE_DIR:-$(ccache -k cache_dir)}
fi
[ -z "$(git status --porcelain)" ] ||
  echo "attention : modifications non validées ; le paquet est fait du commit $(git rev-parse --short HEAD)"

etape "Deux constructions, dans deux dossiers"
construit() {
  rm -rf "$1" && mkdir -p "$1"
  git clone -q . "$1/ondalis"
  (cd "$1/ondalis" && dpkg-buildpackage -b -us -uc) >"$1/construction.log" 2>&1 ||
    { tail -30 "$1/construction.log" >&2; echec "dpkg-buildpackage, journal : $1/construction.log"; }
}
construit "$dossier/a"
construit "$dossier/deuxieme-construction"
for deb in "$dossier"/a/*.deb; do
  autre=$dossier/deuxieme-construction/$(basename "$deb")
  cmp -s "$deb" "$autre" || {
    diff <(dpkg-deb -c "$deb") <(dpkg-deb -c "$autre") >&2 || true
    diff <(dpkg-deb -I "$deb" md5sums) <(dpkg-deb -I "$autre" md5sums) >&2 || true
    echec "$(basename "$deb") diffère d'une construction à l'autre"
  }
  echo "identiques : $(basename "$deb")"
done
paquet=$(ls "$dossier"/a/ondalis_*.deb)
dpkg-deb --info "$paquet"
dpkg-deb --contents "$paquet"

etape "lintian --pedantic, paquet et source"
rm -rf "$dossier/source" && git clone -q . "$dossier/source/ondalis"
(cd "$dossier/source" && dpkg-source -b ondalis >/dev/null)
lintian --pedantic --display-info --fail-on error,warning "$dossier"/a/*.changes "$dossier"/source/*.dsc 2>&1 |
  { grep -v '^running with root privileges' || true; } | tee "$dossier/lintian.log" ||
  echec "lintian signale une erreur ou un avertissement"
! grep -q hardening "$dossier/lintian.log" || echec "lintian signale un défaut de durcissement"
echo "lintian : ni erreur, ni avertissement, ni durcissement"

etape "Installation"
if [ "$(id -u)" -eq 0 ]; then
  racine=
  dpkg-query -W -f='${Status}' ondalis 2>/dev/null | grep -q 'install ok installed' &&
    echec "ondalis est déjà installé ici ; le désinstaller d'abord"
  trap 'arrete_x; rm -rf "$dossier_session"; apt-get purge -y -q ondalis >/dev/null 2>&1 || true' EXIT
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$paquet" 2>&1 >/dev/null |
    { grep -v '^debconf: delaying' || true; }
else
  racine=$dossier/deballe
  rm -rf "$racine" && dpkg-deb -x "$paquet" "$racine"
  echo "déballé dans $racine (sans root : dépendances non vérifiées)"
fi
version=$(dpkg-deb -f "$paquet" Version)
sortie=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$racine/usr/bin/ondalis" --version)
[ "$sortie" = "Ondalis $version" ] || echec "--version : « $sortie » au lieu de « Ondalis $version »"

etape "Démarrage par l'entrée de menu"
demarre_x 1280x1024
entree=$racine/$(dpkg-deb -c "$paquet" | grep -o 'usr/share/applications/.*\.desktop$')
commande=$(sed -n 's/^Exec=//p' "$entree" | sed 's/ *%[fFuUdDnNickvm]//g')
[ -z "$racine" ] || commande="$racine/usr/bin/$commande"
# capture PNG COMMAND...: the four windows of a fresh start, as the screen shows them.
capture() {
  local png=$1; shift
  lance "$@"
  fenetre '^Ondalis - Version' >/dev/null || echec "$* : la fenêtre principale n'est pas apparue"
  sleep 2
  import -window root "$png"
  kill "$pid_programme"; wait "$pid_programme" 2>/dev/null || true
}
capture "$dossier/ecran.png" $commande
echo "fenêtre principale ouverte ($commande)"

if [ "${2:-}" = minimal ]; then
  etape "Système Debian 12 minimal"
  [ -z "$racine" ] || echec "il faut être root pour installer le paquet sur un système minimal"
  outils_requis debootstrap
  arbre=$dossier/minimal
  if [ ! -f "$dossier/minbase.tar" ]; then
    rm -rf "$arbre"
    debootstrap --variant=minbase bookworm "$arbre" "${ONDALIS_MIROIR:-http://deb.debian.org/debian}" \
      >"$dossier/debootstrap.log" 2>&1 || echec "debootstrap, journal : $dossier/debootstrap.log"
    tar -C "$arbre" -cf "$dossier/minbase.tar" .
  fi
  rm -rf "$arbre" && mkdir "$arbre" && tar -C "$arbre" -xf "$dossier/minbase.tar"
  cp "$paquet" "$arbre/tmp/"
  chroot "$arbre" sh -c "apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
    --no-install-recommends /tmp/$(basename "$paquet")" >"$dossier/minimal.log" 2>&1 ||
    echec "installation sur le système minimal, journal : $dossier/minimal.log"
  for famille in sans-serif "Times New Roman"; do
    echo "$famille : $(chroot "$arbre" fc-match "$famille") (ici : $(fc-match "$famille"))"
  done
  mkdir -p -m 700 "$arbre/tmp/xdg"
  capture "$dossier/ecran-minimal.png" chroot "$arbre" env XDG_RUNTIME_DIR=/tmp/xdg ondalis
  ecarts=$(compare -metric AE "$dossier/ecran.png" "$dossier/ecran-minimal.png" "$dossier/ecarts.png" 2>&1) || true
  [ "$ecarts" = 0 ] || echec "$ecarts pixels diffèrent entre $dossier/ecran.png et $dossier/ecran-minimal.png"
  echo "même écran qu'ici, pixel pour pixel ($dossier/ecran-minimal.png)"
  rm -rf "$arbre"
fi

if [ -z "$racine" ]; then
  etape "Purge"
  fichiers=$(dpkg -L ondalis)
  apt-get purge -y -q ondalis >/dev/null
  # Shared folders such as /usr/share/man stay; its files and its own folders must go.
  restes=$(for f in $fichiers; do
    [ -e "$f" ] && { [ ! -d "$f" ] || [[ $f == *ondalis* ]]; } && echo "$f"; done || true)
  [ -z "$restes" ] || echec "restent après la purge : $restes"
  ! dpkg-query -W ondalis >/dev/null 2>&1 || echec "dpkg connaît encore ondalis après la purge"
  echo "purgé : aucun de ses $(wc -l <<<"$fichiers") chemins ne reste"
fi
