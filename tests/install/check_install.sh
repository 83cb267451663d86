#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what lands there: the
# desktop entry and the AppStream metadata with the desktop's own validators,
# and that the entry, the metadata, the icons, the program and its shipped data
# find each other as a desktop would look for them.
# Usage: check_install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$1"
src="$2"
dest="$(mktemp -d)"
trap 'rm -rf "$dest"' EXIT
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

DESTDIR="$dest" cmake --install "$build" >/dev/null
prefix="$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
root="$dest$prefix"

# The desktop entry and the metadata, validated and naming each other.
desktops=("$root"/share/applications/*.desktop)
[ ${#desktops[@]} -eq 1 ] && [ -f "${desktops[0]}" ] || fail "not one desktop entry: ${desktops[*]}"
desktop="${desktops[0]}"
id="$(basename "$desktop" .desktop)"
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
metainfo="$root/share/metainfo/$id.metainfo.xml"
# validate-tree validates the metadata as "validate" does, and checks that the
# desktop entry it launches is installed beside it.
appstreamcli validate-tree --no-net "$root" >/dev/null ||
  { appstreamcli validate-tree --no-net "$root"; fail "appstreamcli validate-tree $root"; }
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata does not carry release $version"

key() { sed -n "s/^$1=//p" "$desktop" | head -n1; }
exe="$(key Exec | cut -d' ' -f1)"
[ -x "$root/bin/$exe" ] || fail "Exec=$exe is not an installed program"

# The icon the entry names, in every size it is drawn at: a PNG whose size is
# not its folder's is scaled again by the desktop, and blurred.
icon="$(key Icon)"
[ -f "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon"
for size in 16 22 24 32 48 64 128 256; do
  png="$root/share/icons/hicolor/${size}x${size}/apps/$icon.png"
  if [ ! -f "$png" ]; then
    fail "no ${size}x${size} icon"
    continue
  fi
  # The PNG header: width and height, big-endian, from byte 16.
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "${size}x${size} icon is ${w}x${h}"
done

# The program finds the shipped forum index where the build told it to look.
rel="$(sed -n 's/^#define SLV_SHARED_DATA_FROM_BINDIR "\(.*\)"$/\1/p' "$build/generated/slv_defaults.h")"
cmp -s "$root/bin/$rel/Allforums.svl" "$src/data/Allforums.svl" ||
  fail "bin/$rel/Allforums.svl is not the shipped forum index"

# The Italian dictionary, when the build made one, is where the program looks.
if [ -f "$build/qtwebengine_dictionaries/it_IT.bdic" ]; then
  cmp -s "$root/bin/$rel/qtwebengine_dictionaries/it_IT.bdic" "$build/qtwebengine_dictionaries/it_IT.bdic" ||
    fail "bin/$rel/qtwebengine_dictionaries/it_IT.bdic is not the build's dictionary"
fi

# The manual page reads without a formatter warning.
page="$root/share/man/man1/$exe.1.gz"
if [ ! -f "$page" ]; then
  fail "no manual page"
elif command -v man >/dev/null; then
  warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || fail "manual page: $warnings"
fi

[ $status -eq 0 ] && echo "install: $id installed and valid"
exit $status
