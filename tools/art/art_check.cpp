// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the committed pictures and sound against what the renderer and the shell rely on.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <cstdint>

#include "colour_difference.h"
#include "cube_shape.h"
#include "sheet_layout.h"

namespace kelvane::art {
namespace {

QString g_resources;

QString ResourcePath(const QString& name) {
  return g_resources + "/" + name;
}

bool IsWhite(QRgb p) {
  return qRed(p) == 255 && qGreen(p) == 255 && qBlue(p) == 255;
}

// The colour index whose sprite may colour (x, y), or -1 where no sprite may; sets the position
// relative to that sprite's cell.
int CellAt(int x, int y, int& cx, int& cy) {
  const int column = x / kCellPitchX, row = (y + kRowGap) / kCellPitchY;
  cx = x - column * kCellPitchX;
  cy = y - row * kCellPitchY;
  if (column >= kSheetColumns || row >= 4 || cx >= 2 * kSheetCube.w || cy >= kSheetCube.Height()) {
    return -1;
  }
  return (row / 2) * kSheetColumns + column;
}

double MeanLuma(const QImage& sheet, int left, int top) {
  double sum = 0;
  int count = 0;
  for (int y = 0; y < kSheetCube.Height(); ++y) {
    for (int x = 0; x < 2 * kSheetCube.w; ++x) {
      if (OutlineDistance(kSheetCube, x + 0.5, y + 0.5) > 0) {
        sum += qGray(sheet.pixel(left + x, top + y));
        ++count;
      }
    }
  }
  return sum / count;
}

TEST(SkinSheets, AreOpaqueEightBitRgbOfTheSheetSize) {
  for (int skin = 1; skin <= 7; ++skin) {
    const QString path = ResourcePath(QString("skins/skin-%1.png").arg(skin));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray header = file.read(26);
    ASSERT_EQ(header.size(), 26);
    EXPECT_EQ(header[24], 8) << "bit depth of " << path.toStdString();
    EXPECT_EQ(header[25], 2) << "colour type (RGB) of " << path.toStdString();
    const QImage sheet(path);
    EXPECT_EQ(sheet.width(), kSheetWidth);
    EXPECT_EQ(sheet.height(), kSheetHeight);
  }
}

// The renderer clips sprites to the outline: a white pixel inside it would show as a halo, and a
// coloured pixel well outside it would mean a sprite is misplaced in its cell.
TEST(SkinSheets, FillEveryOutlineAndAreWhiteElsewhere) {
  for (int skin = 1; skin <= 7; ++skin) {
    const QImage sheet(ResourcePath(QString("skins/skin-%1.png").arg(skin)));
    ASSERT_FALSE(sheet.isNull());
    int halo = 0, stray = 0;
    for (int y = 0; y < kSheetHeight; ++y) {
      for (int x = 0; x < kSheetWidth; ++x) {
        int cx = 0, cy = 0;
        const int index = CellAt(x, y, cx, cy);
        const double inside =
            index >= 0 && index < 9 ? OutlineDistance(kSheetCube, cx + 0.5, cy + 0.5) : -1e9;
        const bool white = IsWhite(sheet.pixel(x, y));
        halo += inside >= -1 && white;
        stray += inside < -(kSpriteBleed + 1) && !white;
      }
    }
    EXPECT_EQ(halo, 0) << "white pixels inside sprites of skin " << skin;
    EXPECT_EQ(stray, 0) << "coloured pixels outside sprites of skin " << skin;
  }
}

TEST(SkinSheets, LighterRowsAreLighter) {
  for (int skin = 1; skin <= 7; ++skin) {
    const QImage sheet(ResourcePath(QString("skins/skin-%1.png").arg(skin)));
    for (int index = 0; index < 9; ++index) {
      EXPECT_GT(MeanLuma(sheet, CellLeft(index), CellTop(index, true)),
                MeanLuma(sheet, CellLeft(index), CellTop(index, false)) + 8)
          << "skin " << skin << " colour " << index;
    }
  }
}

// Reference pairs for CIEDE2000, including the hue-wrap and low-chroma cases that are easy to get
// wrong; the colour measurement of the skins rests on this formula.
TEST(ColourDifference, MatchesPublishedCiede2000Pairs) {
  const struct {
    Lab first, second;
    double expected;
  } pairs[] = {
      {{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
      {{50, 0, 0}, {50, -1, 2}, 2.3669},
      {{50, 2.5, 0}, {73, 25, -18}, 27.1492},
      {{50, 2.5, 0}, {50, 0, -2.5}, 4.3065},
      {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
  };
  for (const auto& p : pairs) {
    EXPECT_NEAR(DeltaE2000(p.first, p.second), p.expected, 1e-4);
  }
  EXPECT_NEAR(ToLab({1, 1, 1}).l, 100, 1e-3);
}

// The game redraws outlines after shrinking a sheet in the colour found at this point.
TEST(SkinSheets, LeftEdgeMiddleIsTheOutline) {
  for (int skin = 1; skin <= 7; ++skin) {
    const QImage sheet(ResourcePath(QString("skins/skin-%1.png").arg(skin)));
    for (int index = 0; index < 9; ++index) {
      for (bool lighter : {false, true}) {
        const int left = CellLeft(index), top = CellTop(index, lighter);
        const int edge = qGray(sheet.pixel(left, top + kSheetCube.Height() / 2));
        EXPECT_LT(edge, 0.7 * MeanLuma(sheet, left, top)) << "skin " << skin << " colour " << index;
      }
    }
  }
}

TEST(Icons, AreSquareWithTransparentCorners) {
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QImage icon(ResourcePath(QString("icons/kelvane-%1.png").arg(size)));
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
  }
  EXPECT_EQ(QImage(ResourcePath("about-logo.png")).size(), QSize(203, 61));
}

std::uint32_t Little(const QByteArray& bytes, int at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) {
    value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
  }
  return value;
}

TEST(VictorySound, IsAShortMonoPcmWave) {
  QFile file(ResourcePath("victory.wav"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray wav = file.readAll();
  ASSERT_GT(wav.size(), 44);
  EXPECT_EQ(wav.left(4), "RIFF");
  EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
  EXPECT_EQ(Little(wav, 20, 2), 1u);  // PCM
  EXPECT_EQ(Little(wav, 22, 2), 1u);  // mono
  EXPECT_EQ(Little(wav, 24, 4), 44100u);
  EXPECT_EQ(Little(wav, 34, 2), 16u);
  const std::uint32_t dataBytes = Little(wav, 40, 4);
  EXPECT_EQ(dataBytes + 44, static_cast<std::uint32_t>(wav.size()));
  EXPECT_LT(dataBytes / 2, 2u * 44100u);
}

}  // namespace
}  // namespace kelvane::art

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s RESOURCES_FOLDER\n", argv[0]);
    return 2;
  }
  kelvane::art::g_resources = QString::fromLocal8Bit(argv[1]);
  return RUN_ALL_TESTS();
}
