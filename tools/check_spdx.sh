#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming them, when source files lack the licence line in their first three lines.
cd "$(dirname "$0")/.." || exit 2
missing=$(git ls-files '*.cpp' '*.h' '*.cmake' '*.sh' '*CMakeLists.txt' Makefile .ci/run \
    packaging/kelvane.sh.in |
  while read -r f; do
    head -n 3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"
  done)
[ -z "$missing" ] && exit 0
echo "missing SPDX-License-Identifier line:"
echo "$missing"
exit 1
