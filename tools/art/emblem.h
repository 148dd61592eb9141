// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon and the About box logo: a small assembly of skin cubes.
#pragma once

#include <QImage>
#include <array>

namespace kelvane::art {

inline constexpr std::array<int, 7> kIconSizes = {16, 24, 32, 48, 64, 128, 256};

// A size x size RGBA icon on a transparent background.
QImage RenderIcon(int size);

// The 203 x 61 RGBA About logo: the cube motif and the name "Kelvane".
QImage RenderAboutLogo();

}  // namespace kelvane::art
