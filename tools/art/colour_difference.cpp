// SPDX-License-Identifier: GPL-3.0-or-later
// CIELAB conversion, the CIEDE2000 formula and the Machado (2009) dichromacy matrices.
#include "colour_difference.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

namespace kelvane::art {
namespace {

constexpr double kDegrees = 180 / std::numbers::pi;

double LabCurve(double t) {
  constexpr double d = 6.0 / 29;
  return t > d * d * d ? std::cbrt(t) : t / (3 * d * d) + 4.0 / 29;
}

// Rows of the linear-RGB matrices at severity 1.
constexpr double kMatrices[3][3][3] = {
    {{0.152286, 1.052583, -0.204868},
     {0.114503, 0.786281, 0.099216},
     {-0.003882, -0.048116, 1.051998}},
    {{0.367322, 0.860646, -0.227968},
     {0.280085, 0.672501, 0.047413},
     {-0.011820, 0.042940, 0.968881}},
    {{1.255528, -0.076749, -0.178779},
     {-0.078411, 0.930809, 0.147602},
     {0.004733, 0.691367, 0.303900}},
};

// Hue angle in degrees, 0..360.
double Hue(double a, double b) {
  if (a == 0 && b == 0) {
    return 0;
  }
  const double h = std::atan2(b, a) * kDegrees;
  return h < 0 ? h + 360 : h;
}

}  // namespace

double ToLinear(double v) {
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double ToEncoded(double v) {
  v = std::clamp(v, 0.0, 1.0);
  return v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
}

Lab ToLab(Rgb srgb) {
  const double r = ToLinear(srgb.x), g = ToLinear(srgb.y), b = ToLinear(srgb.z);
  const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
  const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
  const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
  const double fx = LabCurve(x), fy = LabCurve(y), fz = LabCurve(z);
  return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

Rgb FromLab(Lab lab, bool* fits) {
  const auto inverse = [](double f) {
    constexpr double d = 6.0 / 29;
    return f > d ? f * f * f : 3 * d * d * (f - 4.0 / 29);
  };
  const double fy = (lab.l + 16) / 116;
  const double x = 0.95047 * inverse(fy + lab.a / 500), y = inverse(fy);
  const double z = 1.08883 * inverse(fy - lab.b / 200);
  const double linear[3] = {3.2404542 * x - 1.5371385 * y - 0.4985314 * z,
                            -0.9692660 * x + 1.8760108 * y + 0.0415560 * z,
                            0.0556434 * x - 0.2040259 * y + 1.0572252 * z};
  if (fits != nullptr) {
    *fits = std::all_of(std::begin(linear), std::end(linear),
                        [](double v) { return v >= 0 && v <= 1; });
  }
  return {ToEncoded(linear[0]), ToEncoded(linear[1]), ToEncoded(linear[2])};
}

Rgb FromLch(double lightness, double chroma, double hueDegrees) {
  for (;; chroma *= 0.98) {
    bool fits = false;
    const Rgb rgb = FromLab({lightness, chroma * std::cos(hueDegrees / kDegrees),
                             chroma * std::sin(hueDegrees / kDegrees)},
                            &fits);
    if (fits || chroma < 0.5) {
      return rgb;
    }
  }
}

double DeltaE2000(Lab c1, Lab c2) {
  const double meanC = (std::hypot(c1.a, c1.b) + std::hypot(c2.a, c2.b)) / 2;
  const double c7 = std::pow(meanC, 7), k7 = std::pow(25.0, 7);
  const double g = 0.5 * (1 - std::sqrt(c7 / (c7 + k7)));
  const double a1 = (1 + g) * c1.a, a2 = (1 + g) * c2.a;
  const double cp1 = std::hypot(a1, c1.b), cp2 = std::hypot(a2, c2.b);
  const double h1 = Hue(a1, c1.b), h2 = Hue(a2, c2.b);

  double dh = 0;
  if (cp1 * cp2 != 0) {
    dh = h2 - h1;
    dh += dh > 180 ? -360 : dh < -180 ? 360 : 0;
  }
  const double dL = c2.l - c1.l, dC = cp2 - cp1;
  const double dH = 2 * std::sqrt(cp1 * cp2) * std::sin(dh / 2 / kDegrees);

  const double meanL = (c1.l + c2.l) / 2, meanCp = (cp1 + cp2) / 2;
  double meanH = h1 + h2;
  if (cp1 * cp2 != 0) {
    meanH = std::abs(h1 - h2) <= 180 ? meanH / 2
            : meanH < 360            ? (meanH + 360) / 2
                                     : (meanH - 360) / 2;
  }
  const auto cosd = [](double deg) { return std::cos(deg / kDegrees); };
  const double t = 1 - 0.17 * cosd(meanH - 30) + 0.24 * cosd(2 * meanH) +
                   0.32 * cosd(3 * meanH + 6) - 0.20 * cosd(4 * meanH - 63);
  const double l50 = (meanL - 50) * (meanL - 50);
  const double sL = 1 + 0.015 * l50 / std::sqrt(20 + l50);
  const double sC = 1 + 0.045 * meanCp, sH = 1 + 0.015 * meanCp * t;
  const double cp7 = std::pow(meanCp, 7);
  const double rotation = -2 * std::sqrt(cp7 / (cp7 + k7)) *
                          std::sin(2 * 30 * std::exp(-std::pow((meanH - 275) / 25, 2)) / kDegrees);
  const double l = dL / sL, c = dC / sC, h = dH / sH;
  return std::sqrt(l * l + c * c + h * h + rotation * c * h);
}

const char* VisionName(Vision vision) {
  switch (vision) {
    case Vision::kNormal:
      return "normal";
    case Vision::kProtanopia:
      return "protanopia";
    case Vision::kDeuteranopia:
      return "deuteranopia";
    case Vision::kTritanopia:
      return "tritanopia";
  }
  return "";
}

Rgb SimulateVision(Rgb srgb, Vision vision) {
  if (vision == Vision::kNormal) {
    return srgb;
  }
  const auto& m = kMatrices[static_cast<int>(vision) - 1];
  const double in[3] = {ToLinear(srgb.x), ToLinear(srgb.y), ToLinear(srgb.z)};
  double out[3];
  for (int row = 0; row < 3; ++row) {
    out[row] = ToEncoded(m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2]);
  }
  return {out[0], out[1], out[2]};
}

}  // namespace kelvane::art
