#!/usr/bin/env bash
# Makes the Windows installer build-win/fudayomi-setup.exe with NSIS's
# makensis, from the folder the zip is made of (scripts/windows-package.sh):
# the four programs, the default voice, the sample settings and the read-me.
# The uninstaller removes exactly the files listed here.
#   scripts/windows-installer.sh                the zip's folder, then the installer
#   scripts/windows-installer.sh STAGE OUTPUT   an installer of the folder STAGE
#                                               (a test's, with a voice of its own)
set -euo pipefail
if [ "$#" -eq 2 ]; then
  stage="$(cd "$1" && pwd)"
  output="$(cd "$(dirname "$2")" && pwd)/$(basename "$2")"
fi
cd "$(dirname "$0")/.."
source scripts/setup.sh

ensure_packages windows
if [ -z "${stage:-}" ]; then
  scripts/windows-package.sh
  stage="$PWD/build-win/fudayomi-win64"
  output="$PWD/build-win/fudayomi-setup.exe"
fi
version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION \(.*\))$/\1/p' packaging/CMakeLists.txt)"

# The voice's files, then its folders from the deepest up, for the uninstaller.
files="$output.files.nsh"
(cd "$stage" && {
  find data -type f | sort | sed 's|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
  find data -depth -type d | sed 's|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
}) >"$files"

makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" \
  -DICON="$PWD/resources/program_icon.ico" -DFILES="$files" -DOUTFILE="$output" \
  packaging/windows/installer.nsi

check_download_size "$output"
