#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the screenshots need, if any is missing.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev
          libbenchmark-dev libgif-dev qt6-tools-dev qt6-l10n-tools xvfb xauth fonts-dejavu-core
          fonts-liberation2 desktop-file-utils appstream shared-mime-info dpkg-dev file wbritish lintian
          qt6-translations-l10n)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run as root or install sudo to get: ${missing[*]}" >&2; exit 1; }
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
