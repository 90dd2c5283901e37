#!/usr/bin/env bash
# Installs what is missing, builds, then starts Sarvento ("run") or runs every test ("test").
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ make qt6-base-dev qt6-qpa-plugins qt6-translations-l10n qt6-charts-dev
          libgl-dev libxkbcommon-dev poppler-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"

case "${1:-run}" in
run) exec build/sarvento ;;
test) cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" ;;
*) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac
