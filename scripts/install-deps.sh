#!/bin/sh
# Installs the Debian/Ubuntu packages that building and testing need, if any is missing.
# Runs apt-get as root, or through sudo for an ordinary user.
set -eu

packages="build-essential cmake pkg-config git
qt6-base-dev libgl-dev libglx-dev libxkbcommon-dev
libcli11-dev nlohmann-json3-dev
libgtest-dev libgmock-dev libbenchmark-dev
clang libclang-rt-dev
ansible-core python3-jsonschema lintian fonts-urw-base35
xvfb xauth xdg-utils fonts-ipafont-gothic fonts-dejavu-core libqt6svg6
qt6-svg-dev qt6-image-formats-plugins qt6-translations-l10n
libtomlplusplus-dev libudev-dev appstream python3-pil"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    sudo=""
elif command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
else
    echo "install-deps: these packages are missing and neither root nor sudo is available:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
# shellcheck disable=SC2086
$sudo apt-get install -y -q --no-install-recommends $missing
