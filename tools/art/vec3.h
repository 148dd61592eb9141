// SPDX-License-Identifier: GPL-3.0-or-later
// Small 3-vector used for directions, points on a cube and RGB colours (0..1 per channel).
#pragma once

#include <algorithm>
#include <cmath>

namespace kelvane::art {

struct Vec3 {
  double x = 0, y = 0, z = 0;
};
using Rgb = Vec3;

inline Vec3 operator+(Vec3 a, Vec3 b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, double k) {
  return {a.x * k, a.y * k, a.z * k};
}
inline Vec3 operator*(Vec3 a, Vec3 b) {
  return {a.x * b.x, a.y * b.y, a.z * b.z};
}
inline double Dot(Vec3 a, Vec3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 Normalize(Vec3 a) {
  return a * (1.0 / std::sqrt(Dot(a, a)));
}
inline Vec3 Mix(Vec3 a, Vec3 b, double t) {
  return a + (b - a) * t;
}
inline double Smoothstep(double e0, double e1, double v) {
  const double t = std::clamp((v - e0) / (e1 - e0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}
inline Rgb FromBytes(int r, int g, int b) {
  return {r / 255.0, g / 255.0, b / 255.0};
}
inline double Luma(Rgb c) {
  return 0.299 * c.x + 0.587 * c.y + 0.114 * c.z;
}

}  // namespace kelvane::art
