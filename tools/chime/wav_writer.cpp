// SPDX-License-Identifier: GPL-3.0-or-later
// The canonical 44-byte WAVE header followed by little-endian samples.
#include "wav_writer.h"

#include <fstream>

namespace kelvane::chime {
namespace {

void Put(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
  }
}

}  // namespace

bool WriteWav(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate) {
  std::ofstream out(path, std::ios::binary);
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  out.write("RIFF", 4);
  Put(out, 36 + dataBytes, 4);
  out.write("WAVEfmt ", 8);
  Put(out, 16, 4);  // format chunk size
  Put(out, 1, 2);   // PCM
  Put(out, 1, 2);   // mono
  Put(out, static_cast<std::uint32_t>(sampleRate), 4);
  Put(out, static_cast<std::uint32_t>(sampleRate * 2), 4);  // bytes per second
  Put(out, 2, 2);                                           // block align
  Put(out, 16, 2);                                          // bits per sample
  out.write("data", 4);
  Put(out, dataBytes, 4);
  for (std::int16_t s : samples) {
    Put(out, static_cast<std::uint16_t>(s), 2);
  }
  return static_cast<bool>(out);
}

}  // namespace kelvane::chime
