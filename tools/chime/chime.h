// SPDX-License-Identifier: GPL-3.0-or-later
// The victory chime: a rising major arpeggio of soft bell tones.
#pragma once

#include <cstdint>
#include <vector>

namespace kelvane::chime {

inline constexpr int kSampleRate = 44100;

// The chime as 16-bit mono samples at kSampleRate, shorter than two seconds, peaking near -3 dBFS.
std::vector<std::int16_t> SynthesiseChime();

}  // namespace kelvane::chime
