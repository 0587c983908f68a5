#!/usr/bin/env bash
# Installs what building, running and testing Tessaly need, from Debian's
# packages. Installs nothing when everything is already there.
set -euo pipefail

packages=(
    # build
    g++ cmake ninja-build pkg-config git
    qt6-base-dev qt6-image-formats-plugins
    # the translations: Qt6LinguistTools for CMake, and lrelease
    qt6-tools-dev qt6-l10n-tools
    # tests, benchmarks and fuzzing
    libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
    # a real X server for the end-to-end tests, and tools to drive and check it
    xvfb xauth xdotool x11-utils imagemagick desktop-file-utils
    # comparing the pages of PDF guides
    poppler-utils
    # the window's Chinese captions, and Qt's own dialogs in the user's language
    fonts-wqy-microhei qt6-translations-l10n
    # the Debian package and its checks
    dpkg-dev fakeroot file lintian appstream passwd
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    echo "setup: all packages present"
    exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
    sudo=sudo
else
    sudo=
fi
echo "setup: installing ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
