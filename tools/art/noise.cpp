// SPDX-License-Identifier: GPL-3.0-or-later
// Value noise on the integer lattice, hashed, with smooth interpolation.
#include "noise.h"

#include <cstdint>

namespace kelvane::art {
namespace {

double LatticeValue(std::int64_t x, std::int64_t y, std::int64_t z) {
  std::uint64_t h = static_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15ull ^
                    static_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4Full ^
                    static_cast<std::uint64_t>(z) * 0x165667B19E3779F9ull;
  h ^= h >> 31;
  h *= 0xBF58476D1CE4E5B9ull;
  h ^= h >> 29;
  return static_cast<double>(h >> 11) / static_cast<double>(1ull << 53);
}

double Fade(double t) {
  return t * t * t * (t * (t * 6 - 15) + 10);
}

}  // namespace

double ValueNoise(Vec3 p) {
  const double fx = std::floor(p.x), fy = std::floor(p.y), fz = std::floor(p.z);
  const auto ix = static_cast<std::int64_t>(fx), iy = static_cast<std::int64_t>(fy),
             iz = static_cast<std::int64_t>(fz);
  const double tx = Fade(p.x - fx), ty = Fade(p.y - fy), tz = Fade(p.z - fz);
  double layer[2];
  for (int dz = 0; dz < 2; ++dz) {
    const double row0 = LatticeValue(ix, iy, iz + dz) +
                        (LatticeValue(ix + 1, iy, iz + dz) - LatticeValue(ix, iy, iz + dz)) * tx;
    const double row1 =
        LatticeValue(ix, iy + 1, iz + dz) +
        (LatticeValue(ix + 1, iy + 1, iz + dz) - LatticeValue(ix, iy + 1, iz + dz)) * tx;
    layer[dz] = row0 + (row1 - row0) * ty;
  }
  return layer[0] + (layer[1] - layer[0]) * tz;
}

double FractalNoise(Vec3 p, int octaves) {
  double sum = 0, weight = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += ValueNoise(p) * weight;
    total += weight;
    weight *= 0.5;
    p = p * 2.0 + Vec3{17.3, 5.1, 11.7};
  }
  return sum / total;
}

}  // namespace kelvane::art
