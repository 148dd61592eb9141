// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding UTF-8 into one byte per character.
#include "creation/single_byte_text.h"

#include "model/utf8_text.h"

namespace kelvane {
namespace {

constexpr char kUnheldCharacter = '?';

}  // namespace

std::string SingleByteText(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = Utf8SequenceLength(text, at);
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
