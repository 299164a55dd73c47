#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test the program, and
# generates the German locale that a test of number text runs under. Quick when everything is
# there: it only asks dpkg and the list of locales.
set -euo pipefail
packages=(g++ cmake ninja-build qt6-base-dev libgtest-dev libbenchmark-dev libgsl-dev fonts-dejavu-core qt6-translations-l10n clang-format locales)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get install -y -q "${missing[@]}" || { $sudo apt-get update -q && $sudo apt-get install -y -q "${missing[@]}"; }
fi
# locale -a writes the name as de_DE.utf8.
if ! locale -a 2>/dev/null | grep -qx 'de_DE\.utf8'; then
  echo "Generating the locale de_DE.UTF-8"
  if grep -q '^# *de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
    $sudo sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -qx 'de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  fi
  $sudo locale-gen
fi
