// SPDX-License-Identifier: GPL-3.0-or-later
// Writing 16-bit mono PCM as a RIFF WAVE file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelvane::chime {

// Writes `samples` at `sampleRate` to `path`; false if the file cannot be written.
bool WriteWav(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace kelvane::chime
