// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a colour for an Options colour button.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "model/settings.h"

class QWidget;

namespace kelvane {

// The colour dialog's sixteen custom colours: the rainbow in twelve steps, then four greys.
inline constexpr std::array<Colour, 16> kCustomColours{
    255,      33023,    65535,    65408,   65280,   8453888, 16776960, 16744448,
    16711680, 16711808, 16711935, 8388863, 6579300, 9868950, 11513775, 13158600};

// Asks for a colour over `owner`; nothing when the user cancels. Tests answer without a dialog.
using ColourChooser = std::function<std::optional<Colour>(QWidget* owner)>;

// Puts the custom colours into the toolkit's colour dialog so that they read row by row, the
// order above; the dialog itself counts its two rows column by column.
void OfferCustomColours();

// The toolkit's colour dialog with the custom colours above, starting from black.
std::optional<Colour> ChooseColourWithDialog(QWidget* owner);

}  // namespace kelvane
