// SPDX-License-Identifier: GPL-3.0-or-later
// Each skin's palette, surface pattern and lighting. All skins share one light setting: a key light
// from above and front-left, so the top face is the lightest and the right face the darkest.
#include "skins.h"

#include <cmath>
#include <numbers>

#include "colour_difference.h"
#include "noise.h"

namespace kelvane::art {
namespace {

const Rgb kWhite{1, 1, 1};
const Vec3 kKeyLight = Normalize({0.25, 0.55, 1.0});
const Vec3 kViewer = Normalize({1, 1, 1.263});
// A lamp above and behind the cube whose reflection lands on the top face's upper-left part.
const Vec3 kLamp{-0.34, -0.09, 1.8};

struct Lighting {
  double ambient, diffuse, specular, shininess;
};

Rgb Lit(Rgb pigment, Vec3 normal, Vec3 position, const Lighting& light) {
  const double diffuse = std::max(0.0, Dot(normal, kKeyLight));
  const Vec3 half = Normalize(Normalize(kLamp - position) + kViewer);
  const double specular = std::pow(std::max(0.0, Dot(normal, half)), light.shininess);
  return pigment * (light.ambient + light.diffuse * diffuse) + kWhite * (light.specular * specular);
}

// Normal of an edge rounded with a quarter circle whose visible part on this face is `zone` wide;
// at the edge it is halfway to the neighbouring face's normal.
Vec3 RoundedNormal(const SurfacePoint& p, double zone) {
  auto tilt = [zone](double d) {
    if (d >= zone) {
      return 0.0;
    }
    return std::tan(std::asin(std::numbers::sqrt2 / 2 * (1 - d / zone)));
  };
  return Normalize(p.normal + p.axisU * (tilt(1 - p.u) - tilt(p.u)) +
                   p.axisV * (tilt(1 - p.v) - tilt(p.v)));
}

// Normal of a face that bulges like a cushion: nearly flat in the middle, curving ever more
// steeply towards its edges, where it tilts by up to `bulge`.
Vec3 CushionNormal(const SurfacePoint& p, double bulge) {
  const auto tilt = [bulge](double t) { return bulge * std::pow(2 * t - 1, 3); };
  return Normalize(p.normal + p.axisU * tilt(p.u) + p.axisV * tilt(p.v));
}

// Normal of a face cut into a low four-sided pyramid with a 45-degree chamfer along each edge.
Vec3 FacetedNormal(const SurfacePoint& p, double chamfer, double slope) {
  const double distances[4] = {p.u, 1 - p.u, p.v, 1 - p.v};
  const Vec3 outwards[4] = {p.axisU * -1.0, p.axisU, p.axisV * -1.0, p.axisV};
  int nearest = 0;
  for (int i = 1; i < 4; ++i) {
    if (distances[i] < distances[nearest]) {
      nearest = i;
    }
  }
  const double k = distances[nearest] < chamfer ? 1.0 : slope;
  return Normalize(p.normal + outwards[nearest] * k);
}

// The checkers copy is the same colour a few steps lighter, with its hue and chroma kept, so it
// never reads as a paler, second piece.
Rgb Lighten(Rgb c, bool lighter) {
  if (!lighter) {
    return c;
  }
  Lab lab =
      ToLab({std::clamp(c.x, 0.0, 1.0), std::clamp(c.y, 0.0, 1.0), std::clamp(c.z, 0.0, 1.0)});
  lab.l = std::min(100.0, lab.l + 7);
  return FromLab(lab);
}

// Oak: growth rings around an axis along x, so the top and left faces show long grain and the
// right face the end grain. Each colour index cuts the log at a different place.
Rgb OakPigment(int colourIndex, Rgb stain, Vec3 p) {
  const Vec3 q = p + Vec3{colourIndex * 1.37, colourIndex * 0.41, colourIndex * 0.23};
  const double wobble = 0.10 * FractalNoise({q.x * 1.5, q.y * 3, q.z * 3}, 3);
  const double radius = std::hypot(q.y + 1.1, q.z - 2.4) + wobble;
  const double ring = std::pow(0.5 + 0.5 * std::sin(2 * std::numbers::pi * 6.5 * radius), 3);
  const double fibre = ValueNoise({q.x * 2.5, q.y * 70, q.z * 70});
  const Rgb lightWood = FromBytes(200, 152, 98), darkWood = FromBytes(134, 86, 44);
  const Rgb wood = Mix(lightWood, darkWood, 0.7 * ring + 0.3 * fibre);
  if (colourIndex == 0) {
    return wood;
  }
  if (colourIndex == kSkinColours - 1) {
    return Mix(wood, FromBytes(240, 232, 214), 0.7);  // whitewashed
  }
  // A stain darkens with the grain but keeps a little of the wood's warmth.
  const double grain = Luma(wood) / Luma(lightWood);
  return Mix(stain * (0.45 + 0.65 * grain), wood, 0.12);
}

Rgb AshPigment(Rgb base, Vec3 p, Face face) {
  const double mottle = FractalNoise(p * 7.0, 3) - 0.5;
  const double speckle = ValueNoise(p * 55.0) - 0.5;
  Rgb c = base * (1 + 0.16 * mottle + 0.10 * speckle);
  if (face == Face::kTop) {
    c = Mix(c, FromBytes(196, 194, 190), 0.15);  // settled dust
  }
  return c;
}

// Highlights roll off below the top of the range instead of flattening at it, so a lit face keeps
// its modelling; never pure white inside a sprite, as the sheet's white means "no sprite".
Rgb Clamp(Rgb c) {
  constexpr double kKnee = 0.80, kTop = 251.0 / 255.0;
  const auto roll = [](double v) {
    v = std::max(v, 0.0);
    return v <= kKnee ? v : kKnee + (kTop - kKnee) * (1 - std::exp(-(v - kKnee) / (kTop - kKnee)));
  };
  return {roll(c.x), roll(c.y), roll(c.z)};
}

Rgb Surface(const Skin& skin, int colourIndex, const SurfacePoint& p) {
  const Rgb base = skin.colours[colourIndex];
  switch (skin.finish) {
    case Finish::kFlat:
      return Lit(base, p.normal, p.position, {0.38, 0.66, 0, 1});
    case Finish::kRounded:
      return Lit(base, RoundedNormal(p, 0.2), p.position, {0.36, 0.68, 0.22, 60});
    case Finish::kSmoothed:
      // Worn soft like a pebble: every face bulges, with a satin sheen instead of a highlight.
      return Lit(base, CushionNormal(p, 0.9), p.position, {0.34, 0.70, 0.08, 5});
    case Finish::kOak:
      return Lit(OakPigment(colourIndex, base, p.position), RoundedNormal(p, 0.07), p.position,
                 {0.40, 0.62, 0.10, 16});
    case Finish::kPolished: {
      const Vec3 normal = RoundedNormal(p, 0.1);
      // Sky reflected in the lacquer: stronger towards the top of the side faces.
      const double sky = p.face == Face::kTop ? 0.03 : 0.10 * p.v * p.v;
      return Lit(base, normal, p.position, {0.30, 0.64, 0.5, 300}) + kWhite * sky;
    }
    case Finish::kAshen:
      return Lit(AshPigment(base, p.position, p.face), RoundedNormal(p, 0.05), p.position,
                 {0.42, 0.58, 0, 1});
    case Finish::kFaceted:
      return Lit(base, FacetedNormal(p, 0.08, 0.16), p.position, {0.22, 0.92, 0.3, 80});
  }
  return base;
}

// A colour as CIELAB lightness, chroma and hue angle.
struct Tone {
  double lightness, chroma, hue;
};

// Pieces 1..7 stand on a lightness ladder, so that pairs that colour-blind eyes confuse (red and
// green, blue and purple, green and blue) still differ in lightness, the one cue every eye keeps.
// Hues are the names of "1. Simple": red, orange, yellow, green, turquoise, blue, purple.
constexpr std::array<Tone, 7> kPieceTones = {{
    {36, 72, 33},
    {72, 78, 58},
    {91, 86, 97},
    {52, 60, 155},
    {79, 40, 195},
    {30, 68, 288},
    {62, 62, 322},
}};

// A skin's palette: the plain cube, the ladder with its chroma scaled and its lightness shifted,
// and the marked cube.
std::array<Rgb, kSkinColours> Palette(Tone plain, double chromaScale, double lightnessShift,
                                      Tone marked) {
  std::array<Rgb, kSkinColours> colours{};
  colours[0] = FromLch(plain.lightness, plain.chroma, plain.hue);
  for (std::size_t i = 0; i < kPieceTones.size(); ++i) {
    const Tone& t = kPieceTones[i];
    colours[i + 1] = FromLch(t.lightness + lightnessShift, t.chroma * chromaScale, t.hue);
  }
  colours[kSkinColours - 1] = FromLch(marked.lightness, marked.chroma, marked.hue);
  return colours;
}

}  // namespace

Rgb Shade(const Skin& skin, int colourIndex, bool lighter, const SurfacePoint& p) {
  return Clamp(Lighten(Surface(skin, colourIndex, p), lighter));
}

const std::array<Skin, 7>& Skins() {
  static const std::array<Skin, 7> skins = [] {
    const Tone grey{60, 0, 0}, white{93, 0, 0};
    return std::array<Skin, 7>{{
        {"1. Simple", Finish::kFlat, Palette(grey, 1, 0, white), 2.2, 1.6},
        {"2. Rounded", Finish::kRounded, Palette({62, 4, 260}, 0.95, 0, {93, 3, 90}), 1.2, 0},
        {"3. Smoothed", Finish::kSmoothed, Palette({66, 6, 80}, 0.9, 0, {94, 5, 85}), 1.0, 0},
        {"4. Oak", Finish::kOak, Palette({64, 30, 70}, 1.0, -4, {90, 8, 80}), 1.4, 1.0},
        {"5. Polished", Finish::kPolished, Palette({58, 5, 250}, 1.1, -3, {91, 2, 250}), 1.0, 0},
        {"6. Ashen", Finish::kAshen, Palette({60, 3, 80}, 0.45, 0, {88, 3, 80}), 1.6, 1.0},
        {"7. Sharpen", Finish::kFaceted, Palette({58, 6, 250}, 1.15, 0, {94, 2, 250}), 1.2, 0},
    }};
  }();
  return skins;
}

Rgb EdgeColour(const Skin& skin, int colourIndex, bool lighter) {
  const Rgb base = Lighten(skin.colours[colourIndex], lighter);
  switch (skin.finish) {
    case Finish::kOak:
      return Mix(base * 0.35, FromBytes(60, 36, 18), 0.5);
    case Finish::kAshen:
      return Mix(base * 0.35, FromBytes(34, 34, 34), 0.5);
    case Finish::kFaceted:
      return base * 0.18;
    default:
      return base * 0.32;
  }
}

}  // namespace kelvane::art
