// SPDX-License-Identifier: GPL-3.0-or-later
// Files as bytes, for tests that check what was left on the disk.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>

namespace kelvane::testing {

// Empty when unreadable.
inline std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Makes the folders on the way.
inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  if (path.has_parent_path()) {
    std::filesystem::create_directories(path.parent_path());
  }
  std::ofstream(path, std::ios::binary) << bytes;
}

// Everything under `folder` by relative path: files with their bytes, folders as "name/", and
// anything else (pipes, links) as "name*"; so a leftover temporary file or a changed obstacle
// shows when two contents are compared.
inline std::map<std::string, std::string> FolderContent(const std::filesystem::path& folder) {
  std::map<std::string, std::string> content;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string name = entry.path().lexically_relative(folder).string();
    if (entry.is_symlink() || !(entry.is_regular_file() || entry.is_directory())) {
      content[name + "*"] = "";
    } else if (entry.is_directory()) {
      content[name + "/"] = "";
    } else {
      content[name] = FileBytes(entry.path());
    }
  }
  return content;
}

// The names that differ between two folder contents, for failure messages.
inline std::string ChangedFiles(const std::map<std::string, std::string>& before,
                                const std::map<std::string, std::string>& after) {
  std::string names;
  for (const auto& [name, bytes] : before) {
    if (!after.contains(name) || after.at(name) != bytes) {
      names += name + " ";
    }
  }
  for (const auto& [name, bytes] : after) {
    if (!before.contains(name)) {
      names += name + " ";
    }
  }
  return names;
}

}  // namespace kelvane::testing
