#!/usr/bin/env bash
# Installs every Debian 12 package the build, the tests and the demo need that is not installed
# yet. Run as root (directly or through sudo). Sourced by run-demo.sh and test.sh.
set -euo pipefail

ORVEX_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools fonts-dejavu-core
  fonts-urw-base35 # Nimbus Sans Narrow: the run-time captions fit their fixed places only in a narrow face
  libhidapi-dev libudev-dev libusb-1.0-0-dev
  libgtest-dev libgmock-dev libbenchmark-dev
)

orvex_install_packages() {
  local missing=()
  local package
  for package in "${ORVEX_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
      missing+=("$package")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}; run this script as root or with sudo." >&2
    return 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
}
