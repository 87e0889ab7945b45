# Shared by test.sh and run.sh: the Debian packages the project needs, and the
# build.

packages=(
  g++ cmake make pkg-config
  qt6-base-dev libgl-dev
  libsdl2-dev
  libgtest-dev libgmock-dev
  lame vorbis-tools sox
  espeak-ng libespeak-ng-dev
  fonts-ipafont-gothic fonts-morisawa-bizud-gothic fonts-liberation2
  xvfb xdotool imagemagick
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix
  wine64 libstb-dev
)

ensure_packages() {
  local missing=()
  for p in "${packages[@]}"; do
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
