#!/usr/bin/env bash
# A build configured with a theme that has faults stops at the configure
# step and shows the check's messages; the same theme mended configures.
#   configure_with_broken_theme.sh SOURCE_DIR CMAKE TESSAL_THEME PLAIN_THEME
set -uo pipefail

source_dir=$1 cmake=$2 tessal_theme=$3 plain_theme=$4
tree=$(mktemp -d "${TMPDIR:-/tmp}/tessal-broken-theme-XXXXXX")
trap 'rm -rf "$tree"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

configure() {
  "$cmake" -S "$source_dir" -B "$tree/build" -G Ninja -DTESSAL_TESTS=OFF \
    -DTESSAL_THEME="$tree/theme" -DTESSAL_THEME_TOOL="$tessal_theme" 2>&1
}

cp -r "$plain_theme" "$tree/theme"
rm "$tree/theme/bitmaps/caption_pay.bmp"
printf 'Qorvan\nOnline\n' >"$tree/theme/title.txt"
if output=$(configure); then
  fail "a theme with faults configured"
fi
# CMake wraps the message's lines at spaces: each fragment is shorter.
for line in "(tessal-theme check):" \
  "bitmaps/caption_pay.bmp: missing:" \
  "title.txt: the title is more than" \
  ": 2 faults"; do
  grep -qF "$line" <<<"$output" || fail "the configure step does not say \"$line\""
done
[[ -f $tree/build/build.ninja ]] && fail "a build was generated for a theme with faults"

cp "$plain_theme/bitmaps/caption_pay.bmp" "$tree/theme/bitmaps/"
printf 'Qorvan Online\n' >"$tree/theme/title.txt"
output=$(configure) || fail "the mended theme does not configure: $output"

if ((failures)); then
  echo "$output"
  exit 1
fi
echo "a theme with faults stops the configure step with the check's messages; mended, it configures"
