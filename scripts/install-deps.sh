#!/usr/bin/env bash
# Installs the Debian packages Zarpo needs to build, run and test, only those missing.
set -euo pipefail

packages=(
  cmake g++ make
  qtbase5-dev qttools5-dev qttools5-dev-tools libqt5webkit5-dev libqt5sql5-mysql
  mariadb-server mariadb-client
  xvfb xauth poppler-utils fonts-dejavu-core qttranslations5-l10n
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} = 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" = 0 ] || sudo=(sudo)
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
