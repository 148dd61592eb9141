// SPDX-License-Identifier: GPL-3.0-or-later
// The help pages by map id, and the home page's address out of its shortcut file.
#include "storage/help_pages.h"

#include <algorithm>

#include "storage/ini_reader.h"
#include "storage/text_case.h"

namespace kelvane {

std::string_view HelpPageOf(int mapId) {
  switch (mapId) {
    case kHelpOptions:
      return "options.html";
    case kHelpTutorial:
      return "tutorial.html";
    default:
      return "index.html";
  }
}

std::optional<std::string> HomePageAddress(std::string_view shortcutText) {
  const std::optional<std::string_view> value =
      FindIniValue(shortcutText, "InternetShortcut", "URL");
  if (!value) {
    return std::nullopt;
  }
  for (const std::string_view scheme : {"http://", "https://"}) {
    if (value->size() > scheme.size() &&
        EqualsIgnoringCase(value->substr(0, scheme.size()), scheme)) {
      const std::string_view rest = value->substr(scheme.size());
      const bool hasHost = rest.find_first_of("/?#") != 0;
      const bool plain = std::ranges::none_of(
          *value, [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == '"'; });
      return hasHost && plain ? std::optional<std::string>(*value) : std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace kelvane
