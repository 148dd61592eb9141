// SPDX-License-Identifier: GPL-3.0-or-later
// Invariant checks inside fuzz targets: a broken invariant aborts, and libFuzzer reports it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define KELVANE_FUZZ_CHECK(condition)                                                    \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)
