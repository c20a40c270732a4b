#!/usr/bin/env bash
# Unpacks the Debian package into a temporary root (dpkg -x) and checks what
# a player gets: the program in /usr/bin carrying the start page, the icon
# in the hicolor theme at the sizes its PNG headers give, a menu entry that
# desktop-file-validate accepts, and the control fields.
#   check_installed_package.sh DEB NAME START_PAGE TITLE TESSAL_PACK PACKED_PROGRAM
set -uo pipefail

deb=$1 name=$2 start_page=$3 title=$4 tessal_pack=$5 packed_program=$6
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

if [[ ! -f $deb ]]; then
  echo "FAIL: no package at $deb: make it first (cpack, or the package target)"
  exit 1
fi
if [[ $packed_program -nt $deb ]]; then
  echo "FAIL: $deb is older than the program it should hold: make the package again"
  exit 1
fi

root=$(mktemp -d "${TMPDIR:-/tmp}/tessal-package-XXXXXX")
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root" || { echo "FAIL: dpkg -x cannot unpack $deb"; exit 1; }

# The value of KEY in the [Desktop Entry] group of FILE, unescaped.
entry_value() {
  awk -v key="$1" '
    /^\[/ { in_group = ($0 == "[Desktop Entry]"); next }
    in_group && index($0, key "=") == 1 {
      raw = substr($0, length(key) + 2); value = ""
      for (i = 1; i <= length(raw); i++) {
        c = substr(raw, i, 1)
        if (c == "\\" && i < length(raw)) {
          e = substr(raw, ++i, 1)
          c = e == "s" ? " " : e == "n" ? "\n" : e == "t" ? "\t" : e == "r" ? "\r" : e == "\\" ? "\\" : "\\" e
        }
        value = value c
      }
      print value; found = 1; exit
    }
    END { exit !found }' "$2"
}

# The program.
program=$root/usr/bin/$name
if [[ ! -f $program || ! -x $program ]]; then
  fail "/usr/bin/$name is not an executable file"
else
  [[ $(head -c 4 "$program" | od -An -c | tr -d ' ') == '177ELF' ]] || fail "/usr/bin/$name is not an ELF program"
  record=$("$tessal_pack" read "$program" 2>&1)
  [[ $record == "record: $start_page" ]] || fail "/usr/bin/$name carries \"$record\", not the start page $start_page"
fi

# The icon: at least one picture, each PNG as large as its folder says.
mapfile -t icons < <(cd "$root" && find usr/share/icons -name "$name.png" | sort)
((${#icons[@]})) || fail "no icon usr/share/icons/hicolor/<W>x<H>/apps/$name.png"
for icon in "${icons[@]}"; do
  if [[ ! $icon =~ ^usr/share/icons/hicolor/([0-9]+)x([0-9]+)/apps/(.*)$ || ${BASH_REMATCH[3]} != "$name.png" ]]; then
    fail "$icon is not in a hicolor size folder"
    continue
  fi
  want="${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
  signature=$(od -An -tx1 -N16 "$root/$icon" | tr -d ' \n')
  [[ $signature == 89504e470d0a1a0a0000000d49484452 ]] || fail "$icon does not start as a PNG with its IHDR"
  read -r width height < <(od -An -tu1 -j16 -N8 "$root/$icon" |
    awk '{ printf "%d %d\n", (($1*256+$2)*256+$3)*256+$4, (($5*256+$6)*256+$7)*256+$8 }')
  [[ "$width $height" == "$want" ]] || fail "$icon is ${width}x$height, not as its folder says"
done

# The menu entry.
entry=$root/usr/share/applications/$name.desktop
if [[ ! -f $entry ]]; then
  fail "no menu entry usr/share/applications/$name.desktop"
else
  window_class=${name^}
  while IFS='|' read -r key want; do
    [[ $key == Name ]] && want=$title
    got=$(entry_value "$key" "$entry") || { fail "the menu entry has no $key"; continue; }
    [[ $got == "$want" ]] || fail "the menu entry's $key is \"$got\", not \"$want\""
  done <<EOF
Type|Application
Name|
Exec|$name
Icon|$name
Terminal|false
Categories|Game;
StartupWMClass|$window_class
EOF
  if ! report=$(desktop-file-validate "$entry" 2>&1); then
    fail "desktop-file-validate refuses the menu entry: $report"
  elif grep -q -e "error:" -e "warning:" <<<"$report"; then
    fail "desktop-file-validate warns about the menu entry: $report"
  fi
fi

# The control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == "$name" ]] || fail "Package is \"$(field Package)\", not $name"
[[ $(field Section) == games ]] || fail "Section is \"$(field Section)\", not games"
[[ $(field Architecture) == "$(dpkg --print-architecture)" ]] || fail "Architecture is \"$(field Architecture)\""
[[ -n $(field Maintainer) ]] || fail "no Maintainer"
[[ -n $(field Description) ]] || fail "no Description"
# Depends as package names, without versions or alternatives' bars.
depends=" $(field Depends | sed -E 's/\([^)]*\)//g; s/[,|]/ /g' | tr -s ' ') "
# libc6 comes from dpkg-shlibdeps (the program links it), the others are
# named by hand: WebKitGTK is loaded at run time, the fonts are looked up.
for package in libc6 libgtk-3-0 libwebkit2gtk-4.1-0 fonts-dejavu-core fonts-wqy-microhei; do
  [[ $depends == *" $package "* ]] || fail "Depends does not name $package: $(field Depends)"
done

if ((failures)); then
  echo "$failures checks of $deb failed"
  exit 1
fi
echo "$deb: /usr/bin/$name with $start_page, ${#icons[@]} icon(s), a valid menu entry, the dependencies"
