// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing of a whole skin sheet.
#pragma once

#include <QImage>

#include "sheet_layout.h"
#include "skins.h"

namespace kelvane::art {

// The 1024 x 768 RGB sheet of `skin`, white wherever no sprite is.
QImage RenderSheet(const Skin& skin);

}  // namespace kelvane::art
