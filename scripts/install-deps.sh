#!/bin/sh
# Installs the Debian 12 packages Marvikel needs to build, run and test, and
# only those that are missing. Uses sudo when not run as root.
set -eu

PACKAGES="cmake ninja-build g++ qt6-base-dev libicu-dev qt6-base-dev-tools xvfb xauth dbus \
xdg-utils fonts-dejavu-core shared-mime-info desktop-file-utils imagemagick \
qt6-translations-l10n adwaita-icon-theme exfatprogs exfat-fuse time"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  SUDO=""
else
  SUDO="sudo"
fi
echo "Installerer:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
