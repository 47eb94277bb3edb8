#!/usr/bin/env bash
# Installs every Debian package needed to build, run and test Ondalis.
# Idempotent and non-interactive; run as root. Does nothing when all are present.
set -euo pipefail

paquets=(
  build-essential cmake ninja-build pkg-config debhelper
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev llvm
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth xdotool xclip imagemagick poppler-utils librsvg2-bin x11-utils openbox
  dpkg-dev file lintian desktop-file-utils appstream libxml2-utils man-db debootstrap
  shared-mime-info
  at-spi2-core python3-pyatspi dbus-x11 dbus-bin
  pulseaudio pulseaudio-utils weston qt6-wayland
)

manquants=()
for p in "${paquets[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    manquants+=("$p")
  fi
done

if [ ${#manquants[@]} -eq 0 ]; then
  echo "Toutes les dépendances sont installées."
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Paquets manquants : ${manquants[*]}" >&2
  echo "Relancer ce script en tant que root." >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${manquants[@]}"
