// SPDX-License-Identifier: GPL-3.0-or-later
// Filling text templates, and their English wording.
#include "model/text_template.h"

namespace kelvane {

std::string FillTemplate(std::string_view text, const std::vector<std::string>& args,
                         std::optional<long> count) {
  std::string filled;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::string_view rest = text.substr(i);
    const bool counted = count.has_value() && (rest.starts_with("%n") || rest.starts_with("%Ln"));
    if (counted) {
      filled += std::to_string(*count);
      i += rest[1] == 'L' ? 2 : 1;
    } else if (rest.size() > 1 && rest[0] == '%' && rest[1] >= '1' && rest[1] <= '9' &&
               static_cast<std::size_t>(rest[1] - '1') < args.size()) {
      filled += args[static_cast<std::size_t>(rest[1] - '1')];
      ++i;
    } else {
      filled += text[i];
    }
  }
  return filled;
}

std::string Wording::WordTemplate(std::string_view source, const std::vector<std::string>& args,
                                  std::optional<long> count) const {
  const std::size_t ending = source.find("(s)");
  if (!count || ending == std::string_view::npos) {
    return FillTemplate(source, args, count);
  }
  const std::string english = std::string(source.substr(0, ending)) + (*count == 1 ? "" : "s") +
                              std::string(source.substr(ending + 3));
  return FillTemplate(english, args, count);
}

std::string Wording::WordNumber(unsigned long long n) const {
  std::string digits = std::to_string(n);
  for (std::size_t at = digits.size(); at > 3; at -= 3) {
    digits.insert(at - 3, 1, ',');
  }
  return digits;
}

const Wording& EnglishWording() {
  static const Wording english;
  return english;
}

}  // namespace kelvane
