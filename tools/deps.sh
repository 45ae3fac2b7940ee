#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Velmora need.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  googletest libgtest-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  mame
  xvfb xauth
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${packages[@]}"
