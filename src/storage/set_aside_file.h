// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the game's own state files so that one it cannot use is kept, never overwritten.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "storage/text_file.h"

namespace kelvane {

// Renames `path` to the same name with ".bad" added, replacing an older one; false on failure.
bool SetFileAside(const std::filesystem::path& path);

// The file's content as `parse` makes it (a function from the text to an optional value).
// Nothing when the file is missing; a file that is there but does not read or parse is set aside,
// so that the next write cannot destroy it.
template <typename Parse>
auto LoadOrSetAside(const std::filesystem::path& path, Parse parse)
    -> decltype(parse(std::string_view{})) {
  std::error_code error;
  if (!std::filesystem::exists(std::filesystem::symlink_status(path, error)) && !error) {
    return std::nullopt;
  }
  const std::optional<std::string> text = ReadTextFile(path);
  auto parsed = text ? parse(std::string_view(*text)) : std::nullopt;
  if (!parsed) {
    SetFileAside(path);
  }
  return parsed;
}

}  // namespace kelvane
