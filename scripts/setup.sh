# Shared by the project's scripts: the Debian packages the project needs, in
# groups that each script installs only as it needs them, and the build.
# FUDA_JOBS, when set, is how many compilers and tests run at once (default:
# the number of processors).

# The project's folder, wherever the caller has gone since.
fuda_source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

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
# The test suite: its libraries, the clips it makes, and the X server and
# pointer that drive its windows.
test_packages=(
  libgtest-dev libgmock-dev
  sox
  xvfb xdotool
)
# The Windows build and its tests: the cross compiler, Wine with stand-ins for
# Windows' Japanese faces, NSIS for the installer, and the tools that look at
# Wine's windows (xprop, import).
windows_packages=(
  x11-utils imagemagick nsis
  g++-mingw-w64-x86-64-posix
  wine64
  fonts-horai-umefont
)
# The web build and its tests: Emscripten, Node for the core's unit tests
# and the tools, Chromium for the page's test, Python's static file server.
web_packages=(
  emscripten nodejs chromium python3
)
# Making the Debian package and checking it.
package_packages=(
  dpkg-dev file zip
  lintian desktop-file-utils appstream
)
# The fuzz targets: clang with its sanitizer runtimes. libclang-rt-dev follows
# the release's default clang, so no version is named here.
fuzz_packages=(
  clang libclang-rt-dev
)

# Open JTalk's voice is in Debian's contrib component, which a plain Debian
# does not enable. Where no source names contrib, one file of our own adds it,
# from the same archive and with the same keyring as the system's own source
# of this release; when that cannot be told, nothing is done.
contrib_sources=/etc/apt/sources.list.d/fudayomi-contrib.sources

# debian_archive_source CODENAME FILE...: the address and keyring file
# (empty when the source names none, "-" when its key is written inline) of
# the first source of Debian packages for release CODENAME, as
# "URI<tab>KEYRING"; one-line .list files and deb822 .sources files alike.
debian_archive_source() {
  local codename="$1" file; shift
  for file in "$@"; do
    [ -f "$file" ] && [ "$file" != "$contrib_sources" ] || continue
    case "$file" in
      *.sources)
        awk -v suite="$codename" '
          function flush() {
            if (types ~ /(^| )deb( |$)/ && enabled != "no" && (" " suites " ") ~ (" " suite " ") &&
                uris != "") {
              split(uris, uri, " ")
              print uri[1] "\t" signed
              found = 1
              exit
            }
            types = uris = suites = signed = enabled = ""
          }
          /^#/ { next }
          /^[ \t]*$/ { flush(); next }
          /^[ \t]/ { next }
          {
            key = tolower($0); sub(/:.*/, "", key)
            value = $0; sub(/^[^:]*:[ \t]*/, "", value); gsub(/[ \t]+/, " ", value); sub(/ $/, "", value)
            if (key == "types") types = value
            else if (key == "uris") uris = value
            else if (key == "suites") suites = value
            else if (key == "enabled") enabled = tolower(value)
            else if (key == "signed-by") signed = value == "" ? "-" : value
          }
          END { if (!found) flush() }' "$file"
        ;;
      *)
        awk -v suite="$codename" '
          /^[ \t]*deb[ \t]/ {
            line = $0; sub(/^[ \t]*deb[ \t]+/, "", line); options = ""
            if (line ~ /^\[/) {
              options = substr(line, 2, index(line, "]") - 2)
              line = substr(line, index(line, "]") + 1); sub(/^[ \t]+/, "", line)
            }
            if (split(line, field, /[ \t]+/) < 3 || field[2] != suite) next
            signed = ""
            count = split(options, option, /[ \t]+/)
            for (i = 1; i <= count; i++)
              if (tolower(option[i]) ~ /^signed-by=/) { signed = option[i]; sub(/^[^=]*=/, "", signed) }
            print field[1] "\t" signed
            exit
          }' "$file"
        ;;
    esac
  done | head -n 1
}

ensure_contrib() {
  local sudo="$1" codename source uri keyring
  grep -qs '^ID=debian$' /etc/os-release || return 0
  if grep -qsE '^[[:space:]]*(Components:.*[[:space:]]contrib([[:space:]]|$)|deb[[:space:]].*[[:space:]]contrib([[:space:]]|$))' \
      /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; then
    return 0
  fi
  codename="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
  [ -n "$codename" ] || return 0
  source="$(debian_archive_source "$codename" /etc/apt/sources.list \
    /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources)"
  uri="${source%%$'\t'*}"
  keyring="${source#*$'\t'}"
  if [ -z "$source" ] || [ -z "$uri" ] || [ "$keyring" = "-" ]; then
    echo "Debian's contrib component (for Open JTalk's voice) is not enabled, and the" \
      "system's own source of $codename could not be told: enable it by hand." >&2
    return 0
  fi
  echo "Enabling Debian's contrib component (for Open JTalk's voice) from $uri in $contrib_sources"
  {
    printf '%s\n' "Types: deb" "URIs: $uri" "Suites: $codename $codename-updates" \
      "Components: contrib"
    [ -z "$keyring" ] || printf '%s\n' "Signed-By: $keyring"
  } | $sudo tee "$contrib_sources" >/dev/null
}

# ensure_packages GROUP...: installs what is missing of the named groups
# (run, build, test, windows, web, package, fuzz).
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
    cmake --build "$dir" -j"$(build_jobs)"
  else
    cmake --build "$dir" -j"$(build_jobs)" --target "${targets[@]}"
  fi
}

# build_jobs: how many compilers or tests run at once.
build_jobs() {
  echo "${FUDA_JOBS:-$(nproc)}"
}

# make_voice_status NAME: make_voice's exit status NAME (Done, Failed,
# BadUsage, RecordedVoice, Interrupted), read from the header the programs
# include.
make_voice_status() {
  local status
  status="$(sed -n "s/^inline constexpr int kMakeVoice$1 = \([0-9][0-9]*\);.*/\1/p" \
    "$fuda_source_dir/voicegen/make_voice_status.h")"
  [ -n "$status" ] || { echo "make_voice_status: no status $1" >&2; return 1; }
  echo "$status"
}
