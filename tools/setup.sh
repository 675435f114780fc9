#!/bin/bash
# Installs what building and testing the game needs on Debian 12, if missing.
set -e
packages=(cmake g++ make pkg-config libsdl1.2-compat-dev libsdl-mixer1.2-dev googletest libgtest-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q "${missing[@]}"
