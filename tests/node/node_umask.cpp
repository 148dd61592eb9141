// SPDX-License-Identifier: GPL-3.0-or-later
// This libc starts with a umask that takes every permission away, so a file the tests write could
// not be written again; the page sets the same umask when it starts.
#include <sys/stat.h>

namespace {
[[maybe_unused]] const mode_t kPlayerUmask = ::umask(022);
}  // namespace
