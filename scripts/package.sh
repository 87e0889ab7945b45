#!/usr/bin/env bash
# Builds the Debian package into build-deb/ and checks it: the files it
# installs, its dependencies, its desktop entries and metainfo, and lintian
# (no error allowed). Prints the package's path.
#   scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

ensure_packages build package
configure_and_build build-deb -DCMAKE_BUILD_TYPE=Release \
  -DFUDA_BUILD_TESTS=OFF -DFUDA_BUILD_BENCH=OFF
rm -f build-deb/fudayomi_*.deb
(cd build-deb && cpack -G DEB >/dev/null)
deb="$(ls build-deb/fudayomi_*.deb)"

failed=0
fail() { echo "package: $*" >&2; failed=1; }

listing="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for path in \
  usr/bin/fudayomi-reader-ja usr/bin/fudayomi-reader-en \
  usr/bin/fudayomi-memotimer-ja usr/bin/fudayomi-memotimer-en \
  usr/bin/fudayomi-make-voice usr/share/fudayomi/README.md \
  usr/share/applications/org.fudayomi.ReaderJa.desktop \
  usr/share/applications/org.fudayomi.ReaderEn.desktop \
  usr/share/applications/org.fudayomi.MemotimerJa.desktop \
  usr/share/applications/org.fudayomi.MemotimerEn.desktop \
  usr/share/metainfo/org.fudayomi.Fudayomi.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/fudayomi.svg \
  usr/share/icons/hicolor/48x48/apps/fudayomi.png \
  usr/share/icons/hicolor/256x256/apps/fudayomi.png \
  usr/share/doc/fudayomi/copyright usr/share/doc/fudayomi/changelog.gz; do
  grep -qx "./$path" <<<"$listing" || fail "missing $path"
done

depends="$(dpkg-deb -f "$deb" Depends)"
for needed in libqt6widgets6 qt6-qpa-plugins libsdl2 lame vorbis-tools open-jtalk espeak-ng; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

contents="$(mktemp -d)"
trap 'rm -rf "$contents"' EXIT
dpkg-deb -x "$deb" "$contents"
for entry in "$contents"/usr/share/applications/*.desktop; do
  desktop-file-validate "$entry" || fail "$(basename "$entry") does not validate"
done
appstreamcli validate --no-net --explain \
  "$contents"/usr/share/metainfo/org.fudayomi.Fudayomi.metainfo.xml >/dev/null ||
  fail "the metainfo does not validate"
# Warnings are shown; errors fail the check.
lintian --fail-on error "$deb" || fail "lintian reports errors"

[ "$failed" -eq 0 ] || exit 1
echo "$deb"
