// SPDX-License-Identifier: GPL-3.0-or-later
// The thin file layer under the storage formats: read a whole text, replace a file safely.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

// Files larger than this are not game files; reading refuses them rather than filling memory.
inline constexpr std::uintmax_t kMaxTextFileSize = 1 << 20;

// The bytes of a regular file, or nothing when it is missing, unreadable or too large.
std::optional<std::string> ReadTextFile(const std::filesystem::path& path);

enum class FileWriteResult {
  Written,
  NotCreated,  // the file could not be created or opened for writing
  NotWritten,  // the text could not be written whole
};

// How the temporary files of ReplaceFile end: ".NAME.TAG.tmp" beside the file NAME.
inline constexpr std::string_view kTemporarySuffix = ".tmp";

// Writes `text` to a temporary file beside `path`, syncs it to disk and renames it over `path`,
// so that a failed write or a crash leaves the earlier file or the new one, whole. A read-only or
// non-regular target is not replaced. A link is followed and its target replaced; the new file
// keeps the permission bits of the one it replaces. The temporary file never outlives a failure.
FileWriteResult ReplaceFile(const std::filesystem::path& path, std::string_view text);

// Removes the temporary files that a crash during ReplaceFile left in `folder`.
void RemoveStaleTemporaries(const std::filesystem::path& folder);

}  // namespace kelvane
