// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the player reads, handed to the shell as English templates and their arguments, so
// that a shell can word them in the player's language while the core stays free of any toolkit.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Marks an English text the player reads; the build lists every marked text of the core for the
// translators. PLAYER_COUNTED marks a template worded by a count ("%n move(s)").
#define PLAYER_TEXT(text) text
#define PLAYER_COUNTED(text) text

namespace kelvane {

// `text` with "%1" … "%9" replaced by `args` and "%n" (or "%Ln") by `count`, in one pass: what an
// argument brings in is never replaced again. A marker without its value stays as it is.
std::string FillTemplate(std::string_view text, const std::vector<std::string>& args,
                         std::optional<long> count = std::nullopt);

// Words a template for the player. The English wording fills the template as it reads, a "(s)"
// becoming the plural's ending of `count`; a shell overrides it with its translations.
class Wording {
 public:
  virtual ~Wording() = default;

  std::string Word(std::string_view source, const std::vector<std::string>& args = {},
                   std::optional<long> count = std::nullopt) const {
    return WordTemplate(source, args, count);
  }

  // A count as the player's language writes it; the English wording groups thousands with commas.
  std::string Number(unsigned long long n) const { return WordNumber(n); }

 protected:
  virtual std::string WordTemplate(std::string_view source, const std::vector<std::string>& args,
                                   std::optional<long> count) const;
  virtual std::string WordNumber(unsigned long long n) const;
};

// The templates' own English, for callers without a shell.
const Wording& EnglishWording();

}  // namespace kelvane
