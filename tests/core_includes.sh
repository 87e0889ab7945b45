#!/usr/bin/env bash
# Every file of the core includes only the core and the C++ standard library:
# no platform header, however a compiler's own library happens to ship it
# (MinGW has unistd.h and pthread.h, Emscripten has the POSIX headers).
#   tests/core_includes.sh [ROOT]
set -euo pipefail
root="${1:-$(dirname "$0")/..}"
cd "$root"

# The headers of the C++ standard library (C++20), the C ones in their <cname> form.
standard=" algorithm any array atomic barrier bit bitset cassert cctype cerrno cfenv cfloat
  charconv chrono cinttypes climits clocale cmath codecvt compare complex concepts
  condition_variable coroutine csetjmp csignal cstdarg cstddef cstdint cstdio cstdlib
  cstring ctime cuchar cwchar cwctype deque exception execution filesystem format
  forward_list fstream functional future initializer_list iomanip ios iosfwd iostream
  istream iterator latch limits list locale map memory memory_resource mutex new numbers
  numeric optional ostream queue random ranges ratio regex scoped_allocator semaphore set
  shared_mutex source_location span sstream stack stdexcept stop_token streambuf string
  string_view syncstream system_error thread tuple type_traits typeindex typeinfo
  unordered_map unordered_set utility valarray variant vector version"
standard=" $(tr -s '[:space:]' ' ' <<<"$standard") "

failed=0
while IFS= read -r -d '' file; do
  while IFS= read -r line; do
    if [[ "$line" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<([^>]+)\> ]]; then
      header="${BASH_REMATCH[1]}"
      if [[ "$standard" != *" $header "* ]]; then
        echo "$file: includes <$header>, which is not the C++ standard library" >&2
        failed=1
      fi
    elif [[ "$line" =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]]; then
      header="${BASH_REMATCH[1]}"
      if [[ "$header" != core/* || ! -f "$header" ]]; then
        echo "$file: includes \"$header\", which is not a file of the core" >&2
        failed=1
      fi
    elif [[ "$line" =~ ^[[:space:]]*#[[:space:]]*include ]]; then
      echo "$file: an include the check cannot read: $line" >&2
      failed=1
    fi
  done < "$file"
done < <(find core -type f \( -name '*.h' -o -name '*.cpp' \) -print0)

if [ "$failed" -eq 0 ]; then
  echo "core includes: every file includes only the core and the standard library"
fi
exit "$failed"
