#!/usr/bin/env bash
# Installs what is missing, builds the tool and starts it with its emulated demo boards.
# Usage (on Debian 12): sudo bash scripts/run-demo.sh
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=install-deps.sh
source "$root/scripts/install-deps.sh"
orvex_install_packages

build="$root/build/demo"
cmake -G Ninja -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVEX_BUILD_TESTS=OFF -DORVEX_BUILD_BENCH=OFF
cmake --build "$build" --target orvex-device-config

tool="$build/app/orvex-device-config"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  # Under sudo the X authority file of the user who called it is needed to reach the display.
  if [ -z "${XAUTHORITY:-}" ] && [ -n "${SUDO_USER:-}" ]; then
    user_home="$(getent passwd "$SUDO_USER" | cut -d: -f6)"
    [ -f "$user_home/.Xauthority" ] && export XAUTHORITY="$user_home/.Xauthority"
  fi
  exec "$tool" --demo
fi
# No display (a server, a container): run the demo off screen and keep a picture of the window.
picture="$build/demo-window.png"
QT_QPA_PLATFORM=offscreen "$tool" --demo --screenshot "$picture"
echo "No display found: the demo ran off screen; its window is in $picture"
