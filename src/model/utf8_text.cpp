// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8 sequences and the Latin-1 reading of names that are not UTF-8.
#include "model/utf8_text.h"

namespace kelvane {
namespace {

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// How many bytes a sequence starting with `lead` takes, or 0 when no valid sequence starts so.
std::size_t LengthAfterLead(unsigned char lead) {
  if (lead < 0x80) {
    return 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    return 2;
  }
  if (lead >= 0xE0 && lead <= 0xEF) {
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    return 4;
  }
  return 0;
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
  const std::size_t length = LengthAfterLead(static_cast<unsigned char>(text[at]));
  for (std::size_t i = 1; i < length; ++i) {
    if (at + i >= text.size() || !IsContinuation(static_cast<unsigned char>(text[at + i]))) {
      return 0;
    }
  }
  return length;
}

std::string ReadableName(std::string_view name) {
  std::size_t at = 0;
  while (at < name.size()) {
    const std::size_t length = Utf8SequenceLength(name, at);
    if (length == 0) {
      break;
    }
    at += length;
  }
  if (at == name.size()) {
    return std::string(name);
  }
  std::string text;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

}  // namespace kelvane
