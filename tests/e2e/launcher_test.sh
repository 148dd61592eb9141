#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The launcher seeds each player's working folder without touching the player's files, then
# starts the game inside it. Usage: launcher_test.sh path/to/kelvane.sh.in
set -u
template=$1
root=$(mktemp -d "${TMPDIR:-/tmp}/kelvane-launcher-XXXXXX")
trap 'rm -rf "$root"' EXIT INT TERM
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

expect_file() {  # path expected-content
  if [ ! -f "$1" ]; then
    fail "$1 is missing"
  elif [ "$(cat "$1")" != "$2" ]; then
    fail "$1 holds '$(cat "$1")', expected '$2'"
  fi
}

# An installed tree: the shipped files and a stand-in game that records where it ran.
share=$root/share/kelvane
mkdir -p "$share/Puzzles" "$share/help"
echo shipped-cube >"$share/Puzzles/Cube.kvp"
echo shipped-stairs >"$share/Puzzles/Stairs with spaces.kvp"
echo manual >"$share/help/index.html"
echo chime >"$share/victory.wav"
echo link >"$share/orrinsoft.url"
game=$root/game
cat >"$game" <<'GAME'
#!/bin/sh
pwd >"$KELVANE_TEST_RECORD"
printf '%s\n' "$@" >>"$KELVANE_TEST_RECORD"
GAME
chmod +x "$game"
launcher=$root/kelvane
sed -e "s|@KELVANE_SHARE_DIR@|$share|" -e "s|@KELVANE_GAME@|$game|" "$template" >"$launcher"
chmod +x "$launcher"

run() {  # home [XDG_DATA_HOME]
  record=$root/record
  rm -f "$record"
  if [ $# -gt 1 ]; then
    HOME=$1 XDG_DATA_HOME=$2 KELVANE_TEST_RECORD=$record "$launcher" one "two words"
  else
    (unset XDG_DATA_HOME; HOME=$1 KELVANE_TEST_RECORD=$record "$launcher" one "two words")
  fi
}

# First run: everything shipped is copied in and the game starts inside the folder.
home=$root/home
mkdir -p "$home"
run "$home" || fail "first run ended with $?"
work=$home/.local/share/kelvane
expect_file "$work/Puzzles/Cube.kvp" shipped-cube
expect_file "$work/Puzzles/Stairs with spaces.kvp" shipped-stairs
expect_file "$work/help/index.html" manual
expect_file "$work/victory.wav" chime
expect_file "$work/orrinsoft.url" link
expect_file "$root/record" "$(printf '%s\none\ntwo words' "$work")"

# The player's files and edits stay; a new library file arrives; a deleted one stays deleted;
# the game's own files follow the upgrade unless the player changed them.
echo players-own >"$work/Puzzles/Mine.kvp"
echo my-chime >"$work/victory.wav"
echo new-chime >"$share/victory.wav"
echo edited >"$work/Puzzles/Cube.kvp"
echo settings >"$work/Kelvane.ini"
rm "$work/Puzzles/Stairs with spaces.kvp"
echo shipped-arch >"$share/Puzzles/Arch.kvp"
echo new-manual >"$share/help/index.html"
run "$home" || fail "second run ended with $?"
expect_file "$work/Puzzles/Mine.kvp" players-own
expect_file "$work/Puzzles/Cube.kvp" edited
expect_file "$work/Kelvane.ini" settings
expect_file "$work/Puzzles/Arch.kvp" shipped-arch
expect_file "$work/help/index.html" new-manual
expect_file "$work/victory.wav" my-chime
echo third-manual >"$share/help/index.html"
run "$home" || fail "third run ended with $?"
expect_file "$work/help/index.html" third-manual
[ -e "$work/Puzzles/Stairs with spaces.kvp" ] && fail "a puzzle the player deleted came back"

# XDG_DATA_HOME is honoured when absolute and ignored when relative.
run "$home" "$root/data" || fail "run with XDG_DATA_HOME ended with $?"
expect_file "$root/data/kelvane/Puzzles/Cube.kvp" shipped-cube
(cd "$root" && run "$root/home2" "relative/data") || fail "run with a relative XDG_DATA_HOME failed"
[ -e "$root/relative" ] && fail "a relative XDG_DATA_HOME was used"
expect_file "$root/home2/.local/share/kelvane/Puzzles/Cube.kvp" shipped-cube

# Help and version reach the game without making a working folder.
(unset XDG_DATA_HOME; HOME=$root/home3 KELVANE_TEST_RECORD=$root/record "$launcher" --version) ||
  fail "--version through the launcher failed"
[ -e "$root/home3" ] && fail "--version made a working folder"

# No working folder, no game: the launcher says why and fails.
echo not-a-folder >"$root/file"
if run "$root/file" 2>"$root/errors"; then
  fail "a home that is a file did not stop the launcher"
fi
grep -q "cannot create the working folder" "$root/errors" || fail "no message: $(cat "$root/errors")"
[ -e "$root/record" ] && fail "the game started without a working folder"

[ "$failures" -eq 0 ] && echo "launcher: all cases pass"
exit "$failures"
