#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# The package names live in scripts/packages/*.list, one per line (# starts a comment),
# grouped by the part of the project that needs them. Only missing packages are installed,
# so a second run on a ready machine takes well under a second.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

wanted=$(cat "$here"/packages/*.list | sed -e 's/#.*//' | tr -s ' \t' '\n' | grep -v '^$' | sort -u)
missing=()
for pkg in $wanted; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$pkg")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${#missing[@]} packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
# An update is needed only when a package is unknown to the local lists.
if ! $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" >/tmp/vantorn-setup.log 2>&1; then
  $sudo apt-get update -q >/dev/null
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
