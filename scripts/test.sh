#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (headless).
# Usage (on Debian 12): sudo bash scripts/test.sh [--sanitize]
#   --sanitize  build and test with AddressSanitizer and UndefinedBehaviorSanitizer instead
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=install-deps.sh
source "$root/scripts/install-deps.sh"
orvex_install_packages

build="$root/build/test"
options=(-DCMAKE_BUILD_TYPE=Debug)
if [ "${1:-}" = "--sanitize" ]; then
  build="$root/build/sanitize"
  options=(-DCMAKE_BUILD_TYPE=Debug -DORVEX_SANITIZE=ON)
  # Qt, fontconfig and the offscreen platform keep caches for the whole process and never free
  # them; the leak report would be all theirs. Every other memory error still stops the test.
  export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi

export QT_QPA_PLATFORM=offscreen
cmake -G Ninja -S "$root" -B "$build" "${options[@]}"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure
