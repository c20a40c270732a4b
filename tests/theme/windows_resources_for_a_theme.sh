#!/usr/bin/env bash
# The Windows program's resource script for a theme other than the default:
# configured for the 32-bit Windows build with a copy of the plain theme
# whose title needs escaping, the script names the theme's files and carries
# its title, is otherwise the committed one, and windres compiles it into
# resources that hold the title and the theme's pictures.
#   windows_resources_for_a_theme.sh SOURCE_DIR CMAKE TESSAL_THEME PLAIN_THEME
set -uo pipefail

source_dir=$1 cmake=$2 tessal_theme=$3 plain_theme=$4
tree=$(mktemp -d "${TMPDIR:-/tmp}/tessal-windows-theme-XXXXXX")
trap 'rm -rf "$tree"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

theme=$tree/theme
cp -r "$plain_theme" "$theme"
title='Tide "α" \ 潮汐'
printf '%s\n' "$title" >"$theme/title.txt"
if ! output=$("$cmake" -S "$source_dir" -B "$tree/build" -G Ninja -DTESSAL_TESTS=OFF \
  --toolchain "$source_dir/cmake/toolchains/mingw-i686.cmake" \
  -DTESSAL_THEME="$theme" -DTESSAL_THEME_TOOL="$tessal_theme" 2>&1); then
  echo "FAIL: the Windows build does not configure with the theme:"
  echo "$output"
  exit 1
fi
script=$tree/build/res/tessal.rc

# The committed script, with the theme's caption (quotes doubled for the
# resource compiler) and the theme's files in place of the default's.
expected=$(sed -e 's|^CAPTION "Qorvan"$|CAPTION "Tide ""α"" \\\\ 潮汐"|' \
  -e "s|\"bitmaps/|\"$theme/bitmaps/|; s|\"icons/|\"$theme/icons/|" \
  -e "s|\"tessal.manifest\"|\"$source_dir/res/tessal.manifest\"|" "$source_dir/res/tessal.rc")
differences=$(diff <(printf '%s\n' "$expected") "$script") || fail "the script is not the committed one for the theme: $differences"

windres=$(command -v i686-w64-mingw32-windres) || fail "no i686-w64-mingw32-windres"
if [[ -n ${windres:-} ]]; then
  "$windres" --input-format rc --output-format res "$script" -o "$tree/tessal.res" 2>"$tree/windres.log" ||
    fail "windres cannot compile the script: $(cat "$tree/windres.log")"
  # The caption as the dialog template stores it, in UTF-16, and the plain
  # background's pixels.
  caption=$(printf '%s' "$title" | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 | tr -d ' \n')
  od -An -tx1 -v "$tree/tessal.res" | tr -d ' \n' >"$tree/res.hex"
  grep -q "$caption" "$tree/res.hex" || fail "the compiled resources do not hold the title"
  pixels=$(tail -c +55 "$theme/bitmaps/launcher_background.bmp" | head -c 3024 | od -An -tx1 -v | tr -d ' \n')
  grep -q "$pixels" "$tree/res.hex" || fail "the compiled resources do not hold the theme's background"
fi

if ((failures)); then
  exit 1
fi
echo "the Windows resource script names the theme's files and its title, and compiles"
