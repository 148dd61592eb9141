// SPDX-License-Identifier: GPL-3.0-or-later
// Face means of every sprite and the pairwise differences the skins must keep.
#include "skin_measure.h"

#include "cube_shape.h"
#include "sheet_layout.h"

namespace kelvane::art {
namespace {

// Face pixels this far from the outline and the front edges are the face's own colour, free of
// lines and antialiasing.
constexpr double kInterior = 4;
constexpr int kCapLevel = 245;
constexpr int kFirstPiece = 1, kLastPiece = 7, kMarked = kSkinColours - 1;

const char* kFaceNames[3] = {"top", "left", "right"};

std::string SpriteName(int index, bool lighter, int face) {
  const std::string name = index == 0         ? "plain"
                           : index == kMarked ? "marked"
                                              : "piece " + std::to_string(index);
  return name + (lighter ? " lighter " : " ") + kFaceNames[face];
}

void Lower(Worst& worst, double value, const std::string& where) {
  if (value < worst.value) {
    worst = {value, where};
  }
}

}  // namespace

SheetFaces MeasureFaces(const QImage& sheet) {
  SheetFaces faces;
  for (int index = 0; index < kSkinColours; ++index) {
    for (int lighter = 0; lighter < 2; ++lighter) {
      const int left = CellLeft(index), top = CellTop(index, lighter != 0);
      std::array<Rgb, 3> sums{};
      std::array<int, 3> interior{}, all{}, capped{};
      for (int y = 0; y < kSheetCube.Height(); ++y) {
        for (int x = 0; x < 2 * kSheetCube.w; ++x) {
          const double cx = x + 0.5, cy = y + 0.5;
          const double inside = OutlineDistance(kSheetCube, cx, cy);
          if (inside <= 0.5) {
            continue;
          }
          const int face = static_cast<int>(SurfaceAt(kSheetCube, cx, cy).face);
          const QRgb p = sheet.pixel(left + x, top + y);
          ++all[face];
          capped[face] += std::max({qRed(p), qGreen(p), qBlue(p)}) >= kCapLevel;
          if (inside > kInterior && InnerEdgeDistance(kSheetCube, cx, cy) > kInterior) {
            sums[face] = sums[face] + FromBytes(qRed(p), qGreen(p), qBlue(p));
            ++interior[face];
          }
        }
      }
      for (int face = 0; face < 3; ++face) {
        faces.mean[index][lighter][face] = sums[face] * (1.0 / std::max(1, interior[face]));
        faces.cappedShare[index][lighter][face] =
            static_cast<double>(capped[face]) / std::max(1, all[face]);
      }
    }
  }
  return faces;
}

SkinReport Judge(const SheetFaces& faces) {
  SkinReport report;
  // Differences are taken face by face: a top face is only ever seen beside other top faces.
  const auto difference = [&](int i, int j, int lighter, int face, Vision vision) {
    return DeltaE2000(ToLab(SimulateVision(faces.mean[i][lighter][face], vision)),
                      ToLab(SimulateVision(faces.mean[j][lighter][face], vision)));
  };
  for (int lighter = 0; lighter < 2; ++lighter) {
    for (int face = 0; face < 3; ++face) {
      for (int i = kFirstPiece; i <= kLastPiece; ++i) {
        for (int j = i + 1; j <= kLastPiece; ++j) {
          for (Vision vision : kVisions) {
            Lower(report.pieces[static_cast<int>(vision)], difference(i, j, lighter, face, vision),
                  SpriteName(i, lighter, face) + " / " + std::to_string(j));
          }
        }
        for (int neutral : {0, kMarked}) {
          Lower(report.neutral, difference(i, neutral, lighter, face, Vision::kNormal),
                SpriteName(i, lighter, face) + " / " + SpriteName(neutral, lighter, face));
        }
      }
      for (int i = 0; i < kSkinColours; ++i) {
        // Stored as the share left below the cap, so the smallest is the worst.
        Lower(report.capped, 1 - faces.cappedShare[i][lighter][face], SpriteName(i, lighter, face));
      }
    }
  }
  return report;
}

bool SkinReport::Passes() const {
  bool ok = neutral.value >= kNeutralGap && 1 - capped.value <= kMostCappedShare;
  for (Vision vision : kVisions) {
    const double gap = vision == Vision::kNormal ? kPieceGap : kDichromatGap;
    ok &= pieces[static_cast<int>(vision)].value >= gap;
  }
  return ok;
}

void PrintHeader(std::FILE* out) {
  std::fprintf(
      out,
      "smallest CIEDE2000 between face means (pieces: normal >= %.0f, each dichromacy >= "
      "%.0f; piece to plain and marked >= %.0f); largest share of a face at the top of the "
      "range <= %.0f %%\n",
      kPieceGap, kDichromatGap, kNeutralGap, 100 * kMostCappedShare);
  std::fprintf(out, "%-12s %7s %7s %7s %7s %9s %7s  worst pair (normal)\n", "skin", "normal",
               "protan", "deutan", "tritan", "neutral", "capped");
}

bool PrintRow(std::FILE* out, const char* skinName, const SkinReport& report) {
  std::fprintf(out, "%-12s", skinName);
  for (const Worst& worst : report.pieces) {
    std::fprintf(out, " %7.1f", worst.value);
  }
  std::fprintf(out, " %9.1f %6.1f%%  %s\n", report.neutral.value, 100 * (1 - report.capped.value),
               report.pieces[0].where.c_str());
  if (!report.Passes()) {
    for (Vision vision : kVisions) {
      std::fprintf(out, "    %s worst: %s\n", VisionName(vision),
                   report.pieces[static_cast<int>(vision)].where.c_str());
    }
    std::fprintf(out, "    neutral worst: %s; most capped: %s\n", report.neutral.where.c_str(),
                 report.capped.where.c_str());
  }
  return report.Passes();
}

}  // namespace kelvane::art
