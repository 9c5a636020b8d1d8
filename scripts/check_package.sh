#!/usr/bin/env bash
# Builds the Debian package and checks it: its control data and file list
# (dpkg-deb), the desktop entry (desktop-file-validate), the AppStream
# description (appstreamcli validate) and lintian's findings (listed, not
# fatal). With --install (as root) it also installs the package with apt-get
# on this machine, runs every program's --version from /usr/bin, and removes
# it again.
# Usage: scripts/check_package.sh [--install] [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
install=0
if [ "${1:-}" = "--install" ]; then install=1; shift; fi
build=$(realpath "${1:-$root/build}")
programs="ruvo ruvo-cli ruvo-batch splicer resampler"

cmake --build "$build" --target package
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/ruvo_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "check_package: error: no $deb" >&2; exit 1; }

echo "== dpkg-deb --info"
dpkg-deb --info "$deb"
echo "== dpkg-deb --contents"
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
echo "$contents"
expected="./usr/share/applications/ruvo.desktop ./usr/share/mime/packages/ruvo.xml
./usr/share/metainfo/org.ruvo.ruvo.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/ruvo.svg
./usr/share/icons/hicolor/64x64/apps/ruvo.png ./usr/share/doc/ruvo/copyright"
for program in $programs; do expected="$expected ./usr/bin/$program ./usr/share/man/man1/$program.1.gz"; done
for file in $expected; do
  grep -qxF "$file" <<<"$contents" || { echo "check_package: error: $file is not in the package" >&2; exit 1; }
done
depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6widgets6 libsndfile1 libsdl2 qt6-qpa-plugins; do
  grep -q "$library" <<<"$depends" || { echo "check_package: error: Depends lacks $library" >&2; exit 1; }
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
echo "== desktop-file-validate"
desktop-file-validate "$unpacked/usr/share/applications/ruvo.desktop"
echo "== appstreamcli validate"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/org.ruvo.ruvo.metainfo.xml"
echo "== lintian"
lintian --tag-display-limit 0 "$deb" || true

if [ "$install" = 1 ]; then
  echo "== apt-get install"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb"
  for program in $programs; do
    [ "$(command -v "$program")" = "/usr/bin/$program" ] || { echo "check_package: error: /usr/bin/$program missing" >&2; exit 1; }
    QT_QPA_PLATFORM=offscreen "/usr/bin/$program" --version
  done
  man -w ruvo
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -q ruvo
fi
echo "check_package: $deb is fine"
