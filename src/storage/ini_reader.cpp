// SPDX-License-Identifier: GPL-3.0-or-later
// A small INI reader: case-blind names, first section and first key win, spaces ignored.
#include "storage/ini_reader.h"

#include "storage/text_case.h"

namespace kelvane {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) {
    s.remove_prefix(1);
  }
  while (!s.empty() && IsBlank(s.back())) {
    s.remove_suffix(1);
  }
  return s;
}

// The name of a section line ("[name]"), or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  if (line.empty() || line.front() != '[') {
    return std::nullopt;
  }
  const std::size_t close = line.rfind(']');
  if (close == std::string_view::npos || close == 0) {
    return std::nullopt;
  }
  return line.substr(1, close - 1);
}

}  // namespace

namespace {

// Calls `visit(key, value)` for each key line of the first `section` until it returns true.
template <typename Visit>
void WalkIniSection(std::string_view text, std::string_view section, Visit visit) {
  // Editors on other systems often start a UTF-8 file with a byte-order mark.
  if (text.starts_with("\xEF\xBB\xBF")) {
    text.remove_prefix(3);
  }
  bool inSection = false;
  bool sectionSeen = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

    if (const auto name = SectionName(line)) {
      if (sectionSeen) {
        // Later sections of the same name are ignored, so the search ends here.
        return;
      }
      inSection = EqualsIgnoringCase(*name, section);
      sectionSeen = inSection;
      continue;
    }
    const std::size_t equals = line.find('=');
    if (inSection && equals != std::string_view::npos &&
        visit(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)))) {
      return;
    }
  }
}

}  // namespace

std::optional<std::string_view> FindIniValue(std::string_view text, std::string_view section,
                                             std::string_view key) {
  std::optional<std::string_view> found;
  WalkIniSection(text, section, [&](std::string_view name, std::string_view value) {
    if (EqualsIgnoringCase(name, key)) {
      found = value;
    }
    return found.has_value();
  });
  return found;
}

std::vector<std::string_view> IniSectionKeys(std::string_view text, std::string_view section) {
  std::vector<std::string_view> keys;
  WalkIniSection(text, section, [&](std::string_view name, std::string_view) {
    keys.push_back(name);
    return false;
  });
  return keys;
}

std::int32_t ReadIniInt(std::string_view text, std::string_view section, std::string_view key,
                        std::int32_t fallback) {
  const auto value = FindIniValue(text, section, key);
  if (!value || value->empty()) {
    return fallback;
  }
  std::string_view digits = *value;
  const bool negative = digits.front() == '-';
  if (negative || digits.front() == '+') {
    digits.remove_prefix(1);
  }
  // Unsigned arithmetic wraps like the platform's reader instead of overflowing.
  std::uint32_t number = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') {
      break;
    }
    number = number * 10u + static_cast<std::uint32_t>(c - '0');
  }
  if (negative) {
    number = 0u - number;
  }
  return static_cast<std::int32_t>(number);
}

std::string ReadIniString(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view fallback, std::size_t bufferSize) {
  const std::string_view value = FindIniValue(text, section, key).value_or(fallback);
  const std::size_t room = bufferSize == 0 ? 0 : bufferSize - 1;
  return std::string(value.substr(0, room));
}

}  // namespace kelvane
