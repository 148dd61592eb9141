#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Test lines against code lines (non-blank lines of .cpp and .h, and of the web page's .js, .html,
# .css and the browser test's .py): tests under tests/, code under src/, tools/ and bench/. Prints the ratio and fails above LIMIT per cent (40 unless given).
cd "$(dirname "$0")/.." || exit 1
limit=${1:-40}
count() {
  find "$@" \( -name '*.cpp' -o -name '*.h' -o -name '*.js' -o -name '*.html' -o -name '*.css' \
    -o -name '*.py' \) -exec cat {} + | grep -cv '^[[:space:]]*$'
}
tests=$(count tests)
code=$(count src tools bench)
echo "$tests $code $limit" | awk '{
  printf "test lines: %d against %d code lines = %.1f %% (at most %d %%)\n", $1, $2, 100 * $1 / $2, $3
  exit (100 * $1 > $3 * $2)
}'
