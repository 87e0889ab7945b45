# Shared by the project's scripts: the Debian packages the project needs, in
# groups that each script installs only as it needs them, and the build.

# Running the programs: the decoders and speech engine they start, and the
# fonts of their windows.
run_packages=(
  lame vorbis-tools
  espeak-ng
  fonts-ipafont-gothic fonts-morisawa-bizud-gothic fonts-liberation2
)
# Building them.
build_packages=(
  g++ cmake make pkg-config
  qt6-base-dev libgl-dev
  libsdl2-dev
)
# The test suite: its libraries, the clips it makes, and the windows it looks at.
test_packages=(
  libgtest-dev libgmock-dev
  sox
  xvfb xdotool imagemagick
)
# Making the Debian package and checking it.
package_packages=(
  dpkg-dev file
  lintian desktop-file-utils appstream
)
# The fuzz targets: clang with its sanitizer runtimes. libclang-rt-dev follows
# the release's default clang, so no version is named here.
fuzz_packages=(
  clang libclang-rt-dev
)

# ensure_packages GROUP...: installs what is missing of the named groups
# (run, build, test, package, fuzz).
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
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
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
