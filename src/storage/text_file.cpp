// SPDX-License-Identifier: GPL-3.0-or-later
// Reading whole files and replacing them through a temporary file and a rename.
#include "storage/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
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

// The file a link finally names, so that the link itself stays a link; a loop of links stops
// after as many steps as the system allows.
fs::path FollowLinks(fs::path path) {
  constexpr int kMaxLinkSteps = 40;
  std::error_code error;
  for (int step = 0; step < kMaxLinkSteps && fs::is_symlink(path, error); ++step) {
    const fs::path target = fs::read_symlink(path, error);
    if (error) {
      break;
    }
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

// The permission bits the new file gets: those of the file it replaces, or for a new file what
// the user's umask leaves of read and write for all.
mode_t ModeFor(const fs::path& path) {
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) {
    return existing.st_mode & 07777;
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Creates a fresh hidden file beside `path` under a name nobody else uses, however many earlier
// temporary files lie there.
FileHandle CreateTemporaryBeside(const fs::path& path, fs::path& temporary) {
  std::string pattern = (path.parent_path() / ("." + path.filename().string() + ".XXXXXX" +
                                               std::string(kTemporarySuffix)))
                            .string();
  const int descriptor = ::mkstemps(pattern.data(), static_cast<int>(kTemporarySuffix.size()));
  if (descriptor < 0) {
    return nullptr;
  }
  temporary = pattern;
  FileHandle file{::fdopen(descriptor, "wb")};
  if (!file || ::fchmod(descriptor, ModeFor(path)) != 0) {
    if (!file) {
      ::close(descriptor);
    }
    std::error_code error;
    fs::remove(temporary, error);
    return nullptr;
  }
  return file;
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

FileWriteResult ReplaceFile(const fs::path& named, std::string_view text) {
  const fs::path path = FollowLinks(named);
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

void RemoveStaleTemporaries(const fs::path& folder) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    // ".NAME.TAG.tmp": hidden, a file's name, a tag, the suffix.
    const bool temporary = name.size() > 1 + kTemporarySuffix.size() && name.front() == '.' &&
                           name.ends_with(kTemporarySuffix) &&
                           name.find('.', 1) < name.size() - kTemporarySuffix.size();
    std::error_code ignored;
    if (temporary && entry.is_regular_file(ignored)) {
      fs::remove(entry.path(), ignored);
    }
  }
}

}  // namespace kelvane
