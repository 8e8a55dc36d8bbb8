#!/usr/bin/env bash
# Installs every Debian package Marlenta builds, runs and tests with.
# Safe to run again: it only asks apt for what is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libfreeimage-dev
  libavcodec-dev libavutil-dev
  imagemagick
  libwxgtk3.2-dev
  libcairo2-dev libpango1.0-dev
  libpng-dev zlib1g-dev libjpeg-dev
  libarchive-dev
  fonts-liberation2 fonts-dejavu-core fontconfig
  googletest libgtest-dev
  xvfb xauth
  python3
  time  # /usr/bin/time, for the peak memory figures of bench/
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  echo "setup: all packages present"
  exit 0
fi

echo "setup: installing ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null; then
    sudo=(sudo)
  else
    echo "setup: need root (or sudo) to install: ${missing[*]}" >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo[@]}" apt-get update -q || ! "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
  echo "setup: could not install: ${missing[*]}" >&2
  exit 1
fi
echo "setup: done"
