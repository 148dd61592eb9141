// SPDX-License-Identifier: GPL-3.0-or-later
// Additive bell synthesis: each note is a few slightly inharmonic partials with their own
// exponential decays; the higher partials die first, which is what makes a struck bar sound soft.
#include "chime.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvane::chime {
namespace {

struct Partial {
  double ratio, level, decay;  // frequency ratio, relative level, decay time in seconds
};

constexpr Partial kBell[] = {
    {1.0, 1.0, 0.55}, {2.0, 0.32, 0.30}, {2.76, 0.16, 0.18}, {4.07, 0.07, 0.10}, {5.4, 0.03, 0.06},
};

struct Note {
  double start, frequency, level;
};

// C5, E5, G5, C6, then C6 and E6 together to close.
constexpr Note kNotes[] = {
    {0.00, 523.25, 0.80},  {0.13, 659.26, 0.80},  {0.26, 783.99, 0.85},
    {0.39, 1046.50, 0.95}, {0.39, 1318.51, 0.45},
};

constexpr double kLength = 1.7;    // seconds
constexpr double kAttack = 0.004;  // seconds, to avoid a click
constexpr double kFadeOut = 0.25;  // seconds at the end

}  // namespace

std::vector<std::int16_t> SynthesiseChime() {
  const int count = static_cast<int>(kLength * kSampleRate);
  std::vector<double> mix(count, 0.0);
  for (const Note& note : kNotes) {
    for (int i = static_cast<int>(note.start * kSampleRate); i < count; ++i) {
      const double t = static_cast<double>(i) / kSampleRate - note.start;
      const double attack = std::min(1.0, t / kAttack);
      double value = 0;
      for (const Partial& p : kBell) {
        value += p.level * std::exp(-t / p.decay) *
                 std::sin(2 * std::numbers::pi * note.frequency * p.ratio * t);
      }
      mix[i] += note.level * attack * value;
    }
  }
  for (int i = 0; i < count; ++i) {
    const double left = static_cast<double>(count - i) / kSampleRate;
    mix[i] *= std::min(1.0, left / kFadeOut);
  }
  double peak = 0;
  for (double v : mix) {
    peak = std::max(peak, std::abs(v));
  }
  const double gain = 0.7 * 32767 / peak;  // -3 dBFS
  std::vector<std::int16_t> samples(count);
  std::transform(mix.begin(), mix.end(), samples.begin(),
                 [gain](double v) { return static_cast<std::int16_t>(std::lround(v * gain)); });
  return samples;
}

}  // namespace kelvane::chime
