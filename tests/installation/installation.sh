#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree: every file in its
# place with its mode and nothing else, the desktop entry and the metainfo accepted by the
# distributions' validators and pointing at the installed program and icon, English and French
# manual pages that render, the teacher's guide with every picture it shows, and an installed
# program that knows its version.
# Usage: bash installation.sh <build folder> <work folder>
# Exit code 77 (skipped) when a checking tool is missing, except under CI, where it fails.
set -u
construction=$(realpath "${1:?dossier de construction}")
travail=${2:?dossier de travail}
rm -rf "$travail" && mkdir -p "$travail"
prefixe=$(realpath "$travail")/prefixe
echecs=0
echec() { echo "ECHEC : $*" >&2; echecs=$((echecs + 1)); }

for outil in desktop-file-validate appstreamcli xmllint readelf man update-mime-database; do
  if ! command -v "$outil" >/dev/null; then
    echo "outil absent : $outil" >&2
    [ "${CI:-}" = true ] && exit 1
    exit 77
  fi
done

defini() { sed -n "s/^#define $1 \"\(.*\)\"$/\1/p" "$construction/genere/OndalisVersion.h"; }
id=$(defini ONDALIS_ID)
version=$(defini ONDALIS_VERSION)

cmake --install "$construction" --prefix "$prefixe" >"$travail/install.log" 2>&1 ||
  { cat "$travail/install.log" >&2; echo "ECHEC : cmake --install" >&2; exit 1; }
cd "$prefixe" || exit 1

# The whole tree, file by file with its mode.
doc=share/doc/ondalis
attendus=(
  "755 bin/ondalis"
  "644 $(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$construction/CMakeCache.txt")/ondalis/ondalis-audio.so"
  "644 share/applications/$id.desktop"
  "644 share/metainfo/$id.metainfo.xml"
  "644 share/icons/hicolor/scalable/apps/$id.svg"
  "644 share/man/man1/ondalis.1"
  "644 share/man/fr/man1/ondalis.1"
  "644 $doc/COPYING"
  "644 $doc/guide.md"
  "644 share/mime/packages/$id.xml"
  "644 share/icons/hicolor/scalable/mimetypes/application-x-ondalis.svg"
)
# Every picture the guide links to lies beside it.
for image in $(grep -o '!\[[^]]*\]([^)]*)' "$doc/guide.md" | sed 's/.*(\(.*\))/\1/'); do
  attendus+=("644 $doc/$image")
done
tailles=(16 22 24 32 48 64 128 256)
for t in "${tailles[@]}"; do
  attendus+=("644 share/icons/hicolor/${t}x${t}/apps/$id.png")
  attendus+=("644 share/icons/hicolor/${t}x${t}/mimetypes/application-x-ondalis.png")
done
diff <(printf '%s\n' "${attendus[@]}" | sort) <(find . -type f -printf '%m %P\n' | sort) ||
  echec "l'arbre installé diffère de la liste attendue (< attendu, > installé)"
find . -type d ! -perm 755 -printf '%m %P\n' | grep . && echec "dossiers sans le mode 755"

# Desktop entry: valid, French texts, the mandated categories, Exec and Icon resolve here.
entree="share/applications/$id.desktop"
desktop-file-validate "$entree" | grep . && echec "desktop-file-validate : $entree"
cle() { sed -n "s/^$1=//p" "$entree"; }
[ "$(cle Icon)" = "$id" ] || echec "Icon : $(cle Icon) au lieu de $id"
[ -x "bin/$(cle Exec | cut -d' ' -f1)" ] || echec "Exec : $(cle Exec) n'est pas dans bin/"
cle Comment | grep -q 'harmonics' || echec "Comment n'est pas le texte anglais"
cle 'Comment\[fr\]' | grep -q 'harmoniques' || echec "Comment[fr] n'est pas le texte français"

# Lesson files: the type is known once the database is built, and the desktop entry opens them.
[ "$(cle MimeType)|$(cle Exec)" = "application/x-ondalis;|ondalis %f" ] || echec "MimeType, Exec : $(cle MimeType) $(cle Exec)"
update-mime-database share/mime && grep -qx application/x-ondalis share/mime/types || echec "type application/x-ondalis inconnu"
find share/mime -mindepth 1 -maxdepth 1 ! -name packages -exec rm -rf {} +

# AppStream: valid offline, same identifier, launched by the desktop entry, this version.
meta="share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$meta" >"$travail/appstream.log" 2>&1 ||
  { cat "$travail/appstream.log" >&2; echec "appstreamcli validate : $meta"; }
valeur() { xmllint --xpath "string($1)" "$meta"; }
[ "$(valeur "/component/launchable[@type='desktop-id']")" = "$id.desktop" ] || echec "metainfo : launchable"
[ "$(valeur '/component/releases/release[1]/@version')" = "$version" ] || echec "metainfo : version"

# Manual pages: English by default, French under man/fr; both render without groff warnings.
for page in "share/man/man1/ondalis.1 NAME" "share/man/fr/man1/ondalis.1 NOM"; do
  set -- $page
  avertissements=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1" 2>&1 >"$travail/man.txt")
  [ -z "$avertissements" ] && grep -q "^$2" "$travail/man.txt" || echec "man $1 : $avertissements"
done

# The installed program: no path into the build folder, and it answers without a display.
readelf -d bin/ondalis | grep -E 'RPATH|RUNPATH' | grep -F "$construction" && echec "bin/ondalis garde un chemin vers $construction"
sortie=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM bin/ondalis --version 2>&1)
[ "$sortie" = "Ondalis $version" ] || echec "bin/ondalis --version : $sortie"

[ "$echecs" -eq 0 ] && echo "installation conforme ($(find . -type f | wc -l) fichiers)"
exit $((echecs > 0))
