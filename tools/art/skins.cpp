// Each skin's palette, surface pattern and lighting. All skins share one light setting: a key light
// from above and front-left, so the top face is the lightest and the right face the darkest.
#include "skins.h"

#include <cmath>
#include <numbers>

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

Rgb Lighten(Rgb c, bool lighter) {
  return lighter ? Mix(c, kWhite, 0.3) : c;
}

Rgb Desaturate(Rgb c, double keep) {
  return Mix(kWhite * Luma(c), c, keep);
}

// Oak: growth rings around an axis along x, so the top and left faces show long grain and the
// right face the end grain. Each colour index cuts the log at a different place.
Rgb OakPigment(int colourIndex, Rgb stain, Vec3 p) {
  const Vec3 q = p + Vec3{colourIndex * 1.37, colourIndex * 0.41, colourIndex * 0.23};
  const double wobble = 0.10 * FractalNoise({q.x * 1.5, q.y * 3, q.z * 3}, 3);
  const double radius = std::hypot(q.y + 1.1, q.z - 2.4) + wobble;
  const double ring = std::pow(0.5 + 0.5 * std::sin(2 * std::numbers::pi * 6.5 * radius), 3);
  const double fibre = ValueNoise({q.x * 2.5, q.y * 70, q.z * 70});
  const Rgb lightWood = FromBytes(214, 170, 112), darkWood = FromBytes(150, 98, 52);
  const Rgb wood = Mix(lightWood, darkWood, 0.7 * ring + 0.3 * fibre);
  if (colourIndex == 0) {
    return wood;
  }
  if (colourIndex == kSkinColours - 1) {
    return Mix(wood, FromBytes(240, 232, 214), 0.7);  // whitewashed
  }
  // A stain darkens with the grain but keeps a little of the wood's warmth.
  const double grain = Luma(wood) / Luma(lightWood);
  return Mix(stain * (0.45 + 0.65 * grain), wood, 0.18);
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

Rgb Clamp(Rgb c) {
  // Never pure white inside a sprite: the sheet's white means "no sprite".
  const double top = 251.0 / 255.0;
  return {std::clamp(c.x, 0.0, top), std::clamp(c.y, 0.0, top), std::clamp(c.z, 0.0, top)};
}

Rgb Surface(const Skin& skin, int colourIndex, const SurfacePoint& p) {
  const Rgb base = skin.colours[colourIndex];
  switch (skin.finish) {
    case Finish::kFlat:
      return Lit(base, p.normal, p.position, {0.38, 0.66, 0, 1});
    case Finish::kRounded:
      return Lit(base, RoundedNormal(p, 0.2), p.position, {0.36, 0.68, 0.3, 40});
    case Finish::kSmoothed: {
      // A broad gradient on every face: lighter towards the top and the back.
      const double fall = 1.08 - 0.16 * (p.face == Face::kTop ? (p.u + p.v) / 2 : 1 - p.v);
      return Lit(base, RoundedNormal(p, 0.08), p.position, {0.36, 0.66, 0.18, 12}) * fall;
    }
    case Finish::kOak:
      return Lit(OakPigment(colourIndex, base, p.position), RoundedNormal(p, 0.07), p.position,
                 {0.40, 0.62, 0.10, 16});
    case Finish::kPolished: {
      const Vec3 normal = RoundedNormal(p, 0.1);
      // Sky reflected in the lacquer: stronger towards the top of the side faces.
      const double sky = p.face == Face::kTop ? 0.10 : 0.16 * p.v * p.v;
      return Lit(base, normal, p.position, {0.30, 0.70, 0.85, 140}) + kWhite * sky;
    }
    case Finish::kAshen:
      return Lit(AshPigment(base, p.position, p.face), RoundedNormal(p, 0.05), p.position,
                 {0.42, 0.58, 0, 1});
    case Finish::kFaceted:
      return Lit(base, FacetedNormal(p, 0.08, 0.16), p.position, {0.22, 0.92, 0.45, 40});
  }
  return base;
}

}  // namespace

Rgb Shade(const Skin& skin, int colourIndex, bool lighter, const SurfacePoint& p) {
  // Lightening the lit colour, not the pigment, keeps the pale cube's copy distinct too.
  return Clamp(Lighten(Surface(skin, colourIndex, p), lighter));
}

const std::array<Skin, 7>& Skins() {
  static const std::array<Skin, 7> skins = [] {
    const std::array<Rgb, kSkinColours> simple = {
        FromBytes(150, 150, 150), FromBytes(214, 36, 36),  FromBytes(240, 132, 24),
        FromBytes(242, 210, 34),  FromBytes(50, 168, 60),  FromBytes(30, 184, 178),
        FromBytes(44, 84, 214),   FromBytes(138, 58, 184), FromBytes(240, 240, 240)};
    const std::array<Rgb, kSkinColours> soft = {
        FromBytes(162, 164, 170), FromBytes(222, 58, 52),  FromBytes(246, 146, 42),
        FromBytes(246, 214, 62),  FromBytes(72, 176, 78),  FromBytes(46, 180, 184),
        FromBytes(62, 106, 216),  FromBytes(150, 82, 196), FromBytes(238, 236, 228)};
    const std::array<Rgb, kSkinColours> stains = {
        FromBytes(214, 170, 112), FromBytes(170, 36, 28),  FromBytes(206, 108, 30),
        FromBytes(218, 176, 52),  FromBytes(66, 128, 52),  FromBytes(36, 132, 130),
        FromBytes(42, 72, 150),   FromBytes(108, 52, 124), FromBytes(240, 232, 214)};
    const std::array<Rgb, kSkinColours> deep = {
        FromBytes(148, 154, 166), FromBytes(198, 18, 30),  FromBytes(232, 106, 8),
        FromBytes(238, 190, 8),   FromBytes(18, 148, 62),  FromBytes(0, 156, 162),
        FromBytes(24, 62, 196),   FromBytes(122, 34, 168), FromBytes(234, 234, 240)};
    std::array<Rgb, kSkinColours> ash{};
    for (int i = 0; i < kSkinColours; ++i) {
      ash[i] = Mix(Desaturate(simple[i], 0.38) * 0.9, FromBytes(120, 118, 114), 0.12);
    }
    const std::array<Rgb, kSkinColours> vivid = {
        FromBytes(138, 144, 152), FromBytes(236, 24, 36),  FromBytes(255, 128, 0),
        FromBytes(255, 218, 0),   FromBytes(0, 188, 70),   FromBytes(0, 198, 198),
        FromBytes(20, 80, 240),   FromBytes(148, 40, 218), FromBytes(244, 244, 244)};
    return std::array<Skin, 7>{{
        {"1. Simple", Finish::kFlat, simple, 2.2, 1.6},
        {"2. Rounded", Finish::kRounded, soft, 1.2, 0},
        {"3. Smoothed", Finish::kSmoothed, soft, 1.2, 0},
        {"4. Oak", Finish::kOak, stains, 1.4, 1.0},
        {"5. Polished", Finish::kPolished, deep, 1.0, 0},
        {"6. Ashen", Finish::kAshen, ash, 1.6, 1.0},
        {"7. Sharpen", Finish::kFaceted, vivid, 1.2, 0},
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
      return Mix(base * 0.4, FromBytes(52, 52, 52), 0.6);
    case Finish::kFaceted:
      return base * 0.18;
    default:
      return base * 0.32;
  }
}

}  // namespace kelvane::art
