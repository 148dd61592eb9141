// SPDX-License-Identifier: GPL-3.0-or-later
// Settings colours (red in the low byte) as Qt colours and back.
#pragma once

#include <QColor>

#include "model/settings.h"

namespace kelvane {

QColor QColorOf(Colour colour);
Colour ColourOfQColor(const QColor& colour);

}  // namespace kelvane
