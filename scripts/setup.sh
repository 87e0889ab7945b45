# Shared by the project's scripts: the Debian packages the project needs, in
# groups that each script installs only as it needs them, and the build.

# Running the programs: the decoders and speech engine they start, and the
# fonts of their windows.
run_packages=(
  lame vorbis-tools
  open-jtalk open-jtalk-mecab-naist-jdic hts-voice-nitech-jp-atr503-m001
  espeak-ng
  fonts-ipafont-gothic fonts-morisawa-bizud-gothic fonts-liberation2
)
# Building them.
build_packages=(
  g++ cmake make pkg-config
  qt6-base-dev libgl-dev
  libsdl2-dev
  libstb-dev
)
# The test suite: its libraries, the clips it makes, the windows it looks at,
# Wine with stand-ins for Windows' Japanese faces, and NSIS for the installer.
test_packages=(
  libgtest-dev libgmock-dev
  sox
  xvfb xdotool x11-utils imagemagick
  g++-mingw-w64-x86-64-posix
  wine64
  fonts-horai-umefont
  nsis
)
# The web build and its tests: Emscripten, Node for the core's unit tests
# and the tools, Chromium for the page's test, Python's static file server.
web_packages=(
  emscripten nodejs chromium python3
)
# Making the Debian package and the Windows installer (NSIS), and checking
# them.
package_packages=(
  dpkg-dev file zip nsis
  lintian desktop-file-utils appstream
)
# The fuzz targets: clang with its sanitizer runtimes. libclang-rt-dev follows
# the release's default clang, so no version is named here.
fuzz_packages=(
  clang libclang-rt-dev
)

# Open JTalk's voice is in Debian's contrib component, which a plain Debian
# does not enable. Where no source names contrib, one file of our own adds it
# for this release; nothing is done on other systems.
contrib_sources=/etc/apt/sources.list.d/fudayomi-contrib.sources
ensure_contrib() {
  local sudo="$1" codename
  grep -qs '^ID=debian$' /etc/os-release || return 0
  if grep -qsE '^[[:space:]]*(Components:.*[[:space:]]contrib([[:space:]]|$)|deb[[:space:]].*[[:space:]]contrib([[:space:]]|$))' \
      /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; then
    return 0
  fi
  codename="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
  [ -n "$codename" ] || return 0
  echo "Enabling Debian's contrib component (for Open JTalk's voice) in $contrib_sources"
  printf '%s\n' "Types: deb" "URIs: http://deb.debian.org/debian" \
    "Suites: $codename $codename-updates" "Components: contrib" \
    "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
    $sudo tee "$contrib_sources" >/dev/null
}

# ensure_packages GROUP...: installs what is missing of the named groups
# (run, build, test, web, package, fuzz).
ensure_packages() {
  local wanted=() missing=() group
  for group in "$@"; do
    local -n list="${group}_packages"
    wanted+=("${list[@]}")
    unset -n list
  done
  for p in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ "${#missing[@]}" -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  case " ${missing[*]} " in
    *" hts-voice-nitech-jp-atr503-m001 "*) ensure_contrib "$sudo" ;;
  esac
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# check_download_size FILE: fails when FILE is over the 25 MB a download may
# take; otherwise says its size.
check_download_size() {
  local size limit=$((25 * 1024 * 1024))
  size=$(stat -c %s "$1")
  if [ "$size" -ge "$limit" ]; then
    echo "$1 is $size bytes, over the 25 MB a download may take" >&2
    return 1
  fi
  echo "$1: $size bytes"
}

# configure_and_build DIR [cmake -D options...] [--target TARGET...]
configure_and_build() {
  local dir="$1"; shift
  local options=() targets=()
  while [ "$#" -gt 0 ]; do
    if [ "$1" = "--target" ]; then
      shift
      targets=("$@")
      break
    fi
    options+=("$1")
    shift
  done
  cmake -S . -B "$dir" "${options[@]}" >/dev/null
  if [ "${#targets[@]}" -eq 0 ]; then
    cmake --build "$dir" -j"$(nproc)"
  else
    cmake --build "$dir" -j"$(nproc)" --target "${targets[@]}"
  fi
}
