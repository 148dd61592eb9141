// SPDX-License-Identifier: GPL-3.0-or-later
// Setting an unusable state file aside.
#include "storage/set_aside_file.h"

namespace kelvane {

bool SetFileAside(const std::filesystem::path& path) {
  std::filesystem::path aside = path;
  aside += ".bad";
  std::error_code error;
  std::filesystem::rename(path, aside, error);
  return !error;
}

}  // namespace kelvane
