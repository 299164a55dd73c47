#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test the program.
# Quick when everything is there: it only asks dpkg.
set -euo pipefail
packages=(g++ cmake ninja-build qt6-base-dev libgtest-dev libbenchmark-dev libgsl-dev fonts-dejavu-core qt6-translations-l10n clang-format)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -q "${missing[@]}" || { $sudo apt-get update -q && $sudo apt-get install -y -q "${missing[@]}"; }
