#!/usr/bin/env bash
# Installs everything Orvane needs to build, test, fuzz and benchmark, and the validators that
# check its installed tree.
# Idempotent: when every package is already installed it does nothing.
set -euo pipefail

PACKAGES=(
    build-essential g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-serialport-dev libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    liblzo2-dev
    libgtest-dev libbenchmark-dev
    clang-14 libclang-rt-14-dev clang-format clang-tidy
    xvfb fonts-liberation fonts-wqy-microhei
    desktop-file-utils appstream man-db groff-base
)

missing=()
for pkg in "${PACKAGES[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    if [[ "$status" != "install ok installed" ]]; then
        missing+=("$pkg")
    fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
    echo "install-deps: all ${#PACKAGES[@]} packages already installed, nothing to do"
    exit 0
fi

SUDO=()
if [[ $(id -u) -ne 0 ]]; then
    if command -v sudo >/dev/null 2>&1; then
        SUDO=(sudo)
    else
        echo "install-deps: not root and no sudo; cannot install: ${missing[*]}" >&2
        exit 1
    fi
fi

echo "install-deps: installing ${missing[*]}"
# Wait up to five minutes for another apt/dpkg run to release its lock.
APT_OPTS=(-o DPkg::Lock::Timeout=300)
"${SUDO[@]}" apt-get "${APT_OPTS[@]}" update -q
"${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get "${APT_OPTS[@]}" install -y -q --no-install-recommends "${missing[@]}"
