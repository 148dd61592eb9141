// SPDX-License-Identifier: GPL-3.0-or-later
// How far apart a sheet's colours look, to normal and to colour-blind eyes, and how much of each
// face is washed out at the top of the range.
#pragma once

#include <QImage>
#include <array>
#include <cstdio>
#include <string>

#include "colour_difference.h"
#include "skins.h"

namespace kelvane::art {

inline constexpr double kPieceGap = 12;          // between two pieces, normal vision
inline constexpr double kDichromatGap = 6;       // between two pieces, each simulated dichromacy
inline constexpr double kNeutralGap = 8;         // a piece against the plain and the marked cube
inline constexpr double kMostCappedShare = 0.1;  // of any face's pixels at the top of the range

// Per sprite (colour index, normal or lighter) and face (top, left, right).
struct SheetFaces {
  std::array<std::array<std::array<Rgb, 3>, 2>, kSkinColours> mean{};
  std::array<std::array<std::array<double, 3>, 2>, kSkinColours> cappedShare{};
};

SheetFaces MeasureFaces(const QImage& sheet);

// The smallest difference found for each requirement, and where.
struct Worst {
  double value = 1e9;
  std::string where;
};
struct SkinReport {
  std::array<Worst, 4> pieces;  // by Vision
  Worst neutral;
  Worst capped;
  bool Passes() const;
};

SkinReport Judge(const SheetFaces& faces);

// One table row per skin, after a header; returns whether every skin passed.
void PrintHeader(std::FILE* out);
bool PrintRow(std::FILE* out, const char* skinName, const SkinReport& report);

}  // namespace kelvane::art
