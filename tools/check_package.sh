#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what `make install` and `make package` produce as a distribution's reviewer would:
# the desktop entry, the AppStream metainfo, the manual pages and lintian on the .deb.
# Usage: check_package.sh BUILD_DIR (after `make package`). Fails on any error or warning.
set -u
build=$1
stage=$(mktemp -d "${TMPDIR:-/tmp}/kelvane-install-XXXXXX")
trap 'rm -rf "$stage"' EXIT INT TERM
failures=0

check() {  # what command...
  what=$1
  shift
  if out=$("$@" 2>&1); then
    echo "ok: $what"
  else
    printf 'FAIL: %s\n%s\n' "$what" "$out" >&2
    failures=$((failures + 1))
  fi
}

# man prints groff's warnings on standard error and still succeeds, so the errors are the test.
man_page_is_clean() {
  warnings=$(MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "$warnings"; return 1; }
  lexgrog "$1" >/dev/null
}

# lintian exits 0 on warnings, so its tags are read instead; overrides are shown as "O:".
lintian_is_clean() {
  tags=$(lintian --fail-on none "$1" 2>&1)
  echo "$tags"
  ! printf '%s\n' "$tags" | grep -q '^[EW]:'
}

cmake --install "$build" --prefix "$stage/usr" >/dev/null || exit 1
check "desktop entry" desktop-file-validate "$stage/usr/share/applications/kelvane.desktop"
for metainfo in "$stage"/usr/share/metainfo/*.metainfo.xml; do
  check "$(basename "$metainfo")" appstreamcli validate --no-net --pedantic "$metainfo"
done
for page in "$stage"/usr/share/man/man6/*.6.gz; do
  check "$(basename "$page")" man_page_is_clean "$page"
done
for deb in "$build"/kelvane_*.deb; do
  check "lintian $(basename "$deb")" lintian_is_clean "$deb"
done
exit "$failures"
