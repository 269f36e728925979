#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Quillon needs.
# Safe to run again: packages already present are left as they are.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libgl-dev
  libasio-dev libssl-dev zlib1g-dev
  libgif-dev libjpeg62-turbo-dev
  libcli11-dev
  libgtest-dev libgmock-dev googletest
  libbenchmark-dev libxml2-dev
  default-jdk-headless
  xvfb xauth default-jre
  chromium nodejs
  wget wget2 time bc  # the crawl benchmarks: their peers, peak memory and figures
  librsvg2-bin  # the icon's fixed sizes
  lintian desktop-file-utils appstream  # the package checks
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
