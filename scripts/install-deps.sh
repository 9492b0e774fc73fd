#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and benchmark.
# Safe to run again: it only asks apt for the packages that are missing.
set -euo pipefail

packages=(
  build-essential
  cmake
  ninja-build
  pkg-config
  libc-bin            # iconv(1), used by the benchmark comparison
  googletest
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  libcurl4-openssl-dev
  libcpp-httplib-dev  # the loopback HTTP server of the tests
  libssl-dev
  libgumbo-dev        # the HTML5 parser of the offline check of saved pages
  zlib1g-dev          # the gzip bomb of the hostile server tests
  openssl             # makes the certificate of the HTTPS test server
  clang-format
  clang-tidy          # the static checks of make test
  clang               # the fuzz targets of make fuzz
  libclang-rt-dev     # libFuzzer and the sanitizers' runtime for clang
  bc                  # arithmetic in the benchmark scripts
  tidy                # the formatter comparison of make bench
  wget                # the whole-run comparison of make bench
  httrack             # the whole-run comparison of make bench
  highlight           # the syntax colouring comparison of make bench
  time                # GNU time: the peak memory of the file search comparison
  qt6-base-dev        # the desktop program: Qt 6 Widgets, and Qt Test for its tests
  qt6-qpa-plugins     # Qt's platforms: xcb for a real window, offscreen for the tests
  qt6-webengine-dev   # the desktop program's browsers
  xvfb                # an X server for the desktop program's screenshot test
  xauth               # xvfb-run's authority file
  fonts-noto-cjk      # Japanese glyphs for the window's captions
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_command=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_command=(sudo)
fi

echo "Installing: ${missing[*]}"
"${sudo_command[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo_command[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
