// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting a record file into its entry lines.
#include "storage/record_lines.h"

namespace kelvane {

std::optional<std::vector<std::string_view>> RecordLines(std::string_view text,
                                                         std::string_view header) {
  std::vector<std::string_view> lines;
  bool first = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (line.ends_with('\r')) {
      line.remove_suffix(1);
    }
    if (first) {
      if (line != header) {
        return std::nullopt;
      }
      first = false;
    } else if (!line.empty()) {
      lines.push_back(line);
    }
  }
  if (first) {
    return std::nullopt;
  }
  return lines;
}

}  // namespace kelvane
