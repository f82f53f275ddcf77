#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# skipping the work when everything is already there. The install tests check
# the desktop entry, the AppStream metadata, the MIME types and the Debian
# package with the validators below; CPack's dependency scan runs `file`.
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config ccache
    qt6-base-dev libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n
    libsqlite3-dev sqlite3 time libcurl4-openssl-dev libgumbo-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth x11-utils imagemagick fonts-dejavu-core
    appstream desktop-file-utils groff-base
    file shared-mime-info lintian
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
