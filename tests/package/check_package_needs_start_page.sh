#!/usr/bin/env bash
# A build configured without a start page: the ordinary build does not pack
# one, while making the package and installing stop with a message that
# names TESSAL_START_PAGE, leaving no package behind.
#   check_package_needs_start_page.sh SOURCE_DIR CMAKE CPACK NINJA CXX [CONFIGURE_ARGUMENT...]
set -uo pipefail

source_dir=$1 cmake=$2 cpack=$3 ninja=$4 cxx=$5
shift 5
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

tree=$(mktemp -d "${TMPDIR:-/tmp}/tessal-no-start-page-XXXXXX")
trap 'rm -rf "$tree"' EXIT

if ! output=$("$cmake" -S "$source_dir" -B "$tree/build" -G Ninja -DCMAKE_MAKE_PROGRAM="$ninja" \
  -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=Release -DTESSAL_GTK=ON -DTESSAL_TESTS=OFF \
  -DTESSAL_START_PAGE= "$@" 2>&1); then
  echo "FAIL: a build without a start page does not configure:"
  echo "$output"
  exit 1
fi
[[ -f $tree/build/CPackConfig.cmake ]] || fail "the build has no package set-up (is packaging included?)"

plan=$("$ninja" -C "$tree/build" -n all 2>&1) || fail "the ordinary build cannot be planned: $plan"
grep -q "Packing the start page" <<<"$plan" && fail "the ordinary build packs a start page it does not have"

# Making the package: cpack, as the package target runs it.
output=$(cd "$tree/build" && "$cpack" --config CPackConfig.cmake 2>&1) &&
  fail "cpack made a package without a start page"
grep -q "TESSAL_START_PAGE is empty" <<<"$output" || fail "cpack does not say the start page is missing: $output"
compgen -G "$tree/build/*.deb" >/dev/null && fail "a package was left behind: $(ls "$tree"/build/*.deb)"

# Installing.
output=$("$cmake" --install "$tree/build" --prefix "$tree/root" 2>&1) &&
  fail "the install step went on without a start page"
grep -q "TESSAL_START_PAGE is empty" <<<"$output" || fail "the install step does not say the start page is missing: $output"
[[ -e $tree/root/bin ]] && fail "the install step installed a program without a start page"

if ((failures)); then
  echo "$failures checks failed"
  exit 1
fi
echo "without a start page: the ordinary build packs none; the package and the install stop and say why"
