#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing (a
# fixed-pitch font included: the offscreen window tests check the listing font; the
# Liberation fonts stand in for the report fonts the settings name by default).
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev
          libutf8proc-dev libeigen3-dev
          libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev
          fonts-dejavu-core fonts-liberation2)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
