// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding UTF-8 into one byte per character.
#include "creation/single_byte_text.h"

namespace kelvane {
namespace {

constexpr char kUnheldCharacter = '?';

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// How many bytes a sequence starting with `lead` takes, or 0 when no valid sequence starts so.
std::size_t SequenceLength(unsigned char lead) {
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

std::string SingleByteText(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = SequenceLength(lead);
    for (std::size_t i = 1; i < length; ++i) {
      if (at + i >= text.size() || !IsContinuation(static_cast<unsigned char>(text[at + i]))) {
        length = 0;
        break;
      }
    }
    if (length == 0) {
      // A stray byte stands for one character of its own.
      bytes += kUnheldCharacter;
      ++at;
      continue;
    }
    // Only one- and two-byte sequences can hold a Latin-1 character (two-byte ones start at
    // U+0080), so every longer sequence is a character Latin-1 lacks.
    if (length == 1) {
      bytes += static_cast<char>(lead);
    } else if (length == 2 && lead <= 0xC3) {
      bytes += static_cast<char>(((lead & 0x1F) << 6) | (text[at + 1] & 0x3F));
    } else {
      bytes += kUnheldCharacter;
    }
    at += length;
  }
  return bytes;
}

}  // namespace kelvane
