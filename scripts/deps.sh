#!/usr/bin/env bash
# Installs the Debian packages the program needs, when some are missing.
set -euo pipefail
PACKAGES=(build-essential cmake qt6-base-dev libsqlite3-dev libjpeg-dev libgtest-dev
          libbenchmark-dev xvfb xauth fonts-liberation fonts-dejavu-core)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq "${missing[@]}" </dev/null
fi
