#!/usr/bin/env bash
# Builds the Debian package in build-deb/ and shows what it holds and what it depends on.
# Installs what is missing first, as build.sh does: the build packages, dpkg-dev for
# dpkg-shlibdeps and file, which the package's library scan runs. Not part of the test run.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make qt6-base-dev qt6-charts-dev libgl-dev libxkbcommon-dev dpkg-dev file)
tools/install-missing.sh "${packages[@]}"

# Only the program is installed, so only the program is built: no tests, and the install
# step does not build the benchmarks.
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
      -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build build-deb -j"$(nproc)" --target sarvento
rm -f build-deb/sarvento_*.deb
(cd build-deb && cpack -G DEB)

for deb in build-deb/sarvento_*.deb; do
    echo "== $deb"
    dpkg-deb -c "$deb"
    echo "Depends: $(dpkg-deb -f "$deb" Depends)"
    echo "Recommends: $(dpkg-deb -f "$deb" Recommends)"
done
