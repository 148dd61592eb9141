// SPDX-License-Identifier: GPL-3.0-or-later
// Reading whole files and replacing them through a temporary file and a rename.
#include "storage/text_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

namespace kelvane {
namespace {

namespace fs = std::filesystem;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

bool TargetIsReplaceable(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (!fs::exists(status)) {
    return true;
  }
  return fs::is_regular_file(status) &&
         (status.permissions() & fs::perms::owner_write) != fs::perms::none;
}

// Creates a fresh hidden file beside `path`; never opens one that already exists.
FileHandle CreateTemporaryBeside(const fs::path& path, fs::path& temporary) {
  const fs::path folder = path.parent_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = folder / ("." + path.filename().string() + "." + std::to_string(attempt) + ".tmp");
    if (FileHandle file{std::fopen(temporary.c_str(), "wbx")}) {
      return file;
    }
  }
  return nullptr;
}

// Asks the system to put the file's bytes on the disk itself, so that a power cut after the
// rename cannot leave the new name on an empty or short file.
bool SyncToDisk(std::FILE* file) {
  return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
}

// Makes the rename itself durable. A folder that cannot be synced (some file systems refuse)
// changes nothing: the file is already whole under one name or the other.
void SyncFolder(const fs::path& folder) {
  const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (descriptor >= 0) {
    ::fsync(descriptor);
    ::close(descriptor);
  }
}

}  // namespace

std::optional<std::string> ReadTextFile(const fs::path& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error) || fs::file_size(path, error) > kMaxTextFileSize || error) {
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) {
    return std::nullopt;
  }
  return text;
}

FileWriteResult ReplaceFile(const fs::path& path, std::string_view text) {
  if (!TargetIsReplaceable(path)) {
    return FileWriteResult::NotCreated;
  }
  fs::path temporary;
  FileHandle file = CreateTemporaryBeside(path, temporary);
  if (!file) {
    return FileWriteResult::NotCreated;
  }
  const bool written =
      std::fwrite(text.data(), 1, text.size(), file.get()) == text.size() && SyncToDisk(file.get());
  const bool closed = std::fclose(file.release()) == 0;
  std::error_code error;
  if (written && closed) {
    fs::rename(temporary, path, error);
    if (!error) {
      SyncFolder(path.parent_path());
      return FileWriteResult::Written;
    }
  }
  fs::remove(temporary, error);
  return FileWriteResult::NotWritten;
}

}  // namespace kelvane
