#!/usr/bin/env bash
# Installs the Debian 12 packages that building ruvo and running its tests
# need (.ci/packages), as root or through sudo; does nothing when they are
# all there.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! dpkg -s $(cat .ci/packages) >/dev/null 2>&1; then
  sudo=""
  [ "$(id -u)" = 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  xargs -a .ci/packages $sudo apt-get install -y -q --no-install-recommends
fi
